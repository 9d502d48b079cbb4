#include "chart/main_chart_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/gdi_canvas_win.h"
#include "recording_canvas.h"

namespace vorna {
namespace {

// The host window paints `painted` on WM_DRAWITEM, as the main window does.
int DrawItemCount = 0;
const ChartBitmap* Painted = nullptr;

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    ++DrawItemCount;
    if (Painted != nullptr) Painted->PaintInto(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hDC);
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Free GDI handles: how many brushes can be made before creation fails.
int FreeGdiHandles() {
  std::vector<HBRUSH> made;
  while (made.size() < 200000) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    if (brush == nullptr) break;
    made.push_back(brush);
  }
  for (HBRUSH brush : made) DeleteObject(brush);
  return static_cast<int>(made.size());
}

Colour PixelAt(const ChartBitmap& bitmap, int x, int y) {
  const int stride = (bitmap.width() * 3 + 3) & ~3;
  const unsigned char* pixel = bitmap.bits() + (bitmap.height() - 1 - y) * stride + x * 3;
  return Colour{pixel[2], pixel[1], pixel[0]};
}

int CountPixels(const ChartBitmap& bitmap, RECT area, Colour colour) {
  int count = 0;
  const int top = std::max(0, static_cast<int>(area.top));
  const int bottom = std::min(bitmap.height(), static_cast<int>(area.bottom));
  const int left = std::max(0, static_cast<int>(area.left));
  const int right = std::min(bitmap.width(), static_cast<int>(area.right));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (PixelAt(bitmap, x, y) == colour) ++count;
    }
  }
  return count;
}

// 800 to 1000 in 20 bars; limits inside bars 6 and 16.
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
  input.FileDate = "12.03.2024";
  return input;
}

class GdiChart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VornaChartTestHost";
    RegisterClassA(&windowClass);
    host_ = CreateWindowExA(0, "VornaChartTestHost", "chart test", WS_POPUP | WS_VISIBLE, 0, 0,
                            720, 540, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    control_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_BORDER | SS_OWNERDRAW,
                               10, 10, 675, 496, host_, reinterpret_cast<HMENU>(1003),
                               GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(host_);
    UpdateWindow(control_);
  }

  static void TearDownTestSuite() {
    if (host_ != nullptr) DestroyWindow(host_);
    host_ = control_ = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(control_, nullptr);
    GetClientRect(control_, &client_);
  }

  void TearDown() override {
    Painted = nullptr;
    MainChartBitmap().Destroy();
  }

  // The same chart on a recording canvas of the bitmap's size: bar and
  // marker positions do not depend on text metrics.
  static RecordingCanvas Twin(const ChartBitmap& bitmap, const HistogramInput& input) {
    RecordingCanvas canvas(bitmap.width(), bitmap.height());
    ChartArea area(Colour{}, Colour{});
    DrawHistogram(area, canvas, input);
    return canvas;
  }

  static HWND host_;
  static HWND control_;
  RECT client_{};
  const Colour buttonFace_ = FromColorRef(GetSysColor(COLOR_BTNFACE));
};

HWND GdiChart::host_ = nullptr;
HWND GdiChart::control_ = nullptr;

TEST_F(GdiChart, BitmapHasTheControlsClientSizeInButtonFace) {
  ChartBitmap bitmap;
  bitmap.Create(control_);
  ASSERT_TRUE(bitmap.valid());
  EXPECT_EQ(bitmap.width(), client_.right);
  EXPECT_EQ(bitmap.height(), client_.bottom);
  EXPECT_EQ(CountPixels(bitmap, client_, buttonFace_), client_.right * client_.bottom);
}

TEST_F(GdiChart, DrawsGreenBarsRedMarkersAndTextOnTheBackground) {
  ChartBitmap bitmap;
  bitmap.Create(control_);
  ChartArea area(FromColorRef(GetSysColor(COLOR_WINDOWTEXT)), buttonFace_);
  const HistogramInput input = ChartInput();
  DrawChart(bitmap, area, input, nullptr);
  const RecordingCanvas twin = Twin(bitmap, input);
  const Colour outline = FromColorRef(GetSysColor(COLOR_WINDOWTEXT));

  // Text-free corner below the axis, left of the first tick label.
  EXPECT_EQ(PixelAt(bitmap, 2, bitmap.height() - 2), buttonFace_);

  const std::vector<Recorded> bars = twin.Of(Op::Rectangle);
  ASSERT_EQ(bars.size(), 20u);
  for (std::size_t k = 0; k < bars.size(); ++k) {
    const Recorded& bar = bars[k];
    const int count = input.BarCounts[k + 1];
    const int middle = (bar.x1 + bar.x2) / 2;  // bars 6 and 16: the limit markers
    SCOPED_TRACE("bar " + std::to_string(k + 1));
    if (count == 0) {
      EXPECT_EQ(PixelAt(bitmap, middle, bar.y2 - 3), buttonFace_);
      continue;
    }
    // Outline through both corners, pure green inside.
    EXPECT_EQ(PixelAt(bitmap, bar.x1, (bar.y1 + bar.y2) / 2), outline);
    EXPECT_EQ(PixelAt(bitmap, bar.x1 + 2, bar.y1), outline);
    EXPECT_EQ(PixelAt(bitmap, bar.x1 + 1, bar.y1 + 1), kBarFill);
    EXPECT_EQ(PixelAt(bitmap, bar.x2 - 1, bar.y2 - 1), kBarFill);
    EXPECT_EQ(PixelAt(bitmap, middle - 5, (bar.y1 + bar.y2) / 2), kBarFill);
  }

  std::vector<Recorded> markers;
  for (const Recorded& line : twin.Of(Op::Line)) {
    if (line.colour == kLimitRed) markers.push_back(line);
  }
  ASSERT_EQ(markers.size(), 2u);
  const int tallestTop = bars[3].y1;
  for (const Recorded& marker : markers) {
    SCOPED_TRACE("marker at " + std::to_string(marker.x1));
    const RECT column{marker.x1, tallestTop, marker.x1 + 1, marker.y1};
    EXPECT_EQ(CountPixels(bitmap, column, kLimitRed), marker.y1 - tallestTop);
    EXPECT_EQ(PixelAt(bitmap, marker.x1 - 1, marker.y1 - 3), kBarFill);
    EXPECT_EQ(PixelAt(bitmap, marker.x1 + 1, marker.y1 - 3), kBarFill);
  }

  // The red statistics lines are drawn in pure red on the background. The
  // statistics rows end above the top rule; the markers start at x 185.
  const RECT leftRows{0, 0, 150, 60};
  EXPECT_GT(CountPixels(bitmap, leftRows, kLimitRed), 20);
  EXPECT_EQ(CountPixels(bitmap, leftRows, kPassGreen), 0);
}

TEST_F(GdiChart, AllInSpecDrawsTheInSpecLineInDarkGreen) {
  ChartBitmap bitmap;
  bitmap.Create(control_);
  ChartArea area(Colour{}, buttonFace_);
  HistogramInput input = ChartInput();
  input.DisplayedCount = input.InSpecCount = input.TotalTraces;
  DrawChart(bitmap, area, input, nullptr);
  const RECT leftRows{0, 0, 150, 60};
  const RECT rightRows{bitmap.width() - 150, 0, bitmap.width(), 60};
  EXPECT_GT(CountPixels(bitmap, leftRows, kPassGreen), 20);
  EXPECT_EQ(CountPixels(bitmap, leftRows, kLimitRed), 0);
  EXPECT_EQ(CountPixels(bitmap, rightRows, kLimitRed), 0);  // no out-of-spec line
}

TEST_F(GdiChart, MainChartIsShownInOneRepaintOfTheControl) {
  Painted = &MainChartBitmap();
  MainChartBitmap().Destroy();  // made for the control on first use
  const int before = DrawItemCount;
  DrawMainChart(control_, ChartInput());
  EXPECT_EQ(DrawItemCount - before, 1);
  ASSERT_TRUE(MainChartBitmap().valid());
  EXPECT_EQ(MainChartBitmap().width(), client_.right);
  EXPECT_EQ(MainChartBitmap().height(), client_.bottom);
  EXPECT_EQ(MainChartArea().colour(), kBlack);
  EXPECT_EQ(MainChartArea().font(), StatisticsFont());

  // The control shows the bitmap: a bar's inside is green on the screen.
  const RecordingCanvas twin = Twin(MainChartBitmap(), ChartInput());
  const Recorded bar = twin.Of(Op::Rectangle).at(3);
  ScopedWindowDc screen(control_);
  EXPECT_EQ(FromColorRef(GetPixel(screen.get(), (bar.x1 + bar.x2) / 2 - 5, (bar.y1 + bar.y2) / 2)),
            kBarFill);
}

TEST_F(GdiChart, AThousandChartsLeaveNoGdiObjectsBehind) {
  ChartBitmap bitmap;
  bitmap.Create(control_);
  ChartArea area(Colour{}, buttonFace_);
  HistogramInput thirty = ChartInput();
  thirty.BarCounts.assign(31, 3);
  DrawChart(bitmap, area, ChartInput(), control_);  // first-use caches
  const int freeBefore = FreeGdiHandles();
  for (int chart = 0; chart < 1000; ++chart) {
    const HWND shownIn = chart % 100 == 0 ? control_ : nullptr;
    DrawChart(bitmap, area, chart % 2 == 0 ? ChartInput() : thirty, shownIn);
  }
  EXPECT_EQ(FreeGdiHandles(), freeBefore);
}

}  // namespace
}  // namespace vorna
