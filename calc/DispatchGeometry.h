// SPDX-License-Identifier: MIT
// The geometrical calculations (0-16 and 26-36) as functions from the values
// read from the entry windows to a CalcOutcome. No windows, no settings.
#pragma once

#include <optional>
#include <string>

#include "calc/DispatchOutcome.h"
#include "orient/Constructions.h"
#include "orient/Records.h"

namespace Lodema {

// Values of the entry windows, radians, planes in dip-direction form.
struct GeometryInputs {
  int calculation = 0;
  OrientGeometry::Orientation a;  // plane or line of window A
  // Window B: a plane or line; the section plane of 7 (dip pi/2); the
  // horizontal line along the typed trend of 27; for 8, 26 and 32 the pitch
  // in angle, for 9 the hade, for 36 the plunge.
  OrientGeometry::Orientation b;
  std::string senseB;             // sense of the pitch (8, 26, 32) or plunge (36)
  OrientGeometry::Orientation c;  // fold axis (14, 34, 35)
  double angleC = 0.0;            // rotation angle (12, 13), angle (26)
  bool obtuse = false;            // 2, 3, 29, 30, 33
};

// screenNotes: false in a batch run, which shows only the batch messages:
// the notes meant for the screen alone are then not written.
CalcOutcome ComputeGeometry(const GeometryInputs& in, bool screenNotes);
// The rotations and unfoldings among them: 12, 13, 14, 34 and 35.
CalcOutcome ComputeRotation(const GeometryInputs& in, bool screenNotes);

// The plane that bisects two lines: it holds the bisector of their acute
// angle (obtuse one with wantObtuse) and the normal to their common plane, so
// it reflects one line onto the other. No value for parallel lines.
std::optional<OrientGeometry::Plane> PlaneBisectingLines(const OrientGeometry::Line& a,
                                                         const OrientGeometry::Line& b,
                                                         bool wantObtuse);

// The hade of a line in a plane, measured on its projection onto the plane,
// and the line's misfit from the plane. No value for a line normal to the
// plane.
std::optional<OrientGeometry::HadeAndMisfit> HadeOfProjection(const OrientGeometry::Plane& plane,
                                                              const OrientGeometry::Line& line);

// Whole degrees with the leading blank of a non-negative number: " 15".
std::string WholeDegreesWithBlank(double radians);

}  // namespace Lodema
