// SPDX-License-Identifier: MIT
// Statistics of a set of orientations on the sphere, all treated as axes
// (a pole or a line and its opposite are the same datum): the mean axis with
// its resultant, concentration and 95% cone, and the orientation tensor's
// principal axes (by the eigen solver below) with the Woodcock shape and the
// best-fit great circle.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "orient/Records.h"

namespace Lodema::Plot {

using OrientGeometry::DirectionCosines;

// Eigenvalues and eigenvectors of a real symmetric 3 x 3 matrix (the
// orientation tensor of a set of axes).
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

// What the eigenvalues say about the fabric. The two degenerate sets are
// named whatever their size; below kShapeMinimumCount axes no shape is
// judged.
enum class FabricShape {
  kUniform,    // no preferred orientation: C within the scatter of a uniform sample
  kCluster,    // K > 1: the axes gather about the first eigenvector
  kGirdle,     // K <= 1: the axes spread along the great circle normal to the third
  kTooFew,     // too few axes for the uniformity test to tell anything
  kOnePlane,   // S3 = 0 < S2: every axis lies in one plane (any two axes do)
  kIdentical,  // S2 = S3 = 0: one axis, or every axis the same; only the
               // first eigenvector means anything
};

// The fewest axes whose shape is judged: with fewer, tight clusters pass
// the uniformity test as often as not.
inline constexpr int kShapeMinimumCount = 10;

struct AxisStatistics {
  int count = 0;    // axes used
  int skipped = 0;  // inputs left out: zero length, NaN or infinite

  // Fisher statistics of the axes after turning each to the side of the
  // principal axis, so the sign a datum happens to carry does not matter.
  DirectionCosines mean;       // unit, lower hemisphere (down >= 0)
  double resultant = 0.0;      // R, 0..count
  double concentration = 0.0;  // k = (N - 1) / (N - R); infinite when R = N; NaN for N = 1
  double cone95 = 0.0;         // alpha95, radians; 0 when R = N; NaN for N = 1

  // Orientation tensor: eigenvalues normalised to sum 1, largest first, and
  // the unit eigenvectors in the lower hemisphere.
  std::array<double, 3> eigenvalues{};
  std::array<DirectionCosines, 3> eigenvectors{};
  // Woodcock's shape K = ln(S1/S2) / ln(S2/S3) and strength C = ln(S1/S3).
  // An eigenvalue of 0 makes C infinite; K is 0 for a perfect girdle
  // (S3 = 0 < S2) and infinite for a perfect cluster (S2 = S3 = 0); K is NaN
  // when S1 = S2 = S3.
  double woodcockK = 0.0;
  double woodcockC = 0.0;
  FabricShape shape = FabricShape::kUniform;
  // The pole of the best-fit great circle: the third eigenvector.
  DirectionCosines girdlePole;
};

// The axes scaled to unit length; those of zero, NaN or infinite length are
// left out and counted in `skipped`.
std::vector<DirectionCosines> UnitAxes(const std::vector<DirectionCosines>& axes, int& skipped);

// Below this strength a sample of `count` axes is taken as uniform: about the
// value a uniform sample of that size stays under 99 times in 100 (fitted
// for 4 or more axes; the shape is judged from kShapeMinimumCount). Infinite
// for fewer than 2.
double UniformStrengthLimit(int count);

// The statistics of the axes (any length, either sign); nothing when no
// usable axis is left.
std::optional<AxisStatistics> AxisStatisticsOf(const std::vector<DirectionCosines>& axes);

}  // namespace Lodema::Plot
