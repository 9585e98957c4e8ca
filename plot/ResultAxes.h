// The retained Result items of the plot as axes for statistics and
// contouring: the poles of planes, or the lines themselves.
#pragma once

#include <vector>

#include "orient/Records.h"
#include "plot/PlotStore.h"

namespace Lodema::Plot {

enum class AxisKind {
  kPoles,  // poles to planes
  kLines,
};

struct ResultAxes {
  AxisKind kind = AxisKind::kLines;
  // Unit vectors; an item without readable values gives a NaN vector, which
  // statistics and contours count as left out.
  std::vector<OrientGeometry::DirectionCosines> axes;
};

// The axis of one item: the pole of the plane (dip, dip direction) or the
// line (plunge, trend), radians.
OrientGeometry::DirectionCosines AxisOfItem(AxisKind kind, double angle, double azimuth);

// The retained sets' Result items (the current set is not retained); empty
// unless the Result holds planes or lines.
ResultAxes RetainedResultAxes(const PlotStore& store);

}  // namespace Lodema::Plot
