#pragma once
// The system's three number rules: number text (boxes, report box numbers),
// text number (boxes, report fields) and masked numbers (chart labels).
// Every part of the program formats and reads numbers through these.

#include <string>
#include <string_view>

namespace vorna {

// Number text of a single-precision value: at most 7 significant digits,
// a leading blank for values of zero or more, a minus sign otherwise, no
// zero before the point, no trailing zeros, no point for whole numbers,
// exponent form ("1.5E+8", "1E-10") beyond the digit count.
// 820 -> " 820", 0.65 -> " .65", 0 -> " 0", -0.025 -> "-.025".
// Non-finite values give a stable text and never crash.
std::string NumberText(float value);

// The same rule for a double-precision value, with at most 15 digits.
std::string NumberText(double value);

// The variants without the leading blank for values of zero or more.
std::string NumberTextNoBlank(float value);
std::string NumberTextNoBlank(double value);

// Text number: skips leading blanks, tabs and line feeds, then takes the
// longest leading number (sign, digits with one point, exponent E/e/D/d)
// or a radix literal (&H hex, &O/&Q/& octal, &B binary). Stops at the first
// character that does not fit; text without a number gives 0. The result is
// the correctly rounded double; callers round it to float when they store.
double TextNumber(std::string_view text);

// Masked number for the chart's masks "0", "0.0" ... "0.0000": the value
// rounded to `decimals` places (0..4), at least one digit before the point;
// a value exactly halfway, judged on its decimal form rounded to 18
// significant digits, goes to the even digit.
std::string FormatMasked(long double value, int decimals);

}  // namespace vorna
