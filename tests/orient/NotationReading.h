// SPDX-License-Identifier: MIT
// Writing a plane or line in one notation and reading it back from its texts
// as the entry windows hold them: the notation round trips and the fuzz test
// compose Lodema's conversions (quadrant bearings, strikes and senses) this
// way. Lodema itself reads and writes the windows box by box (calc/).
#pragma once

#include <cstdlib>
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

enum class ReadFailure { kNone, kAngle, kDirection, kSense };

// An orientation read from text, in radians, or which text failed.
struct OrientationReading {
  Orientation value;
  ReadFailure failure = ReadFailure::kNone;
  bool ok() const { return failure == ReadFailure::kNone; }
};

inline const std::string& FieldOrEmpty(std::span<const std::string> fields, std::size_t index) {
  static const std::string kEmpty;
  return index < fields.size() ? fields[index] : kEmpty;
}

// Reads a plane typed in plane convention 1-6 (PlaneConvention) and
// direction notation (DirectionNotation): a quadrant bearing is turned into
// an azimuth, a strike into the dip direction (with its sense in conventions
// 3 and 4, by the right-hand rule in 5 and 6). Ranges are not checked.
inline OrientationReading ReadPlaneText(const OrientationTexts& texts, int planeConvention,
                                        int directionNotation, DecimalMark localeMark) {
  OrientationReading reading;
  const auto dip = NumberText::TryTextToDouble(texts.angle, localeMark);
  if (!dip) {
    reading.failure = ReadFailure::kAngle;
    return reading;
  }
  std::string direction = texts.direction;
  if (AzimuthStyleFromCode(directionNotation) == AzimuthStyle::kQuadrant) {
    direction = QuadrantToAzimuthText(direction, localeMark).value_or("");
  }
  const PlaneNotation notation = PlaneNotationFromCode(planeConvention);
  if (HasSenseLetters(notation)) {
    const std::string_view sense = TrimBlanks(texts.sense);
    if (!sense.empty() && !IsCompassPointText(sense)) {
      reading.failure = ReadFailure::kSense;
      return reading;
    }
    direction = StrikeAndSenseToDipDirectionText(direction, sense, localeMark).value_or("");
  } else if (UsesRightHandRule(notation)) {
    direction = StrikeAndSenseToDipDirectionText(direction, "", localeMark).value_or("");
  }
  const auto dipDirection = NumberText::TryTextToDouble(direction, localeMark);
  if (!dipDirection) {
    reading.failure = ReadFailure::kDirection;
    return reading;
  }
  reading.value = {DegreesToRadians(*dip), DegreesToRadians(*dipDirection)};
  return reading;
}

// Reads a line (plunge, trend) in the given direction notation.
inline OrientationReading ReadLineText(const OrientationTexts& texts, int directionNotation,
                                       DecimalMark localeMark) {
  OrientationReading reading;
  const auto plunge = NumberText::TryTextToDouble(texts.angle, localeMark);
  if (!plunge) {
    reading.failure = ReadFailure::kAngle;
    return reading;
  }
  const std::string direction =
      AzimuthStyleFromCode(directionNotation) == AzimuthStyle::kQuadrant
          ? QuadrantToAzimuthText(texts.direction, localeMark).value_or("")
          : texts.direction;
  const auto trend = NumberText::TryTextToDouble(direction, localeMark);
  if (!trend) {
    reading.failure = ReadFailure::kDirection;
    return reading;
  }
  reading.value = {DegreesToRadians(*plunge), DegreesToRadians(*trend)};
  return reading;
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

// Line order * 10 + plane notation, negative for quadrant bearings: one
// number for a test's loops over every output notation.
inline int CombineConventionCode(int planeConvention, int lineConvention, int quadrantFlag) {
  const int code = lineConvention * 10 + planeConvention;
  return quadrantFlag == 1 ? -code : code;
}

// A direction (kind 0), plane (kind 1) or line (any other kind) in combined
// code `code`: first is the dip or plunge already formatted, separator goes
// between the fields, azimuth is the dip direction or trend in degrees.
// Unreadable azimuth text, or a plane convention other than 1-6, gives "".
inline std::string FormatOrientationText(std::string_view first, std::string_view separator,
                                         std::string_view azimuth, int kind, int code,
                                         DecimalMark localeMark) {
  const int convention = std::abs(code % 10);
  const bool quadrant = code < 0;
  const auto direction = [&](std::string_view degrees) {
    return quadrant ? AzimuthToQuadrantText(degrees, localeMark) : FormatAzimuthText(degrees);
  };
  const std::string sep(separator);
  const std::string firstText(first);

  if (kind == 0) return direction(azimuth);

  if (kind == 1) {
    if (convention < 1 || convention > 6) return "";
    std::string az;
    std::string sense;
    if (convention > 2) {
      if (!NumberText::TryTextToDouble(azimuth, localeMark)) return "";
      StrikeAndSense split = DipDirectionToStrikeAndSense(azimuth, localeMark);
      az = quadrant ? AzimuthToQuadrantText(split.strike, localeMark) : split.strike;
      sense = split.sense;
    } else {
      az = direction(azimuth);
    }
    if (az.empty()) return "";
    switch (convention) {
      case 1:
      case 5:
        return firstText + sep + az;
      case 2:
      case 6:
        return az + sep + firstText;
      case 3:
        return az + sep + firstText + sense;
      default:  // 4
        return firstText + sense + sep + az;
    }
  }

  const std::string az = direction(azimuth);
  if (az.empty()) return "";
  const bool trendFirst = code > 10 || code < -10;
  return trendFirst ? az + sep + firstText : firstText + sep + az;
}

}  // namespace OrientGeometry::testing
