// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "orient/Primitives.h"
#include "plot/Statistics.h"
#include "plot/SymmetricEigen.h"

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

TEST(AxisStatistics, PerfectGirdleGivesItsGreatCircle) {
  // Axes every 15 degrees round the vertical N-S plane, some given upward.
  std::vector<DirectionCosines> axes;
  for (int i = 0; i < 12; ++i) {
    const double a = DegreesToRadians(15.0 * i);
    const DirectionCosines v{std::cos(a), 0, std::sin(a)};
    axes.push_back(i % 3 == 0 ? Opposite(v) : v);
  }
  const auto s = AxisStatisticsOf(axes);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->eigenvalues[0], 0.5, 1e-12);
  EXPECT_NEAR(s->eigenvalues[1], 0.5, 1e-12);
  EXPECT_EQ(s->eigenvalues[2], 0.0);
  EXPECT_EQ(s->woodcockK, 0.0);
  EXPECT_TRUE(std::isinf(s->woodcockC));
  EXPECT_EQ(s->shape, FabricShape::kOnePlane);
  EXPECT_LT(AngleDegrees(s->girdlePole, {0, 1, 0}), 1e-9);  // E-W: a vertical N-S circle
  // The eigenvectors 1 and 2 lie in the girdle.
  EXPECT_NEAR(AngleDegrees(s->eigenvectors[0], s->girdlePole), 90, 1e-9);
  EXPECT_NEAR(AngleDegrees(s->eigenvectors[1], s->girdlePole), 90, 1e-9);
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
// checked through their text (StatisticsTextTest); here the two of sets
// about a great circle.
TEST(AxisStatistics, LinesAboutAGreatCircleAreAGirdleOrOnePlane) {
  auto flat = NoisyGirdle(12);
  for (auto& a : flat) a.north = 0;
  EXPECT_EQ(AxisStatisticsOf(flat)->shape, FabricShape::kOnePlane);
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

}  // namespace
}  // namespace Lodema::Plot
