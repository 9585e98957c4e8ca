// SPDX-License-Identifier: MIT
// Number text that tolerates either decimal separator, whatever the machine's
// regional setting, plus a few small text and file helpers. Every routine is
// stateless; the locale flag is learnt once at start-up and passed in.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orient/Records.h"

namespace NumberText {

using OrientGeometry::DecimalMark;

// Small character and trimming helpers shared by the text routines.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// Without leading and trailing blanks (" " only).
inline std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}
inline std::string_view TrimLeadingSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}
// Without leading and trailing blanks and TABs; with lineEnds, CR and LF too.
inline std::string_view TrimBlanks(std::string_view text, bool lineEnds = false) {
  const auto blank = [lineEnds](char c) {
    return c == ' ' || c == '\t' || (lineEnds && (c == '\r' || c == '\n'));
  };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The mark the user's locale writes one and a half with. Asks the C++ user
// locale (std::locale("")); a locale that cannot be made counts as using a
// point.
DecimalMark LocaleDecimalMark();

// Replaces the first "," by "." (to kPoint) or the first "." by "," (to
// kComma). Only the first occurrence changes.
std::string SwapDecimalSeparator(std::string_view text, DecimalMark to = DecimalMark::kPoint);

// Reads number text written with "." or ",": an optional sign, digits with at
// most one separator (at least one digit), an optional exponent, surrounding
// blanks allowed. Independent of the process C locale. Empty, malformed text
// and values that overflow a double give no value.
std::optional<double> TryTextToDouble(std::string_view text, DecimalMark localeMark);

// Powers of ten that a double holds exactly.
inline constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Plain decimal text as data files hold it ("45", "-12.5", "3,25"): a sign,
// digits and at most one "." or ",", nothing else (no blanks). True when it
// could read the value exactly; such text passes IsNumberText and
// TryTextToDouble gives the same value with either locale flag. False says
// nothing: the text may still be a number. Inline, as it runs for every
// number of every batch row. places: what CountDecimalPlaces gives for the
// text.
[[gnu::always_inline]] inline bool ReadPlainDecimal(std::string_view text, double& value,
                                                    int& places);

// The same for the plain decimal number that starts at begin and ends where
// [begin, end) has no more of it: the position after it, or nullptr when
// there is none there that can be read exactly. A field that ends at a
// delimiter other than a sign, digit, "." or "," is read so without first
// finding its end.
[[gnu::always_inline]] inline const char* ReadPlainDecimalAt(const char* begin, const char* end,
                                                             double& value, int& places) {
  // Such text reads the same whatever the locale flag. When its digits fit a
  // double's 53-bit mantissa, one division by an exact power of ten is the
  // correctly rounded value, the very double from_chars gives (in the
  // default rounding mode only).
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const char* p = begin;
  if (p == end) return nullptr;
  const bool negative = *p == '-';
  if (negative || *p == '+') ++p;
  // Digits beyond 19 may wrap the mantissa; such text is refused below.
  std::uint64_t mantissa = 0;
  const char* const wholeStart = p;
  for (; p != end && isDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
  const std::ptrdiff_t wholeDigits = p - wholeStart;
  std::ptrdiff_t fractionDigits = 0;
  const bool separator = p != end && (*p == '.' || *p == ',');
  if (separator) {
    const char* const fractionStart = ++p;
    for (; p != end && isDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    fractionDigits = p - fractionStart;
  }
  const std::ptrdiff_t digits = wholeDigits + fractionDigits;
  if (digits == 0 || digits > 19 || mantissa > (std::uint64_t{1} << 53)) return nullptr;
  places = !separator ? 0 : (fractionDigits == 0 ? 1 : static_cast<int>(fractionDigits));
  double magnitude = static_cast<double>(mantissa);
  if (fractionDigits > 0) {
    if (mantissa != 0 && std::fegetround() != FE_TONEAREST) return nullptr;
    magnitude /= kExactPowersOfTen[fractionDigits];
  }
  value = negative ? -magnitude : magnitude;
  return p;
}

[[gnu::always_inline]] inline bool ReadPlainDecimal(std::string_view text, double& value,
                                                    int& places) {
  if (text.empty()) return false;
  const char* const end = text.data() + text.size();
  double read = 0.0;
  int readPlaces = 0;
  if (ReadPlainDecimalAt(text.data(), end, read, readPlaces) != end) return false;
  value = read;
  places = readPlaces;
  return true;
}

// The same without the count of places.
inline bool ReadPlainDecimal(std::string_view text, double& value) {
  int places = 0;
  return ReadPlainDecimal(text, value, places);
}

// The same with 0 for blank or unreadable text, never failing.
double TextToDouble(std::string_view text, DecimalMark localeMark);

// True for a plain decimal number as typed: optional leading sign, digits and
// at most one "." or ",", spaces at either end. A lone sign or separator counts
// (typing may start with it); exponents, inner blanks and grouping do not.
bool IsNumberText(std::string_view text);

// Number of digits typed after the first "." (or, failing that, the first
// ","): 0 without a separator, 1 for a separator with no digit after it.
int CountDecimalPlaces(std::string_view text);

// True when at least one regular file matches path. "*" and "?" are
// wildcards; other characters, "[" and "\" included, are literal.
bool FileExists(const std::string& path);

// Lodema's general number form: at most 15 significant digits, no trailing
// zeros, no "+", "-0" written "0", decimalChar as separator. Magnitudes from
// 1e-20 to below 1e21 are written without exponent; beyond that the form
// "1.5E+300" is used. NaN and infinities give "".
std::string FormatGeneral(double value, char decimalChar);
// The writer behind FormatGeneral without its shortcut for whole numbers;
// both give the same text for every value.
std::string FormatGeneralFull(double value, char decimalChar);

// Nearest whole number, halves to even (44.5 -> 44, 45.5 -> 46), whatever
// the floating-point rounding mode. NaN and infinities are returned as given.
inline double RoundHalfEven(double value) {
  // Beyond 2^52 every double is already whole. The conversion truncates
  // toward zero whatever the rounding mode, and it and the subtraction are
  // exact, so the mode plays no part.
  if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0) return value;
  const double whole = static_cast<double>(static_cast<long long>(value));
  const double fraction = value - whole;  // (-1, 1), the sign of value
  if (fraction == 0.0) return value;      // keeps -0
  if (fraction > 0.5) return whole + 1.0;
  if (fraction < -0.5) return whole - 1.0;
  if (fraction != 0.5 && fraction != -0.5) return whole;
  if (std::fmod(whole, 2.0) == 0.0) return whole;
  return fraction > 0.0 ? whole + 1.0 : whole - 1.0;
}

}  // namespace NumberText
