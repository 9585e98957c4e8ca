// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "plot/StatisticsDrawing.h"
#include "plot/StatisticsText.h"
#include "tests/plot/RecordingSurface.h"

namespace Lodema::Plot {
namespace {

using testing::Op;

// A pole of 68.2/326.3 (the plane 21.8/146.3) and the horizontal E-W axis.
constexpr DirectionCosines kPole{0.3, -0.2, 0.9};
constexpr DirectionCosines kEastWest{0, 1, 0};

using OrientGeometry::AzimuthStyle;
using OrientGeometry::LineNotation;
using OrientGeometry::PlaneNotation;

// Planes in a notation, lines plunge first, directions as azimuths.
OutputNotation Written(PlaneNotation plane, char decimalChar, int decimals) {
  return {{plane, LineNotation::kPlungeTrend, AzimuthStyle::kAzimuth}, decimalChar, decimals};
}

TEST(StatisticsText, WritesOrientationsInTheOutputConventions) {
  struct Row {
    const char* name;
    OutputNotation notation;
    const char* plane;     // normal to kPole
    const char* line;      // kPole
    const char* vertical;  // normal to kEastWest
  };
  const Row rows[] = {
      {"dip / dip direction", Written(PlaneNotation::kDipDipDirection, '.', 1), "21.8/146.3",
       "68.2/326.3", "90.0/270.0"},
      {"dip direction / dip", Written(PlaneNotation::kDipDirectionDip, '.', 1), "146.3/21.8",
       "68.2/326.3", "270.0/90.0"},
      {"strike, dip and sense", Written(PlaneNotation::kStrikeDipSense, '.', 1), "056.3/21.8S",
       "68.2/326.3", "180.0/90.0W"},
      {"dip and sense, strike", Written(PlaneNotation::kDipSenseStrike, '.', 1), "21.8S/056.3",
       "68.2/326.3", "90.0W/180.0"},
      {"dip / right-hand strike", Written(PlaneNotation::kDipStrikeRightHand, '.', 1), "21.8/056.3",
       "68.2/326.3", "90.0/180.0"},
      {"right-hand strike / dip, quadrant, comma, whole degrees, trend first",
       {{PlaneNotation::kStrikeDipRightHand, LineNotation::kTrendPlunge, AzimuthStyle::kQuadrant},
        ',',
        0},
       "N56E/22",
       "N34W/68",
       "S0E/90"},
      {"two decimals with a comma", Written(PlaneNotation::kDipDipDirection, ',', 2),
       "21,83/146,31", "68,17/326,31", "90,00/270,00"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(NormalPlaneText(kPole, row.notation), row.plane) << row.name;
    EXPECT_EQ(LineText(kPole, row.notation), row.line) << row.name;
    EXPECT_EQ(NormalPlaneText(kEastWest, row.notation), row.vertical) << row.name;
  }
}

TEST(StatisticsText, AxisThatReadsVerticalTakesTrendZero) {
  // The mean of poles kept in single precision is vertical only to about 1e-7.
  const DirectionCosines nearlyVertical{1e-7, 2e-7, 1};
  EXPECT_EQ(LineText(nearlyVertical, {}), "90.0/000.0");
  EXPECT_EQ(NormalPlaneText(nearlyVertical, {}), "0.0/180.0");
  OutputNotation fine;
  fine.decimals = 6;  // shown to a millionth it is not vertical
  const std::string steep = LineText({1e-4, 2e-4, 1}, fine);
  EXPECT_EQ(steep.substr(steep.find('/')), "/063.434949");
}

TEST(StatisticsText, ListsEveryQuantity) {
  // Poles every 15 degrees round the vertical N-S plane: a perfect girdle.
  ResultAxes items{AxisKind::kPoles, {}};
  for (int i = 0; i < 12; ++i) {
    const double a = 15.0 * i * 3.14159265358979 / 180.0;
    items.axes.push_back({std::cos(a), 0, std::sin(a)});
  }
  items.axes.push_back({NAN, NAN, NAN});
  EXPECT_EQ(StatisticsTextOf(items, {}),
            "12 poles to planes (1 item without values left out)\n"
            "Mean pole: 82.5/000.0\n"
            "Mean plane: 7.5/180.0\n"
            "Resultant R: 7.661\n"
            "Concentration k: 2.54\n"
            "Cone of 95% confidence (alpha95): 34.6\n"
            "Eigenvalues S1, S2, S3: 0.5000, 0.5000, 0.0000\n"
            "Eigenvector 1: 83.7/000.0\n"
            "Eigenvector 2: 6.3/180.0\n"
            "Eigenvector 3: 0.0/090.0\n"
            "Woodcock K and C: not defined (all poles in one plane)\n"
            "Best-fit great circle: 90.0/270.0 (pole 0.0/090.0)\n");

  const std::string one = StatisticsTextOf({AxisKind::kLines, {kPole}}, {});
  EXPECT_EQ(one.substr(0, one.find('\n', one.find("Mean line"))), "1 line\nMean line: 68.2/326.3");
  EXPECT_NE(one.find("Concentration k: undefined\n"), std::string::npos);
  EXPECT_EQ(StatisticsTextOf({AxisKind::kLines, {}}, {}), "No planes or lines to describe\n");
  EXPECT_EQ(StatisticsTextOf({AxisKind::kLines, {{0, 0, 0}, {0, 0, 0}}}, {}),
            "2 items without values: no statistics\n");
}

// The text's lines that begin with `start`, each with its "\n".
std::string LinesStarting(const std::string& text, const std::string& start) {
  std::string found;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    const std::string line = text.substr(at, end - at + 1);
    if (line.rfind(start, 0) == 0) found += line;
    at = end + 1;
  }
  return found;
}

TEST(StatisticsText, NamesTheShapeOrWhyThereIsNone) {
  // Lines within a few degrees of 30/120, so none lie in one plane.
  const auto cluster = [](int count) {
    std::vector<DirectionCosines> axes;
    for (int i = 0; i < count; ++i) {
      axes.push_back({-0.43 + 0.02 * std::sin(2.4 * i), 0.75 + 0.02 * std::cos(2.4 * i),
                      0.5 + 0.01 * (i % 3)});
    }
    return axes;
  };
  struct Row {
    const char* name;
    ResultAxes items;
    const char* shape;       // the Woodcock line
    bool secondEigenvector;  // and with it the girdle
  };
  // clang-format off
  const Row rows[] = {
      {"a single line", {AxisKind::kLines, {kPole}},
       "Woodcock K and C: not defined (a single line)\n", false},
      {"identical poles", {AxisKind::kPoles, {kPole, kPole, {-0.3, 0.2, -0.9}}},
       "Woodcock K and C: not defined (all poles identical)\n", false},
      {"two lines", {AxisKind::kLines, {kPole, kEastWest}},
       "Woodcock K and C: not defined (all lines in one plane)\n", true},
      {"three clustered lines", {AxisKind::kLines, cluster(3)},
       "(too few lines to judge the shape)\n", true},
      {"nine clustered poles", {AxisKind::kPoles, cluster(9)},
       "(too few poles to judge the shape)\n", true},
      {"ten clustered lines", {AxisKind::kLines, cluster(10)}, "(cluster)\n", true},
  };
  // clang-format on
  for (const Row& row : rows) {
    const std::string text = StatisticsTextOf(row.items, {});
    const std::string woodcock = LinesStarting(text, "Woodcock");
    EXPECT_EQ(woodcock.substr(woodcock.size() - std::min(woodcock.size(), std::strlen(row.shape))),
              row.shape)
        << row.name << ": " << woodcock;
    EXPECT_EQ(LinesStarting(text, "Eigenvector 1").empty(), false) << row.name;
    EXPECT_EQ(!LinesStarting(text, "Eigenvector 2").empty(), row.secondEigenvector) << row.name;
    EXPECT_EQ(!LinesStarting(text, "Eigenvector 3").empty(), row.secondEigenvector) << row.name;
    EXPECT_EQ(!LinesStarting(text, "Best-fit great circle").empty(), row.secondEigenvector)
        << row.name;
    EXPECT_EQ(woodcock.find("infinite"), std::string::npos) << row.name;
  }
}

TEST(StatisticsText, DecimalCommaListsWithSemicolons) {
  const ResultAxes items{AxisKind::kLines, {kPole, {0.32, -0.18, 0.9}, {0.28, -0.22, 0.91}}};
  OutputNotation comma;
  comma.decimalChar = ',';
  const std::string withComma = StatisticsTextOf(items, comma);
  EXPECT_EQ(LinesStarting(withComma, "Eigenvalues"),
            "Eigenvalues S1, S2, S3: 0,9994; 0,0006; 0,0000\n");
  EXPECT_EQ(LinesStarting(withComma, "Woodcock").substr(0, 32), "Woodcock K: 1,13; C: 14,09 (too ");
  const std::string withPoint = StatisticsTextOf(items, {});
  EXPECT_EQ(LinesStarting(withPoint, "Eigenvalues"),
            "Eigenvalues S1, S2, S3: 0.9994, 0.0006, 0.0000\n");
}

TEST(StatisticsDrawing, DrawsOnlyTheChosenLayersAndRestoresThePen) {
  AxisStatistics s = *AxisStatisticsOf({kPole, {0.32, -0.18, 0.9}, {0.28, -0.22, 0.91}});
  struct Row {
    const char* name;
    StatisticsLayers layers;
    double cone95;
    std::size_t closedPaths;  // the mean's star
    std::size_t circles;      // eigenvector 3
    std::size_t boxes;        // eigenvector 1
    bool curves;              // the cone, the girdle or eigenvector 2's strokes
  };
  const Row rows[] = {
      {"nothing", {false, false, false}, s.cone95, 0, 0, 0, false},  // and no text or dot
      {"mean and cone", {true, false, false}, s.cone95, 1, 0, 0, true},
      {"mean of identical axes: no cone", {true, false, false}, 0.0, 1, 0, 0, false},
      {"eigenvectors", {false, true, false}, s.cone95, 0, 1, 1, true},
      {"girdle", {false, false, true}, s.cone95, 0, 0, 0, true},
  };
  for (const Row& row : rows) {
    testing::RecordingSurface surface;
    const Pen pen{{1, 2, 3}, 3, LineStyle::kDot, PenMode::kCopy};
    const Fill fill{true, {4, 5, 6}};
    surface.SetPen(pen);
    surface.SetFill(fill);
    s.cone95 = row.cone95;
    DrawStatistics(surface, ProjectionType::kEqualArea, s, row.layers);
    EXPECT_EQ(surface.Of(Op::kClosedPath).size(), row.closedPaths) << row.name;
    EXPECT_EQ(surface.Of(Op::kCircle).size(), row.circles) << row.name;
    EXPECT_EQ(surface.Of(Op::kBox).size(), row.boxes) << row.name;
    const bool curves = !surface.Of(Op::kPolyline).empty() || !surface.Of(Op::kArc).empty() ||
                        !surface.Of(Op::kLine).empty();
    EXPECT_EQ(curves, row.curves) << row.name;
    EXPECT_EQ(surface.pen(), pen) << row.name;
    EXPECT_EQ(surface.fill(), fill) << row.name;
  }
  // Identical items: the first eigenvector alone, no girdle.
  testing::RecordingSurface surface;
  DrawStatistics(surface, ProjectionType::kEqualArea, *AxisStatisticsOf({kPole, kPole}),
                 {false, true, true});
  EXPECT_EQ(surface.Of(Op::kBox).size(), 1u);
  EXPECT_TRUE(surface.Of(Op::kCircle).empty());
  EXPECT_TRUE(surface.Of(Op::kPolyline).empty() && surface.Of(Op::kArc).empty() &&
              surface.Of(Op::kLine).empty());
}

}  // namespace
}  // namespace Lodema::Plot
