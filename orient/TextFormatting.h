// SPDX-License-Identifier: MIT
// Writing orientations as text in the user's output conventions: three-digit
// azimuths, quadrant bearings, strike with sense letter, whole degrees.
// Degrees in every text.
#pragma once

#include <string>
#include <string_view>

#include "orient/Records.h"

namespace OrientGeometry {

// Azimuth text with at least three whole digits: 45 -> "045", "45.678" ->
// "045.67" (at most two decimals kept, cut without rounding), "5,5" ->
// "005,5", ".5" -> "000.5". The separator is kept as found. Text that is not
// a number (IsNumberText, with a digit) gives "".
std::string FormatAzimuthText(std::string_view azimuth);
// The same for a number, written first in general form with decimalChar.
// NaN, infinities and magnitudes of 1e21 or more give "".
std::string FormatAzimuthText(double azimuth, char decimalChar = '.');

// Radians -> whole degrees (halves to even) in general form, e.g. "45".
// NaN or infinite input gives "0".
std::string RadiansToWholeDegreesText(double radians);

// Azimuth text (degrees, either separator) -> quadrant bearing such as "N45E",
// "S22,5W" (the angle in general form with the locale's decimal character).
// 0 gives "N0E", 180 "S0E", 270 "N90W", 360 "N0W". Text that is not a number
// gives "".
std::string AzimuthToQuadrantText(std::string_view azimuth, DecimalMark localeMark);

// Right-hand-rule strike in general form, wrapped into (0, 360], and the
// sense letter of the dip direction: "N" up to 45 and above 314, "E" below
// 135, "S" up to 225, else "W". A blank or unreadable dip direction gives
// strike "000" and an empty sense.
struct StrikeAndSense {
  std::string strike;
  std::string sense;
};
StrikeAndSense DipDirectionToStrikeAndSense(std::string_view dipDirection,
                                            DecimalMark localeMark = DecimalMark::kPoint);

}  // namespace OrientGeometry
