// SPDX-License-Identifier: MIT
// The path of a drill hole between its survey stations by the minimum
// curvature method: between two stations the hole is taken as the arc of a
// circle that leaves the upper station along its direction and reaches the
// lower one along its own. Directions are unit vectors (north, east, down)
// pointing down the hole, the way it was drilled (up for a hole drilled
// upwards; LineToDirectionCosines gives it from the hole's line); depths
// are measured along the hole.
#pragma once

#include "orient/Records.h"

namespace OrientGeometry {

// The dog-leg angle between two directions, radians in [0, pi].
double DogLeg(const DirectionCosines& t1, const DirectionCosines& t2);

// The direction at a fraction (0..1) of the way along the arc from t1 to t2,
// whose dog-leg is dogLeg: the spherical interpolation of t1 toward t2. t1
// itself when the dog-leg is 0 (or too small to tell the two apart).
DirectionCosines InterpolateDirection(const DirectionCosines& t1, const DirectionCosines& t2,
                                      double dogLeg, double fraction);

// The ratio factor 2/phi * tan(phi/2) of an arc with dog-leg phi: 1 when
// phi is 0. Near a half turn it grows without bound.
double RatioFactor(double dogLeg);

// The displacement (north, east, down) along an arc of the given length
// from direction t1 to direction t2: length/2 * (t1 + t2) * RatioFactor.
DirectionCosines ArcDisplacement(const DirectionCosines& t1, const DirectionCosines& t2,
                                 double dogLeg, double length);

}  // namespace OrientGeometry
