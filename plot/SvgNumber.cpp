// SPDX-License-Identifier: MIT
#include "plot/SvgNumber.h"

#include <charconv>
#include <cmath>

namespace Lodema::Plot {

namespace {

// Rounding to hundredths and writing them as digits gives the bytes of
// std::to_chars on the rounded double while the result stays below 10 000:
// the nearest double to n / 100 reads back from those digits and no shorter
// form does, and the plain form is never longer than the exponent form.
// Great circles write hundreds of such numbers each, so this path matters.
constexpr double kHundredthsLimit = 1.0e6;

char* WriteHundredths(char* out, long long hundredths) {
  if (hundredths < 0) {
    *out++ = '-';
    hundredths = -hundredths;
  }
  out = std::to_chars(out, out + kSvgNumberRoom, hundredths / 100).ptr;
  const int fraction = static_cast<int>(hundredths % 100);
  if (fraction != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
  }
  return out;
}

}  // namespace

char* WriteSvgNumber(char* out, double value) {
  char* const end = out + kSvgNumberRoom;
  // The cast is checked against the value rather than calling trunc, which
  // is a library call on the baseline instruction set.
  const long long whole = std::abs(value) < 1e15 ? static_cast<long long>(value) : 0;
  if (static_cast<double>(whole) == value) return std::to_chars(out, end, whole).ptr;
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
