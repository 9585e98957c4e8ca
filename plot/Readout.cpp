// SPDX-License-Identifier: MIT
#include "plot/Readout.h"

#include <cmath>
#include <cstdlib>

#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace Lodema::Plot {

namespace {

using OrientGeometry::Notation;
using OrientGeometry::PlaneNotation;

// An azimuth (degrees text) as a three-digit azimuth or a quadrant bearing.
std::string DirectionText(const std::string& degrees, const Notation& notation) {
  return notation.azimuth == OrientGeometry::AzimuthStyle::kQuadrant
             ? OrientGeometry::AzimuthToQuadrantText(degrees, OrientGeometry::DecimalMark::kPoint)
             : OrientGeometry::FormatAzimuthText(degrees);
}

// A line in the output order: plunge then trend, or trend then plunge.
std::string LineText(const std::string& plunge, const std::string& trend, const Notation& notation,
                     const std::string& delimiter) {
  const std::string direction = DirectionText(trend, notation);
  return notation.line == OrientGeometry::LineNotation::kTrendPlunge
             ? direction + delimiter + plunge
             : plunge + delimiter + direction;
}

// A plane in the output notation.
std::string PlaneText(const std::string& dip, const std::string& dipDirection,
                      const Notation& notation, const std::string& delimiter) {
  if (OrientGeometry::UsesStrike(notation.plane)) {
    const OrientGeometry::StrikeAndSense strike =
        OrientGeometry::DipDirectionToStrikeAndSense(dipDirection);
    const std::string strikeText = DirectionText(strike.strike, notation);
    switch (notation.plane) {
      case PlaneNotation::kStrikeDipSense:
        return strikeText + delimiter + dip + strike.sense;
      case PlaneNotation::kDipSenseStrike:
        return dip + strike.sense + delimiter + strikeText;
      case PlaneNotation::kDipStrikeRightHand:
        return dip + delimiter + strikeText;
      default:
        return strikeText + delimiter + dip;
    }
  }
  const std::string direction = DirectionText(dipDirection, notation);
  return notation.plane == PlaneNotation::kDipDirectionDip ? direction + delimiter + dip
                                                           : dip + delimiter + direction;
}

}  // namespace

std::string CursorReadout(ProjectionType type, double x, double y, const Notation& notation,
                          const std::string& planeDelimiter, const std::string& lineDelimiter) {
  if (!(std::hypot(x, y) <= kPrimitiveRadius)) return {};
  const OrientGeometry::Line line = UnprojectPosition(type, std::nearbyint(x), std::nearbyint(y));
  const OrientGeometry::Orientation plane = OrientGeometry::NormalOf(line.angle, line.azimuth);
  const auto degrees = [](double radians) {
    return OrientGeometry::RadiansToWholeDegreesText(radians);
  };
  return LineText(degrees(line.angle), degrees(line.azimuth), notation, lineDelimiter) +
         "  (Plane: " +
         PlaneText(degrees(plane.angle), degrees(plane.azimuth), notation, planeDelimiter) + ")";
}

}  // namespace Lodema::Plot
