// SPDX-License-Identifier: MIT
#include "plot/DensityGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "orient/Primitives.h"
#include "plot/Statistics.h"

namespace Lodema::Plot {

namespace {

using OrientGeometry::DirectionCosines;

// Weights below exp(-kNegligibleExponent) of a coincident axis's are left
// out: 2e-9, far below anything a contour shows.
constexpr double kNegligibleExponent = 20.0;
// The share of the hemisphere the 1% count's cone covers.
constexpr double kOnePercent = 0.01;
// A finer grid than this only costs time (a node every 0.1 degree).
constexpr int kMostGridCells = 2000;

// The axes at both ends, bucketed in a cubic grid over [-1, 1]^3 whose cells
// are at least `reach` (a chord length) wide: every end within reach of a
// direction lies in the 27 cells around the direction's cell.
class EndBuckets {
 public:
  EndBuckets(const std::vector<DirectionCosines>& axes, double reach) {
    cells_ = std::max(1, std::min(64, static_cast<int>(std::floor(2.0 / reach))));
    width_ = 2.0 / cells_;
    const std::size_t total = static_cast<std::size_t>(cells_) * static_cast<std::size_t>(cells_) *
                              static_cast<std::size_t>(cells_);
    start_.assign(total + 1, 0);
    std::vector<std::size_t> cellOf;
    cellOf.reserve(axes.size() * 2);
    for (const DirectionCosines& a : axes) {
      for (const double sign : {1.0, -1.0}) {
        const std::size_t cell = Cell(sign * a.north, sign * a.east, sign * a.down);
        cellOf.push_back(cell);
        ++start_[cell + 1];
      }
    }
    for (std::size_t i = 1; i <= total; ++i) start_[i] += start_[i - 1];
    ends_.resize(cellOf.size());
    std::vector<std::size_t> next(start_.begin(), start_.end() - 1);
    for (std::size_t i = 0; i < cellOf.size(); ++i) {
      const DirectionCosines& a = axes[i / 2];
      const double sign = i % 2 == 0 ? 1.0 : -1.0;
      ends_[next[cellOf[i]]++] = {sign * a.north, sign * a.east, sign * a.down};
    }
  }

  // Calls visit(cosine) for every end in the cells around u.
  template <typename Visit>
  void ForEachNear(const DirectionCosines& u, Visit&& visit) const {
    const int cx = Index(u.north), cy = Index(u.east), cz = Index(u.down);
    for (int i = std::max(0, cx - 1); i <= std::min(cells_ - 1, cx + 1); ++i) {
      for (int j = std::max(0, cy - 1); j <= std::min(cells_ - 1, cy + 1); ++j) {
        for (int k = std::max(0, cz - 1); k <= std::min(cells_ - 1, cz + 1); ++k) {
          const std::size_t cell = Flat(i, j, k);
          for (std::size_t e = start_[cell]; e < start_[cell + 1]; ++e) {
            const DirectionCosines& p = ends_[e];
            visit(u.north * p.north + u.east * p.east + u.down * p.down);
          }
        }
      }
    }
  }

 private:
  int Index(double c) const {
    return std::clamp(static_cast<int>(std::floor((c + 1.0) / width_)), 0, cells_ - 1);
  }
  std::size_t Flat(int i, int j, int k) const {
    return (static_cast<std::size_t>(i) * static_cast<std::size_t>(cells_) +
            static_cast<std::size_t>(j)) *
               static_cast<std::size_t>(cells_) +
           static_cast<std::size_t>(k);
  }
  std::size_t Cell(double x, double y, double z) const {
    return Flat(Index(x), Index(y), Index(z));
  }

  int cells_ = 1;
  double width_ = 2.0;
  std::vector<std::size_t> start_;
  std::vector<DirectionCosines> ends_;
};

// In the order of DensityMethod: the lodema-batch name and the legend's title.
struct MethodNames {
  DensityMethod method;
  std::string_view name;
  const char* title;
};
constexpr MethodNames kMethodNames[] = {
    {DensityMethod::kExponentialKamb, "exp-kamb", "Exponential Kamb"},
    {DensityMethod::kKamb, "kamb", "Kamb"},
    {DensityMethod::kOnePercentArea, "count", "1% area count"},
};

}  // namespace

std::optional<DensityMethod> DensityMethodFromName(std::string_view name) {
  const auto named = std::find_if(std::begin(kMethodNames), std::end(kMethodNames),
                                  [name](const MethodNames& names) { return names.name == name; });
  if (named == std::end(kMethodNames)) return std::nullopt;
  return named->method;
}

double DensityGrid::Maximum() const {
  double maximum = 0.0;
  for (const double v : values) maximum = std::max(maximum, v);  // NaN left out
  return maximum;
}

DensityGrid ComputeDensity(const std::vector<DirectionCosines>& axes, DensityMethod method,
                           ProjectionType projection, int cellsAcross) {
  DensityGrid grid;
  grid.method = method;
  grid.projection = projection;
  const std::vector<DirectionCosines> units = UnitAxes(axes, grid.skipped);
  grid.count = static_cast<int>(units.size());
  if (units.empty()) return grid;
  const double n = grid.count;

  // Ends with a cosine at or above `cutoff` to a node count there.
  double cutoff = 0.0;
  double scale = 1.0;  // value = sum / scale
  switch (method) {
    case DensityMethod::kExponentialKamb: {
      // With c = |cos| uniform on [0, 1] for uniformly spread axes, one
      // axis's weight W = exp(k (c - 1)) has mean (1 - e^-k) / k and mean
      // square (1 - e^-2k) / 2k. Asking, as the Kamb count does, that the
      // expected sum be 3 standard deviations, n/k = 3 sqrt(n (1/2k - 1/k^2))
      // for large k, gives k = 2 (1 + n / 9).
      const double k = 2.0 * (1.0 + n / 9.0);
      const double mean = -std::expm1(-k) / k;
      const double meanSquare = -std::expm1(-2.0 * k) / (2.0 * k);
      const double sigma = std::sqrt(n * std::max(0.0, meanSquare - mean * mean));
      grid.parameter = k;
      cutoff = std::max(0.0, 1.0 - kNegligibleExponent / k);
      scale = sigma;
      grid.uniformValue = n * mean / sigma;
      break;
    }
    case DensityMethod::kKamb: {
      // A cone covering the share A of the hemisphere expects nA of n uniform
      // axes with a standard deviation of sqrt(nA(1 - A)); nA = 3 sigma
      // gives A = 9 / (n + 9).
      const double share = 9.0 / (n + 9.0);
      cutoff = 1.0 - share;
      scale = std::sqrt(n * share * (1.0 - share));
      grid.parameter = cutoff;
      grid.uniformValue = n * share / scale;
      break;
    }
    case DensityMethod::kOnePercentArea:
      cutoff = 1.0 - kOnePercent;
      scale = n * kOnePercent;
      grid.parameter = cutoff;
      grid.uniformValue = 1.0;
      break;
  }

  const int cells = std::clamp(cellsAcross, 4, kMostGridCells);
  grid.step = 2.0 * kPrimitiveRadius / cells;
  grid.side = cells + 3;  // one node beyond the primitive on each side
  grid.origin = -kPrimitiveRadius - grid.step;
  grid.values.assign(static_cast<std::size_t>(grid.side) * static_cast<std::size_t>(grid.side),
                     std::numeric_limits<double>::quiet_NaN());

  const double reach = std::sqrt(2.0 * (1.0 - cutoff));  // chord of the counting angle
  const EndBuckets buckets(units, reach);
  const bool exponential = method == DensityMethod::kExponentialKamb;
  const double k = grid.parameter;
  const double limit = kPrimitiveRadius * kPrimitiveRadius * (1.0 + 1e-12);
  for (int row = 0; row < grid.side; ++row) {
    for (int column = 0; column < grid.side; ++column) {
      const PlotPoint at = grid.Node(column, row);
      if (at.x * at.x + at.y * at.y > limit) continue;
      const OrientGeometry::Line line = UnprojectPosition(projection, at.x, at.y);
      const DirectionCosines u = OrientGeometry::LineToDirectionCosines(line);
      double sum = 0.0;
      // Of an axis's two ends only the one within 90 degrees passes the
      // cutoff, so each axis counts once, by |cos|.
      if (exponential) {
        buckets.ForEachNear(u, [&](double c) {
          if (c > cutoff) sum += std::exp(k * (c - 1.0));
        });
      } else {
        buckets.ForEachNear(u, [&](double c) {
          if (c >= cutoff) sum += 1.0;
        });
      }
      grid.values[static_cast<std::size_t>(row) * static_cast<std::size_t>(grid.side) +
                  static_cast<std::size_t>(column)] = sum / scale;
    }
  }
  return grid;
}

std::string DensityMethodTitle(DensityMethod method) {
  return kMethodNames[static_cast<int>(method)].title;
}

std::string DensityLevelLabel(DensityMethod method, double level) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%g", level);
  if (method == DensityMethod::kOnePercentArea) return std::string(buffer) + "× uniform";
  return std::string(buffer) + "σ";
}

}  // namespace Lodema::Plot
