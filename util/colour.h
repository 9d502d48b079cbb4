#pragma once
// Hue/lightness/saturation to a 0x00BBGGRR colour value.

#include <cstdint>

namespace vorna {

// The colour of hue, lightness and saturation, each on a 0 to 240 scale:
// red + green * 256 + blue * 65536. Each channel is rounded to the nearest
// integer (halves to even) and clamped to 0..255, so any input, even one
// off the scale or not a number, gives a valid colour.
std::int32_t HlsToRgb(float hue, float lightness, float saturation);

// One channel of the conversion: hue h in degrees is brought into range by
// one turn at most (360 itself stays 360), then m1 rises to m2 over 0..60,
// stays m2 up to 180, falls back to m1 over 180..240 and is m1 beyond.
double HueToChannel(double m1, double m2, double h);

}  // namespace vorna
