// SPDX-License-Identifier: MIT
// One model kept through runs whose calculation, notations and settings
// change between them (as a user does between two "Start input" presses)
// must write what a model that never saw the earlier runs writes: nothing
// the model keeps from a checked box may outlive a change of meaning. The
// rows reuse the same texts, so that a number kept from the last run would
// be read under the new notation.
#include <gtest/gtest.h>

#include <string>

#include "PageRig.h"

namespace Lodema {
namespace {

using testing::PageRig;

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
