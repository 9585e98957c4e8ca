// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "orient/Constructions.h"
#include "orient/LinesInPlanes.h"
#include "tests/orient/SphereVectors.h"

namespace {

using namespace OrientGeometry;
using namespace SphereVectors;

double Rad(double degrees) { return degrees * kPi / 180.0; }

// Worked rows 1e-9 rad; random checks 1e-7 rad (the arc cosine of nearly 1
// leaves an in-plane misfit near 1.5e-8; other errors stay below 1e-11).
constexpr double kRowTol = 1e-9;
constexpr double kRandomTol = 1e-7;

TEST(ConstructionsTwoInputs, WorkedRows) {
  using Routine = std::optional<Orientation> (*)(double, double, double, double);
  const Routine intersect = [](double a1, double b1, double a2, double b2) {
    return IntersectPlanes(a1, b1, a2, b2);
  };
  const Routine through = [](double a1, double b1, double a2, double b2) {
    return PlaneContainingLines(a1, b1, a2, b2);
  };
  const Routine normal = [](double a1, double b1, double a2, double b2) {
    return std::optional<Orientation>(PlaneNormalToPlanes(a1, b1, a2, b2));
  };
  const double nan = std::nan("");
  struct Row {
    const char* name;
    Routine routine;
    double a1, b1, a2, b2;                // degrees: two planes or two lines
    std::optional<Orientation> expected;  // degrees; none: no unique answer
  };
  const Row rows[] = {
      {"vertical planes meet in the vertical", intersect, 90, 90, 90, 0, Orientation{90, 0}},
      {"same dip direction: strike line", intersect, 40, 120, 60, 120, Orientation{0, 210}},
      {"horizontal plane and 40/120", intersect, 0, 0, 40, 120, Orientation{0, 210}},
      {"both horizontal", intersect, 0, 0, 0, 100, std::nullopt},
      {"same plane, same numbers", intersect, 40, 120, 40, 120, std::nullopt},
      // Regressions: the same plane or line written two ways was compared as numbers.
      {"vertical plane from both sides", intersect, 90, 0, 90, 180, std::nullopt},
      {"dip direction 0 against 360", intersect, 30, 0, 30, 360, std::nullopt},
      {"not a number", intersect, nan, 0, 30, 90, std::nullopt},
      {"lines at right angles", through, 0, 0, 0, 90, Orientation{0, 0}},
      {"trend 0 against 360", through, 30, 0, 30, 360, std::nullopt},
      {"horizontal line both ways", through, 0, 0, 0, 180, std::nullopt},
      {"one axis, opposite polarity", through, -30, 45, 30, 45, std::nullopt},
      {"same vertical plane: the first", normal, 90, 0, 90, 180, Orientation{90, 0}},
  };
  for (const Row& r : rows) {
    const std::optional<Orientation> got = r.routine(Rad(r.a1), Rad(r.b1), Rad(r.a2), Rad(r.b2));
    ASSERT_EQ(got.has_value(), r.expected.has_value()) << r.name;
    if (!got) continue;
    EXPECT_NEAR(got->angle, Rad(r.expected->angle), kRowTol) << r.name;
    EXPECT_NEAR(got->azimuth, Rad(r.expected->azimuth), kRowTol) << r.name;
  }
}

TEST(ConstructionsBisectorsAndHade, WorkedRows) {
  // Regressions: hades a hair off 0 or 2 pi, and the side test at trend 2 pi.
  const Plane acutePlane = PlaneBisectingPlanes(Rad(80), 0, Rad(80), Rad(90), false);
  EXPECT_NEAR(acutePlane.angle, Rad(75.99805783448308), kRowTol);
  EXPECT_NEAR(acutePlane.azimuth, Rad(45), kRowTol);
  const Line obtuseLine = LineBisectingPlanes(Rad(80), Rad(340), Rad(80), Rad(40), true);
  EXPECT_NEAR(obtuseLine.angle, Rad(11.508393), 1e-7);
  EXPECT_NEAR(obtuseLine.azimuth, Rad(190), kRowTol);
  const Line acuteLine = LineBisectingPlanes(0, 0, Rad(60), Rad(180), false);
  EXPECT_NEAR(acuteLine.angle, Rad(30), kRowTol);
  EXPECT_NEAR(acuteLine.azimuth, Rad(180), kRowTol);

  struct Row {
    const char* name;
    double dip, dipDirection, plunge, trend, hade, misfit;  // degrees
  };
  const Row rows[] = {
      // Regression: the dip line came out at 2 pi - 1.5e-8.
      {"dip line", 40, 123, 40, 123, 0, 0},
      // Regression: a projection trend of exactly 2 pi was put on the wrong side.
      {"vertical plane, line to north", 90, 90, 30, 0, 300, 0},
      {"line off the plane: angle to the dip line", 30, 90, 50, 90, 20, 20},
      // Regression: a line normal to the plane divided 0 by 0.
      {"line normal to the plane", 65, 0, 25, 180, 0, 90},
  };
  for (const Row& r : rows) {
    const double dip = Rad(r.dip), dd = Rad(r.dipDirection);
    const double plunge = Rad(r.plunge), trend = Rad(r.trend);
    EXPECT_NEAR(LineInPlaneHade(dip, dd, plunge, trend), Rad(r.hade), 1e-7) << r.name;
    EXPECT_NEAR(LineInPlaneMisfit(dip, dd, plunge, trend), Rad(r.misfit), 1e-7) << r.name;
  }
}

// Random planes and lines against plain vector geometry.
TEST(ConstructionsRandom, AgreeWithVectorGeometry) {
  std::mt19937 rng(20240611);
  auto uniform = [&rng](double lo, double hi) {
    return Rad(std::uniform_real_distribution<>(lo, hi)(rng));
  };
  for (int i = 0; i < 3000; ++i) {
    const Plane p{uniform(0, 90), uniform(0, 360)}, q{uniform(0, 90), uniform(0, 360)};
    const Line a{uniform(-90, 90), uniform(0, 360)}, b{uniform(-90, 90), uniform(0, 360)};
    const Vec np = PoleOf(p.angle, p.azimuth), nq = PoleOf(q.angle, q.azimuth);
    const Vec axis = Unit(Cross(np, nq));

    // The intersection lies in both planes; the plane through two lines holds them.
    const std::optional<Line> x = IntersectPlanes(p, q);
    ASSERT_TRUE(x);
    EXPECT_GE(x->angle, 0.0);
    EXPECT_LT(AxisGap(VecOf(*x), axis), kRandomTol);
    const std::optional<Plane> through = PlaneContainingLines(a, b);
    ASSERT_TRUE(through);
    EXPECT_LT(AxisGap(PoleOf(through->angle, through->azimuth), Unit(Cross(VecOf(a), VecOf(b)))),
              kRandomTol);
    const Plane normal = PlaneNormalToPlanes(p, q);
    EXPECT_LT(AxisGap(PoleOf(normal.angle, normal.azimuth), axis), kRandomTol);

    // Hade round trip through a line in p, and the misfit of any line.
    const double hade = uniform(0, 360);
    const Line inP = LineFromHadeInPlane(p, hade);
    const double back = LineInPlaneHade(p.angle, p.azimuth, inP.angle, inP.azimuth);
    EXPECT_NEAR(std::remainder(back - hade, kTwoPi), 0.0, kRandomTol);
    EXPECT_NEAR(LineInPlaneMisfit(p.angle, p.azimuth, inP.angle, inP.azimuth), 0.0, kRandomTol);
    EXPECT_NEAR(LineInPlaneMisfit(p.angle, p.azimuth, a.angle, a.azimuth),
                std::asin(std::fabs(Dot(VecOf(a), np))), kRandomTol);

    // Bisectors: the line lies across the intersection half the angle from
    // each trace (axis x pole); the plane holds the intersection with its pole
    // half the angle from each pole.
    const double acute = std::fmin(AngleOf(np, nq), kPi - AngleOf(np, nq));
    for (bool obtuse : {false, true}) {
      const double half = (obtuse ? kPi - acute : acute) / 2.0;
      const Vec line = VecOf(LineBisectingPlanes(p.angle, p.azimuth, q.angle, q.azimuth, obtuse));
      const Plane plane = PlaneBisectingPlanes(p.angle, p.azimuth, q.angle, q.azimuth, obtuse);
      const Vec n = PoleOf(plane.angle, plane.azimuth);
      EXPECT_NEAR(Dot(line, axis), 0.0, kRandomTol);
      EXPECT_NEAR(Dot(n, axis), 0.0, kRandomTol);
      for (const Vec& pole : {np, nq}) {
        const double toTrace = AngleOf(line, Unit(Cross(axis, pole)));
        EXPECT_NEAR(std::fmin(toTrace, kPi - toTrace), half, kRandomTol) << obtuse;
        EXPECT_NEAR(std::fmin(AngleOf(n, pole), kPi - AngleOf(n, pole)), half, kRandomTol);
      }
    }
  }
}

}  // namespace
