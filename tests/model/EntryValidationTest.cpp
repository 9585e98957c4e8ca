// SPDX-License-Identifier: MIT
// Entry validation as the user types: the rules by label, the rewrites of
// sense and obtuse boxes, the messages and the mirror of the section trend.
// The tooltip of an entry box says what it holds and the range it accepts,
// in the same words as the detail of "Invalid Entry Values" for that box.
#include <string>

#include "ModelTestSupport.h"

namespace Lodema {
namespace {

struct ValidationRow {
  const char* name;
  int calculation;
  int box;
  const char* text;
  bool betaRange360;
  int quadrantIn;
  bool valid;
  const char* shown = nullptr;  // the box's text afterwards, when rewritten
  // The whole message, where the row checks it: it names the box and the
  // range it missed, after the words the batch run's rejection rule reads.
  const char* message = nullptr;
};

// More digits than a double holds: "1" and 400 zeros.
const std::string kHuge = "1" + std::string(400, '0');

class ValidationRules : public ModelTest, public ::testing::WithParamInterface<ValidationRow> {};

TEST_P(ValidationRules, FlagAndMessageFollowTheLabel) {
  const ValidationRow& row = GetParam();
  model.settings().BetaConv = row.betaRange360;
  model.settings().QuadrantIn = row.quadrantIn;
  model.SelectCalculation(row.calculation);
  model.SetEntryText(row.box, row.text);
  EXPECT_EQ(model.EntryValid(row.box), row.valid);
  // An empty box is not reported.
  EXPECT_EQ(Message().rfind("Error: Invalid Entry Values", 0) == 0, !row.valid && *row.text);
  EXPECT_EQ(model.MessageReportsFailure(), !row.valid && *row.text);
  if (row.message) {
    EXPECT_EQ(Message(), row.message);
  }
  EXPECT_EQ(Box(row.box), row.shown ? row.shown : row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, ValidationRules,
    ::testing::Values(ValidationRow{"Dip95", 0, 0, "95", true, 0, false, nullptr,
                                    "Error: Invalid Entry Values: A dip 95 is outside -90 to 90"},
                      ValidationRow{"Dip90", 0, 0, "90", true, 0, true},
                      ValidationRow{"DipMinus90", 0, 0, "-90", true, 0, true},
                      ValidationRow{"DipComma", 0, 0, "45,5", true, 0, true},
                      ValidationRow{"DipWord", 0, 0, "abc", true, 0, false, nullptr,
                                    "Error: Invalid Entry Values: A dip abc is not a number"},
                      // Guards against a lone sign being read as 0 (a common missing-value mark).
                      ValidationRow{"DipLoneMinus", 0, 0, "-", true, 0, false},
                      ValidationRow{"Azimuth360", 0, 1, "360", true, 0, true},
                      ValidationRow{"Azimuth0", 0, 1, "0", true, 0, true},
                      ValidationRow{"Azimuth361", 0, 4, "361", true, 0, false, nullptr,
                                    "Error: Invalid Entry Values: B dir'n 361 is outside 0 to 360"},
                      ValidationRow{"AzimuthNegative", 0, 1, "-1", true, 0, false},
                      ValidationRow{"QuadrantBearing", 0, 1, "N30E", true, 1, true},
                      ValidationRow{"AzimuthInQuadrant", 0, 1, "30", true, 1, false, nullptr,
                                    "Error: Invalid Entry Values: A dir'n 30 is not a quadrant "
                                    "bearing such as N30E"},
                      ValidationRow{"Beta0", 17, 0, "0", true, 0, true},
                      ValidationRow{"Beta360", 17, 0, "360", false, 0, true},
                      ValidationRow{"BetaNegative", 17, 0, "-10", false, 0, false},
                      ValidationRow{"GammaMinus170In360", 19, 4, "-170", true, 0, false},
                      ValidationRow{"GammaMinus170In180", 19, 4, "-170", false, 0, true},
                      ValidationRow{"Gamma200In180", 19, 4, "200", false, 0, false},
                      ValidationRow{"Alpha91", 17, 1, "91", true, 0, false},
                      ValidationRow{"Pitch90", 8, 4, "90", true, 0, true},
                      ValidationRow{"Hade300", 9, 4, "300", true, 0, true},
                      ValidationRow{"RotationAnyNumber", 12, 6, "-400", true, 0, true},
                      ValidationRow{"RotationExponent", 12, 6, "1e5", true, 0, false},
                      // Guards against a number too long for a double being read as 0.
                      ValidationRow{"DipOverflow", 0, 0, kHuge.c_str(), true, 0, false},
                      ValidationRow{"AzimuthOverflow", 0, 1, kHuge.c_str(), true, 0, false},
                      ValidationRow{"RotationOverflow", 12, 6, kHuge.c_str(), true, 0, false},
                      ValidationRow{"DipEmpty", 0, 0, "", true, 0, false},
                      ValidationRow{"SenseLower", 8, 5, "sw", true, 0, true, "SW"},
                      ValidationRow{"SenseUnknown", 8, 5, "X", true, 0, false},
                      // The obtuse box takes any text; its first letter decides.
                      ValidationRow{"ObtuseY", 2, 6, "y", true, 0, true, "obtuse"},
                      ValidationRow{"ObtuseT", 2, 6, "T", true, 0, true, "obtuse"},
                      ValidationRow{"Obtuse1", 2, 6, "1", true, 0, true, "obtuse"},
                      ValidationRow{"AcuteN", 2, 6, "n", true, 0, true, "acute"},
                      ValidationRow{"Acute0", 2, 6, "0", true, 0, true, "acute"},
                      ValidationRow{"ObtuseEmpty", 2, 6, "", true, 0, true},
                      ValidationRow{"ObtuseWord", 2, 6, "maybe", true, 0, true}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(ModelTest, SectionTrendBoxesMirrorEachOther) {
  model.SelectCalculation(0);
  model.SetApparentDipShown(true);
  model.SetEntryText(11, "45");
  EXPECT_EQ(Box(12), "45");
  model.SetEntryText(12, "120");
  EXPECT_EQ(Box(11), "120");
  EXPECT_TRUE(model.EntryValid(11));
}

TEST_F(ModelTest, ResultsAppearOnlyWhenAllVisibleBoxesAreValid) {
  Enter(0, {{0, "30"}, {1, "090"}, {3, "30"}});
  EXPECT_FALSE(model.AllEntriesValid());
  EXPECT_EQ(Result(0), "");
  model.SetEntryText(4, "270");
  EXPECT_TRUE(model.AllEntriesValid());
  EXPECT_NE(Result(0), "");
  model.SetEntryText(4, "400");
  EXPECT_EQ(Results(4), "||");
}

TEST_F(ModelTest, ResultsShowTheMostTypedDecimalsButAtMostTwo) {
  Enter(16, {{0, "12.345"}, {1, "100"}});
  EXPECT_EQ(Result(0), "12.34");
}

TEST_F(ModelTest, CoreHintAfterAValidEntryUnlessBatchRuns) {
  Enter(17, {{0, "10"}});
  EXPECT_EQ(Message(), "Use -ve plunge for 'upwardly' inclined core axis");
  model.SetBatchRunning(true);
  model.SetEntryText(1, "20");
  EXPECT_EQ(Message(), "");
}

// The hint tells the sign an upward core takes under the conventions in
// force, by the user's own name for the angle, at every step that shows it.
TEST_F(ModelTest, CoreHintFollowsThePlungeSignAndName) {
  model.SetCorePlungeSign(1);  // downward is -ve
  Enter(17, {{0, "10"}});
  EXPECT_EQ(Message(), "Use +ve plunge for 'upwardly' inclined core axis");
  model.SetCoreInclination(1);  // zenith
  model.SelectCalculation(18);
  EXPECT_EQ(Message(), "Use +ve zenith for 'upwardly' inclined core axis");
}

TEST_F(ModelTest, RevalidationShowsHintOrInvalidNote) {
  model.SelectCalculation(2);
  EXPECT_EQ(Message(), "Indicate ('Y') if obtuse angle is to be used (acute is default)");
  model.settings().CoreUpTrend = true;
  model.SelectCalculation(18);
  EXPECT_EQ(Message(),
            "Use -ve plunge for 'upwardly' inclined core axis AND: Use 'upcore' direction for "
            "core trend");
  model.SetEntryText(0, "500");
  model.SelectCalculation(17);
  EXPECT_EQ(Message(), "Invalid Entry Values: A beta 500 is outside 0 to 360");
}

// Guards against a fixed reference plane's dip direction being taken for a
// strike: a change to a strike notation leaves window D as typed.
TEST_F(ModelTest, WindowDKeepsItsDipDirectionInStrikeConventions) {
  Enter(41, {{6, "60"}, {7, "10"}, {8, "40"}, {9, "100"}});
  const std::string result = Results(4);
  ASSERT_NE(Result(1), "");
  model.SetInputPlaneNotation(3);
  EXPECT_EQ(Box(8) + "|" + Box(9), "40|100");
  EXPECT_EQ(Results(4), result);
}

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

TEST_F(ModelTest, TooltipSaysWhatTheBoxHoldsAndItsRange) {
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
TEST_F(ModelTest, UsersWordsDoNotChangeATooltip) {
  model.settings().PlungeName = "dip";
  model.SelectCalculation(17);
  const int plungeBox = 6;
  ASSERT_EQ(model.Controls().entryCaptions[plungeBox].caption, "dip");
  EXPECT_EQ(model.EntryTooltip(plungeBox),
            "Window C: plunge of the line, negative for an upward line, -90 to 90");
}

}  // namespace
}  // namespace Lodema
