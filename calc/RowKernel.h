// SPDX-License-Identifier: MIT
// One row of a calculation, the single way every caller computes it: the
// entry texts are checked and read into typed inputs (ParseRow), the inputs
// computed into an outcome (ComputeRow), and the outcome written as the
// result texts (FormatOutcome). Nothing is kept between rows: a row's result
// depends on its own texts and the schema alone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/CalculationRecord.h"
#include "calc/DispatchCore.h"
#include "calc/DispatchGeometry.h"
#include "calc/DispatchOutcome.h"
#include "calc/EntryBoxes.h"
#include "calc/RowSchema.h"

namespace Lodema {

// Texts of entry boxes 0..12 (A 0-2, B 3-5, C 6-7, D 8-10, section trend
// 11 and 12, which mirror each other). Texts of unused boxes are not read.
using EntryTexts = std::array<std::string_view, kEntryBoxCount>;

// Whether text is what a box of the rule accepts. A sense may come in any
// letter case.
bool EntryAccepts(EntryRule rule, std::string_view text, OrientGeometry::DecimalMark localeMark);
// The text a box shows once accepted: a sense in capitals, the obtuse flag
// as "obtuse" or "acute" when its first letter decides; otherwise text.
std::string ShownEntryText(EntryRule rule, std::string_view text);
// Why text does not fit a box: "A dip 95 is outside -90 to 90".
std::string EntryProblemText(int box, const EntryField& field, std::string_view text,
                             OrientGeometry::DecimalMark localeMark);

// The typed inputs of one row, radians.
struct RowInputs {
  GeometryInputs geometry;
  std::optional<CoreInputs> core;  // drill-core calculations only
  CalculationRecord record;        // what the entries give the stereonet
  bool hasSection = false;         // a section trend for the apparent dip was read
  double sectionTrend = 0.0;
  int decimals = 0;  // decimals of the results: the most typed, at most 2
};

enum class ParseStatus {
  kReady,
  kIncomplete,    // a used box is empty: nothing to compute, nothing to say
  kInvalidEntry,  // a box holds text its rule refuses (badBox)
  kUnreadable,    // every box is accepted, but a plane or line cannot be read
};

struct ParsedRow {
  ParseStatus status = ParseStatus::kReady;
  int badBox = -1;
  RowInputs inputs;
};

ParsedRow ParseRow(const EntryTexts& texts, const RowSchema& schema);

// screenNotes: the notes meant for the screen alone are worked out too.
CalcOutcome ComputeRow(const RowInputs& inputs, const RowSchema& schema, bool screenNotes);

// The texts of result boxes 0..13 for an outcome, and what the stereonet
// gets.
struct RowResult {
  std::array<std::string, kResultBoxCount> texts;
  bool presented = false;       // a result to draw (not "-999")
  bool referenceFrame = false;  // result frame 1: reference plane or plane solution
  bool ambiguousFrame = false;  // result frame 2: the second solution
  CalculationRecord record;
  // Bit b: texts[b] was written by the last FormatOutcome into this result.
  // Only those are cleared before the next, so the texts rewritten row
  // after row keep their length and storage.
  std::uint32_t writtenBoxes = 0;
};

inline constexpr const char* kNoResultText = "-999";

RowResult FormatOutcome(const CalcOutcome& outcome, const RowInputs& inputs,
                        const RowSchema& schema);
// The same into a result kept from row to row, its texts' storage reused.
void FormatOutcome(const CalcOutcome& outcome, const RowInputs& inputs, const RowSchema& schema,
                   RowResult& result);

}  // namespace Lodema
