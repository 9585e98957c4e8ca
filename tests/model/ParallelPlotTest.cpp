// SPDX-License-Identifier: MIT
// A run shared out to several workers feeds the stereonet the very calls,
// in the very order, of a run row after row, and only from another thread
// when the platform allows it.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "model/CalculatorModel.h"
#include "model/FilePage.h"
#include "tests/batch/FakePlatform.h"

namespace Lodema {
namespace {

// Logs every call the stereonet gets, with the thread it came from.
class PlotLog : public PlotSink, public RetainButton {
 public:
  bool IsShowing() const override { return true; }
  void AddNewDataPoint(const CalculationRecord& record) override {
    std::string text = "add " + std::to_string(record.calculation);
    for (const auto& row : record.cells) {
      for (const double cell : row) text += ' ' + std::to_string(cell);
    }
    calls.push_back(text);
    threads.push_back(std::this_thread::get_id());
  }
  void PressRetain() override {
    calls.push_back("retain");
    threads.push_back(std::this_thread::get_id());
  }
  std::vector<std::string> calls;
  std::vector<std::thread::id> threads;
};

// Planes for calculation 0 with rejected, short, comment and coinciding rows
// among them, over a few blocks of lines.
std::string Rows(int count) {
  std::mt19937 random(20261206u);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  std::string text;
  for (int i = 0; i < count; ++i) {
    switch (pick(0, 9)) {
      case 0:
        text += "* note";
        break;
      case 1:
        text += "95\t090\t30\t120";
        break;
      case 2:
        text += std::to_string(pick(1, 89));
        break;
      case 3:
        text += "30\t090\t30\t090";
        break;
      default:
        text += std::to_string(pick(1, 89)) + '\t' + std::to_string(pick(0, 359)) + '\t' +
                std::to_string(pick(1, 89)) + '\t' + std::to_string(pick(0, 359));
    }
    text += "\r\n";
  }
  return text;
}

struct Fed {
  std::vector<std::string> calls;
  bool allOnCallingThread = true;
};

Fed RunWithPlot(int jobs, bool fromAnyThread, const testing::ScratchFolder& folder) {
  CalculatorModel model;
  model.settings().Calculation = 0;
  model.ApplySettingsToControls();
  model.ShowStoredCalculation();
  PlotLog log;
  model.SetPlotSink(&log);
  testing::FakeMessages messages;
  BatchPlatform platform;
  platform.messages = &messages;
  platform.retain = &log;
  platform.plotFedFromAnyThread = fromAnyThread;
  FilePageModel page(model, platform);
  page.SetOutputFileText(folder.File("out-" + std::to_string(jobs) + ".txt"));
  page.SetInputSource(folder.File("in.txt"));
  page.SetBatchJobs(jobs);
  page.StartBatchInput(1);
  Fed fed;
  fed.calls = std::move(log.calls);
  for (const std::thread::id id : log.threads) {
    if (id != std::this_thread::get_id()) fed.allOnCallingThread = false;
  }
  return fed;
}

TEST(ParallelPlotTest, WorkersFeedThePlotAsOneRunDoes) {
  const testing::ScratchFolder folder;
  folder.Write("in.txt", Rows(10000));
  const Fed serial = RunWithPlot(1, true, folder);
  ASSERT_GT(serial.calls.size(), 10000u);
  const struct {
    const char* name;
    bool fromAnyThread;
    bool onCallingThread;
  } cases[] = {
      {"fed by the writer thread", true, false},
      {"kept on the calling thread", false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Fed shared = RunWithPlot(3, c.fromAnyThread, folder);
    EXPECT_TRUE(shared.calls == serial.calls) << "the plot was fed otherwise";
    EXPECT_EQ(shared.allOnCallingThread, c.onCallingThread);
  }
}

}  // namespace
}  // namespace Lodema
