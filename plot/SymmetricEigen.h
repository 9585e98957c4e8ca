// Eigenvalues and eigenvectors of a real symmetric 3 x 3 matrix (the
// orientation tensor of a set of axes).
#pragma once

#include <array>

namespace Lodema::Plot {

using Matrix3 = std::array<std::array<double, 3>, 3>;
using Vector3 = std::array<double, 3>;

struct EigenSystem {
  Vector3 values{};                // largest first
  std::array<Vector3, 3> vectors;  // unit vectors, vectors[i] belongs to values[i]
};

// Cyclic Jacobi rotations until the off-diagonal part vanishes (a handful of
// sweeps for 3 x 3). Only the upper triangle of m is read. The vectors form a
// right-handed orthonormal set even for repeated eigenvalues. A matrix with a
// NaN or infinite entry gives NaN values.
EigenSystem SymmetricEigen(const Matrix3& m);

}  // namespace Lodema::Plot
