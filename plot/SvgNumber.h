// SPDX-License-Identifier: MIT
// Numbers as an SVG document of the plot writes them.
#pragma once

namespace Lodema::Plot {

// Room a number needs in WriteSvgNumber's output.
inline constexpr int kSvgNumberRoom = 32;

// Writes value (plot units) rounded to two decimals at most, in its shortest
// form ("12", "-0.5", "3.25"; "0" for -0.004), as std::to_chars writes the
// rounded double; NaN and infinities are written as "0". out holds at least
// kSvgNumberRoom characters; returns the end of what was written.
char* WriteSvgNumber(char* out, double value);

}  // namespace Lodema::Plot
