#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "orient/Primitives.h"
#include "plot/Contours.h"
#include "plot/DensityGrid.h"

namespace Lodema::Plot {
namespace {

using OrientGeometry::DegreesToRadians;
using OrientGeometry::DirectionCosines;

DirectionCosines Line(double plunge, double trend) {
  return OrientGeometry::LineToDirectionCosines(DegreesToRadians(plunge), DegreesToRadians(trend));
}

// A seeded sample: a tight cluster about a steep axis, a looser one about a
// horizontal axis (it shows on both sides of the net), a little background.
std::vector<DirectionCosines> Sample(int count) {
  std::mt19937 generator(11);
  std::normal_distribution<double> spread(0.0, 8.0);
  std::uniform_real_distribution<double> any(-1.0, 1.0);
  std::vector<DirectionCosines> axes;
  for (int i = 0; i < count; ++i) {
    if (i % 10 == 9) {
      axes.push_back({any(generator), any(generator), any(generator)});
    } else if (i % 3 == 0) {
      axes.push_back(Line(2 * spread(generator), 100 + 2 * spread(generator)));
    } else {
      axes.push_back(Line(70 + spread(generator), 220 + spread(generator)));
    }
  }
  return axes;
}

const DensityMethod kMethods[] = {DensityMethod::kExponentialKamb, DensityMethod::kKamb,
                                  DensityMethod::kOnePercentArea};

TEST(DensityGrid, IntegratesToTheCountOverTheHemisphere) {
  // On the equal-area net every node stands for the same area, so the mean
  // over the nodes inside the primitive, in units of the uniform value, is
  // the count over the hemisphere divided by n: 1.
  struct Row {
    const char* name;
    int count;
    double tolerance;
  };
  for (const Row& row : {Row{"40 axes", 40, 0.02}, Row{"600 axes", 600, 0.02}}) {
    for (DensityMethod method : kMethods) {
      const DensityGrid grid =
          ComputeDensity(Sample(row.count), method, ProjectionType::kEqualArea, 240);
      double sum = 0;
      int inside = 0;
      for (double v : grid.values) {
        if (!std::isnan(v)) {
          sum += v;
          ++inside;
        }
      }
      EXPECT_NEAR(sum / inside / grid.uniformValue, 1.0, row.tolerance)
          << row.name << ", " << DensityMethodTitle(method);
    }
  }
}

TEST(DensityGrid, UniformValuesAndParametersFollowTheCount) {
  struct Row {
    DensityMethod method;
    int count;
    double uniform;
    double parameter;
    double tolerance;
  };
  const Row rows[] = {
      {DensityMethod::kExponentialKamb, 100, 3.0, 2 * (1 + 100 / 9.0), 0.05},
      {DensityMethod::kExponentialKamb, 10000, 3.0, 2 * (1 + 10000 / 9.0), 0.01},
      {DensityMethod::kKamb, 100, 3.0, 100 / 109.0, 1e-12},
      {DensityMethod::kOnePercentArea, 100, 1.0, 0.99, 1e-12},
  };
  for (const Row& row : rows) {
    const DensityGrid grid =
        ComputeDensity(Sample(row.count), row.method, ProjectionType::kEqualArea, 8);
    EXPECT_NEAR(grid.uniformValue, row.uniform, row.tolerance) << DensityMethodTitle(row.method);
    EXPECT_NEAR(grid.parameter, row.parameter, 1e-9 * row.parameter)
        << DensityMethodTitle(row.method);
  }
}

TEST(DensityGrid, CountsAxesAtBothEndsOfTheNet) {
  // One horizontal E-W axis, given once pointing west: the density is the
  // same at mirrored nodes east and west, highest on the primitive.
  for (DensityMethod method : kMethods) {
    for (ProjectionType projection : {ProjectionType::kEqualArea, ProjectionType::kEqualAngle}) {
      const DensityGrid grid = ComputeDensity({Line(0, 270)}, method, projection, 60);
      const int middle = grid.side / 2;
      EXPECT_EQ(grid.Value(1, middle), grid.Maximum()) << DensityMethodTitle(method);
      EXPECT_EQ(grid.Value(grid.side - 2, middle), grid.Maximum()) << DensityMethodTitle(method);
      for (int row = 0; row < grid.side; ++row) {
        for (int column = 0; column < grid.side; ++column) {
          const double a = grid.Value(column, row);
          const double b = grid.Value(grid.side - 1 - column, row);
          if (std::isnan(a)) {
            EXPECT_TRUE(std::isnan(b));
          } else {
            EXPECT_NEAR(a, b, 1e-9 * std::max(1.0, a)) << DensityMethodTitle(method);
          }
        }
      }
    }
  }
}

TEST(DensityGrid, MarksNodesOutsideThePrimitiveAndSkipsUnusableAxes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const DensityGrid grid = ComputeDensity({Line(50, 10), {0, 0, 0}, {nan, 1, 0}},
                                          DensityMethod::kKamb, ProjectionType::kEqualArea, 20);
  EXPECT_EQ(grid.count, 1);
  EXPECT_EQ(grid.skipped, 2);
  EXPECT_EQ(grid.side, 23);
  for (int row = 0; row < grid.side; ++row) {
    for (int column = 0; column < grid.side; ++column) {
      const PlotPoint p = grid.Node(column, row);
      EXPECT_EQ(std::isnan(grid.Value(column, row)),
                std::hypot(p.x, p.y) > kPrimitiveRadius + 1e-6);
    }
  }
  const DensityGrid none =
      ComputeDensity({{0, 0, 0}}, DensityMethod::kExponentialKamb, ProjectionType::kEqualArea);
  EXPECT_TRUE(none.values.empty());
  EXPECT_TRUE(ContourLevels(none).empty());
  EXPECT_TRUE(TraceContours(none, {1.0}).empty());
}

// A grid of made-up values for the contour tracer.
DensityGrid MadeGrid(int cells, double (*value)(double x, double y)) {
  DensityGrid grid;
  grid.method = DensityMethod::kKamb;
  grid.step = 2 * kPrimitiveRadius / cells;
  grid.side = cells + 3;
  grid.origin = -kPrimitiveRadius - grid.step;
  for (int row = 0; row < grid.side; ++row) {
    for (int column = 0; column < grid.side; ++column) {
      const PlotPoint p = grid.Node(column, row);
      grid.values.push_back(std::hypot(p.x, p.y) > kPrimitiveRadius
                                ? std::numeric_limits<double>::quiet_NaN()
                                : value(p.x, p.y));
    }
  }
  return grid;
}

bool Inside(const std::vector<PlotPoint>& polygon, PlotPoint p) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const PlotPoint& a = polygon[i];
    const PlotPoint& b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

TEST(Contours, TraceClosedRingsWhereTheValueCrossesTheLevel) {
  struct Row {
    const char* name;
    double (*value)(double, double);
    double level;
    std::size_t rings;
    double ringRadius;  // about the bump's centre (300, 0); 0: not checked
    bool touchesPrimitive;
    double valueTolerance;
  };
  const Row rows[] = {
      {"cone about (300, 0)", [](double x, double y) { return 10 - std::hypot(x - 300, y) / 50; },
       6, 1, 200, false, 0.05},
      {"two cones: two rings",
       [](double x, double y) {
         return 10 - std::min(std::hypot(x - 400, y), std::hypot(x + 400, y)) / 50;
       },
       6, 2, 0, false, 0.05},
      {"rising to the east: the ring closes along the primitive",
       [](double x, double) { return x / 100; }, 5, 1, 0, true, 1e-9},
      {"steps, nodes exactly at the level", [](double x, double) { return std::round(x / 200); }, 1,
       1, 0, true, 1e-9},
      {"below the level everywhere", [](double, double) { return 1.0; }, 2, 0, 0, false, 0},
  };
  for (const Row& row : rows) {
    const DensityGrid grid = MadeGrid(80, row.value);
    const auto lines = TraceContours(grid, {row.level});
    ASSERT_EQ(lines.size(), row.rings) << row.name;
    for (const ContourLine& line : lines) {
      ASSERT_GE(line.points.size(), 4u) << row.name;
      // Closed: the last point is one cell from the first, not a far jump.
      EXPECT_LE(std::hypot(line.points.back().x - line.points.front().x,
                           line.points.back().y - line.points.front().y),
                grid.step * 1.5)
          << row.name;
      bool onPrimitive = false;
      for (const PlotPoint& p : line.points) {
        const double r = std::hypot(p.x, p.y);
        EXPECT_LE(r, kPrimitiveRadius + 1e-6) << row.name;
        if (std::abs(r - kPrimitiveRadius) < 1e-6) {
          onPrimitive = true;
        } else {
          // Interpolated along a cell edge: exact where the values are linear.
          EXPECT_NEAR(row.value(p.x, p.y), row.level, row.valueTolerance) << row.name;
        }
        if (row.ringRadius > 0) {
          EXPECT_NEAR(std::hypot(p.x - 300, p.y), row.ringRadius, 3) << row.name;
        }
      }
      EXPECT_EQ(onPrimitive, row.touchesPrimitive) << row.name;
    }
  }
}

TEST(Contours, LevelsOfARealDensityNest) {
  for (DensityMethod method : kMethods) {
    const DensityGrid grid =
        ComputeDensity(Sample(500), method, ProjectionType::kEqualArea, kDefaultGridCells);
    const std::vector<double> levels = ContourLevels(grid);
    ASSERT_GE(levels.size(), 2u) << DensityMethodTitle(method);
    const auto lines = TraceContours(grid, levels);
    for (const ContourLine& line : lines) {
      if (line.levelIndex == 0) continue;
      // Every ring of a level lies inside the region of the level below.
      for (const PlotPoint& p : {line.points.front(), line.points[line.points.size() / 2]}) {
        int containing = 0;
        for (const ContourLine& lower : lines) {
          if (lower.levelIndex == line.levelIndex - 1 && Inside(lower.points, p)) ++containing;
        }
        EXPECT_EQ(containing % 2, 1) << DensityMethodTitle(method) << " level " << line.level;
      }
    }
  }
}

TEST(Contours, LevelsAreEvenlySpacedUpToTheMaximum) {
  struct Row {
    const char* name;
    DensityMethod method;
    double maximum;
    std::vector<double> levels;
  };
  const Row rows[] = {
      {"sigma, few", DensityMethod::kKamb, 7.5, {2, 4, 6}},
      {"sigma, many: every 4", DensityMethod::kExponentialKamb, 30, {4, 8, 12, 16, 20, 24, 28}},
      {"sigma, very many: every 20", DensityMethod::kKamb, 130, {20, 40, 60, 80, 100, 120}},
      {"sigma, below the first", DensityMethod::kKamb, 1.9, {}},
      {"count", DensityMethod::kOnePercentArea, 3.5, {1, 2, 3}},
      {"count, many: every 5", DensityMethod::kOnePercentArea, 22, {5, 10, 15, 20}},
  };
  for (const Row& row : rows) {
    DensityGrid grid;
    grid.method = row.method;
    grid.side = 2;
    grid.values = {0, row.maximum, std::numeric_limits<double>::quiet_NaN(), 1};
    EXPECT_EQ(ContourLevels(grid), row.levels) << row.name;
  }
}

}  // namespace
}  // namespace Lodema::Plot
