// Reading a typed plane or line from its texts as the entry windows hold
// them: the other half of the notation round trips and the fuzz test.
// Lodema itself reads the entry windows box by box (calc/); this reader is
// the tests' independent account of what the notations mean.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/Records.h"
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
                                        int directionNotation, bool localeUsesComma) {
  OrientationReading reading;
  const auto dip = NumberText::TryTextToDouble(texts.angle, localeUsesComma);
  if (!dip) {
    reading.failure = ReadFailure::kAngle;
    return reading;
  }
  std::string direction = texts.direction;
  if (directionNotation == kQuadrantNotation) {
    direction = QuadrantToAzimuthText(direction, localeUsesComma);
  }
  if (planeConvention == kStrikeDipSense || planeConvention == kDipSenseStrike) {
    const std::string_view sense = TrimBlanks(texts.sense);
    if (!sense.empty() && !IsCompassPointText(sense)) {
      reading.failure = ReadFailure::kSense;
      return reading;
    }
    direction = StrikeAndSenseToDipDirectionText(direction, sense, localeUsesComma);
  } else if (planeConvention == kDipStrikeRH || planeConvention == kStrikeDipRH) {
    direction = StrikeAndSenseToDipDirectionText(direction, "", localeUsesComma);
  }
  const auto dipDirection = NumberText::TryTextToDouble(direction, localeUsesComma);
  if (!dipDirection) {
    reading.failure = ReadFailure::kDirection;
    return reading;
  }
  reading.value = {DegreesToRadians(*dip), DegreesToRadians(*dipDirection)};
  return reading;
}

// Reads a line (plunge, trend) in the given direction notation.
inline OrientationReading ReadLineText(const OrientationTexts& texts, int directionNotation,
                                       bool localeUsesComma) {
  OrientationReading reading;
  const auto plunge = NumberText::TryTextToDouble(texts.angle, localeUsesComma);
  if (!plunge) {
    reading.failure = ReadFailure::kAngle;
    return reading;
  }
  const std::string direction = directionNotation == kQuadrantNotation
                                    ? QuadrantToAzimuthText(texts.direction, localeUsesComma)
                                    : texts.direction;
  const auto trend = NumberText::TryTextToDouble(direction, localeUsesComma);
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
  switch (planeConvention) {
    case kDipDirectionDip:
    case kStrikeDipRH:
      return {f1, f0, ""};
    case kStrikeDipSense:
      return {f1, f0, f2};
    case kDipSenseStrike:
      return {f0, f2, f1};
    default:  // dip first: conventions 1 and 5
      return {f0, f1, ""};
  }
}

inline OrientationTexts LineTextsFromFields(std::span<const std::string> fields,
                                            int lineConvention) {
  const std::string& f0 = FieldOrEmpty(fields, 0);
  const std::string& f1 = FieldOrEmpty(fields, 1);
  if (lineConvention == kTrendPlunge) return {f1, f0, ""};
  return {f0, f1, ""};
}

}  // namespace OrientGeometry::testing
