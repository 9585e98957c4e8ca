// SPDX-License-Identifier: MIT
// The search for reference-plane poles on a cone about the core axis: poles
// at (nearly) right angles to a reference line, found step by step around
// the cone. Used by RefPlaneFromDeltaAngle.
#pragma once

#include <array>

#include "orient/Records.h"
#include "orient/SineCosineMemo.h"

namespace OrientGeometry {

// The poles found on the cone, in the core axis's frame: at most two
// solutions, each the best of its group of hits.
struct ConeHits {
  int groups = 0;
  std::array<Line, 2> best;
  // The step k of each best pole (its trend is k * pi / 1800).
  std::array<int, 2> bestStep = {0, 0};
};

// Sweeps the cone of half-angle |coneAngle| (radians) about the core axis
// in tenths of a degree (steps k = 0..3600, azimuth k * pi / 1800), for
// poles within a step of a right angle to the reference line (given in the
// axis frame, plunge made non-negative). Hits closer than 20 steps belong
// to the same solution; the nearest one stands; a third group is ignored.
// Only the steps near the two azimuths where the cone meets the plane
// normal to the reference are tried; the outcome is that of trying every
// step (SweepConeEveryStep).
ConeHits SweepCone(double coneAngle, const Line& referenceInFrame);

// The same, trying all 3601 steps.
ConeHits SweepConeEveryStep(double coneAngle, const Line& referenceInFrame);

}  // namespace OrientGeometry
