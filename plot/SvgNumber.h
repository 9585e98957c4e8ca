// SPDX-License-Identifier: MIT
// Numbers as an SVG document of the plot writes them.
#pragma once

#include <array>
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

// The text of every whole number from -kWholeTextLimit to kWholeTextLimit,
// each in 8 bytes: up to 5 characters, then its length in the last byte.
inline constexpr int kWholeTextLimit = 2047;
struct WholeText {
  char text[7];
  char length;
};
extern const std::array<WholeText, 2 * kWholeTextLimit + 1> kWholeTexts;

// WriteSvgWhole, for the numbers of the plot's symbols one 8-byte copy
// (out holds at least kSvgNumberRoom characters, as for WriteSvgNumber).
inline char* WriteSvgWholeInline(char* out, int value) {
  const unsigned index = static_cast<unsigned>(value) + static_cast<unsigned>(kWholeTextLimit);
  if (index > 2u * kWholeTextLimit) return WriteSvgWhole(out, value);
  std::memcpy(out, &kWholeTexts[index], sizeof(WholeText));
  return out + kWholeTexts[index].length;
}

}  // namespace Lodema::Plot
