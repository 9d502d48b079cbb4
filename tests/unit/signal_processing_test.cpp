#include "util/signal_processing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorna {
namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(FourierTransform, SpreadsAnImpulseEvenlyOverEveryBin) {
  std::vector<double> real(8, 0.0), imaginary(8, 0.0);
  real[0] = 1;
  ASSERT_TRUE(FourierTransform(real, imaginary, 3, -1));
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_DOUBLE_EQ(real[i], 1 / std::sqrt(8.0)) << i;
    EXPECT_EQ(imaginary[i], 0) << i;
  }
}

TEST(FourierTransform, InverseUndoesForward) {
  std::vector<double> real(16), imaginary(16);
  for (std::size_t i = 0; i < 16; ++i) {
    real[i] = std::sin(0.7 * i) * 3 + 0.25 * i;
    imaginary[i] = (i % 3 == 0) ? -1.5 : 0.5 * i;
  }
  const std::vector<double> originalReal = real, originalImaginary = imaginary;
  ASSERT_TRUE(FourierTransform(real, imaginary, 4, -1));
  EXPECT_GT(std::fabs(real[1] - originalReal[1]), 0.1);  // it did transform
  ASSERT_TRUE(FourierTransform(real, imaginary, 4, +1));
  for (std::size_t i = 0; i < 16; ++i) {
    // Not exact: the twiddle factors are built on 3.14159268.
    EXPECT_NEAR(real[i], originalReal[i], 1e-6) << i;
    EXPECT_NEAR(imaginary[i], originalImaginary[i], 1e-6) << i;
  }
}

TEST(FourierTransform, RefusesWhatItCannotTransformAndLeavesTheArrays) {
  std::vector<double> real(8, 2.0), imaginary(8, 3.0);
  EXPECT_FALSE(FourierTransform(real, imaginary, 4, -1));   // arrays shorter than 16
  EXPECT_FALSE(FourierTransform(real, imaginary, 3, 0));    // no direction
  EXPECT_FALSE(FourierTransform(real, imaginary, -1, -1));
  std::vector<double> big(32768, 1.0), bigImaginary(32768, 0.0);
  EXPECT_FALSE(FourierTransform(big, bigImaginary, 15, -1));  // 2^15 needs more than 16 bits
  EXPECT_EQ(real, std::vector<double>(8, 2.0));
  EXPECT_EQ(imaginary, std::vector<double>(8, 3.0));
  EXPECT_EQ(big, std::vector<double>(32768, 1.0));
}

TEST(LowPassFilter, KeepsAConstantSignalAndRemovesHigherFrequencies) {
  std::vector<float> constant(16, 2.5f), output;
  ASSERT_TRUE(LowPassFilter(constant, output, 1));
  ASSERT_EQ(output.size(), 16u);
  for (float value : output) EXPECT_NEAR(value, 2.5f, 1e-6);

  std::vector<float> withRipple(16);
  for (std::size_t i = 0; i < 16; ++i) {
    withRipple[i] = static_cast<float>(2.5 + std::cos(2 * kPi * 3 * i / 16));
  }
  ASSERT_TRUE(LowPassFilter(withRipple, output, 2));
  for (float value : output) EXPECT_NEAR(value, 2.5f, 1e-5);
}

TEST(LowPassFilter, FillsTheFirstNOutputValuesOnly) {
  std::vector<float> input = {1, -2, 3, 0.5f, 7, 1, 1, 2, -4, 6};  // padded with zeros to 16
  std::vector<float> output(12, 99.0f);
  ASSERT_TRUE(LowPassFilter(input, output, 8));  // bins 9 to 8: none cleared
  ASSERT_EQ(output.size(), 12u);
  for (std::size_t i = 0; i < input.size(); ++i) EXPECT_NEAR(output[i], input[i], 1e-5) << i;
  EXPECT_EQ(output[10], 99.0f);
  EXPECT_EQ(output[11], 99.0f);

  std::vector<float> shortOutput(3, 0.0f);
  ASSERT_TRUE(LowPassFilter(input, shortOutput, 8));
  EXPECT_EQ(shortOutput.size(), input.size());
}

TEST(TransformRoutines, RefuseInputsLongerThan16384ValuesWithoutTouchingTheOutput) {
  std::vector<float> tooLong(kMaxTransformValues + 1, 1.0f);
  std::vector<float> output(4, 7.0f), phase(4, 7.0f);
  EXPECT_FALSE(LowPassFilter(tooLong, output, 3));
  EXPECT_FALSE(AmplitudeSpectrum(tooLong, output));
  EXPECT_FALSE(AmplitudePhaseSpectrum(tooLong, output, phase));
  EXPECT_FALSE(AmplitudeSpectrum({}, output));
  EXPECT_FALSE(AmplitudePhaseSpectrum({}, output, phase));
  EXPECT_EQ(output, std::vector<float>(4, 7.0f));
  EXPECT_EQ(phase, std::vector<float>(4, 7.0f));

  std::vector<float> longest(kMaxTransformValues, 1.0f), filtered;
  EXPECT_TRUE(LowPassFilter(longest, filtered, 1));
  EXPECT_NEAR(filtered.back(), 1.0f, 1e-4);
}

TEST(AmplitudeSpectrum, PadsWithTheMeanOfInputNAndInputM) {
  // Five values: m = 3, N = 8, padded with (input 5 + input 3) / 2 = 4.
  std::vector<float> amplitude;
  ASSERT_TRUE(AmplitudeSpectrum({1, 2, 3, 4, 5}, amplitude));
  ASSERT_EQ(amplitude.size(), 5u);
  EXPECT_EQ(amplitude[0], 0);
  EXPECT_NEAR(amplitude[1], (1 + 2 + 3 + 4 + 5 + 4 + 4 + 4) / std::sqrt(8.0), 1e-5);
}

TEST(AmplitudePhaseSpectrum, GivesMagnitudesAndPhasesFoldedIntoAHalfTurn) {
  // An impulse one step late: bin k turns by -2 pi (k - 1) / 8.
  std::vector<float> amplitude, phase;
  ASSERT_TRUE(AmplitudePhaseSpectrum({0, 1, 0, 0, 0, 0, 0, 0}, amplitude, phase));
  ASSERT_EQ(amplitude.size(), 5u);
  ASSERT_EQ(phase.size(), 5u);
  EXPECT_EQ(amplitude[0], 0);
  EXPECT_EQ(phase[0], 0);
  for (std::size_t k = 1; k <= 4; ++k) EXPECT_NEAR(amplitude[k], 1 / std::sqrt(8.0), 1e-6) << k;
  EXPECT_NEAR(phase[1], 0, 1e-6);
  EXPECT_NEAR(phase[2], -kPi / 4, 1e-6);
  EXPECT_NEAR(std::fabs(phase[3]), kPi / 2, 1e-6);
  EXPECT_NEAR(phase[4], kPi / 4, 1e-6);  // -3 pi / 4 seen through the arctangent
}

TEST(LinearFit, FindsExactLines) {
  const struct {
    std::vector<float> x, y;
    float slope, intercept;
  } cases[] = {
      {{0, 1, 2, 3}, {1, 3, 5, 7}, 2, 1},
      {{-2, 0, 2, 6}, {5, 4, 3, 1}, -0.5f, 4},
      {{10, 20}, {7, 7}, 0, 7},
  };
  for (const auto& c : cases) {
    float slope = 99, intercept = 99;
    EXPECT_EQ(LinearFit(c.x.data(), c.y.data(), static_cast<std::int32_t>(c.x.size()), slope,
                        intercept),
              1);
    EXPECT_FLOAT_EQ(slope, c.slope);
    EXPECT_FLOAT_EQ(intercept, c.intercept);
  }
}

TEST(LinearFit, RefusesDegeneratePointsWithZeroSlopeAndIntercept) {
  const std::vector<float> equalX(10, 0.1f);  // sums in single precision do not cancel here
  const std::vector<float> threes = {3, 3, 3};
  const std::vector<float> y = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const struct {
    const char* what;
    const float* x;
    const float* y;
    std::int32_t n;
  } cases[] = {
      {"no points", y.data(), y.data(), 0},
      {"negative count", y.data(), y.data(), -3},
      {"all x equal", threes.data(), y.data(), 3},
      {"all x equal to 0.1", equalX.data(), y.data(), 10},
      {"one point", y.data(), y.data(), 1},
      {"no x", nullptr, y.data(), 3},
  };
  for (const auto& c : cases) {
    float slope = 99, intercept = 99;
    EXPECT_EQ(LinearFit(c.x, c.y, c.n, slope, intercept), -1) << c.what;
    EXPECT_EQ(slope, 0) << c.what;
    EXPECT_EQ(intercept, 0) << c.what;
  }
}

TEST(RootMeanSquare, ScalesByTheFactorAndReadsOnlyTheValuesCounted) {
  const float values[] = {3, 4, 1e6f};  // the third lies past the two counted
  EXPECT_FLOAT_EQ(RootMeanSquare(values, 2, 1), std::sqrt(12.5f));
  EXPECT_FLOAT_EQ(RootMeanSquare(values, 2, 2), std::sqrt(50.0f));
  EXPECT_FLOAT_EQ(RootMeanSquare(values, 2, -0.5f), std::sqrt(3.125f));
  EXPECT_EQ(RootMeanSquare(values, 2, 0), 0);
  EXPECT_EQ(RootMeanSquare(values, 0, 1), 0);
  EXPECT_EQ(RootMeanSquare(nullptr, 2, 1), 0);
}

}  // namespace
}  // namespace vorna
