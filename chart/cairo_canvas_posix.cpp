#include "chart/cairo_canvas_posix.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "util/utf8_text.h"

namespace vorna {
namespace {

// Keeps far-away positions within what Cairo's fixed-point coordinates hold.
constexpr double kFarthest = 1e6;
// Text up to this point size is drawn without smoothing.
constexpr int kLargestSharpPoints = 10;

double Held(int position) { return std::clamp(static_cast<double>(position), -kFarthest, kFarthest); }

void SetColour(cairo_t* cairo, Colour colour) {
  cairo_set_source_rgb(cairo, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string_view StandInFace(std::string_view face) {
  if (face == "Times New Roman") return "Liberation Serif";
  if (face == "MS Sans Serif") return "Liberation Sans";
  return face;
}

CairoCanvas::CairoCanvas(ChartFileFormat format, int width, int height)
    : format_(format), width_(std::max(width, 1)), height_(std::max(height, 1)) {
  surface_ = format_ == ChartFileFormat::Png
                 ? cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_)
                 : cairo_svg_surface_create_for_stream(AppendToString, &svgBytes_, width_, height_);
  // Pixels as the document's unit, so that a browser shows the size asked.
  if (format_ == ChartFileFormat::Svg) cairo_svg_surface_set_document_unit(surface_, CAIRO_SVG_UNIT_PX);
  cairo_ = cairo_create(surface_);
  cairo_set_antialias(cairo_, CAIRO_ANTIALIAS_NONE);
}

CairoCanvas::~CairoCanvas() {
  cairo_destroy(cairo_);
  cairo_surface_destroy(surface_);
}

void CairoCanvas::FillPixels(double x, double y, double width, double height, Colour colour) {
  SetColour(cairo_, colour);
  cairo_rectangle(cairo_, x, y, width, height);
  cairo_fill(cairo_);
}

void CairoCanvas::Clear(Colour background) { FillPixels(0, 0, width_, height_, background); }

void CairoCanvas::SelectFont(const Font& font) {
  const std::string face(StandInFace(font.face));
  cairo_select_font_face(cairo_, face.c_str(), CAIRO_FONT_SLANT_NORMAL,
                         font.weight >= kBoldWeight ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  // The point size as a character height on a 96-dpi screen, truncated.
  cairo_set_font_size(cairo_, std::max(font.pointSize * 96 / 72, 1));
  // As on the screen: small text in the pure colour, larger text smoothed.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, font.pointSize <= kLargestSharpPoints ? CAIRO_ANTIALIAS_NONE
                                                                                  : CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cairo_, options);
  cairo_font_options_destroy(options);
}

TextSize CairoCanvas::MeasureText(const Font& font, std::string_view text) {
  SelectFont(font);
  const std::string utf8 = TextAsUtf8(text);
  cairo_text_extents_t extents{};
  cairo_text_extents(cairo_, utf8.c_str(), &extents);
  cairo_font_extents_t fontExtents{};
  cairo_font_extents(cairo_, &fontExtents);
  return TextSize{static_cast<int>(std::ceil(extents.x_advance)),
                  static_cast<int>(std::ceil(fontExtents.ascent + fontExtents.descent))};
}

void CairoCanvas::DrawTextOpaque(const Font& font, std::string_view text, int x, int y,
                                 Colour colour, Colour background) {
  const TextSize size = MeasureText(font, text);
  FillPixels(Held(x), Held(y), size.width, size.height, background);
  cairo_font_extents_t fontExtents{};
  cairo_font_extents(cairo_, &fontExtents);
  SetColour(cairo_, colour);
  cairo_move_to(cairo_, Held(x), Held(y) + fontExtents.ascent);
  const std::string utf8 = TextAsUtf8(text);
  cairo_show_text(cairo_, utf8.c_str());
  cairo_new_path(cairo_);
}

void CairoCanvas::DrawFilledRectangle(int x1, int y1, int x2, int y2, Colour outline, Colour fill) {
  const double left = Held(std::min(x1, x2));
  const double right = Held(std::max(x1, x2));
  const double top = Held(std::min(y1, y2));
  const double bottom = Held(std::max(y1, y2));
  // The outline passes through both corner pixels.
  FillPixels(left, top, right - left + 1, bottom - top + 1, outline);
  if (right - left >= 2 && bottom - top >= 2) {
    FillPixels(left + 1, top + 1, right - left - 1, bottom - top - 1, fill);
  }
}

void CairoCanvas::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
  if (x1 == x2 || y1 == y2) {
    const double left = Held(std::min(x1, x2));
    const double top = Held(std::min(y1, y2));
    FillPixels(left, top, Held(std::max(x1, x2)) - left + 1, Held(std::max(y1, y2)) - top + 1, colour);
    return;
  }
  SetColour(cairo_, colour);
  cairo_set_line_width(cairo_, 1);
  cairo_move_to(cairo_, Held(x1) + 0.5, Held(y1) + 0.5);
  cairo_line_to(cairo_, Held(x2) + 0.5, Held(y2) + 0.5);
  cairo_stroke(cairo_);
  FillPixels(Held(x2), Held(y2), 1, 1, colour);  // through both end pixels
}

void CairoCanvas::Present() { cairo_surface_flush(surface_); }

std::string CairoCanvas::FileBytes() {
  cairo_surface_flush(surface_);
  if (format_ == ChartFileFormat::Png) {
    std::string png;
    if (cairo_surface_write_to_png_stream(surface_, AppendToString, &png) != CAIRO_STATUS_SUCCESS) return {};
    return png;
  }
  cairo_surface_finish(surface_);
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return {};
  return svgBytes_;
}

}  // namespace vorna
