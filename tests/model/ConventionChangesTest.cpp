// SPDX-License-Identifier: MIT
// Changes of the input and output notations: typed orientations and shown
// results keep meaning the same plane or line, and a window hidden at the
// change is converted too, so that it means the same when it shows again.
#include <string>

#include "ModelTestSupport.h"

namespace Lodema {
namespace {

struct PlaneRewriteRow {
  const char* name;
  int from;
  int to;
  int quadrantIn;
  const char* before[3];
  const char* after[3];
};
class InputPlaneConvention : public ModelTest,
                             public ::testing::WithParamInterface<PlaneRewriteRow> {};

TEST_P(InputPlaneConvention, RewritesTypedPlanes) {
  const PlaneRewriteRow& row = GetParam();
  model.settings().PlaneConvIn = row.from;
  model.settings().QuadrantIn = row.quadrantIn;
  Enter(15, {{0, row.before[0]}, {1, row.before[1]}});
  if (*row.before[2] != '\0') model.SetEntryText(2, row.before[2]);
  const std::string result = Results(4);
  model.SetInputPlaneNotation(row.to);
  EXPECT_EQ(Box(0) + "|" + Box(1) + "|" + Box(2),
            std::string(row.after[0]) + "|" + row.after[1] + "|" + row.after[2]);
  EXPECT_EQ(Results(4), result);
  EXPECT_EQ(Message(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, InputPlaneConvention,
    ::testing::Values(
        PlaneRewriteRow{"ToStrikeDipSense", 1, 3, 0, {"30", "135", ""}, {"45", "30", "S"}},
        PlaneRewriteRow{"ToDipSenseStrike", 2, 4, 0, {"135", "30", ""}, {"30", "S", "45"}},
        PlaneRewriteRow{"SenseToRightHand", 3, 5, 0, {"45", "30", "NW"}, {"30", "225", ""}},
        PlaneRewriteRow{"RightHandToDipDirection", 6, 1, 0, {"45", "30", ""}, {"30", "135", ""}},
        PlaneRewriteRow{"OrderOnly", 1, 2, 0, {"30", "135", ""}, {"135", "30", ""}},
        PlaneRewriteRow{"QuadrantStrike", 1, 6, 1, {"30", "S45E", ""}, {"N45E", "30", ""}},
        // Guards against a strike without its sense being carried over as a
        // dip direction.
        PlaneRewriteRow{"IncompleteLosesItsDirection", 3, 1, 0, {"45", "30", ""}, {"30", "", ""}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(ModelTest, LineOrderChangeSwapsTypedValuesOnce) {
  CountingPlot plot;
  model.SetPlotSink(&plot);
  Enter(16, {{0, "20"}, {1, "045"}});
  const int before = plot.points;
  model.SetInputLineOrder(1);
  EXPECT_EQ(Box(0), "045");
  EXPECT_EQ(Box(1), "20");
  EXPECT_EQ(Results(4), "20|045|");
  EXPECT_EQ(plot.points, before + 1);
}

TEST_F(ModelTest, DirectionNotationConvertsTypedDirections) {
  model.SelectCalculation(7);
  model.SetApparentDipShown(true);
  Enter(7, {{0, "30"}, {1, "135"}, {4, "90"}, {11, "45"}});
  model.SetInputDirectionNotation(1);
  EXPECT_EQ(Box(1), "S45E");
  EXPECT_EQ(Box(4), "N90E");
  EXPECT_EQ(Box(11), "N45E");
  EXPECT_TRUE(model.AllEntriesValid());
  model.SetInputDirectionNotation(0);
  EXPECT_EQ(Box(1), "135");
}

// What a box holds decides what a notation change rewrites, not what the
// user calls it: a core plunge named "dip" is no plane, a beta angle named
// "trend" no direction.
TEST_F(ModelTest, UsersWordsDoNotChangeWhatIsRewritten) {
  model.settings().PlungeName = "dip";
  model.settings().betaWord = "trend";
  Enter(17, {{0, "30"}, {1, "60"}, {6, "20"}, {7, "200"}});
  const std::string result = Results(4);
  model.SetInputPlaneNotation(3);
  EXPECT_EQ(Box(0) + "|" + Box(1) + "|" + Box(6) + "|" + Box(7), "30|60|20|200");
  model.SetInputDirectionNotation(1);
  EXPECT_EQ(Box(0) + "|" + Box(1) + "|" + Box(6) + "|" + Box(7), "30|60|20|S20W");
  EXPECT_TRUE(model.AllEntriesValid());
  EXPECT_EQ(Results(4), result);
}

// Each input notation, changed while "Same as Input File" is ticked, carries
// its output notation along (settings, option buttons, the plot's code and
// the result shown); unticked, the output stays where it was.
using OrientGeometry::AzimuthStyle;
using OrientGeometry::LineNotation;
using OrientGeometry::PlaneNotation;

struct CouplingRow {
  const char* name;
  void (CalculatorModel::*changeInput)(int);
  int index;
  int planeOut, lineOut, quadrantOut;
  OrientGeometry::Notation plotNotation;
  const char* results;  // calculation 16 on line 30/135, as shown afterwards
};

TEST_F(ModelTest, SameAsInputCouplesEveryOutputNotation) {
  using enum PlaneNotation;
  using enum LineNotation;
  using enum AzimuthStyle;
  // clang-format off
  const CouplingRow rows[] = {
      {"plane notation", &CalculatorModel::SetInputPlaneNotation, 3, 3, 0, 0,
       {kStrikeDipSense, kPlungeTrend, kAzimuth}, "30|135|"},
      {"line order", &CalculatorModel::SetInputLineOrder, 1, 1, 1, 0,
       {kDipDipDirection, kTrendPlunge, kAzimuth}, "135|30|"},
      {"direction notation", &CalculatorModel::SetInputDirectionNotation, 1, 1, 0, 1,
       {kDipDipDirection, kPlungeTrend, kQuadrant}, "30|S45E|"},
  };
  // clang-format on
  for (const CouplingRow& row : rows) {
    SCOPED_TRACE(row.name);
    CalculatorModel coupled;
    CountingPlot plot;
    coupled.SetPlotSink(&plot);
    coupled.SetOutputSameAsInput(true);
    coupled.SelectCalculation(16);
    coupled.SetEntryText(0, "30");
    coupled.SetEntryText(1, "135");
    (coupled.*row.changeInput)(row.index);
    const Settings& s = coupled.settings();
    EXPECT_EQ(s.PlaneConvOut, row.planeOut);
    EXPECT_EQ(s.LineConvOut, row.lineOut);
    EXPECT_EQ(s.QuadrantOut, row.quadrantOut);
    const MainWindowControls& c = coupled.Controls();
    EXPECT_TRUE(c.outputPlaneNotationOptions[row.planeOut].checked);
    EXPECT_TRUE(c.outputLineOrderOptions[row.lineOut].checked);
    EXPECT_TRUE(c.outputDirectionNotationOptions[row.quadrantOut].checked);
    EXPECT_FALSE(c.outputNotationPanels[0].enabled);
    EXPECT_EQ(plot.notation, row.plotNotation);
    EXPECT_EQ(c.resultValues[0].caption + "|" + c.resultValues[1].caption + "|" +
                  c.resultValues[2].caption,
              row.results);

    CalculatorModel uncoupled;
    uncoupled.SetOutputSameAsInput(false);
    (uncoupled.*row.changeInput)(row.index);
    EXPECT_EQ(uncoupled.settings().PlaneConvOut, 1);
    EXPECT_EQ(uncoupled.settings().LineConvOut, 0);
    EXPECT_EQ(uncoupled.settings().QuadrantOut, 0);
    EXPECT_TRUE(uncoupled.Controls().outputNotationPanels[0].enabled);
  }
}

// Ticking "Same as Input File" copies all three input notations at once.
TEST_F(ModelTest, TickingSameAsInputCopiesTheInputNotations) {
  model.SetOutputSameAsInput(false);
  model.SetInputPlaneNotation(5);
  model.SetInputLineOrder(1);
  model.SetInputDirectionNotation(1);
  ASSERT_EQ(model.settings().QuadrantOut, 0);
  model.SetOutputSameAsInput(true);
  EXPECT_EQ(model.settings().PlaneConvOut, 5);
  EXPECT_EQ(model.settings().LineConvOut, 1);
  EXPECT_EQ(model.settings().QuadrantOut, 1);
  EXPECT_TRUE(C().outputDirectionNotationOptions[1].checked);
}

// A run without result keeps showing it through an output notation change;
// it is not taken for an orientation and rewritten.
TEST_F(ModelTest, NoResultSurvivesAnOutputNotationChange) {
  model.SetOutputSameAsInput(false);
  Enter(1, {{0, "20"}, {1, "10"}, {3, "20"}, {4, "10"}});  // parallel lines: no plane
  ASSERT_EQ(Results(4), "-999|-999|");
  model.SetOutputPlaneNotation(3);
  EXPECT_EQ(Results(4), "-999|-999|");
  model.SetOutputDirectionNotation(1);
  EXPECT_EQ(Results(4), "-999|-999|");
}

struct HiddenRow {
  const char* name;
  int calculation;  // shows the window
  int hiding;       // a calculation that hides it
  int window;
  bool lineOrder;  // change the line order instead of the plane notation
  int to;
  bool zenith = false;  // the core axis is typed by its zenith angle
};

TEST_F(ModelTest, HiddenWindowIsConvertedLikeAShownOne) {
  const HiddenRow rows[] = {
      {"plane B to strike, dip, sense", 0, 6, 1, false, 3},
      {"plane B to right-hand strike", 0, 6, 1, false, 5},
      {"plane B to dip direction first", 0, 6, 1, false, 2},
      {"line B to trend first", 1, 5, 1, true, 1},
      // A plunge with its sense is no line of its own: both stay as typed.
      {"plunge and sense B, line order", 36, 6, 1, true, 1},
      {"core axis C to trend first", 17, 0, 2, true, 1},
      // The core axis is a line whatever its angle is called.
      {"zenith core axis C to trend first", 17, 0, 2, true, 1, true},
  };
  const std::pair<int, const char*> typed[] = {{0, "30"}, {1, "090"}, {3, "60"}, {4, "20"},
                                               {5, "E"},  {6, "20"},  {7, "200"}};
  for (const HiddenRow& row : rows) {
    SCOPED_TRACE(row.name);
    CalculatorModel shown;
    CalculatorModel hidden;
    for (CalculatorModel* m : {&shown, &hidden}) {
      m->settings() = Settings{};
      m->settings().ZenithConv = row.zenith;
      m->settings().PlungeName = row.zenith ? "zenith" : "plunge";
      m->ApplySettingsToControls();
      m->SelectCalculation(row.calculation);
      for (const auto& [box, text] : typed) {
        if (m->Controls().entryBoxes[box].visible) m->SetEntryText(box, text);
      }
    }
    const auto change = [&row](CalculatorModel& m) {
      if (row.lineOrder) {
        m.SetInputLineOrder(row.to);
      } else {
        m.SetInputPlaneNotation(row.to);
      }
    };
    change(shown);
    hidden.SelectCalculation(row.hiding);
    ASSERT_FALSE(hidden.Controls().windowPanels[row.window].visible);
    change(hidden);
    hidden.SelectCalculation(row.calculation);
    const int first = kWindowFirstBox[row.window];
    for (int box = first; box < first + kWindowBoxCount[row.window]; ++box) {
      EXPECT_EQ(hidden.Controls().entryBoxes[box].text, shown.Controls().entryBoxes[box].text)
          << "box " << box;
    }
    EXPECT_EQ(hidden.Controls().messagePanel.caption.rfind("Invalid", 0), std::string::npos);
    EXPECT_EQ(hidden.Controls().resultValues[0].caption, shown.Controls().resultValues[0].caption);
  }
}

}  // namespace
}  // namespace Lodema
