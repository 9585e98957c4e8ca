// SPDX-License-Identifier: MIT
#include "orient/Desurvey.h"

#include <cmath>

namespace OrientGeometry {

namespace {

// Below this dog-leg (radians) an arc is straight to double precision: the
// ratio factor differs from 1 by phi^2/12 and the interpolation by less.
constexpr double kStraight = 1e-9;

}  // namespace

double DogLeg(const DirectionCosines& t1, const DirectionCosines& t2) {
  // The half-chord form keeps its accuracy for small and large angles, where
  // the arc cosine of the dot product does not.
  const double dn = t2.north - t1.north;
  const double de = t2.east - t1.east;
  const double dd = t2.down - t1.down;
  const double halfChord = 0.5 * std::sqrt(dn * dn + de * de + dd * dd);
  return 2.0 * std::asin(halfChord > 1.0 ? 1.0 : halfChord);
}

DirectionCosines InterpolateDirection(const DirectionCosines& t1, const DirectionCosines& t2,
                                      double dogLeg, double fraction) {
  if (dogLeg < kStraight || fraction <= 0.0) return t1;
  if (fraction >= 1.0) return t2;
  const double s = std::sin(dogLeg);
  const double a = std::sin((1.0 - fraction) * dogLeg) / s;
  const double b = std::sin(fraction * dogLeg) / s;
  DirectionCosines t{a * t1.north + b * t2.north, a * t1.east + b * t2.east,
                     a * t1.down + b * t2.down};
  const double length = std::sqrt(t.north * t.north + t.east * t.east + t.down * t.down);
  t.north /= length;
  t.east /= length;
  t.down /= length;
  return t;
}

double RatioFactor(double dogLeg) {
  if (dogLeg < kStraight) return 1.0;
  return 2.0 / dogLeg * std::tan(dogLeg / 2.0);
}

DirectionCosines ArcDisplacement(const DirectionCosines& t1, const DirectionCosines& t2,
                                 double dogLeg, double length) {
  const double k = length / 2.0 * RatioFactor(dogLeg);
  return {k * (t1.north + t2.north), k * (t1.east + t2.east), k * (t1.down + t2.down)};
}

}  // namespace OrientGeometry
