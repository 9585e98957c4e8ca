// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "plot/Frame.h"
#include "tests/plot/RecordingSurface.h"

namespace Lodema::Plot {
namespace {

using testing::Op;
using testing::RecordingSurface;

struct FrameRow {
  const char* name;
  AxesStyle style;
  std::size_t lines;  // segments besides the primitive
};

TEST(DrawStereoFrame, PrimitiveAndAxesOfEachStyle) {
  const FrameRow rows[] = {
      {"simple ticks: centre cross", AxesStyle::kSimpleTicks, 2},
      {"quadrant ticks: cross and three outer ticks", AxesStyle::kQuadrantTicks, 5},
      {"quadrant axes: two diameters, 8 x 4 graduations", AxesStyle::kQuadrantAxes, 2 + 32},
      {"polar axes: 19 diameters and the graduations", AxesStyle::kPolarAxes, 19 + 32},
  };
  for (const ProjectionType type : {ProjectionType::kEqualArea, ProjectionType::kEqualAngle}) {
    for (const FrameRow& row : rows) {
      RecordingSurface surface;
      surface.SetPen({{200, 0, 0}, 3, LineStyle::kDot, PenMode::kInvert});
      DrawStereoFrame(surface, type, row.style);
      const auto circles = surface.Of(Op::kCircle);
      ASSERT_EQ(circles.size(), 1u) << row.name;
      EXPECT_EQ(circles[0].radius, 1000.0) << row.name;
      EXPECT_EQ(circles[0].points[0], (PlotPoint{0, 0})) << row.name;
      EXPECT_FALSE(circles[0].fill.solid) << row.name;
      EXPECT_EQ(surface.Of(Op::kLine).size(), row.lines) << row.name;
      for (const auto& d : surface.drawn) {
        EXPECT_EQ(d.pen, Pen{}) << row.name;  // black, width 1, solid, copy
      }
    }
  }
}

TEST(DrawStereoFrame, EveryStyleMarksNorthAboveThePrimitiveWithinThePlot) {
  for (int style = 0; style < 4; ++style) {
    SCOPED_TRACE(style);
    RecordingSurface surface;
    DrawStereoFrame(surface, ProjectionType::kEqualArea, AxesStyleFromCode(style));
    const auto texts = surface.Of(Op::kText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "N");
    EXPECT_EQ(texts[0].points[0].x, 0.0);
    const double height = texts[0].radius;
    EXPECT_GT(texts[0].points[0].y - height / 2, 1000.0);  // clear of the primitive
    EXPECT_LT(texts[0].points[0].y + height / 2, 1100.0);  // inside the plot's margin
  }
}

TEST(DrawStereoFrame, QuadrantTicksPointOutwardAtSouthWestEast) {
  RecordingSurface surface;
  DrawStereoFrame(surface, ProjectionType::kEqualArea, AxesStyle::kQuadrantTicks);
  const auto lines = surface.Of(Op::kLine);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2].points, (std::vector<PlotPoint>{{0, -1000}, {0, -1050}}));
  EXPECT_EQ(lines[3].points, (std::vector<PlotPoint>{{-1000, 0}, {-1050, 0}}));
  EXPECT_EQ(lines[4].points, (std::vector<PlotPoint>{{1000, 0}, {1050, 0}}));
}

// The first graduation (plunge 10) and the last (plunge 80) sit at the
// projected radii, which differ between the projections.
TEST(DrawStereoFrame, GraduationsFollowTheProjection) {
  struct Row {
    ProjectionType type;
    double first;  // radius of the 10 degree tick
    double last;   // of the 80 degree tick
  } rows[] = {
      {ProjectionType::kEqualArea, std::round(std::sqrt(1 - std::cos(80 * M_PI / 180)) * 1000),
       std::round(std::sqrt(1 - std::cos(10 * M_PI / 180)) * 1000)},
      {ProjectionType::kEqualAngle, std::round(std::tan(40 * M_PI / 180) * 1000),
       std::round(std::tan(5 * M_PI / 180) * 1000)},
  };
  EXPECT_NE(rows[0].first, rows[1].first);
  for (const auto& row : rows) {
    for (const AxesStyle style : {AxesStyle::kQuadrantAxes, AxesStyle::kPolarAxes}) {
      RecordingSurface surface;
      DrawStereoFrame(surface, row.type, style);
      const auto lines = surface.Of(Op::kLine);
      const std::size_t firstTick = lines.size() - 32;
      // Ticks of plunge 10: across the north axis at y = r, then the others.
      EXPECT_EQ(lines[firstTick].points,
                (std::vector<PlotPoint>{{-20, row.first}, {20, row.first}}));
      EXPECT_EQ(lines[firstTick + 1].points,
                (std::vector<PlotPoint>{{-20, -row.first}, {20, -row.first}}));
      EXPECT_EQ(lines[firstTick + 2].points,
                (std::vector<PlotPoint>{{row.first, 20}, {row.first, -20}}));
      EXPECT_EQ(lines[lines.size() - 1].points,
                (std::vector<PlotPoint>{{-row.last, 20}, {-row.last, -20}}));
    }
  }
}

}  // namespace
}  // namespace Lodema::Plot
