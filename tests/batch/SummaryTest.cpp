// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "batch/Summary.h"

namespace Lodema {
namespace {

constexpr const char* kCheck =
    "and that the settings in the Conventions panel are consistent with the file.";

struct SummaryRow {
  const char* name;
  BatchCounts counts;
  std::optional<std::string> text;
};

BatchCounts Counts(std::int64_t read, std::int64_t data, std::int64_t uncomputed = 0,
                   std::int64_t unwritten = 0) {
  BatchCounts counts;
  counts.linesRead = read;
  counts.dataRows = data;
  counts.uncomputedRows = uncomputed;
  if (uncomputed > 0) {
    counts.firstUncomputedLine = 4;
    counts.uncomputedReason = "planes A and B coincide: no unique result";
  }
  counts.unwrittenLines = unwritten;
  return counts;
}

BatchCounts Stopped(std::int64_t afterLine, BatchCounts counts) {
  counts.stopped = true;
  counts.stoppedAfterLine = afterLine;
  return counts;
}

TEST(SummaryTest, MessagesAtTheEndOfARunOrWhenTheUserStopsIt) {
  const std::string noValid = std::string("No valid lines of data were found!\r\n") +
                              "Check that the column settings are correct " + kCheck;
  const std::string explain =
      std::string(
          "\r\n\r\nIf this is unexpected then check that the column settings are correct ") +
      kCheck;
  const std::string twoOfTen =
      "Finished, but 2 lines of the 10 total lines of data found were non-data lines." + explain;
  const std::string twoRows =
      "2 rows could not be computed: planes A and B coincide: no unique result, first at line 4.";
  const SummaryRow rows[] = {
      {"every line data", Counts(10, 10), std::nullopt},
      {"no line data", Counts(10, 0), noValid},
      {"empty source", Counts(0, 0), noValid},
      {"two comment lines", Counts(10, 8), twoOfTen},
      {"one line of one", Counts(2, 1),
       "Finished, but 1 line of the 2 total lines of data found were non-data lines." + explain},
      {"uncomputed rows are not non-data", Counts(10, 8, 2), twoRows},
      {"uncomputed rows after non-data", Counts(12, 8, 2),
       "Finished, but 2 lines of the 12 total lines of data found were non-data lines." + explain +
           "\r\n\r\n" + twoRows},
      {"every row uncomputed", Counts(2, 0, 2), twoRows},
      {"one uncomputed row", Counts(3, 2, 1),
       "1 row could not be computed: planes A and B coincide: no unique result, first at line 4."},
      {"unwritten lines alone", Counts(5, 5, 0, 3),
       "Warning: 3 lines could not be written to the output file."},
      {"unwritten line after the count", Counts(10, 8, 0, 1),
       twoOfTen + "\r\n\r\nWarning: 1 line could not be written to the output file."},
      {"counts beyond 32 bits", Counts(5'000'000'000, 4'999'999'999),
       "Finished, but 1 line of the 5000000000 total lines of data found were non-data lines." +
           explain},
      {"stopped, every line data", Stopped(12, Counts(12, 12)),
       "Stopped by the user after line 12.\r\n12 rows of data were written to the output file."},
      {"stopped, one row, header counted", Stopped(2, Counts(1, 1)),
       "Stopped by the user after line 2.\r\n1 row of data was written to the output file."},
      {"stopped, with non-data lines", Stopped(10, Counts(10, 7)),
       "Stopped by the user after line 10.\r\n7 rows of data were written to the output file; "
       "3 lines were non-data lines."},
      {"stopped, nothing written yet", Stopped(3, Counts(3, 0)),
       "Stopped by the user after line 3.\r\nNo row of data had been written to the output "
       "file."},
      {"stopped before the first row", Stopped(1, Counts(0, 0)),
       "Stopped by the user before the first row.\r\nNo row of data had been written to the output "
       "file."},
      {"stopped, uncomputed rows still reported", Stopped(5, Counts(5, 3, 2)),
       "Stopped by the user after line 5.\r\n3 rows of data were written to the output "
       "file.\r\n\r\n2 rows could not be computed: planes A and B coincide: no unique result, "
       "first at line 4."},
  };
  for (const SummaryRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(BatchSummaryText(row.counts), row.text);
  }
}

}  // namespace
}  // namespace Lodema
