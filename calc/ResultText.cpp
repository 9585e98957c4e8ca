// SPDX-License-Identifier: MIT
#include "calc/ResultText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace Lodema {

namespace {

using NumberText::IsDigit;

// A result text kept from row to row takes its new characters in place: the
// length changes only when it must, which is cheaper for these few
// characters than the string's general assign or append.
[[gnu::always_inline]] inline void SetShortText(const char* characters, std::size_t count,
                                                std::string& text) {
  if (text.size() != count) text.resize(count);
  CopyShortText({characters, count}, text.data());
}

// Every text FormatAngleFixed's short path does not take.
std::string FormatAngleFixedFull(std::string_view value, int decimals, char decimalChar, bool pad) {
  std::string_view text = value;
  if (std::any_of(text.begin(), text.end(), [](char ch) { return ch == 'e' || ch == 'E'; })) {
    // Exponent forms come only from values far below display precision (or
    // absurdly large ones, shown as they are).
    const auto number = NumberText::TryTextToDouble(text, OrientGeometry::DecimalMark::kPoint);
    if (!number || std::fabs(*number) >= 1e15) return std::string(value);
    text = "0";
  }
  if (!NumberText::IsNumberText(text) || std::none_of(text.begin(), text.end(), IsDigit)) {
    return std::string(value);
  }
  const auto begin = text.find_first_not_of(' ');
  const auto end = text.find_last_not_of(' ');
  text = text.substr(begin, end - begin + 1);

  const char separator = text.find(',') != std::string_view::npos ? ',' : '.';
  const auto sepPos = text.find(separator);
  std::string_view whole = text.substr(0, sepPos);
  bool negative = false;
  if (!whole.empty() && (whole[0] == '-' || whole[0] == '+')) {
    negative = whole[0] == '-';
    whole.remove_prefix(1);
  }
  if (whole.empty()) whole = "0";
  const std::size_t padding = pad && whole.size() < 3 ? 3 - whole.size() : 0;

  std::string_view fraction;
  if (sepPos != std::string_view::npos) {
    const std::size_t first = sepPos + 1;
    std::size_t count = 0;
    while (first + count < text.size() && IsDigit(text[first + count]) &&
           static_cast<int>(count) < decimals) {
      ++count;
    }
    fraction = text.substr(first, count);
  }
  const auto nonZero = [](char ch) { return ch != '0'; };
  const bool allZero = std::none_of(whole.begin(), whole.end(), nonZero) &&
                       std::none_of(fraction.begin(), fraction.end(), nonZero);
  // Built in one piece: this runs for every result of a batch row.
  const bool minus = negative && !allZero;
  const std::size_t size =
      (minus ? 1 : 0) + padding + whole.size() + (fraction.empty() ? 0 : 1 + fraction.size());
  std::string result(size, '0');
  char* out = result.data();
  if (minus) *out++ = '-';
  out += padding;
  out = std::copy(whole.begin(), whole.end(), out);
  if (!fraction.empty()) {
    *out++ = decimalChar;
    std::copy(fraction.begin(), fraction.end(), out);
  }
  return result;
}

// Degrees as a product, not Lodema's quotient 180 * radians / pi: below a
// million degrees the two differ by less than 1e-9, so they round alike
// unless they lie within a millionth of a rounding step's boundary, which
// the callers check. The usual result then does not wait for a division.
constexpr double kDegreesPerRadian = 180.0 / OrientGeometry::kPi;

// The whole degrees of radians as Lodema rounds them (halves to even).
[[gnu::always_inline]] inline double WholeDegrees(double radians) {
  const double guess = radians * kDegreesPerRadian;
  const double whole = NumberText::RoundHalfEven(guess);
  if (std::fabs(guess) < 1e6 && std::fabs(guess - whole) < 0.5 - 1e-6) return whole;
  return NumberText::RoundHalfEven(OrientGeometry::RadiansToDegrees(radians));
}

// Whole degrees below 1e15 into text (at most 32 characters); false for
// any other value.
[[gnu::always_inline]] inline bool FormatAngleWholeText(double radians, bool pad,
                                                        std::string& text) {
  const double whole = WholeDegrees(radians);
  if (!(std::fabs(whole) < 1e15)) return false;
  // Below 1e15 the general form is the whole number itself.
  const auto number = static_cast<long long>(whole);
  const unsigned long long magnitude = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                                  : static_cast<unsigned long long>(number);
  char buffer[32];
  char* out = buffer;
  if (number < 0) *out++ = '-';
  if (magnitude < 1000) {
    // An angle's usual one to three digits, copied from a table: three
    // digits, padded, and the count without leading zeros.
    static constexpr auto kDigits = [] {
      std::array<std::array<char, 8>, 1000> table{};
      for (unsigned n = 0; n < 1000; ++n) {
        table[n] = {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                    static_cast<char>('0' + n % 10),
                    static_cast<char>(n >= 100  ? 3
                                      : n >= 10 ? 2
                                                : 1)};
      }
      return table;
    }();
    const std::array<char, 8>& entry = kDigits[static_cast<std::size_t>(magnitude)];
    const std::size_t count = pad ? 3 : static_cast<std::size_t>(entry[3]);
    // Three characters from where the digits start; only count are kept.
    const char* first = entry.data() + (3 - count);
    out[0] = first[0];
    out[1] = first[1];
    out[2] = first[2];
    out += count;
  } else {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, magnitude);
    const auto count = static_cast<std::size_t>(written.ptr - digits);
    for (std::size_t i = 0; i < count; ++i) *out++ = digits[i];
  }
  SetShortText(buffer, static_cast<std::size_t>(out - buffer), text);
  return true;
}

// One or two decimals of an angle below a million degrees, when the value is
// not within a millionth of a step of its last shown digit: the first
// digits of the general form (15 significant digits) are then the digits of
// the scaled value's floor, and the cut is written without that form (the
// usual batch result with decimals). False for any other value, which takes
// the general form.
bool FormatAngleCutText(double radians, int decimals, char decimalChar, bool pad,
                        std::string& text) {
  if (decimals != 1 && decimals != 2) return false;
  const double degrees = radians * kDegreesPerRadian;  // the check below covers the difference
  const double magnitude = std::fabs(degrees);
  if (!(magnitude < 1e6)) return false;
  const double scale = decimals == 1 ? 10.0 : 100.0;
  const double scaled = magnitude * scale;
  const double steps = std::floor(scaled);
  const double rest = scaled - steps;
  if (!(rest > 1e-6 && rest < 1.0 - 1e-6)) return false;
  auto count = static_cast<unsigned long long>(steps);
  const auto unit = static_cast<unsigned long long>(scale);
  const unsigned long long whole = count / unit;
  const unsigned long long fraction = count % unit;
  char buffer[32];
  char* out = buffer;
  if (degrees < 0.0 && count != 0) *out++ = '-';
  char digits[24];
  const auto written = std::to_chars(digits, digits + sizeof digits, whole);
  const auto length = static_cast<std::size_t>(written.ptr - digits);
  for (std::size_t i = length; pad && i < 3; ++i) *out++ = '0';
  for (const char* c = digits; c != written.ptr; ++c) *out++ = *c;
  *out++ = decimalChar;
  if (decimals == 2) *out++ = static_cast<char>('0' + fraction / 10);
  *out++ = static_cast<char>('0' + fraction % 10);
  SetShortText(buffer, static_cast<std::size_t>(out - buffer), text);
  return true;
}

}  // namespace

std::string FormatAngleGeneral(double radians, int decimals) {
  const double degrees = OrientGeometry::RadiansToDegrees(radians);
  const double shown = decimals <= 0 ? NumberText::RoundHalfEven(degrees) : degrees;
  std::string text = NumberText::FormatGeneral(shown, '.');
  if (text.empty()) text = "0";
  return text;
}

std::string FormatAngleFixed(std::string_view value, int decimals, char decimalChar, bool pad) {
  // The usual text, as FormatAngleGeneral writes it ("[-]digits[.digits]"),
  // is cut here directly; any other takes the full path.
  const char* p = value.data();
  const char* const end = p + value.size();
  const bool negative = p != end && *p == '-';
  const char* const wholeBegin = p + (negative ? 1 : 0);
  const char* q = wholeBegin;
  bool nonZero = false;
  for (; q != end && *q >= '0' && *q <= '9'; ++q) nonZero = nonZero || *q != '0';
  const char* const wholeEnd = q;
  const char* fractionBegin = q;
  if (q != end && *q == '.') {
    fractionBegin = ++q;
    while (q != end && *q >= '0' && *q <= '9') ++q;
  }
  if (wholeBegin == wholeEnd || q != end || (fractionBegin != wholeEnd && fractionBegin == q)) {
    return FormatAngleFixedFull(value, decimals, decimalChar, pad);
  }
  const auto wholeLength = static_cast<std::size_t>(wholeEnd - wholeBegin);
  const std::size_t kept = std::min(static_cast<std::size_t>(q - fractionBegin),
                                    static_cast<std::size_t>(std::max(decimals, 0)));
  for (std::size_t i = 0; i < kept; ++i) nonZero = nonZero || fractionBegin[i] != '0';
  const bool minus = negative && nonZero;
  const std::size_t padding = pad && wholeLength < 3 ? 3 - wholeLength : 0;
  // Put together on the stack and copied into the string once.
  char text[40];
  const std::size_t size = (minus ? 1 : 0) + padding + wholeLength + (kept > 0 ? 1 + kept : 0);
  if (size > sizeof text) return FormatAngleFixedFull(value, decimals, decimalChar, pad);
  char* out = text;
  if (minus) *out++ = '-';
  for (std::size_t i = 0; i < padding; ++i) *out++ = '0';
  for (const char* c = wholeBegin; c != wholeEnd; ++c) *out++ = *c;
  if (kept > 0) {
    *out++ = decimalChar;
    for (std::size_t i = 0; i < kept; ++i) *out++ = fractionBegin[i];
  }
  return std::string(text, size);
}

namespace {

// Kept apart, so that the usual whole angle needs none of its temporaries.
[[gnu::noinline, gnu::cold]] void FormatAngleWholeByGeneralForm(double radians, bool pad,
                                                                std::string& text) {
  text = FormatAngleFixed(FormatAngleGeneral(radians, 0), 0, '.', pad);
}

}  // namespace

void FormatAngleWhole(double radians, bool pad, std::string& text) {
  if (!FormatAngleWholeText(radians, pad, text)) FormatAngleWholeByGeneralForm(radians, pad, text);
}

std::string FormatAngleResultByGeneralForm(double radians, int decimals, char decimalChar,
                                           bool pad) {
  return FormatAngleFixed(FormatAngleGeneral(radians, decimals), decimals, decimalChar, pad);
}

std::string FormatAngleResult(double radians, int decimals, char decimalChar, bool pad) {
  std::string text;
  if (FormatAngleCutText(radians, decimals, decimalChar, pad, text)) return text;
  return FormatAngleResultByGeneralForm(radians, decimals, decimalChar, pad);
}

std::string FormatAngleResult(double radians, int decimals, char decimalChar) {
  return FormatAngleResult(radians, decimals, decimalChar, false);
}

void FormatFabric(double angle, double azimuth, bool isPlane, int decimals,
                  const OutputNotation& notation, const FabricTargets& to) {
  const bool strike = isPlane && OrientGeometry::UsesStrike(notation.plane);
  const bool quadrant = notation.azimuth == OrientGeometry::AzimuthStyle::kQuadrant;
  if (decimals == 0 && !quadrant && !strike) {
    // Whole degrees in azimuth notation, the usual batch output: written in
    // one step rather than through the general form.
    FormatAngleWhole(angle, false, *to.first);
    FormatAngleWhole(azimuth, true, *to.direction);
    return;
  }
  *to.first = FormatAngleResult(angle, decimals, notation.decimalChar, false);
  if (!strike && !quadrant) {
    *to.direction = FormatAngleResult(azimuth, decimals, notation.decimalChar, true);
    return;
  }
  std::string direction = FormatAngleGeneral(azimuth, decimals);
  if (strike) {
    auto strikeAndSense = OrientGeometry::DipDirectionToStrikeAndSense(direction);
    direction = std::move(strikeAndSense.strike);
    *to.sense = std::move(strikeAndSense.sense);
  }
  if (quadrant) {
    *to.direction =
        OrientGeometry::AzimuthToQuadrantText(FormatAngleFixed(direction, decimals, '.', false),
                                              OrientGeometry::DecimalMarkOf(notation.decimalChar));
  } else {
    *to.direction = FormatAngleFixed(direction, decimals, notation.decimalChar, true);
  }
}

}  // namespace Lodema
