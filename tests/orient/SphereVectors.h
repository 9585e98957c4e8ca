// SPDX-License-Identifier: MIT
// Plain 3-vector geometry for checking the orientation routines against an
// independent construction: dot and cross products, Rodrigues rotation and
// the core frame, all in (north, east, down) components. Test-only.
#pragma once

#include <algorithm>
#include <cmath>

#include "orient/Primitives.h"

namespace SphereVectors {

using OrientGeometry::DirectionCosines;
using OrientGeometry::Line;

struct Vec {
  double n = 0.0, e = 0.0, d = 0.0;
};

inline Vec operator+(Vec a, Vec b) { return {a.n + b.n, a.e + b.e, a.d + b.d}; }
inline Vec operator-(Vec a, Vec b) { return {a.n - b.n, a.e - b.e, a.d - b.d}; }
inline Vec operator*(double s, Vec a) { return {s * a.n, s * a.e, s * a.d}; }
inline Vec operator-(Vec a) { return {-a.n, -a.e, -a.d}; }
inline double Dot(Vec a, Vec b) { return a.n * b.n + a.e * b.e + a.d * b.d; }
inline Vec Cross(Vec a, Vec b) {
  return {a.e * b.d - a.d * b.e, a.d * b.n - a.n * b.d, a.n * b.e - a.e * b.n};
}
inline double Norm(Vec a) { return std::sqrt(Dot(a, a)); }
inline Vec Unit(Vec a) { return (1.0 / Norm(a)) * a; }

// Unit vector of a line from its plunge and trend in radians, built here
// rather than through the library: a negative plunge points up, toward
// trend + pi.
inline Vec VecOf(double plunge, double trend) {
  const double p = std::fabs(plunge);
  Vec v{std::cos(p) * std::cos(trend), std::cos(p) * std::sin(trend), std::sin(p)};
  return plunge < 0.0 ? -v : v;
}
inline Vec VecOf(const Line& l) { return VecOf(l.angle, l.azimuth); }

// Downward unit pole of a plane (dip, dip direction).
inline Vec PoleOf(double dip, double dipDirection) {
  return VecOf(OrientGeometry::kHalfPi - std::fabs(dip), dipDirection + OrientGeometry::kPi);
}

// Rodrigues: v turned by angle about the unit axis k, right-handed about k,
// which is clockwise seen looking along k.
inline Vec Rotate(Vec v, Vec k, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return c * v + s * Cross(k, v) + (Dot(k, v) * (1.0 - c)) * k;
}

// Distance between two unit vectors, and between the axes they lie on.
inline double Gap(Vec a, Vec b) { return Norm(a - b); }
inline double AxisGap(Vec a, Vec b) { return std::min(Norm(a - b), Norm(a + b)); }

// Angle in [0, pi] between two unit vectors.
inline double AngleOf(Vec a, Vec b) { return std::atan2(Norm(Cross(a, b)), Dot(a, b)); }

// Signed angle in [0, two pi) from u to w (both at right angles to `look`),
// clockwise seen looking along `look`.
inline double ClockwiseSeenAlong(Vec u, Vec w, Vec look) {
  double a = std::atan2(Dot(Cross(u, w), Unit(look)), Dot(u, w));
  if (a < 0.0) a += 2.0 * std::acos(-1.0);
  return a;
}

// Difference between two azimuths around the circle, [0, pi].
inline double AzimuthDifference(double a, double b) {
  const double turn = 2.0 * std::acos(-1.0);
  const double d = std::fmod(std::fabs(a - b), turn);
  return std::min(d, turn - d);
}

// Frame of a core or axis line (|plunge|, trend): down along the axis, north
// at right angles to it on its upper side, east horizontal to its right.
struct Frame {
  Vec north, east, down;
};
inline Frame FrameOf(double axisPlunge, double axisTrend) {
  const double a = std::fabs(axisPlunge);
  Frame f;
  f.down = VecOf(a, axisTrend);
  f.east = {-std::sin(axisTrend), std::cos(axisTrend), 0.0};
  f.north = Cross(f.east, f.down);
  return f;
}

}  // namespace SphereVectors
