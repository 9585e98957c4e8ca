// SPDX-License-Identifier: MIT
// Writing a plane or line in one notation and reading it back from its texts
// as the entry windows hold them: the notation round trips compose Lodema's
// conversions (quadrant bearings, strikes and senses) this way. Lodema
// itself reads and writes the windows box by box (calc/).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/Records.h"
#include "orient/TextFormatting.h"
#include "orient/TextParsing.h"

namespace OrientGeometry::testing {

using NumberText::TrimBlanks;

// The texts of one orientation as typed: the angle (dip or plunge), the
// direction (dip direction, strike or trend, in the input notation) and the
// sense letter of the strike conventions.
struct OrientationTexts {
  std::string angle;
  std::string direction;
  std::string sense;
};

inline const std::string& FieldOrEmpty(std::span<const std::string> fields, std::size_t index) {
  static const std::string kEmpty;
  return index < fields.size() ? fields[index] : kEmpty;
}

// Reads a plane typed in plane convention 1-6 (PlaneConvention) and
// direction notation (DirectionNotation), in radians, or nothing when a
// text cannot be read: a quadrant bearing is turned into an azimuth, a
// strike into the dip direction (with its sense in conventions 3 and 4, by
// the right-hand rule in 5 and 6). Ranges are not checked.
inline std::optional<Orientation> ReadPlaneText(const OrientationTexts& texts, int planeConvention,
                                                int directionNotation, DecimalMark localeMark) {
  const auto dip = NumberText::TryTextToDouble(texts.angle, localeMark);
  if (!dip) return std::nullopt;
  std::string direction = texts.direction;
  if (AzimuthStyleFromCode(directionNotation) == AzimuthStyle::kQuadrant) {
    direction = QuadrantToAzimuthText(direction, localeMark).value_or("");
  }
  const PlaneNotation notation = PlaneNotationFromCode(planeConvention);
  if (HasSenseLetters(notation)) {
    const std::string_view sense = TrimBlanks(texts.sense);
    if (!sense.empty() && !IsCompassPointText(sense)) return std::nullopt;
    direction = StrikeAndSenseToDipDirectionText(direction, sense, localeMark).value_or("");
  } else if (UsesRightHandRule(notation)) {
    direction = StrikeAndSenseToDipDirectionText(direction, "", localeMark).value_or("");
  }
  const auto dipDirection = NumberText::TryTextToDouble(direction, localeMark);
  if (!dipDirection) return std::nullopt;
  return Orientation{DegreesToRadians(*dip), DegreesToRadians(*dipDirection)};
}

// Reads a line (plunge, trend) in the given direction notation.
inline std::optional<Orientation> ReadLineText(const OrientationTexts& texts, int directionNotation,
                                               DecimalMark localeMark) {
  const auto plunge = NumberText::TryTextToDouble(texts.angle, localeMark);
  const auto trend = NumberText::TryTextToDouble(
      AzimuthStyleFromCode(directionNotation) == AzimuthStyle::kQuadrant
          ? QuadrantToAzimuthText(texts.direction, localeMark).value_or("")
          : texts.direction,
      localeMark);
  if (!plunge || !trend) return std::nullopt;
  return Orientation{DegreesToRadians(*plunge), DegreesToRadians(*trend)};
}

// The texts of a plane or line from its fields in entry order: the order of
// plane convention 1-6 ("Strike, Dip, Sense" gives strike, dip, sense) or of
// line convention 0/1. Missing fields are empty.
inline OrientationTexts PlaneTextsFromFields(std::span<const std::string> fields,
                                             int planeConvention) {
  const std::string& f0 = FieldOrEmpty(fields, 0);
  const std::string& f1 = FieldOrEmpty(fields, 1);
  const std::string& f2 = FieldOrEmpty(fields, 2);
  switch (PlaneNotationFromCode(planeConvention)) {
    case PlaneNotation::kDipDirectionDip:
    case PlaneNotation::kStrikeDipRightHand:
      return {f1, f0, ""};
    case PlaneNotation::kStrikeDipSense:
      return {f1, f0, f2};
    case PlaneNotation::kDipSenseStrike:
      return {f0, f2, f1};
    default:  // dip first: conventions 1 and 5
      return {f0, f1, ""};
  }
}

inline OrientationTexts LineTextsFromFields(std::span<const std::string> fields,
                                            int lineConvention) {
  const std::string& f0 = FieldOrEmpty(fields, 0);
  const std::string& f1 = FieldOrEmpty(fields, 1);
  if (LineNotationFromCode(lineConvention) == LineNotation::kTrendPlunge) return {f1, f0, ""};
  return {f0, f1, ""};
}

// A direction in degrees as an azimuth or a quadrant bearing; "" when the
// text cannot be read.
inline std::string DirectionText(std::string_view degrees, bool quadrant, DecimalMark localeMark) {
  return quadrant ? AzimuthToQuadrantText(degrees, localeMark) : FormatAzimuthText(degrees);
}

// A plane in plane convention 1-6: dip is already formatted, separator goes
// between the fields, dipDirection is in degrees. Unreadable text gives "".
inline std::string FormatPlaneText(std::string_view dip, std::string_view separator,
                                   std::string_view dipDirection, int convention, bool quadrant,
                                   DecimalMark localeMark) {
  std::string direction;
  std::string sense;
  if (convention > 2) {
    if (!NumberText::TryTextToDouble(dipDirection, localeMark)) return "";
    const StrikeAndSense split = DipDirectionToStrikeAndSense(dipDirection, localeMark);
    direction = quadrant ? AzimuthToQuadrantText(split.strike, localeMark) : split.strike;
    sense = split.sense;
  } else {
    direction = DirectionText(dipDirection, quadrant, localeMark);
  }
  if (direction.empty()) return "";
  const std::string sep(separator);
  switch (convention) {
    case 1:
    case 5:
      return std::string(dip) + sep + direction;
    case 2:
    case 6:
      return direction + sep + std::string(dip);
    case 3:
      return direction + sep + std::string(dip) + sense;
    default:  // 4
      return std::string(dip) + sense + sep + direction;
  }
}

// A line, plunge or trend first.
inline std::string FormatLineText(std::string_view plunge, std::string_view separator,
                                  std::string_view trend, bool trendFirst, bool quadrant,
                                  DecimalMark localeMark) {
  const std::string direction = DirectionText(trend, quadrant, localeMark);
  if (direction.empty()) return "";
  const std::string sep(separator);
  return trendFirst ? direction + sep + std::string(plunge) : std::string(plunge) + sep + direction;
}

}  // namespace OrientGeometry::testing
