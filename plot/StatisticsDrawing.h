// SPDX-License-Identifier: MIT
// Drawing the statistics of the Result items over the plot: the mean as a
// star with its 95% cone as a small circle, the three eigenvectors as open
// symbols, and the best-fit great circle.
#pragma once

#include "plot/Projection.h"
#include "plot/Statistics.h"
#include "plot/Surface.h"

namespace Lodema::Plot {

// Which statistics are drawn (the window's Analysis menu items).
struct StatisticsLayers {
  bool meanAndCone = false;
  bool eigenvectors = false;
  bool girdle = false;
};

inline constexpr Rgb kMeanColour{192, 0, 192};  // magenta
inline constexpr Rgb kEigenColour{0, 0, 187};   // blue
inline constexpr int kMeanShape = 13;           // star
// Eigenvectors 1, 2 and 3: open square, triangle, open circle.
inline constexpr int kEigenvectorShapes[3] = {8, 10, 7};
inline constexpr int kStatisticsSymbolSize = 4;

// Draws the chosen layers; pen and fill are as they were afterwards. A cone
// of no size (one item, or identical items) draws no circle, and identical
// items draw only the first eigenvector and no girdle.
void DrawStatistics(DrawingSurface& surface, ProjectionType type, const AxisStatistics& statistics,
                    const StatisticsLayers& layers);

}  // namespace Lodema::Plot
