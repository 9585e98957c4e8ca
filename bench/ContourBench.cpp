// Speed of the density contours: 10,000 seeded poles (two clusters and a
// background) counted on the default grid, their levels found and traced,
// for each method and both projections; also the statistics of the same
// poles. Reports the median of several runs; never fails on speed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "orient/Primitives.h"
#include "plot/Contours.h"
#include "plot/DensityGrid.h"
#include "plot/Statistics.h"

namespace {

using namespace Lodema::Plot;
using OrientGeometry::DirectionCosines;

std::vector<DirectionCosines> SeededPoles(int count) {
  std::mt19937 random(20261206u);
  std::normal_distribution<double> spread(0.0, 0.15);
  std::uniform_real_distribution<double> any(-1.0, 1.0);
  std::vector<DirectionCosines> poles;
  for (int i = 0; i < count; ++i) {
    if (i % 5 == 4) {
      poles.push_back({any(random), any(random), any(random)});
    } else if (i % 2 == 0) {
      poles.push_back({0.3 + spread(random), 0.2 + spread(random), 0.9 + spread(random)});
    } else {
      poles.push_back({spread(random), 1.0 + spread(random), spread(random)});  // near horizontal
    }
  }
  return poles;
}

template <typename Work>
double MedianMilliseconds(Work work, int runs) {
  std::vector<double> times;
  work();  // warm up
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  constexpr int kPoles = 10000;
  const std::vector<DirectionCosines> poles = SeededPoles(kPoles);
  std::printf("Contours of %d poles on a %d-cell grid, median ms (density, levels, rings)\n",
              kPoles, kDefaultGridCells);
  const struct {
    const char* name;
    DensityMethod method;
  } methods[] = {{"exponential Kamb", DensityMethod::kExponentialKamb},
                 {"Kamb", DensityMethod::kKamb},
                 {"1% area count", DensityMethod::kOnePercentArea}};
  double slowest = 0.0;
  for (const auto& m : methods) {
    for (const ProjectionType projection :
         {ProjectionType::kEqualArea, ProjectionType::kEqualAngle}) {
      std::size_t rings = 0;
      const double ms = MedianMilliseconds(
          [&] {
            const DensityGrid grid = ComputeDensity(poles, m.method, projection);
            rings = TraceContours(grid, ContourLevels(grid)).size();
          },
          7);
      slowest = std::max(slowest, ms);
      std::printf("%-18s %-12s %8.1f ms  %zu rings\n", m.name,
                  projection == ProjectionType::kEqualArea ? "equal area" : "equal angle", ms,
                  rings);
    }
  }
  const double stats = MedianMilliseconds([&] { (void)AxisStatisticsOf(poles); }, 7);
  std::printf("statistics of the same poles: %.2f ms\n", stats);
  std::printf("target: under 200 ms for %d poles; slowest here %.1f ms (%s)\n", kPoles, slowest,
              slowest < 200.0 ? "met" : "NOT met");
  return 0;
}
