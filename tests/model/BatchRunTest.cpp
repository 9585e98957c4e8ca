// SPDX-License-Identifier: MIT
// Batch runs on a real main window model, mostly calculation 15 (reformat a
// plane), whose result is the typed plane: 30/090 in, "30", "090" out. Runs
// stopped part way keep the rows before the stop; a model kept through runs
// whose settings change writes what a fresh one writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ModelTestSupport.h"
#include "PageRig.h"

namespace Lodema {
namespace {

using testing::PageRig;

class BatchRunTest : public ::testing::Test, public PageRig {};

std::string Lines(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line + "\r\n";
  return text;
}

struct CountRow {
  const char* name;
  bool headings;
  std::string input;
  int linesRead;
  int dataRows;
  std::string summaryStart;  // empty: no summary
};

TEST(BatchRunCountsTest, LinesReadDataRowsAndSummary) {
  const CountRow rows[] = {
      {"every line data", false, Lines(3, "30\t090"), 3, 3, ""},
      {"two comments", false, Lines(8, "30\t090") + "* comment\r\n; another\r\n", 10, 8,
       "Finished, but 2 lines of the 10 total lines of data found were non-data lines.\r\n"},
      {"header line not counted", true, "dip\tdir\r\n" + Lines(10, "30\t090"), 10, 10, ""},
      {"invalid, short and blank rows", false, "95\t090\r\n30\r\n\r\n/ x\r\n30\t090\r\n", 5, 1,
       "Finished, but 4 lines of the 5 total"},
      {"only comments", false, "* one\r\n* two\r\n", 2, 0,
       "No valid lines of data were found!\r\n"},
  };
  for (const CountRow& row : rows) {
    SCOPED_TRACE(row.name);
    PageRig rig;
    rig.SelectCalculation(15);
    rig.page->SetTableHeadings(row.headings);
    rig.UseInput(row.input);
    const BatchOutcome outcome = rig.StartBatch();
    EXPECT_EQ(outcome.counts.linesRead, row.linesRead);
    EXPECT_EQ(outcome.counts.dataRows, row.dataRows);
    ASSERT_EQ(rig.messages.shown.size(), row.summaryStart.empty() ? 0u : 1u);
    if (!row.summaryStart.empty()) {
      EXPECT_EQ(rig.messages.shown[0].text.rfind(row.summaryStart, 0), 0u);
      EXPECT_EQ(rig.messages.shown[0].icon, MessageIcon::kExclamation);
    }
  }
}

TEST_F(BatchRunTest, RejectedAndShortRowsAreCopiedWhenKept) {
  SelectCalculation(15);
  page->SetOutputOption(kOptRetainInput, true);
  page->SetOutputOption(kOptKeepNonData, true);
  UseInput("95\t090\r\n30\r\n30\t090\r\n  45\t180\r\n");
  EXPECT_EQ(StartBatch().counts.dataRows, 2);
  EXPECT_EQ(Output(), "95\t090\t\t\r\n30\t\t\r\n30\t090\t30\t090\r\n45\t180\t45\t180\r\n");
  EXPECT_EQ(page->Controls().commandButtons[1].caption, "Start input");
}

TEST_F(BatchRunTest, RowsWithoutAResultAreNotDroppedSilently) {
  // Regression: with a visible box left on "None" no row calculated, yet every
  // row counted as data and the output stayed empty without a word.
  SelectCalculation(15);
  UseInput(Lines(3, "30\t090"));
  page->SetColumnListIndex(1, 0);
  EXPECT_EQ(StartBatch().counts.dataRows, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind("No valid lines", 0), 0u);
}

TEST_F(BatchRunTest, SenseAlongTheStrikeKeepsTheRow) {
  // The letter cannot choose a side: the row is written with the side taken
  // (strike - 90), neither rejected nor dropped.
  SelectCalculation(15, 3, 1);
  page->SetInputDelimiterText("any");
  UseInput("000, 30, N\r\n090, 30, E\r\n000, 30, E\r\n");
  const BatchOutcome outcome = StartBatch();
  EXPECT_EQ(outcome.counts.dataRows, 3);
  EXPECT_EQ(Output(), "30\t270\r\n30\t000\r\n30\t090\r\n");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BatchRunTest, FixedWindowKeepsItsTypedValue) {
  SelectCalculation(0);
  model.SetEntryText(3, "60");
  model.SetEntryText(4, "180");
  page->SetManualFix(1, true);
  UseInput("30\t090\r\n* note\r\n30\t090\r\n");
  EXPECT_EQ(StartBatch().counts.dataRows, 2);
  EXPECT_EQ(model.Controls().entryBoxes[3].text, "60");
  EXPECT_EQ(Output(), "29\t108\r\n29\t108\r\n");
}

TEST_F(BatchRunTest, RetainAndProgressPerLine) {
  CountingPlot plot;
  SelectCalculation(15);
  model.SetPlotSink(&plot);
  std::vector<int> counts;
  page->SetProgressHandler([&counts](int count) { counts.push_back(count); });
  UseInput(Lines(2, "30\t090") + "* note\r\n");
  StartBatch();
  model.SetPlotSink(nullptr);
  EXPECT_EQ(retain.presses, 2);
  EXPECT_EQ(counts, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_FALSE(page->Controls().counterVisible);
  EXPECT_FALSE(model.BatchRunning());
}

TEST_F(BatchRunTest, PastedRows) {
  SelectCalculation(15);
  UseInput("30\t090\r\n");
  page->PasteData();  // no text: the file stays the source
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "There are no data to paste!");
  EXPECT_EQ(messages.shown[0].title, "Lodema 4.9.7");
  EXPECT_EQ(model.settings().FileIn, folder.File("in.txt"));

  clipboard.text = "30\t090\r\n\r\n45\t180\r\n";
  page->PasteData();
  EXPECT_EQ(page->Controls().fileNameBoxes[0].text, "Paste data from clipboard");
  EXPECT_EQ(StartBatch().counts.linesRead, 2);
  EXPECT_EQ(Output(), "30\t090\r\n45\t180\r\n");
  clipboard.text = "";  // emptied before the run: it ends silently
  EXPECT_FALSE(StartBatch().sourceOpened);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(BatchRunTest, UnopenableInputAsksForAnotherFile) {
  SelectCalculation(15);
  UseInput("30\t090\r\n");
  std::filesystem::remove(folder.File("in.txt"));
  dialogs.names = {folder.Write("other.txt", "30\t090\r\n")};
  EXPECT_EQ(StartBatch().counts.dataRows, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Not a valid filename!! Try again");
  std::filesystem::remove(folder.File("other.txt"));
  EXPECT_FALSE(StartBatch().sourceOpened);  // the dialog is cancelled: silently
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(BatchRunTest, WriteFailureIsShownOncePerRun) {
  // Regression: an unwritable output file raised one message box per row.
  SelectCalculation(15);
  UseInput(Lines(5000, "30\t090"));
  page->SetOutputFileText("/dev/full");
  EXPECT_EQ(StartBatch().counts.unwrittenLines, 5000);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, kOutputWriteProblemMessage);
  EXPECT_EQ(messages.shown[1].text, "Warning: 5000 lines could not be written to the output file.");
}

TEST_F(BatchRunTest, OutputFileMayNotBeTheInputFile) {
  SelectCalculation(15);
  UseInput("30\t090\r\n");
  page->SetOutputFileText(folder.File("in.txt"));
  EXPECT_FALSE(StartBatch().sourceOpened);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, kSameFileMessage);
  EXPECT_EQ(testing::ScratchFolder::Read(folder.File("in.txt")), "30\t090\r\n");
}

TEST_F(BatchRunTest, RowsWithoutAnAnswerAreCountedApartFromNonData) {
  // Regression: identical planes were counted as non-data lines, with advice
  // to check the column settings.
  SelectCalculation(0);
  page->SetTableHeadings(true);
  UseInput(
      "dip\tdir\tdip\tdir\r\n30\t090\t60\t180\r\n* note\r\n30\t090\t30\t090\r\n"
      "45\t010\t45\t010\r\n");
  const BatchOutcome outcome = StartBatch();
  EXPECT_EQ(outcome.counts.dataRows, 1);
  EXPECT_EQ(outcome.counts.uncomputedRows, 2);
  EXPECT_EQ(outcome.counts.firstUncomputedLine, 4);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("Finished, but 1 line of the 4 total lines"),
            std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("2 rows could not be computed: planes A and B coincide"),
            std::string::npos);
  EXPECT_NE(messages.shown[0].text.find(", first at line 4."), std::string::npos);
}

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

struct RunStep {
  const char* name;
  int calculation;
  int planeIn = 1;
  int lineIn = 0;
  int quadrantIn = 0;
  bool zenith = false;
  bool nonLocaleDecimal = false;
  std::string input;
};

// Sets the step's conventions and settings directly, as a loaded store
// does, and lays the calculation out afresh with a new file page.
void Prepare(PageRig& rig, const RunStep& step, const std::string& outputName) {
  Settings& s = rig.model.settings();
  s.Calculation = step.calculation;
  s.PlaneConvIn = step.planeIn;
  s.LineConvIn = step.lineIn;
  s.QuadrantIn = step.quadrantIn;
  s.ZenithConv = step.zenith;
  s.PlungeName = step.zenith ? "zenith" : "plunge";
  s.NonLocaleDecimal = step.nonLocaleDecimal;
  rig.SelectCalculation(step.calculation, step.planeIn, 1);
  rig.page->SetOutputFileText(rig.folder.File(outputName));
  rig.UseInput(step.input);
}

TEST(ChangesBetweenRunsTest, KeptModelWritesWhatAFreshOneWrites) {
  const std::string lines = "30\t80\r\n60\t20\r\n";
  const std::string pairs = "30\t80\t60\t20\r\n45\t10\t15\t70\r\n";
  const RunStep steps[] = {
      {"intersection, dip and dip direction", 0, 1, 0, 0, false, false, pairs},
      {"intersection, dip direction first", 0, 2, 0, 0, false, false, pairs},
      {"intersection, strike right-hand rule", 0, 6, 0, 0, false, false, pairs},
      {"intersection, quadrant bearings", 0, 1, 0, 1, false, false,
       "30\tN80E\t60\tS20E\r\n45\tN10E\t15\tS70W\r\n"},
      {"intersection, back to azimuths", 0, 1, 0, 0, false, false, pairs},
      {"line, plunge first", 5, 1, 0, 0, false, false, lines},
      {"line, trend first", 5, 1, 1, 0, false, false, lines},
      {"line, forced decimal character", 5, 1, 0, 0, false, true, "30.5\t80\r\n60\t20.25\r\n"},
      {"drill core, plunge", 19, 1, 0, 0, false, false,
       "62\t25\t28\t53\t2\r\n43\t17\t59\t51\t104\r\n"},
      {"drill core, zenith", 19, 1, 0, 0, true, false,
       "62\t25\t28\t53\t2\r\n43\t17\t59\t51\t104\r\n"},
      {"intersection again", 0, 1, 0, 0, false, false, pairs},
  };
  PageRig kept;
  int run = 0;
  for (const RunStep& step : steps) {
    SCOPED_TRACE(step.name);
    const std::string name = "out" + std::to_string(++run) + ".txt";
    Prepare(kept, step, name);
    kept.StartBatch();
    PageRig fresh;
    Prepare(fresh, step, name);
    fresh.StartBatch();
    const std::string expected = testing::ScratchFolder::Read(fresh.folder.File(name));
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(testing::ScratchFolder::Read(kept.folder.File(name)), expected);
  }
}

}  // namespace
}  // namespace Lodema
