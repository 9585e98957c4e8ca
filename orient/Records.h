// SPDX-License-Identifier: MIT
// Orientation records, angle constants and convention codes shared by every
// module of Lodema. Angles are radians inside the geometry, degrees in text.
#pragma once

namespace OrientGeometry {

// Pi is this 15-digit literal everywhere (slightly below the double nearest pi);
// no routine uses a library value, so results match to the last shown digit.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kMinusTwoPi = -6.28318530717958;
inline constexpr double kHalfPi = kPi / 2.0;
inline constexpr double kThreeHalfPi = 9.42477796076937 / 2.0;

// A line (plunge, trend) or a plane (dip, dip direction), radians.
// Line: plunge in [-pi/2, pi/2], positive down; a negative plunge is the same
// axis pointing up, and the trend still names the down-plunge azimuth.
// Plane: dip in [0, pi/2], dip direction in [0, two pi].
struct Orientation {
  double angle = 0.0;    // plunge of a line, dip of a plane
  double azimuth = 0.0;  // trend of a line, dip direction of a plane
};
using Line = Orientation;
using Plane = Orientation;

// Unit vector in the order (north, east, down).
struct DirectionCosines {
  double north = 0.0;
  double east = 0.0;
  double down = 0.0;
};

// Plane convention codes 1..6 (entry order of the fields).
enum PlaneConvention : int {
  kDipDipDirection = 1,
  kDipDirectionDip = 2,
  kStrikeDipSense = 3,
  kDipSenseStrike = 4,
  kDipStrikeRH = 5,
  kStrikeDipRH = 6,
};
// Line convention codes.
enum LineConvention : int { kPlungeTrend = 0, kTrendPlunge = 1 };
// Direction notation codes.
enum DirectionNotation : int { kAzimuthNotation = 0, kQuadrantNotation = 1 };

// The invalid compass marker: a text of the single character 27 (escape).
inline constexpr char kInvalidCompassChar = '\x1b';

}  // namespace OrientGeometry
