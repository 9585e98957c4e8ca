// The plot window's cursor read-out: the line under the cursor and the plane
// that has it as its pole, written in the user's output notation.
#pragma once

#include <string>

#include "plot/Projection.h"

namespace Lodema::Plot {

// The read-out at plot position (x, y), plot units: "<line>  (Plane:
// <plane>)" with whole degrees, or "" beyond the primitive (radius 1000).
// convention is the combined output code: line order * 10 + plane notation
// (1-6), negative for quadrant bearings. The delimiters go between the two
// numbers of a plane and of a line.
std::string CursorReadout(ProjectionType type, double x, double y, int convention,
                          const std::string& planeDelimiter, const std::string& lineDelimiter);

}  // namespace Lodema::Plot
