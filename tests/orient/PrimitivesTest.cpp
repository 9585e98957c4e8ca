// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "orient/Primitives.h"

namespace {

using namespace OrientGeometry;

constexpr double kDeg = kPi / 180.0;
constexpr double kAngleTol = 1e-12;  // radians, for closed-form results
constexpr double kVecTol = 1e-12;    // components of unit vectors

struct LineVectorRow {
  const char* name;
  double plunge, trend;      // degrees
  double north, east, down;  // expected vector
};

TEST(LineToDirectionCosines, KnownVectors) {
  const double h = std::sqrt(0.5);
  const LineVectorRow rows[] = {
      {"horizontal north", 0, 0, 1, 0, 0},
      {"horizontal east", 0, 90, 0, 1, 0},
      {"vertical down", 90, 0, 0, 0, 1},
      {"45 toward south-west", 45, 225, -0.5, -0.5, h},
      // An upward line is the downward one reversed: it points up toward 225.
      {"upward 30 toward 45", -30, 45, -std::cos(30 * kDeg) * h, -std::cos(30 * kDeg) * h, -0.5},
      {"trend of two pi", 10, 360, std::cos(10 * kDeg), 0, std::sin(10 * kDeg)},
  };
  for (const auto& r : rows) {
    const DirectionCosines v = LineToDirectionCosines(r.plunge * kDeg, r.trend * kDeg);
    EXPECT_NEAR(v.north, r.north, kVecTol) << r.name;
    EXPECT_NEAR(v.east, r.east, kVecTol) << r.name;
    EXPECT_NEAR(v.down, r.down, kVecTol) << r.name;
  }
}

struct VectorLineRow {
  const char* name;
  double north, east, down;
  double plunge, trend;  // radians
};

TEST(DirectionCosinesToLine, QuadrantsAndPolarity) {
  const VectorLineRow rows[] = {
      {"vertical upward loses polarity", 0, 0, -1, kPi / 2.0, 0},
      {"south", -1, 0, 0, 0, kPi},
      {"west", 0, -1, 0, 0, kThreeHalfPi},
      {"upward toward north-east", 1, 1, -std::sqrt(2.0), -kPi / 4.0, 5.0 * kPi / 4.0},
      {"unnormalised north-west", 2, -2, 0, 0, 7.0 * kPi / 4.0},
  };
  for (const auto& r : rows) {
    const Line l = DirectionCosinesToLine(r.north, r.east, r.down);
    EXPECT_NEAR(l.angle, r.plunge, kAngleTol) << r.name;
    EXPECT_NEAR(l.azimuth, r.trend, kAngleTol) << r.name;
  }
}

// Round trip through the vector keeps plunge sign and trend for non-vertical lines.
TEST(DirectionCosines, RoundTripRandomLines) {
  std::mt19937 rng(20261206);
  std::uniform_real_distribution<double> plunge(-89.9, 89.9), trend(0.0, 359.999);
  for (int i = 0; i < 5000; ++i) {
    const double p = plunge(rng) * kDeg, t = trend(rng) * kDeg;
    const DirectionCosines v = LineToDirectionCosines(p, t);
    EXPECT_NEAR(v.north * v.north + v.east * v.east + v.down * v.down, 1.0, 1e-14);
    const Line back = DirectionCosinesToLine(v);
    EXPECT_NEAR(back.angle, p, 1e-11);
    EXPECT_NEAR(std::remainder(back.azimuth - t, kTwoPi), 0.0, 1e-11);
  }
}

// Both ends of the radian range are the edges test's (below).
TEST(Wrap, ClosedIntervalAndLargeValues) {
  EXPECT_NEAR(WrapRadians(kTwoPi + 1e-3), 1e-3, 1e-15);
  EXPECT_EQ(WrapRadians(-kPi), kPi);
  EXPECT_EQ(WrapDegrees(360.0), 360.0);
  EXPECT_EQ(WrapDegrees(-30.0), 330.0);
  // Guards against the one-turn-per-step loop hanging on huge angles.
  const double big = WrapRadians(1e21);
  EXPECT_GE(big, 0.0);
  EXPECT_LE(big, kTwoPi);
  EXPECT_NEAR(std::sin(big), std::sin(std::fmod(1e21, kTwoPi)), 1e-9);
  const double hugeDegrees = WrapDegrees(-1e300);
  EXPECT_TRUE(hugeDegrees >= 0.0 && hugeDegrees <= 360.0);
  // Non-finite input gives NaN rather than looping forever.
  EXPECT_TRUE(std::isnan(WrapRadians(std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(std::isnan(WrapRadians(std::nan(""))));
  EXPECT_TRUE(std::isnan(AddAngles(1.0, -std::numeric_limits<double>::infinity())));
  EXPECT_NEAR(AddAngles(kThreeHalfPi, kPi), kHalfPi, 1e-14);
}

TEST(UnitConversion, NonNumbersGiveNoValue) {
  EXPECT_EQ(DegreesToRadians(180.0), kPi);
  EXPECT_EQ(FiniteDegreesToRadians(-90.0), -kHalfPi);
  // Values read from outside that are not numbers are refused, never turned
  // into an angle (the old 9999 "radians" was a valid-looking input).
  for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(FiniteDegreesToRadians(bad).has_value()) << bad;
  }
  EXPECT_EQ(RadiansToDegrees(std::numeric_limits<double>::infinity()), 0.0);
  EXPECT_NEAR(RadiansToDegrees(kHalfPi), 90.0, 1e-13);
}

TEST(InverseTrig, ClampedAndExactEnds) {
  EXPECT_EQ(ArcCos(1.0000000001), 0.0);
  EXPECT_EQ(ArcCos(-1.0), kPi);
  EXPECT_EQ(ArcSin(-1.0), -kPi / 2.0);
  EXPECT_EQ(ArcSin(2.0), kPi / 2.0);
  for (double x = -0.99; x < 1.0; x += 0.11) {
    EXPECT_NEAR(ArcCos(x), std::acos(x), 1e-14) << x;
    EXPECT_NEAR(ArcSin(x), std::asin(x), 1e-14) << x;
  }
}

TEST(PoleAndNormal, AgreeWithVectors) {
  const Line horizontalPlanePole = PlaneToPole(0.0, 1.0);
  EXPECT_EQ(horizontalPlanePole.angle, kPi / 2.0);
  const Line verticalPole = PlaneToPole(kPi / 2.0, 0.0);
  EXPECT_EQ(verticalPole.angle, 0.0);
  EXPECT_EQ(verticalPole.azimuth, kPi);
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> dip(0.0, 90.0), dir(0.0, 359.99);
  for (int i = 0; i < 2000; ++i) {
    const double d = dip(rng) * kDeg, dd = dir(rng) * kDeg;
    const Line pole = PlaneToPole(d, dd);
    const Orientation normal = NormalOf(d, dd);
    EXPECT_NEAR(pole.angle, normal.angle, 1e-15);
    EXPECT_NEAR(std::remainder(pole.azimuth - normal.azimuth, kTwoPi), 0.0, 1e-12);
    // The dip line of the plane is at right angles to its pole.
    const DirectionCosines p = LineToDirectionCosines(pole);
    const DirectionCosines dipLine = LineToDirectionCosines(d, dd);
    EXPECT_NEAR(p.north * dipLine.north + p.east * dipLine.east + p.down * dipLine.down, 0.0,
                1e-12);
  }
}

TEST(AngleBetween, AcuteAndObtuse) {
  EXPECT_NEAR(AngleBetweenLines(0.3, 1.0, 0.3, 1.0, false), 0.0, 1e-7);
  EXPECT_NEAR(AngleBetweenLines(0.3, 1.0, 0.3, 1.0, true), kPi, 1e-7);
  EXPECT_NEAR(AngleBetweenLines(0, 0, 0, kHalfPi, true), kHalfPi, 1e-14);
  EXPECT_NEAR(AngleBetweenLines(0, 0, 0, kHalfPi, false), kHalfPi, 1e-14);
  EXPECT_NEAR(AngleBetweenLines(0, 0, 30 * kDeg, kPi, false), 30 * kDeg, 1e-12);
  EXPECT_NEAR(AngleBetweenPlanes(30 * kDeg, 0, 50 * kDeg, 0, false), 20 * kDeg, 1e-12);
}

struct AzimuthRow {
  const char* name;
  double a, b, c;
  bool expected;
};

TEST(AzimuthComparisons, ClockwiseAndBetween) {
  EXPECT_EQ(ClockwiseAngle(350, 10, true), 20);
  EXPECT_EQ(ClockwiseAngle(10, 350, true), 340);
  EXPECT_EQ(ClockwiseAngle(360, 0, true), 0);
  EXPECT_NEAR(ClockwiseAngle(kTwoPi, kHalfPi), kHalfPi, 1e-15);
  const AzimuthRow rows[] = {
      {"arc across north", 350, 5, 20, true},
      {"long arc excludes", 20, 5, 350, false},
      {"inclusive low", 10, 10, 20, true},
      {"full turn counts as zero", 360, 0, 10, true},
  };
  for (const auto& r : rows) EXPECT_EQ(IsAngleBetween(r.a, r.b, r.c, true), r.expected) << r.name;
  EXPECT_EQ(NearerAngle(0.1, 3.0, kTwoPi - 0.05), 0.1);
  EXPECT_EQ(NearerAngle(1.0, 2.0, 1.5), 1.0);  // a tie goes to the first
  EXPECT_EQ(NearerAngle(1.0, 2.0, 1.6), 2.0);
}

TEST(WrapRadiansEdges, InRangeShortcutMeetsTheReductionAtItsEnds) {
  // Each side of both ends of [0, two pi]: the in-range shortcut and the
  // reduction must join without a gap or a changed bit.
  struct Row {
    const char* name;
    double angle;
    double expected;
  };
  const double above = std::nextafter(kTwoPi, 10.0);
  const double below = std::nextafter(0.0, -1.0);
  const Row rows[] = {
      {"zero", 0.0, 0.0},
      {"two pi", kTwoPi, kTwoPi},
      {"just under two pi", std::nextafter(kTwoPi, 0.0), std::nextafter(kTwoPi, 0.0)},
      {"just over two pi", above, above - kTwoPi},
      {"least negative", below, below + kTwoPi},
      {"minus two pi", -kTwoPi, 0.0},
      {"three turns", 3.0 * kTwoPi + 0.5, 3.0 * kTwoPi + 0.5 - kTwoPi - kTwoPi - kTwoPi},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(WrapRadians(r.angle), r.expected);
  }
  // -0 stays -0, as the repeated subtraction always left it.
  EXPECT_TRUE(std::signbit(WrapRadians(-0.0)));
  EXPECT_TRUE(std::isnan(WrapRadians(-std::numeric_limits<double>::infinity())));
}

}  // namespace
