#include "plot/Projection.h"

#include <algorithm>
#include <cmath>

#include "orient/NumberText.h"
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

GridPoint ProjectDirection(ProjectionType type, double plunge, double trend) {
  const PlotPoint p = ProjectDirectionExact(type, plunge, trend);
  // Values outside the plot (bad input) are kept finite and within int range.
  auto whole = [](double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(NumberText::RoundHalfEven(std::clamp(v, -1.0e6, 1.0e6)));
  };
  return {whole(p.x), whole(p.y)};
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
