// SPDX-License-Identifier: MIT
// The plot window's cursor read-out: the line under the cursor and the plane
// that has it as its pole, written in the user's output notation.
#pragma once

#include <string>

#include "orient/Records.h"
#include "plot/Projection.h"

namespace Lodema::Plot {

// The read-out at plot position (x, y), plot units: "<line>  (Plane:
// <plane>)" with whole degrees, or "" beyond the primitive (radius 1000).
// written in the output notation. The delimiters go between the two numbers
// of a plane and of a line.
std::string CursorReadout(ProjectionType type, double x, double y,
                          const OrientGeometry::Notation& notation,
                          const std::string& planeDelimiter, const std::string& lineDelimiter);

}  // namespace Lodema::Plot
