// SPDX-License-Identifier: MIT
// The message that ends a batch run.
#pragma once

#include <optional>
#include <string>

namespace Lodema {

struct BatchCounts {
  int linesRead = 0;       // rows read after the header line
  int dataRows = 0;        // rows that produced a result
  int unwrittenLines = 0;  // output lines the file did not take
};

// "No valid lines of data were found!" ... when no row produced a result;
// "Finished, but N lines of the T total lines ..." when some rows were not
// data; nothing when every row was data. A note on lines the output file
// did not take is added (or stands alone).
std::optional<std::string> BatchSummaryText(const BatchCounts& counts);

}  // namespace Lodema
