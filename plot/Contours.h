// SPDX-License-Identifier: MIT
// Contour lines of a density grid (marching squares), their levels and
// colours, and drawing them with their legend.
#pragma once

#include <string>
#include <vector>

#include "plot/DensityGrid.h"
#include "plot/Surface.h"

namespace Lodema::Plot {

// One closed contour: the last point joins the first (it is not repeated).
// Where the dense region reaches the primitive, the line runs along the
// primitive.
struct ContourLine {
  int levelIndex = 0;
  double level = 0.0;
  std::vector<PlotPoint> points;
};

// Levels in the grid's unit up to its maximum, at most 8, evenly spaced:
// 2, 4, 6 ... (then 4, 10, 20 ... apart) for the standard deviation
// methods; 1, 2, 3 ... (then 2, 5, 10 ... apart) for the 1% count. None when
// the grid is empty or below the first level everywhere.
std::vector<double> ContourLevels(const DensityGrid& grid);

// The closed lines where the density crosses each level, the region at or
// above the level inside them. A node exactly at a level counts as above it.
std::vector<ContourLine> TraceContours(const DensityGrid& grid, const std::vector<double>& levels);

// Draws the lines, each in its level's colour, width 1, unfilled; pen and
// fill are as they were afterwards.
void DrawContours(DrawingSurface& surface, const std::vector<ContourLine>& lines, int levelCount);

// The legend of the contours: a title line ("Exponential Kamb")
// then one row per level with a line sample, from `top` down, samples
// starting at `left`. Texts that would be wider than maxWidth from `left`
// are set smaller to fit (maxWidth <= 0: no bound).
void DrawContourLegend(DrawingSurface& surface, double left, double top, double textHeight,
                       const DensityGrid& grid, const std::vector<double>& levels,
                       double maxWidth = 0.0);

}  // namespace Lodema::Plot
