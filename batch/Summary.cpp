// SPDX-License-Identifier: MIT
#include "batch/Summary.h"

namespace Lodema {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kCheckSettings =
    "and that the settings in the Conventions panel are consistent with the file.";

// Whole numbers are shown with a leading blank, as in " 10".
std::string Spaced(std::int64_t n) { return (n >= 0 ? " " : "") + std::to_string(n); }

// "line" or "lines" after a count.
const char* Lines(std::int64_t n) { return n == 1 ? " line" : " lines"; }

void AddParagraph(std::string& text, const std::string& paragraph) {
  if (!text.empty()) {
    text += kCrLf;
    text += kCrLf;
  }
  text += paragraph;
}

// Where a run stopped at the user's request, and what it had done by then.
std::string StoppedText(const BatchCounts& counts, std::int64_t nonData) {
  std::string text = counts.linesRead == 0
                         ? std::string("Stopped by the user before the first row.")
                         : "Stopped by the user after line" + Spaced(counts.stoppedAfterLine) + ".";
  text += kCrLf;
  if (counts.dataRows == 0) return text + "No row of data had been written to the output file.";
  text += std::to_string(counts.dataRows) +
          (counts.dataRows == 1 ? " row of data was" : " rows of data were") +
          " written to the output file";
  if (nonData > 0) {
    text += "; " + std::to_string(nonData) +
            (nonData == 1 ? " line was a non-data line" : " lines were non-data lines");
  }
  return text + ".";
}

}  // namespace

std::optional<std::string> BatchSummaryText(const BatchCounts& counts) {
  std::string text;
  if (!counts.readError.empty()) {
    // Not a question of columns or conventions: say what happened.
    text = "The input could not be read after" + Spaced(counts.linesRead) +
           Lines(counts.linesRead) + ": " + counts.readError + ".";
  }
  const std::int64_t nonData = counts.linesRead - counts.dataRows - counts.uncomputedRows;
  if (!counts.readError.empty()) {
    // The counts of a source read only in part mean little.
  } else if (counts.stopped) {
    text = StoppedText(counts, nonData);
  } else if (counts.dataRows == 0 && (nonData > 0 || counts.uncomputedRows == 0)) {
    text = std::string("No valid lines of data were found!") + kCrLf +
           "Check that the column settings are correct " + kCheckSettings;
  } else if (nonData > 0) {
    text =
        "Finished, but" + Spaced(nonData) + Lines(nonData) + " of the" + Spaced(counts.linesRead) +
        " total" + Lines(counts.linesRead) + " of data found were non-data lines." + kCrLf + kCrLf +
        "If this is unexpected then check that the column settings are correct " + kCheckSettings;
  }
  if (counts.uncomputedRows > 0) {
    AddParagraph(text, std::to_string(counts.uncomputedRows) +
                           (counts.uncomputedRows == 1 ? " row" : " rows") +
                           " could not be computed: " + counts.uncomputedReason +
                           ", first at line " + std::to_string(counts.firstUncomputedLine) + ".");
  }
  if (counts.unwrittenLines > 0) {
    AddParagraph(text, "Warning:" + Spaced(counts.unwrittenLines) + Lines(counts.unwrittenLines) +
                           " could not be written to the output file.");
  }
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace Lodema
