// SPDX-License-Identifier: MIT
#include "plot/Projection.h"

#include <algorithm>
#include <cmath>

#include "orient/Primitives.h"

namespace Lodema::Plot {

using OrientGeometry::kHalfPi;
using OrientGeometry::kPi;
using OrientGeometry::kTwoPi;

ProjectionType ProjectionFromCode(int code) {
  return code == 2 ? ProjectionType::kEqualAngle : ProjectionType::kEqualArea;
}

PlotPoint ProjectDirectionExact(ProjectionType type, double plunge, double trend) {
  const double theta = kHalfPi - std::abs(plunge);  // angle from the vertical
  const double r = type == ProjectionType::kEqualAngle
                       ? std::tan(theta / 2.0) * kPrimitiveRadius
                       : std::sqrt(std::max(0.0, 1.0 - std::cos(theta))) * kPrimitiveRadius;
  return {r * std::sin(trend), r * std::cos(trend)};
}

namespace {

// Nearest whole number, halves to even, for |value| <= 1e6 (beyond, the
// value is clamped first); NaN gives 0. Truncation and the subtraction are
// exact, so the result does not depend on the rounding mode. Inline here:
// it runs twice for every symbol of every redraw.
int WholePlotUnits(double value) {
  if (!(std::abs(value) <= 1.0e6)) return std::isnan(value) ? 0 : (value < 0 ? -1000000 : 1000000);
  const int whole = static_cast<int>(value);  // toward zero
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) return whole + 1;
  if (fraction < -0.5 || (fraction == -0.5 && whole % 2 != 0)) return whole - 1;
  return whole;
}

// The sine and cosine of |x| <= pi / 4 by their Taylor series to x^13 and
// x^14: within 2e-14 of the true values.
double SineNearZero(double x) {
  const double x2 = x * x;
  return x * (1.0 + x2 * (-1.0 / 6.0 +
                          x2 * (1.0 / 120.0 +
                                x2 * (-1.0 / 5040.0 +
                                      x2 * (1.0 / 362880.0 + x2 * (-1.0 / 39916800.0 +
                                                                   x2 * (1.0 / 6227020800.0)))))));
}

double CosineNearZero(double x) {
  const double x2 = x * x;
  return 1.0 +
         x2 * (-0.5 + x2 * (1.0 / 24.0 +
                            x2 * (-1.0 / 720.0 + x2 * (1.0 / 40320.0 +
                                                       x2 * (-1.0 / 3628800.0 +
                                                             x2 * (1.0 / 479001600.0 -
                                                                   x2 * (1.0 / 87178291200.0)))))));
}

// How far a position worked out below may lie from the one the library's
// sine, cosine, square root and tangent give, with room to spare: the
// series above, the reduction of the trend and the rounding of a few steps
// stay below 1e-9 plot units; the library's 1 - cos(theta) near the centre
// loses up to 7.4e-6 units, but only where both positions lie within half
// a unit of the centre.
constexpr double kMargin = 1.0e-4;

// Trends reduced by whole quarter turns: pi / 2 in two parts, the first
// with few enough bits that its product with a small whole number is exact.
constexpr double kQuarterTurnHigh = 1.57079632673412561417e+00;
constexpr double kQuarterTurnLow = 6.07710050650619224932e-11;
constexpr double kLargestQuickTrend = 64.0;

struct Rounded {
  int value = 0;
  bool clear = false;  // no half lies within kMargin of the value rounded
};

Rounded RoundedIfClear(double value) {
  const int whole = static_cast<int>(value);  // |value| <= 1000 here
  const double fraction = value - whole;
  if (std::abs(std::abs(fraction) - 0.5) <= kMargin) return {};
  return {whole + (fraction > 0.5 ? 1 : 0) - (fraction < -0.5 ? 1 : 0), true};
}

}  // namespace

GridPoint ProjectDirection(ProjectionType type, double plunge, double trend) {
  // Worked out with series rather than library calls (about half the
  // instructions), and rounded so when no half lies within the margin of
  // either coordinate: the rounded position is then that of the library's.
  // Else, and for plunges beyond the vertical, trends beyond 64 radians and
  // unreadable values, the library's position itself.
  const double absPlunge = std::abs(plunge);
  if (absPlunge <= kHalfPi && std::abs(trend) <= kLargestQuickTrend) {
    const double halfTheta = (kHalfPi - absPlunge) / 2.0;  // 0..pi/4
    const double sineHalf = SineNearZero(halfTheta);
    // 1 - cos(theta) = 2 sin^2(theta / 2).
    const double r = type == ProjectionType::kEqualAngle
                         ? sineHalf / CosineNearZero(halfTheta) * kPrimitiveRadius
                         : sineHalf * (1.41421356237309504880 * kPrimitiveRadius);
    const double quarters = trend * (2.0 / kPi);
    const int turn = static_cast<int>(quarters + (quarters < 0.0 ? -0.5 : 0.5));
    const double rest = (trend - turn * kQuarterTurnHigh) - turn * kQuarterTurnLow;
    const double sine = SineNearZero(rest);
    const double cosine = CosineNearZero(rest);
    double east = 0.0;
    double north = 0.0;
    switch (turn & 3) {
      case 0:
        east = sine;
        north = cosine;
        break;
      case 1:
        east = cosine;
        north = -sine;
        break;
      case 2:
        east = -sine;
        north = -cosine;
        break;
      default:
        east = -cosine;
        north = sine;
        break;
    }
    const Rounded x = RoundedIfClear(r * east);
    const Rounded y = RoundedIfClear(r * north);
    if (x.clear && y.clear) return {x.value, y.value};
  }
  const PlotPoint p = ProjectDirectionExact(type, plunge, trend);
  return {WholePlotUnits(p.x), WholePlotUnits(p.y)};
}

PlotPoint ProjectUnitVector(ProjectionType type, const OrientGeometry::DirectionCosines& v) {
  // r = R sqrt(1 - cos theta) (equal area) or R tan(theta / 2) (equal angle),
  // with cos theta = down; divided by the horizontal length sqrt(1 - down^2).
  const double down = std::clamp(v.down, 0.0, 1.0);
  const double scale = type == ProjectionType::kEqualAngle
                           ? kPrimitiveRadius / (1.0 + down)
                           : kPrimitiveRadius / std::sqrt(1.0 + down);
  return {v.east * scale, v.north * scale};
}

OrientGeometry::Line UnprojectPosition(ProjectionType type, double x, double y) {
  const double r = std::min(std::hypot(x, y) / kPrimitiveRadius, 1.0);
  const double theta = type == ProjectionType::kEqualAngle ? 2.0 * std::atan(r)
                                                           : OrientGeometry::ArcCos(1.0 - r * r);
  double trend = (x == 0.0 && y == 0.0) ? 0.0 : std::atan2(x, y);
  if (trend < 0.0) trend += kTwoPi;
  if (trend >= kTwoPi) trend = 0.0;
  return {std::max(0.0, kHalfPi - theta), trend};
}

}  // namespace Lodema::Plot
