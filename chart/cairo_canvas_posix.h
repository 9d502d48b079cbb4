#pragma once
// The chart's Canvas on a Cairo surface, for chart files of the command
// line: a PNG image or an SVG document of the size asked. Shapes are drawn
// without smoothing so that bars and markers keep the chart's pure
// colours; text is drawn with the Liberation faces that stand in, metric
// for metric, for "Times New Roman" and "MS Sans Serif".

#include <string>
#include <string_view>

#include "chart/canvas.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace vorna {

enum class ChartFileFormat { Png, Svg };

class CairoCanvas : public Canvas {
 public:
  // A canvas of `width` by `height` pixels (each at least 1). Fonts get a
  // pixel size of point size * 96 / 72, as on a 96-dpi screen.
  CairoCanvas(ChartFileFormat format, int width, int height);
  ~CairoCanvas() override;
  CairoCanvas(const CairoCanvas&) = delete;
  CairoCanvas& operator=(const CairoCanvas&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear(Colour background) override;
  TextSize MeasureText(const Font& font, std::string_view text) override;
  void DrawTextOpaque(const Font& font, std::string_view text, int x, int y, Colour colour,
                      Colour background) override;
  void DrawFilledRectangle(int x1, int y1, int x2, int y2, Colour outline, Colour fill) override;
  void DrawLine(int x1, int y1, int x2, int y2, Colour colour) override;
  void Present() override;

  // The finished picture as the bytes of a PNG or SVG file; empty when
  // Cairo failed. Ends drawing: call once, after the chart is drawn.
  std::string FileBytes();

 private:
  void SelectFont(const Font& font);
  void FillPixels(double x, double y, double width, double height, Colour colour);

  ChartFileFormat format_;
  int width_;
  int height_;
  std::string svgBytes_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cairo_ = nullptr;
};

// The face that draws `face`: "Liberation Serif" for "Times New Roman",
// "Liberation Sans" for "MS Sans Serif", any other face as it is.
std::string_view StandInFace(std::string_view face);

}  // namespace vorna
