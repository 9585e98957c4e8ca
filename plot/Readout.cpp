#include "plot/Readout.h"

#include <cmath>
#include <cstdlib>

#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace Lodema::Plot {

namespace {

// An azimuth (degrees text) as a three-digit azimuth or a quadrant bearing.
std::string DirectionText(const std::string& degrees, bool quadrant) {
  return quadrant ? OrientGeometry::AzimuthToQuadrantText(degrees, false)
                  : OrientGeometry::FormatAzimuthText(degrees);
}

// A line in the output order: plunge then trend, or trend then plunge.
std::string LineText(const std::string& plunge, const std::string& trend, int convention,
                     const std::string& delimiter) {
  const std::string direction = DirectionText(trend, convention < 0);
  const bool trendFirst = std::abs(convention) >= 10;
  return trendFirst ? direction + delimiter + plunge : plunge + delimiter + direction;
}

// A plane in the output notation: 1 dip/dip direction, 2 dip direction/dip,
// 3 strike/dip with sense, 4 dip with sense/strike, 5 dip/strike and
// 6 strike/dip by the right-hand rule. Any other notation reads as 1.
std::string PlaneText(const std::string& dip, const std::string& dipDirection, int convention,
                      const std::string& delimiter) {
  const bool quadrant = convention < 0;
  const int notation = std::abs(convention) % 10;
  if (notation >= 3 && notation <= 6) {
    const OrientGeometry::StrikeAndSense strike =
        OrientGeometry::DipDirectionToStrikeAndSense(dipDirection);
    const std::string strikeText = DirectionText(strike.strike, quadrant);
    switch (notation) {
      case 3:
        return strikeText + delimiter + dip + strike.sense;
      case 4:
        return dip + strike.sense + delimiter + strikeText;
      case 5:
        return dip + delimiter + strikeText;
      default:
        return strikeText + delimiter + dip;
    }
  }
  const std::string direction = DirectionText(dipDirection, quadrant);
  return notation == 2 ? direction + delimiter + dip : dip + delimiter + direction;
}

}  // namespace

std::string CursorReadout(ProjectionType type, double x, double y, int convention,
                          const std::string& planeDelimiter, const std::string& lineDelimiter) {
  if (!(std::hypot(x, y) <= kPrimitiveRadius)) return {};
  const OrientGeometry::Line line = UnprojectPosition(type, std::nearbyint(x), std::nearbyint(y));
  const OrientGeometry::Orientation plane = OrientGeometry::NormalOf(line.angle, line.azimuth);
  const auto degrees = [](double radians) {
    return OrientGeometry::RadiansToWholeDegreesText(radians);
  };
  return LineText(degrees(line.angle), degrees(line.azimuth), convention, lineDelimiter) +
         "  (Plane: " +
         PlaneText(degrees(plane.angle), degrees(plane.azimuth), convention, planeDelimiter) + ")";
}

}  // namespace Lodema::Plot
