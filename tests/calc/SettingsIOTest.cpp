// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "calc/MemorySettingsStore.h"
#include "calc/SettingsIO.h"
#include "calc/SettingsText.h"

namespace Lodema {
namespace {

// A store in which this version has already run.
MemorySettingsStore InitialisedStore() {
  MemorySettingsStore store;
  store.Write(kApplicationName, kSectionStartUp, kInitialisedKey, "True");
  return store;
}

std::string Stored(const MemorySettingsStore& store, const char* section, const char* key) {
  return store.Read(kApplicationName, section, key, "<missing>");
}

TEST(SettingsIOTest, EmptyStoreGivesDefaults) {
  MemorySettingsStore store;
  Settings loaded;
  loaded.PlaneConvIn = 5;
  LoadSettings(loaded, store);
  EXPECT_EQ(loaded, Settings{});
}

// Every group's values away from their defaults, set through the keys the
// store writes (each must be taken).
Settings EveryValueChanged() {
  // clang-format off
  const std::pair<const char*, const char*> values[] = {
      {"PlaneConvIn", "3"}, {"PlaneConvOut", "6"}, {"QuadrantIn", "1"}, {"LineConvIn", "1"},
      {"ShowPolaritySign", "False"}, {"BottomMark", "False"}, {"deltaNormal", "True"},
      {"EllipseBase", "True"}, {"BetaConv", "False"}, {"CoreConv", "False"},
      {"CoreUpTrend", "True"}, {"ZenithConv", "True"}, {"DeltaName", "delta"},
      {"AlphaName", "Alpha"}, {"BetaName", "beta"}, {"PlungeName", "zenith"},
      {"gPitchName", "rake"}, {"gHadeName", ""}, {"PlaneDelim", "\\"}, {"LineDelim", ","},
      {"NonLocaleDecimal", "True"}, {"DontAskAboutSetting", "True"}, {"Calculation", "41"},
      {"SteepDip", "1"}, {"RefDirn", "3"}, {"gStereoShowing", "True"}, {"gPlotAxesStyle", "3"},
      {"gPlotType", "2"}, {"gPlotContours", "1"}, {"gPlotEigenvectors", "True"},
      {"gSymbolArray031", "0"}, {"gSymbolArray072", "12"}, {"gColourArray24", "197121"},
      {"WinTop", "100"}, {"Winleft", "200"}, {"WinWidth", "3000"}, {"WinHeight", "4000"},
      {"FileIn", "C:\\data\\cores, 2024.txt"}, {"gFileInDelimiter", ",; \t"},
      {"FileOut", "out.csv"}, {"gFileOutDelimiter", ";"}, {"gRetainInputData", "True"},
      {"gInputAppended", "True"}, {"gIncludeResultsCaptions", "True"}};
  // clang-format on
  Settings s;
  for (const auto& [key, text] : values) EXPECT_TRUE(SetSettingFromText(s, key, text)) << key;
  return s;
}

TEST(SettingsIOTest, AllGroupsRoundTrip) {
  const Settings saved = EveryValueChanged();
  MemorySettingsStore store = InitialisedStore();
  SaveContext context;
  context.writePlotWindowRect = true;
  for (int group : {kSaveConventions, kSaveFileOutput, kSaveProgramState, kSaveDecimalChoice}) {
    SaveSettings(saved, store, group, context);
  }
  Settings loaded;
  const SettingsLoadResult result = LoadSettings(loaded, store);
  EXPECT_FALSE(result.fromLegacyName);
  EXPECT_EQ(loaded, saved);
}

TEST(SettingsIOTest, EachGroupWritesOnlyItsKeys) {
  struct Row {
    const char* name;
    int group;
    const char* section;
    const char* key;
    bool written;
  };
  const Row rows[] = {
      {"ConventionsWritesNames", 0, kSectionConventions, "gHadeName", true},
      {"ConventionsLeavesDecimal", 0, kSectionConventions, "NonLocaleDecimal", false},
      {"FileOutputWritesDelimiter", 2, kSectionFiles, "gFileOutDelimiter", true},
      {"StateWritesDate", 3, kSectionStartUp, "LastAccessDate", true},
      {"StateWritesDontAsk", 3, kSectionConventions, "DontAskAboutSetting", true},
      {"StateWritesLastColour", 3, kSectionStartUp, "gColourArray24", true},
      {"StateLeavesConventions", 3, kSectionConventions, "PlaneConvIn", false},
      {"DecimalWritesChoice", 4, kSectionConventions, "NonLocaleDecimal", true},
  };
  for (const Row& row : rows) {
    MemorySettingsStore store;
    SaveSettings(Settings{}, store, row.group);
    EXPECT_EQ(store.HasKey(kApplicationName, row.section, row.key), row.written) << row.name;
  }
}

TEST(SettingsIOTest, GroupOneAndUnknownGroupsWriteNothing) {
  for (int group : {1, 5, -1}) {
    MemorySettingsStore store;
    SaveSettings(EveryValueChanged(), store, group);
    EXPECT_EQ(store.WriteCount(), 0) << group;
  }
}

TEST(SettingsIOTest, StoredTextForms) {
  Settings s = EveryValueChanged();
  s.gFileOutDelimiter = "\t";
  MemorySettingsStore store;
  SaveSettings(s, store, kSaveConventions);
  SaveSettings(s, store, kSaveFileOutput);
  SaveSettings(s, store, kSaveProgramState, {"2024-05-01", false});
  EXPECT_EQ(Stored(store, kSectionConventions, "BottomMark"), "False");
  EXPECT_EQ(Stored(store, kSectionFiles, "gFileOutDelimiter"), "tab");
  EXPECT_EQ(Stored(store, kSectionStartUp, "LastAccessDate"), "2024-05-01");
  EXPECT_EQ(Stored(store, kSectionStartUp, "gSymbolArray031"), "0");
}

// Guards the maximised/minimised plot window: its size must not overwrite the stored one.
TEST(SettingsIOTest, WindowRectKeptUnlessAsked) {
  MemorySettingsStore store;
  store.Write(kApplicationName, kSectionStartUp, "WinTop", "1234");
  Settings s;
  s.PlotWindowRect.Top = 1;
  SaveSettings(s, store, kSaveProgramState);
  EXPECT_EQ(Stored(store, kSectionStartUp, "WinTop"), "1234");
  EXPECT_EQ(Stored(store, kSectionStartUp, "WinHeight"), "<missing>");
}

TEST(SettingsIOTest, StoredTextFallbacks) {
  struct Row {
    const char* name;
    const char* section;
    const char* key;
    const char* stored;
    const char* loaded;  // SettingText after loading
  };
  const Row rows[] = {
      {"SteepDipTrue", kSectionStartUp, "SteepDip", "True", "2"},
      {"SteepDipFalseLowerCase", kSectionStartUp, "SteepDip", "false", "0"},
      {"SteepDipOutOfGroupKept", kSectionStartUp, "SteepDip", "7", "7"},
      {"CalculationGarbageIsZero", kSectionStartUp, "Calculation", "abc", "0"},
      {"CalculationLeadingNumber", kSectionStartUp, "Calculation", " 12abc", "12"},
      {"CalculationHalfToEven", kSectionStartUp, "Calculation", "2.5", "2"},
      {"CalculationBeyond41IsDefault", kSectionStartUp, "Calculation", "42", "0"},
      {"PlaneConvGarbageIsDefault", kSectionConventions, "PlaneConvIn", "x", "1"},
      {"PlaneConvSevenIsDefault", kSectionConventions, "PlaneConvOut", "7", "1"},
      {"BoolNumberNonZero", kSectionConventions, "deltaNormal", "-1", "True"},
      {"BoolGarbageIsDefault", kSectionConventions, "BottomMark", "maybe", "True"},
      {"BoolTrailingGarbageIsDefault", kSectionConventions, "CoreConv", "0x", "True"},
      {"SymbolMinusOneIsBuiltIn", kSectionStartUp, "gSymbolArray031", "-1", "-1"},
      {"SymbolZeroStays", kSectionStartUp, "gSymbolArray031", "0", "0"},
      {"SymbolColourOutsidePalette", kSectionStartUp, "gSymbolArray000", "25", "-1"},
      {"ColourMinusOneIsBuiltIn", kSectionStartUp, "gColourArray00", "-1", "-1"},
      {"ColourNotRgbIsBuiltIn", kSectionStartUp, "gColourArray05", "16777216", "-1"},
      {"WindowSingleToLong", kSectionStartUp, "WinTop", "6100.5", "6100"},
      {"WindowGarbageIsZero", kSectionStartUp, "WinWidth", "wide", "0"},
      {"Int32OverflowIsDefault", kSectionStartUp, "gPlotType", "1e10", "1"},
      {"ContourMethodKept", kSectionStartUp, "gPlotContours", "2", "2"},
      {"ContourMethodUnknownIsNone", kSectionStartUp, "gPlotContours", "3", "-1"},
      {"TextKeptAsIs", kSectionConventions, "gHadeName", " hade-in-plane ", " hade-in-plane "},
      {"OutputDelimiterListText", kSectionFiles, "gFileOutDelimiter", "space", "space"},
  };
  for (const Row& row : rows) {
    MemorySettingsStore store = InitialisedStore();
    store.Write(kApplicationName, row.section, row.key, row.stored);
    Settings loaded;
    LoadSettings(loaded, store);
    EXPECT_EQ(SettingText(loaded, row.key), row.loaded) << row.name;
  }
}

TEST(SettingsIOTest, UnusableValuesAreNamedOnce) {
  MemorySettingsStore store = InitialisedStore();
  store.Write(kApplicationName, kSectionStartUp, "Calculation", "1e20");
  store.Write(kApplicationName, kSectionConventions, "BottomMark", "maybe");
  store.Write(kApplicationName, kSectionConventions, "PlaneConvIn", "3");
  Settings loaded;
  EXPECT_EQ(LoadSettings(loaded, store).resetKeys,
            (std::vector<std::string>{"BottomMark", "Calculation"}));
  EXPECT_EQ(loaded.Calculation, Settings{}.Calculation);
  MemorySettingsStore clean = InitialisedStore();
  EXPECT_TRUE(LoadSettings(loaded, clean).resetKeys.empty());
}

TEST(SettingsIOTest, LegacyApplicationName) {
  struct Row {
    const char* name;
    bool legacyHoldsSettings;
    bool currentMarked;
    bool currentHoldsSettings;
    bool fromLegacy;
    bool welcome;
    int planeConvIn;  // legacy holds 3, current holds 5 where present
  };
  const Row rows[] = {
      {"FirstEverStart", false, false, false, true, false, 1},
      {"FirstStartAfterEarlierRelease", true, false, false, true, true, 3},
      {"LaterStart", true, true, true, false, false, 5},
      {"MarkedButEmpty", true, true, false, false, false, 1},
      {"CurrentWrittenWithoutMarker", true, false, true, false, false, 5},
  };
  for (const Row& row : rows) {
    MemorySettingsStore store;
    if (row.legacyHoldsSettings) {
      store.Write(kLegacyApplicationName, kSectionConventions, "PlaneConvIn", "3");
    }
    if (row.currentMarked) store.Write(kApplicationName, kSectionStartUp, kInitialisedKey, "1");
    if (row.currentHoldsSettings) {
      store.Write(kApplicationName, kSectionConventions, "PlaneConvIn", "5");
    }
    Settings loaded;
    const SettingsLoadResult result = LoadSettings(loaded, store);
    EXPECT_EQ(result.fromLegacyName, row.fromLegacy) << row.name;
    EXPECT_EQ(result.showWelcome, row.welcome) << row.name;
    EXPECT_EQ(loaded.PlaneConvIn, row.planeConvIn) << row.name;
    EXPECT_TRUE(store.HasKey(kApplicationName, kSectionStartUp, kInitialisedKey)) << row.name;
  }
}

// Guards carried-over preferences: the second start must still see the earlier release's values.
TEST(SettingsIOTest, LegacyPreferencesSurviveSecondStart) {
  MemorySettingsStore store;
  store.Write(kLegacyApplicationName, kSectionConventions, "DeltaName", "delta");
  store.Write(kLegacyApplicationName, kSectionFiles, "gFileOutDelimiter", "tab");
  Settings first;
  EXPECT_TRUE(LoadSettings(first, store).showWelcome);
  Settings second;
  const SettingsLoadResult again = LoadSettings(second, store);
  EXPECT_FALSE(again.fromLegacyName);
  EXPECT_FALSE(again.showWelcome);
  EXPECT_EQ(second, first);
  EXPECT_EQ(second.alphaWord, "delta");
}

TEST(SettingsIOTest, SetSettingFromText) {
  struct Row {
    const char* name;
    const char* key;
    const char* text;
    bool accepted;
    const char* after;  // SettingText afterwards
  };
  const Row rows[] = {
      {"PlaneNotation", "PlaneConvIn", "4", true, "4"},
      {"PlaneNotationOutOfRange", "PlaneConvIn", "0", false, "1"},
      {"IntegerGarbage", "Calculation", "12abc", false, "0"},
      {"SteepDipWord", "SteepDip", "False", true, "0"},
      {"SteepDipBeyondInt16", "SteepDip", "40000", false, "2"},
      {"BoolWord", "BottomMark", "false", true, "False"},
      {"BoolGarbage", "ZenithConv", "yes", false, "False"},
      {"Name", "DeltaName", "delta", true, "delta"},
      {"SymbolSlot", "gSymbolArray041", "9", true, "9"},
      {"SymbolResetToBuiltIn", "gSymbolArray000", "-1", true, "-1"},
      {"SymbolRowOutside", "gSymbolArray080", "1", false, ""},
      {"DateHasNoSetting", "LastAccessDate", "2024-01-01", false, ""},
      {"UnknownKey", "Colour", "1", false, ""},
      {"KeyCaseMatters", "winleft", "10", false, ""},
  };
  for (const Row& row : rows) {
    Settings s;
    EXPECT_EQ(SetSettingFromText(s, row.key, row.text), row.accepted) << row.name;
    EXPECT_EQ(SettingText(s, row.key), row.after) << row.name;
    if (!row.accepted) {
      EXPECT_EQ(s, Settings{}) << row.name;
    }
  }
}

TEST(SettingsTextTest, LeadingNumber) {
  struct Row {
    const char* name;
    const char* text;
    bool found;
    double value;
    bool wholeText;
  };
  const Row rows[] = {
      {"Plain", "6048", true, 6048, true},        {"BlanksAround", "\t -3 ", true, -3, true},
      {"FractionOnly", "-.5", true, -0.5, true},  {"TrailingPoint", "5.", true, 5, true},
      {"Exponent", "1.5E2", true, 150, true},     {"ExponentWithoutDigits", "1e", true, 1, false},
      {"TrailingText", "12abc", true, 12, false}, {"CommaEndsNumber", "3,5", true, 3, false},
      {"LonePoint", ".", false, 0, false},
  };
  for (const Row& row : rows) {
    const LeadingNumber number = ReadLeadingNumber(row.text);
    EXPECT_EQ(number.found, row.found) << row.name;
    EXPECT_DOUBLE_EQ(number.value, row.value) << row.name;
    EXPECT_EQ(number.wholeText, row.wholeText) << row.name;
  }
}

// Guards huge exponents: they must read as out of range, not wrap to a small integer.
TEST(SettingsTextTest, HugeNumbersAreOutOfRange) {
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e999").value));
  EXPECT_EQ(ReadLeadingNumber("1e-999").value, 0.0);
  EXPECT_FALSE(ReadStoredInteger("1e999", -32768, 32767, false).has_value());
  EXPECT_FALSE(ReadStoredInteger("-2147483649", -2147483647 - 1, 2147483647, false));
  EXPECT_EQ(ReadStoredInteger("-2147483648", -2147483647 - 1, 2147483647, false), -2147483648LL);
}

}  // namespace
// The keys lodema-batch --set takes: those that change what a calculation
// gives, never file, plot or window state.
TEST(SettingsIOTest, KeysThatShapeACalculation) {
  for (const char* key : {"PlaneConvIn", "QuadrantOut", "ShowPolaritySign", "ZenithConv",
                          "DeltaName", "PlungeName", "gHadeName", "SteepDip", "RefDirn"}) {
    EXPECT_TRUE(ShapesCalculation(key)) << key;
  }
  for (const char* key :
       {"PlaneDelim", "NonLocaleDecimal", "Calculation", "FileOut", "gFileOutDelimiter",
        "gStereoShowing", "WinTop", "gSymbolArray000", "LastAccessDate", "planeconvin", ""}) {
    EXPECT_FALSE(ShapesCalculation(key)) << key;
  }
}

}  // namespace Lodema
