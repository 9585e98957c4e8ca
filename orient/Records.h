// SPDX-License-Identifier: MIT
// Orientation records, angle constants and convention codes shared by every
// module of Lodema. Angles are radians inside the geometry, degrees in text.
#pragma once

namespace OrientGeometry {

// Pi is this 15-digit literal everywhere (slightly below the double nearest pi);
// no routine uses a library value, so results match to the last shown digit.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
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

// How a plane's fields are written, in the order named. The values are the
// stored codes ("PlaneConvIn", "PlaneConvOut"). Strikes of the last two
// follow the right-hand rule; the middle two carry the dip's sense letters.
enum class PlaneNotation : int {
  kDipDipDirection = 1,
  kDipDirectionDip = 2,
  kStrikeDipSense = 3,
  kDipSenseStrike = 4,
  kDipStrikeRightHand = 5,
  kStrikeDipRightHand = 6,
};
// The order of a line's fields (stored codes 0 and 1).
enum class LineNotation : int { kPlungeTrend = 0, kTrendPlunge = 1 };
// How directions are written: azimuths (045) or quadrant bearings (N45E).
enum class AzimuthStyle : int { kAzimuth = 0, kQuadrant = 1 };

// The character numbers are written with between their whole and decimal
// parts.
enum class DecimalMark { kPoint, kComma };
constexpr char DecimalChar(DecimalMark mark) { return mark == DecimalMark::kComma ? ',' : '.'; }
constexpr DecimalMark DecimalMarkOf(char c) {
  return c == ',' ? DecimalMark::kComma : DecimalMark::kPoint;
}

// How planes, lines and directions are written, on the way in or out.
struct Notation {
  PlaneNotation plane = PlaneNotation::kDipDipDirection;
  LineNotation line = LineNotation::kPlungeTrend;
  AzimuthStyle azimuth = AzimuthStyle::kAzimuth;
  bool operator==(const Notation&) const = default;
};

// A plane written by its strike (every notation from 3 on).
constexpr bool UsesStrike(PlaneNotation n) { return n >= PlaneNotation::kStrikeDipSense; }
// A plane whose dip carries the sense letters of its dip direction.
constexpr bool HasSenseLetters(PlaneNotation n) {
  return n == PlaneNotation::kStrikeDipSense || n == PlaneNotation::kDipSenseStrike;
}
constexpr bool UsesRightHandRule(PlaneNotation n) {
  return n >= PlaneNotation::kDipStrikeRightHand;
}

// The notations of stored codes; a code outside the range gives the first.
constexpr PlaneNotation PlaneNotationFromCode(int code) {
  return code >= 1 && code <= 6 ? static_cast<PlaneNotation>(code)
                                : PlaneNotation::kDipDipDirection;
}
constexpr LineNotation LineNotationFromCode(int code) {
  return code == 1 ? LineNotation::kTrendPlunge : LineNotation::kPlungeTrend;
}
constexpr AzimuthStyle AzimuthStyleFromCode(int code) {
  return code == 1 ? AzimuthStyle::kQuadrant : AzimuthStyle::kAzimuth;
}

}  // namespace OrientGeometry
