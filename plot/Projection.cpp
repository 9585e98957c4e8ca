// SPDX-License-Identifier: MIT
#include "plot/Projection.h"

#include <algorithm>
#include <cmath>

#include "orient/Primitives.h"

namespace Lodema::Plot {

using OrientGeometry::kHalfPi;
using OrientGeometry::kPi;
using OrientGeometry::kTwoPi;

ProjectionType ProjectionFromCode(int code) {
  return code == 2 ? ProjectionType::kEqualAngle : ProjectionType::kEqualArea;
}

PlotPoint ProjectDirectionExact(ProjectionType type, double plunge, double trend) {
  const double theta = kHalfPi - std::abs(plunge);  // angle from the vertical
  const double r = type == ProjectionType::kEqualAngle
                       ? std::tan(theta / 2.0) * kPrimitiveRadius
                       : std::sqrt(std::max(0.0, 1.0 - std::cos(theta))) * kPrimitiveRadius;
  return {r * std::sin(trend), r * std::cos(trend)};
}

namespace {

// Nearest whole number, halves to even, for |value| <= 1e6 (beyond, the
// value is clamped first); NaN gives 0. Truncation and the subtraction are
// exact, so the result does not depend on the rounding mode. Inline here:
// it runs twice for every symbol of every redraw.
int WholePlotUnits(double value) {
  if (!(std::abs(value) <= 1.0e6)) return std::isnan(value) ? 0 : (value < 0 ? -1000000 : 1000000);
  const int whole = static_cast<int>(value);  // toward zero
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) return whole + 1;
  if (fraction < -0.5 || (fraction == -0.5 && whole % 2 != 0)) return whole - 1;
  return whole;
}

}  // namespace

GridPoint ProjectDirection(ProjectionType type, double plunge, double trend) {
  const PlotPoint p = ProjectDirectionExact(type, plunge, trend);
  return {WholePlotUnits(p.x), WholePlotUnits(p.y)};
}

PlotPoint ProjectUnitVector(ProjectionType type, const OrientGeometry::DirectionCosines& v) {
  // r = R sqrt(1 - cos theta) (equal area) or R tan(theta / 2) (equal angle),
  // with cos theta = down; divided by the horizontal length sqrt(1 - down^2).
  const double down = std::clamp(v.down, 0.0, 1.0);
  const double scale = type == ProjectionType::kEqualAngle
                           ? kPrimitiveRadius / (1.0 + down)
                           : kPrimitiveRadius / std::sqrt(1.0 + down);
  return {v.east * scale, v.north * scale};
}

OrientGeometry::Line UnprojectPosition(ProjectionType type, double x, double y) {
  const double r = std::min(std::hypot(x, y) / kPrimitiveRadius, 1.0);
  const double theta = type == ProjectionType::kEqualAngle ? 2.0 * std::atan(r)
                                                           : OrientGeometry::ArcCos(1.0 - r * r);
  double trend = (x == 0.0 && y == 0.0) ? 0.0 : std::atan2(x, y);
  if (trend < 0.0) trend += kTwoPi;
  if (trend >= kTwoPi) trend = 0.0;
  return {std::max(0.0, kHalfPi - theta), trend};
}

}  // namespace Lodema::Plot
