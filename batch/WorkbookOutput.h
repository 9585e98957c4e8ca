// SPDX-License-Identifier: MIT
// Results written as an .xlsx workbook: a run's lines go into one sheet,
// each field a cell. A field that is a number as the results write them
// (digits, the results' decimal character, digits) becomes a number cell
// that shows the same digits ("045.50" shows as 045.50 and sums as 45.5);
// every other field (captions, sense letters, quadrant bearings, messages,
// copied input) is a text cell. The workbook is put together in a
// temporary file and handed to the output file only when the run keeps
// its results, so a replaced file is replaced whole or not at all.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "batch/OutputFile.h"

namespace Lodema {

inline constexpr const char* kWorkbookAppendMessage =
    "Results cannot be added to a workbook (.xlsx): choose \"Replace data\" or a text output "
    "file.";

// True for an output name ending in ".xlsx" (any case).
bool IsWorkbookOutputName(const std::string& path);

// The number format of a result field shown as text, for a number cell:
// as many digits before the decimal character as the text has when it
// starts with a zero, as many after it as it has ("045.50" is "000.00");
// none when the text is no such number.
std::optional<std::string> NumberFormatOfField(std::string_view field, char decimalChar);

// Wraps target (the opened output file) so that the lines written become a
// workbook; nullptr with problem set when the workbook cannot be started.
std::unique_ptr<OutputSink> WorkbookOutputSink(std::unique_ptr<OutputSink> target,
                                               std::string delimiter, char decimalChar,
                                               std::string& problem);

}  // namespace Lodema
