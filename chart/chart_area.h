#pragma once
// The chart area's drawing state and its user-to-pixel mapping. The state
// (current font, drawing colour, background) lives as long as the area and
// carries over from one chart to the next; the mapping is set by each chart.

#include <cstdint>
#include <string>

namespace vorna {

// A colour by its red, green and blue components (0..255 each).
struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Colour& a, const Colour& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
  friend bool operator!=(const Colour& a, const Colour& b) { return !(a == b); }
};

constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;

// A font by face name, point size and weight (400 regular, 700 bold). The
// canvas turns the point size into a height for its device.
struct Font {
  std::string face;
  int pointSize = 0;
  int weight = kRegularWeight;

  friend bool operator==(const Font& a, const Font& b) {
    return a.face == b.face && a.pointSize == b.pointSize && a.weight == b.weight;
  }
  friend bool operator!=(const Font& a, const Font& b) { return !(a == b); }
  friend bool operator<(const Font& a, const Font& b) {
    if (a.face != b.face) return a.face < b.face;
    if (a.pointSize != b.pointSize) return a.pointSize < b.pointSize;
    return a.weight < b.weight;
  }
};

// The font a new chart area starts with and every chart ends with.
Font StatisticsFont();  // "MS Sans Serif" 8 regular

class ChartArea {
 public:
  // A new area: font "MS Sans Serif" 8 regular, the given drawing colour
  // (the system window-text colour in the program) and background (the
  // button-face colour).
  ChartArea(Colour drawingColour, Colour background);

  const Font& font() const { return font_; }
  void SelectFont(const Font& font) { font_ = font; }
  Colour colour() const { return colour_; }
  void SetColour(Colour colour) { colour_ = colour; }
  Colour background() const { return background_; }

  // Sets the user coordinates of the client rectangle: x runs linearly from
  // `left` at the left edge to `right` at the right edge, y from `top` at
  // the top edge down to `bottom` at the bottom edge (y grows upwards).
  // A size below one pixel counts as one pixel.
  void SetCoordinates(double left, double right, double top, double bottom, int widthPx,
                      int heightPx);

  // A user point in pixels: the nearest integer (halves to even) of
  // (x - left) * width / (right - left), and height minus the nearest
  // integer of (y - bottom) * height / (top - bottom). Positions that are
  // not finite or lie far outside the area are held to +-1e9 pixels.
  int PixelX(double x) const;
  int PixelY(double y) const;

  // A measured size in pixels as a width or height in user units.
  double UserWidth(int widthPx) const;
  double UserHeight(int heightPx) const;

 private:
  Font font_;
  Colour colour_;
  Colour background_;
  double left_ = 0;
  double right_ = 1;
  double top_ = 1;
  double bottom_ = 0;
  int width_ = 1;
  int height_ = 1;
};

}  // namespace vorna
