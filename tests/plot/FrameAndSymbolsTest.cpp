// SPDX-License-Identifier: MIT
// What the net draws of its own: the frame (primitive, axes, graduations,
// north) and the symbols of the data, and their tables.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/Frame.h"
#include "plot/Symbols.h"
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

// Each style by its stored code (0-3), with north marked above the
// primitive within the plot.
TEST(DrawStereoFrame, PrimitiveAxesAndNorthOfEachStyle) {
  const FrameRow rows[] = {
      {"simple ticks: centre cross", AxesStyle::kSimpleTicks, 2},
      {"quadrant ticks: cross and three outer ticks", AxesStyle::kQuadrantTicks, 5},
      {"quadrant axes: two diameters, 8 x 4 graduations", AxesStyle::kQuadrantAxes, 2 + 32},
      {"polar axes: 19 diameters and the graduations", AxesStyle::kPolarAxes, 19 + 32},
  };
  for (const ProjectionType type : {ProjectionType::kEqualArea, ProjectionType::kEqualAngle}) {
    for (int code = 0; code < 4; ++code) {
      const FrameRow& row = rows[code];
      ASSERT_EQ(AxesStyleFromCode(code), row.style);
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
      const auto texts = surface.Of(Op::kText);
      ASSERT_EQ(texts.size(), 1u) << row.name;
      EXPECT_EQ(texts[0].text, "N");
      EXPECT_EQ(texts[0].points[0].x, 0.0);
      const double height = texts[0].radius;
      EXPECT_GT(texts[0].points[0].y - height / 2, 1000.0);  // clear of the primitive
      EXPECT_LT(texts[0].points[0].y + height / 2, 1100.0);  // inside the plot's margin
    }
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

constexpr Rgb kColour{192, 0, 0};
constexpr PlotPoint kAt{100, -50};

struct ShapeRow {
  int shape;
  std::vector<Op> ops;
  bool filled;  // the first primitive is filled in the symbol colour
};

TEST(DrawScreenSymbols, PrimitivesOfEachShape) {
  const ShapeRow rows[] = {
      {0, {}, false},
      {1, {Op::kDot}, false},
      {2, {Op::kCircle}, true},
      {3, {Op::kBox}, true},
      {4, {Op::kBox, Op::kBox}, true},
      {5, {Op::kCircle, Op::kCircle}, false},
      {6, {Op::kCircle, Op::kCircle}, true},
      {7, {Op::kCircle}, false},
      {8, {Op::kBox}, false},
      {9, {Op::kClosedPath}, false},
      {10, {Op::kPolyline}, false},
      {11, {Op::kPolyline}, false},
      {12, {Op::kPolyline}, false},
      {13, {Op::kClosedPath}, false},
      {14, {Op::kLine}, false},
      {15, {Op::kLine}, false},
      {16, {Op::kLine, Op::kLine, Op::kLine, Op::kLine}, false},
      {17, {Op::kPolyline, Op::kClosedPath, Op::kLine, Op::kLine}, false},
      {18, {}, false},
      {50, {Op::kCircle, Op::kLine}, false},
      {52, {Op::kCircle, Op::kLine, Op::kLine}, false},
      {100, {Op::kCircle}, false},
      {1007, {Op::kText}, false},
      {-3, {}, false},
  };
  for (const ShapeRow& row : rows) {
    RecordingSurface surface;
    const Pen before{{1, 2, 3}, 3, LineStyle::kDash, PenMode::kInvert};
    const Fill fillBefore{true, {4, 5, 6}};
    surface.SetPen(before);
    surface.SetFill(fillBefore);
    DrawScreenSymbols(surface, kAt, kColour, row.shape, 4);
    std::vector<Op> ops;
    for (const auto& d : surface.drawn) ops.push_back(d.op);
    EXPECT_EQ(ops, row.ops) << "shape " << row.shape;
    if (!surface.drawn.empty()) {
      EXPECT_EQ(surface.drawn[0].pen.colour, kColour) << "shape " << row.shape;
      const Op first = surface.drawn[0].op;
      if (first == Op::kBox || first == Op::kCircle || first == Op::kClosedPath) {
        EXPECT_EQ(surface.drawn[0].fill.solid, row.filled) << "shape " << row.shape;
      }
      if (row.filled) {
        EXPECT_EQ(surface.drawn[0].fill.colour, kColour) << "shape " << row.shape;
      }
    }
    EXPECT_EQ(surface.pen(), before) << "shape " << row.shape;
    EXPECT_EQ(surface.fill(), fillBefore) << "shape " << row.shape;
  }
}

TEST(DrawScreenSymbols, ExtentsScaleWithSize) {
  RecordingSurface surface;
  DrawScreenSymbols(surface, kAt, kColour, 3, 4);  // filled square, 4 x size each way
  EXPECT_EQ(surface.drawn[0].points, (std::vector<PlotPoint>{{84, -66}, {116, -34}}));
  DrawScreenSymbols(surface, kAt, kColour, 2, 3);  // disc of radius 4 x size
  EXPECT_EQ(surface.drawn[1].radius, 12.0);
  DrawScreenSymbols(surface, kAt, kColour, 100, 3);  // fixed radius
  EXPECT_EQ(surface.drawn[2].radius, 100.0);
  DrawScreenSymbols(surface, kAt, kColour, 4, 1);  // cross of two boxes
  EXPECT_EQ(surface.drawn[3].points, (std::vector<PlotPoint>{{98, -56}, {102, -44}}));
  EXPECT_EQ(surface.drawn[4].points, (std::vector<PlotPoint>{{94, -52}, {106, -48}}));
  DrawScreenSymbols(surface, kAt, kColour, 1012, 1);
  EXPECT_EQ(surface.drawn[5].text, "12");
  EXPECT_EQ(surface.drawn[5].points[0], kAt);
}

TEST(SymbolTables, StoredValuesOverTheDefaults) {
  std::array<int, kPaletteSize> colours;
  colours.fill(-1);
  colours[3] = 10 + 256 * 20 + 65536 * 30;
  colours[4] = 0x1000000;  // not a colour: the default stays
  const Palette palette = PaletteFromStored(colours);
  EXPECT_EQ(palette[3], (Rgb{10, 20, 30}));
  EXPECT_EQ(palette[4], DefaultPalette()[4]);
  EXPECT_EQ(palette[0], DefaultPalette()[0]);

  std::array<std::array<int, 3>, kSymbolRows> stored;
  for (auto& row : stored) row.fill(-1);
  stored[2] = {8, 13, -1};
  stored[3] = {99, -1, 6};  // colour index outside the palette
  const SymbolTable symbols = SymbolsFromStored(stored);
  EXPECT_EQ(symbols[2], (SymbolStyle{8, 13, 4}));
  EXPECT_EQ(symbols[3], (SymbolStyle{5, 4, 6}));
  EXPECT_EQ(symbols[0], DefaultSymbols()[0]);
  EXPECT_EQ(PaletteColour(palette, 25), kBlack);
}

}  // namespace
}  // namespace Lodema::Plot
