// SPDX-License-Identifier: MIT
// The core axis of each row taken from a drill-hole survey: the row's hole
// and depth columns name the point, and the core-axis boxes (window C) get
// the survey's direction there, as the user would type it under the
// drill-core conventions; the point's position and the axis can be added as
// output columns.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/SurveyTable.h"
#include "calc/EntryBoxes.h"
#include "calc/RowKernel.h"
#include "calc/RowSchema.h"

namespace Lodema {

// What a run takes from a survey, shared read-only by its workers.
struct SurveyRun {
  std::shared_ptr<const SurveyTable> table;
  int holeColumn = 0;  // 1-based columns of the input rows
  int depthColumn = 0;
  bool positionColumns = false;  // easting, northing, elevation (with collars)
  bool axisColumns = false;      // the axis's plunge and trend as filled in
};

// How a survey is read for rows of the schema split at delimiterSet.
inline SurveyReading SurveyReadingOf(const RowSchema& schema, const std::string& delimiterSet) {
  return {delimiterSet, schema.core, schema.in.azimuth == OrientGeometry::AzimuthStyle::kQuadrant,
          schema.localeMark};
}

// True when the calculation reads a core axis from window C, the window a
// survey fills.
bool TakesSurveyAxis(const RowSchema& schema);

// The captions of the columns a survey adds after the results ("" none).
std::vector<std::string> SurveyCaptions(const SurveyRun* survey, const RowSchema& schema);

// The axis texts an axis record is typed as under the schema's conventions
// (plunge or zenith, sign, up-core trend, azimuth or quadrant notation), four
// decimals at most, without trailing zeros: [plunge text, trend text].
std::array<std::string, 2> TypedAxisTexts(const OrientGeometry::Line& axis,
                                          const RowSchema& schema);

// One worker's reader of the survey for its rows; remembers the last hole,
// as rows of one hole tend to come together.
class SurveyRowFiller {
 public:
  SurveyRowFiller(const SurveyRun& survey, const RowSchema& schema);
  // The highest input column the survey reads.
  int HighestColumn() const;
  // Fills the core-axis boxes of texts and the extra output texts from the
  // row's fields; false, with the reason, when the row's hole or depth
  // cannot be used.
  // The texts of the axis boxes are views of the filler's own, which last
  // until the next row.
  bool Fill(const std::vector<std::string_view>& fields, EntryTexts& texts, std::string& reason);
  const std::vector<std::string>& ExtraTexts() const { return extra_; }

 private:
  const SurveyRun& survey_;
  const RowSchema& schema_;
  int plungeBox_ = 6;
  int trendBox_ = 7;
  std::string lastHole_;
  int lastIndex_ = -1;
  std::vector<std::string> extra_;
  std::array<std::string, 2> axis_;
};

}  // namespace Lodema
