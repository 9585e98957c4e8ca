// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "plot/Symbols.h"
#include "tests/plot/RecordingSurface.h"

namespace Lodema::Plot {
namespace {

using testing::Op;
using testing::RecordingSurface;

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

TEST(DrawScreenSymbols, ShapeSeventeenUsesAThickerPen) {
  RecordingSurface surface;
  DrawScreenSymbols(surface, kAt, kColour, 17, 2);
  for (const auto& d : surface.drawn) EXPECT_EQ(d.pen.width, 2);
  EXPECT_EQ(surface.pen().width, 1);
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
