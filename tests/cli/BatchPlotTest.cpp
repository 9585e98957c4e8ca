// SPDX-License-Identifier: MIT
// The --plot stereonet drawn set by set as the rows are retained gives the
// very file a redraw after the run gives, whatever the rows hold.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "cli/BatchPlot.h"
#include "tests/batch/FakePlatform.h"

namespace Lodema {
namespace {

using Plot::kResult;
using Plot::kWindowA;
using Plot::kWindowB;
using Plot::kWindowC;

struct Step {
  CalculationRecord record;
  bool retain = true;
};

using Feed = std::function<std::vector<Step>(std::mt19937&)>;

struct FeedCase {
  const char* name;
  std::array<bool, Plot::kKindCount> shown;  // result, A, B, C, D
  bool planesAsPoles;
  Feed feed;
};

double Angle(std::mt19937& random, double high) {
  return std::uniform_real_distribution<double>(0.0, high)(random);
}

// One record with the given kinds set to (type, plunge or dip, direction, alpha).
CalculationRecord Record(std::mt19937& random, const std::vector<std::pair<int, int>>& kinds) {
  CalculationRecord record;
  for (const auto& [kind, type] : kinds) {
    record.cells[kind] = {
        double(type), Angle(random, 1.5), Angle(random, 6.28), Angle(random, 1.2), 0.0, 0.0};
  }
  return record;
}

std::vector<Step> Repeat(int count, const std::function<Step(int)>& step) {
  std::vector<Step> steps;
  for (int i = 0; i < count; ++i) steps.push_back(step(i));
  return steps;
}

// `count` rows alike but for their random angles, all retained or none.
Feed Alike(int count, std::vector<std::pair<int, int>> kinds, bool retain = true) {
  return [=](std::mt19937& r) {
    return Repeat(count, [&](int) { return Step{Record(r, kinds), retain}; });
  };
}

// How the plot is written: after the run, or set by set into a file beside
// the plot file or into an anonymous temporary file, or set by set with the
// places of the symbols prepared apart (as the workers of a run do).
enum class Drawing { kAfterTheRun, kIntoTheFile, kIntoATemporaryFile, kPrepared };

std::string Written(const FeedCase& c, Drawing drawing, const testing::ScratchFolder& folder) {
  Plot::PlotView view;
  view.shown = c.shown;
  view.planesAsGreatCircles = !c.planesAsPoles;
  view.background = Plot::kWhite;
  BatchPlot plot(view);
  const std::string path = folder.File("plot" + std::to_string(int(drawing)) + ".svg");
  if (drawing != Drawing::kAfterTheRun) {
    plot.DrawWhileRetaining(drawing == Drawing::kIntoTheFile ? path : std::string());
  }
  std::mt19937 random(20261206u);
  const bool prepared = drawing == Drawing::kPrepared;
  EXPECT_EQ(plot.PreparesDataPoints(), drawing != Drawing::kAfterTheRun);
  for (const Step& step : c.feed(random)) {
    if (prepared) {
      PreparedPoints points;
      plot.PrepareDataPoint(step.record, points);
      plot.AddPreparedDataPoint(step.record, points);
    } else {
      plot.AddNewDataPoint(step.record);
    }
    if (step.retain) plot.PressRetain();
  }
  // The note on rows of another type is not under test here.
  std::FILE* errors = std::tmpfile();
  EXPECT_TRUE(WriteBatchPlot(plot, path, errors != nullptr ? errors : stderr));
  if (errors != nullptr) std::fclose(errors);
  return testing::ScratchFolder::Read(path);
}

TEST(BatchPlotTest, DrawnWhileRetainingGivesTheRedrawnFile) {
  constexpr std::array<bool, 5> kResultOnly{true, false, false, false, false};
  constexpr std::array<bool, 5> kAll{true, true, true, true, true};
  const FeedCase cases[] = {
      {"result lines, more boxes than one path holds", kResultOnly, false,
       Alike(1234, {{kResult, 2}})},
      {"result and window planes as great circles", kAll, false,
       Alike(300, {{kResult, 2}, {kWindowA, 1}, {kWindowB, 1}})},
      {"planes as poles", kAll, true, Alike(300, {{kResult, 1}, {kWindowA, 1}, {kWindowB, 1}})},
      {"cones about window C", kAll, false,
       Alike(200, {{kResult, 1}, {kWindowA, 3}, {kWindowC, 2}})},
      {"rows not retained, empty rows, unreadable values, another type", kAll, false,
       [](std::mt19937& r) {
         return Repeat(900, [&](int i) {
           Step step{Record(r, {{kResult, i % 97 == 5 ? 1 : 2}, {kWindowA, 1}})};
           if (i % 7 == 3) step.retain = false;
           if (i % 11 == 4) step.record = CalculationRecord{};
           if (i % 13 == 6) step.record.cells[kResult][1] = std::nan("");
           return step;
         });
       }},
      {"poles and lines mixed: places prepared for another type than kept", kAll, true,
       [](std::mt19937& r) {
         return Repeat(400, [&](int i) {
           Step step{Record(r, {{kResult, i % 5 == 2 ? 1 : 2}, {kWindowA, i < 3 ? 2 : 1}})};
           if (i % 9 == 1) step.record.cells[kWindowA][2] = INFINITY;
           if (i % 17 == 8) step.record.cells[kResult][0] = 2.0000001;  // read as a line
           return step;
         });
       }},
      {"the first rows not retained, the last row left over", kResultOnly, false,
       [](std::mt19937& r) {
         return Repeat(50, [&](int i) {
           return Step{Record(r, {{kResult, i < 3 ? 1 : 2}}), i >= 3 && i < 49};
         });
       }},
      {"nothing retained", kResultOnly, false, Alike(5, {{kResult, 2}}, false)},
  };
  const testing::ScratchFolder folder;
  for (const FeedCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string redrawn = Written(c, Drawing::kAfterTheRun, folder);
    EXPECT_NE(redrawn.find("</svg>"), std::string::npos);
    EXPECT_TRUE(Written(c, Drawing::kIntoTheFile, folder) == redrawn) << "beside: files differ";
    EXPECT_TRUE(Written(c, Drawing::kIntoATemporaryFile, folder) == redrawn)
        << "temporary: files differ";
    EXPECT_TRUE(Written(c, Drawing::kPrepared, folder) == redrawn) << "prepared: files differ";
  }
}

}  // namespace
}  // namespace Lodema
