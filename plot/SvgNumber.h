// SPDX-License-Identifier: MIT
// Numbers as an SVG document of the plot writes them.
#pragma once

#include <cstring>

namespace Lodema::Plot {

// Room a number needs in WriteSvgNumber's output.
inline constexpr int kSvgNumberRoom = 32;

// Writes value (plot units) rounded to two decimals at most, in its shortest
// form ("12", "-0.5", "3.25"; "0" for -0.004), as std::to_chars writes the
// rounded double; NaN and infinities are written as "0". out holds at least
// kSvgNumberRoom characters; returns the end of what was written.
char* WriteSvgNumber(char* out, double value);

// WriteSvgNumber of a whole number: the same bytes, fewer steps.
char* WriteSvgWhole(char* out, int value);

// WriteSvgWhole, written here for the numbers of the plot's symbols
// (-9999..9999), which every row of a long run writes.
inline char* WriteSvgWholeInline(char* out, int value) {
  if (value <= -10000 || value >= 10000) return WriteSvgWhole(out, value);
  if (value < 0) {
    *out++ = '-';
    value = -value;
  }
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  if (value >= 100) {
    const int high = value / 100;
    if (high >= 10) {
      std::memcpy(out, kPairs + 2 * high, 2);
      out += 2;
    } else {
      *out++ = static_cast<char>('0' + high);
    }
    std::memcpy(out, kPairs + 2 * (value - 100 * high), 2);
    return out + 2;
  }
  if (value >= 10) {
    std::memcpy(out, kPairs + 2 * value, 2);
    return out + 2;
  }
  *out = static_cast<char>('0' + value);
  return out + 1;
}

}  // namespace Lodema::Plot
