#include "util/colour.h"

#include <algorithm>

#include "numbers/rounding.h"

namespace vorna {
namespace {

std::int32_t ChannelByte(double channel) {
  return std::clamp<std::int32_t>(NearestInt32(channel * 255.0), 0, 255);
}

}  // namespace

double HueToChannel(double m1, double m2, double h) {
  if (h > 360.0) {
    h -= 360.0;
  } else if (h < 0.0) {
    h += 360.0;
  }
  if (h < 60.0) return m1 + (m2 - m1) * h / 60.0;
  if (h < 180.0) return m2;
  if (h < 240.0) return m1 + (m2 - m1) * (240.0 - h) / 60.0;
  return m1;
}

std::int32_t HlsToRgb(float hue, float lightness, float saturation) {
  double h = static_cast<double>(hue) * 360.0 / 240.0;
  double l = static_cast<double>(lightness) / 240.0;
  double s = static_cast<double>(saturation) / 240.0;
  double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
  double m1 = 2.0 * l - m2;
  double red = l, green = l, blue = l;
  if (s != 0.0) {
    red = HueToChannel(m1, m2, h + 120.0);
    green = HueToChannel(m1, m2, h);
    blue = HueToChannel(m1, m2, h - 120.0);
  }
  return ChannelByte(red) + ChannelByte(green) * 256 + ChannelByte(blue) * 65536;
}

}  // namespace vorna
