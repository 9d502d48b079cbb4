#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace vorna {
namespace {

// ---------------------------------------------------------------------------
// Number text

struct FloatTextCase {
  float value;
  const char* text;
};

class FloatNumberText : public ::testing::TestWithParam<FloatTextCase> {};

TEST_P(FloatNumberText, ShowsAtMostSevenSignificantDigits) {
  EXPECT_EQ(NumberText(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    BoxValues, FloatNumberText,
    ::testing::Values(
        // settings defaults and box examples
        FloatTextCase{820.0f, " 820"}, FloatTextCase{0.65f, " .65"}, FloatTextCase{0.0f, " 0"},
        FloatTextCase{-0.025f, "-.025"}, FloatTextCase{4.5f, " 4.5"}, FloatTextCase{203.35f, " 203.35"},
        FloatTextCase{0.0055f, " .0055"}, FloatTextCase{20.0f, " 20"}, FloatTextCase{-200.0f, "-200"},
        // the stored binary value is not shown beyond seven digits
        FloatTextCase{0.1f, " .1"}, FloatTextCase{1234.567f, " 1234.567"},
        FloatTextCase{0.1234567f, " .1234567"},
        // negative zero reads as plain zero
        FloatTextCase{-0.0f, " 0"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentForm, FloatNumberText,
    ::testing::Values(
        FloatTextCase{1.5e8f, " 1.5E+8"}, FloatTextCase{1e-10f, " 1E-10"}, FloatTextCase{-2.5e-9f, "-2.5E-9"},
        // seven integer digits still fit, eight do not
        FloatTextCase{9999999.0f, " 9999999"}, FloatTextCase{1e7f, " 1E+7"},
        FloatTextCase{12345678.0f, " 1.234568E+7"},
        // rounding up to the eighth digit moves into exponent form
        FloatTextCase{9999999.5f, " 1E+7"},
        // seven decimal places still fit, eight do not
        FloatTextCase{1e-7f, " .0000001"}, FloatTextCase{1e-8f, " 1E-8"},
        FloatTextCase{0.01234567f, " 1.234567E-2"},
        FloatTextCase{std::numeric_limits<float>::max(), " 3.402823E+38"},
        FloatTextCase{std::numeric_limits<float>::denorm_min(), " 1.401298E-45"}));

// These integers are exact floats with eight digits ending in 5: exact ties.
INSTANTIATE_TEST_SUITE_P(
    HalfwayGoesToEven, FloatNumberText,
    ::testing::Values(FloatTextCase{12345675.0f, " 1.234568E+7"}, FloatTextCase{12345665.0f, " 1.234566E+7"}));

struct DoubleTextCase {
  double value;
  const char* text;
};

class DoubleNumberText : public ::testing::TestWithParam<DoubleTextCase> {};

TEST_P(DoubleNumberText, ShowsAtMostFifteenSignificantDigits) {
  EXPECT_EQ(NumberText(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, DoubleNumberText,
    ::testing::Values(
        DoubleTextCase{20.0, " 20"}, DoubleTextCase{0.1, " .1"}, DoubleTextCase{0.1 + 0.2, " .3"},
        DoubleTextCase{1.0 / 3.0, " .333333333333333"}, DoubleTextCase{-2.0 / 3.0, "-.666666666666667"},
        DoubleTextCase{999999999999999.0, " 999999999999999"}, DoubleTextCase{1e15, " 1E+15"},
        DoubleTextCase{123456789012345678.0, " 1.23456789012346E+17"},
        DoubleTextCase{1e-15, " .000000000000001"}, DoubleTextCase{1e-16, " 1E-16"},
        // a float widened to double shows its binary value
        DoubleTextCase{static_cast<double>(0.1f), " .100000001490116"},
        DoubleTextCase{std::numeric_limits<double>::max(), " 1.79769313486232E+308"},
        DoubleTextCase{std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
        DoubleTextCase{-0.0, " 0"}));

TEST(NumberTextNoBlank, DropsOnlyTheBlankOfValuesOfZeroOrMore) {
  EXPECT_EQ(NumberTextNoBlank(820.0f), "820");
  EXPECT_EQ(NumberTextNoBlank(0.0f), "0");
  EXPECT_EQ(NumberTextNoBlank(-0.025f), "-.025");
  EXPECT_EQ(NumberTextNoBlank(1.5e8f), "1.5E+8");
  EXPECT_EQ(NumberTextNoBlank(0.1 + 0.2), ".3");
  EXPECT_EQ(NumberTextNoBlank(-1e-16), "-1E-16");
}

TEST(NumberText, NonFiniteValuesGiveStableTexts) {
  const float floatInfinity = std::numeric_limits<float>::infinity();
  const double doubleInfinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(NumberText(std::numeric_limits<float>::quiet_NaN()), " NaN");
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::quiet_NaN()), " NaN");
  EXPECT_EQ(NumberText(floatInfinity), " Inf");
  EXPECT_EQ(NumberText(-doubleInfinity), "-Inf");
  EXPECT_EQ(NumberTextNoBlank(std::numeric_limits<double>::quiet_NaN()), "NaN");
  EXPECT_EQ(NumberTextNoBlank(floatInfinity), "Inf");
}

// Fifteen digits always survive text -> double -> text, so the writer and the
// reader must agree on every such text.
TEST(NumberText, FifteenDigitTextsSurviveReadingBack) {
  std::uint64_t state = 12345;
  for (int round = 0; round < 20000; ++round) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    const std::uint64_t digits = 100000000000000u + (state >> 14) % 900000000000000u;
    const int exponent = static_cast<int>((state >> 4) % 601) - 300;
    const std::string text = " " + std::to_string(digits).insert(1, ".") + "E" +
                             (exponent < 0 ? "-" : "+") + std::to_string(std::abs(exponent));
    const double value = TextNumber(text);
    EXPECT_EQ(TextNumber(NumberText(value)), value) << text << " -> " << NumberText(value);
  }
}

// ---------------------------------------------------------------------------
// Text number

struct TextNumberCase {
  const char* text;
  double value;
};

class TextNumberTable : public ::testing::TestWithParam<TextNumberCase> {};

TEST_P(TextNumberTable, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(TextNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, TextNumberTable,
    ::testing::Values(
        TextNumberCase{"820", 820}, TextNumberCase{".65", 0.65}, TextNumberCase{"0", 0},
        TextNumberCase{"-.025", -0.025}, TextNumberCase{"1.5E+8", 1.5e8}, TextNumberCase{"203.35", 203.35},
        TextNumberCase{".0055", 0.0055}, TextNumberCase{"+3", 3}, TextNumberCase{"007.50", 7.5},
        TextNumberCase{"1D3", 1000}, TextNumberCase{"2.5d-1", 0.25}, TextNumberCase{"4e2", 400},
        TextNumberCase{"1E+0008", 1e8}, TextNumberCase{" 203.35", 203.35}));

INSTANTIATE_TEST_SUITE_P(
    StopsAtFirstCharacterThatDoesNotFit, TextNumberTable,
    ::testing::Values(
        TextNumberCase{"12.5uV", 12.5}, TextNumberCase{"905,2", 905}, TextNumberCase{"1.2.3", 1.2},
        TextNumberCase{"12E", 12}, TextNumberCase{"12E+", 12}, TextNumberCase{"12e-x", 12},
        TextNumberCase{"1e5.5", 1e5}, TextNumberCase{"3 4", 3}, TextNumberCase{"5-2", 5}));

INSTANTIATE_TEST_SUITE_P(
    NoNumberGivesZero, TextNumberTable,
    ::testing::Values(TextNumberCase{"", 0}, TextNumberCase{"---", 0}, TextNumberCase{"abc", 0},
                      TextNumberCase{".", 0}, TextNumberCase{"-", 0}, TextNumberCase{".E5", 0},
                      TextNumberCase{"E5", 0}, TextNumberCase{"- 3", 0}, TextNumberCase{"+-3", 0}));

// Only blank, tab and line feed are skipped; a carriage return is not.
INSTANTIATE_TEST_SUITE_P(
    LeadingSpace, TextNumberTable,
    ::testing::Values(TextNumberCase{"  \t\n 7", 7}, TextNumberCase{"\n-2", -2}, TextNumberCase{"\r5", 0},
                      TextNumberCase{"\v5", 0}, TextNumberCase{"\f5", 0}));

INSTANTIATE_TEST_SUITE_P(
    RadixLiterals, TextNumberTable,
    ::testing::Values(
        TextNumberCase{"&H1F", 31}, TextNumberCase{"&h1f", 31}, TextNumberCase{"&HfF", 255},
        TextNumberCase{"&O17", 15}, TextNumberCase{"&o17", 15}, TextNumberCase{"&Q17", 15},
        TextNumberCase{"&q17", 15}, TextNumberCase{"&17", 15}, TextNumberCase{"&B101", 5},
        TextNumberCase{"&b101", 5}, TextNumberCase{" \t&H10", 16}, TextNumberCase{"&HFFFFFFFF", 4294967295.0},
        // digits stop at the first one that does not fit the radix
        TextNumberCase{"&H1G", 1}, TextNumberCase{"&18", 1}, TextNumberCase{"&B102", 2}, TextNumberCase{"&O7A", 7},
        // no digits
        TextNumberCase{"&", 0}, TextNumberCase{"&H", 0}, TextNumberCase{"&B2", 0}, TextNumberCase{"&Z1", 0},
        TextNumberCase{"-&H1F", 0}));

// Beyond 53 bits the literal is rounded like any value: halves to even.
INSTANTIATE_TEST_SUITE_P(
    LargeRadixLiterals, TextNumberTable,
    ::testing::Values(TextNumberCase{"&H20000000000001", 9007199254740992.0},
                      TextNumberCase{"&H20000000000003", 9007199254740996.0},
                      TextNumberCase{"&H20000000000002", 9007199254740994.0},
                      TextNumberCase{"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
                      TextNumberCase{"&B10000000000000000000000000000000000000000000000000000101",
                                     36028797018963976.0}));

// Cases where a reader that is not correctly rounded, or that drops digits,
// gives a neighbouring double.
INSTANTIATE_TEST_SUITE_P(
    CorrectRounding, TextNumberTable,
    ::testing::Values(
        // 2^53 + 1 lies halfway between two doubles
        TextNumberCase{"9007199254740993", 9007199254740992.0},
        TextNumberCase{"9007199254740993.0000000000000000000001", 9007199254740994.0},
        TextNumberCase{"9007199254740995", 9007199254740996.0},
        // 1 + 2^-53 written out exactly is a halfway case of 54 digits
        TextNumberCase{"1.00000000000000011102230246251565404236316680908203125", 1.0},
        TextNumberCase{"1.000000000000000111022302462515654042363166809082031251", 1.0000000000000002},
        TextNumberCase{"1.00000000000000011102230246251565404236316680908203124", 1.0},
        TextNumberCase{"0.1", 0.1}, TextNumberCase{"2.2250738585072014e-308", 2.2250738585072014e-308},
        TextNumberCase{"1.7976931348623157e308", std::numeric_limits<double>::max()},
        // subnormals are rounded once, at their own precision
        TextNumberCase{"1e-320", 2024 * std::numeric_limits<double>::denorm_min()},
        TextNumberCase{"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        TextNumberCase{"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},
        TextNumberCase{"2.4703282292062327e-324", 0.0}));

// Around the limits of the fast conversion: 15 significant digits and powers
// of ten up to 10^22, once leading and trailing zeros are set aside. Past
// them, one multiplication or division is an ulp off for these texts.
INSTANTIATE_TEST_SUITE_P(
    FastConversionLimits, TextNumberTable,
    ::testing::Values(
        TextNumberCase{"999999999999999e22", 999999999999999e22},
        TextNumberCase{"123456789012345e-22", 123456789012345e-22},
        TextNumberCase{"000000123456789012345.000000", 123456789012345.0},
        TextNumberCase{"811929328484260e23", 811929328484260e23},
        TextNumberCase{"81192932848426000000000000000000000000", 811929328484260e23},
        TextNumberCase{"164756374261821e-23", 164756374261821e-23},
        TextNumberCase{"9771166275695953e-3", 9771166275695953e-3}));

// Bit for bit, so that the sign of zero counts as well.
bool SameDouble(double left, double right) {
  std::uint64_t leftBits = 0;
  std::uint64_t rightBits = 0;
  std::memcpy(&leftBits, &left, sizeof left);
  std::memcpy(&rightBits, &right, sizeof right);
  return leftBits == rightBits;
}

// Random and adversarial texts against the C library's correctly rounded
// strtod, given the same number in C's grammar: short and long digit runs
// (many zeros, digits around the double's halfway points), a point anywhere
// or none, every exponent letter, exponents past overflow and underflow,
// and text after the number.
TEST(TextNumber, MatchesTheCorrectlyRoundedReadingOfMillionsOfTexts) {
  std::uint64_t state = 20240611;
  const auto next = [&state](std::uint64_t range) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return (state >> 33) % range;
  };
  const char* const halfways[] = {"9007199254740993", "4503599627370497", "22250738585072011",
                                  "17976931348623158", "24703282292062327", "1000000000000000055511151231257827"};
  std::string text;
  std::string c;
  for (int round = 0; round < 2000000; ++round) {
    text.clear();
    c.clear();
    if (next(4) == 0) {
      const char sign = next(2) == 0 ? '-' : '+';
      text += sign;
      c += sign;
    }
    const int kind = static_cast<int>(next(8));
    std::string digits;
    if (kind == 0) {
      digits = halfways[next(6)];
      if (next(2) == 0) digits += std::string(next(40), '0');
      if (next(2) == 0) digits += static_cast<char>('0' + next(10));
    } else {
      const std::uint64_t count = kind == 1 ? 1 + next(800) : 1 + next(20);
      for (std::uint64_t digit = 0; digit < count; ++digit) {
        digits += static_cast<char>('0' + (next(3) == 0 ? 0 : next(10)));
      }
    }
    const int pointPlace = static_cast<int>(next(digits.size() + 2)) - 1;  // -1: none
    for (int digit = 0; digit < static_cast<int>(digits.size()); ++digit) {
      if (digit == pointPlace) text += '.';
      text += digits[static_cast<std::size_t>(digit)];
    }
    if (pointPlace == static_cast<int>(digits.size())) text += '.';
    c += text.substr(c.size());
    if (next(3) != 0) {
      const int exponent = static_cast<int>(next(2 * 360 + 1)) - 360;
      const std::string written = (exponent < 0 ? "-" : (next(2) == 0 ? "+" : "")) + std::to_string(std::abs(exponent));
      text += "EeDd"[next(4)];
      text += written;
      c += 'e';
      c += written;
    }
    switch (next(6)) {
      case 0: text += "uV"; break;
      case 1: text += "e"; break;
      case 2: text += "D+x"; break;
      case 3: text += " 5"; break;
      default: break;
    }
    const double expected = std::strtod(c.c_str(), nullptr);
    ASSERT_TRUE(SameDouble(TextNumber(text), expected))
        << '"' << text << "\" " << TextNumber(text) << " against " << expected;
  }
}

TEST(TextNumber, ReadsThousandsOfDigits) {
  const std::string zeros(5000, '0');
  EXPECT_EQ(TextNumber("1" + zeros + "e-5000"), 1.0);
  EXPECT_EQ(TextNumber("0." + zeros + "15e5001"), 1.5);
  EXPECT_EQ(TextNumber(zeros + "42"), 42.0);
  // a digit far past the first few hundred still decides a halfway case
  EXPECT_EQ(TextNumber("9007199254740993." + zeros), 9007199254740992.0);
  EXPECT_EQ(TextNumber("9007199254740993." + zeros + "1"), 9007199254740994.0);
  EXPECT_EQ(TextNumber("9007199254740993" + zeros + "1e-5001"), 9007199254740994.0);
  const std::string nines(3000, '9');
  EXPECT_EQ(TextNumber("0." + nines), 1.0);
  EXPECT_EQ(TextNumber("&H" + zeros + "1F"), 31.0);
}

TEST(TextNumber, OverflowGivesInfinityAndUnderflowGivesZero) {
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(TextNumber("1e999"), infinity);
  EXPECT_EQ(TextNumber("-1e999"), -infinity);
  EXPECT_EQ(TextNumber("1.7976931348623159e308"), infinity);
  EXPECT_EQ(TextNumber("1" + std::string(400, '0')), infinity);
  EXPECT_EQ(TextNumber("1e99999999999999999999999"), infinity);
  EXPECT_EQ(TextNumber("&H1" + std::string(300, '0')), infinity);

  EXPECT_EQ(TextNumber("1e-999"), 0.0);
  EXPECT_FALSE(std::signbit(TextNumber("1e-999")));
  EXPECT_TRUE(std::signbit(TextNumber("-1e-999")));
  EXPECT_EQ(TextNumber("1e-99999999999999999999999"), 0.0);
  EXPECT_EQ(TextNumber("0e99999"), 0.0);
  EXPECT_EQ(TextNumber("0." + std::string(400, '0') + "1"), 0.0);
}

// ---------------------------------------------------------------------------
// Masked numbers

struct MaskedCase {
  long double value;
  int decimals;
  const char* text;
};

class MaskedNumber : public ::testing::TestWithParam<MaskedCase> {};

TEST_P(MaskedNumber, RoundsToTheMaskDecimals) {
  EXPECT_EQ(FormatMasked(GetParam().value, GetParam().decimals), GetParam().text)
      << static_cast<double>(GetParam().value) << " with " << GetParam().decimals << " decimals";
}

// Values formed the way the chart forms them, in extended precision.
INSTANTIATE_TEST_SUITE_P(
    ChartLabels, MaskedNumber,
    ::testing::Values(
        MaskedCase{100.0L * 49 / 400, 1, "12.2"}, MaskedCase{100.0L * 247 / 2000, 1, "12.4"},
        MaskedCase{100.0L * 1 / 2000, 1, "0.0"}, MaskedCase{100.0L * 25 / 200, 1, "12.5"},
        MaskedCase{100.0L * 190 / 200, 1, "95.0"}, MaskedCase{100 - 100.0L * 180 / 200, 1, "10.0"},
        MaskedCase{100.0L * 200 / 200, 1, "100.0"}, MaskedCase{2.5L, 0, "2"},
        MaskedCase{800.0L + 10.0L * 1, 0, "810"},
        MaskedCase{static_cast<long double>(0.03f) * 1, 3, "0.030"},
        MaskedCase{static_cast<long double>(0.03f) * 19, 3, "0.570"},
        MaskedCase{static_cast<long double>(0.0055f) * 3, 4, "0.0165"},
        MaskedCase{static_cast<long double>(0.25f) * 3, 2, "0.75"}));

// The binary values of 0.05 and 12.35 lie just above the half and that of
// 99.95 just below it; at 18 digits all three are exact halves.
INSTANTIATE_TEST_SUITE_P(
    HalfwayGoesToEven, MaskedNumber,
    ::testing::Values(
        MaskedCase{0.5L, 0, "0"}, MaskedCase{1.5L, 0, "2"}, MaskedCase{3.5L, 0, "4"}, MaskedCase{-2.5L, 0, "-2"},
        MaskedCase{0.125L, 2, "0.12"}, MaskedCase{0.375L, 2, "0.38"}, MaskedCase{0.05L, 1, "0.0"},
        MaskedCase{0.15L, 1, "0.2"}, MaskedCase{99.95L, 1, "100.0"}, MaskedCase{0.00005L, 4, "0.0000"},
        MaskedCase{0.00015L, 4, "0.0002"}));

// The eighteenth significant digit decides; a nineteenth is rounded away first.
INSTANTIATE_TEST_SUITE_P(
    EighteenDigitBoundary, MaskedNumber,
    ::testing::Values(
        MaskedCase{2.50000000000000001L, 0, "3"}, MaskedCase{2.500000000000000001L, 0, "2"},
        MaskedCase{0.149999999999999999L, 1, "0.1"}, MaskedCase{0.1499999999999999999L, 1, "0.2"},
        MaskedCase{0.500000000000000001L, 0, "1"}, MaskedCase{0.5000000000000000001L, 0, "0"}));

INSTANTIATE_TEST_SUITE_P(
    SignAndCarry, MaskedNumber,
    ::testing::Values(
        MaskedCase{0.0L, 0, "0"}, MaskedCase{0.0L, 4, "0.0000"}, MaskedCase{-0.0L, 1, "0.0"},
        MaskedCase{-1.25L, 1, "-1.2"}, MaskedCase{-0.06L, 1, "-0.1"},
        // a negative value that rounds to zero shows no minus sign
        MaskedCase{-0.04L, 1, "0.0"}, MaskedCase{-0.4L, 0, "0"},
        MaskedCase{9.96L, 1, "10.0"}, MaskedCase{0.99996L, 4, "1.0000"}, MaskedCase{999.6L, 0, "1000"},
        MaskedCase{0.6L, 0, "1"}, MaskedCase{0.57L, 3, "0.570"}, MaskedCase{1234.5678L, 2, "1234.57"}));

// Past 18 digits the value shows its 18 significant digits and zeros.
INSTANTIATE_TEST_SUITE_P(
    LargeValues, MaskedNumber,
    ::testing::Values(
        MaskedCase{123456789012345678.0L, 0, "123456789012345678"},
        MaskedCase{1234567890123456789.0L, 0, "1234567890123456790"},
        MaskedCase{1000000000000000005.0L, 1, "1000000000000000000.0"},
        MaskedCase{1000000000000000015.0L, 0, "1000000000000000020"},
        MaskedCase{-1e20L, 0, "-100000000000000000000"}));

TEST(FormatMasked, ExtremeMagnitudesAreQuickAndExact) {
  EXPECT_EQ(FormatMasked(1e4000L, 2), "1" + std::string(4000, '0') + ".00");
  EXPECT_EQ(FormatMasked(-1e4000L, 0), "-1" + std::string(4000, '0'));
  const std::string largest = FormatMasked(std::numeric_limits<long double>::max(), 0);
  EXPECT_EQ(largest.size(), 4933u);
  EXPECT_EQ(largest.substr(0, 18), "118973149535723177");
  EXPECT_EQ(largest.find_first_not_of('0', 18), std::string::npos);
  EXPECT_EQ(FormatMasked(1e-4000L, 2), "0.00");
  EXPECT_EQ(FormatMasked(-std::numeric_limits<long double>::denorm_min(), 4), "0.0000");
}

TEST(FormatMasked, NonFiniteValuesGiveStableTexts) {
  EXPECT_EQ(FormatMasked(std::numeric_limits<long double>::quiet_NaN(), 1), "NaN");
  EXPECT_EQ(FormatMasked(std::numeric_limits<long double>::infinity(), 2), "Inf");
  EXPECT_EQ(FormatMasked(-std::numeric_limits<long double>::infinity(), 0), "-Inf");
}

TEST(FormatMasked, DecimalsOutsideTheMasksAreClamped) {
  EXPECT_EQ(FormatMasked(2.5L, -1), "2");
  EXPECT_EQ(FormatMasked(0.123456L, 9), "0.1235");
}

}  // namespace
}  // namespace vorna
