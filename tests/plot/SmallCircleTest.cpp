// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "orient/Primitives.h"
#include "plot/SmallCircle.h"
#include "tests/plot/RecordingSurface.h"

namespace Lodema::Plot {
namespace {

using OrientGeometry::DegreesToRadians;
using testing::Distance;
using testing::Op;

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
      {"steep axis, narrow cone: one closed stroke", ProjectionType::kEqualArea, 70, 40, 15, 1},
      {"same, equal angle", ProjectionType::kEqualAngle, 70, 40, 15, 1},
      {"vertical axis", ProjectionType::kEqualArea, 90, 0, 30, 1},
      {"cone above the horizontal: two strokes", ProjectionType::kEqualArea, 10, 120, 30, 2},
      {"same, equal angle", ProjectionType::kEqualAngle, 10, 120, 30, 2},
      {"horizontal axis, wide cone", ProjectionType::kEqualArea, 0, 0, 60, 2},
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

TEST(SmallCircleDraw, NothingForNoPoints) {
  testing::RecordingSurface surface;
  SmallCircleDraw(surface, ProjectionType::kEqualArea, 1.0, 1.0, 0.3, Pen{}, 0);
  EXPECT_TRUE(surface.drawn.empty());
}

TEST(SmallCircleDraw, PenOfTheKindThenResetState) {
  testing::RecordingSurface surface;
  surface.SetFill({true, {1, 1, 1}});
  const Pen pen{{0, 0, 128}, 1, LineStyle::kSolid, PenMode::kCopy};
  SmallCircleDraw(surface, ProjectionType::kEqualArea, DegreesToRadians(10), DegreesToRadians(120),
                  DegreesToRadians(30), pen);
  const auto lines = surface.Of(Op::kPolyline);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].pen, pen);
  EXPECT_FALSE(lines[0].fill.solid);
  EXPECT_EQ(surface.fill(), (Fill{true, {1, 1, 1}}));
  EXPECT_EQ(surface.pen().width, 1);
}

}  // namespace
}  // namespace Lodema::Plot
