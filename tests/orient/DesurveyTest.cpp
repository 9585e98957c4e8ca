// SPDX-License-Identifier: MIT
// Minimum curvature checked against the textbook's inclination-and-azimuth
// formulas and against circles drawn by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "orient/Desurvey.h"

namespace {

using namespace OrientGeometry;

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// The direction of a hole heading toward an azimuth, plunging down (or,
// negative, rising).
DirectionCosines Dir(double plungeDeg, double headingDeg) {
  const double p = plungeDeg * kDeg;
  const double h = headingDeg * kDeg;
  return {std::cos(p) * std::cos(h), std::cos(p) * std::sin(h), std::sin(p)};
}

// The textbook's worked case: stations 100 apart at inclinations (from the
// vertical) 15 and 25 degrees, azimuths 20 and 45: dog-leg 12.95 degrees,
// ratio factor 1.00428, north 27.22, east 19.45, vertical depth 94.01.
TEST(Desurvey, TextbookInterval) {
  const DirectionCosines t1 = Dir(90 - 15, 20);
  const DirectionCosines t2 = Dir(90 - 25, 45);
  const double phi = DogLeg(t1, t2);
  EXPECT_NEAR(phi / kDeg, 12.9517, 1e-4);
  EXPECT_NEAR(RatioFactor(phi), 1.004280, 1e-6);
  const DirectionCosines step = ArcDisplacement(t1, t2, phi, 100.0);
  EXPECT_NEAR(step.north, 27.2183, 1e-4);
  EXPECT_NEAR(step.east, 19.4508, 1e-4);
  EXPECT_NEAR(step.down, 94.0123, 1e-4);
}

TEST(Desurvey, StraightHole) {
  const DirectionCosines t = Dir(62, 137);
  EXPECT_EQ(DogLeg(t, t), 0.0);
  EXPECT_EQ(RatioFactor(0.0), 1.0);
  for (const double f : {0.0, 0.3, 1.0}) {
    const DirectionCosines at = InterpolateDirection(t, t, 0.0, f);
    EXPECT_EQ(at.north, t.north);
    EXPECT_EQ(at.down, t.down);
  }
  const DirectionCosines step = ArcDisplacement(t, t, 0.0, 40.0);
  EXPECT_NEAR(step.north, 40.0 * t.north, 1e-12);
  EXPECT_NEAR(step.east, 40.0 * t.east, 1e-12);
  EXPECT_NEAR(step.down, 40.0 * t.down, 1e-12);
}

// A level hole turning from north to east in 90 degrees runs along a
// quarter circle: after a third of the arc it heads 030, and the whole arc
// of length L ends R = 2L/pi north and east of its start.
TEST(Desurvey, QuarterTurnFollowsTheCircle) {
  const DirectionCosines north = Dir(0, 0);
  const DirectionCosines east = Dir(0, 90);
  const double phi = DogLeg(north, east);
  EXPECT_NEAR(phi / kDeg, 90.0, 1e-12);
  for (const double f : {0.25, 1.0 / 3.0, 0.5, 0.9}) {
    const DirectionCosines at = InterpolateDirection(north, east, phi, f);
    EXPECT_NEAR(at.north, std::cos(f * 90 * kDeg), 1e-12) << f;
    EXPECT_NEAR(at.east, std::sin(f * 90 * kDeg), 1e-12) << f;
    EXPECT_NEAR(at.down, 0.0, 1e-12) << f;
    // The part of the arc so far: R (sin a, 1 - cos a, 0).
    const double radius = 60.0 / (90 * kDeg);
    const DirectionCosines step = ArcDisplacement(north, at, f * phi, f * 60.0);
    EXPECT_NEAR(step.north, radius * std::sin(f * 90 * kDeg), 1e-9) << f;
    EXPECT_NEAR(step.east, radius * (1 - std::cos(f * 90 * kDeg)), 1e-9) << f;
  }
}

// Bending in a vertical plane the hole keeps its azimuth, and its plunge
// changes evenly with depth; upward holes too.
TEST(Desurvey, VerticalBendKeepsAzimuth) {
  const struct { double p1, p2, trend; } cases[] = {{60, 40, 123}, {-20, 35, 250}, {85, 70, 5}};
  for (const auto& c : cases) {
    const DirectionCosines t1 = Dir(c.p1, c.trend);
    const DirectionCosines t2 = Dir(c.p2, c.trend);
    const double phi = DogLeg(t1, t2);
    for (const double f : {0.2, 0.5, 0.75}) {
      const DirectionCosines at = InterpolateDirection(t1, t2, phi, f);
      const double plunge = std::asin(at.down) / kDeg;
      EXPECT_NEAR(plunge, c.p1 + f * (c.p2 - c.p1), 1e-9);
      EXPECT_NEAR(std::atan2(at.east, at.north), std::atan2(t1.east, t1.north), 1e-12);
    }
  }
}

}  // namespace
