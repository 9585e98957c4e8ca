// SPDX-License-Identifier: MIT
#include "plot/Readout.h"

#include <cmath>
#include <utility>

#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace Lodema::Plot {

using OrientGeometry::PlaneNotation;

std::string ArrangedPlane(PlaneNotation notation, const std::string& dip,
                          const std::string& direction, const std::string& sense,
                          const std::string& delimiter) {
  switch (notation) {
    case PlaneNotation::kDipDirectionDip:
    case PlaneNotation::kStrikeDipRightHand:
      return direction + delimiter + dip;
    case PlaneNotation::kStrikeDipSense:
      return direction + delimiter + dip + sense;
    case PlaneNotation::kDipSenseStrike:
      return dip + sense + delimiter + direction;
    case PlaneNotation::kDipDipDirection:
    case PlaneNotation::kDipStrikeRightHand:
      break;
  }
  return dip + delimiter + direction;
}

std::string ArrangedLine(OrientGeometry::LineNotation notation, const std::string& plunge,
                         const std::string& trend, const std::string& delimiter) {
  return notation == OrientGeometry::LineNotation::kTrendPlunge ? trend + delimiter + plunge
                                                                : plunge + delimiter + trend;
}

std::string CursorReadout(ProjectionType type, double x, double y,
                          const OrientGeometry::Notation& notation,
                          const std::string& planeDelimiter, const std::string& lineDelimiter) {
  if (!(std::hypot(x, y) <= kPrimitiveRadius)) return {};
  const OrientGeometry::Line line = UnprojectPosition(type, std::nearbyint(x), std::nearbyint(y));
  const OrientGeometry::Orientation plane = OrientGeometry::NormalOf(line.angle, line.azimuth);
  const auto degrees = [](double radians) {
    return OrientGeometry::RadiansToWholeDegreesText(radians);
  };
  // A three-digit azimuth or a quadrant bearing.
  const auto direction = [&notation](const std::string& azimuth) {
    return notation.azimuth == OrientGeometry::AzimuthStyle::kQuadrant
               ? OrientGeometry::AzimuthToQuadrantText(azimuth, OrientGeometry::DecimalMark::kPoint)
               : OrientGeometry::FormatAzimuthText(azimuth);
  };
  std::string planeDirection = degrees(plane.azimuth);
  std::string sense;
  if (OrientGeometry::UsesStrike(notation.plane)) {
    OrientGeometry::StrikeAndSense strike =
        OrientGeometry::DipDirectionToStrikeAndSense(planeDirection);
    planeDirection = std::move(strike.strike);
    sense = std::move(strike.sense);
  }
  return ArrangedLine(notation.line, degrees(line.angle), direction(degrees(line.azimuth)),
                      lineDelimiter) +
         "  (Plane: " +
         ArrangedPlane(notation.plane, degrees(plane.angle), direction(planeDirection), sense,
                       planeDelimiter) +
         ")";
}

}  // namespace Lodema::Plot
