// SPDX-License-Identifier: MIT
// Direction-cosine primitives: unit conversion, wrapping, guarded inverse
// trigonometry, line <-> direction cosines, poles, angles between
// orientations and comparisons of azimuths. All stateless, radians unless a
// routine says otherwise.
#pragma once

#include <cmath>
#include <optional>

#include "orient/Records.h"
#include "orient/SineCosineMemo.h"

namespace OrientGeometry {

// Degrees -> radians (value * pi / 180), for values known to be finite
// (constants, computed angles): NaN and infinities pass through unchanged.
// Inline, like the next two: they run for every value of a batch row.
inline double DegreesToRadians(double degrees) { return degrees * kPi / 180.0; }
// The same for values read from outside: no value when the degrees are NaN
// or infinite, so that such a value is refused rather than computed with.
inline std::optional<double> FiniteDegreesToRadians(double degrees) {
  if (!std::isfinite(degrees)) return std::nullopt;
  return DegreesToRadians(degrees);
}
// Radians -> degrees (180 * value / pi). 0 when the value is NaN or infinite.
inline double RadiansToDegrees(double radians) {
  if (!std::isfinite(radians)) return 0.0;
  return 180.0 * radians / kPi;
}

// Wraps into the closed interval [0, two pi]: exactly two pi stays two pi, two
// pi plus a little becomes that little. Ordinary values are reduced by the
// same repeated subtraction as always; very large ones in constant time.
// NaN or infinite input gives NaN.
// Inline for the common case, an angle already in range, which the reduction
// leaves as it is (-0 included); any other value goes to the reduction.
double WrapRadiansOutOfRange(double angle);
inline double WrapRadians(double angle) {
  if (angle >= 0.0 && angle <= kTwoPi) return angle;
  return WrapRadiansOutOfRange(angle);
}
void WrapRadiansInPlace(double& angle);
// The same in degrees with 360.
double WrapDegrees(double degrees);
// (a + b) wrapped into [0, two pi].
double AddAngles(double a, double b);

// -1, 0 or 1 by the sign of x (0 for NaN).
inline double Sign(double x) { return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0); }
// Distance around the circle between two azimuths, [0, pi] in radians after
// wrapping both (0 and two pi count as the same azimuth).
double AzimuthGap(double a, double b);
// Distance around the circle between two azimuths in degrees, [0, 180].
double CircularDistanceDegrees(double a, double b);

// Inverse cosine in [0, pi]; |x| > 1 is clamped to its sign. NaN stays NaN.
double ArcCos(double x);
// Inverse sine in [-pi/2, pi/2]; |x| > 1 is clamped to its sign.
double ArcSin(double x);

// Line (plunge, trend) -> unit vector. A negative plunge points up: the
// vector is that of the downward line, reversed.
DirectionCosines LineToDirectionCosines(double plunge, double trend);
// The same, taking the sines and cosines from (and adding them to) a memo.
DirectionCosines LineToDirectionCosines(double plunge, double trend, SineCosineMemo& memo);
inline DirectionCosines LineToDirectionCosines(const Line& line) {
  return LineToDirectionCosines(line.angle, line.azimuth);
}
// Any non-zero vector -> line. A vertical vector gives plunge pi/2, trend 0
// whatever its sign; an upward vector gives a negative plunge and the trend of
// its downward opposite.
Line DirectionCosinesToLine(double north, double east, double down);
inline Line DirectionCosinesToLine(const DirectionCosines& v) {
  return DirectionCosinesToLine(v.north, v.east, v.down);
}

// The pole of a plane: plunge pi/2 - |dip|, trend dip direction +- pi.
Line PlaneToPole(double dip, double dipDirection);
// (pi/2 - |angle|, azimuth - pi wrapped): a plane's pole, or the plane normal
// to a line.
Orientation NormalOf(double angle, double azimuth);
inline Orientation NormalOf(const Orientation& o) { return NormalOf(o.angle, o.azimuth); }

// Angle between two axes (|plunge| of each), acute or obtuse as asked;
// exactly pi/2 stays pi/2.
double AngleBetweenLines(double plunge1, double trend1, double plunge2, double trend2,
                         bool wantObtuse);
double AngleBetweenLines(double plunge1, double trend1, double plunge2, double trend2,
                         bool wantObtuse, SineCosineMemo& memo);
// Angle between two planes: the angle between their poles.
double AngleBetweenPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2,
                          bool wantObtuse);

// Clockwise turn from one azimuth to another, in [0, full turn). A full turn
// counts as 0. Radians unless inDegrees.
double ClockwiseAngle(double from, double to, bool inDegrees = false);
// True when test lies on the clockwise arc from low to high (inclusive).
bool IsAngleBetween(double low, double test, double high, bool inDegrees = false);
// Whichever of a and b is nearer the reference around the circle; a on a tie.
// Returns the argument itself, not a wrapped copy.
double NearerAngle(double a, double b, double reference);

}  // namespace OrientGeometry
