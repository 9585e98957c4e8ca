// SPDX-License-Identifier: MIT
// The cursor read-out: the line under the cursor and its normal plane in the
// output notation, at the centre, on the primitive and just beyond it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plot/Readout.h"

namespace Lodema::Plot {
namespace {

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
  const auto area = ProjectionType::kEqualArea;
  const std::vector<Row> rows = {
      {"centre: vertical line, horizontal plane", area, 0, 0, plain, "90-000  (Plane: 0/180)"},
      {"primitive east: horizontal line, vertical plane", area, 1000, 0, plain,
       "0-090  (Plane: 90/270)"},
      {"primitive north, equal angle", ProjectionType::kEqualAngle, 0, 1000, plain,
       "0-000  (Plane: 90/180)"},
      {"just outside", area, 1000.6, 0, plain, ""},
      {"far outside", area, -3000, 2000, plain, ""},
      // sqrt(1 - cos 45) * 1000 = 541.2: a line plunging 45 towards the east.
      {"equal area 45 east", area, 541, 0, plain, "45-090  (Plane: 45/270)"},
      {"equal angle 45 east", ProjectionType::kEqualAngle, 414, 0, plain,
       "45-090  (Plane: 45/270)"},
      {"trend first, dip direction first",
       area,
       541,
       0,
       {PlaneNotation::kDipDirectionDip, LineNotation::kTrendPlunge, AzimuthStyle::kAzimuth},
       "090-45  (Plane: 270/45)"},
      {"quadrant bearings", area, 541, 0,
       planeIn(PlaneNotation::kDipDipDirection, AzimuthStyle::kQuadrant),
       "45-N90E  (Plane: 45/N90W)"},
      {"strike, dip and sense", area, 541, 0, planeIn(PlaneNotation::kStrikeDipSense),
       "45-090  (Plane: 180/45W)"},
      {"dip and sense, strike", area, 541, 0, planeIn(PlaneNotation::kDipSenseStrike),
       "45-090  (Plane: 45W/180)"},
      {"right-hand rule dip, strike", area, 541, 0, planeIn(PlaneNotation::kDipStrikeRightHand),
       "45-090  (Plane: 45/180)"},
      {"right-hand rule strike, dip, quadrant", area, 541, 0,
       planeIn(PlaneNotation::kStrikeDipRightHand, AzimuthStyle::kQuadrant),
       "45-N90E  (Plane: S0E/45)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CursorReadout(row.type, row.x, row.y, row.notation, "/", "-"), row.expected);
  }
  EXPECT_EQ(CursorReadout(area, 0, 0, plain, " \\ ", ", "), "90, 000  (Plane: 0 \\ 180)");
}

}  // namespace
}  // namespace Lodema::Plot
