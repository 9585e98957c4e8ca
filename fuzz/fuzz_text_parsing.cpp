// SPDX-License-Identifier: MIT
// Every reader of typed and file text: numbers, compass names and
// suffixes, quadrant bearings, strike and sense, the field splitter and the
// lenient readers of stored settings. The input is a text, optionally
// followed by a line end and a second text (the sense, or the delimiter
// set). Besides not crashing, each reader must agree with its documented
// twin and never give a non-finite number or text.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Delimiters.h"
#include "calc/ResultText.h"
#include "calc/SettingsText.h"
#include "fuzz/FuzzChecks.h"
#include "orient/LinesInPlanes.h"
#include "orient/NumberText.h"
#include "orient/TextFormatting.h"
#include "orient/TextParsing.h"

namespace {

using LodemaFuzz::Check;
using LodemaFuzz::CheckFinite;

// A number text a routine hands on must read back as a finite number.
void CheckNumberText(const std::string& text, std::string_view what) {
  if (text.empty()) return;
  CheckFinite(text, what);
  const std::optional<double> value =
      NumberText::TryTextToDouble(text, OrientGeometry::DecimalMark::kPoint);
  Check(value && std::isfinite(*value), what, text);
}

void CheckNumbers(std::string_view text) {
  for (const OrientGeometry::DecimalMark comma :
       {OrientGeometry::DecimalMark::kPoint, OrientGeometry::DecimalMark::kComma}) {
    const std::optional<double> value = NumberText::TryTextToDouble(text, comma);
    if (value) {
      Check(std::isfinite(*value), "TryTextToDouble gave a non-finite value", text);
      const char decimal = OrientGeometry::DecimalChar(comma);
      const std::string general = NumberText::FormatGeneral(*value, decimal);
      Check(general == NumberText::FormatGeneralFull(*value, decimal),
            "FormatGeneral and FormatGeneralFull differ", general);
      CheckFinite(general, "FormatGeneral");
      // Fifteen significant digits read back within their rounding.
      const std::optional<double> back = NumberText::TryTextToDouble(general, comma);
      Check(back && std::fabs(*back - *value) <= 1e-14 * std::fabs(*value) + 1e-300,
            "FormatGeneral does not read back", general);
    }
    const double lenient = NumberText::TextToDouble(text, comma);
    Check(lenient == value.value_or(0.0), "TextToDouble differs from TryTextToDouble", text);
    CheckNumberText(OrientGeometry::QuadrantToAzimuthText(text, comma).value_or(""),
                    "QuadrantToAzimuthText");
    CheckFinite(OrientGeometry::AzimuthToQuadrantText(text, comma), "AzimuthToQuadrantText");
    CheckFinite(OrientGeometry::RadiansToWholeDegreesText(value.value_or(0.0)),
                "RadiansToWholeDegreesText");
    const OrientGeometry::StrikeAndSense strike =
        OrientGeometry::DipDirectionToStrikeAndSense(text, comma);
    CheckFinite(strike.strike + strike.sense, "DipDirectionToStrikeAndSense");
  }
  double plain = 0.0;
  if (NumberText::ReadPlainDecimal(text, plain)) {
    Check(NumberText::IsNumberText(text), "plain decimal text is not number text", text);
    for (const OrientGeometry::DecimalMark comma :
         {OrientGeometry::DecimalMark::kPoint, OrientGeometry::DecimalMark::kComma}) {
      const std::optional<double> value = NumberText::TryTextToDouble(text, comma);
      Check(value && *value == plain, "ReadPlainDecimal differs from TryTextToDouble", text);
    }
  }
  Check(NumberText::CountDecimalPlaces(text) >= 0, "negative decimal places", text);
  CheckFinite(OrientGeometry::FormatAzimuthText(text), "FormatAzimuthText");
  // Text that is no number comes back as it is; a plain number is cut.
  for (int decimals = 0; decimals <= 3; ++decimals) {
    const std::string fixed = Lodema::FormatAngleFixed(text, decimals, '.', decimals == 1);
    if (NumberText::ReadPlainDecimal(text, plain)) CheckFinite(fixed, "FormatAngleFixed");
  }
  const std::string swapped =
      NumberText::SwapDecimalSeparator(text, OrientGeometry::DecimalMark::kComma);
  Check(swapped.size() == text.size(), "SwapDecimalSeparator changed the length", text);
}

void CheckCompass(std::string_view text, std::string_view sense) {
  const std::optional<int> azimuth = OrientGeometry::CompassPointAzimuth(text);
  Check(!azimuth || (*azimuth > 0 && *azimuth <= 360), "compass azimuth out of range", text);
  Check(OrientGeometry::IsCompassPointText(text) == azimuth.has_value(),
        "IsCompassPointText disagrees with CompassPointAzimuth", text);
  if (const std::optional<OrientGeometry::SuffixSplit> split =
          OrientGeometry::SplitCompassSuffix(text)) {
    Check(split->number.size() + split->compass.size() <= text.size(),
          "SplitCompassSuffix made text", text);
  }
  for (const OrientGeometry::DecimalMark comma :
       {OrientGeometry::DecimalMark::kPoint, OrientGeometry::DecimalMark::kComma}) {
    CheckNumberText(
        OrientGeometry::StrikeAndSenseToDipDirectionText(text, sense, comma).value_or(""),
        "StrikeAndSenseToDipDirectionText");
  }
}

// Every character that is neither a delimiter nor a blank or line end ends
// up in exactly one field, and no field holds a delimiter.
void CheckFields(std::string_view line, std::string_view delimiters) {
  const OrientGeometry::DelimiterSet set(delimiters.empty() ? OrientGeometry::kAnyFieldDelimiters
                                                            : delimiters);
  const auto isData = [&set](char c) { return !set.Has(c) && c != ' ' && c != '\r' && c != '\n'; };
  std::size_t dataInLine = 0;
  for (const char c : line) dataInLine += isData(c) ? 1 : 0;

  std::size_t dataInFields = 0;
  int position = 1;
  const OrientGeometry::FieldReader reader(line, delimiters);
  for (std::size_t count = 0; position <= static_cast<int>(line.size()); ++count) {
    Check(count <= line.size(), "the field reader does not move on", line);
    const OrientGeometry::TokenView token = reader.Next(position);
    const OrientGeometry::Token copied = OrientGeometry::ReadNextField(line, position, delimiters);
    Check(copied.text == token.text && copied.position == token.position,
          "ReadNextField and FieldReader differ", line);
    if (token.position <= position) break;
    position = token.position;
    for (const char c : token.text) {
      Check(!set.Has(c), "a field holds a delimiter", token.text);
      dataInFields += isData(c) ? 1 : 0;
    }
  }
  Check(dataInFields == dataInLine, "the fields lost characters of the line", line);
  std::vector<std::string_view> split;
  Lodema::SplitFields(line, delimiters, -1, split);
  std::size_t dataInSplit = 0;
  for (const std::string_view field : split) {
    for (const char c : field) dataInSplit += isData(c) ? 1 : 0;
  }
  Check(dataInSplit == dataInLine, "SplitFields lost characters of the line", line);
}

void CheckStoredText(std::string_view text) {
  const Lodema::LeadingNumber leading = Lodema::ReadLeadingNumber(text);
  Check(!leading.wholeText || leading.found, "whole text without a number", text);
  for (const bool whole : {false, true}) {
    if (const std::optional<int> value = Lodema::ReadStoredInteger(text, -5, 400, whole)) {
      Check(*value >= -5 && *value <= 400, "ReadStoredInteger out of its range", text);
    }
  }
  if (Lodema::IsTrueText(text)) {
    Check(Lodema::ReadStoredBool(text) == true, "True text not read as true", text);
  }
  if (Lodema::IsFalseText(text)) {
    Check(Lodema::ReadStoredBool(text) == false, "False text not read as false", text);
  }
  const std::string clean = Lodema::WithoutControlCharacters(text);
  Check(!Lodema::HasControlCharacter(clean), "control characters survive", clean);
}

// The routines that read a sense text beside angles (radians): the angle
// is the text's number when it is one of modest size, the sense the second
// text.
void CheckSenses(std::string_view text, std::string_view sense) {
  const std::optional<double> value =
      NumberText::TryTextToDouble(text, OrientGeometry::DecimalMark::kPoint);
  if (!value || std::fabs(*value) > 10) return;
  const double angle = *value;
  constexpr double kPlanes[][2] = {
      {0.5, 2.0}, {OrientGeometry::kHalfPi, 0.0}, {0.0, 0.0}, {1.2, 6.1}};
  for (const auto& plane : kPlanes) {
    const double dip = plane[0], dipDirection = plane[1];
    Check(std::isfinite(OrientGeometry::SensedPitchPlusOffset(dipDirection, angle, sense, 0.3)),
          "SensedPitchPlusOffset not finite", sense);
    const OrientGeometry::PlungeInPlaneResult plunge =
        OrientGeometry::LineFromPlungeInPlane(dip, dipDirection, angle, sense);
    Check(std::isfinite(plunge.trend) && std::isfinite(plunge.excess),
          "LineFromPlungeInPlane not finite", text);
    const OrientGeometry::PitchLineResult pitch =
        OrientGeometry::LineFromPitchInPlane(dip, dipDirection, angle, sense);
    Check(std::isfinite(pitch.line.angle) && std::isfinite(pitch.line.azimuth),
          "LineFromPitchInPlane not finite", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t lineEnd = input.find('\n');
  const std::string_view text = input.substr(0, lineEnd);
  const std::string_view second =
      lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);

  CheckNumbers(text);
  CheckCompass(text, second);
  CheckFields(text, second);
  CheckFields(text, {});
  CheckFields(text, " ");
  CheckStoredText(text);
  CheckSenses(text, second);
  return 0;
}
