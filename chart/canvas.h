#pragma once
// The drawing operations the chart needs from a device, in pixels of the
// chart area's client rectangle (origin top-left, y grows downwards). The
// Win32 program implements it with GDI on the chart bitmap; tests record
// the calls with fixed text metrics.

#include <string_view>

#include "chart/chart_area.h"

namespace vorna {

struct TextSize {
  int width = 0;
  int height = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The client size in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Fills the whole area with `background`.
  virtual void Clear(Colour background) = 0;
  // The size of one line of `text` in `font`.
  virtual TextSize MeasureText(const Font& font, std::string_view text) = 0;
  // Draws `text` in `font` and `colour` with its top-left corner at (x, y),
  // its cell first filled with `background`.
  virtual void DrawTextOpaque(const Font& font, std::string_view text, int x, int y,
                              Colour colour, Colour background) = 0;
  // A rectangle whose one-pixel outline passes through both corner pixels,
  // its inside filled solid with `fill`. Corners in either order.
  virtual void DrawFilledRectangle(int x1, int y1, int x2, int y2, Colour outline,
                                   Colour fill) = 0;
  // A solid one-pixel line through both end pixels.
  virtual void DrawLine(int x1, int y1, int x2, int y2, Colour colour) = 0;
  // Shows the finished picture on the screen in one step.
  virtual void Present() = 0;
};

}  // namespace vorna
