// SPDX-License-Identifier: MIT
// The frame under every plot: the primitive circle and the axes.
#pragma once

#include "plot/Projection.h"
#include "plot/Surface.h"

namespace Lodema::Plot {

// Values as stored in "gPlotAxesStyle".
enum class AxesStyle : int {
  kSimpleTicks = 0,    // a small centre cross
  kQuadrantTicks = 1,  // the centre cross and ticks outside S, W and E
  kQuadrantAxes = 2,   // both diameters with 10-degree graduations
  kPolarAxes = 3,      // diameters every 10 degrees with the graduations
};

// Codes outside 0-3 give simple ticks.
AxesStyle AxesStyleFromCode(int code);

// Resets the drawing state and draws, in black, the primitive with a small
// "N" above its top and the axes of style. The graduations of styles 2 and 3 sit where lines of
// plunge 10 to 80 degrees project, so they move with the projection.
void DrawStereoFrame(DrawingSurface& surface, ProjectionType type, AxesStyle style);

}  // namespace Lodema::Plot
