// SPDX-License-Identifier: MIT
// Directions projected onto the net and positions taken back, and the cursor
// read-out: the line under the cursor and its normal plane in the output
// notation, at the centre, on the primitive and just beyond it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "orient/Primitives.h"
#include "plot/Projection.h"
#include "plot/Readout.h"

namespace Lodema::Plot {
namespace {

using OrientGeometry::DegreesToRadians;
using OrientGeometry::kHalfPi;
using OrientGeometry::kPi;

constexpr auto kArea = ProjectionType::kEqualArea;
constexpr auto kAngle = ProjectionType::kEqualAngle;

struct ProjectionRow {
  const char* name;
  ProjectionType type;
  double plunge;  // degrees
  double trend;
  GridPoint expected;
};

TEST(ProjectDirection, WorkedValues) {
  const ProjectionRow rows[] = {
      {"equal angle 45/090", kAngle, 45, 90, {414, 0}},
      {"equal area 45/090", kArea, 45, 90, {541, 0}},
      {"horizontal north, equal area", kArea, 0, 0, {0, 1000}},
      {"horizontal 030 on the primitive", kArea, 0, 30, {500, 866}},
      {"horizontal 030, equal angle", kAngle, 0, 30, {500, 866}},
      {"vertical, equal area", kArea, 90, 123, {0, 0}},
      {"upward line uses |plunge|", kAngle, -45, 90, {414, 0}},
      {"equal area 30/225", kArea, 30, 225, {-500, -500}},
  };
  for (const ProjectionRow& row : rows) {
    EXPECT_EQ(ProjectDirection(row.type, DegreesToRadians(row.plunge), DegreesToRadians(row.trend)),
              row.expected)
        << row.name;
  }
}

// A plunge (near `guess`) whose projection due north lies exactly on
// `target` in double arithmetic, searched step by step.
std::optional<double> PlungeProjectingTo(ProjectionType type, double target, double guess) {
  double plunge = guess;
  for (int i = 0; i < 200000; ++i) {
    const double y = ProjectDirectionExact(type, plunge, 0.0).y;
    if (y == target) return plunge;
    plunge = std::nextafter(plunge, y > target ? 10.0 : -10.0);  // larger plunge, smaller r
  }
  return std::nullopt;
}

TEST(ProjectDirection, HalvesRoundToEven) {
  struct Row {
    double exact;
    int rounded;
  } rows[] = {{412.5, 412}, {413.5, 414}, {600.5, 600}};
  for (const Row& row : rows) {
    const double guess = kHalfPi - 2.0 * std::atan(row.exact / 1000.0);
    const std::optional<double> plunge = PlungeProjectingTo(kAngle, row.exact, guess);
    ASSERT_TRUE(plunge.has_value()) << row.exact;
    EXPECT_EQ(ProjectDirection(kAngle, *plunge, 0.0).y, row.rounded) << row.exact;
  }
}

// The exact position rounded halves to even, clamped to the plot's reach,
// NaN as 0: what ProjectDirection must give for any plunge and trend.
GridPoint LibraryPosition(ProjectionType type, double plunge, double trend) {
  const PlotPoint p = ProjectDirectionExact(type, plunge, trend);
  const auto whole = [](double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, -1.0e6, 1.0e6)));  // halves to even
  };
  return {whole(p.x), whole(p.y)};
}

TEST(ProjectDirection, RoundsTheExactPositionForAnyValues) {
  const double nan = std::nan("");
  const double tiny = std::numeric_limits<double>::denorm_min();
  struct Row {
    const char* name;
    double plunge;
    double trend;
  };
  const Row rows[] = {
      {"horizontal north", 0.0, 0.0},
      {"horizontal, trend 2 pi", 0.0, 2.0 * kPi},
      {"horizontal, trend -2 pi", 0.0, -2.0 * kPi},
      {"horizontal east", 0.0, kHalfPi},
      {"horizontal south", 0.0, kPi},
      {"horizontal west", 0.0, 3.0 * kHalfPi},
      {"horizontal, trend just below 2 pi", 0.0, std::nextafter(2.0 * kPi, 0.0)},
      {"horizontal, trend -0", 0.0, -0.0},
      {"horizontal 045", 0.0, kPi / 4.0},
      {"horizontal, trend an eighth turn past a quarter", 0.0, 3.0 * kPi / 4.0},
      {"vertical down", kHalfPi, 1.0},
      {"vertical up", -kHalfPi, 1.0},
      {"just off vertical", std::nextafter(kHalfPi, 0.0), 2.0},
      {"a microradian off vertical", kHalfPi - 1e-6, 2.0},
      {"a milliradian off vertical", kHalfPi - 1e-3, 0.3},
      {"upward line", -0.7, 4.0},
      {"smallest plunge", tiny, 1.0},
      {"plunge beyond the vertical", 2.0, 1.0},
      {"plunge beyond the vertical, upward", -3.5, 1.0},
      {"large trend", 0.4, 1000.0},
      {"huge trend", 0.4, 1e300},
      {"negative large trend", 0.4, -63.9},
      {"unreadable plunge", nan, 1.0},
      {"unreadable trend", 0.5, nan},
      {"infinite trend", 0.5, INFINITY},
      {"infinite plunge", INFINITY, 0.5},
  };
  for (const ProjectionType type : {kArea, kAngle}) {
    for (const Row& row : rows) {
      EXPECT_EQ(ProjectDirection(type, row.plunge, row.trend),
                LibraryPosition(type, row.plunge, row.trend))
          << row.name << (type == kArea ? ", equal area" : ", equal angle");
    }
  }
}

TEST(UnprojectPosition, InvertsTheProjection) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> plunge(0.0, kHalfPi);
  std::uniform_real_distribution<double> trend(0.0, 6.28);
  for (const ProjectionType type : {kArea, kAngle}) {
    for (int i = 0; i < 500; ++i) {
      const double p = plunge(random);
      const double t = trend(random);
      const PlotPoint at = ProjectDirectionExact(type, p, t);
      const OrientGeometry::Line back = UnprojectPosition(type, at.x, at.y);
      EXPECT_NEAR(back.angle, p, 1e-9);
      if (p < kHalfPi - 1e-6) {
        EXPECT_NEAR(back.azimuth, t, 1e-9);
      }
    }
  }
}

TEST(UnprojectPosition, CentreAndPrimitive) {
  for (const ProjectionType type : {kArea, kAngle}) {
    const OrientGeometry::Line centre = UnprojectPosition(type, 0, 0);
    EXPECT_DOUBLE_EQ(centre.angle, kHalfPi);
    const OrientGeometry::Line east = UnprojectPosition(type, 1000, 0);
    EXPECT_NEAR(east.angle, 0.0, 1e-12);
    EXPECT_NEAR(east.azimuth, kHalfPi, 1e-12);
    const OrientGeometry::Line west = UnprojectPosition(type, -1500, 0);  // beyond: horizontal
    EXPECT_NEAR(west.angle, 0.0, 1e-12);
    EXPECT_NEAR(west.azimuth, 3 * kHalfPi, 1e-12);
  }
}

TEST(CursorReadout, PositionsProjectionsAndNotations) {
  struct Row {
    const char* name;
    ProjectionType type;
    double x, y;
    OrientGeometry::Notation notation;
    std::string expected;
  };
  using OrientGeometry::AzimuthStyle;
  using OrientGeometry::LineNotation;
  using OrientGeometry::PlaneNotation;
  const OrientGeometry::Notation plain;
  const auto planeIn = [](PlaneNotation plane, AzimuthStyle azimuth = AzimuthStyle::kAzimuth) {
    return OrientGeometry::Notation{plane, LineNotation::kPlungeTrend, azimuth};
  };
  const OrientGeometry::Notation trendFirst{PlaneNotation::kDipDirectionDip,
                                            LineNotation::kTrendPlunge, AzimuthStyle::kAzimuth};
  const std::vector<Row> rows = {
      {"centre: vertical line, horizontal plane", kArea, 0, 0, plain, "90-000  (Plane: 0/180)"},
      {"primitive east: horizontal line, vertical plane", kArea, 1000, 0, plain,
       "0-090  (Plane: 90/270)"},
      {"primitive north, equal angle", kAngle, 0, 1000, plain, "0-000  (Plane: 90/180)"},
      {"just outside", kArea, 1000.6, 0, plain, ""},
      {"far outside", kArea, -3000, 2000, plain, ""},
      // sqrt(1 - cos 45) * 1000 = 541.2: a line plunging 45 towards the east.
      {"equal area 45 east", kArea, 541, 0, plain, "45-090  (Plane: 45/270)"},
      {"equal angle 45 east", kAngle, 414, 0, plain, "45-090  (Plane: 45/270)"},
      {"trend first, dip direction first", kArea, 541, 0, trendFirst, "090-45  (Plane: 270/45)"},
      {"quadrant bearings", kArea, 541, 0,
       planeIn(PlaneNotation::kDipDipDirection, AzimuthStyle::kQuadrant),
       "45-N90E  (Plane: 45/N90W)"},
      {"strike, dip and sense", kArea, 541, 0, planeIn(PlaneNotation::kStrikeDipSense),
       "45-090  (Plane: 180/45W)"},
      {"dip and sense, strike", kArea, 541, 0, planeIn(PlaneNotation::kDipSenseStrike),
       "45-090  (Plane: 45W/180)"},
      {"right-hand rule dip, strike", kArea, 541, 0, planeIn(PlaneNotation::kDipStrikeRightHand),
       "45-090  (Plane: 45/180)"},
      {"right-hand rule strike, dip, quadrant", kArea, 541, 0,
       planeIn(PlaneNotation::kStrikeDipRightHand, AzimuthStyle::kQuadrant),
       "45-N90E  (Plane: S0E/45)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CursorReadout(row.type, row.x, row.y, row.notation, "/", "-"), row.expected);
  }
  EXPECT_EQ(CursorReadout(kArea, 0, 0, plain, " \\ ", ", "), "90, 000  (Plane: 0 \\ 180)");
}

}  // namespace
}  // namespace Lodema::Plot
