// SPDX-License-Identifier: MIT
#include "plot/GreatCircle.h"

#include <algorithm>
#include <cmath>

#include "orient/Primitives.h"

namespace Lodema::Plot {

namespace {

using OrientGeometry::DirectionCosines;
using OrientGeometry::kHalfPi;
using OrientGeometry::kTwoPi;

// Dips this close to 0 or pi/2 are drawn as the primitive or a diameter.
constexpr double kFlatTolerance = 1e-12;
// Largest distance allowed between a chord of the polyline and the curve.
constexpr double kChordTolerance = 0.2;
constexpr int kFirstSegments = 24;
constexpr int kMaxDepth = 14;

struct PlaneFrame {
  DirectionCosines strike;  // horizontal, toward dip direction - pi/2
  DirectionCosines dip;     // down the dip
};

DirectionCosines InPlane(const PlaneFrame& frame, double pitch) {
  const double c = std::cos(pitch);
  const double s = std::sin(pitch);
  return {c * frame.strike.north + s * frame.dip.north, c * frame.strike.east + s * frame.dip.east,
          c * frame.strike.down + s * frame.dip.down};
}

double DistanceToChord(PlotPoint p, PlotPoint a, PlotPoint b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  if (length == 0.0) return std::hypot(p.x - a.x, p.y - a.y);
  return std::abs(dx * (p.y - a.y) - dy * (p.x - a.x)) / length;
}

// Appends the curve strictly after pitch a up to and including pitch b.
void Subdivide(ProjectionType type, const PlaneFrame& frame, double a, PlotPoint pa, double b,
               PlotPoint pb, int depth, double tolerance, std::vector<PlotPoint>& out) {
  const double middle = (a + b) / 2.0;
  const PlotPoint pm = ProjectUnitVector(type, InPlane(frame, middle));
  // The curve bends smoothly and the first segments are short, so the gap at
  // the middle of a chord stands for its largest gap.
  const double error = DistanceToChord(pm, pa, pb);
  if (depth >= kMaxDepth || error <= tolerance) {
    out.push_back(pb);
    return;
  }
  Subdivide(type, frame, a, pa, middle, pm, depth + 1, tolerance, out);
  Subdivide(type, frame, middle, pm, b, pb, depth + 1, tolerance, out);
}

double AngleFrom(PlotPoint centre, PlotPoint p) {
  return std::atan2(p.y - centre.y, p.x - centre.x);
}

double CounterClockwise(double from, double to) {
  double turn = std::fmod(to - from, kTwoPi);
  if (turn < 0.0) turn += kTwoPi;
  return turn;
}

}  // namespace

GreatCircleCurve GreatCircleArc(ProjectionType type, double dip, double dipDirection,
                                double chordTolerance) {
  GreatCircleCurve curve;
  double steepness = std::abs(dip);
  if (!std::isfinite(steepness) || !std::isfinite(dipDirection)) {
    curve.form = GreatCircleCurve::Form::kPolyline;  // with no points: nothing is drawn
    return curve;
  }
  steepness = std::min(steepness, kHalfPi);
  const double strike = dipDirection - kHalfPi;
  const PlotPoint s1{kPrimitiveRadius * std::sin(strike), kPrimitiveRadius * std::cos(strike)};
  const PlotPoint s2{-s1.x, -s1.y};

  if (steepness < kFlatTolerance) return curve;  // the primitive
  if (kHalfPi - steepness < kFlatTolerance) {
    curve.form = GreatCircleCurve::Form::kDiameter;
    curve.from = s2;
    curve.to = s1;
    return curve;
  }

  if (type == ProjectionType::kEqualAngle) {
    // Stereographic: the circle through both strike points, centred
    // R tan(dip) from the centre away from the dip direction.
    const double radius = kPrimitiveRadius / std::cos(steepness);
    if (radius <= kStraightLineRadius) {
      const double offset = kPrimitiveRadius * std::tan(steepness);
      curve.form = GreatCircleCurve::Form::kArc;
      curve.centre = {-offset * std::sin(dipDirection), -offset * std::cos(dipDirection)};
      curve.radius = radius;
      const PlotPoint d = ProjectDirectionExact(type, steepness, dipDirection);
      const double a1 = AngleFrom(curve.centre, s1);
      const double a2 = AngleFrom(curve.centre, s2);
      const double ad = AngleFrom(curve.centre, d);
      const bool fromS1 = CounterClockwise(a1, ad) < CounterClockwise(a1, a2);
      curve.startAngle = fromS1 ? a1 : a2;
      curve.endAngle = fromS1 ? a2 : a1;
      return curve;
    }
  }

  curve.form = GreatCircleCurve::Form::kPolyline;
  const PlaneFrame frame{{std::cos(strike), std::sin(strike), 0.0},
                         {std::cos(steepness) * std::cos(dipDirection),
                          std::cos(steepness) * std::sin(dipDirection), std::sin(steepness)}};
  const double step = OrientGeometry::kPi / kFirstSegments;
  curve.points.reserve(4 * kFirstSegments);
  curve.points.push_back(s1);
  PlotPoint previous = s1;
  for (int i = 1; i <= kFirstSegments; ++i) {
    const double pitch = i * step;
    const PlotPoint next =
        i == kFirstSegments ? s2 : ProjectUnitVector(type, InPlane(frame, pitch));
    Subdivide(type, frame, pitch - step, previous, pitch, next, 0,
              std::max(kChordTolerance, chordTolerance), curve.points);
    previous = next;
  }
  return curve;
}

void DrawGreatCircle(DrawingSurface& surface, const GreatCircleCurve& curve) {
  const Fill saved = surface.fill();
  surface.SetFill({false, saved.colour});
  switch (curve.form) {
    case GreatCircleCurve::Form::kPrimitive:
      surface.Circle({0.0, 0.0}, kPrimitiveRadius);
      break;
    case GreatCircleCurve::Form::kDiameter:
      surface.Line(curve.from, curve.to);
      break;
    case GreatCircleCurve::Form::kArc:
      surface.Arc(curve.centre, curve.radius, curve.startAngle, curve.endAngle);
      break;
    case GreatCircleCurve::Form::kPolyline:
      if (!curve.points.empty()) surface.Polyline(curve.points);
      break;
  }
  surface.SetFill(saved);
  ResetDrawState(surface);
}

}  // namespace Lodema::Plot
