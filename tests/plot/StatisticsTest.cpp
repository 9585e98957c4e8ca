// SPDX-License-Identifier: MIT
// The statistics of a set of axes, their text in the output conventions and
// their drawing on the net.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "orient/Primitives.h"
#include "plot/Statistics.h"
#include "plot/StatisticsDrawing.h"
#include "plot/StatisticsText.h"
#include "tests/plot/RecordingSurface.h"

namespace Lodema::Plot {
namespace {

using OrientGeometry::DegreesToRadians;
using OrientGeometry::LineToDirectionCosines;

constexpr double kInf = std::numeric_limits<double>::infinity();

DirectionCosines Line(double plunge, double trend) {
  return LineToDirectionCosines(DegreesToRadians(plunge), DegreesToRadians(trend));
}
DirectionCosines Opposite(const DirectionCosines& v) { return {-v.north, -v.east, -v.down}; }
double AngleDegrees(const DirectionCosines& a, const DirectionCosines& b) {
  const double c = std::abs(a.north * b.north + a.east * b.east + a.down * b.down);
  return OrientGeometry::RadiansToDegrees(std::acos(std::min(1.0, c)));
}

// Infinite expectations compare as infinite; others within the tolerance.
void ExpectValue(double actual, double expected, double tolerance, const char* what,
                 const char* row) {
  if (std::isinf(expected)) {
    EXPECT_TRUE(std::isinf(actual)) << row << ": " << what << " = " << actual;
  } else {
    EXPECT_NEAR(actual, expected, tolerance) << row << ": " << what;
  }
}

struct HandRow {
  const char* name;
  std::vector<DirectionCosines> axes;
  DirectionCosines mean;
  double resultant;             // tolerance 1e-9
  double k;                     // relative 1e-6
  double cone95;                // degrees, 1e-6
  double s1, s2, s3;            // 1e-9
  double woodcockK, woodcockC;  // 1e-6
  FabricShape shape;
};

// Values worked by hand: R from the aligned sum, k = (N-1)/(N-R), cos alpha95
// = 1 - (N-R)/R (20^(1/(N-1)) - 1), the tensor's diagonal where the
// off-diagonal terms cancel.
TEST(AxisStatistics, AgreesWithHandWorkedSets) {
  const double c80 = std::cos(DegreesToRadians(80));
  const double sideShare = 2 * c80 * c80 / 5;  // S2 = S3 of the vertical set
  const double c10 = std::cos(DegreesToRadians(10)), s10 = std::sin(DegreesToRadians(10));
  // clang-format off
  const HandRow rows[] = {
      {"about the vertical, one datum given upward",
       {Line(80, 0), Line(80, 90), Line(80, 180), Line(80, 270), Opposite(Line(90, 0))},
       {0, 0, 1}, 4.9392310120488325, 65.82304782193025, 9.500224411944133,
       1 - 2 * sideShare, sideShare, sideShare,
       kInf, std::log((1 - 2 * sideShare) / sideShare), FabricShape::kTooFew},
      {"about the horizontal E-W, raw vectors summing to nothing",
       {Line(0, 90), Line(0, 270), Line(10, 90), Line(10, 270)},
       {0, 1, 0}, 3.9696155060244163, 98.73457173289538, 9.292312200317774,
       (2 + 2 * c10 * c10) / 4, 2 * s10 * s10 / 4, 0,
       0, kInf, FabricShape::kOnePlane},
      {"identical axes, either sign",
       {Line(30, 200), Opposite(Line(30, 200)), Line(30, 200)},
       Line(30, 200), 3, kInf, 0,
       1, 0, 0,
       kInf, kInf, FabricShape::kIdentical},
  };
  // clang-format on
  for (const HandRow& row : rows) {
    const auto s = AxisStatisticsOf(row.axes);
    ASSERT_TRUE(s) << row.name;
    EXPECT_EQ(s->count, static_cast<int>(row.axes.size())) << row.name;
    EXPECT_LT(AngleDegrees(s->mean, row.mean), 1e-6) << row.name;
    EXPECT_GE(s->mean.down, 0.0) << row.name;
    EXPECT_NEAR(s->resultant, row.resultant, 1e-9) << row.name;
    ExpectValue(s->concentration, row.k, 1e-6 * row.k, "k", row.name);
    EXPECT_NEAR(OrientGeometry::RadiansToDegrees(s->cone95), row.cone95, 1e-6) << row.name;
    EXPECT_NEAR(s->eigenvalues[0], row.s1, 1e-9) << row.name;
    EXPECT_NEAR(s->eigenvalues[1], row.s2, 1e-9) << row.name;
    EXPECT_NEAR(s->eigenvalues[2], row.s3, 1e-9) << row.name;
    ExpectValue(s->woodcockK, row.woodcockK, 1e-6, "K", row.name);
    ExpectValue(s->woodcockC, row.woodcockC, 1e-6, "C", row.name);
    EXPECT_EQ(s->shape, row.shape) << row.name;
  }
}

// Lines round the vertical E-W plane, each lifted a little out of it.
std::vector<DirectionCosines> NoisyGirdle(int count) {
  std::vector<DirectionCosines> axes;
  for (int i = 0; i < count; ++i) {
    const double a = DegreesToRadians(180.0 * i / count);
    const double off = 0.05 * ((i % 3) - 1) + 0.01;
    axes.push_back({off, std::cos(a), std::sin(a)});
  }
  return axes;
}

// The shapes of small or identical sets, and the count that allows one, are
// checked through their text (StatisticsText below); sets in one plane by
// the hand-worked sets and the perfect girdle of ListsEveryQuantity.
TEST(AxisStatistics, LinesAboutAGreatCircleAreAGirdle) {
  EXPECT_EQ(AxisStatisticsOf(NoisyGirdle(10))->shape, FabricShape::kGirdle);
}

TEST(AxisStatistics, UniformScatterShowsNoFabric) {
  struct Row {
    const char* name;
    std::vector<DirectionCosines> axes;
  };
  std::vector<DirectionCosines> spiral;  // evenly spread over the sphere
  const int n = 2000;
  for (int i = 0; i < n; ++i) {
    const double z = 1 - (2.0 * i + 1) / n;
    const double r = std::sqrt(1 - z * z);
    const double a = i * 2.399963229728653;  // golden angle
    spiral.push_back({r * std::cos(a), r * std::sin(a), z});
  }
  std::vector<DirectionCosines> random;
  std::mt19937 generator(16);
  std::normal_distribution<double> normal;
  for (int i = 0; i < n; ++i)
    random.push_back({normal(generator), normal(generator), normal(generator)});
  for (const Row& row : {Row{"even spiral", spiral}, Row{"seeded random", random}}) {
    const auto s = AxisStatisticsOf(row.axes);
    ASSERT_TRUE(s) << row.name;
    EXPECT_LT(s->woodcockC, UniformStrengthLimit(n)) << row.name;
    EXPECT_LT(s->woodcockC, 0.2) << row.name;
    EXPECT_EQ(s->shape, FabricShape::kUniform) << row.name;
    for (double e : s->eigenvalues) EXPECT_NEAR(e, 1.0 / 3.0, 0.03) << row.name;
  }
  EXPECT_LT(AxisStatisticsOf(spiral)->woodcockC, 1e-3);
}

TEST(AxisStatistics, LeavesOutUnusableAxesAndCountsThem) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const auto s = AxisStatisticsOf({Line(40, 10), {0, 0, 0}, {nan, nan, nan}, {kInf, 0, 0}});
  ASSERT_TRUE(s);
  EXPECT_EQ(s->count, 1);
  EXPECT_EQ(s->skipped, 3);
  EXPECT_LT(AngleDegrees(s->mean, Line(40, 10)), 1e-9);
  EXPECT_TRUE(std::isnan(s->concentration));  // one axis: no spread to measure
  EXPECT_TRUE(std::isnan(s->cone95));

  EXPECT_FALSE(AxisStatisticsOf({}));
  EXPECT_FALSE(AxisStatisticsOf({{0, 0, 0}, {nan, 0, 0}}));
}

TEST(AxisStatistics, ScalesOfTheInputDoNotMatter) {
  const std::vector<DirectionCosines> unit{Line(20, 30), Line(25, 40), Line(35, 20)};
  std::vector<DirectionCosines> scaled;
  for (std::size_t i = 0; i < unit.size(); ++i) {
    const double f = i == 1 ? -7.5 : 0.25;
    scaled.push_back({f * unit[i].north, f * unit[i].east, f * unit[i].down});
  }
  const auto a = AxisStatisticsOf(unit);
  const auto b = AxisStatisticsOf(scaled);
  EXPECT_NEAR(a->resultant, b->resultant, 1e-12);
  EXPECT_LT(AngleDegrees(a->mean, b->mean), 1e-9);
  EXPECT_NEAR(a->woodcockC, b->woodcockC, 1e-9);
}

TEST(SymmetricEigen, DecomposesSeededMatrices) {
  std::mt19937 generator(7);
  std::uniform_real_distribution<double> value(-3, 3);
  for (int trial = 0; trial < 200; ++trial) {
    Matrix3 m{};
    for (std::size_t i = 0; i < 3; ++i) {
      for (std::size_t j = i; j < 3; ++j) m[i][j] = m[j][i] = value(generator);
    }
    if (trial % 4 == 0) m[0][1] = m[1][0] = m[0][2] = m[2][0] = 0;  // already partly diagonal
    const EigenSystem e = SymmetricEigen(m);
    EXPECT_GE(e.values[0], e.values[1]);
    EXPECT_GE(e.values[1], e.values[2]);
    for (std::size_t k = 0; k < 3; ++k) {
      const Vector3& v = e.vectors[k];
      for (std::size_t i = 0; i < 3; ++i) {
        const double mv = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
        EXPECT_NEAR(mv, e.values[k] * v[i], 1e-9) << "trial " << trial;
      }
      for (std::size_t l = 0; l < 3; ++l) {
        const double dot = v[0] * e.vectors[l][0] + v[1] * e.vectors[l][1] + v[2] * e.vectors[l][2];
        EXPECT_NEAR(dot, k == l ? 1.0 : 0.0, 1e-9) << "trial " << trial;
      }
    }
  }
}

TEST(SymmetricEigen, RepeatedValuesStillGiveAnOrthonormalSet) {
  const EigenSystem e = SymmetricEigen({Vector3{2, 1, 0}, Vector3{1, 2, 0}, Vector3{0, 0, 3}});
  EXPECT_NEAR(e.values[0], 3, 1e-12);
  EXPECT_NEAR(e.values[1], 3, 1e-12);
  EXPECT_NEAR(e.values[2], 1, 1e-12);
  const Vector3& v = e.vectors[2];
  EXPECT_NEAR(std::abs(v[0]), std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(v[0], -v[1], 1e-12);
  EXPECT_TRUE(
      std::isnan(SymmetricEigen({Vector3{1, std::nan(""), 0}, Vector3{}, Vector3{}}).values[0]));
}

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
  // Poles every 15 degrees round the vertical N-S plane, some given upward: a
  // perfect girdle, whose eigenvectors 1 and 2 lie in it.
  ResultAxes items{AxisKind::kPoles, {}};
  for (int i = 0; i < 12; ++i) {
    const double a = 15.0 * i * 3.14159265358979 / 180.0;
    const DirectionCosines v{std::cos(a), 0, std::sin(a)};
    items.axes.push_back(i % 3 == 0 ? Opposite(v) : v);
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

// (With the decimal point, commas: ListsEveryQuantity.)
TEST(StatisticsText, DecimalCommaListsWithSemicolons) {
  const ResultAxes items{AxisKind::kLines, {kPole, {0.32, -0.18, 0.9}, {0.28, -0.22, 0.91}}};
  OutputNotation comma;
  comma.decimalChar = ',';
  const std::string withComma = StatisticsTextOf(items, comma);
  EXPECT_EQ(LinesStarting(withComma, "Eigenvalues"),
            "Eigenvalues S1, S2, S3: 0,9994; 0,0006; 0,0000\n");
  EXPECT_EQ(LinesStarting(withComma, "Woodcock").substr(0, 32), "Woodcock K: 1,13; C: 14,09 (too ");
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
