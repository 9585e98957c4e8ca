// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "SphereVectors.h"
#include "orient/DrillCore.h"
#include "orient/Primitives.h"

namespace {

using namespace OrientGeometry;
using namespace SphereVectors;

constexpr double kDeg = kPi / 180.0;

// Tolerances (radians, or unit-vector components). Results pass through
// LineInAxisFrame, whose 1e-5 snaps bound the error of all but the sweep.
constexpr double kCoreTol = 1e-4;         // all but the sweep
constexpr double kSweepTol = 0.2 * kDeg;  // RefPlaneFromDeltaAngle: tenth-degree sweep

// A core as independent vectors. Every angle around the core turns clockwise
// looking down the core axis (frame.down), on upward cores too; `drill`
// points the way the hole was drilled (up the axis for an upward core). The
// bottom-mark line is the lower side of the core.
struct Core {
  double plunge, trend;
  Frame frame;
  Vec drill, bottomMark;
};
Core MakeCore(double plunge, double trend) {
  const Frame f = FrameOf(plunge, trend);
  return {plunge, trend, f, plunge < 0 ? -f.down : f.down, -f.north};
}
Vec Across(Vec v, const Core& c) { return Unit(v - Dot(v, c.frame.down) * c.frame.down); }
// Top of the ellipse of a plane (unit normal n): its point nearest the collar.
Vec TopOfPlane(Vec n, const Core& c) { return Dot(n, c.drill) >= 0 ? Across(n, c) : -Across(n, c); }
// Top of a line: where its end pointing back toward the collar meets the core.
Vec TopOfLine(Vec l, const Core& c) { return Across(Dot(l, c.drill) <= 0 ? l : -l, c); }
// The end of a plane's ellipse long axis nearest the collar, as a direction
// in the plane, and the plane's pole on the side down the core axis: a line
// at gamma in the plane is the first turned clockwise about the second.
Vec UpHoleEnd(Vec n, const Core& c) { return Unit(Dot(c.drill, n) * n - c.drill); }
Vec PoleDownTheCore(Vec n, const Core& c) { return Dot(n, c.frame.down) >= 0 ? n : -n; }

Core RandomCore(std::mt19937& rng, int i) {
  std::uniform_real_distribution<double> plunge(-kHalfPi, kHalfPi), trend(0.0, kTwoPi);
  const double special[] = {0.0, kHalfPi, -kHalfPi + 1e-3, 1e-3};
  return MakeCore(i % 40 < 4 ? special[i % 40] : plunge(rng), i % 40 == 5 ? kTwoPi : trend(rng));
}

TEST(OrientedCore, EdgeRows) {
  // A line along the core axis is the axis, whatever the beta.
  const Line along = OrientedCore(kCoreLine, 123 * kDeg, 0, kHalfPi, 40 * kDeg, 300 * kDeg);
  EXPECT_NEAR(along.angle, 40 * kDeg, kCoreTol);
  EXPECT_NEAR(along.azimuth, 300 * kDeg, kCoreTol);
  // Vertical core: a plane across it is horizontal (vertical pole, trend pi),
  // one along it is vertical (horizontal pole).
  const Line across = OrientedCore(kCorePlane, 10 * kDeg, 0, 0, kHalfPi, 0);
  EXPECT_EQ(across.angle, kHalfPi);
  EXPECT_NEAR(across.azimuth, kPi, 1e-12);
  EXPECT_NEAR(OrientedCore(kCorePlane, 10 * kDeg, 0, kHalfPi, kHalfPi, 0).angle, 0.0, kCoreTol);
}

// Regression: an alpha a hair from 90 degrees made sqrt(1 - x^2) negative
// inside the line-in-plane step and returned NaN.
TEST(OrientedCore, NearRightAlphaGivesNoNaN) {
  for (double inclination : {kHalfPi - 89.99999999998 * kDeg, 89.99999999998 * kDeg}) {
    const Line l = OrientedCore(kCoreLineInPlane, 262 * kDeg, 62.17 * kDeg, inclination, 66 * kDeg,
                                243 * kDeg);
    EXPECT_TRUE(std::isfinite(l.angle) && std::isfinite(l.azimuth)) << inclination;
    const Line pole = OrientedCore(kCorePlane, 262 * kDeg, 0, inclination, 66 * kDeg, 243 * kDeg);
    EXPECT_NEAR(Dot(VecOf(l), VecOf(pole)), 0.0, kCoreTol) << "in its plane";
  }
}

// Planes and lines built from beta and inclination, measured back on the
// core, give the same beta and inclination; a line at gamma lies in its
// plane at gamma from the up-hole end of the ellipse's long axis, clockwise
// looking down the core axis, pointing that way.
TEST(OrientedCore, MeasuredBackOnTheCore) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> angle(0.0, kTwoPi), incl(0.01, kHalfPi - 0.01);
  for (int i = 0; i < 3000; ++i) {
    const Core c = RandomCore(rng, i);
    const double beta = angle(rng), inclination = incl(rng), gamma = angle(rng);
    const Vec n = VecOf(OrientedCore(kCorePlane, beta, 0, inclination, c.plunge, c.trend));
    EXPECT_NEAR(std::acos(std::fabs(Dot(n, c.frame.down))), inclination, kCoreTol) << i;
    EXPECT_NEAR(
        AzimuthDifference(ClockwiseSeenAlong(c.bottomMark, TopOfPlane(n, c), c.frame.down), beta),
        0.0, kCoreTol)
        << i;

    const Vec l = VecOf(OrientedCore(kCoreLine, beta, 0, inclination, c.plunge, c.trend));
    EXPECT_NEAR(std::asin(std::fabs(Dot(l, c.frame.down))), inclination, kCoreTol) << i;
    EXPECT_NEAR(
        AzimuthDifference(ClockwiseSeenAlong(c.bottomMark, TopOfLine(l, c), c.frame.down), beta),
        0.0, kCoreTol)
        << i;

    const Vec g =
        VecOf(OrientedCore(kCoreLineInPlane, beta, gamma, inclination, c.plunge, c.trend));
    EXPECT_LT(Gap(g, Rotate(UpHoleEnd(n, c), PoleDownTheCore(n, c), gamma)), kCoreTol) << i;
  }
}

// Regression: with the mark at the top of the ellipse (the default) the
// reference plane was ignored, so every plane on core 60/030 answered 210.
TEST(AngleToBottomMark, ReferencePlaneMatters) {
  const Line pole1 = PlaneToPole(30 * kDeg, 90 * kDeg), pole2 = PlaneToPole(60 * kDeg, 200 * kDeg);
  const double a1 =
      AngleToBottomMark(pole1.angle, pole1.azimuth, 60 * kDeg, 30 * kDeg, EllipseEnd::kTop);
  const double a2 =
      AngleToBottomMark(pole2.angle, pole2.azimuth, 60 * kDeg, 30 * kDeg, EllipseEnd::kTop);
  EXPECT_GT(AzimuthDifference(a1, a2), 1.0);
  EXPECT_NEAR(AzimuthDifference(AngleToBottomMark(pole1.angle, pole1.azimuth, 60 * kDeg, 30 * kDeg,
                                                  EllipseEnd::kBottom),
                                a1),
              kPi, 1e-9);
}

// The angle from the reference plane's mark (top or bottom of its ellipse)
// to the bottom mark, and a plane or line measured from that mark, recovered
// by RefPlaneBMCalc in both conventions (regression: the top convention
// gave 11.5/064 on core 60/030 whatever the reference plane). Both turn the
// way OrientedCore's beta does (regression: upward cores were mirrored).
TEST(RefPlaneBMCalc, RecoversFeaturesMeasuredFromTheMark) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> plunge(-kHalfPi, kHalfPi), trend(0.0, kTwoPi);
  for (int i = 0; i < 3000; ++i) {
    const Core c = RandomCore(rng, i);
    const Line refPole = PlaneToPole(plunge(rng), trend(rng));
    const Vec r = VecOf(refPole), n = PoleOf(plunge(rng), trend(rng)),
              l = VecOf(plunge(rng), trend(rng));
    if (std::fabs(Dot(r, c.frame.down)) > 0.9999 || std::fabs(Dot(n, c.frame.down)) > 0.9999 ||
        std::fabs(Dot(l, c.frame.down)) > 0.9999) {
      continue;  // a circle or a point on the core has no mark
    }
    for (const EllipseEnd end : {EllipseEnd::kTop, EllipseEnd::kBottom}) {
      const bool base = end == EllipseEnd::kBottom;
      const Vec mark = base ? -TopOfPlane(r, c) : TopOfPlane(r, c);
      EXPECT_NEAR(AzimuthDifference(
                      AngleToBottomMark(refPole.angle, refPole.azimuth, c.plunge, c.trend, end),
                      ClockwiseSeenAlong(mark, c.bottomMark, c.frame.down)),
                  0.0, kCoreTol)
          << i;
      const double toPlane =
          ClockwiseSeenAlong(mark, base ? -TopOfPlane(n, c) : TopOfPlane(n, c), c.frame.down);
      const Line plane =
          RefPlaneBMCalc(toPlane, std::acos(std::fabs(Dot(n, c.frame.down))), refPole.angle,
                         refPole.azimuth, c.plunge, c.trend, end, false);
      EXPECT_LT(AxisGap(VecOf(plane), n), kCoreTol) << i;
      const double toLine =
          ClockwiseSeenAlong(mark, base ? -TopOfLine(l, c) : TopOfLine(l, c), c.frame.down);
      const Line line =
          RefPlaneBMCalc(toLine, std::asin(std::fabs(Dot(l, c.frame.down))), refPole.angle,
                         refPole.azimuth, c.plunge, c.trend, end, true);
      EXPECT_LT(AxisGap(VecOf(line), l), kCoreTol) << i;
    }
  }
}

// Regression: gamma 0 must give the ellipse's long axis (core 45/200 with
// plane 10/135 gave 5.4/078; a vertical core with 10/224 gave 0/224), from
// its up-hole end (it gave the lower end, the down-hole end on these cores).
// Without a long axis (the plane across the core or along it) gamma runs
// from the down-dip line, or the lower end of the core axis, clockwise seen
// from above, and the line is reversed on an upward core.
TEST(LineFromBetaInRefPlane, WorkedExamples) {
  const struct {
    const char* name;
    double corePlunge, coreTrend, polePlunge, poleTrend, gamma;  // degrees
    double plunge, trend;                                        // expected, degrees
  } rows[] = {
      {"gentle plane", 45, 200, 80, 315, 0, -5.435228, 192.342748},
      {"vertical core", 90, 0, 80, 44, 0, -10, 224},
      {"horizontal long axis", 30, 0, 90, 0, 0, 0, 180},
      {"horizontal long axis, turned", 30, 0, 90, 0, 90, 0, 270},
      {"plane across the core", 50, 30, 50, 30, 0, 40, 210},
      {"plane across an upward core", -50, 30, 50, 30, 40, -29.498704, 257.605914},
      {"plane along a vertical core", 90, 0, 0, 270, 30, 60, 180},
      {"plane along an upward core", -30, 0, 0, 270, 30, -60, 0},
  };
  for (const auto& r : rows) {
    const Line l = LineFromBetaInRefPlane(r.gamma * kDeg, r.corePlunge * kDeg, r.coreTrend * kDeg,
                                          r.polePlunge * kDeg, r.poleTrend * kDeg);
    EXPECT_NEAR(l.angle / kDeg, r.plunge, 1e-5) << r.name;
    EXPECT_NEAR(AzimuthDifference(l.azimuth, r.trend * kDeg) / kDeg, 0.0, 1e-5) << r.name;
  }
}

// The line at gamma in a reference plane is the line that OrientedCore
// builds at gamma in that plane measured on the core (its beta and
// inclination): gamma from the up-hole end of the ellipse's long axis,
// clockwise looking down the core axis, pointing that way, on downward and
// upward cores and whichever way the plane's pole points.
TEST(LineFromBetaInRefPlane, TakesGammaAsTheOrientedCoreDoes) {
  std::mt19937 rng(17);
  std::uniform_real_distribution<double> dip(0.0, kHalfPi), angle(0.0, kTwoPi);
  for (int i = 0; i < 3000; ++i) {
    const Core c = RandomCore(rng, i);
    const Line pole = PlaneToPole(dip(rng), angle(rng));
    const Vec n = VecOf(pole);
    const double across = std::fabs(Dot(n, c.frame.down));
    if (across > 0.9999 || across < 1e-3) continue;  // no long axis
    const double gamma = i % 7 == 0 ? 0.0 : angle(rng);
    const Vec v = VecOf(LineFromBetaInRefPlane(gamma, c.plunge, c.trend, pole.angle, pole.azimuth));
    EXPECT_LT(Gap(v, Rotate(UpHoleEnd(n, c), PoleDownTheCore(n, c), gamma)), kCoreTol) << i;
    const double beta = ClockwiseSeenAlong(c.bottomMark, TopOfPlane(n, c), c.frame.down);
    const Vec oriented =
        VecOf(OrientedCore(kCoreLineInPlane, beta, gamma, std::acos(across), c.plunge, c.trend));
    EXPECT_LT(Gap(v, oriented), kCoreTol) << i;
  }
}

TEST(RefPlaneFromDeltaAngle, SpecialCones) {
  // Zero cone: the pole is the core axis (downward).
  const RefPlaneSolutions zero = RefPlaneFromDeltaAngle(
      -40 * kDeg, 70 * kDeg, 0, 0, 0, ReferenceDirection::kStrike, SteepDipRange::kBelow30);
  ASSERT_TRUE(zero.first.has_value());
  EXPECT_EQ(zero.first->angle, 40 * kDeg);
  EXPECT_FALSE(zero.second.has_value());
  // Right cone: the pole is normal to both the core and the strike line.
  const RefPlaneSolutions right =
      RefPlaneFromDeltaAngle(30 * kDeg, 40 * kDeg, kHalfPi, 0, 100 * kDeg,
                             ReferenceDirection::kStrike, SteepDipRange::kBelow30);
  ASSERT_TRUE(right.first.has_value());
  EXPECT_NEAR(Dot(VecOf(*right.first), VecOf(30 * kDeg, 40 * kDeg)), 0.0, 1e-9);
  EXPECT_NEAR(Dot(VecOf(*right.first), VecOf(0, 100 * kDeg)), 0.0, 1e-9);
  // A fold axis 10 degrees from the core and a 20 degree cone never meet.
  const RefPlaneSolutions none =
      RefPlaneFromDeltaAngle(60 * kDeg, 0, 20 * kDeg, 70 * kDeg, 0, ReferenceDirection::kFoldAxis,
                             SteepDipRange::kBelow30);
  EXPECT_FALSE(none.first.has_value());
  EXPECT_FALSE(none.second.has_value());
}

// Choice between the two planes on core 60/090 with a north-south strike:
// cone 25 gives dips 55 and 5 (both dipping west), cone 50 gives 80 west and
// 20 east, cone 12 on core 80/090 gives 22 and 2.
TEST(RefPlaneFromDeltaAngle, PreferredSolutionComesFirst) {
  struct Row {
    const char* name;
    double corePlunge, cone, refPlunge, refDirection;  // degrees
    ReferenceDirection given;
    SteepDipRange steepDip;
    double firstDip, secondDip;  // degrees; second -1 when none
  } rows[] = {
      {"gentle range", 60, 25, 0, 180, ReferenceDirection::kStrike, SteepDipRange::kBelow30, 5, 55},
      {"moderate range", 60, 25, 0, 180, ReferenceDirection::kStrike, SteepDipRange::k30To60, 55,
       5},
      {"steep range: the nearer", 60, 25, 0, 180, ReferenceDirection::kStrike,
       SteepDipRange::kAbove60, 55, 5},
      {"both in range: nearer its middle", 80, 12, 0, 180, ReferenceDirection::kStrike,
       SteepDipRange::kBelow30, 22, 2},
      // Two dips inside one range, once with each of the sweep's orders:
      // the one nearer the middle of the range (15, 45, 75) comes first.
      {"gentle pair, lower nearer 15", 72, 10, 0, 180, ReferenceDirection::kStrike,
       SteepDipRange::kBelow30, 8, 28},
      {"moderate pair, lower nearer 45", 42, 10, 0, 180, ReferenceDirection::kStrike,
       SteepDipRange::k30To60, 38, 58},
      {"moderate pair, upper nearer 45", 48, 10, 0, 180, ReferenceDirection::kStrike,
       SteepDipRange::k30To60, 52, 32},
      {"steep pair, lower nearer 75", 10, 8, 0, 180, ReferenceDirection::kStrike,
       SteepDipRange::kAbove60, 72, 88},
      {"steep pair, upper nearer 75", 20, 8, 0, 180, ReferenceDirection::kStrike,
       SteepDipRange::kAbove60, 78, 62},
      {"both dip west: range decides", 60, 25, 0, 270, ReferenceDirection::kDipDirection,
       SteepDipRange::kBelow30, 5, 55},
      {"approximate dip 10", 60, 25, 10, 270, ReferenceDirection::kApproximate,
       SteepDipRange::kAbove60, 5, 55},
      {"approximate dip 50", 60, 25, 50, 270, ReferenceDirection::kApproximate,
       SteepDipRange::kBelow30, 55, 5},
      {"dip direction east decides", 60, 50, 0, 90, ReferenceDirection::kDipDirection,
       SteepDipRange::kAbove60, 20, -1},
      {"dip direction west decides", 60, 50, 0, 270, ReferenceDirection::kDipDirection,
       SteepDipRange::kBelow30, 80, -1},
  };
  for (const auto& r : rows) {
    const RefPlaneSolutions s =
        RefPlaneFromDeltaAngle(r.corePlunge * kDeg, 90 * kDeg, r.cone * kDeg, r.refPlunge * kDeg,
                               r.refDirection * kDeg, r.given, r.steepDip);
    ASSERT_TRUE(s.first.has_value()) << r.name;
    EXPECT_NEAR(NormalOf(*s.first).angle, r.firstDip * kDeg, kSweepTol) << r.name;
    EXPECT_EQ(s.second.has_value(), r.secondDip >= 0) << r.name;
    if (s.second) {
      EXPECT_NEAR(NormalOf(*s.second).angle, r.secondDip * kDeg, kSweepTol) << r.name;
    }
  }
}

// A plane through the reference line whose pole lies at the cone angle from
// the core is found; every answer is on the cone and normal to the line.
TEST(RefPlaneFromDeltaAngle, FindsPlanesThroughTheReferenceLine) {
  std::mt19937 rng(23);
  std::uniform_real_distribution<double> plunge(-kHalfPi, kHalfPi), trend(0.0, kTwoPi);
  for (int i = 0; i < 300; ++i) {
    const Core c = RandomCore(rng, i);
    const bool foldAxis = i % 2 == 0;
    const Line ref{foldAxis ? std::fabs(plunge(rng)) : 0.0, trend(rng)};
    const Vec refVec = VecOf(ref);
    const Vec truePole = Unit(Cross(refVec, VecOf(plunge(rng), trend(rng))));
    const Vec axis = VecOf(std::fabs(c.plunge), c.trend);
    const double cone = std::acos(std::fabs(Dot(truePole, axis)));
    const RefPlaneSolutions s = RefPlaneFromDeltaAngle(
        c.plunge, c.trend, cone, ref.angle, ref.azimuth,
        foldAxis ? ReferenceDirection::kFoldAxis : ReferenceDirection::kStrike,
        static_cast<SteepDipRange>(i % 3));
    ASSERT_TRUE(s.first.has_value()) << i;
    double nearest = kPi;
    for (int k = 0; k < (s.second ? 2 : 1); ++k) {
      const Line& p = k == 0 ? *s.first : *s.second;
      EXPECT_NEAR(std::acos(std::fabs(Dot(VecOf(p), axis))), cone, kSweepTol) << i;
      EXPECT_NEAR(Dot(VecOf(p), refVec), 0.0, kSweepTol) << i;
      nearest = std::min(nearest, AxisGap(VecOf(p), truePole));
    }
    // Two near-tangent solutions fall in one group of the sweep and give one
    // answer, a few degrees from either.
    EXPECT_LT(nearest, s.second ? kSweepTol : 5.0 * kDeg) << i;
  }
}

}  // namespace
