// SPDX-License-Identifier: MIT
// The result part of an output line: which result boxes contribute columns,
// their caption header and their values. Only result boxes the row schema
// shows take part.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "batch/TextAppend.h"
#include "calc/EntryBoxes.h"
#include "calc/RowSchema.h"

namespace Lodema {

// Result columns added to the main result, chosen on the file page.
struct ResultColumnFlags {
  bool apparentDip = false;     // apparent dip (or pitch) angle and sense
  bool referencePlane = false;  // the reference plane (the plane solution in 19)
  bool ambiguous = false;       // the second reference plane
  bool secondResult = false;    // the result from the second reference plane
};

struct ResultCaptions {
  std::string text;  // the captions joined by the output delimiter
  int count = 0;     // R, the number of result columns
};

// The texts of result boxes 0..13.
using ResultBoxTexts = std::array<std::string, kResultBoxCount>;

// "Result:dip", "Result:dir'n", ... for the shown result boxes, joined by
// delimiter. The extra columns are named after the apparent dip when it is
// shown, else after the user's word for pitch.
ResultCaptions GetResultCaptions(const RowSchema& schema, const ResultColumnFlags& flags,
                                 const std::string& pitchName, std::string_view delimiter);

// True when a main result box (0..2) is shown and holds a value.
bool HasVisibleMainResult(const RowSchema& schema, const ResultBoxTexts& texts);

// Adds the values of the result columns to a line, joined by delimiter.
void AppendResultValues(const RowSchema& schema, const ResultBoxTexts& texts,
                        const ResultColumnFlags& flags, std::string_view delimiter,
                        LinePieces& out);

// Appends count empty fields (count - 1 delimiters).
void AppendEmptyFields(int count, std::string_view delimiter, std::string& out);

}  // namespace Lodema
