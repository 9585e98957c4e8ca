// SPDX-License-Identifier: MIT
#include "batch/SurveyRows.h"

#include <cmath>
#include <cstdint>

#include "calc/CoreConventions.h"
#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

// A ten-thousandth of a degree is far below what a survey tool measures,
// and an axis typed with up to four decimals comes back as typed.
constexpr int kAxisDecimals = 4;
// Positions to the centimetre.
constexpr int kPositionDecimals = 2;

// value with at most `decimals` (at most 6) decimals, rounded half away
// from zero, trailing zeros dropped, "-0" as "0". Written by hand: the
// library's fixed-precision conversion costs more than the rest of a row's
// survey lookup.
std::string FixedText(double value, int decimals, char decimalChar) {
  static constexpr std::int64_t kScales[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
  const std::int64_t scale = kScales[decimals];
  const double scaled = std::fabs(value) * static_cast<double>(scale);
  // Beyond what the integer holds the general form says it.
  if (!(scaled < 9e15)) return NumberText::FormatGeneral(value, decimalChar);
  std::int64_t units = std::llround(scaled);
  int places = decimals;
  while (places > 0 && units % 10 == 0) {
    units /= 10;
    --places;
  }
  char buffer[32];
  char* const end = buffer + sizeof buffer;
  char* p = end;
  for (int i = 0; i < places; ++i, units /= 10) *--p = static_cast<char>('0' + units % 10);
  if (places > 0) *--p = decimalChar;
  do {
    *--p = static_cast<char>('0' + units % 10);
    units /= 10;
  } while (units > 0);
  if (value < 0 && !(p + 1 == end && *p == '0')) *--p = '-';
  return std::string(p, end);
}

std::string_view FieldAt(const std::vector<std::string_view>& fields, int column) {
  return fields[static_cast<std::size_t>(column - 1)];
}

}  // namespace

bool TakesSurveyAxis(const RowSchema& schema) {
  return schema.info != nullptr && schema.info->c == WindowUse::kCoreAxis;
}

std::vector<std::string> SurveyCaptions(const SurveyRun* survey, const RowSchema& schema) {
  std::vector<std::string> captions;
  if (survey == nullptr) return captions;
  if (survey->positionColumns) {
    captions.insert(captions.end(), {"Hole:easting", "Hole:northing", "Hole:elevation"});
  }
  if (survey->axisColumns) {
    const bool trendFirst = schema.entries[6].role == BoxRole::kDirection;
    captions.push_back("Axis:" + schema.entries[trendFirst ? 7 : 6].caption);
    captions.push_back("Axis:" + schema.entries[trendFirst ? 6 : 7].caption);
  }
  return captions;
}

std::array<std::string, 2> TypedAxisTexts(const Line& axis, const RowSchema& schema) {
  const Line typed = TypedCoreAxis(axis, schema.core);
  const char decimalChar = OrientGeometry::DecimalChar(schema.localeMark);
  std::array<std::string, 2> texts{
      FixedText(RadiansToDegrees(typed.angle), kAxisDecimals, decimalChar),
      FixedText(RadiansToDegrees(typed.azimuth), kAxisDecimals, decimalChar)};
  // 359.99996 rounds to a full turn: the same direction as 0.
  if (texts[1] == "360") texts[1] = "0";
  if (schema.in.azimuth == OrientGeometry::AzimuthStyle::kQuadrant) {
    texts[1] = AzimuthToQuadrantText(texts[1], schema.localeMark);
  }
  return texts;
}

SurveyRowFiller::SurveyRowFiller(const SurveyRun& survey, const RowSchema& schema)
    : survey_(survey), schema_(schema) {
  if (schema.entries[6].role == BoxRole::kDirection) std::swap(plungeBox_, trendBox_);
}

int SurveyRowFiller::HighestColumn() const {
  return std::max(survey_.holeColumn, survey_.depthColumn);
}

bool SurveyRowFiller::Fill(const std::vector<std::string_view>& fields, EntryTexts& texts,
                           std::string& reason) {
  const std::string_view hole = NumberText::TrimBlanks(FieldAt(fields, survey_.holeColumn));
  if (lastIndex_ < 0 || hole != lastHole_) {
    const std::optional<int> index = survey_.table->FindHole(hole);
    if (!index) {
      reason = "hole " + std::string(hole) + " is not in the survey";
      return false;
    }
    lastHole_.assign(hole);
    lastIndex_ = *index;
  }
  const std::string_view depthText = NumberText::TrimBlanks(FieldAt(fields, survey_.depthColumn));
  double depth = 0.0;
  if (!NumberText::ReadPlainDecimal(depthText, depth)) {
    const std::optional<double> read =
        NumberText::IsNumberText(depthText)
            ? NumberText::TryTextToDouble(depthText, schema_.localeMark)
            : std::nullopt;
    if (!read || !std::isfinite(*read)) {
      reason = "depth is not a number";
      return false;
    }
    depth = *read;
  }
  const HolePoint point = survey_.table->PointAt(lastIndex_, depth);
  if (survey_.positionColumns && !point.position) {
    reason = "hole " + lastHole_ + " has no collar";
    return false;
  }
  axis_ = TypedAxisTexts(DirectionCosinesToLine(point.direction), schema_);
  extra_.clear();
  const char decimalChar = schema_.output.decimalChar;
  if (survey_.positionColumns) {
    for (const double value : *point.position) {
      extra_.push_back(FixedText(value, kPositionDecimals, decimalChar));
    }
  }
  if (survey_.axisColumns) {
    for (const std::string& text : axis_) {
      extra_.push_back(
          NumberText::SwapDecimalSeparator(text, OrientGeometry::DecimalMarkOf(decimalChar)));
    }
  }
  texts[static_cast<std::size_t>(plungeBox_)] = axis_[0];
  texts[static_cast<std::size_t>(trendBox_)] = axis_[1];
  return true;
}

}  // namespace Lodema
