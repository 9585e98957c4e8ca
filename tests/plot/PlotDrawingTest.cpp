// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "orient/Primitives.h"
#include "plot/PlotDrawing.h"
#include "plot/SvgSurface.h"
#include "tests/plot/RecordingSurface.h"

namespace Lodema::Plot {
namespace {

using OrientGeometry::DegreesToRadians;
using testing::Op;
using testing::RecordingSurface;

class IgnoreAll : public MismatchQuestion {
 public:
  MismatchAnswer Ask(const std::string&) override { return MismatchAnswer::kIgnore; }
};

// Rows of (type, field 0, field 1, field 2) in degrees for Result, A-D.
PlotRecord Record(std::initializer_list<std::array<double, 4>> kinds) {
  PlotRecord record;
  int kind = 0;
  for (const auto& k : kinds) {
    record.cells[kind++] = {
        k[0], DegreesToRadians(k[1]), DegreesToRadians(k[2]), DegreesToRadians(k[3]), 0, 0};
  }
  return record;
}

// A store given the records in turn, each retained but the last (that one
// too when `retainLast`).
PlotStore StoreOf(std::initializer_list<PlotRecord> records, bool retainLast = false) {
  PlotStore store;
  IgnoreAll question;
  std::size_t left = records.size();
  for (const PlotRecord& record : records) {
    store.AddNewDataPoint(record, question);
    if (--left > 0 || retainLast) store.RetainCurrentData();
  }
  return store;
}

// Kinds of the drawn data items, by colour (each kind's own in the default
// symbols), after the frame.
std::vector<int> KindsDrawn(const RecordingSurface& surface, const PlotView& view) {
  std::vector<int> kinds;
  for (const auto& d : surface.drawn) {
    if (d.op == Op::kClear || d.pen == Pen{}) continue;  // background and frame
    for (int kind = 0; kind < kKindCount; ++kind) {
      if (d.pen.colour == view.palette[view.symbols[kind].colourIndex]) kinds.push_back(kind);
    }
  }
  return kinds;
}

TEST(RedrawPlot, FrameThenSetsWithTheResultOnTop) {
  // Calculation 0: planes A, B give the line of intersection.
  const PlotStore store = StoreOf({Record({{2, 29, 108, 0}, {1, 30, 90, 0}, {1, 60, 180, 0}}),
                                   Record({{2, 20, 301, 0}, {1, 45, 10, 0}, {1, 20, 300, 0}})});
  const PlotView view{};
  RecordingSurface surface;
  RedrawPlot(surface, store, view);
  ASSERT_GE(surface.drawn.size(), 3u);
  EXPECT_EQ(surface.drawn[0].op, Op::kClear);
  EXPECT_EQ(surface.drawn[0].background, kLightGrey);
  EXPECT_EQ(surface.drawn[1].op, Op::kCircle);  // the primitive
  EXPECT_EQ(KindsDrawn(surface, view),
            (std::vector<int>{kWindowA, kWindowB, kResult, kWindowA, kWindowB, kResult}));
  // Great circles of A and B, width 1; the Result's line as a filled square.
  const auto boxes = surface.Of(Op::kBox);
  ASSERT_EQ(boxes.size(), 2u);
  const GridPoint current =
      ProjectDirection(view.projection, DegreesToRadians(20), DegreesToRadians(301));
  EXPECT_EQ(boxes[0].points[0], (PlotPoint{current.x - 16.0, current.y - 16.0}));
  for (const auto& d : surface.Of(Op::kPolyline)) EXPECT_EQ(d.pen.width, 1);
}

TEST(RedrawPlot, ShowBoxesPlanesAsPolesAndResultCircleWidth) {
  // Calculation 1 style: a plane Result from lines A and B.
  const PlotStore store = StoreOf({Record({{1, 40, 100, 0}, {2, 10, 30, 0}, {2, 20, 170, 0}})});
  PlotView view;
  view.shown[kWindowB] = false;
  RecordingSurface circles;
  RedrawPlot(circles, store, view);
  EXPECT_EQ(KindsDrawn(circles, view), (std::vector<int>{kWindowA, kResult}));
  const auto curves = circles.Of(Op::kPolyline);
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_EQ(curves[0].pen.width, 2);

  view.planesAsGreatCircles = false;
  RecordingSurface poles;
  RedrawPlot(poles, store, view);
  ASSERT_EQ(poles.Of(Op::kBox).size(), 1u);
  const GridPoint pole =
      ProjectDirection(view.projection, DegreesToRadians(50), DegreesToRadians(280));
  EXPECT_EQ(poles.Of(Op::kBox)[0].points[1], (PlotPoint{pole.x + 16.0, pole.y + 16.0}));
}

// Fault mended: a current set of zeros is drawn while it is pending.
TEST(RedrawPlot, PendingSetOfZerosIsDrawn) {
  const PlotStore store = StoreOf({Record({{2, 0, 0, 0}, {2, 0, 0, 0}})});
  RecordingSurface surface;
  const PlotView view{};
  RedrawPlot(surface, store, view);
  const auto boxes = surface.Of(Op::kBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].points[0], (PlotPoint{-16, 984}));  // north on the primitive
}

struct ConeRow {
  const char* name;
  PlotRecord record;
  std::vector<int> cones;  // kinds drawn as small circles
};

TEST(RedrawPlot, ConesOfCoreCalculations) {
  const ConeRow rows[] = {
      {"reference alpha in A about core axis C",
       Record({{1, 40, 10, 0}, {3, 0, 0, 50}, {0, 0, 0, 0}, {2, 60, 200, 0}, {2, 10, 300, 0}}),
       {kWindowA}},
      {"beta-alpha in A; in B it draws nothing",
       Record({{1, 40, 10, 0}, {4, 0, 0, 50}, {4, 0, 0, 20}, {2, 60, 200, 0}}),
       {kWindowA}},
      {"cores without marks: three cones, no result",
       Record({{0, 0, 0, 0}, {6, 70, 10, 30}, {6, 50, 200, 40}, {0, 0, 0, 0}, {6, 80, 100, 20}}),
       {kWindowA, kWindowB, kWindowD}},
      {"code 6 in C draws nothing",
       Record({{2, 10, 10, 0}, {6, 70, 10, 30}, {0}, {6, 1, 1, 1}}),
       {kWindowA}},
  };
  for (const ConeRow& row : rows) {
    const PlotStore store = StoreOf({row.record}, true);
    const PlotView view{};
    RecordingSurface surface;
    RedrawPlot(surface, store, view);
    std::vector<int> cones;
    for (const auto& d : surface.Of(Op::kPolyline)) {
      for (int kind = 1; kind < kKindCount; ++kind) {
        if (d.pen.colour == view.palette[view.symbols[kind].colourIndex]) cones.push_back(kind);
      }
    }
    cones.erase(std::unique(cones.begin(), cones.end()), cones.end());
    EXPECT_EQ(cones, row.cones) << row.name;
  }
}

TEST(RedrawPlot, ConeOfWindowATurnsAboutWindowC) {
  const PlotStore store =
      StoreOf({Record({{1, 40, 10, 0}, {3, 0, 0, 30}, {0}, {2, 90, 0, 0}})}, true);
  RecordingSurface surface;
  RedrawPlot(surface, store, PlotView{});
  const auto cone = surface.Of(Op::kPolyline);
  ASSERT_FALSE(cone.empty());
  // About the vertical core axis: a circle about the centre.
  const double r = ProjectDirectionExact(ProjectionType::kEqualArea, DegreesToRadians(60), 0).y;
  for (const PlotPoint& p : cone[0].points)
    EXPECT_NEAR(std::hypot(p.x, p.y), r, 1e-3);  // stored in single precision
}

TEST(RedrawPlot, EmptyStoreDrawsOnlyTheFrame) {
  PlotStore store;
  RecordingSurface surface;
  PlotView view;
  view.background = kWhite;
  RedrawPlot(surface, store, view);
  EXPECT_EQ(surface.drawn[0].background, kWhite);
  for (std::size_t i = 1; i < surface.drawn.size(); ++i) EXPECT_EQ(surface.drawn[i].pen, Pen{});
}

TEST(RedrawPlot, UnreadableValuesDrawNothing) {
  const double nan = std::nan("");
  const struct {
    const char* name;
    int type;
    bool greatCircles;
  } rows[] = {{"line", kTypeLine, true},
              {"plane as pole", kTypePlane, false},
              {"plane as great circle", kTypePlane, true},
              {"cone", kTypeCoreAxisAndAlpha, true}};
  for (const auto& row : rows) {
    PlotRecord record;
    record.cells[kResult] = {2, 0.5, 0.5, 0, 0, 0};
    record.cells[kWindowA] = {double(row.type), nan, 1.0, nan, 0, 0};
    const PlotStore store = StoreOf({record});
    PlotView view;
    view.shown[kResult] = false;
    view.planesAsGreatCircles = row.greatCircles;
    RecordingSurface surface;
    RedrawPlot(surface, store, view);
    EXPECT_TRUE(KindsDrawn(surface, view).empty()) << row.name;
  }
}

// The newest set drawn with its symbols placed beforehand is that set as
// DrawRetainedSets draws it, whichever way each kind is drawn.
TEST(DrawNewestSet, SymbolsPlacedBeforehandDrawTheSameSet) {
  const double nan = std::nan("");
  const struct {
    const char* name;
    int type;
    bool greatCircles;
    double angle;
    double azimuth;
    SymbolPlace::Where where;
  } rows[] = {
      {"line", kTypeLine, true, 0.7, 4.0, SymbolPlace::kAt},
      {"vertical line", kTypeLine, true, 1.5707963267948966, 0.3, SymbolPlace::kAt},
      {"plane as pole", kTypePlane, false, 0.4, 5.9, SymbolPlace::kAt},
      {"plane as great circle", kTypePlane, true, 0.4, 5.9, SymbolPlace::kWorkedOutWhenDrawn},
      {"unreadable line", kTypeLine, true, nan, 1.0, SymbolPlace::kNowhere},
      {"unreadable pole", kTypePlane, false, 0.2, nan, SymbolPlace::kNowhere},
      {"cone", kTypeCoreAxisAndAlpha, true, 0.5, 2.0, SymbolPlace::kWorkedOutWhenDrawn},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PlotView view;
    view.planesAsGreatCircles = row.greatCircles;
    PlotStore store;
    IgnoreAll question;
    PlotRecord record;
    for (const double shift : {0.1, 0.0}) {
      record.cells[kResult] = {double(row.type), row.angle + shift, row.azimuth, 0.3, 0, 0};
      record.cells[kWindowB] = {double(kTypeLine), 0.9 + shift, 2.5, 0, 0, 0};
      store.AddNewDataPoint(record, question);
      store.RetainCurrentData();
    }
    std::array<SymbolPlace, kKindCount> places{};
    for (int kind = 0; kind < kKindCount; ++kind) {
      places[kind] = SymbolPlaceOf(view, store.TypeCode(kind), float(record.cells[kind][1]),
                                   float(record.cells[kind][2]));
    }
    EXPECT_EQ(places[kResult].where, row.where);
    std::ostringstream expected;
    std::ostringstream drawn;
    {
      SvgSurface surface(expected, SvgPage{});
      DrawRetainedSets(surface, store, view, 2, 2);
    }
    {
      SvgSurface surface(drawn, SvgPage{});
      DrawNewestSet(surface, store, view, places);
    }
    EXPECT_EQ(drawn.str(), expected.str());
    EXPECT_NE(expected.str().find("<g "), std::string::npos);  // window B at least
  }
}

struct LegendRow {
  const char* name;
  PlotRecord record;
  std::array<bool, kKindCount> shown;
  bool greatCircles;
  std::vector<std::pair<double, Op>> rows;  // y of each sample and its primitive
};

TEST(DrawLegend, RowsForShownKindsWithData) {
  const PlotRecord planesAB = Record({{2, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, 1, 0}});
  const std::array<bool, kKindCount> all{true, true, true, true, true};
  // clang-format off
  const LegendRow rows[] = {
      {"line result, planes A B as circles", planesAB, all, true,
       {{720, Op::kBox}, {608, Op::kLine}, {496, Op::kLine}}},
      {"planes as poles: symbols", planesAB, all, false,
       {{720, Op::kBox}, {608, Op::kCircle}, {496, Op::kCircle}}},
      {"Result hidden", planesAB, {false, true, true, true, true}, true,
       {{608, Op::kLine}, {496, Op::kLine}}},
      {"cones drawn as curves",
       Record({{0, 0, 0, 0}, {6, 70, 10, 30}, {6, 50, 200, 40}, {2, 1, 1, 0}, {6, 80, 100, 20}}),
       all, true, {{608, Op::kLine}, {496, Op::kLine}, {384, Op::kBox}, {272, Op::kLine}}},
  };
  // clang-format on
  for (const LegendRow& row : rows) {
    const PlotStore store = StoreOf({row.record});
    PlotView view;
    view.shown = row.shown;
    view.planesAsGreatCircles = row.greatCircles;
    RecordingSurface surface;
    DrawLegend(surface, {0.0, 1000.0, 440.0, false}, store, view);
    std::vector<std::pair<double, Op>> samples;  // by the row at each item's centre
    for (const auto& d : surface.drawn) {
      const double y = d.op == Op::kBox ? (d.points[0].y + d.points[1].y) / 2 : d.points[0].y;
      if (samples.empty() || samples.back().first != y) samples.push_back({y, d.op});
    }
    EXPECT_EQ(samples, row.rows) << row.name;
  }
}

TEST(DrawLegend, LineSampleLengthAndWidth) {
  const PlotStore store = StoreOf({Record({{1, 1, 1, 0}, {1, 1, 1, 0}})});
  RecordingSurface surface;
  DrawLegend(surface, {0.0, 1000.0, 440.0, false}, store, PlotView{});
  const auto lines = surface.Of(Op::kLine);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NEAR(lines[0].points[0].x, -200, 1e-9);  // half of 440 / 1.1
  EXPECT_NEAR(lines[0].points[1].x, 200, 1e-9);
  EXPECT_EQ(lines[0].points[0].y, 720);
  EXPECT_EQ(lines[0].pen.width, 2);
  EXPECT_EQ(lines[1].pen.width, 1);
}

TEST(CountLabelFor, FollowsTheResultTypeAndRetainedSets) {
  PlotStore store;
  IgnoreAll question;
  EXPECT_EQ(CountLabelFor(store, true, {true, " 5"}).caption, "0");
  store.AddNewDataPoint(Record({{2, 10, 10, 0}}), question);
  EXPECT_EQ(CountLabelFor(store, true, {}).caption, " 0");
  EXPECT_TRUE(CountLabelFor(store, true, {}).visible);
  EXPECT_FALSE(CountLabelFor(store, false, {true, ""}).visible);
  store.RetainCurrentData();
  store.AddNewDataPoint(Record({{2, 10, 10, 0}}), question);
  store.RetainCurrentData();
  store.AddNewDataPoint(Record({{2, 10, 10, 0}}), question);
  EXPECT_EQ(CountLabelFor(store, true, {}).caption, " 2");  // the current set is not counted

  const PlotStore cones = StoreOf({Record({{0, 0, 0, 0}, {6, 70, 10, 30}})});
  EXPECT_FALSE(CountLabelFor(cones, true, {true, ""}).visible);
}

TEST(PolarimText, RetainedResultsByteForByte) {
  PlotStore store;
  IgnoreAll question;
  EXPECT_EQ(PolarimText(store, ProjectionType::kEqualArea), "");
  store.AddNewDataPoint(Record({{1, 30, 120, 0}, {2, 1, 1, 0}}), question);
  EXPECT_EQ(PolarimText(store, ProjectionType::kEqualArea), "");  // only a current set
  store.RetainCurrentData();
  store.AddNewDataPoint(Record({{1, 45, 200, 0}, {2, 1, 1, 0}}), question);
  store.RetainCurrentData();
  store.AddNewDataPoint(Record({{1, 44.4, 359.6, 0}, {2, 1, 1, 0}}), question);
  store.RetainCurrentData();
  store.AddNewDataPoint(Record({{1, 10, 10, 0}, {2, 1, 1, 0}}), question);  // not exported
  EXPECT_EQ(PolarimText(store, ProjectionType::kEqualArea),
            ";Lodema data\r\n/T1\t/N2\t/P0\t/I2\t/C1\t/15\r\n30\t120\r\n45\t200\r\n44\t360\r\n");

  const PlotStore lines = StoreOf({Record({{2, 20, 5, 0}})}, true);
  EXPECT_EQ(PolarimText(lines, ProjectionType::kEqualAngle),
            ";Lodema data\r\n/T2\t/N1\t/P0\t/I2\t/C1\t/15\r\n20\t5\r\n");

  const PlotStore cones = StoreOf({Record({{0, 0, 0, 0}, {6, 70, 10, 30}})}, true);
  EXPECT_EQ(PolarimText(cones, ProjectionType::kEqualArea), "");
}

}  // namespace
}  // namespace Lodema::Plot
