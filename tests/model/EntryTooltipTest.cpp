// SPDX-License-Identifier: MIT
// The tooltip of an entry box says what it holds and the range it accepts,
// in the same words as the detail of "Invalid Entry Values" for that box.
#include <string>

#include "ModelTestSupport.h"

namespace Lodema {
namespace {

struct TooltipRow {
  const char* name;
  int calculation;
  int planeNotation;
  int quadrant;
  bool beta360;  // gamma 0 to 360 rather than -180 to 180
  int box;
  const char* tooltip;
  const char* badText;  // typed afterwards: its message names the same range
};

class EntryTooltipTest : public ModelTest {};

TEST_F(EntryTooltipTest, WhatTheBoxHoldsAndItsRange) {
  const TooltipRow rows[] = {
      {"dip", 0, 1, 0, true, 0, "Window A: dip of the plane, -90 to 90", "95"},
      {"dip direction", 0, 1, 0, true, 4, "Window B: dip direction, 0 to 360", "361"},
      {"quadrant bearing", 0, 1, 1, true, 1,
       "Window A: dip direction, a quadrant bearing such as N30E", "X30E"},
      {"strike with a sense", 0, 3, 0, true, 0, "Window A: strike of the plane, 0 to 360", "400"},
      {"sense letter", 0, 3, 0, true, 2,
       "Window A: sense letter, a compass point such as N, NE or SW", "Q"},
      {"right-hand strike", 0, 6, 0, true, 0,
       "Window A: strike, the plane dipping to its right, 0 to 360", "-5"},
      {"plunge", 1, 1, 0, true, 3,
       "Window B: plunge of the line, negative for an upward line, -90 to 90", "-91"},
      {"gamma, signed", 19, 1, 0, false, 4,
       "Window B: gamma, the angle within the plane, -180 to 180", "181"},
      {"gamma, whole circle", 19, 1, 0, true, 4,
       "Window B: gamma, the angle within the plane, 0 to 360", "-1"},
      {"hidden box", 6, 1, 0, true, 3, "", nullptr},
  };
  for (const TooltipRow& row : rows) {
    SCOPED_TRACE(row.name);
    model.settings().BetaConv = row.beta360;
    model.SetInputPlaneNotation(row.planeNotation);
    model.SetInputDirectionNotation(row.quadrant);
    model.SelectCalculation(row.calculation);
    EXPECT_EQ(model.EntryTooltip(row.box), row.tooltip);
    if (row.badText == nullptr) continue;
    model.SetEntryText(row.box, row.badText);
    ASSERT_FALSE(model.EntryValid(row.box));
    const std::string message = Message();
    const std::string range = model.EntryRange(row.box);
    ASSERT_GE(message.size(), range.size());
    EXPECT_EQ(message.substr(message.size() - range.size()), range) << message;
    model.SetEntryText(row.box, "");
  }
}

// The tooltip follows what the box holds, whatever the user calls it: a
// core plunge named "dip" stays a plunge.
TEST_F(EntryTooltipTest, UsersWordsDoNotChangeWhatABoxHolds) {
  model.settings().PlungeName = "dip";
  model.SelectCalculation(17);
  const int plungeBox = 6;
  ASSERT_EQ(model.Controls().entryCaptions[plungeBox].caption, "dip");
  EXPECT_EQ(model.EntryTooltip(plungeBox),
            "Window C: plunge of the line, negative for an upward line, -90 to 90");
}

}  // namespace
}  // namespace Lodema
