#include "chart/histogram.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "numbers/number_text.h"
#include "util/text_helpers.h"

namespace vorna {

const char kCreditLine[] = "VORNA Test Analyser - VORNA project";

namespace {

Font TimesFont(int pointSize, int weight = kRegularWeight) {
  return Font{"Times New Roman", pointSize, weight};
}

// Widths of more than this many bar widths make the first tick label
// choose the smaller tick font.
constexpr double kTickFit = 0.9;

// A share of all loaded values in percent, formed in extended precision. No
// values at all give 0 rather than a division by zero.
long double Share(std::int32_t count, std::int32_t total) {
  if (total == 0) return 0.0L;
  return 100.0L * count / total;
}

// Decimals of the tick labels for a displayed bar width s; the thresholds
// are the single-precision constants 0.01, 0.1 and 1.
int TickDecimals(double s) {
  if (s < static_cast<double>(0.01f)) return 4;
  if (s < static_cast<double>(0.1f)) return 3;
  if (s < static_cast<double>(1.0f)) return 2;
  return 0;
}

// A measured text size in user units: w in bar widths, h in count units.
struct UserSize {
  double w = 0;
  double h = 0;
};

// Text and shapes in user coordinates, with the area's current state.
class Painter {
 public:
  Painter(ChartArea& area, Canvas& canvas) : area_(area), canvas_(canvas) {}

  UserSize Measure(std::string_view text) {
    const TextSize size = canvas_.MeasureText(area_.font(), text);
    return UserSize{area_.UserWidth(size.width), area_.UserHeight(size.height)};
  }

  void Text(std::string_view text, double x, double y) {
    canvas_.DrawTextOpaque(area_.font(), text, area_.PixelX(x), area_.PixelY(y), area_.colour(),
                           area_.background());
  }

  // Measures `text` and draws it with its top-left corner at (x(w), y).
  template <typename LeftOf>
  void MeasuredText(std::string_view text, LeftOf left, double y) {
    const UserSize size = Measure(text);
    Text(text, left(size.w), y);
  }

  void FilledRectangle(double x1, double y1, double x2, double y2, Colour outline, Colour fill) {
    canvas_.DrawFilledRectangle(area_.PixelX(x1), area_.PixelY(y1), area_.PixelX(x2),
                                area_.PixelY(y2), outline, fill);
  }

  void Line(double x1, double y1, double x2, double y2, Colour colour) {
    canvas_.DrawLine(area_.PixelX(x1), area_.PixelY(y1), area_.PixelX(x2), area_.PixelY(y2),
                     colour);
  }

 private:
  ChartArea& area_;
  Canvas& canvas_;
};

}  // namespace

std::string ShareText(std::int32_t count, std::int32_t total) {
  return FormatMasked(Share(count, total), 1);
}

void DrawHistogram(ChartArea& area, Canvas& canvas, const HistogramInput& input) {
  // 1. Clear with the background colour.
  canvas.Clear(area.background());

  // 2. User coordinates: x from 0 to N, y from top down to bottom.
  const std::vector<std::int32_t>& counts = input.BarCounts;
  const int bars = counts.empty() ? 0 : static_cast<int>(counts.size()) - 1;
  std::int32_t highest = 1;
  for (int i = 1; i <= bars; ++i) highest = std::max(highest, counts[static_cast<std::size_t>(i)]);
  const double m = highest;
  const double top = static_cast<double>(1.13f) * m;
  const double bottom = -(0.13 * m) / 3;
  // With no bars at all the axis still spans one bar width.
  const double right = std::max(bars, 1);
  area.SetCoordinates(0, right, top, bottom, canvas.Width(), canvas.Height());
  Painter painter(area, canvas);

  // 3. Bars, bar labels and tick labels.
  const long double scale = input.ValueScale;
  const long double displayedLow = scale * input.DisplayLow;
  const int tickDecimals =
      TickDecimals(static_cast<double>(input.ValueScale) * static_cast<double>(input.BarWidth));
  int tickPointSize = 7;
  double lastHeight = 0;  // height of the last text measured in this step
  for (int i = 1; i <= bars; ++i) {
    const std::int32_t count = counts[static_cast<std::size_t>(i)];
    painter.FilledRectangle(i - 1, count, i, 0, area.colour(), kBarFill);

    const std::string label = FormatMasked(Share(count, input.TotalTraces), 1) + "%";
    if (bars > 20) area.SelectFont(TimesFont(7));
    if (label != "0.0%") {
      const UserSize size = painter.Measure(label);
      painter.Text(label, (i - 0.5) - size.w / 2, count + size.h);
      lastHeight = size.h;
    }

    if (i < bars) {
      const long double value =
          displayedLow + static_cast<long double>(input.BarWidth) * i * scale;
      const std::string tick = FormatMasked(value, tickDecimals);
      UserSize size = painter.Measure(tick);
      if (i == 1) {
        // The first tick label chooses the tick font for the whole chart.
        area.SelectFont(TimesFont(size.w > kTickFit ? 7 : 8));
        size = painter.Measure(tick);
        tickPointSize = size.w > kTickFit ? 6 : 7;
      }
      area.SelectFont(TimesFont(tickPointSize));
      painter.Text(tick, i - size.w / 2, -size.h / 10);
      lastHeight = size.h;
    }
  }

  // 4. Back to the statistics font.
  area.SelectFont(StatisticsFont());

  // 5. Limit markers strictly inside the axis; a position that is not a
  // number (a bar width of 0) fails both comparisons.
  const double ruleY = m + lastHeight;
  const long double displayedWidth = scale * input.BarWidth;
  for (const float limit : {input.LimitLow, input.LimitHigh}) {
    const long double x = (limit - displayedLow) / displayedWidth;
    if (x > 0 && x < bars) painter.Line(static_cast<double>(x), 0, static_cast<double>(x), ruleY, kLimitRed);
  }

  // 6. The top rule and the x axis.
  painter.Line(0, ruleY, right, ruleY, area.colour());
  painter.Line(0, 0, right, 0, area.colour());

  // 7. Statistics text, each line placed by its own measured size.
  const double margin = painter.Measure("W").w;
  const auto rightAligned = [&](double w) { return right - w - margin; };
  const auto leftAligned = [&](double) { return margin / 2; };

  const std::string dateLine = "File Date : " + input.FileDate;
  painter.MeasuredText(dateLine, rightAligned, top);

  const std::string totalLine = "Total Traces : " + std::to_string(input.TotalTraces);
  const UserSize totalSize = painter.Measure(totalLine);
  painter.Text(totalLine, rightAligned(totalSize.w), top - totalSize.h);

  area.SetColour(input.DisplayedCount < input.TotalTraces ? kLimitRed : kPassGreen);
  const std::string displayedLine =
      "% Displayed " + ShareText(input.DisplayedCount, input.TotalTraces);
  const UserSize displayedSize = painter.Measure(displayedLine);
  painter.Text(displayedLine, leftAligned(displayedSize.w), top - displayedSize.h);

  const bool outOfSpec = input.InSpecCount < input.TotalTraces;
  area.SetColour(outOfSpec ? kLimitRed : kPassGreen);
  const long double inSpecShare = Share(input.InSpecCount, input.TotalTraces);
  const std::string inSpecLine = "% In Spec " + FormatMasked(inSpecShare, 1);
  const UserSize inSpecSize = painter.Measure(inSpecLine);
  painter.Text(inSpecLine, leftAligned(inSpecSize.w), top - 2 * inSpecSize.h);

  if (outOfSpec) {
    area.SetColour(kLimitRed);
    const std::string outLine = FormatMasked(100.0L - inSpecShare, 1) + "% Out of Spec!!";
    const UserSize outSize = painter.Measure(outLine);
    painter.Text(outLine, rightAligned(outSize.w), top - 2 * outSize.h);
  }

  // 8. Title, centred in the first row.
  area.SetColour(kBlack);
  area.SelectFont(TimesFont(15, kBoldWeight));
  const std::string title = input.TestName + " (" + TrimBlanks(input.UnitText) + ")";
  painter.MeasuredText(title, [&](double w) { return right / 2 - w / 2; }, top);

  // 9. Credit line at the left end of the first row.
  area.SetColour(kCreditGrey);
  area.SelectFont(TimesFont(7));
  painter.MeasuredText(kCreditLine, leftAligned, top);

  // 10. The state every chart leaves behind, then show the picture.
  area.SelectFont(StatisticsFont());
  area.SetColour(kBlack);
  canvas.Present();
}

}  // namespace vorna
