// SPDX-License-Identifier: MIT
// One calculation's data as the plot receives it.
#pragma once

#include <array>

namespace Lodema::Plot {

// The five kinds of plotted data; the index is shared by the record, the
// Show boxes, the symbol table and the legend.
enum PlotKind : int { kResult = 0, kWindowA = 1, kWindowB = 2, kWindowC = 3, kWindowD = 4 };
inline constexpr int kKindCount = 5;
// Fields per kind: 0 dip or plunge, 1 dip direction or trend, 2 alpha (the
// cone angle), 3 beta, 4 gamma. Radians.
inline constexpr int kFieldCount = 5;

// Type codes of a kind.
enum PlotTypeCode : int {
  kTypeNothing = 0,
  kTypePlane = 1,             // fields 0, 1: dip, dip direction
  kTypeLine = 2,              // fields 0, 1: plunge, trend
  kTypeReferenceAlpha = 3,    // window A: cone of half-angle field 2 about window C's line
  kTypeBetaAlpha = 4,         // the same cone (window A)
  kTypeGamma = 5,             // never drawn
  kTypeCoreAxisAndAlpha = 6,  // windows A, B, D: cone of half-angle field 2 about fields 0, 1
};

// Rows are kinds; column 0 the type code, columns 1-5 fields 0-4 (the layout
// of the calculation record).
struct PlotRecord {
  std::array<std::array<double, 1 + kFieldCount>, kKindCount> cells{};
};

}  // namespace Lodema::Plot
