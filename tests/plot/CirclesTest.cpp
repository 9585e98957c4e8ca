// SPDX-License-Identifier: MIT
// The curves of the stereonet: great circles of planes and small circles
// (cones) about a line.
#include <gtest/gtest.h>

#include <cmath>

#include "orient/LinesInPlanes.h"
#include "orient/Primitives.h"
#include "plot/GreatCircle.h"
#include "plot/SmallCircle.h"
#include "tests/plot/RecordingSurface.h"

namespace Lodema::Plot {
namespace {

using OrientGeometry::DegreesToRadians;
using OrientGeometry::kHalfPi;
using OrientGeometry::kPi;
using testing::Distance;
using testing::DistanceToSegment;
using testing::Op;

constexpr auto kArea = ProjectionType::kEqualArea;
constexpr auto kAngle = ProjectionType::kEqualAngle;
constexpr double kOnCurve = 0.5;  // plot units

double CounterClockwise(double from, double to) {
  double turn = std::fmod(to - from, 2 * kPi);
  return turn < 0 ? turn + 2 * kPi : turn;
}

// Distance from p to the drawn curve.
double DistanceToCurve(const GreatCircleCurve& curve, PlotPoint p) {
  switch (curve.form) {
    case GreatCircleCurve::Form::kPrimitive:
      return std::abs(std::hypot(p.x, p.y) - 1000.0);
    case GreatCircleCurve::Form::kDiameter:
      return DistanceToSegment(p, curve.from, curve.to);
    case GreatCircleCurve::Form::kArc: {
      const double a = std::atan2(p.y - curve.centre.y, p.x - curve.centre.x);
      if (CounterClockwise(curve.startAngle, a) >
          CounterClockwise(curve.startAngle, curve.endAngle) + 1e-9) {
        return 1e9;  // on the circle but off the drawn arc
      }
      return std::abs(Distance(p, curve.centre) - curve.radius);
    }
    case GreatCircleCurve::Form::kPolyline: {
      double best = 1e9;
      for (std::size_t i = 1; i < curve.points.size(); ++i) {
        best = std::min(best, DistanceToSegment(p, curve.points[i - 1], curve.points[i]));
      }
      return best;
    }
  }
  return 1e9;
}

// The line at `pitch` from the strike within the plane.
OrientGeometry::DirectionCosines LineInPlane(double dip, double dipDirection, double pitch) {
  const double strike = dipDirection - kHalfPi;
  const double c = std::cos(pitch);
  const double s = std::sin(pitch);
  return {c * std::cos(strike) + s * std::cos(dip) * std::cos(dipDirection),
          c * std::sin(strike) + s * std::cos(dip) * std::sin(dipDirection), s * std::sin(dip)};
}

struct FormRow {
  const char* name;
  ProjectionType type;
  double dip;  // degrees
  double dipDirection;
  GreatCircleCurve::Form form;
};

// (Horizontal, vertical and ordinary equal-angle planes: DrawGreatCircle below.)
TEST(GreatCircleArc, FormByPlaneAndProjection) {
  using Form = GreatCircleCurve::Form;
  const FormRow rows[] = {
      {"horizontal, equal area", kArea, 0, 123, Form::kPrimitive},
      {"vertical, equal area", kArea, 90, 90, Form::kDiameter},
      {"87.5, equal angle: still an arc", kAngle, 87.5, 10, Form::kArc},
      {"88.5, equal angle: still an arc", kAngle, 88.5, 10, Form::kArc},
      {"89.5, equal angle: past the straight-line cut", kAngle, 89.5, 10, Form::kPolyline},
      {"ordinary, equal area: projected curve", kArea, 56, 300, Form::kPolyline},
      {"87.5, equal area", kArea, 87.5, 10, Form::kPolyline},
      {"88.5, equal area", kArea, 88.5, 10, Form::kPolyline},
  };
  for (const FormRow& row : rows) {
    const GreatCircleCurve curve =
        GreatCircleArc(row.type, DegreesToRadians(row.dip), DegreesToRadians(row.dipDirection));
    EXPECT_EQ(curve.form, row.form) << row.name;
  }
}

// Steep planes keep their true dip: lines in a plane of 87.5 or 88.5
// degrees lie on its curve, not on that of an 87 degree or vertical plane;
// those of horizontal and vertical planes on the primitive and the diameter.
TEST(GreatCircleArc, PlanesOfEveryDipPassThroughTheirLines) {
  const double dips[] = {0, 5, 30, 56, 80, 87, 87.5, 88, 88.5, 89.5, 89.99, 90};
  for (const ProjectionType type : {kArea, kAngle}) {
    for (const double dip : dips) {
      for (double dd = 0; dd < 360; dd += 47) {
        const double d = DegreesToRadians(dip);
        const double a = DegreesToRadians(dd);
        const GreatCircleCurve curve = GreatCircleArc(type, d, a);
        for (double pitch = 0; pitch <= 180; pitch += 2.5) {
          const PlotPoint p = ProjectUnitVector(type, LineInPlane(d, a, DegreesToRadians(pitch)));
          ASSERT_LE(DistanceToCurve(curve, p), kOnCurve)
              << (type == kArea ? "area" : "angle") << " dip " << dip << " dd " << dd << " pitch "
              << pitch;
        }
      }
    }
  }
}

// The line at a pitch in a plane, as the pitch calculation gives it, plots
// on the plane's curve (the old three-point arc missed it by up to 20 units
// at a dip of 56, and snapping moved planes of 87-90 degrees).
TEST(GreatCircleArc, LineFromPitchLiesOnItsPlane) {
  const struct {
    double dip;
    double dipDirection;
  } planes[] = {{56, 300}, {56, 45}, {87.5, 120}, {88.5, 200}, {89.2, 10}, {12, 160}};
  for (const ProjectionType type : {kArea, kAngle}) {
    for (const auto& plane : planes) {
      const double d = DegreesToRadians(plane.dip);
      const double a = DegreesToRadians(plane.dipDirection);
      const GreatCircleCurve curve = GreatCircleArc(type, d, a);
      for (double pitch = 5; pitch <= 85; pitch += 20) {
        for (const char* sense : {"N", "S", "E", "W"}) {
          const OrientGeometry::PitchLineResult r =
              OrientGeometry::LineFromPitchInPlane(d, a, DegreesToRadians(pitch), sense);
          const PlotPoint p = ProjectDirectionExact(type, r.line.angle, r.line.azimuth);
          EXPECT_LE(DistanceToCurve(curve, p), kOnCurve)
              << plane.dip << "/" << plane.dipDirection << " pitch " << pitch << sense;
        }
      }
    }
  }
}

TEST(DrawGreatCircle, DrawsEachFormAndResetsThePen) {
  struct Row {
    const char* name;
    double dip;
    Op op;
  } rows[] = {{"horizontal: primitive", 0, Op::kCircle},
              {"vertical: diameter", 90, Op::kLine},
              {"ordinary equal angle: arc", 40, Op::kArc}};
  for (const Row& row : rows) {
    testing::RecordingSurface surface;
    surface.SetPen({{1, 2, 3}, 2, LineStyle::kDash, PenMode::kInvert});
    surface.SetFill({true, {9, 9, 9}});
    DrawGreatCircle(surface, GreatCircleArc(kAngle, DegreesToRadians(row.dip), 0.3));
    ASSERT_EQ(surface.drawn.size(), 1u) << row.name;
    EXPECT_EQ(surface.drawn[0].op, row.op) << row.name;
    EXPECT_FALSE(surface.drawn[0].fill.solid) << row.name;
    EXPECT_EQ(surface.drawn[0].pen.width, 2) << row.name;
    EXPECT_EQ(surface.pen(), (Pen{{1, 2, 3}, 1, LineStyle::kSolid, PenMode::kCopy})) << row.name;
    EXPECT_EQ(surface.fill(), (Fill{true, {9, 9, 9}})) << row.name;
  }
}

struct ConeRow {
  const char* name;
  ProjectionType type;
  double axisPlunge;  // degrees
  double axisTrend;
  double cone;
  std::size_t strokes;
};

TEST(SmallCircleStrokes, BreaksOnlyWhereTheConeLeavesTheLowerHemisphere) {
  const ConeRow rows[] = {
      {"steep axis, narrow cone: one closed stroke", kArea, 70, 40, 15, 1},
      {"same, equal angle", kAngle, 70, 40, 15, 1},
      {"vertical axis", kArea, 90, 0, 30, 1},
      {"cone above the horizontal: two strokes", kArea, 10, 120, 30, 2},
      {"same, equal angle", kAngle, 10, 120, 30, 2},
      {"horizontal axis, wide cone", kArea, 0, 0, 60, 2},
  };
  for (const ConeRow& row : rows) {
    const double axisPlunge = DegreesToRadians(row.axisPlunge);
    const double axisTrend = DegreesToRadians(row.axisTrend);
    const double cone = DegreesToRadians(row.cone);
    const auto strokes = SmallCircleStrokes(row.type, axisPlunge, axisTrend, cone, 100);
    ASSERT_EQ(strokes.size(), row.strokes) << row.name;
    std::size_t points = 0;
    const auto axis = OrientGeometry::LineToDirectionCosines(axisPlunge, axisTrend);
    for (const auto& stroke : strokes) {
      points += stroke.size();
      for (std::size_t i = 1; i < stroke.size(); ++i) {
        EXPECT_LE(Distance(stroke[i - 1], stroke[i]), kStrokeBreakDistance) << row.name;
      }
      for (const PlotPoint& p : stroke) {
        // Each point is at the cone angle from the axis (or its opposite).
        const auto line = UnprojectPosition(row.type, p.x, p.y);
        const auto v = OrientGeometry::LineToDirectionCosines(line);
        const double cosine =
            std::abs(v.north * axis.north + v.east * axis.east + v.down * axis.down);
        EXPECT_NEAR(cosine, std::cos(cone), 1e-9) << row.name;
      }
    }
    if (row.strokes == 1) {
      EXPECT_EQ(points, 101u) << row.name;  // closed: the first point again at the end
      EXPECT_EQ(strokes[0].front(), strokes[0].back()) << row.name;
    } else {
      EXPECT_EQ(points, 100u) << row.name;
    }
  }
}

TEST(SmallCircleDraw, PenOfTheKindThenResetState) {
  testing::RecordingSurface surface;
  SmallCircleDraw(surface, kArea, 1.0, 1.0, 0.3, Pen{}, 0);
  EXPECT_TRUE(surface.drawn.empty());  // no points: nothing
  surface.SetFill({true, {1, 1, 1}});
  const Pen pen{{0, 0, 128}, 1, LineStyle::kSolid, PenMode::kCopy};
  SmallCircleDraw(surface, kArea, DegreesToRadians(10), DegreesToRadians(120), DegreesToRadians(30),
                  pen);
  const auto lines = surface.Of(Op::kPolyline);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].pen, pen);
  EXPECT_FALSE(lines[0].fill.solid);
  EXPECT_EQ(surface.fill(), (Fill{true, {1, 1, 1}}));
  EXPECT_EQ(surface.pen().width, 1);
}

}  // namespace
}  // namespace Lodema::Plot
