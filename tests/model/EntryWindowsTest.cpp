// SPDX-License-Identifier: MIT
// Laying out the entry windows per calculation and input convention, the
// field kinds for the column mapping, selecting calculations and the
// reference options.
#include <array>
#include <string>

#include "ModelTestSupport.h"
#include "calc/Catalogue.h"

namespace Lodema {
namespace {

struct LayoutRow {
  const char* name;
  int calculation;
  int planeConvIn;
  int lineConvIn;
  const char* a;
  const char* b;
  const char* c;
  const char* d;
};
class WindowLayout : public ModelTest, public ::testing::WithParamInterface<LayoutRow> {};

TEST_P(WindowLayout, LabelsAndHiddenBoxes) {
  const LayoutRow& row = GetParam();
  model.settings().PlaneConvIn = row.planeConvIn;
  model.settings().LineConvIn = row.lineConvIn;
  model.SelectCalculation(row.calculation);
  EXPECT_EQ(Layout(0), row.a);
  EXPECT_EQ(Layout(1), row.b);
  EXPECT_EQ(Layout(2), row.c);
  EXPECT_EQ(Layout(3), row.d);
}

INSTANTIATE_TEST_SUITE_P(
    Calculations, WindowLayout,
    ::testing::Values(
        LayoutRow{"Planes", 0, 1, 0, "dip,dir'n,()", "dip,dir'n,()", "hidden", "hidden"},
        LayoutRow{"PlanesStrikeSense", 0, 4, 0, "dip,sense,strike", "dip,sense,strike", "hidden",
                  "hidden"},
        LayoutRow{"LinesTrendFirst", 1, 1, 1, "trend,plunge,()", "trend,plunge,()", "hidden",
                  "hidden"},
        LayoutRow{"Obtuse", 2, 1, 0, "plunge,trend,()", "plunge,trend,()", "obtuse?,(Y/N)",
                  "hidden"},
        LayoutRow{"SectionTrend", 7, 1, 0, "dip,dir'n,()", "(section),trend,()", "hidden",
                  "hidden"},
        LayoutRow{"PitchAndSense", 8, 1, 0, "dip,dir'n,()", "(),pitch,sense", "hidden", "hidden"},
        LayoutRow{"Rotation", 12, 1, 0, "plunge,trend,()", "plunge,trend,()", "rot'n,()", "hidden"},
        LayoutRow{"OrientedCore", 17, 1, 0, "beta,alpha,(angles)", "hidden", "plunge,trend",
                  "hidden"},
        LayoutRow{"Gamma", 19, 1, 0, "beta,alpha,(angles)", "(),gamma,(angle)", "plunge,trend",
                  "hidden"},
        LayoutRow{"RefPlaneAlpha", 21, 1, 0, "alpha,(angle),()", "beta,alpha,(angles)",
                  "plunge,trend", "(),dir'n,()"},
        LayoutRow{"CoreAxesWithAlpha", 25, 1, 1, "trend,plunge,alpha", "trend,plunge,alpha",
                  "hidden", "trend,plunge,alpha"},
        LayoutRow{"PlungeAndSense", 36, 1, 0, "dip,dir'n,()", "(),plunge,sense", "hidden",
                  "hidden"},
        LayoutRow{"FixedRefPlane", 37, 3, 0, "hidden", "beta,alpha,(angles)", "plunge,trend",
                  "dip,dip dir'n,()"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

using K = FieldKind;
struct KindRow {
  const char* name;
  int calculation;
  int planeConvIn;
  int refDirn;
  std::array<FieldKind, 11> kinds;
};
class FieldKinds : public ModelTest, public ::testing::WithParamInterface<KindRow> {};

TEST_P(FieldKinds, OneCodePerBox) {
  const KindRow& row = GetParam();
  model.settings().PlaneConvIn = row.planeConvIn;
  model.settings().referenceDirection = row.refDirn;
  model.SelectCalculation(row.calculation);
  const RowSchema schema = model.Schema();
  std::array<FieldKind, 11> kinds{};
  for (int box = 0; box < 11; ++box) kinds[box] = schema.entries[box].kind;
  EXPECT_EQ(kinds, row.kinds);
}

INSTANTIATE_TEST_SUITE_P(
    Calculations, FieldKinds,
    ::testing::Values(
        KindRow{"StrikeDipSense",
                0,
                3,
                0,
                {K::kDirection, K::kDip, K::kSense, K::kDirection, K::kDip, K::kSense}},
        KindRow{"PitchInPlane",
                8,
                1,
                0,
                {K::kDip, K::kDirection, K::kNothing, K::kNothing, K::kPitch, K::kSense}},
        KindRow{"RotationAngle",
                12,
                1,
                0,
                {K::kPlunge, K::kDirection, K::kNothing, K::kPlunge, K::kDirection, K::kNothing,
                 K::kAlphaRotation}},
        KindRow{"CoreDipDirection",
                20,
                1,
                0,
                {K::kAlphaRotation, K::kNothing, K::kNothing, K::kNothing, K::kNothing, K::kNothing,
                 K::kPlunge, K::kDirection, K::kDip, K::kDirection}},
        KindRow{"CoreFoldAxis",
                22,
                1,
                2,
                {K::kAlphaRotation, K::kNothing, K::kNothing, K::kNothing, K::kBetaHadeGamma,
                 K::kNothing, K::kPlunge, K::kDirection, K::kPlunge, K::kDirection}},
        KindRow{"ThreeCores",
                25,
                1,
                0,
                {K::kPlunge, K::kDirection, K::kAlphaRotation, K::kPlunge, K::kDirection,
                 K::kAlphaRotation, K::kNothing, K::kNothing, K::kPlunge, K::kDirection,
                 K::kAlphaRotation}},
        KindRow{"FixedPlane",
                39,
                1,
                0,
                {K::kNothing, K::kNothing, K::kNothing, K::kBetaHadeGamma, K::kAlphaRotation,
                 K::kNothing, K::kPlunge, K::kDirection, K::kDip, K::kDirection}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// Selection paints and presses only the current button, turns only the
// calculation pages, and does nothing while the window starts up.
TEST_F(ModelTest, SelectionPaintsTheButtonAndTurnsOnlyTheCalculationPages) {
  model.SelectCalculation(5);
  model.SelectCalculation(12);
  EXPECT_EQ(model.Calculation(), 12);
  EXPECT_EQ(C().calculationButtons[12].colour, kButtonSelected);
  EXPECT_TRUE(C().calculationButtons[12].pressed);
  EXPECT_EQ(C().calculationButtons[5].colour, kButtonGrey);
  EXPECT_FALSE(C().calculationButtons[5].pressed);
  EXPECT_EQ(model.settings().Calculation, 12);
  model.SelectCalculation(18);
  EXPECT_EQ(C().tabPage, kCorePage);
  EXPECT_TRUE(model.CoreCalculation());
  model.SelectCalculation(3);
  EXPECT_EQ(C().tabPage, kGeometricalPage);
  model.SetTabPage(kConventionsPage);
  model.SelectCalculation(20);
  EXPECT_EQ(C().tabPage, kConventionsPage);
  model.SetInitialising(true);
  model.SelectCalculation(9);
  EXPECT_EQ(model.Calculation(), 20);
}

// The item table is the catalogue's (CatalogueTest); here the model takes
// its route, and a separator or an item beyond the menu selects nothing.
TEST_F(ModelTest, MenuItemSelectsItsCalculation) {
  model.SelectCalculation(1);
  model.SelectCalculationByMenuItem(21);
  EXPECT_EQ(model.Calculation(), 27);
  model.SelectCalculation(1);
  for (const int item : {4, 45}) {
    model.SelectCalculationByMenuItem(item);
    EXPECT_EQ(model.Calculation(), 1) << item;
  }
}

TEST_F(ModelTest, PlotLearnsTheNewCalculation) {
  CountingPlot plot;
  model.SetPlotSink(&plot);
  model.SelectCalculationByCaption(0);
  EXPECT_EQ(plot.caption, "Line of intersection between planes A & B");
  EXPECT_EQ(plot.windowsUsed, (std::array<bool, 4>{true, true, false, false}));
}

TEST_F(ModelTest, FixedPlaneCalculationsKeepTheUsersReferenceChoice) {
  model.SelectCalculation(20);
  model.SetReferenceDirection(1);
  model.SelectCalculation(37);
  EXPECT_EQ(model.settings().referenceDirection, 3);
  model.SelectCalculation(21);
  EXPECT_EQ(model.settings().referenceDirection, 1);
  EXPECT_EQ(Layout(3), "(),strike,()");
}

struct RefRow {
  int choice;
  int planeConvIn;
  const char* caption;
  const char* layout;
  bool dipOptions;
};
class ReferenceChoice : public ModelTest, public ::testing::WithParamInterface<RefRow> {};

TEST_P(ReferenceChoice, RelabelsWindowD) {
  model.settings().PlaneConvIn = GetParam().planeConvIn;
  model.SelectCalculation(22);
  model.SetReferenceDirection(GetParam().choice);
  EXPECT_EQ(C().windowDFrame.caption, GetParam().caption);
  EXPECT_EQ(Layout(3), GetParam().layout);
  EXPECT_EQ(C().approximateDipFrame.visible, GetParam().dipOptions);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ReferenceChoice,
    ::testing::Values(
        RefRow{0, 1, "D - Known dip dir'n of Ref.Plane", "(),dir'n,()", true},
        RefRow{1, 1, "D - Known strike of Ref.Plane", "(),strike,()", true},
        RefRow{1, 6, "D - Known strike of Ref.Plane (not RH rule)", "(),strike,()", true},
        RefRow{2, 1, "D - Known axis of folding of Ref.Plane", "plunge,trend,()", false},
        RefRow{3, 1, "D - Approx dip, known dip dir'n of Ref.Plane", "~dip,dir'n,()", false}));

TEST_F(ModelTest, ApparentDipPanelFollowsTheTickAndTheCalculation) {
  model.SelectCalculation(0);
  EXPECT_FALSE(C().entryBoxes[11].visible);
  model.SetApparentDipShown(true);
  EXPECT_TRUE(C().entryBoxes[11].visible);
  EXPECT_TRUE(C().entryBoxes[12].visible);
  model.SelectCalculation(22);
  EXPECT_EQ(C().apparentDipBox.caption, "Show pitch of line in plane");
  EXPECT_EQ(C().extraResultFrame.caption, "  pitch  ");
  model.SelectCalculation(17);
  EXPECT_FALSE(C().apparentDipBox.visible);
  EXPECT_FALSE(C().entryBoxes[11].visible);
}

TEST_F(ModelTest, CaptionsFollowTheNamesAndTheMark) {
  model.settings().alphaWord = "Delta";
  model.settings().BottomMark = false;
  model.SetDeltaReference(1);
  EXPECT_EQ(C().calculationCaptions[40].caption,
            "Clockwise angle to core 'TM' from ref. plane with delta in A");
  EXPECT_TRUE(C().deltaReferenceOptions[1].checked);
}

TEST_F(ModelTest, ZenithRelabelsTheCoreAxis) {
  model.SelectCalculation(18);
  model.SetCoreInclination(1);
  EXPECT_EQ(Layout(2), "zenith,trend");
  model.SetEntryText(6, "80");
  EXPECT_TRUE(model.EntryValid(6));
}

// Guards against the window refreshing once per nested handler (or never).
TEST_F(ModelTest, ObserversHearOncePerUserAction) {
  int changes = 0;
  int selections = 0;
  model.AddObserver(
      [&](ModelEvent event) { (event == ModelEvent::kChanged ? changes : selections) += 1; });
  model.SetFilePageAvailable(true);
  model.SelectCalculation(3);
  model.SetInputPlaneNotation(3);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(selections, 1);
}

}  // namespace
}  // namespace Lodema
