#include "util/signal_processing.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <utility>

namespace vorna {
namespace {

// The value of pi the transform was defined with (not the exact one).
constexpr double kTransformPi = 3.14159268;
constexpr std::int16_t kMaxExponent = 14;

struct PaddedTransform {
  std::vector<double> real, imaginary;
  std::int16_t exponent = 0;  // N = 2^exponent
};

// The shared first part: the input padded to N = 2^m values and
// transformed forward. False for an input too long for m <= 14.
bool ForwardOfPadded(const std::vector<float>& input, bool padWithMean, PaddedTransform& bins) {
  std::size_t n = input.size();
  if (n > kMaxTransformValues) return false;
  std::int16_t m = 1;
  while ((std::size_t{1} << m) < n) ++m;
  std::size_t size = std::size_t{1} << m;

  double padding = 0;
  // m <= n for every n >= 1 (n = 1 and 2 give m = 1), so element m exists.
  if (padWithMean) padding = (static_cast<double>(input[n - 1]) + input[m - 1]) / 2;
  bins.real.assign(size, padding);
  std::copy(input.begin(), input.end(), bins.real.begin());
  bins.imaginary.assign(size, 0.0);
  bins.exponent = m;
  return FourierTransform(bins.real, bins.imaginary, m, -1);
}

bool SpectrumOf(const std::vector<float>& input, std::vector<float>& amplitude,
                std::vector<float>* phase) {
  PaddedTransform bins;
  if (input.empty() || !ForwardOfPadded(input, true, bins)) return false;
  std::size_t half = bins.real.size() / 2;
  amplitude.assign(half + 1, 0.0f);
  if (phase != nullptr) phase->assign(half + 1, 0.0f);
  for (std::size_t k = 1; k <= half; ++k) {
    double re = bins.real[k - 1], im = bins.imaginary[k - 1];
    amplitude[k] = static_cast<float>(std::sqrt(re * re + im * im));
    if (phase != nullptr && re != 0) (*phase)[k] = static_cast<float>(std::atan(im / re));
  }
  return true;
}

}  // namespace

bool FourierTransform(std::vector<double>& real, std::vector<double>& imaginary, std::int16_t m,
                      std::int16_t direction) {
  if (m < 0 || m > kMaxExponent || (direction != -1 && direction != 1)) return false;
  const std::size_t size = std::size_t{1} << m;
  if (real.size() < size || imaginary.size() < size) return false;
  // Element i of the series (from 1) is at index i - 1.
  auto swap = [&](std::size_t i, std::size_t j) {
    std::swap(real[i - 1], real[j - 1]);
    std::swap(imaginary[i - 1], imaginary[j - 1]);
  };

  std::size_t j = 1;
  for (std::size_t i = 1; i < size; ++i) {
    if (i < j) swap(i, j);
    std::size_t k = size / 2;
    while (k < j) {
      j -= k;
      k /= 2;
    }
    j += k;
  }

  for (std::int16_t stage = 1; stage <= m; ++stage) {
    const std::size_t le = std::size_t{1} << stage;
    const std::size_t le1 = le / 2;
    std::complex<double> u(1.0, 0.0);
    const double angle = kTransformPi / static_cast<double>(le1);
    const std::complex<double> w(std::cos(angle), direction * std::sin(angle));
    for (std::size_t first = 1; first <= le1; ++first) {
      for (std::size_t i = first; i <= size; i += le) {
        std::size_t ip = i + le1;
        std::complex<double> t =
            u * std::complex<double>(real[ip - 1], imaginary[ip - 1]);
        std::complex<double> top(real[i - 1], imaginary[i - 1]);
        std::complex<double> bottom = top - t;
        top += t;
        real[ip - 1] = bottom.real();
        imaginary[ip - 1] = bottom.imag();
        real[i - 1] = top.real();
        imaginary[i - 1] = top.imag();
      }
      u *= w;
    }
  }

  const double scale = 1.0 / std::sqrt(static_cast<double>(size));
  for (std::size_t i = 0; i < size; ++i) {
    real[i] *= scale;
    imaginary[i] *= scale;
  }
  return true;
}

bool LowPassFilter(const std::vector<float>& input, std::vector<float>& output,
                   std::int32_t cutOff) {
  PaddedTransform bins;
  if (!ForwardOfPadded(input, false, bins)) return false;
  const std::int64_t size = static_cast<std::int64_t>(bins.real.size());
  const std::int64_t first = std::max<std::int64_t>(std::int64_t{cutOff} + 1, 1);
  const std::int64_t last = std::min<std::int64_t>(size - cutOff, size);
  for (std::int64_t bin = first; bin <= last; ++bin) {
    bins.real[bin - 1] = 0;
    bins.imaginary[bin - 1] = 0;
  }
  FourierTransform(bins.real, bins.imaginary, bins.exponent, 1);
  if (output.size() < input.size()) output.resize(input.size());
  std::transform(bins.real.begin(), bins.real.begin() + input.size(), output.begin(),
                 [](double value) { return static_cast<float>(value); });
  return true;
}

bool AmplitudeSpectrum(const std::vector<float>& input, std::vector<float>& amplitude) {
  return SpectrumOf(input, amplitude, nullptr);
}

bool AmplitudePhaseSpectrum(const std::vector<float>& input, std::vector<float>& amplitude,
                            std::vector<float>& phase) {
  return SpectrumOf(input, amplitude, &phase);
}

std::int32_t LinearFit(const float* x, const float* y, std::int32_t n, float& slope,
                       float& intercept) {
  slope = 0;
  intercept = 0;
  if (n < 1 || x == nullptr || y == nullptr) return -1;
  // All x equal leaves no slope to find. Checked on the points themselves:
  // the single-precision sums below need not cancel to exactly 0 for them.
  if (std::all_of(x, x + n, [&](float value) { return value == x[0]; })) return -1;
  float sumX = 0, sumY = 0, sumXY = 0, sumXX = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    sumX += x[i];
    sumY += y[i];
    sumXY += x[i] * y[i];
    sumXX += x[i] * x[i];
  }
  const double count = n;
  const double divisor = count * sumXX - static_cast<double>(sumX) * sumX;
  if (divisor == 0) return -1;
  slope = static_cast<float>((count * sumXY - static_cast<double>(sumY) * sumX) / divisor);
  intercept = static_cast<float>((sumY - static_cast<double>(sumX) * slope) / count);
  return 1;
}

float RootMeanSquare(const float* values, std::int32_t count, float factor) {
  if (factor == 0 || count < 1 || values == nullptr) return 0;
  float sum = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    float value = factor == 1 ? values[i] : factor * values[i];
    sum += value * value;
  }
  return static_cast<float>(std::sqrt(static_cast<double>(sum) / count));
}

}  // namespace vorna
