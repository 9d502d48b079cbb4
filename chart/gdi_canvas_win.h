#pragma once
// The chart's Canvas on a GDI device context, normally the chart bitmap's.

#include <windows.h>

#include <map>
#include <string_view>

#include "chart/canvas.h"
#include "win/win_handles_win.h"

namespace vorna {


// The GDI colour of a chart colour.
inline COLORREF ToColorRef(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }
inline Colour FromColorRef(COLORREF colour) {
  return Colour{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

class GdiCanvas : public Canvas {
 public:
  // Draws on `dc`, whose surface is `width` by `height` pixels; fonts get a
  // height of point size * `logPixelsY` / 72. Present() flushes GDI and, when
  // `showIn` is a window, repaints it at once.
  GdiCanvas(HDC dc, int width, int height, int logPixelsY, HWND showIn);
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear(Colour background) override;
  TextSize MeasureText(const Font& font, std::string_view text) override;
  void DrawTextOpaque(const Font& font, std::string_view text, int x, int y, Colour colour,
                      Colour background) override;
  void DrawFilledRectangle(int x1, int y1, int x2, int y2, Colour outline, Colour fill) override;
  void DrawLine(int x1, int y1, int x2, int y2, Colour colour) override;
  void Present() override;

 private:
  // The GDI font for `font`, created on first use and kept with the canvas.
  HFONT FontFor(const Font& font);

  HDC dc_;
  int width_;
  int height_;
  int logPixelsY_;
  HWND showIn_;
  std::map<Font, ScopedFont> fonts_;
};

}  // namespace vorna
