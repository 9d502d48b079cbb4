#include "chart/cairo_canvas_posix.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "chart/histogram.h"
#include "recording_canvas.h"

namespace vorna {
namespace {

constexpr Colour kWhite{255, 255, 255};

// The pixels of a PNG file, decoded by Cairo as any reader would.
class DecodedPng {
 public:
  explicit DecodedPng(const std::string& png) : bytes_(png) {
    surface_ = cairo_image_surface_create_from_png_stream(&DecodedPng::ReadChunk, this);
  }
  ~DecodedPng() { cairo_surface_destroy(surface_); }
  bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  Colour At(int x, int y) const {
    const unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    std::uint32_t pixel;
    std::memcpy(&pixel, row + x * 4, 4);
    return Colour{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                  static_cast<std::uint8_t>(pixel)};
  }
  int Count(int left, int top, int right, int bottom, Colour colour) const {
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, height()); ++y) {
      for (int x = std::max(left, 0); x < std::min(right, width()); ++x) count += At(x, y) == colour;
    }
    return count;
  }

 private:
  static cairo_status_t ReadChunk(void* closure, unsigned char* data, unsigned int length) {
    auto* self = static_cast<DecodedPng*>(closure);
    if (self->bytes_.size() - self->offset_ < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, self->bytes_.data() + self->offset_, length);
    self->offset_ += length;
    return CAIRO_STATUS_SUCCESS;
  }
  std::string bytes_;
  std::size_t offset_ = 0;
  cairo_surface_t* surface_ = nullptr;
};

// 800 to 1000 in 20 bars; limits inside bars 6 and 16 (as the GDI chart test).
HistogramInput ChartInput() {
  HistogramInput input;
  input.BarCounts = {0, 25, 0, 10, 40, 30, 20, 15, 10, 10, 5, 5, 5, 5, 3, 3, 20, 1, 1, 0, 2};
  input.TotalTraces = 220;
  input.DisplayLow = 800;
  input.BarWidth = 10;
  input.UnitText = "Ohm";
  input.LimitLow = 855;
  input.LimitHigh = 955;
  input.DisplayedCount = 210;
  input.InSpecCount = 200;
  input.TestName = "Geophone resistance";
  input.FileDate = "12-03-2024";
  return input;
}

std::string ChartFile(ChartFileFormat format, int width, int height, const HistogramInput& input) {
  CairoCanvas canvas(format, width, height);
  ChartArea area(kBlack, kWhite);
  DrawHistogram(area, canvas, input);
  return canvas.FileBytes();
}

// The same chart on a recording canvas: bar and marker positions do not
// depend on text metrics.
RecordingCanvas Twin(int width, int height, const HistogramInput& input) {
  RecordingCanvas canvas(width, height);
  ChartArea area(kBlack, kWhite);
  DrawHistogram(area, canvas, input);
  return canvas;
}

TEST(CairoCanvas, PngChartHasPureGreenBarsRedMarkersAndTheBackground) {
  const int width = 900, height = 600;
  const HistogramInput input = ChartInput();
  const DecodedPng png(ChartFile(ChartFileFormat::Png, width, height, input));
  ASSERT_TRUE(png.ok());
  ASSERT_EQ(png.width(), width);
  ASSERT_EQ(png.height(), height);
  const RecordingCanvas twin = Twin(width, height, input);

  EXPECT_EQ(png.At(2, height - 2), kWhite);  // text-free corner below the axis

  const std::vector<Recorded> bars = twin.Of(Op::Rectangle);
  ASSERT_EQ(bars.size(), 20u);
  for (std::size_t k = 0; k < bars.size(); ++k) {
    const Recorded& bar = bars[k];
    SCOPED_TRACE("bar " + std::to_string(k + 1));
    const int middle = (bar.x1 + bar.x2) / 2;
    if (input.BarCounts[k + 1] == 0) {
      EXPECT_EQ(png.At(middle, bar.y2 - 3), kWhite);
      continue;
    }
    EXPECT_EQ(png.At(bar.x1, (bar.y1 + bar.y2) / 2), kBlack);  // outline through the corners
    EXPECT_EQ(png.At(bar.x2, (bar.y1 + bar.y2) / 2), kBlack);
    EXPECT_EQ(png.At(bar.x1 + 2, bar.y1), kBlack);
    EXPECT_EQ(png.At(bar.x1 + 1, bar.y1 + 1), kBarFill);
    EXPECT_EQ(png.At(bar.x2 - 1, bar.y2 - 1), kBarFill);
    EXPECT_EQ(png.At(middle - 5, (bar.y1 + bar.y2) / 2), kBarFill);
  }

  std::vector<Recorded> markers;
  for (const Recorded& line : twin.Of(Op::Line)) {
    if (line.colour == kLimitRed) markers.push_back(line);
  }
  ASSERT_EQ(markers.size(), 2u);
  const int tallestTop = bars[3].y1;
  for (const Recorded& marker : markers) {
    SCOPED_TRACE("marker at " + std::to_string(marker.x1));
    EXPECT_EQ(png.Count(marker.x1, tallestTop, marker.x1 + 1, marker.y1, kLimitRed), marker.y1 - tallestTop);
    EXPECT_EQ(png.At(marker.x1 - 1, marker.y1 - 3), kBarFill);
    EXPECT_EQ(png.At(marker.x1 + 1, marker.y1 - 3), kBarFill);
  }
}

TEST(CairoCanvas, StatisticsTextIsDrawnInItsColour) {
  HistogramInput input = ChartInput();
  const DecodedPng failing(ChartFile(ChartFileFormat::Png, 900, 600, input));
  EXPECT_GT(failing.Count(0, 0, 150, 60, kLimitRed), 20);
  EXPECT_EQ(failing.Count(0, 0, 150, 60, kPassGreen), 0);

  input.DisplayedCount = input.InSpecCount = input.TotalTraces;
  const DecodedPng passing(ChartFile(ChartFileFormat::Png, 900, 600, input));
  EXPECT_GT(passing.Count(0, 0, 150, 60, kPassGreen), 20);
  EXPECT_EQ(passing.Count(0, 0, 150, 60, kLimitRed), 0);
}

TEST(CairoCanvas, MeasuresTextWithTheStandInFaces) {
  CairoCanvas canvas(ChartFileFormat::Png, 100, 100);
  const TextSize serif = canvas.MeasureText(Font{"Times New Roman", 8, kRegularWeight}, "Geophone resistance");
  const TextSize sans = canvas.MeasureText(Font{"MS Sans Serif", 8, kRegularWeight}, "Geophone resistance");
  const TextSize bold = canvas.MeasureText(Font{"Times New Roman", 15, kBoldWeight}, "Geophone resistance");
  EXPECT_GT(serif.width, 60);
  EXPECT_LT(serif.width, 140);
  EXPECT_GE(serif.height, 10);
  EXPECT_LE(serif.height, 16);
  EXPECT_NE(serif.width, sans.width);  // two faces, not one fallback
  EXPECT_GT(bold.width, 2 * serif.width - 20);
  EXPECT_EQ(canvas.MeasureText(Font{"Times New Roman", 8, kRegularWeight}, "").width, 0);
  EXPECT_EQ(StandInFace("Times New Roman"), "Liberation Serif");
  EXPECT_EQ(StandInFace("MS Sans Serif"), "Liberation Sans");
}

TEST(CairoCanvas, SvgIsADocumentOfTheSizeAskedInPixels) {
  const std::string svg = ChartFile(ChartFileFormat::Svg, 640, 480, ChartInput());
  ASSERT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("width=\"640px\""), std::string::npos);
  EXPECT_NE(svg.find("height=\"480px\""), std::string::npos);
  EXPECT_NE(svg.find("rgb(0%,100%,0%)"), std::string::npos);  // the bars' green
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST(CairoCanvas, NonAsciiTextAndFarAwayShapesDoNotBreakTheFile) {
  CairoCanvas canvas(ChartFileFormat::Png, 50, 40);
  canvas.Clear(kWhite);
  canvas.DrawTextOpaque(Font{"Times New Roman", 8, kRegularWeight}, "\xB5V caf\xE9", 1, 1, kBlack, kWhite);
  canvas.DrawFilledRectangle(-1000000000, 5, 1000000000, 30, kBlack, kBarFill);
  canvas.DrawLine(-5, -5, 1000000000, 999999999, kLimitRed);
  const DecodedPng png(canvas.FileBytes());
  ASSERT_TRUE(png.ok());
  EXPECT_EQ(png.At(25, 20), kBarFill);
}

}  // namespace
}  // namespace vorna
