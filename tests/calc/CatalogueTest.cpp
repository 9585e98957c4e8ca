// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>

#include "calc/Catalogue.h"

namespace Lodema {
namespace {

Settings CustomNames() {
  Settings s;
  s.alphaWord = "Delta";  // the word for alpha, typed with a capital
  s.betaWord = "BETA";
  s.gammaWord = "Gamma";
  s.gPitchName = "rake";
  s.gHadeName = "Hade-in-plane";
  return s;
}

TEST(CatalogueTest, CaptionsFromUserNames) {
  struct Row {
    const char* name;
    int number;
    bool bottomMark;
    const char* caption;
  };
  const Row rows[] = {
      {"PitchLower", 8, true, "Line with rake B in plane A"},
      {"PitchCapital", 10, true, "Rake of line B in plane A"},
      {"HadeCapitalKeepsRest", 11, true, "Hade-in-plane of line B in plane A"},
      {"AlphaAsTyped", 20, true, "Reference plane with Delta angle in A"},
      {"QuotedBeta", 21, true, "Other plane with 'beta' and delta in B, ref. plane delta in A"},
      {"DoubledAmpersand", 23, true, "Any line with 'beta' && delta in B, ref.plane delta in A"},
      {"NoTrailingBlank", 24, true, "Plane with delta angles in core axes A && B and"},
      {"BottomMark", 40, true, "Clockwise angle to core 'BM' from ref. plane with delta in A"},
      {"TopMark", 41, false, "Clockwise angle to core 'TM' from ref. plane ellipse"},
      {"FixedCaptionUntouched", 0, false, "Line of intersection between planes A && B"},
  };
  for (const Row& row : rows) {
    Settings s = CustomNames();
    s.BottomMark = row.bottomMark;
    EXPECT_EQ(RebuildCaptions(s, DesignCaptions())[row.number], row.caption) << row.name;
  }
}

TEST(CatalogueTest, EmptyNameKeepsPreviousCaptions) {
  struct Row {
    const char* name;
    std::string Settings::*word;
    bool rebuilt;
  };
  const Row rows[] = {
      {"Alpha", &Settings::alphaWord, false},
      {"Beta", &Settings::betaWord, false},
      {"Pitch", &Settings::gPitchName, false},
      {"Hade", &Settings::gHadeName, false},
      {"GammaDoesNotBlock", &Settings::gammaWord, true},
  };
  std::array<std::string, kCalculationCount> previous;
  previous.fill("previous");
  for (const Row& row : rows) {
    Settings s = CustomNames();
    s.*row.word = "";
    const auto captions = RebuildCaptions(s, previous);
    EXPECT_EQ(captions[41] != "previous", row.rebuilt) << row.name;
    EXPECT_EQ(captions[0], "previous") << row.name;
  }
}

TEST(CatalogueTest, MenuIsOneToOneOverItsThirtySevenItems) {
  std::set<int> calculations;
  int separators = 0;
  for (int item = 1; item <= kMenuItemCount; ++item) {
    if (IsMenuSeparator(item)) {
      ++separators;
      EXPECT_EQ(CalculationForMenuItem(item), -1) << item;
      EXPECT_EQ(MenuItemCaption(item), "-") << item;
      continue;
    }
    const int calculation = CalculationForMenuItem(item);
    ASSERT_TRUE(IsValidCalculation(calculation)) << item;
    EXPECT_EQ(CalculationAt(calculation).menuItem, item);
    EXPECT_EQ(MenuItemCaption(item), CalculationAt(calculation).menuCaption);
    calculations.insert(calculation);
  }
  EXPECT_EQ(separators, 7);
  EXPECT_EQ(calculations.size(), 37u);
  for (int calculation = 37; calculation <= 41; ++calculation) {
    EXPECT_EQ(CalculationAt(calculation).menuItem, 0) << calculation;
  }
  for (int item : {0, 45, -3}) EXPECT_EQ(CalculationForMenuItem(item), -1) << item;
  EXPECT_EQ(MenuItemCaption(21), "Plunge of line in a plane given the trend");
  EXPECT_EQ(MenuItemCaption(45), "");
}

TEST(CatalogueTest, NumbersOutsideTheCatalogue) {
  for (const int n : {42, -1}) {
    EXPECT_FALSE(IsCoreCalculation(n)) << n;
    EXPECT_FALSE(IsApproxRefPlaneCalculation(n)) << n;
    EXPECT_EQ(FindCalculation(n), nullptr) << n;
  }
}

// Facts that must agree with each other wherever a calculation is added or
// moved: each names the rule it guards.
TEST(CatalogueTest, FactsAgreeWithEachOther) {
  for (const CalculationInfo& info : CalculationCatalogue()) {
    SCOPED_TRACE(info.number);
    const bool angle = info.result == ResultKind::kAngle;
    EXPECT_TRUE(!info.resultHasSense || angle) << "only angle results carry a sense";
    EXPECT_TRUE(info.angleName == AngleName::kAngle || angle) << "angle names need an angle";
    EXPECT_TRUE(!info.obtuseHintOnSelection || info.c == WindowUse::kObtuseFlag)
        << "the obtuse hint needs the obtuse flag";
    EXPECT_EQ(info.c == WindowUse::kCoreAxis, info.IsCore() && info.frame != kMultipleCoresFrame)
        << "core axis in C for every core calculation but the multiple-core ones";
    EXPECT_EQ(info.SolvesApproxReferencePlane(), info.a == WindowUse::kRefPlaneAlpha)
        << "the cone of an approximate reference plane is typed in A";
    EXPECT_EQ(info.UsesFixedReferencePlane(), info.d == WindowUse::kReferencePlane);
    EXPECT_EQ(info.result == ResultKind::kManualSolution, info.a == WindowUse::kCoreAxisAndAlpha)
        << "several unoriented cores give only a manual solution";
    if (info.solutions == SolutionOutput::kReferencePlane) {
      EXPECT_TRUE(info.SolvesApproxReferencePlane()) << "solutions come from the solved plane";
    }
    if (info.solutions == SolutionOutput::kPlaneContainingLine) {
      EXPECT_TRUE(info.IsOrientedCore() && info.HasLineInPlane());
    }
    if (info.resultIsReferencePlane) {
      EXPECT_TRUE(info.SolvesApproxReferencePlane() && info.result == ResultKind::kPlane);
    }
    if (info.captionHasSecondLine) {
      EXPECT_EQ(info.frame, kMultipleCoresFrame);
    }
  }
}

// The captions built from the user's words are exactly those the catalogue
// marks as named.
TEST(CatalogueTest, NamedCaptionsAreTheRebuiltOnes) {
  Settings words;
  words.alphaWord = "Delta";
  words.betaWord = "Omega";
  words.gammaWord = "Phi";
  words.gPitchName = "Rake";
  words.gHadeName = "Tilt";
  words.BottomMark = false;
  const std::array<std::string, kCalculationCount> design = DesignCaptions();
  const std::array<std::string, kCalculationCount> rebuilt = RebuildCaptions(words, design);
  for (const CalculationInfo& info : CalculationCatalogue()) {
    EXPECT_EQ(rebuilt[info.number] != design[info.number], info.namedCaption) << info.number;
  }
}

TEST(CatalogueTest, DisplayCaptionUndoublesAmpersands) {
  EXPECT_EQ(DisplayCaption("Plane with alpha angles in core axes A, B, && D"),
            "Plane with alpha angles in core axes A, B, & D");
  EXPECT_EQ(DisplayCaption("a &&& b &"), "a && b &");
}

// Each is a tooltip: one short line of its own, never another's.
TEST(CatalogueTest, EveryCalculationHasItsOwnOneLineDescription) {
  std::set<std::string> seen;
  for (const CalculationInfo& info : CalculationCatalogue()) {
    const std::string text = info.description;
    SCOPED_TRACE(info.number);
    EXPECT_FALSE(text.empty());
    EXPECT_LE(text.size(), 90u);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.find("&&"), std::string::npos);
    EXPECT_TRUE(seen.insert(text).second) << text;
  }
}

}  // namespace
}  // namespace Lodema
