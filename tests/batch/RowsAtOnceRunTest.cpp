// SPDX-License-Identifier: MIT
// Whole runs with rows of plain numbers typed at once (and, where the result
// is a plain line or plane, written straight) give what runs typing every
// row box by box give: the same output bytes, counts, summary, plot
// records and the model as the last row left it, for every calculation,
// with one job or several.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "PageRig.h"
#include "tests/calc/ModelSnapshot.h"

namespace Lodema {
namespace {

using testing::PageRig;

// Mostly rows of plain numbers, with what real files hold besides: a header,
// comments, blank and short lines, decimals, angles out of range, sense
// letters, numbers the short way does not read, CR LF and LF line ends.
std::string MixedRows(int rows, unsigned seed) {
  std::mt19937 random(seed);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  std::string text = "a\tb\tc\td\te\tf\r\n";
  for (int i = 0; i < rows; ++i) {
    switch (pick(0, 15)) {
      case 0:
        text += "* note";
        break;
      case 1:
        text += "  ";
        break;
      case 2:
        text += std::to_string(pick(1, 89)) + "\t" + std::to_string(pick(0, 359));
        break;
      case 3:
        text += "95\t400\t10\t20\t30\t40";
        break;
      case 4:
        text += std::to_string(pick(1, 89)) + "NE\t120\t30\t+40\t1e1\t 5";
        break;
      case 5:
        text += std::to_string(pick(1, 89)) + ".5\t" + std::to_string(pick(0, 359)) + ".25\t" +
                std::to_string(pick(1, 89)) + "\t" + std::to_string(pick(0, 359)) + "\t" +
                std::to_string(pick(1, 89)) + "\t" + std::to_string(pick(0, 89));
        break;
      case 6:
        text += "30\t120\t30\t120\t30\t120";  // no unique answer for some calculations
        break;
      default:
        for (int field = 0; field < 6; ++field) {
          if (field > 0) text += '\t';
          text += std::to_string(field % 2 == 0 ? pick(-5, 89) : pick(0, 359));
        }
    }
    text += pick(0, 3) == 0 ? "\n" : "\r\n";
  }
  return text;
}

class RecordingPlot : public PlotSink {
 public:
  bool IsShowing() const override { return true; }
  void AddNewDataPoint(const CalculationRecord& record) override {
    records.push_back(record.cells[0][1] + 10 * record.cells[1][1] + 100 * record.cells[2][2]);
  }
  std::vector<double> records;
};

struct RunResult {
  std::string output;
  BatchCounts counts;
  std::vector<std::string> messages;
  std::string model;
  std::vector<double> plot;
  int retains = 0;
};

RunResult RunBatch(int calculation, int planeIn, int jobs, bool atOnce, bool plot,
                   const std::string& input) {
  PageRig rig;
  RecordingPlot recording;
  if (plot) rig.model.SetPlotSink(&recording);
  rig.SelectCalculation(calculation, planeIn, 1);
  rig.page->SetTableHeadings(true);
  rig.page->SetOutputOption(kOptRetainInput, true);
  rig.page->SetOutputOption(kOptKeepNonData, true);
  rig.page->SetOutputOption(kOptResultCaptions, true);
  rig.page->SetBatchJobs(jobs);
  rig.page->SetRowsAtOnce(atOnce);
  rig.UseInput(input);
  RunResult result;
  result.counts = rig.StartBatch().counts;
  result.output = rig.Output();
  for (const auto& shown : rig.messages.shown) result.messages.push_back(shown.text);
  result.model = testing::Snapshot(rig.model);
  result.plot = recording.records;
  result.retains = rig.retain.presses;
  return result;
}

void ExpectSame(const RunResult& atOnce, const RunResult& boxByBox) {
  EXPECT_TRUE(atOnce.output == boxByBox.output) << "outputs differ";
  EXPECT_EQ(atOnce.counts.linesRead, boxByBox.counts.linesRead);
  EXPECT_EQ(atOnce.counts.dataRows, boxByBox.counts.dataRows);
  EXPECT_EQ(atOnce.counts.uncomputedRows, boxByBox.counts.uncomputedRows);
  EXPECT_EQ(atOnce.counts.firstUncomputedLine, boxByBox.counts.firstUncomputedLine);
  EXPECT_EQ(atOnce.counts.uncomputedReason, boxByBox.counts.uncomputedReason);
  EXPECT_EQ(atOnce.messages, boxByBox.messages);
  EXPECT_EQ(atOnce.model, boxByBox.model);
  EXPECT_EQ(atOnce.plot, boxByBox.plot);
  EXPECT_EQ(atOnce.retains, boxByBox.retains);
}

TEST(RowsAtOnceRunTest, EveryCalculationWritesWhatBoxByBoxWrites) {
  // Ending on a plain row: a row written straight leaves the model to catch
  // up at the end.
  const std::string input = MixedRows(300, 20261206u) + "30\t120\t40\t200\t50\t10\r\n";
  for (const int planeIn : {1, 6}) {
    for (int calculation = 0; calculation < kCalculationCount; ++calculation) {
      SCOPED_TRACE("calculation " + std::to_string(calculation) + ", plane notation " +
                   std::to_string(planeIn));
      ExpectSame(RunBatch(calculation, planeIn, 1, true, false, input),
                 RunBatch(calculation, planeIn, 1, false, false, input));
    }
  }
}

TEST(RowsAtOnceRunTest, SharedOutAndPlottedRunsToo) {
  // Past a block of rows, so that the workers' blocks meet.
  const std::string input = MixedRows(9000, 7u);
  for (const int calculation : {0, 5, 12, 19, 26}) {
    SCOPED_TRACE("calculation " + std::to_string(calculation));
    const RunResult boxByBox = RunBatch(calculation, 1, 1, false, true, input);
    ExpectSame(RunBatch(calculation, 1, 1, true, true, input), boxByBox);
    const RunResult shared = RunBatch(calculation, 1, 2, true, false, input);
    EXPECT_TRUE(shared.output == boxByBox.output) << "outputs differ";
    EXPECT_EQ(shared.model, boxByBox.model);
  }
}

}  // namespace
}  // namespace Lodema
