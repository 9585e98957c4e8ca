// Density of axes over the lower hemisphere, counted at the nodes of a
// square grid laid over the projection. Axes count at both ends, so a
// cluster on the primitive shows on both sides of the net.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orient/Records.h"
#include "plot/Projection.h"

namespace Lodema::Plot {

enum class DensityMethod {
  // Every axis weighted by exp(k (|cos angle| - 1)) with k = 2 (1 + n / 9):
  // the smooth form of the Kamb count. Values in standard deviations of the
  // count expected from n uniformly spread axes (which averages 3).
  kExponentialKamb,
  // Axes counted inside a cone whose area expects 3 standard deviations
  // from n uniform axes; values in those standard deviations.
  kKamb,
  // Axes counted inside a cone of 1% of the hemisphere; values in percent of
  // n per 1% of area, i.e. multiples of the uniform density.
  kOnePercentArea,
};

// "exp-kamb", "kamb" and "count" (the lodema-batch names); nothing else.
std::optional<DensityMethod> DensityMethodFromName(std::string_view name);

// Nodes across the primitive's diameter by default (about 1 degree apart near
// the centre).
inline constexpr int kDefaultGridCells = 120;

struct DensityGrid {
  DensityMethod method = DensityMethod::kExponentialKamb;
  ProjectionType projection = ProjectionType::kEqualArea;
  int count = 0;        // axes counted
  int skipped = 0;      // zero, NaN or infinite vectors left out
  int side = 0;         // nodes per side; node (0, 0) at the lower left
  double origin = 0.0;  // x and y of node (0, 0), plot units, beyond the primitive
  double step = 0.0;    // plot units between neighbouring nodes
  // side * side values, row by row from the bottom (y rising), each row from
  // the left (x rising). NaN at nodes outside the primitive.
  std::vector<double> values;
  // The value n uniformly spread axes give at every node.
  double uniformValue = 0.0;
  // Exponential Kamb: the weight exponent k; the counting methods: the
  // cosine of the counting cone's half-angle.
  double parameter = 0.0;

  PlotPoint Node(int column, int row) const {
    return {origin + step * column, origin + step * row};
  }
  double Value(int column, int row) const {
    return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(side) +
                  static_cast<std::size_t>(column)];
  }
  double Maximum() const;
};

// The density of the axes (unit or not, either sign) over the grid of
// cellsAcross steps across the primitive (4 to 2000). Empty values when no
// usable axis is given.
DensityGrid ComputeDensity(const std::vector<OrientGeometry::DirectionCosines>& axes,
                           DensityMethod method, ProjectionType projection,
                           int cellsAcross = kDefaultGridCells);

// The legend's name of the method, and a level with its unit ("4σ",
// "2× uniform"), UTF-8.
std::string DensityMethodTitle(DensityMethod method);
std::string DensityLevelLabel(DensityMethod method, double level);

}  // namespace Lodema::Plot
