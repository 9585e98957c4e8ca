// SPDX-License-Identifier: MIT
#include "orient/TextFormatting.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "orient/NumberText.h"
#include "orient/Primitives.h"

namespace OrientGeometry {

namespace {

using NumberText::IsDigit;
using NumberText::TrimSpaces;

// A plain number as typed, with at least one digit.
bool IsReadableNumberText(std::string_view text) {
  return NumberText::IsNumberText(text) && std::any_of(text.begin(), text.end(), IsDigit);
}

// Whole-number digits padded with zeros to at least three ("000" pattern).
std::string ThreeDigits(std::string_view digits) {
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  std::string text(digits.empty() ? std::string_view("0") : digits);
  if (text.size() < 3) text.insert(0, 3 - text.size(), '0');
  return text;
}

// Degrees from a subtraction such as 93.57 - 90 carry binary noise in the
// last digits ("3.56999999999999"), which later cutting to the shown decimals
// would turn into a wrong last digit. Angles in [-360, 360] only.
double WithoutBinaryNoise(double degrees) { return std::round(degrees * 1e10) / 1e10; }

}  // namespace

std::string FormatAzimuthText(std::string_view azimuth) {
  std::string_view s = TrimSpaces(azimuth);
  if (!IsReadableNumberText(s)) return "";
  bool negative = false;
  if (s.front() == '-' || s.front() == '+') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  const std::size_t separator = s.find_first_of(".,");
  std::string text;
  if (separator == std::string_view::npos) {
    text = ThreeDigits(s);
  } else {
    text = ThreeDigits(s.substr(0, separator));
    text += s[separator];
    text += s.substr(separator + 1, 2);  // further decimals are cut, not rounded
  }
  const bool nonZero =
      std::any_of(text.begin(), text.end(), [](char c) { return c > '0' && c <= '9'; });
  return negative && nonZero ? "-" + text : text;
}

std::string FormatAzimuthText(double azimuth, char decimalChar) {
  if (!std::isfinite(azimuth) || std::fabs(azimuth) >= 1e21) return "";
  return FormatAzimuthText(NumberText::FormatGeneral(azimuth, decimalChar));
}

std::string RadiansToWholeDegreesText(double radians) {
  if (!std::isfinite(radians)) return "0";
  return NumberText::FormatGeneral(NumberText::RoundHalfEven(RadiansToDegrees(radians)), '.');
}

std::string AzimuthToQuadrantText(std::string_view azimuth, DecimalMark localeMark) {
  const std::string_view s = TrimSpaces(azimuth);
  if (!IsReadableNumberText(s)) return "";
  const auto read = NumberText::TryTextToDouble(s, localeMark);
  if (!read) return "";
  const double v = WrapDegrees(*read);
  if (!std::isfinite(v)) return "";
  const char decimal = DecimalChar(localeMark);
  const auto angle = [decimal](double degrees) {
    return NumberText::FormatGeneral(WithoutBinaryNoise(degrees), decimal);
  };
  if (v <= 90.0) return "N" + angle(v) + "E";
  if (v <= 180.0) return "S" + angle(180.0 - v) + "E";
  if (v < 270.0) return "S" + angle(v - 180.0) + "W";
  return "N" + angle(360.0 - v) + "W";
}

StrikeAndSense DipDirectionToStrikeAndSense(std::string_view dipDirection, DecimalMark localeMark) {
  const auto read = NumberText::TryTextToDouble(dipDirection, localeMark);
  if (!read) return {"000", ""};
  const double direction = WrapDegrees(*read);
  double strike = WrapDegrees(*read - 90.0);
  if (!std::isfinite(direction) || !std::isfinite(strike)) return {"000", ""};
  if (strike == 0.0) strike = 360.0;

  StrikeAndSense result;
  result.strike = NumberText::FormatGeneral(WithoutBinaryNoise(strike), DecimalChar(localeMark));
  if (direction <= 45.0 || direction > 314.0) {
    result.sense = "N";
  } else if (direction < 135.0) {
    result.sense = "E";
  } else if (direction <= 225.0) {
    result.sense = "S";
  } else {
    result.sense = "W";
  }
  return result;
}

}  // namespace OrientGeometry
