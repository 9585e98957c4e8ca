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

TEST(SummaryTest, MessagesAtTheEndOfARun) {
  const std::string noValid = std::string("No valid lines of data were found!\r\n") +
                              "Check that the  the column settings are correct " + kCheck;
  const std::string twoOfTen =
      std::string(
          "Finished, but 2 lines of the 10 total lines of data found were non-data lines.") +
      "\r\n\r\nIf this is unexpected then check that the column settings are correct " + kCheck;
  const SummaryRow rows[] = {
      {"every line data", {10, 10, 0}, std::nullopt},
      {"no line data", {10, 0, 0}, noValid},
      {"empty source", {0, 0, 0}, noValid},
      {"two comment lines", {10, 8, 0}, twoOfTen},
      {"unwritten lines alone",
       {5, 5, 3},
       "Warning: 3 lines could not be written to the output file."},
      {"unwritten lines after the count",
       {10, 8, 1},
       twoOfTen + "\r\n\r\nWarning: 1 lines could not be written to the output file."},
  };
  for (const SummaryRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(BatchSummaryText(row.counts), row.text);
  }
}

}  // namespace
}  // namespace Lodema
