// SPDX-License-Identifier: MIT
// Stopping a batch run part way: the rows before the stop stay in the
// output file, the rest are not run, and the summary says where it stopped.
#include <gtest/gtest.h>

#include <algorithm>

#include "PageRig.h"

namespace Lodema {
namespace {

using testing::PageRig;

std::string NumberedRows(int count) {
  // Calculation 15 writes the typed plane back: row i gives "30<TAB>i".
  std::string text;
  for (int i = 1; i <= count; ++i) text += "30\t" + std::to_string(i % 360) + "\r\n";
  return text;
}

int CountLines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

struct StopRow {
  const char* name;
  int jobs;
  bool headings;
  bool append;
  int rows;      // data rows in the source
  int stopAt;    // the processed count at which the user stops
  int rowsKept;  // data rows in the output afterwards
  int lastLine;  // the summary's line, the header line counted
};

TEST(StopRunTest, RowsBeforeTheStopAreKept) {
  const StopRow rows[] = {
      {"replacing, one job", 1, false, false, 50, 20, 20, 20},
      {"replacing, header line", 1, true, false, 50, 20, 20, 21},
      {"appending", 1, false, true, 50, 7, 7, 7},
      {"stop at the first row", 1, false, false, 50, 1, 1, 1},
      // Several jobs stop between blocks of 4096 rows: the block in hand is
      // written whole, those after it are dropped.
      {"two jobs", 2, false, false, 20000, 5000, 8192, 8192},
  };
  for (const StopRow& row : rows) {
    SCOPED_TRACE(row.name);
    PageRig rig;
    rig.SelectCalculation(15);
    // No plot to feed: several jobs may share the rows out.
    BatchPlatform platform;
    platform.messages = &rig.messages;
    rig.page = std::make_unique<FilePageModel>(rig.model, platform);
    rig.page->SetOutputFileText(rig.OutputPath());
    rig.page->SetTableHeadings(row.headings);
    const std::string before = "kept from before\r\n";
    rig.folder.Write("out.txt", before);
    rig.page->SetAppendData(row.append);
    rig.page->SetBatchJobs(row.jobs);
    rig.UseInput((row.headings ? std::string("dip\tdir\r\n") : std::string()) +
                 NumberedRows(row.rows));
    rig.page->SetProgressHandler([&rig, &row](std::int64_t count) {
      if (count == row.stopAt) rig.page->RequestStop();
    });

    const BatchOutcome outcome = rig.StartBatch();

    EXPECT_TRUE(outcome.counts.stopped);
    EXPECT_EQ(outcome.counts.dataRows, row.rowsKept);
    const std::string output = rig.Output();
    const std::string kept = output.substr(row.append ? before.size() : 0);
    EXPECT_EQ(row.append, output.rfind(before, 0) == 0) << "the old content";
    ASSERT_EQ(CountLines(kept), row.rowsKept);
    EXPECT_EQ(kept.substr(kept.size() - 2 - std::to_string(row.rowsKept % 360).size()),
              std::to_string(row.rowsKept % 360) + "\r\n")
        << "the last row kept is the last one run";
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    const std::string expected = "Stopped by the user after line " + std::to_string(row.lastLine) +
                                 ".\r\n" + std::to_string(row.rowsKept) +
                                 (row.rowsKept == 1 ? " row of data was" : " rows of data were") +
                                 " written to the output file.";
    EXPECT_EQ(rig.messages.shown[0].text, expected);
    EXPECT_EQ(rig.page->Controls().commandButtons[1].caption, "Start input");
  }
}

TEST(StopRunTest, NextRunStartsAfresh) {
  // A stop asked for during one run must not end the next one at once.
  PageRig rig;
  rig.SelectCalculation(15);
  rig.UseInput(NumberedRows(10));
  bool stopOnce = true;
  rig.page->SetProgressHandler([&](std::int64_t count) {
    if (count == 3 && stopOnce) rig.page->RequestStop();
  });
  EXPECT_EQ(rig.StartBatch().counts.dataRows, 3);
  stopOnce = false;
  rig.page->RequestStop();  // outside a run: nothing to stop
  const BatchOutcome second = rig.StartBatch();
  EXPECT_FALSE(second.counts.stopped);
  EXPECT_EQ(second.counts.dataRows, 10);
}

}  // namespace
}  // namespace Lodema
