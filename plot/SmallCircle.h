// SPDX-License-Identifier: MIT
// Small circles: the cone of directions at a fixed angle about an axis.
#pragma once

#include <vector>

#include "plot/Projection.h"
#include "plot/Surface.h"

namespace Lodema::Plot {

// The points of the cone drawn as the plot draws it (100 points).
inline constexpr int kSmallCirclePoints = 100;

// Consecutive points further apart than this are not joined: the cone has
// left the lower hemisphere there and comes back on the opposite side.
inline constexpr double kStrokeBreakDistance = 1000.0;

// The cone of half-angle coneAngle about the axis (axisPlunge, axisTrend),
// all radians, as strokes of projected points: pointCount directions evenly
// spaced around the axis. Parts of the cone above the horizontal appear at
// their antipodes. A stroke of one point is a lone dot. A cone that stays
// joined all round is closed (its last point is joined to its first).
// pointCount <= 0 gives no strokes.
std::vector<std::vector<PlotPoint>> SmallCircleStrokes(ProjectionType type, double axisPlunge,
                                                       double axisTrend, double coneAngle,
                                                       int pointCount);

// Draws the cone in pen (fill transparent), then ResetDrawState.
void SmallCircleDraw(DrawingSurface& surface, ProjectionType type, double axisPlunge,
                     double axisTrend, double coneAngle, const Pen& pen,
                     int pointCount = kSmallCirclePoints);

}  // namespace Lodema::Plot
