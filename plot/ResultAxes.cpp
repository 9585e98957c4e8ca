#include "plot/ResultAxes.h"

#include <cmath>
#include <limits>

#include "orient/Primitives.h"

namespace Lodema::Plot {

OrientGeometry::DirectionCosines AxisOfItem(AxisKind kind, double angle, double azimuth) {
  if (!std::isfinite(angle) || !std::isfinite(azimuth)) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan};
  }
  if (kind == AxisKind::kPoles) {
    const OrientGeometry::Line pole = OrientGeometry::PlaneToPole(angle, azimuth);
    return OrientGeometry::LineToDirectionCosines(pole.angle, pole.azimuth);
  }
  return OrientGeometry::LineToDirectionCosines(angle, azimuth);
}

ResultAxes RetainedResultAxes(const PlotStore& store) {
  ResultAxes result;
  const int type = store.TypeCode(kResult);
  if (type != kTypePlane && type != kTypeLine) return result;
  result.kind = type == kTypePlane ? AxisKind::kPoles : AxisKind::kLines;
  result.axes.reserve(static_cast<std::size_t>(store.RetainedCount()));
  for (int set = 1; set <= store.RetainedCount(); ++set) {
    result.axes.push_back(AxisOfItem(result.kind, store.RetainedValue(set, kResult, 0),
                                     store.RetainedValue(set, kResult, 1)));
  }
  return result;
}

}  // namespace Lodema::Plot
