// SPDX-License-Identifier: MIT
#include "plot/SmallCircle.h"

#include <cmath>

#include "orient/Primitives.h"

namespace Lodema::Plot {

using OrientGeometry::DirectionCosines;

std::vector<std::vector<PlotPoint>> SmallCircleStrokes(ProjectionType type, double axisPlunge,
                                                       double axisTrend, double coneAngle,
                                                       int pointCount) {
  std::vector<std::vector<PlotPoint>> strokes;
  if (pointCount <= 0 || !std::isfinite(axisPlunge) || !std::isfinite(axisTrend) ||
      !std::isfinite(coneAngle)) {
    return strokes;
  }
  // The axis (taken downward) and two directions at right angles to it: u in
  // the axis's vertical plane on its upper side, w horizontal to its right.
  const double p = std::abs(axisPlunge);
  const DirectionCosines axis{std::cos(p) * std::cos(axisTrend), std::cos(p) * std::sin(axisTrend),
                              std::sin(p)};
  const DirectionCosines u{-std::sin(p) * std::cos(axisTrend), -std::sin(p) * std::sin(axisTrend),
                           std::cos(p)};
  const DirectionCosines w{-std::sin(axisTrend), std::cos(axisTrend), 0.0};
  const double along = std::cos(coneAngle);
  const double across = std::sin(coneAngle);
  const double step = OrientGeometry::kTwoPi / pointCount;

  PlotPoint previous;
  for (int i = 0; i < pointCount; ++i) {
    const double c = across * std::cos(i * step);
    const double s = across * std::sin(i * step);
    DirectionCosines v{along * axis.north - c * u.north + s * w.north,
                       along * axis.east - c * u.east + s * w.east,
                       along * axis.down - c * u.down + s * w.down};
    if (v.down < 0.0) v = {-v.north, -v.east, -v.down};  // upward: its antipode
    const PlotPoint point = ProjectUnitVector(type, v);
    if (i == 0 || std::hypot(point.x - previous.x, point.y - previous.y) > kStrokeBreakDistance) {
      strokes.emplace_back();
    }
    strokes.back().push_back(point);
    previous = point;
  }
  const PlotPoint first = strokes.front().front();
  if (pointCount > 1 &&
      std::hypot(first.x - previous.x, first.y - previous.y) <= kStrokeBreakDistance) {
    if (strokes.size() == 1) {
      strokes.front().push_back(first);
    } else {
      // The last stroke runs on into the first: join them into one.
      std::vector<PlotPoint>& last = strokes.back();
      last.insert(last.end(), strokes.front().begin(), strokes.front().end());
      strokes.front() = std::move(last);
      strokes.pop_back();
    }
  }
  return strokes;
}

void SmallCircleDraw(DrawingSurface& surface, ProjectionType type, double axisPlunge,
                     double axisTrend, double coneAngle, const Pen& pen, int pointCount) {
  const Fill saved = surface.fill();
  surface.SetPen(pen);
  surface.SetFill({false, saved.colour});
  for (const std::vector<PlotPoint>& stroke :
       SmallCircleStrokes(type, axisPlunge, axisTrend, coneAngle, pointCount)) {
    if (stroke.size() == 1) {
      surface.Dot(stroke.front());
    } else {
      surface.Polyline(stroke);
    }
  }
  surface.SetFill(saved);
  ResetDrawState(surface);
}

}  // namespace Lodema::Plot
