// SPDX-License-Identifier: MIT
// The memo must hand back exactly the bits of std::sin and std::cos, and the
// constructions that share one must give exactly the bits they give alone:
// batch output is compared byte for byte between releases.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <set>
#include <vector>

#include "orient/Constructions.h"
#include "orient/LinesInPlanes.h"
#include "orient/Primitives.h"
#include "orient/SineCosineMemo.h"

namespace {

using namespace OrientGeometry;

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// Same bits, or both NaN (a NaN's payload carries no meaning here).
::testing::AssertionResult SameDouble(double a, double b) {
  if (Bits(a) == Bits(b) || (std::isnan(a) && std::isnan(b))) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << a << " (0x" << std::hex << Bits(a) << ") vs " << b << " (0x" << Bits(b) << ")";
}

double Rad(double degrees) { return degrees * kPi / 180.0; }

TEST(SineCosineMemo, GivesTheLibraryBitsOfEachAngleAskedAfterAnother) {
  // Every kind of double, asked twice; and angles that compare equal or
  // differ in the last bit only: a memo keyed on == (or on a rounded value)
  // would hand back the wrong sine.
  const double inf = std::numeric_limits<double>::infinity();
  struct Row {
    const char* name;
    double first;
    double second;
  };
  const Row rows[] = {
      {"zero", 0.0, 0.0},
      {"half pi as Lodema writes it", kHalfPi, kHalfPi},
      {"two pi as Lodema writes it", kTwoPi, kTwoPi},
      {"tiny", 1e-300, 1e-300},
      {"subnormal", 4.9e-324, 4.9e-324},
      {"huge", 1e300, 1e300},
      {"negative", -2.5, -2.5},
      {"infinity", inf, inf},
      {"minus infinity", -inf, -inf},
      {"NaN", std::nan(""), std::nan("")},
      {"+0 then -0", 0.0, -0.0},
      {"-0 then +0", -0.0, 0.0},
      {"one ulp above", 1.0, std::nextafter(1.0, 2.0)},
      {"one ulp below pi", kPi, std::nextafter(kPi, 0.0)},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SineCosineMemo memo;
    for (const double angle : {r.first, r.second, r.first}) {
      const SineCosine got = memo.Of(angle);
      EXPECT_TRUE(SameDouble(got.sin, std::sin(angle)));
      EXPECT_TRUE(SameDouble(got.cos, std::cos(angle)));
    }
  }
}

TEST(SineCosineOf, WholeDegreesAndTheirNeighboursGiveTheLibraryBits) {
  // Every whole degree the table holds, its neighbours one bit either side,
  // the degree conversions of other forms, and what lies beyond the table.
  std::vector<double> angles;
  for (int degrees = -WholeDegreeSines::kLimit - 2; degrees <= WholeDegreeSines::kLimit + 2;
       ++degrees) {
    const double angle = DegreesToRadians(degrees);
    angles.insert(angles.end(), {angle, std::nextafter(angle, 100.0), std::nextafter(angle, -100.0),
                                 degrees * (kPi / 180.0), DegreesToRadians(degrees + 0.5)});
  }
  angles.insert(angles.end(),
                {-0.0, 1e-300, std::nan(""), std::numeric_limits<double>::infinity(), 1e10, -1e10});
  std::set<std::uint64_t> wholeDegrees;
  for (int degrees = -WholeDegreeSines::kLimit; degrees <= WholeDegreeSines::kLimit; ++degrees) {
    wholeDegrees.insert(Bits(DegreesToRadians(degrees)));
  }
  int fromTable = 0;
  for (const double angle : angles) {
    const SineCosine got = SineCosineOf(angle);
    EXPECT_TRUE(SameDouble(got.sin, std::sin(angle))) << angle;
    EXPECT_TRUE(SameDouble(got.cos, std::cos(angle))) << angle;
    // Only the very doubles of whole degrees come from the table (+0, not -0).
    const bool found = WholeDegreeSines::Find(angle) != nullptr;
    EXPECT_EQ(found, wholeDegrees.count(Bits(angle)) == 1) << angle;
    fromTable += found ? 1 : 0;
  }
  EXPECT_GE(fromTable, 2 * WholeDegreeSines::kLimit + 1);
}

TEST(SineCosineMemo, RemembersHandedValuesByTheirAngleAlone) {
  // A value handed over is what the memo gives for that very angle, in place
  // of working it out; a neighbour one ulp away, or an angle whose slot it
  // took, is still worked out afresh. Hundreds of angles share the few
  // slots: every other answer, fresh or kept, must still be the library's.
  SineCosineMemo memo;
  std::mt19937 random(3);
  std::uniform_real_distribution<double> angle(-4.0, 4.0);
  std::vector<double> angles(200);
  for (double& a : angles) a = angle(random);
  for (const double a : angles) memo.Of(a);
  const double handed = 0.7;
  const SineCosine marker{0.25, 0.5};  // not the sine of anything here
  memo.Remember(handed, marker);
  EXPECT_EQ(memo.Of(handed).sin, 0.25);
  EXPECT_EQ(memo.Of(handed).cos, 0.5);
  const double next = std::nextafter(handed, 1.0);
  EXPECT_TRUE(SameDouble(memo.Of(next).sin, std::sin(next)));
  for (const double a : angles) {
    if (a == handed) continue;
    ASSERT_TRUE(SameDouble(memo.Of(a).sin, std::sin(a))) << a;
    ASSERT_TRUE(SameDouble(memo.Of(a).cos, std::cos(a))) << a;
  }
}

// Planes and lines where the shortcuts could go wrong: upward lines, trends
// past a turn or negative, 0 against 360, vertical and horizontal planes,
// lines in and normal to the plane.
struct Case {
  const char* name;
  double dip, dipDirection, plunge, trend;  // degrees
};
constexpr Case kCases[] = {
    {"ordinary", 40, 120, 25, 200},
    {"upward line", 40, 120, -25, 200},
    {"trend past a turn", 35, 10, 20, 400},
    {"negative trend", 35, 10, 20, -30},
    {"dip direction 360", 60, 360, 10, 0},
    {"vertical plane", 90, 45, 30, 45},
    {"horizontal plane", 0, 0, 30, 100},
    {"line in the plane", 30, 90, 30, 90},
    {"line normal to the plane", 30, 90, 60, 270},
    {"vertical line", 50, 200, 90, 0},
    {"horizontal line along strike", 50, 200, 0, 290},
    {"tiny dip", 1e-7, 300, 5, 10},
    {"dip past vertical", 100, 30, 20, 80},
};

// A memo already holding the case's own angles and many others, as it does
// after the earlier steps of a construction.
SineCosineMemo BusyMemo(const Case& c) {
  SineCosineMemo memo;
  for (const double x : {c.dip, c.dipDirection, c.plunge, c.trend}) {
    memo.Of(Rad(x));
    memo.Of(std::fabs(Rad(x)));
    memo.Of(Rad(x) + kHalfPi);
    memo.Of(std::nextafter(Rad(x), 10.0));
  }
  for (int i = 0; i < 40; ++i) memo.Of(0.1 * i);
  return memo;
}

TEST(SharedMemoConstructions, GiveTheBitsOfTheStandAloneRoutines) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const double dip = Rad(c.dip), dd = Rad(c.dipDirection);
    const double plunge = Rad(c.plunge), trend = Rad(c.trend);

    SineCosineMemo memo = BusyMemo(c);
    EXPECT_TRUE(SameDouble(LineInPlaneHade(dip, dd, plunge, trend, memo),
                           LineInPlaneHade(dip, dd, plunge, trend)));

    const std::optional<Plane> through = PlaneContainingLines(dip, dd, plunge, trend);
    const std::optional<Plane> throughShared = PlaneContainingLines(dip, dd, plunge, trend, memo);
    ASSERT_EQ(through.has_value(), throughShared.has_value());
    if (through) {
      EXPECT_TRUE(SameDouble(through->angle, throughShared->angle));
      EXPECT_TRUE(SameDouble(through->azimuth, throughShared->azimuth));
    }

    const Line atHade = LineFromHadeInPlane(dip, dd, trend);
    const Line atHadeShared = LineFromHadeInPlane(dip, dd, trend, memo);
    EXPECT_TRUE(SameDouble(atHade.angle, atHadeShared.angle));
    EXPECT_TRUE(SameDouble(atHade.azimuth, atHadeShared.azimuth));

    const DirectionCosines v = LineToDirectionCosines(plunge, trend);
    const DirectionCosines vShared = LineToDirectionCosines(plunge, trend, memo);
    EXPECT_TRUE(SameDouble(v.north, vShared.north));
    EXPECT_TRUE(SameDouble(v.east, vShared.east));
    EXPECT_TRUE(SameDouble(v.down, vShared.down));

    EXPECT_TRUE(SameDouble(AngleBetweenLines(dip, dd, plunge, trend, false),
                           AngleBetweenLines(dip, dd, plunge, trend, false, memo)));
  }
}

TEST(SharedMemoConstructions, LineAndVectorAgreeWithTheTrigonometryOfTheirAngles) {
  // Guards the shared formula itself, not only its two callers: the vector
  // is (cos t cos p, sin t cos p, sin p) of the downward trend t.
  struct Row {
    const char* name;
    double plunge, trend;  // radians
    double downwardTrend;  // the t the formula must use
  };
  const Row rows[] = {
      {"downward", 0.5, 1.0, 1.0},
      {"upward", -0.5, 1.0, 1.0 + kPi},
      {"negative trend", 0.5, -1.0, 1.0},
      {"past a turn", 0.5, 7.0, WrapRadians(7.0)},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const DirectionCosines v = LineToDirectionCosines(r.plunge, r.trend);
    EXPECT_TRUE(SameDouble(v.north, std::cos(r.downwardTrend) * std::cos(r.plunge)));
    EXPECT_TRUE(SameDouble(v.east, std::sin(r.downwardTrend) * std::cos(r.plunge)));
    EXPECT_TRUE(SameDouble(v.down, std::sin(r.plunge)));
  }
}

}  // namespace
