// SPDX-License-Identifier: MIT
// Lower-hemisphere projections of directions onto the plot (radius 1000
// plot units) and back.
#pragma once

#include "orient/Records.h"
#include "plot/Surface.h"

namespace Lodema::Plot {

// Values as stored in the settings ("gPlotType"): 1 equal area, 2 equal angle.
enum class ProjectionType : int { kEqualArea = 1, kEqualAngle = 2 };

// Any stored number other than 2 means equal area.
ProjectionType ProjectionFromCode(int code);

inline constexpr double kPrimitiveRadius = 1000.0;

// A projected position in whole plot units, as symbols are placed.
struct GridPoint {
  int x = 0;
  int y = 0;
  bool operator==(const GridPoint&) const = default;
};

// Position of the line (plunge, trend) in radians: |plunge| is used, so an
// upward line (negative plunge, trend already reversed) lands in the lower
// hemisphere. Rounded to whole units with halves to even; a horizontal line
// lands on the primitive, a vertical one on the centre.
GridPoint ProjectDirection(ProjectionType type, double plunge, double trend);

// The same position unrounded.
PlotPoint ProjectDirectionExact(ProjectionType type, double plunge, double trend);

// Position of a unit vector (north, east, down) with down >= 0.
PlotPoint ProjectUnitVector(ProjectionType type, const OrientGeometry::DirectionCosines& v);

// The downward line whose projection is (x, y): plunge in [0, pi/2], trend in
// [0, 2 pi) clockwise from north. Points beyond the primitive give a
// horizontal line in their direction.
OrientGeometry::Line UnprojectPosition(ProjectionType type, double x, double y);

}  // namespace Lodema::Plot
