#include "chart/chart_area.h"

#include <algorithm>
#include <cmath>

#include "util/program_identity.h"

namespace vorna {
namespace {

constexpr double kPixelLimit = 1e9;

int NearestPixel(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(value, -kPixelLimit, kPixelLimit)));
}

}  // namespace

Font StatisticsFont() { return Font{kWindowFontFace, 8, kRegularWeight}; }

ChartArea::ChartArea(Colour drawingColour, Colour background)
    : font_(StatisticsFont()), colour_(drawingColour), background_(background) {}

void ChartArea::SetCoordinates(double left, double right, double top, double bottom, int widthPx,
                               int heightPx) {
  left_ = left;
  right_ = right;
  top_ = top;
  bottom_ = bottom;
  width_ = std::max(widthPx, 1);
  height_ = std::max(heightPx, 1);
}

int ChartArea::PixelX(double x) const {
  return NearestPixel((x - left_) * width_ / (right_ - left_));
}

int ChartArea::PixelY(double y) const {
  return height_ - NearestPixel((y - bottom_) * height_ / (top_ - bottom_));
}

double ChartArea::UserWidth(int widthPx) const {
  return widthPx * (right_ - left_) / width_;
}

double ChartArea::UserHeight(int heightPx) const {
  return heightPx * (top_ - bottom_) / height_;
}

}  // namespace vorna
