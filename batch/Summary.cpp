// SPDX-License-Identifier: MIT
#include "batch/Summary.h"

namespace Lodema {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kCheckSettings =
    "and that the settings in the Conventions panel are consistent with the file.";

// Whole numbers are shown with a leading blank, as in " 10".
std::string Spaced(int n) {
  std::string text(n >= 0 ? " " : "");
  text += std::to_string(n);
  return text;
}

}  // namespace

std::optional<std::string> BatchSummaryText(const BatchCounts& counts) {
  std::string text;
  if (counts.dataRows == 0) {
    text = std::string("No valid lines of data were found!") + kCrLf +
           "Check that the  the column settings are correct " + kCheckSettings;
  } else if (counts.linesRead > counts.dataRows) {
    text = "Finished, but";
    text += Spaced(counts.linesRead - counts.dataRows);
    text += " lines of the";
    text += Spaced(counts.linesRead);
    text += " total lines of data found were non-data lines.";
    text += kCrLf;
    text += kCrLf;
    text += "If this is unexpected then check that the column settings are correct ";
    text += kCheckSettings;
  }
  if (counts.unwrittenLines > 0) {
    if (!text.empty()) {
      text += kCrLf;
      text += kCrLf;
    }
    text += "Warning:";
    text += Spaced(counts.unwrittenLines);
    text += " lines could not be written to the output file.";
  }
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace Lodema
