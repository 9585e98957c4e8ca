// SPDX-License-Identifier: MIT
// The drill-core calculations (17-23 and 37-41) as functions from the values
// read from the entry windows, after the core conventions, to a CalcOutcome.
#pragma once

#include "calc/CoreConventions.h"
#include "calc/DispatchOutcome.h"
#include "orient/Records.h"

namespace Lodema {

// Radians. Angles are those the core geometry expects (calc/CoreConventions.h).
struct CoreInputs {
  int calculation = 0;
  OrientGeometry::Line coreAxis;  // window C, corrected
  double betaA = 0.0;             // 17-19
  double inclinationA = 0.0;      // 17-19: from the alpha of A
  double coneAngle = 0.0;         // 20-23, 40: from the alpha of the reference plane in A
  double betaB = 0.0;             // 21, 23, 37, 39
  double inclinationB = 0.0;      // 21, 23, 37, 39
  double gamma = 0.0;             // 19, 22, 38
  // Window D: the reference line (plunge, direction) of 20-23 and 40, or the
  // fixed reference plane of 37-39 and 41.
  OrientGeometry::Orientation reference;
  OrientGeometry::ReferenceDirection referenceGives =
      OrientGeometry::ReferenceDirection::kDipDirection;
  OrientGeometry::SteepDipRange steepDip = OrientGeometry::SteepDipRange::kAbove60;
  OrientGeometry::EllipseEnd ellipseEnd = OrientGeometry::EllipseEnd::kTop;
  OrientationMark mark = OrientationMark::kBottom;
};

CalcOutcome ComputeCore(const CoreInputs& in);

}  // namespace Lodema
