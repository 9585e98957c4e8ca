// SPDX-License-Identifier: MIT
// Constructions that make a new plane or line from two given ones: the line
// of intersection of two planes, the plane through two lines, the plane normal
// to two planes, the hade and misfit of a line in a plane, and the bisectors
// of two planes. All angles are radians; planes are (dip, dip direction),
// lines are (plunge, trend), as in orient/Records.h.
#pragma once

#include <optional>

#include "orient/Records.h"
#include "orient/SineCosineMemo.h"

namespace OrientGeometry {

// Line of intersection of two planes, pointing down (plunge in [0, pi/2],
// trend in [0, two pi]; a vertical line has trend 0). Same dip direction with
// different dips: the horizontal strike line, trend dip direction1 + pi/2.
// No value when there is no unique line: both planes horizontal, the same
// plane (also 30/000 against 30/360, or a vertical plane given from either
// side), or non-finite input.
std::optional<Line> IntersectPlanes(double dip1, double dipDirection1, double dip2,
                                    double dipDirection2);
inline std::optional<Line> IntersectPlanes(const Plane& a, const Plane& b) {
  return IntersectPlanes(a.angle, a.azimuth, b.angle, b.azimuth);
}

// Plane through two lines (|plunge| of each is used). Dip in [0, pi/2], dip
// direction in [0, two pi]; a horizontal plane has dip direction 0.
// No value for parallel or antiparallel lines (one axis: no unique plane).
std::optional<Plane> PlaneContainingLines(double plunge1, double trend1, double plunge2,
                                          double trend2);
std::optional<Plane> PlaneContainingLines(double plunge1, double trend1, double plunge2,
                                          double trend2, SineCosineMemo& memo);
inline std::optional<Plane> PlaneContainingLines(const Line& a, const Line& b) {
  return PlaneContainingLines(a.angle, a.azimuth, b.angle, b.azimuth);
}

// Plane normal to two planes (the plane through both poles). Always a plane:
// the same plane twice (poles on one axis, either polarity) returns the first
// plane with its dip direction reduced to [0, two pi]; callers that must
// refuse a plane given twice test for it themselves.
Plane PlaneNormalToPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2);
inline Plane PlaneNormalToPlanes(const Plane& a, const Plane& b) {
  return PlaneNormalToPlanes(a.angle, a.azimuth, b.angle, b.azimuth);
}

// Hade of a line in a plane and its misfit, radians.
struct HadeAndMisfit {
  // Angle in [0, two pi] within the plane from its down-dip line: 0..pi/2 on
  // the side of dip direction + pi/2, 3pi/2..2pi on the other; an upward line
  // (negative plunge) is shifted by pi. For a line off the plane it is the
  // line's own angle from the dip line, on the side of its projection.
  double hade = 0.0;
  // Acute angle between the line and the plane, [0, pi/2]; 0 when the line
  // lies in the plane.
  double misfit = 0.0;
};
// A line normal to the plane has no projection onto it: hade 0 and misfit
// pi/2 then (the pole's own angle to the plane). Each works out one of them.
double LineInPlaneHade(double dip, double dipDirection, double plunge, double trend);
double LineInPlaneMisfit(double dip, double dipDirection, double plunge, double trend);
// The hade with a memo shared by the caller's other steps in the same plane.
double LineInPlaneHade(double dip, double dipDirection, double plunge, double trend,
                       SineCosineMemo& memo);

// Line in the plane normal to the line of intersection that bisects the acute
// (or, with wantObtuse, the obtuse) angle between the traces of the two
// planes. Plunge >= 0. The same plane twice returns (dip1, dip direction1).
Line LineBisectingPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2,
                         bool wantObtuse);
// Plane that bisects the acute (or obtuse) dihedral angle of two planes and
// contains their line of intersection. The same plane twice returns
// (dip1, dip direction1).
Plane PlaneBisectingPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2,
                           bool wantObtuse);

}  // namespace OrientGeometry
