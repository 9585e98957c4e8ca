// SPDX-License-Identifier: MIT
#include "plot/Statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Lodema::Plot {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Eigenvalues (fractions of the total) this small are rounding noise: 0.
constexpr double kZeroEigenvalue = 1e-12;
constexpr double kEqualEigenvalues = 1e-12;
constexpr double kRoundingLevel = 1e-12;

DirectionCosines LowerHemisphere(const Vector3& v) {
  // Components at rounding level (the horizontal part of a mean whose data
  // surround the vertical) are 0, so such axes read exactly vertical.
  const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  const auto part = [length](double c) {
    return std::abs(c) < kRoundingLevel * length ? 0.0 : c / length;
  };
  DirectionCosines d{part(v[0]), part(v[1]), part(v[2])};
  const double unit = std::sqrt(d.north * d.north + d.east * d.east + d.down * d.down);
  d = {d.north / unit, d.east / unit, d.down / unit};
  // Horizontal axes: a fixed choice, so equal data give equal answers.
  const bool flip =
      d.down < 0.0 || (d.down == 0.0 && (d.north < 0.0 || (d.north == 0.0 && d.east < 0.0)));
  if (flip) d = {-d.north, -d.east, -d.down};
  if (d.down == 0.0) d.down = 0.0;  // no -0
  return d;
}

double Dot(const DirectionCosines& a, const Vector3& b) {
  return a.north * b[0] + a.east * b[1] + a.down * b[2];
}

// alpha95 (radians) of N unit vectors with resultant R; NaN for N < 2.
double Cone95(int count, double resultant) {
  if (count < 2 || !(resultant > 0.0)) return kNaN;
  const double n = count;
  const double spread = std::max(0.0, n - resultant);
  const double cosine = 1.0 - spread / resultant * (std::pow(20.0, 1.0 / (n - 1.0)) - 1.0);
  return std::acos(std::clamp(cosine, -1.0, 1.0));
}

}  // namespace

EigenSystem SymmetricEigen(const Matrix3& m) {
  Matrix3 a = m;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < i; ++j) a[i][j] = a[j][i];
  }
  EigenSystem result;
  for (const auto& row : a) {
    for (double value : row) {
      if (!std::isfinite(value)) {
        result.values.fill(std::numeric_limits<double>::quiet_NaN());
        result.vectors = {Vector3{1, 0, 0}, Vector3{0, 1, 0}, Vector3{0, 0, 1}};
        return result;
      }
    }
  }
  Matrix3 v{Vector3{1, 0, 0}, Vector3{0, 1, 0}, Vector3{0, 0, 1}};  // columns: eigenvectors

  for (int sweep = 0; sweep < 50; ++sweep) {
    const double off = a[0][1] * a[0][1] + a[0][2] * a[0][2] + a[1][2] * a[1][2];
    const double diagonal = a[0][0] * a[0][0] + a[1][1] * a[1][1] + a[2][2] * a[2][2];
    if (off <= 1e-32 * diagonal || off == 0.0) break;
    for (int p = 0; p < 2; ++p) {
      for (int q = p + 1; q < 3; ++q) {
        if (a[p][q] == 0.0) continue;
        // The rotation that zeroes a[p][q] (the smaller of the two angles).
        const double theta = (a[q][q] - a[p][p]) / (2.0 * a[p][q]);
        const double t =
            (theta >= 0 ? 1.0 : -1.0) / (std::abs(theta) + std::sqrt(theta * theta + 1));
        const double c = 1.0 / std::sqrt(t * t + 1.0);
        const double s = t * c;
        // Rotates the pair (x, y) by the angle, in place.
        const auto rotate = [c, s](double& x, double& y) {
          const double x0 = x;
          const double y0 = y;
          x = c * x0 - s * y0;
          y = s * x0 + c * y0;
        };
        for (int k = 0; k < 3; ++k) rotate(a[k][p], a[k][q]);
        for (int k = 0; k < 3; ++k) rotate(a[p][k], a[q][k]);
        for (int k = 0; k < 3; ++k) rotate(v[k][p], v[k][q]);
      }
    }
  }

  std::array<int, 3> order{0, 1, 2};
  std::sort(order.begin(), order.end(), [&](int i, int j) { return a[i][i] > a[j][j]; });
  for (int i = 0; i < 3; ++i) {
    const int column = order[static_cast<std::size_t>(i)];
    result.values[static_cast<std::size_t>(i)] = a[column][column];
    result.vectors[static_cast<std::size_t>(i)] = {v[0][column], v[1][column], v[2][column]};
  }
  // Right-handed: the third vector is the cross product of the first two.
  const Vector3& e1 = result.vectors[0];
  const Vector3& e2 = result.vectors[1];
  result.vectors[2] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                       e1[0] * e2[1] - e1[1] * e2[0]};
  return result;
}

std::vector<DirectionCosines> UnitAxes(const std::vector<DirectionCosines>& axes, int& skipped) {
  std::vector<DirectionCosines> units;
  units.reserve(axes.size());
  for (const DirectionCosines& a : axes) {
    const double length = std::sqrt(a.north * a.north + a.east * a.east + a.down * a.down);
    if (!std::isfinite(length) || length == 0.0) {
      ++skipped;
      continue;
    }
    units.push_back({a.north / length, a.east / length, a.down / length});
  }
  return units;
}

double UniformStrengthLimit(int count) {
  if (count < 2) return kInfinity;
  // Fitted to simulated uniform samples of 4 to 10,000 axes.
  const double n = count;
  return 5.9 / std::sqrt(n) + 17.0 / (n * std::sqrt(n));
}

std::optional<AxisStatistics> AxisStatisticsOf(const std::vector<DirectionCosines>& axes) {
  AxisStatistics s;
  const std::vector<DirectionCosines> units = UnitAxes(axes, s.skipped);
  if (units.empty()) return std::nullopt;
  s.count = static_cast<int>(units.size());
  const double n = s.count;

  Matrix3 tensor{};
  for (const DirectionCosines& u : units) {
    const Vector3 v{u.north, u.east, u.down};
    for (std::size_t i = 0; i < 3; ++i) {
      for (std::size_t j = i; j < 3; ++j) tensor[i][j] += v[i] * v[j];
    }
  }
  const EigenSystem eigen = SymmetricEigen(tensor);
  double total = 0.0;
  for (double value : eigen.values) total += value;
  for (std::size_t i = 0; i < 3; ++i) {
    const double fraction = eigen.values[i] / total;
    s.eigenvalues[i] = fraction < kZeroEigenvalue ? 0.0 : fraction;
    s.eigenvectors[i] = LowerHemisphere(eigen.vectors[i]);
  }
  s.girdlePole = s.eigenvectors[2];

  const double s1 = s.eigenvalues[0];
  const double s2 = s.eigenvalues[1];
  const double s3 = s.eigenvalues[2];
  // Eigenvalues that differ only by rounding count as equal, or K would be
  // the ratio of two rounding errors.
  const auto logRatio = [](double larger, double smaller) {
    return larger - smaller <= kEqualEigenvalues ? 0.0 : std::log(larger / smaller);
  };
  s.woodcockC = s3 == 0.0 ? kInfinity : logRatio(s1, s3);
  if (s2 == 0.0) {
    s.woodcockK = kInfinity;
  } else if (s3 == 0.0) {
    s.woodcockK = 0.0;
  } else {
    const double upper = logRatio(s1, s2);
    const double lower = logRatio(s2, s3);
    s.woodcockK = lower == 0.0 ? (upper == 0.0 ? kNaN : kInfinity) : upper / lower;
  }
  if (s2 == 0.0) {
    s.shape = FabricShape::kIdentical;
  } else if (s3 == 0.0) {
    s.shape = FabricShape::kOnePlane;
  } else if (s.count < kShapeMinimumCount) {
    s.shape = FabricShape::kTooFew;
  } else if (s.woodcockC < UniformStrengthLimit(s.count)) {
    s.shape = FabricShape::kUniform;
  } else {
    s.shape = s.woodcockK > 1.0 ? FabricShape::kCluster : FabricShape::kGirdle;
  }

  // Each axis turned to the principal axis's side before summing.
  const Vector3& principal = eigen.vectors[0];
  Vector3 sum{};
  for (const DirectionCosines& u : units) {
    const double sign = Dot(u, principal) < 0.0 ? -1.0 : 1.0;
    sum[0] += sign * u.north;
    sum[1] += sign * u.east;
    sum[2] += sign * u.down;
  }
  s.resultant = std::min(n, std::sqrt(sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]));
  s.mean = s.resultant > 0.0 ? LowerHemisphere(sum) : s.eigenvectors[0];
  if (s.count < 2) {
    s.concentration = kNaN;
    s.cone95 = kNaN;
  } else if (n - s.resultant <= n * 1e-12) {
    s.concentration = kInfinity;
    s.cone95 = 0.0;
  } else {
    s.concentration = (n - 1.0) / (n - s.resultant);
    s.cone95 = Cone95(s.count, s.resultant);
  }
  return s;
}

}  // namespace Lodema::Plot
