#include "chart/histogram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "recording_canvas.h"

namespace vorna {
namespace {

// 800 by 600 pixels: 40 px per bar at 20 bars, 30 px at 30 bars. With these
// sizes the x axis is at pixel row 578, the tallest bar's top at row 66 and
// the tick labels' top at row 579, whatever the largest count.
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kAxisY = 578;
constexpr int kTallestTopY = 66;
constexpr int kTickY = 579;
constexpr Colour kWindowText{10, 20, 30};
constexpr Colour kButtonFace{200, 201, 202};

const Font kSans8{"MS Sans Serif", 8, 400};
const Font kTimes6{"Times New Roman", 6, 400};
const Font kTimes7{"Times New Roman", 7, 400};
const Font kTimes8{"Times New Roman", 8, 400};
const Font kTimes15Bold{"Times New Roman", 15, 700};

// 800 to 1000 in 20 bars of 10; 200 values, 190 displayed, 180 in spec.
HistogramInput WorkedExample() {
  HistogramInput input;
  input.BarCounts = {0, 25, 0, 10, 40, 30, 20, 15, 10, 10, 5, 5, 5, 5, 3, 3, 2, 1, 1, 0, 0};
  input.TotalTraces = 200;
  input.DisplayLow = 800;
  input.BarWidth = 10;
  input.UnitText = " Ohm ";
  input.ValueScale = 1;
  input.LimitLow = 850;
  input.LimitHigh = 950;
  input.DisplayedCount = 190;
  input.InSpecCount = 180;
  input.TestName = "Geophone resistance";
  input.FileDate = "12.03.2024";
  return input;
}

HistogramInput WithBars(HistogramInput input, std::vector<std::int32_t> counts) {
  input.BarCounts = std::move(counts);
  return input;
}

struct Drawn {
  explicit Drawn(int width = kWidth, std::map<Font, FontMetrics> metrics = DefaultFontMetrics())
      : canvas(width, kHeight, std::move(metrics)) {}

  Drawn& Draw(const HistogramInput& input) {
    canvas.calls.clear();
    DrawHistogram(area, canvas, input);
    return *this;
  }

  // Texts drawn with the bars, before the first line: bar labels end in "%".
  std::vector<Recorded> BarSection() const {
    std::vector<Recorded> texts;
    for (const Recorded& item : canvas.calls) {
      if (item.op == Op::Line) break;
      if (item.op == Op::Text) texts.push_back(item);
    }
    return texts;
  }
  std::vector<Recorded> BarLabels() const {
    std::vector<Recorded> labels;
    for (const Recorded& item : BarSection()) {
      if (item.text.back() == '%') labels.push_back(item);
    }
    return labels;
  }
  std::vector<Recorded> TickLabels() const {
    std::vector<Recorded> ticks;
    for (const Recorded& item : BarSection()) {
      if (item.text.back() != '%') ticks.push_back(item);
    }
    return ticks;
  }
  // Texts drawn after the lines: statistics, title and credit.
  std::vector<Recorded> Statistics() const {
    std::vector<Recorded> texts;
    bool afterLines = false;
    for (const Recorded& item : canvas.calls) {
      afterLines = afterLines || item.op == Op::Line;
      if (afterLines && item.op == Op::Text) texts.push_back(item);
    }
    return texts;
  }
  const Recorded* StatisticsText(const std::string& prefix) const {
    static Recorded found;
    for (const Recorded& item : Statistics()) {
      if (item.text.compare(0, prefix.size(), prefix) == 0) {
        found = item;
        return &found;
      }
    }
    return nullptr;
  }
  // Red lines: the limit markers.
  std::vector<Recorded> Markers() const {
    std::vector<Recorded> markers;
    for (const Recorded& item : canvas.Of(Op::Line)) {
      if (item.colour == kLimitRed) markers.push_back(item);
    }
    return markers;
  }

  RecordingCanvas canvas;
  ChartArea area{kWindowText, kButtonFace};
};

int TextWidth(const Drawn& drawn, const Font& font, const std::string& text) {
  return drawn.canvas.Size(font, text).width;
}

// ---------------------------------------------------------------------------
// Bars and bar labels

TEST(HistogramBars, DrawsEachBarFromTheAxisToItsCountInGreen) {
  Drawn drawn;
  drawn.Draw(WorkedExample());
  const std::vector<Recorded> bars = drawn.canvas.Of(Op::Rectangle);
  ASSERT_EQ(bars.size(), 20u);
  for (int i = 1; i <= 20; ++i) {
    const Recorded& bar = bars[static_cast<std::size_t>(i - 1)];
    SCOPED_TRACE(i);
    EXPECT_EQ(bar.x1, 40 * (i - 1));
    EXPECT_EQ(bar.x2, 40 * i);
    EXPECT_EQ(bar.y2, kAxisY);
    EXPECT_EQ(bar.colour, kWindowText);
    EXPECT_EQ(bar.background, kBarFill);
  }
  EXPECT_EQ(bars[3].y1, kTallestTopY);  // bar 4 holds the largest count, 40
  EXPECT_EQ(bars[1].y1, kAxisY);        // an empty bar has zero height
  EXPECT_LT(bars[3].y1, bars[4].y1);    // 40 above 30
  EXPECT_LT(bars[4].y1, bars[0].y1);    // 30 above 25
}

TEST(HistogramBars, LabelsBarsWithTheirShareCentredOnTop) {
  Drawn drawn;
  drawn.Draw(WorkedExample());
  const std::vector<Recorded> labels = drawn.BarLabels();
  const std::vector<std::string> expected = {
      "12.5%", "5.0%", "20.0%", "15.0%", "10.0%", "7.5%", "5.0%", "5.0%", "2.5%",
      "2.5%",  "2.5%", "2.5%",  "1.5%",  "1.5%",  "1.0%", "0.5%", "0.5%"};
  std::vector<std::string> texts;
  for (const Recorded& label : labels) texts.push_back(label.text);
  EXPECT_EQ(texts, expected);  // bars 2, 19 and 20 are empty: no label

  const std::vector<Recorded> bars = drawn.canvas.Of(Op::Rectangle);
  const std::vector<int> labelledBars = {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
  ASSERT_EQ(labels.size(), labelledBars.size());
  for (std::size_t k = 0; k < labels.size(); ++k) {
    const int bar = labelledBars[k];
    const Recorded& label = labels[k];
    SCOPED_TRACE(label.text + " on bar " + std::to_string(bar));
    const TextSize size = drawn.canvas.Size(label.font, label.text);
    EXPECT_NEAR(label.x1 + size.width / 2.0, 40 * (bar - 0.5), 0.5);  // centred on the bar
    EXPECT_EQ(label.y1 + size.height, bars[static_cast<std::size_t>(bar - 1)].y1);  // sits on it
    EXPECT_EQ(label.colour, kWindowText);
    EXPECT_EQ(label.background, kButtonFace);
  }
  // Bar 1 is drawn in the font every chart ends with, later bars in the tick font.
  EXPECT_EQ(labels[0].font, kSans8);
  EXPECT_EQ(labels[0].x1, 0);
  EXPECT_EQ(labels[0].y1, drawn.canvas.Of(Op::Rectangle)[0].y1 - 13);
  for (std::size_t k = 1; k < labels.size(); ++k) EXPECT_EQ(labels[k].font, kTimes7);
}

struct ShareCase {
  std::int32_t count;
  std::int32_t total;
  const char* label;  // empty: no label
};

class HistogramBarShare : public ::testing::TestWithParam<ShareCase> {};

TEST_P(HistogramBarShare, RoundsHalvesToEvenAndDropsZeroShares) {
  HistogramInput input = WorkedExample();
  input.BarCounts.assign(21, 0);
  input.BarCounts[1] = GetParam().count;
  input.TotalTraces = GetParam().total;
  Drawn drawn;
  const std::vector<Recorded> labels = drawn.Draw(input).BarLabels();
  if (*GetParam().label == '\0') {
    EXPECT_TRUE(labels.empty());
  } else {
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, GetParam().label);
  }
}

INSTANTIATE_TEST_SUITE_P(WorkedShares, HistogramBarShare,
                         ::testing::Values(ShareCase{25, 200, "12.5%"}, ShareCase{49, 400, "12.2%"},
                                           ShareCase{247, 2000, "12.4%"}, ShareCase{1, 2000, ""},
                                           ShareCase{3, 2000, "0.2%"}, ShareCase{7, 7, "100.0%"},
                                           // relative to all values, not to the displayed ones
                                           ShareCase{1, 3, "33.3%"}));

TEST(HistogramBars, ThirtyBarsLabelEveryBarInTimesSeven) {
  HistogramInput input = WorkedExample();
  input.BarCounts.assign(31, 4);
  input.BarWidth = 200.0f / 30;
  Drawn drawn(900);  // 30 px per bar
  const std::vector<Recorded> labels = drawn.Draw(input).BarLabels();
  ASSERT_EQ(labels.size(), 30u);
  for (const Recorded& label : labels) {
    EXPECT_EQ(label.font, kTimes7) << label.text;
    EXPECT_EQ(label.text, "2.0%");
  }
  EXPECT_EQ(labels[0].x1, 5);  // 15 - 20 / 2
}

// ---------------------------------------------------------------------------
// Tick labels

std::vector<std::string> Texts(const std::vector<Recorded>& items) {
  std::vector<std::string> texts;
  for (const Recorded& item : items) texts.push_back(item.text);
  return texts;
}

TEST(HistogramTicks, LabelsInnerEdgesInWholeUnitsForWideBars) {
  Drawn drawn;
  const std::vector<Recorded> ticks = drawn.Draw(WorkedExample()).TickLabels();
  std::vector<std::string> expected;
  for (int value = 810; value <= 990; value += 10) expected.push_back(std::to_string(value));
  EXPECT_EQ(Texts(ticks), expected);
  for (const Recorded& tick : ticks) {
    EXPECT_EQ(tick.font, kTimes7) << tick.text;
    EXPECT_EQ(tick.y1, kTickY) << tick.text;
    EXPECT_EQ(tick.colour, kWindowText);
  }
  // The first is placed by its size in Times New Roman 8 (18 px), the rest
  // by their size in the tick font (15 px, centre 7.5 rounds to even).
  EXPECT_EQ(ticks[0].x1, 40 - 9);
  EXPECT_EQ(ticks[1].x1, 80 - 8);
  EXPECT_EQ(ticks[18].x1, 760 - 8);
}

TEST(HistogramTicks, UsesThreeDecimalsForBarsNarrowerThanATenth) {
  HistogramInput input = WorkedExample();
  input.DisplayLow = 0;
  input.BarWidth = 0.6f / 20;
  Drawn drawn;
  const std::vector<std::string> ticks = Texts(drawn.Draw(input).TickLabels());
  ASSERT_EQ(ticks.size(), 19u);
  EXPECT_EQ(ticks.front(), "0.030");
  EXPECT_EQ(ticks[1], "0.060");
  EXPECT_EQ(ticks[9], "0.300");
  EXPECT_EQ(ticks.back(), "0.570");
}

struct MaskCase {
  float displayLow;
  float barWidth;
  float valueScale;
  const char* firstTick;
};

class HistogramTickMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(HistogramTickMask, ChoosesDecimalsByTheDisplayedBarWidth) {
  HistogramInput input = WorkedExample();
  input.DisplayLow = GetParam().displayLow;
  input.BarWidth = GetParam().barWidth;
  input.ValueScale = GetParam().valueScale;
  Drawn drawn;
  EXPECT_EQ(drawn.Draw(input).TickLabels().at(0).text, GetParam().firstTick);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, HistogramTickMask,
    ::testing::Values(MaskCase{0, 0.005f, 1, "0.0050"}, MaskCase{0, 0.01f, 1, "0.010"},
                      MaskCase{0, 0.05f, 1, "0.050"}, MaskCase{0, 0.1f, 1, "0.10"},
                      MaskCase{0, 0.25f, 1, "0.25"}, MaskCase{0, 1, 1, "1"},
                      MaskCase{1.5f, 1, 1, "2"},  // 2.5 under the mask "0"
                      MaskCase{0.0f, 0.005f, 1000, "5"},  // Ground noise: scaled
                      MaskCase{-10, 0.5f, 1, "-9.50"}));

struct TickFontCase {
  const char* name;
  float displayLow;
  float barWidth;
  int times8CharWidth;  // metrics of Times New Roman 8 for this case
  Font measuredIn;      // the font the first tick is measured in the second time
  Font tickFont;
};

class HistogramTickFont : public ::testing::TestWithParam<TickFontCase> {};

// A bar is 40 px wide, so 0.9 bar widths are 36 px. The first tick label is
// measured in the font current at that moment (MS Sans Serif 8, 8 px per
// character), then in Times New Roman 7 (5 px) or 8.
TEST_P(HistogramTickFont, FirstTickChoosesTheSizeOfAllTicks) {
  std::map<Font, FontMetrics> metrics = DefaultFontMetrics();
  metrics[kTimes8].charWidth = GetParam().times8CharWidth;
  HistogramInput input = WorkedExample();
  input.DisplayLow = GetParam().displayLow;
  input.BarWidth = GetParam().barWidth;
  Drawn drawn(kWidth, metrics);
  drawn.Draw(input);
  const std::vector<Recorded> ticks = drawn.TickLabels();
  ASSERT_EQ(ticks.size(), 19u);
  const std::string first = ticks[0].text;

  std::vector<Font> measuredFirst;
  for (const Recorded& item : drawn.canvas.Of(Op::Measure)) {
    if (item.text == first) measuredFirst.push_back(item.font);
  }
  ASSERT_GE(measuredFirst.size(), 2u);
  EXPECT_EQ(measuredFirst[0], kSans8);
  EXPECT_EQ(measuredFirst[1], GetParam().measuredIn);

  for (const Recorded& tick : ticks) EXPECT_EQ(tick.font, GetParam().tickFont) << tick.text;
  // Placed by the second measurement, before the tick font is selected.
  const TextSize placedBy = drawn.canvas.Size(GetParam().measuredIn, first);
  EXPECT_NEAR(ticks[0].x1 + placedBy.width / 2.0, 40, 0.5);
  // Bar labels after the first use the tick font.
  const std::vector<Recorded> labels = drawn.BarLabels();
  ASSERT_GE(labels.size(), 2u);
  EXPECT_EQ(labels[1].font, GetParam().tickFont);
}

INSTANTIATE_TEST_SUITE_P(
    BothDirections, HistogramTickFont,
    ::testing::Values(
        // "810": 24 px fits, 18 px in Times 8 fits: size 7
        TickFontCase{"NarrowStaysSeven", 800, 10, 6, kTimes8, kTimes7},
        // "810": 24 px fits, but 39 px in a wide Times 8: size 6
        TickFontCase{"NarrowThenWideGoesSix", 800, 10, 13, kTimes8, kTimes6},
        // "0.030": 40 px too wide, 25 px in Times 7 fits: size 7
        TickFontCase{"WideThenNarrowStaysSeven", 0, 0.03f, 6, kTimes7, kTimes7},
        // "1000.0050": 72 px, 45 px in Times 7 still too wide: size 6
        TickFontCase{"WideStaysWideGoesSix", 1000, 0.005f, 6, kTimes7, kTimes6}),
    [](const ::testing::TestParamInfo<TickFontCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Limit markers

struct MarkerCase {
  const char* name;
  float limitLow;
  float limitHigh;
  std::vector<int> columns;
};

class HistogramMarkers : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(HistogramMarkers, MarksLimitsStrictlyInsideTheAxisOnly) {
  HistogramInput input = WorkedExample();  // 800 to 1000, bars of 10
  input.LimitLow = GetParam().limitLow;
  input.LimitHigh = GetParam().limitHigh;
  Drawn drawn;
  const std::vector<Recorded> markers = drawn.Draw(input).Markers();
  std::vector<int> columns;
  for (const Recorded& marker : markers) {
    columns.push_back(marker.x1);
    EXPECT_EQ(marker.x2, marker.x1);
    EXPECT_EQ(marker.y1, kAxisY);
    EXPECT_EQ(marker.y2, kTallestTopY - 11);  // up to the top rule
  }
  EXPECT_EQ(columns, GetParam().columns);
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Limits, HistogramMarkers,
    ::testing::Values(MarkerCase{"Inside", 850, 950, {200, 600}},
                      MarkerCase{"NextToTheEdges", 801, 990, {4, 760}},
                      MarkerCase{"AtTheEdges", 800, 1000, {}},
                      MarkerCase{"Beyond", -1, 2000, {}},
                      MarkerCase{"OneInside", -2000, 905, {420}},
                      MarkerCase{"NotNumbers", kNaN, kInf, {}}),
    [](const ::testing::TestParamInfo<MarkerCase>& info) { return info.param.name; });

TEST(HistogramMarkers, GroundNoiseLimitStandsOnTheEdgeLabelledWithIt) {
  HistogramInput input = WorkedExample();
  input.UnitText = "uV";
  input.DisplayLow = 0;
  input.BarWidth = 0.1f / 20;
  input.ValueScale = 1000;
  input.LimitLow = -1;
  input.LimitHigh = 25;
  Drawn drawn;
  drawn.Draw(input);
  const std::vector<Recorded> markers = drawn.Markers();
  ASSERT_EQ(markers.size(), 1u);
  EXPECT_EQ(markers[0].x1, 200);  // x = 5
  const Recorded tick = drawn.TickLabels().at(4);
  EXPECT_EQ(tick.text, "25");
  EXPECT_NEAR(tick.x1 + TextWidth(drawn, tick.font, tick.text) / 2.0, 200, 0.5);
}

TEST(HistogramMarkers, ZeroBarWidthRepeatsOneTickValueAndMarksNothing) {
  HistogramInput input = WorkedExample();
  input.BarWidth = 0;
  input.LimitLow = 800;
  input.LimitHigh = 850;
  Drawn drawn;
  drawn.Draw(input);
  EXPECT_TRUE(drawn.Markers().empty());
  const std::vector<std::string> ticks = Texts(drawn.TickLabels());
  EXPECT_EQ(ticks, std::vector<std::string>(19, "800.0000"));
}

TEST(HistogramRules, DrawsTopRuleAndAxisInTheDrawingColour) {
  Drawn drawn;
  drawn.Draw(WorkedExample());
  std::vector<Recorded> rules;
  for (const Recorded& line : drawn.canvas.Of(Op::Line)) {
    if (line.colour != kLimitRed) rules.push_back(line);
  }
  ASSERT_EQ(rules.size(), 2u);
  // The top rule stands the height of the last measured text (bar 19's
  // tick label in Times New Roman 7, 11 px) above the largest count.
  EXPECT_EQ(rules[0].y1, kTallestTopY - 11);
  EXPECT_EQ(rules[1].y1, kAxisY);
  for (const Recorded& rule : rules) {
    EXPECT_EQ(rule.x1, 0);
    EXPECT_EQ(rule.x2, kWidth);
    EXPECT_EQ(rule.y2, rule.y1);
    EXPECT_EQ(rule.colour, kWindowText);
  }
}

TEST(HistogramRules, TopRuleFollowsTheLastTickWhenTheLastBarHasNoLabel) {
  // Ticks in size 6 (10 px high) and the last bar empty.
  HistogramInput input = WorkedExample();
  input.DisplayLow = 1000;
  input.BarWidth = 0.005f;
  Drawn drawn;
  drawn.Draw(input);
  ASSERT_EQ(drawn.TickLabels().back().font, kTimes6);
  const std::vector<Recorded> lines = drawn.canvas.Of(Op::Line);
  EXPECT_EQ(lines.at(lines.size() - 2).y1, kTallestTopY - 10);
}

// ---------------------------------------------------------------------------
// Statistics, title and credit

struct ExpectedText {
  std::string text;
  int x;
  int y;
  Colour colour;
  Font font;
};

void ExpectTexts(const std::vector<Recorded>& drawn, const std::vector<ExpectedText>& expected) {
  ASSERT_EQ(drawn.size(), expected.size()) << ::testing::PrintToString(Texts(drawn));
  for (std::size_t k = 0; k < expected.size(); ++k) {
    SCOPED_TRACE(expected[k].text);
    EXPECT_EQ(drawn[k].text, expected[k].text);
    EXPECT_EQ(drawn[k].x1, expected[k].x);
    EXPECT_EQ(drawn[k].y1, expected[k].y);
    EXPECT_EQ(drawn[k].colour, expected[k].colour);
    EXPECT_EQ(drawn[k].font, expected[k].font);
    EXPECT_EQ(drawn[k].background, kButtonFace);
  }
}

// Rows are 13 px high in MS Sans Serif 8; "W" is 8 px wide, so right-aligned
// texts end 8 px before the right edge and left ones start at 4 px.
TEST(HistogramStatistics, ShowsTheWorkedExampleTable) {
  Drawn drawn;
  drawn.Draw(WorkedExample());
  ExpectTexts(drawn.Statistics(),
              {
                  {"File Date : 12.03.2024", 800 - 176 - 8, 0, kWindowText, kSans8},
                  {"Total Traces : 200", 800 - 144 - 8, 13, kWindowText, kSans8},
                  {"% Displayed 95.0", 4, 13, kLimitRed, kSans8},
                  {"% In Spec 90.0", 4, 26, kLimitRed, kSans8},
                  {"10.0% Out of Spec!!", 800 - 152 - 8, 26, kLimitRed, kSans8},
                  {"Geophone resistance (Ohm)", 400 - 150, 0, kBlack, kTimes15Bold},
                  {kCreditLine, 4, 0, kCreditGrey, kTimes7},
              });
}

TEST(HistogramStatistics, AllInSpecShowsDarkGreenAndNoOutOfSpecLine) {
  HistogramInput input = WorkedExample();
  input.InSpecCount = 200;
  Drawn drawn;
  drawn.Draw(input);
  ASSERT_NE(drawn.StatisticsText("% Displayed "), nullptr);
  EXPECT_EQ(drawn.StatisticsText("% Displayed ")->colour, kLimitRed);
  const Recorded* inSpec = drawn.StatisticsText("% In Spec ");
  ASSERT_NE(inSpec, nullptr);
  EXPECT_EQ(inSpec->text, "% In Spec 100.0");
  EXPECT_EQ(inSpec->colour, kPassGreen);
  for (const Recorded& text : drawn.Statistics()) {
    EXPECT_EQ(text.text.find("Out of Spec"), std::string::npos);
  }

  input.DisplayedCount = 200;
  drawn.Draw(input);
  EXPECT_EQ(drawn.StatisticsText("% Displayed ")->text, "% Displayed 100.0");
  EXPECT_EQ(drawn.StatisticsText("% Displayed ")->colour, kPassGreen);
}

TEST(HistogramStatistics, OutOfSpecShareIsFormedInExtendedPrecision) {
  HistogramInput input = WorkedExample();
  input.TotalTraces = 2000;
  input.InSpecCount = 1753;  // 12.35 out: halfway, to even
  input.DisplayedCount = 2000;
  Drawn drawn;
  drawn.Draw(input);
  ASSERT_NE(drawn.StatisticsText("12."), nullptr);
  EXPECT_EQ(drawn.StatisticsText("12.")->text, "12.4% Out of Spec!!");
  EXPECT_EQ(drawn.StatisticsText("% In Spec ")->text, "% In Spec 87.6");
}

TEST(HistogramStatistics, TitleShowsAnEmptyUnitAsEmptyParentheses) {
  HistogramInput input = WorkedExample();
  input.TestName = "Pulse response";
  input.UnitText = "   ";
  Drawn drawn;
  drawn.Draw(input);
  ASSERT_NE(drawn.StatisticsText("Pulse"), nullptr);
  EXPECT_EQ(drawn.StatisticsText("Pulse")->text, "Pulse response ()");
}

// ---------------------------------------------------------------------------
// Whole charts

TEST(HistogramChart, AllBinsZeroStillDrawsAxisTicksMarkersAndStatistics) {
  HistogramInput input = WithBars(WorkedExample(), std::vector<std::int32_t>(21, 0));
  input.DisplayedCount = 0;
  input.InSpecCount = 0;
  Drawn drawn;
  drawn.Draw(input);
  for (const Recorded& bar : drawn.canvas.Of(Op::Rectangle)) {
    EXPECT_EQ(bar.y1, kAxisY);
    EXPECT_EQ(bar.y2, kAxisY);
  }
  EXPECT_TRUE(drawn.BarLabels().empty());
  EXPECT_EQ(drawn.TickLabels().size(), 19u);
  const std::vector<Recorded> markers = drawn.Markers();
  ASSERT_EQ(markers.size(), 2u);
  EXPECT_EQ(markers[0].y2, kTallestTopY - 11);  // M = 1
  EXPECT_EQ(drawn.StatisticsText("% In Spec ")->text, "% In Spec 0.0");
  EXPECT_EQ(drawn.StatisticsText("100.0% Out")->colour, kLimitRed);
}

TEST(HistogramChart, NoValuesShowsZeroSharesAndNoOutOfSpecLine) {
  HistogramInput input = WorkedExample();
  input.TotalTraces = 0;
  input.DisplayedCount = 0;
  input.InSpecCount = 0;
  Drawn drawn;  // bar counts left non-zero: still no share to show
  drawn.Draw(input);
  EXPECT_TRUE(drawn.BarLabels().empty());
  for (const Recorded& text : drawn.canvas.Of(Op::Text)) {
    std::string lower = text.text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(lower.find("nan"), std::string::npos) << text.text;
    EXPECT_EQ(lower.find("inf"), std::string::npos) << text.text;
    EXPECT_EQ(text.text.find("Out of Spec"), std::string::npos);
  }
  EXPECT_EQ(drawn.StatisticsText("Total Traces")->text, "Total Traces : 0");
  EXPECT_EQ(drawn.StatisticsText("% Displayed ")->text, "% Displayed 0.0");
  EXPECT_EQ(drawn.StatisticsText("% In Spec ")->text, "% In Spec 0.0");
}

TEST(HistogramChart, ClearsFirstAndShowsOnceAtTheEnd) {
  Drawn drawn;
  drawn.Draw(WorkedExample());
  const std::vector<Recorded>& calls = drawn.canvas.calls;
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().op, Op::Clear);
  EXPECT_EQ(calls.front().colour, kButtonFace);
  EXPECT_EQ(calls.back().op, Op::Present);
  EXPECT_EQ(drawn.canvas.Of(Op::Present).size(), 1u);
  EXPECT_EQ(drawn.canvas.Of(Op::Clear).size(), 1u);
}

TEST(HistogramChart, CarriesTheDrawingStateIntoTheNextChart) {
  Drawn drawn;
  HistogramInput thirty = WorkedExample();
  thirty.BarCounts.assign(31, 5);
  drawn.Draw(thirty);
  EXPECT_EQ(drawn.canvas.Of(Op::Rectangle)[0].colour, kWindowText);
  EXPECT_EQ(drawn.StatisticsText("File Date")->colour, kWindowText);
  EXPECT_EQ(drawn.area.font(), kSans8);
  EXPECT_EQ(drawn.area.colour(), kBlack);

  // The next chart starts in MS Sans Serif 8 and black, although the last
  // texts of the first were Times New Roman 7 and grey.
  drawn.Draw(WorkedExample());
  for (const Recorded& bar : drawn.canvas.Of(Op::Rectangle)) EXPECT_EQ(bar.colour, kBlack);
  for (const Recorded& line : drawn.canvas.Of(Op::Line)) {
    EXPECT_TRUE(line.colour == kBlack || line.colour == kLimitRed);
  }
  EXPECT_EQ(drawn.BarLabels().at(0).font, kSans8);
  EXPECT_EQ(drawn.BarLabels().at(0).colour, kBlack);
  EXPECT_EQ(drawn.StatisticsText("File Date")->colour, kBlack);
  EXPECT_EQ(drawn.StatisticsText("Total Traces")->colour, kBlack);
}

TEST(HistogramChart, BarlessInputDrawsOnlyAxisAndStatistics) {
  HistogramInput input = WorkedExample();
  for (std::vector<std::int32_t> counts : {std::vector<std::int32_t>{}, std::vector<std::int32_t>{7}}) {
    input.BarCounts = counts;
    Drawn drawn;
    drawn.Draw(input);
    EXPECT_TRUE(drawn.canvas.Of(Op::Rectangle).empty());
    EXPECT_TRUE(drawn.BarSection().empty());
    EXPECT_TRUE(drawn.Markers().empty());
    EXPECT_EQ(drawn.Statistics().size(), 7u);
  }
}

TEST(ShareText, OneDecimalOfTheCountsShareAndZeroWithoutValues) {
  EXPECT_EQ(ShareText(195, 200), "97.5");
  EXPECT_EQ(ShareText(1, 3), "33.3");
  EXPECT_EQ(ShareText(200, 200), "100.0");
  EXPECT_EQ(ShareText(0, 0), "0.0");
}

}  // namespace
}  // namespace vorna
