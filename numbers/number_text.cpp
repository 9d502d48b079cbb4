#include "numbers/number_text.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <fast_float/fast_float.h>

namespace vorna {

// Masked numbers are judged on 18 significant digits, which only the 80-bit
// x87 format carries; every build must use it.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit x87 extended format");

namespace {

// The texts of values that are not numbers. They are stable so that a box or
// a label showing one never changes between runs or builds.
constexpr std::string_view kNotANumberText = "NaN";
constexpr std::string_view kInfinityText = "Inf";

// Unsigned integer of any size, little-endian 32-bit words, no leading zero
// words. All conversions between binary and decimal run on it so that every
// build gives the same digits without relying on floating-point arithmetic.
class BigInteger {
 public:
  explicit BigInteger(std::uint64_t value = 0) {
    while (value != 0) {
      words_.push_back(static_cast<std::uint32_t>(value));
      value >>= 32;
    }
  }

  bool IsZero() const { return words_.empty(); }

  // this = this * factor + addend
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& word : words_) {
      std::uint64_t product = static_cast<std::uint64_t>(word) * factor + carry;
      word = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
  }

  void MultiplyByPowerOfFive(int exponent) {
    constexpr std::uint32_t kFiveToThirteen = 1220703125;  // largest power of 5 in 32 bits
    for (; exponent >= 13; exponent -= 13) MultiplyAdd(kFiveToThirteen, 0);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent) rest *= 5;
    if (rest != 1) MultiplyAdd(rest, 0);
  }

  void ShiftLeft(int bits) {
    if (IsZero() || bits <= 0) return;
    const int wholeWords = bits / 32;
    const int bitShift = bits % 32;
    if (bitShift != 0) {
      std::uint32_t carry = 0;
      for (std::uint32_t& word : words_) {
        std::uint32_t shiftedOut = word >> (32 - bitShift);
        word = (word << bitShift) | carry;
        carry = shiftedOut;
      }
      if (carry != 0) words_.push_back(carry);
    }
    words_.insert(words_.begin(), static_cast<std::size_t>(wholeWords), 0u);
  }

  // Divides in place and returns the remainder.
  std::uint32_t DivideBy(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t index = words_.size(); index-- > 0;) {
      std::uint64_t current = (remainder << 32) | words_[index];
      words_[index] = static_cast<std::uint32_t>(current / divisor);
      remainder = current % divisor;
    }
    RemoveLeadingZeroWords();
    return static_cast<std::uint32_t>(remainder);
  }

  int BitLength() const {
    if (IsZero()) return 0;
    int length = static_cast<int>(words_.size() - 1) * 32;
    for (std::uint32_t top = words_.back(); top != 0; top >>= 1) ++length;
    return length;
  }

  bool Bit(int index) const {
    if (index < 0) return false;
    const std::size_t word = static_cast<std::size_t>(index / 32);
    return word < words_.size() && ((words_[word] >> (index % 32)) & 1u) != 0;
  }

  bool AnyBitBelow(int index) const {
    if (index <= 0) return false;
    const std::size_t wholeWords = std::min(words_.size(), static_cast<std::size_t>(index / 32));
    for (std::size_t word = 0; word < wholeWords; ++word) {
      if (words_[word] != 0) return true;
    }
    if (wholeWords == words_.size() || index % 32 == 0) return false;
    const std::uint32_t lowBits = (std::uint32_t{1} << (index % 32)) - 1;
    return (words_[wholeWords] & lowBits) != 0;
  }

  // The integer shifted right by `lowestBit`; the caller makes sure it fits.
  std::uint64_t BitsFrom(int lowestBit) const {
    std::uint64_t result = 0;
    for (int bit = BitLength() - 1; bit >= lowestBit; --bit) {
      result = (result << 1) | (Bit(bit) ? 1u : 0u);
    }
    return result;
  }

  std::string DecimalDigits() const {
    if (IsZero()) return "0";
    BigInteger rest = *this;
    std::string reversed;
    while (!rest.IsZero()) {
      std::uint32_t chunk = rest.DivideBy(1000000000);
      for (int place = 0; place < 9; ++place) {
        reversed.push_back(static_cast<char>('0' + chunk % 10));
        chunk /= 10;
      }
    }
    while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
    return std::string(reversed.rbegin(), reversed.rend());
  }

 private:
  void RemoveLeadingZeroWords() {
    while (!words_.empty() && words_.back() == 0) words_.pop_back();
  }

  std::vector<std::uint32_t> words_;
};

// ---------------------------------------------------------------------------
// Binary value to decimal digits

// A positive value as d1.d2d3... x 10^exponent; no leading or trailing zero
// digits. No digits at all means zero.
struct DecimalForm {
  std::string digits;
  int exponent = 0;
};

void RemoveTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

// The exact decimal expansion of a positive finite value: it is always finite
// because the value is a binary fraction.
DecimalForm ExactDecimal(long double magnitude) {
  int binaryExponent = 0;
  const long double fraction = std::frexp(magnitude, &binaryExponent);  // in [0.5, 1)
  std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  int shift = binaryExponent - 64;
  // Fewer powers of five to multiply by for a shorter mantissa.
  while (shift < 0 && (mantissa & 1u) == 0) {
    mantissa >>= 1;
    ++shift;
  }
  BigInteger scaled(mantissa);
  int decimalShift = 0;
  if (shift >= 0) {
    scaled.ShiftLeft(shift);
  } else {
    // m / 2^k = m * 5^k / 10^k
    scaled.MultiplyByPowerOfFive(-shift);
    decimalShift = shift;
  }
  DecimalForm form;
  form.digits = scaled.DecimalDigits();
  form.exponent = static_cast<int>(form.digits.size()) - 1 + decimalShift;
  RemoveTrailingZeros(form.digits);
  return form;
}

// Keeps the first `keep` digits, halves to the even digit. With keep == 0 the
// digit before the first one counts as a zero, so only more than half rounds
// up to one unit of that place; with keep < 0 the value becomes zero.
void RoundHalfToEven(DecimalForm& form, int keep) {
  if (keep >= static_cast<int>(form.digits.size())) return;
  if (keep < 0) {
    form.digits.clear();
    return;
  }
  const std::size_t kept = static_cast<std::size_t>(keep);
  const char firstDropped = form.digits[kept];
  const bool moreAfterFirstDropped = form.digits.size() > kept + 1;  // no trailing zeros
  const char lastKept = kept > 0 ? form.digits[kept - 1] : '0';
  const bool lastKeptIsOdd = ((lastKept - '0') % 2) != 0;
  const bool roundUp = firstDropped > '5' || (firstDropped == '5' && (moreAfterFirstDropped || lastKeptIsOdd));
  form.digits.resize(kept);
  if (roundUp) {
    std::size_t position = form.digits.size();
    while (position > 0 && form.digits[position - 1] == '9') form.digits[--position] = '0';
    if (position == 0) {
      form.digits.insert(form.digits.begin(), '1');
      ++form.exponent;
    } else {
      ++form.digits[position - 1];
    }
  }
  RemoveTrailingZeros(form.digits);
}

std::string ExponentText(int exponent) {
  std::string text = exponent < 0 ? "E-" : "E+";
  text += std::to_string(exponent < 0 ? -exponent : exponent);
  return text;
}

// Digits of a rounded positive value without sign: plain when it fits the
// digit count, otherwise "1.5E+8" style.
std::string UnsignedNumberText(const DecimalForm& form, int significantDigits) {
  const int digitCount = static_cast<int>(form.digits.size());
  const int integerDigits = form.exponent + 1;
  const int decimalPlaces = std::max(0, digitCount - 1 - form.exponent);
  if (integerDigits > significantDigits || decimalPlaces > significantDigits) {
    std::string text(1, form.digits[0]);
    if (digitCount > 1) text += "." + form.digits.substr(1);
    return text + ExponentText(form.exponent);
  }
  if (form.exponent < 0) {
    return "." + std::string(static_cast<std::size_t>(-form.exponent - 1), '0') + form.digits;
  }
  const std::size_t integerLength = static_cast<std::size_t>(integerDigits);
  if (form.digits.size() <= integerLength) {
    return form.digits + std::string(integerLength - form.digits.size(), '0');
  }
  return form.digits.substr(0, integerLength) + "." + form.digits.substr(integerLength);
}

std::string FormatNumberText(long double value, int significantDigits, bool blankForNonNegative) {
  const std::string blank = blankForNonNegative ? " " : "";
  if (std::isnan(value)) return blank + std::string(kNotANumberText);
  // Negative zero shows as zero: a user never meant "-0".
  if (value == 0) return blank + "0";
  const std::string sign = value < 0 ? "-" : blank;
  if (std::isinf(value)) return sign + std::string(kInfinityText);
  DecimalForm form = ExactDecimal(std::fabs(value));
  RoundHalfToEven(form, significantDigits);
  return sign + UnsignedNumberText(form, significantDigits);
}

// ---------------------------------------------------------------------------
// Decimal and radix text to binary value

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

bool IsLeadingSpace(char character) { return character == ' ' || character == '\t' || character == '\n'; }

// Correctly rounded (n + e) * 2^binaryShift, where 0 < e < 1 when
// `inexactBelow` and e = 0 otherwise; subnormal results are rounded once, at
// their own precision, and too large results give infinity.
double RoundToDouble(const BigInteger& integer, bool inexactBelow, int binaryShift) {
  const int length = integer.BitLength();
  if (length == 0) return 0.0;
  const int topExponent = length - 1 + binaryShift;
  const int lowestExponent = std::max(topExponent - (std::numeric_limits<double>::digits - 1),
                                      std::numeric_limits<double>::min_exponent - std::numeric_limits<double>::digits);
  const int dropped = lowestExponent - binaryShift;
  if (dropped <= 0) return std::ldexp(static_cast<double>(integer.BitsFrom(0)), binaryShift);
  std::uint64_t mantissa = integer.BitsFrom(dropped);
  const bool halfBit = integer.Bit(dropped - 1);
  const bool belowHalf = inexactBelow || integer.AnyBitBelow(dropped - 1);
  if (halfBit && (belowHalf || (mantissa & 1u) != 0)) ++mantissa;
  return std::ldexp(static_cast<double>(mantissa), lowestExponent);
}

// The extent of a decimal number as written: sign, digits with at most one
// point, and an exponent part that counts only when a digit follows its
// letter.
struct DecimalText {
  bool negative = false;
  bool anyDigit = false;
  std::string_view digits;            // from the first digit or point to the end of the exponent
  std::size_t exponentLetter = std::string_view::npos;  // within `digits`
};

DecimalText ScanDecimalText(std::string_view text) {
  DecimalText scan;
  std::size_t position = 0;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    scan.negative = text[position] == '-';
    ++position;
  }
  const std::size_t begin = position;
  bool afterPoint = false;
  for (; position < text.size(); ++position) {
    const char character = text[position];
    if (character == '.' && !afterPoint) {
      afterPoint = true;
    } else if (IsDigit(character)) {
      scan.anyDigit = true;
    } else {
      break;
    }
  }
  if (!scan.anyDigit) return scan;
  if (position < text.size() && std::string_view("EeDd").find(text[position]) != std::string_view::npos) {
    std::size_t exponent = position + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && IsDigit(text[exponent])) {
      scan.exponentLetter = position - begin;
      for (position = exponent; position < text.size() && IsDigit(text[position]); ++position) {
      }
    }
  }
  scan.digits = text.substr(begin, position - begin);
  return scan;
}

// fast_float's own arithmetic for short texts relies on double arithmetic
// being done in double precision: an x87 build without -mfpmath=sse would
// round twice.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "double arithmetic must be evaluated in double precision (build i686 with -msse2 -mfpmath=sse)"
#endif

// The correctly rounded value of a decimal text of any length. After the
// sign, fast_float reads the grammar above itself and stops where it ends,
// with one difference: its only exponent letters are E and e. So when it
// stops at a D or d exponent (one that a digit follows, after a mantissa
// without an exponent), our scan finds the extent and fast_float reads a
// copy with "e" in its place.
double ReadDecimalNumber(std::string_view text) {
  std::size_t start = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    start = 1;
  }
  // fast_float would also read a second sign, "inf" and "nan": none is a number here.
  if (start == text.size() || !(IsDigit(text[start]) || text[start] == '.')) return 0.0;
  const char* const first = text.data() + start;
  const char* const last = text.data() + text.size();
  double magnitude = 0.0;
  const fast_float::from_chars_result read = fast_float::from_chars(first, last, magnitude);
  if (read.ptr == first) return 0.0;  // a point without digits
  if (read.ptr != last && (*read.ptr == 'D' || *read.ptr == 'd') &&
      std::string_view(first, static_cast<std::size_t>(read.ptr - first)).find_first_of("Ee") ==
          std::string_view::npos) {
    const DecimalText scan = ScanDecimalText(text);
    if (scan.exponentLetter != std::string_view::npos) {
      std::string copy(scan.digits);
      copy[scan.exponentLetter] = 'e';
      fast_float::from_chars(copy.data(), copy.data() + copy.size(), magnitude);
    }
  }
  return negative ? -magnitude : magnitude;
}

// Digits after "&": H hexadecimal, O or Q octal, B binary, no letter octal.
double ReadRadixLiteral(std::string_view text) {
  int bitsPerDigit = 3;
  std::size_t position = 0;
  if (!text.empty()) {
    switch (text[0]) {
      case 'H': case 'h': bitsPerDigit = 4; position = 1; break;
      case 'O': case 'o': case 'Q': case 'q': bitsPerDigit = 3; position = 1; break;
      case 'B': case 'b': bitsPerDigit = 1; position = 1; break;
      default: break;
    }
  }
  const int radix = 1 << bitsPerDigit;
  // Past this length the value is infinite; digits are still consumed.
  const int overflowBitLength = std::numeric_limits<double>::max_exponent + 1;
  BigInteger integer;
  bool overflow = false;
  for (; position < text.size(); ++position) {
    const char character = text[position];
    int digit = radix;
    if (IsDigit(character)) digit = character - '0';
    else if (character >= 'A' && character <= 'F') digit = character - 'A' + 10;
    else if (character >= 'a' && character <= 'f') digit = character - 'a' + 10;
    if (digit >= radix) break;
    if (overflow) continue;
    integer.MultiplyAdd(static_cast<std::uint32_t>(radix), static_cast<std::uint32_t>(digit));
    overflow = integer.BitLength() > overflowBitLength;
  }
  if (overflow) return std::numeric_limits<double>::infinity();
  return RoundToDouble(integer, false, 0);
}

// ---------------------------------------------------------------------------
// Masked numbers

// The value rounded to 18 significant digits (halves to even at that stage as
// well), then to the mask's decimals with halves to even.
DecimalForm RoundForMask(long double magnitude, int decimals) {
  // Far below half of the smallest mask unit (0.0001): zero under every mask.
  if (magnitude < 0.00001L) return DecimalForm{};
  DecimalForm form = ExactDecimal(magnitude);
  RoundHalfToEven(form, 18);
  RoundHalfToEven(form, form.exponent + 1 + decimals);
  return form;
}

// Place p holds the digit for 10^p.
char DigitAtPlace(const DecimalForm& form, int place) {
  const int index = form.exponent - place;
  if (form.digits.empty() || index < 0 || index >= static_cast<int>(form.digits.size())) return '0';
  return form.digits[static_cast<std::size_t>(index)];
}

}  // namespace

std::string NumberText(float value) { return FormatNumberText(value, 7, true); }

std::string NumberText(double value) { return FormatNumberText(value, 15, true); }

std::string NumberTextNoBlank(float value) { return FormatNumberText(value, 7, false); }

std::string NumberTextNoBlank(double value) { return FormatNumberText(value, 15, false); }

double TextNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsLeadingSpace(text[start])) ++start;
  text.remove_prefix(start);
  if (!text.empty() && text[0] == '&') return ReadRadixLiteral(text.substr(1));
  return ReadDecimalNumber(text);
}

std::string FormatMasked(long double value, int decimals) {
  decimals = std::clamp(decimals, 0, 4);
  if (std::isnan(value)) return std::string(kNotANumberText);
  if (std::isinf(value)) return (value < 0 ? "-" : "") + std::string(kInfinityText);
  const DecimalForm form = RoundForMask(std::fabs(value), decimals);
  // A value that rounds to zero shows no minus sign: "0.0", never "-0.0".
  std::string text = (value < 0 && !form.digits.empty()) ? "-" : "";
  for (int place = std::max(form.digits.empty() ? 0 : form.exponent, 0); place >= 0; --place) {
    text.push_back(DigitAtPlace(form, place));
  }
  if (decimals > 0) text.push_back('.');
  for (int place = -1; place >= -decimals; --place) text.push_back(DigitAtPlace(form, place));
  return text;
}

}  // namespace vorna
