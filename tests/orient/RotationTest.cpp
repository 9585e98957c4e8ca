// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "SphereVectors.h"
#include "orient/Primitives.h"
#include "orient/Rotation.h"

namespace {

using namespace OrientGeometry;
using namespace SphereVectors;

constexpr double kDeg = kPi / 180.0;

// Tolerances, radians or unit-vector components.
constexpr double kExactTol = 1e-12;   // closed-form rows
constexpr double kFrameTol = 3e-5;    // LineInAxisFrame, RotateLine: 1e-5 snaps, twice
constexpr double kUnfoldTol = 1e-9;   // UnfoldAboutAxis against two Rodrigues turns
constexpr double kExampleTol = 0.01;  // worked examples quoted to 0.01 degree

// Polarity is only defined away from the horizontal and, after a frame
// change, away from the plane normal to the axis (the routines snap there).
bool PolarityDefined(Vec v, Vec axis) {
  return std::fabs(v.d) > 1e-4 && std::fabs(Dot(v, axis)) > 1e-4;
}

struct FrameRow {
  const char* name;
  double plunge, trend, axisPlunge, axisTrend;  // degrees
  double framePlunge, frameTrend;               // degrees
};

TEST(LineInAxisFrame, KnownFrameNumbers) {
  const FrameRow rows[] = {
      {"vertical axis keeps the line", 35, 123, 90, 47, 35, 123},
      {"vertical axis of trend 360", 35, 123, 90, 360, 35, 123},
      {"the axis itself is frame down", 40, 200, 40, 200, 90, 200},
      {"upward axis gives the same frame", 40, 200, -40, 200, 90, 200},
      // Horizontal north axis: frame north is straight up, so the downward
      // vertical is frame south, 180 from frame north.
      {"vertical line, horizontal north axis", 90, 0, 0, 0, 0, 180},
      {"frame east shortcut", 0, 120, 30, 30, 0, 120},
      {"frame west across north", 0, 0, 30, 90, 0, 0},
      {"frame west given as 360", 0, 360, 30, 90, 0, 360},
      // Horizontal line along the axis trend: the top of a plunging axis
      // lies up-trend, so the line points 90 - 30 = 60 from the cross-section.
      {"horizontal line along a 30 plunging axis", 0, 30, 30, 30, 60, 30},
      {"upward line keeps its polarity", -20, 30, 30, 30, -80, 30},
  };
  for (const auto& r : rows) {
    const Line f =
        LineInAxisFrame(r.plunge * kDeg, r.trend * kDeg, r.axisPlunge * kDeg, r.axisTrend * kDeg);
    EXPECT_NEAR(f.angle, r.framePlunge * kDeg, 1e-9) << r.name;
    // A line along the axis has no direction around it.
    if (r.framePlunge != 90) {
      EXPECT_NEAR(AzimuthDifference(f.azimuth, r.frameTrend * kDeg), 0.0, 1e-9) << r.name;
    }
  }
}

// Frame numbers against dot products with the frame vectors, and the round
// trip through the frame of the reversed axis trend.
TEST(LineInAxisFrame, MatchesFrameVectorsAndRoundTrips) {
  std::mt19937 rng(20240611);
  std::uniform_real_distribution<double> plunge(-kHalfPi, kHalfPi), trend(0.0, kTwoPi);
  for (int i = 0; i < 4000; ++i) {
    const Line l{plunge(rng), trend(rng)};
    const Line axis{plunge(rng), trend(rng)};
    const Frame fr = FrameOf(axis.angle, axis.azimuth);
    const Vec v = VecOf(l);
    const Line f = LineInAxisFrame(l.angle, l.azimuth, axis.angle, axis.azimuth);
    const double around = f.azimuth - axis.azimuth;
    const Vec fv = VecOf(f.angle, around);  // in frame components
    const Vec expected = fv.n * fr.north + fv.e * fr.east + fv.d * fr.down;
    const Vec inFrame{Dot(v, fr.north), Dot(v, fr.east), Dot(v, fr.down)};
    if (PolarityDefined(inFrame, {0, 0, 1})) {
      EXPECT_LT(Gap(expected, v), kFrameTol) << i;
    } else {
      EXPECT_LT(AxisGap(expected, v), kFrameTol) << i;
    }
    const Line back = LineInAxisFrame(f.angle, f.azimuth, axis.angle, AddAngles(axis.azimuth, kPi));
    EXPECT_LT(AxisGap(VecOf(back), v), kFrameTol) << i;
  }
}

// A rotation keeps the angle to the axis and turns the line by the given
// angle, clockwise looking down the axis: the Rodrigues rotation about the
// downward axis.
TEST(RotateLine, MatchesRodriguesRotation) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> plunge(-kHalfPi, kHalfPi), trend(0.0, kTwoPi),
      angle(-kTwoPi, kTwoPi);
  for (int i = 0; i < 4000; ++i) {
    const Line l{plunge(rng), trend(rng)};
    Line axis{plunge(rng), trend(rng)};
    if (i % 50 == 0) axis.angle = 0.0;                // horizontal axes
    if (i % 50 == 1) axis.angle = kHalfPi;            // vertical axes
    if (i % 50 == 2) axis.angle = -(kHalfPi - 5e-6);  // treated as vertical
    const double g = angle(rng);
    const Vec k = VecOf(std::fabs(axis.angle), axis.azimuth);
    const Vec expected = Rotate(VecOf(l), k, g);
    const Line out = RotateLine(l.angle, l.azimuth, g, axis.angle, axis.azimuth);
    if (PolarityDefined(expected, k)) {
      EXPECT_LT(Gap(VecOf(out), expected), kFrameTol) << i;
    } else {
      EXPECT_LT(AxisGap(VecOf(out), expected), kFrameTol) << i;
    }
  }
}

TEST(UnfoldAboutAxis, WorkedExamples) {
  // Pole of a bed dipping 30 east about a horizontal north axis: vertical.
  const Line pole = UnfoldAboutAxis(60 * kDeg, 270 * kDeg, 30 * kDeg, 90 * kDeg, 0, 0);
  EXPECT_NEAR(pole.angle, kHalfPi, kExactTol);
  // Horizontal bed: nothing to unfold.
  const Line same = UnfoldAboutAxis(20 * kDeg, 10 * kDeg, 0, 90 * kDeg, 10 * kDeg, 0);
  EXPECT_EQ(same.angle, 20 * kDeg);
  EXPECT_EQ(same.azimuth, 10 * kDeg);
  // Bed 30/090, line 20/010, fold axis 10/000.
  const Line out = UnfoldAboutAxis(20 * kDeg, 10 * kDeg, 30 * kDeg, 90 * kDeg, 10 * kDeg, 0);
  EXPECT_NEAR(out.angle / kDeg, 12.39, kExampleTol);
  EXPECT_NEAR(out.azimuth / kDeg, 15.96, kExampleTol);
  // Regression: the axis typed with a negative plunge is the same axis and
  // unfolds the same way (it used to give 12.39/021).
  const Line up = UnfoldAboutAxis(20 * kDeg, 10 * kDeg, 30 * kDeg, 90 * kDeg, -10 * kDeg, 0);
  EXPECT_NEAR(up.angle, out.angle, kExactTol);
  EXPECT_NEAR(up.azimuth, out.azimuth, kExactTol);
}

// Unfolding is the tilt that brings the fold axis horizontal, then the
// smallest turn that brings the bed's downward pole to the vertical (down,
// or up for an overturned bed of negative dip). Lines in the bed come out
// horizontal. (Both turns are about the east-west axis once the fold axis
// trends north: this holds that rotation too.)
TEST(UnfoldAboutAxis, MatchesTwoRodriguesTurns) {
  std::mt19937 rng(99);
  std::uniform_real_distribution<double> plunge(-kHalfPi, kHalfPi), trend(0.0, kTwoPi),
      dip(-kHalfPi, kHalfPi);
  const Vec down{0, 0, 1};
  for (int i = 0; i < 4000; ++i) {
    const Line axis{plunge(rng), trend(rng)};
    const Plane bed{dip(rng), trend(rng)};
    if (bed.angle == 0.0) continue;
    // Every other line lies in the bed.
    Line l{plunge(rng), trend(rng)};
    const Vec pole = PoleOf(bed.angle, bed.azimuth);
    Vec v = VecOf(l);
    if (i % 2 == 0) {
      v = Unit(Cross(pole, v));
      l = DirectionCosinesToLine(v.n, v.e, v.d);
      v = VecOf(l);
    }
    // Tilt the axis to the horizontal along its trend.
    const Vec ax = VecOf(std::fabs(axis.angle), axis.azimuth);
    const Vec level{std::cos(axis.azimuth), std::sin(axis.azimuth), 0.0};
    Vec p1 = pole, v1 = v;
    if (AngleOf(ax, level) > 1e-12) {
      const Vec k1 = Unit(Cross(ax, level));
      p1 = Rotate(pole, k1, AngleOf(ax, level));
      v1 = Rotate(v, k1, AngleOf(ax, level));
    }
    // Bring the pole's downward end to the vertical by the shortest turn.
    const Vec q = p1.d >= 0 ? p1 : -p1;
    const Vec target = bed.angle > 0 ? down : -down;
    const Vec expected = Rotate(v1, Unit(Cross(q, target)), AngleOf(q, target));

    const Line out =
        UnfoldAboutAxis(l.angle, l.azimuth, bed.angle, bed.azimuth, axis.angle, axis.azimuth);
    if (std::fabs(expected.d) > 1e-6) {
      EXPECT_LT(Gap(VecOf(out), expected), kUnfoldTol) << i;
    } else {
      EXPECT_LT(AxisGap(VecOf(out), expected), kUnfoldTol) << i;
    }
    if (i % 2 == 0) {
      EXPECT_NEAR(out.angle, 0.0, kUnfoldTol) << "line in bed " << i;
    }
  }
}

}  // namespace
