// SPDX-License-Identifier: MIT
// The message that ends a batch run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace Lodema {

// 64-bit: a file can hold more lines than a 32-bit count.
struct BatchCounts {
  std::int64_t linesRead = 0;       // rows read after the header line
  std::int64_t dataRows = 0;        // rows that produced a result
  std::int64_t uncomputedRows = 0;  // rows whose values were accepted but the calculation failed
  std::int64_t firstUncomputedLine = 0;  // its line number in the source (header included)
  std::string uncomputedReason;          // the calculation's message for that row
  std::int64_t unwrittenLines = 0;       // output lines the file did not take
  std::string readError;                 // why the source could not be read to its end
  bool stopped = false;                  // the user stopped the run before the end
  std::int64_t stoppedAfterLine = 0;     // the last line run, as a line of the source
};

// "No valid lines of data were found!" ... when no row produced a result;
// "Finished, but N lines of the T total lines ..." when some rows were not
// data (comments, blanks, text, rejected values); nothing when every row was
// data; "Stopped by the user after line N ..." with the counts so far when
// the user stopped the run. Rows the calculation could not compute, and
// lines the output file did not take, get a note of their own.
std::optional<std::string> BatchSummaryText(const BatchCounts& counts);

}  // namespace Lodema
