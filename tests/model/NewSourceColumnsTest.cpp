// SPDX-License-Identifier: MIT
// A newly opened source gets fresh default columns, and "Start input" does
// not run a column map that reaches beyond the source.
#include <gtest/gtest.h>

#include "PageRig.h"

namespace Lodema {
namespace {

using testing::PageRig;

class NewSourceColumnsTest : public ::testing::Test, public PageRig {
 protected:
  void Open(const std::string& name, const std::string& bytes) {
    page->SetInputSource(folder.Write(name, bytes));
  }
};

TEST_F(NewSourceColumnsTest, FileWithFewerColumnsDoesNotSpoilTheNextOne) {
  // Regression: after a one-column file the lists kept "None" for window B,
  // and the next good file ran into blank results.
  SelectCalculation(0);
  Open("good.txt", "30\t090\t60\t180\r\n");
  const ColumnMap defaults = page->CurrentColumnMap();
  Open("narrow.txt", "xxxxxxxx\r\n");
  Open("good2.txt", "45\t010\t20\t300\r\n");
  EXPECT_EQ(page->CurrentColumnMap(), defaults);
  EXPECT_FALSE(page->Controls().columnMismatchVisible);
  EXPECT_EQ(StartBatch().counts.dataRows, 1);
  EXPECT_EQ(Output(), "20\t301\r\n");
}

TEST_F(NewSourceColumnsTest, FixedWindowStaysFixedOnANewFile) {
  SelectCalculation(0);
  page->SetManualFix(1, true);
  Open("a.txt", "30\t090\r\n");
  const ColumnMap& map = page->CurrentColumnMap();
  EXPECT_EQ(map[0], 1);
  EXPECT_EQ(map[1], 2);
  EXPECT_EQ(map[3], kManuallyFixed);
}

TEST(ColumnsBeyondSourceTest, NamesTheWindowShortOfColumns) {
  EXPECT_EQ(ColumnsBeyondSourceMessage(1, 3),
            "Window B is set to a column the input does not have (it has 3 columns).\r\n"
            "Choose its columns again before starting.");
}

}  // namespace
}  // namespace Lodema
