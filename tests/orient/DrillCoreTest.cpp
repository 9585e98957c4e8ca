#include <gtest/gtest.h>

#include <cmath>
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
constexpr double kCoreTol = 1e-4;         // OrientedCore, RefPlaneBMCalc, AngleToBottomMark
constexpr double kRefLineTol = 1e-6;      // LineFromBetaInRefPlane
constexpr double kSweepTol = 0.2 * kDeg;  // RefPlaneFromDeltaAngle: tenth-degree sweep

// A core as independent vectors. Beta in OrientedCore turns clockwise
// looking down the core axis (frame.down); angles from a reference mark turn
// clockwise looking in the drilling direction (up the axis for an upward
// core). The bottom-mark line is the lower side of the core.
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
// plane at gamma from the ellipse's long axis (clockwise looking along the
// pole's end that points down the core axis).
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
    const Vec downPole = Dot(n, c.frame.down) >= 0 ? n : -n;
    const Vec axisInPlane = Unit(c.frame.down - Dot(c.frame.down, n) * n);
    EXPECT_LT(AxisGap(g, Rotate(axisInPlane, downPole, gamma)), kCoreTol) << i;
  }
}

// Regression: with the mark at the top of the ellipse (the default) the
// reference plane was ignored, so every plane on core 60/030 answered 210.
TEST(AngleToBottomMark, ReferencePlaneMatters) {
  const Line pole1 = PlaneToPole(30 * kDeg, 90 * kDeg), pole2 = PlaneToPole(60 * kDeg, 200 * kDeg);
  const double a1 = AngleToBottomMark(pole1.angle, pole1.azimuth, 60 * kDeg, 30 * kDeg, false);
  const double a2 = AngleToBottomMark(pole2.angle, pole2.azimuth, 60 * kDeg, 30 * kDeg, false);
  EXPECT_GT(AzimuthDifference(a1, a2), 1.0);
  EXPECT_NEAR(AzimuthDifference(
                  AngleToBottomMark(pole1.angle, pole1.azimuth, 60 * kDeg, 30 * kDeg, true), a1),
              kPi, 1e-9);
}

// The angle from the reference plane's mark (top or bottom of its ellipse)
// to the bottom mark, and a plane or line measured from that mark, recovered
// by RefPlaneBMCalc in both conventions (regression: the top convention
// gave 11.5/064 on core 60/030 whatever the reference plane).
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
    for (bool base : {false, true}) {
      const Vec mark = base ? -TopOfPlane(r, c) : TopOfPlane(r, c);
      EXPECT_NEAR(AzimuthDifference(
                      AngleToBottomMark(refPole.angle, refPole.azimuth, c.plunge, c.trend, base),
                      ClockwiseSeenAlong(mark, c.bottomMark, c.drill)),
                  0.0, kCoreTol)
          << i;
      const double toPlane =
          ClockwiseSeenAlong(mark, base ? -TopOfPlane(n, c) : TopOfPlane(n, c), c.drill);
      const Line plane =
          RefPlaneBMCalc(toPlane, std::acos(std::fabs(Dot(n, c.frame.down))), refPole.angle,
                         refPole.azimuth, c.plunge, c.trend, base, false);
      EXPECT_LT(AxisGap(VecOf(plane), n), kCoreTol) << i;
      const double toLine =
          ClockwiseSeenAlong(mark, base ? -TopOfLine(l, c) : TopOfLine(l, c), c.drill);
      const Line line =
          RefPlaneBMCalc(toLine, std::asin(std::fabs(Dot(l, c.frame.down))), refPole.angle,
                         refPole.azimuth, c.plunge, c.trend, base, true);
      EXPECT_LT(AxisGap(VecOf(line), l), kCoreTol) << i;
    }
  }
}

// Regression: gamma 0 must give the ellipse's long axis (core 45/200 with
// plane 10/135 gave 5.4/078; a vertical core with 10/224 gave 0/224).
TEST(LineFromBetaInRefPlane, WorkedExamples) {
  const Line a = LineFromBetaInRefPlane(0, 45 * kDeg, 200 * kDeg, 80 * kDeg, 315 * kDeg);
  EXPECT_NEAR(a.angle / kDeg, 5.44, 0.01);
  EXPECT_NEAR(a.azimuth / kDeg, 192.34, 0.01);
  const Line b = LineFromBetaInRefPlane(0, kHalfPi, 0, 80 * kDeg, 44 * kDeg);
  EXPECT_NEAR(b.angle, 10 * kDeg, kRefLineTol);
  EXPECT_NEAR(b.azimuth, 224 * kDeg, kRefLineTol);
  // Core normal to the plane: no long axis, measured from the dip line.
  const Line c = LineFromBetaInRefPlane(0, 50 * kDeg, 30 * kDeg, 50 * kDeg, 30 * kDeg);
  EXPECT_NEAR(c.angle, 40 * kDeg, kRefLineTol);
  EXPECT_NEAR(c.azimuth, 210 * kDeg, kRefLineTol);
}

// Every result lies in the reference plane, at the angle from the downward
// end of the long axis clockwise seen from above; reversed for an upward core.
TEST(LineFromBetaInRefPlane, LiesInPlaneAtAngleFromLongAxis) {
  std::mt19937 rng(17);
  std::uniform_real_distribution<double> plunge(-kHalfPi, kHalfPi), trend(0.0, kTwoPi);
  for (int i = 0; i < 3000; ++i) {
    const Core c = RandomCore(rng, i);
    const Line pole = PlaneToPole(plunge(rng), trend(rng));
    const Vec n = VecOf(pole);
    if (std::fabs(Dot(n, c.frame.down)) > 0.9999) continue;
    const double angle = i % 7 == 0 ? 0.0 : trend(rng);
    Vec longAxis = Unit(c.frame.down - Dot(c.frame.down, n) * n);
    if (longAxis.d < 0) longAxis = -longAxis;
    const Vec expected = Rotate(longAxis, n, angle);
    const Vec v = VecOf(LineFromBetaInRefPlane(angle, c.plunge, c.trend, pole.angle, pole.azimuth));
    EXPECT_NEAR(Dot(v, n), 0.0, kRefLineTol) << i;
    if (std::fabs(expected.d) > 1e-6) {
      EXPECT_LT(Gap(v, c.plunge < 0 ? -expected : expected), kRefLineTol) << i;
    } else {
      EXPECT_LT(AxisGap(v, expected), kRefLineTol) << i;
    }
  }
}

TEST(RefPlaneFromDeltaAngle, SpecialCones) {
  // Zero cone: the pole is the core axis (downward).
  const RefPlaneSolutions zero = RefPlaneFromDeltaAngle(-40 * kDeg, 70 * kDeg, 0, 0, 0, 1, 0);
  EXPECT_TRUE(zero.found);
  EXPECT_EQ(zero.first.angle, 40 * kDeg);
  EXPECT_FALSE(zero.hasSecond);
  EXPECT_EQ(zero.second.angle, kNoSecondPlunge);
  // Right cone: the pole is normal to both the core and the strike line.
  const RefPlaneSolutions right =
      RefPlaneFromDeltaAngle(30 * kDeg, 40 * kDeg, kHalfPi, 0, 100 * kDeg, kRefStrike, 0);
  ASSERT_TRUE(right.found);
  EXPECT_NEAR(Dot(VecOf(right.first), VecOf(30 * kDeg, 40 * kDeg)), 0.0, 1e-9);
  EXPECT_NEAR(Dot(VecOf(right.first), VecOf(0, 100 * kDeg)), 0.0, 1e-9);
  // A fold axis 10 degrees from the core and a 20 degree cone never meet.
  const RefPlaneSolutions none =
      RefPlaneFromDeltaAngle(60 * kDeg, 0, 20 * kDeg, 70 * kDeg, 0, kRefFoldAxis, 0);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.first.azimuth, kNoSolutionTrend);
}

// Choice between the two planes on core 60/090 with a north-south strike:
// cone 25 gives dips 55 and 5 (both dipping west), cone 50 gives 80 west and
// 20 east, cone 12 on core 80/090 gives 22 and 2.
TEST(RefPlaneFromDeltaAngle, PreferredSolutionComesFirst) {
  struct Row {
    const char* name;
    double corePlunge, cone, refPlunge, refDirection;  // degrees
    int refDirn, steepDip;
    double firstDip, secondDip;  // degrees; second -1 when none
  } rows[] = {
      {"gentle range", 60, 25, 0, 180, kRefStrike, kDipBelow30, 5, 55},
      {"moderate range", 60, 25, 0, 180, kRefStrike, kDip30To60, 55, 5},
      {"steep range: the nearer", 60, 25, 0, 180, kRefStrike, kDipAbove60, 55, 5},
      {"both in range: nearer its middle", 80, 12, 0, 180, kRefStrike, kDipBelow30, 22, 2},
      // Two dips inside one range, once with each of the sweep's orders:
      // the one nearer the middle of the range (15, 45, 75) comes first.
      {"gentle pair, lower nearer 15", 72, 10, 0, 180, kRefStrike, kDipBelow30, 8, 28},
      {"moderate pair, lower nearer 45", 42, 10, 0, 180, kRefStrike, kDip30To60, 38, 58},
      {"moderate pair, upper nearer 45", 48, 10, 0, 180, kRefStrike, kDip30To60, 52, 32},
      {"steep pair, lower nearer 75", 10, 8, 0, 180, kRefStrike, kDipAbove60, 72, 88},
      {"steep pair, upper nearer 75", 20, 8, 0, 180, kRefStrike, kDipAbove60, 78, 62},
      {"both dip west: range decides", 60, 25, 0, 270, kRefDipDirection, kDipBelow30, 5, 55},
      {"approximate dip 10", 60, 25, 10, 270, kRefApproximate, kDipAbove60, 5, 55},
      {"approximate dip 50", 60, 25, 50, 270, kRefApproximate, kDipBelow30, 55, 5},
      {"dip direction east decides", 60, 50, 0, 90, kRefDipDirection, kDipAbove60, 20, -1},
      {"dip direction west decides", 60, 50, 0, 270, kRefDipDirection, kDipBelow30, 80, -1},
  };
  for (const auto& r : rows) {
    const RefPlaneSolutions s =
        RefPlaneFromDeltaAngle(r.corePlunge * kDeg, 90 * kDeg, r.cone * kDeg, r.refPlunge * kDeg,
                               r.refDirection * kDeg, r.refDirn, r.steepDip);
    ASSERT_TRUE(s.found) << r.name;
    EXPECT_NEAR(NormalOf(s.first).angle, r.firstDip * kDeg, kSweepTol) << r.name;
    EXPECT_EQ(s.hasSecond, r.secondDip >= 0) << r.name;
    if (s.hasSecond) {
      EXPECT_NEAR(NormalOf(s.second).angle, r.secondDip * kDeg, kSweepTol) << r.name;
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
    const RefPlaneSolutions s =
        RefPlaneFromDeltaAngle(c.plunge, c.trend, cone, ref.angle, ref.azimuth,
                               foldAxis ? kRefFoldAxis : kRefStrike, i % 3);
    ASSERT_TRUE(s.found) << i;
    double nearest = kPi;
    for (int k = 0; k < (s.hasSecond ? 2 : 1); ++k) {
      const Line& p = k == 0 ? s.first : s.second;
      EXPECT_NEAR(std::acos(std::fabs(Dot(VecOf(p), axis))), cone, kSweepTol) << i;
      EXPECT_NEAR(Dot(VecOf(p), refVec), 0.0, kSweepTol) << i;
      nearest = std::min(nearest, AxisGap(VecOf(p), truePole));
    }
    // Two near-tangent solutions fall in one group of the sweep and give one
    // answer, a few degrees from either.
    EXPECT_LT(nearest, s.hasSecond ? kSweepTol : 5.0 * kDeg) << i;
  }
}

}  // namespace
