#include "plot/SymmetricEigen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Lodema::Plot {

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
        for (int k = 0; k < 3; ++k) {
          const double akp = a[k][p];
          const double akq = a[k][q];
          a[k][p] = c * akp - s * akq;
          a[k][q] = s * akp + c * akq;
        }
        for (int k = 0; k < 3; ++k) {
          const double apk = a[p][k];
          const double aqk = a[q][k];
          a[p][k] = c * apk - s * aqk;
          a[q][k] = s * apk + c * aqk;
        }
        for (int k = 0; k < 3; ++k) {
          const double vkp = v[k][p];
          const double vkq = v[k][q];
          v[k][p] = c * vkp - s * vkq;
          v[k][q] = s * vkp + c * vkq;
        }
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

}  // namespace Lodema::Plot
