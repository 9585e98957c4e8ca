// SPDX-License-Identifier: MIT
// The plot window's cursor read-out: the line under the cursor and the plane
// that has it as its pole, written in the user's output notation; and the
// order of a plane's or a line's fields in a notation, which the statistics
// text follows too.
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

// A plane's dip and direction (its dip direction, or its strike in the
// notations that write one) in the notation's order, with the sense letters
// after the dip where the notation has them.
std::string ArrangedPlane(OrientGeometry::PlaneNotation notation, const std::string& dip,
                          const std::string& direction, const std::string& sense,
                          const std::string& delimiter);
std::string ArrangedLine(OrientGeometry::LineNotation notation, const std::string& plunge,
                         const std::string& trend, const std::string& delimiter);

}  // namespace Lodema::Plot
