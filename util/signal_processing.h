#pragma once
// Signal routines: a radix-2 complex Fourier transform, a low-pass filter
// and two spectra built on it, a straight-line fit and a root mean square.
// Arrays are 0-based here: element 1 of a series is at index 0.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorna {

// The transform routines take at most this many input values (2 to the 14).
constexpr std::size_t kMaxTransformValues = 16384;

// Transforms N = 2^m complex values in place, forward for direction -1 and
// inverse for +1, each way scaled by 1/sqrt(N). The twiddle factors use the
// constant 3.14159268 for pi, so results differ slightly from an exact
// transform. Only the first N values of each array are used. Returns false,
// leaving both arrays untouched, when m is outside 0..14, the direction is
// neither -1 nor +1, or an array holds fewer than N values.
bool FourierTransform(std::vector<double>& real, std::vector<double>& imaginary, std::int16_t m,
                      std::int16_t direction);

// The three routines below pad the n input values with zeros (the filter)
// or with (input n + input m) / 2 (the spectra; m is the exponent, values
// counted from 1) up to N = the smallest 2^m, m from 1 to 14, that holds
// them, and transform forward. Each returns false and touches no output when
// the input holds more than 16384 values, and the spectra also when it
// holds none.

// Clears bins cutOff + 1 to N - cutOff (counted from 1; clamped to the N
// bins), transforms back and puts the real parts into output[0..n-1],
// growing output to n values when it is shorter; values beyond n stay.
bool LowPassFilter(const std::vector<float>& input, std::vector<float>& output,
                   std::int32_t cutOff);

// amplitude becomes N/2 + 1 values: 0 first, then for k = 1 to N/2 the
// magnitude of bin k (counted from 1, so bin 1 is the constant part).
bool AmplitudeSpectrum(const std::vector<float>& input, std::vector<float>& amplitude);

// As AmplitudeSpectrum, and phase becomes N/2 + 1 values: 0 first, then
// atan(im / re) of bin k (from -pi/2 to pi/2), or 0 where re is 0.
bool AmplitudePhaseSpectrum(const std::vector<float>& input, std::vector<float>& amplitude,
                            std::vector<float>& phase);

// The least-squares line through n points (x[i], y[i]): returns 1 with
// slope and intercept, or -1 with both 0 when no line fits (n < 1, a null
// address, or all x equal). Sums are kept in single precision.
std::int32_t LinearFit(const float* x, const float* y, std::int32_t n, float& slope,
                       float& intercept);

// sqrt(sum of (factor * value)^2 / count) over the first `count` values, and
// exactly those: nothing past them is read. Factor 0, count < 1 or a null
// address give 0; factor 1 squares the values as they are. The running sum
// is kept in single precision.
float RootMeanSquare(const float* values, std::int32_t count, float factor);

}  // namespace vorna
