// SPDX-License-Identifier: MIT
// The progress line of lodema-batch: what it says, when it is drawn, and
// that it is redrawn in place and wiped without leaving characters behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/ProgressLine.h"

namespace Lodema {
namespace {

TEST(ProgressLineTest, TextGivesRowsAndWholeRowsPerSecond) {
  struct Row {
    const char* name;
    long long rows;
    double seconds;
    std::string text;
  };
  const Row rows[] = {
      {"one second", 5000, 1.0, "5000 rows, 5000 rows/s"},
      {"rate rounded", 10, 3.0, "10 rows, 3 rows/s"},
      {"rate rounded up", 5, 3.0, "5 rows, 2 rows/s"},
      {"no rows yet", 0, 1.5, "0 rows, 0 rows/s"},
      {"beyond 32 bits", 5000000000LL, 2.0, "5000000000 rows, 2500000000 rows/s"},
      {"no time", 7, 0.0, "7 rows, 0 rows/s"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ProgressText(row.rows, row.seconds), row.text);
  }
}

class ProgressLineDrawing : public ::testing::Test {
 protected:
  double now = 100.0;  // the line's start
  std::vector<std::string> written;
  ProgressLine line{[this](const std::string& bytes) { written.push_back(bytes); },
                    [this] { return now; }};
};

TEST_F(ProgressLineDrawing, SilentForASecondThenRedrawnInPlaceAFewTimesASecondAndWiped) {
  for (int row = 1; row <= 1000; ++row) {
    now = 100.0 + row * 0.000999;
    line.Processed(row);
  }
  line.Clear();
  EXPECT_TRUE(written.empty());
  now = 101.0;
  line.Processed(2000);
  now = 101.1;
  line.Processed(2200);  // too soon after the last drawing
  now = 102.0;
  line.Processed(20);  // shorter than the line on screen
  line.Clear();
  line.Clear();  // nothing left to wipe
  now = 102.1;   // within the redraw interval, but the screen is clear
  line.Processed(21);
  const std::vector<std::string> expected = {
      "\r2000 rows, 2000 rows/s",
      "\r20 rows, 10 rows/s    ",
      "\r" + std::string(22, ' ') + "\r",
      "\r21 rows, 10 rows/s",
  };
  EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace Lodema
