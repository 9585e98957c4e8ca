// SPDX-License-Identifier: MIT
// The statistics of the retained Result items as text, with every
// orientation in the user's output notation: the plot window's text panel
// and lodema-batch --stats write the same lines.
#pragma once

#include <string>

#include "orient/Records.h"
#include "plot/ResultAxes.h"
#include "plot/Statistics.h"

namespace Lodema::Plot {

// The output conventions the text follows.
struct OutputNotation {
  OrientGeometry::Notation notation;
  char decimalChar = '.';
  int decimals = 1;  // of every angle, 0-6
};

// An orientation (unit vector, either sign) written as a line, or as the
// plane normal to it, e.g. "35.0/123.0" or "N57.0W/35.0SW"-style texts of
// the conventions.
std::string LineText(const DirectionCosines& axis, const OutputNotation& notation);
std::string NormalPlaneText(const DirectionCosines& axis, const OutputNotation& notation);

// One line per quantity, each ending in "\n". Counts, the mean (for poles
// also as its plane), R, k and alpha95, eigenvalues and eigenvectors,
// Woodcock K and C with the fabric shape, and the best-fit great circle.
std::string StatisticsText(const AxisStatistics& statistics, AxisKind kind,
                           const OutputNotation& notation);

// The text for a set of items that may hold none: says so in one line.
std::string StatisticsTextOf(const ResultAxes& items, const OutputNotation& notation);

}  // namespace Lodema::Plot
