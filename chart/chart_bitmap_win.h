#pragma once
// The chart area's picture: an off-screen 24-bit DIB section of the chart
// control's client size. The chart is drawn into it, the control paints
// it, and the bitmap and print commands read it.

#include <windows.h>

#include <optional>

#include "chart/chart_area.h"
#include "win/win_handles_win.h"

namespace vorna {

// The header of a 24-bit RGB bitmap of `width` by `height` pixels, rows
// bottom-up as in a .bmp file.
BITMAPINFO Rgb24BitmapInfo(int width, int height);

class ChartBitmap {
 public:
  // Creates the bitmap for `control`'s client size, filled with the
  // button-face colour. Replaces any earlier bitmap.
  void Create(HWND control);
  // Creates a bitmap of `width` by `height` pixels filled with `background`,
  // for a chart drawn to a file. Replaces any earlier bitmap.
  void Create(int width, int height, Colour background);
  // Releases the bitmap.
  void Destroy();

  bool valid() const { return bitmap_.get() != nullptr; }
  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // Pixel rows, bottom-up, 24 bits per pixel, each row padded to 4 bytes.
  const unsigned char* bits() const { return bits_; }

  // Copies the picture into `target` at the origin.
  void PaintInto(HDC target) const;

 private:
  void CreateFilled(int width, int height, HBRUSH fill);

  // Declared in the order of creation: the selection goes first, then
  // the DC, then the bitmap.
  ScopedBitmap bitmap_;
  ScopedMemoryDc dc_;
  std::optional<ScopedSelection> selection_;
  unsigned char* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The one chart area of the main window.
ChartBitmap& MainChartBitmap();

}  // namespace vorna
