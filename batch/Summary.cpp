// SPDX-License-Identifier: MIT
#include "batch/Summary.h"

namespace Lodema {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kCheckSettings =
    "and that the settings in the Conventions panel are consistent with the file.";

// Whole numbers are shown with a leading blank, as in " 10".
std::string Spaced(std::int64_t n) {
  std::string text(n >= 0 ? " " : "");
  text += std::to_string(n);
  return text;
}

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
  std::string text;
  if (counts.linesRead == 0) {
    text = "Stopped by the user before the first row.";
  } else {
    text = "Stopped by the user after line";
    text += Spaced(counts.stoppedAfterLine);
    text += ".";
  }
  text += kCrLf;
  if (counts.dataRows == 0) {
    text += "No row of data had been written to the output file.";
    return text;
  }
  text += std::to_string(counts.dataRows);
  text += counts.dataRows == 1 ? " row of data was" : " rows of data were";
  text += " written to the output file";
  if (nonData > 0) {
    text += "; ";
    text += std::to_string(nonData);
    text += nonData == 1 ? " line was a non-data line" : " lines were non-data lines";
  }
  text += ".";
  return text;
}

}  // namespace

std::optional<std::string> BatchSummaryText(const BatchCounts& counts) {
  std::string text;
  if (!counts.readError.empty()) {
    // Not a question of columns or conventions: say what happened.
    text = "The input could not be read after";
    text += Spaced(counts.linesRead);
    text += Lines(counts.linesRead);
    text += ": ";
    text += counts.readError;
    text += ".";
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
    text = "Finished, but";
    text += Spaced(nonData);
    text += Lines(nonData);
    text += " of the";
    text += Spaced(counts.linesRead);
    text += " total";
    text += Lines(counts.linesRead);
    text += " of data found were non-data lines.";
    text += kCrLf;
    text += kCrLf;
    text += "If this is unexpected then check that the column settings are correct ";
    text += kCheckSettings;
  }
  if (counts.uncomputedRows > 0) {
    std::string note = std::to_string(counts.uncomputedRows);
    note += counts.uncomputedRows == 1 ? " row" : " rows";
    note += " could not be computed: ";
    note += counts.uncomputedReason;
    note += ", first at line ";
    note += std::to_string(counts.firstUncomputedLine);
    note += ".";
    AddParagraph(text, note);
  }
  if (counts.unwrittenLines > 0) {
    std::string note = "Warning:";
    note += Spaced(counts.unwrittenLines);
    note += Lines(counts.unwrittenLines);
    note += " could not be written to the output file.";
    AddParagraph(text, note);
  }
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace Lodema
