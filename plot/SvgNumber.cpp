// SPDX-License-Identifier: MIT
#include "plot/SvgNumber.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace Lodema::Plot {

namespace {

// Rounding to hundredths and writing them as digits gives the bytes of
// std::to_chars on the rounded double while the result stays below 10 000:
// the nearest double to n / 100 reads back from those digits and no shorter
// form does, and the plain form is never longer than the exponent form.
// Great circles write hundreds of such numbers each, so this path matters.
constexpr double kHundredthsLimit = 1.0e6;

// Below this, whole numbers are written digit by digit rather than through
// std::to_chars: symbol corners are whole plot units, four per symbol.
constexpr long long kSmallWholeLimit = 100000;

// "00", "01", .. "99": two digits per step halves the divisions.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// value in 0..kSmallWholeLimit - 1.
char* WriteSmallWhole(char* out, int value) {
  const int length = value < 10 ? 1 : value < 100 ? 2 : value < 1000 ? 3 : value < 10000 ? 4 : 5;
  char* const end = out + length;
  char* at = end;
  while (value >= 100) {
    const int pair = value % 100;
    value /= 100;
    at -= 2;
    std::memcpy(at, kDigitPairs + 2 * pair, 2);
  }
  if (value >= 10) {
    std::memcpy(at - 2, kDigitPairs + 2 * value, 2);
  } else {
    at[-1] = static_cast<char>('0' + value);
  }
  return end;
}

char* WriteHundredths(char* out, long long hundredths) {
  if (hundredths < 0) {
    *out++ = '-';
    hundredths = -hundredths;
  }
  out = WriteSmallWhole(out, static_cast<int>(hundredths / 100));
  const int fraction = static_cast<int>(hundredths % 100);
  if (fraction != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
  }
  return out;
}

constexpr std::array<WholeText, 2 * kWholeTextLimit + 1> WholeTexts() {
  std::array<WholeText, 2 * kWholeTextLimit + 1> texts{};
  for (int value = -kWholeTextLimit; value <= kWholeTextLimit; ++value) {
    WholeText& t = texts[static_cast<std::size_t>(value + kWholeTextLimit)];
    char digits[4] = {};
    int count = 0;
    for (int rest = value < 0 ? -value : value; count == 0 || rest > 0; rest /= 10) {
      digits[count++] = static_cast<char>('0' + rest % 10);
    }
    int length = 0;
    if (value < 0) t.text[length++] = '-';
    while (count > 0) t.text[length++] = digits[--count];
    t.length = static_cast<char>(length);
  }
  return texts;
}

}  // namespace

// Built at compile time.
constexpr std::array<WholeText, 2 * kWholeTextLimit + 1> kWholeTexts = WholeTexts();

char* WriteSvgWhole(char* out, int value) {
  if (value <= -kSmallWholeLimit || value >= kSmallWholeLimit) {
    return std::to_chars(out, out + kSvgNumberRoom, value).ptr;
  }
  if (value < 0) *out++ = '-';
  return WriteSmallWhole(out, value < 0 ? -value : value);
}

char* WriteSvgNumber(char* out, double value) {
  char* const end = out + kSvgNumberRoom;
  // The cast is checked against the value rather than calling trunc, which
  // is a library call on the baseline instruction set.
  const long long whole = std::abs(value) < 1e15 ? static_cast<long long>(value) : 0;
  if (static_cast<double>(whole) == value) {
    if (whole <= -kSmallWholeLimit || whole >= kSmallWholeLimit) {
      return std::to_chars(out, end, whole).ptr;
    }
    if (whole < 0) *out++ = '-';
    return WriteSmallWhole(out, static_cast<int>(whole < 0 ? -whole : whole));
  }
  const double scaled = value * 100.0;
  if (std::abs(scaled) < kHundredthsLimit) {
    // Halves away from zero, as std::round; truncation and the subtraction
    // are exact at this size.
    long long hundredths = static_cast<long long>(scaled);
    const double rest = scaled - static_cast<double>(hundredths);
    if (rest >= 0.5) ++hundredths;
    if (rest <= -0.5) --hundredths;
    if (hundredths == 0) {
      *out = '0';
      return out + 1;
    }
    return WriteHundredths(out, hundredths);
  }
  const double rounded = std::isfinite(value) ? std::round(scaled) / 100.0 : 0.0;
  return std::to_chars(out, end, rounded == 0.0 ? 0.0 : rounded).ptr;
}

}  // namespace Lodema::Plot
