// SPDX-License-Identifier: MIT
#include "calc/SettingsIO.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <optional>
#include <vector>

#include "calc/Catalogue.h"
#include "calc/SettingsText.h"

namespace Lodema {
namespace {

constexpr int kInt16Min = -32768;
constexpr int kInt16Max = 32767;
constexpr int kColourMax = 0xFFFFFF;
constexpr const char* kSymbolKeyPrefix = "gSymbolArray";
constexpr const char* kColourKeyPrefix = "gColourArray";

enum class Form {
  kInteger,   // whole number in [minimum, maximum]; outside it the default
  kSteepDip,  // as kInteger, but "True"/"False" read as 2/0
  kBool,
  kText,
  kOutputDelimiter,  // text, stored as the output delimiter list shows it
  kTableSlot,        // symbol or colour slot: kBuiltInStyle or a value
};

// A save group that no button writes: the key is only read.
constexpr int kLoadOnly = -1;
// The groups that write keys.
constexpr int kSaveGroups[] = {kSaveConventions, kSaveFileOutput, kSaveProgramState,
                               kSaveDecimalChoice};

// One store key: where it lives, when it is saved, which member of Settings
// holds it, its text form and its range. The default is the member's
// initial value in Settings. Within a save group, keys are written in the
// order of this table; lodema-batch --set accepts the keys that shape a
// calculation.
struct SettingKey {
  const char* key;
  const char* section;
  int saveGroup;
  Form form;
  int& (*integer)(Settings&) = nullptr;
  bool& (*boolean)(Settings&) = nullptr;
  std::string& (*text)(Settings&) = nullptr;
  int minimum = INT_MIN;
  int maximum = INT_MAX;
  bool shapesCalculation = false;
  // The values that name a choice, where the store keeps any value as
  // written (INT_MIN: the same as the range).
  int choiceMinimum = INT_MIN;
  int choiceMaximum = INT_MAX;
};

template <int Settings::*Member>
int& IntegerOf(Settings& s) {
  return s.*Member;
}
template <bool Settings::*Member>
bool& BooleanOf(Settings& s) {
  return s.*Member;
}
template <std::string Settings::*Member>
std::string& TextOf(Settings& s) {
  return s.*Member;
}
template <int WindowRect::*Member>
int& PlotWindowOf(Settings& s) {
  return s.PlotWindowRect.*Member;
}

constexpr const char* kConv = kSectionConventions;
constexpr const char* kStart = kSectionStartUp;
constexpr const char* kFiles = kSectionFiles;
constexpr bool kShapesCalculation = true;

constexpr SettingKey Integer(const char* key, const char* section, int group,
                             int& (*member)(Settings&), int minimum, int maximum,
                             bool shapesCalculation = false) {
  return {key,     section, group,   Form::kInteger, member,
          nullptr, nullptr, minimum, maximum,        shapesCalculation};
}
constexpr SettingKey Boolean(const char* key, const char* section, int group,
                             bool& (*member)(Settings&), bool shapesCalculation = false) {
  return {key,    section, group,   Form::kBool, nullptr,
          member, nullptr, INT_MIN, INT_MAX,     shapesCalculation};
}
constexpr SettingKey Text(const char* key, const char* section, int group,
                          std::string& (*member)(Settings&), bool shapesCalculation = false) {
  return {key,     section, group,   Form::kText, nullptr,
          nullptr, member,  INT_MIN, INT_MAX,     shapesCalculation};
}

// clang-format off
const SettingKey kSettingKeys[] = {
    // Save group 0, "Conventions". Notation codes index tables elsewhere, so
    // a value outside their range takes the default.
    Integer("PlaneConvIn", kConv, kSaveConventions, IntegerOf<&Settings::PlaneConvIn>, 1, 6, kShapesCalculation),
    Integer("PlaneConvOut", kConv, kSaveConventions, IntegerOf<&Settings::PlaneConvOut>, 1, 6, kShapesCalculation),
    Integer("QuadrantIn", kConv, kSaveConventions, IntegerOf<&Settings::QuadrantIn>, 0, 1, kShapesCalculation),
    Integer("QuadrantOut", kConv, kSaveConventions, IntegerOf<&Settings::QuadrantOut>, 0, 1, kShapesCalculation),
    Integer("LineConvIn", kConv, kSaveConventions, IntegerOf<&Settings::LineConvIn>, 0, 1, kShapesCalculation),
    Integer("LineConvOut", kConv, kSaveConventions, IntegerOf<&Settings::LineConvOut>, 0, 1, kShapesCalculation),
    Boolean("ShowPolaritySign", kConv, kSaveConventions, BooleanOf<&Settings::ShowPolaritySign>, kShapesCalculation),
    Boolean("BottomMark", kConv, kSaveConventions, BooleanOf<&Settings::BottomMark>, kShapesCalculation),
    Boolean("deltaNormal", kConv, kSaveConventions, BooleanOf<&Settings::deltaNormal>, kShapesCalculation),
    Boolean("EllipseBase", kConv, kSaveConventions, BooleanOf<&Settings::EllipseBase>, kShapesCalculation),
    Boolean("BetaConv", kConv, kSaveConventions, BooleanOf<&Settings::BetaConv>, kShapesCalculation),
    Boolean("CoreConv", kConv, kSaveConventions, BooleanOf<&Settings::CoreConv>, kShapesCalculation),
    Boolean("CoreUpTrend", kConv, kSaveConventions, BooleanOf<&Settings::CoreUpTrend>, kShapesCalculation),
    Boolean("ZenithConv", kConv, kSaveConventions, BooleanOf<&Settings::ZenithConv>, kShapesCalculation),
    Text("DeltaName", kConv, kSaveConventions, TextOf<&Settings::alphaWord>, kShapesCalculation),
    Text("AlphaName", kConv, kSaveConventions, TextOf<&Settings::betaWord>, kShapesCalculation),
    Text("BetaName", kConv, kSaveConventions, TextOf<&Settings::gammaWord>, kShapesCalculation),
    Text("PlungeName", kConv, kSaveConventions, TextOf<&Settings::PlungeName>, kShapesCalculation),
    Text("PlaneDelim", kConv, kSaveConventions, TextOf<&Settings::PlaneDelim>),
    Text("LineDelim", kConv, kSaveConventions, TextOf<&Settings::LineDelim>),
    Text("gPitchName", kConv, kSaveConventions, TextOf<&Settings::gPitchName>, kShapesCalculation),
    Text("gHadeName", kConv, kSaveConventions, TextOf<&Settings::gHadeName>, kShapesCalculation),
    // Save group 2, "Files": the output options.
    {"gFileOutDelimiter", kFiles, kSaveFileOutput, Form::kOutputDelimiter, nullptr, nullptr, TextOf<&Settings::gFileOutDelimiter>},
    Boolean("gRetainInputData", kFiles, kSaveFileOutput, BooleanOf<&Settings::gRetainInputData>),
    Boolean("gInputAppended", kFiles, kSaveFileOutput, BooleanOf<&Settings::gInputAppended>),
    Boolean("gKeepFileNonData", kFiles, kSaveFileOutput, BooleanOf<&Settings::gKeepFileNonData>),
    // Save group 3, the program state (symbols, colours and the plot window
    // follow these, see SaveSettings).
    Integer("Calculation", kStart, kSaveProgramState, IntegerOf<&Settings::Calculation>, 0, kCalculationCount - 1),
    {"SteepDip", kStart, kSaveProgramState, Form::kSteepDip, IntegerOf<&Settings::SteepDip>, nullptr, nullptr, kInt16Min, kInt16Max, kShapesCalculation, 0, 2},
    {"RefDirn", kStart, kSaveProgramState, Form::kInteger, IntegerOf<&Settings::referenceDirection>, nullptr, nullptr, kInt16Min, kInt16Max, kShapesCalculation, 0, 3},
    Text("FileOut", kFiles, kSaveProgramState, TextOf<&Settings::FileOut>),
    Text("FileIn", kFiles, kSaveProgramState, TextOf<&Settings::FileIn>),
    Text("gFileInDelimiter", kFiles, kSaveProgramState, TextOf<&Settings::gFileInDelimiter>),
    Boolean("gIncludeResultsCaptions", kFiles, kSaveProgramState, BooleanOf<&Settings::gIncludeResultsCaptions>),
    Text("SurveyFile", kFiles, kSaveProgramState, TextOf<&Settings::SurveyFile>),
    Text("CollarFile", kFiles, kSaveProgramState, TextOf<&Settings::CollarFile>),
    Integer("SurveyHoleColumn", kFiles, kSaveProgramState, IntegerOf<&Settings::SurveyHoleColumn>, 0, kInt16Max),
    Integer("SurveyDepthColumn", kFiles, kSaveProgramState, IntegerOf<&Settings::SurveyDepthColumn>, 0, kInt16Max),
    Boolean("gStereoShowing", kStart, kSaveProgramState, BooleanOf<&Settings::gStereoShowing>),
    Integer("gPlotAxesStyle", kStart, kSaveProgramState, IntegerOf<&Settings::gPlotAxesStyle>, INT_MIN, INT_MAX),
    Integer("gPlaneSymbols", kStart, kSaveProgramState, IntegerOf<&Settings::gPlaneSymbols>, INT_MIN, INT_MAX),
    Integer("gPlotType", kStart, kSaveProgramState, IntegerOf<&Settings::gPlotType>, INT_MIN, INT_MAX),
    Integer("gPlotContours", kStart, kSaveProgramState, IntegerOf<&Settings::gPlotContours>, -1, 2),
    Boolean("gPlotMeanCone", kStart, kSaveProgramState, BooleanOf<&Settings::gPlotMeanCone>),
    Boolean("gPlotEigenvectors", kStart, kSaveProgramState, BooleanOf<&Settings::gPlotEigenvectors>),
    Boolean("DontAskAboutSetting", kConv, kSaveProgramState, BooleanOf<&Settings::DontAskAboutSetting>),
    // Save group 4.
    Boolean("NonLocaleDecimal", kConv, kSaveDecimalChoice, BooleanOf<&Settings::NonLocaleDecimal>),
    // The plot window: written with the program state only when the window
    // is shown in its normal state.
    Integer("WinTop", kStart, kLoadOnly, PlotWindowOf<&WindowRect::Top>, INT_MIN, INT_MAX),
    Integer("Winleft", kStart, kLoadOnly, PlotWindowOf<&WindowRect::Left>, INT_MIN, INT_MAX),
    Integer("WinWidth", kStart, kLoadOnly, PlotWindowOf<&WindowRect::Width>, INT_MIN, INT_MAX),
    Integer("WinHeight", kStart, kLoadOnly, PlotWindowOf<&WindowRect::Height>, INT_MIN, INT_MAX),
};
// clang-format on

const SettingKey* FindSettingKey(const std::string& key) {
  for (const SettingKey& row : kSettingKeys) {
    if (key == row.key) return &row;
  }
  return nullptr;
}

// One store key bound to one in-memory setting of a Settings value.
struct Slot {
  const char* section = "";
  Form form = Form::kText;
  int* integer = nullptr;
  bool* boolean = nullptr;
  std::string* text = nullptr;
  int minimum = INT_MIN;
  int maximum = INT_MAX;
};

Slot TableSlot(int& value, int maximum) {
  return {kSectionStartUp, Form::kTableSlot, &value, nullptr, nullptr, kBuiltInStyle, maximum};
}

// Digits of key after prefix as a number, or -1 when key is not prefix
// followed by exactly `digits` decimal digits.
int KeySuffixNumber(const std::string& key, const std::string& prefix, std::size_t digits) {
  if (key.size() != prefix.size() + digits || key.compare(0, prefix.size(), prefix) != 0) {
    return -1;
  }
  int number = 0;
  for (std::size_t i = prefix.size(); i < key.size(); ++i) {
    if (key[i] < '0' || key[i] > '9') return -1;
    number = number * 10 + (key[i] - '0');
  }
  return number;
}

std::string SymbolKey(int row, int column) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%s%02d%d", kSymbolKeyPrefix, row, column);
  return buffer;
}

std::string ColourKey(int index) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%s%02d", kColourKeyPrefix, index);
  return buffer;
}

std::optional<Slot> Bind(Settings& s, const std::string& key) {
  if (const SettingKey* row = FindSettingKey(key)) {
    return Slot{row->section,
                row->form,
                row->integer ? &row->integer(s) : nullptr,
                row->boolean ? &row->boolean(s) : nullptr,
                row->text ? &row->text(s) : nullptr,
                row->minimum,
                row->maximum};
  }
  const int symbol = KeySuffixNumber(key, kSymbolKeyPrefix, 3);
  if (symbol >= 0) {
    const int row = symbol / 10;
    const int column = symbol % 10;
    if (row >= kSymbolRows || column >= kSymbolColumns) return std::nullopt;
    // A colour index outside the palette would be looked up out of range.
    const int maximum = column == kSymbolColourColumn ? kColourCount - 1 : INT_MAX;
    return TableSlot(s.gSymbolArray[row][column], maximum);
  }
  const int colour = KeySuffixNumber(key, kColourKeyPrefix, 2);
  if (colour >= 0 && colour < kColourCount) {
    return TableSlot(s.gColourArray[colour], kColourMax);
  }
  return std::nullopt;
}

// The generated keys of the symbol and colour tables, in store order.
std::vector<std::string> PlotTableKeys() {
  std::vector<std::string> keys;
  for (int row = 0; row < kSymbolRows; ++row) {
    for (int column = 0; column < kSymbolColumns; ++column) keys.push_back(SymbolKey(row, column));
  }
  for (int index = 0; index < kColourCount; ++index) keys.push_back(ColourKey(index));
  return keys;
}

// The fixed keys of one save group, in table order.
std::vector<std::string> GroupKeys(int group) {
  std::vector<std::string> keys;
  for (const SettingKey& row : kSettingKeys) {
    if (row.saveGroup == group) keys.emplace_back(row.key);
  }
  return keys;
}

// Every key: the fixed ones, then the symbol and colour slots.
const std::vector<std::string>& AllKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all;
    for (const SettingKey& row : kSettingKeys) all.emplace_back(row.key);
    const std::vector<std::string> tables = PlotTableKeys();
    all.insert(all.end(), tables.begin(), tables.end());
    return all;
  }();
  return keys;
}

// Applies a text to a bound setting. strict refuses what the lenient load
// rule would turn into a default or a 0; returns false (value unchanged) for
// text that is not a value of the key. fallback is the key's default.
bool Apply(const Slot& slot, const Slot& fallback, const std::string& text, bool strict) {
  switch (slot.form) {
    case Form::kText:
    case Form::kOutputDelimiter:
      *slot.text = text;
      return true;
    case Form::kBool: {
      const std::optional<bool> value = ReadStoredBool(text);
      if (!value) {
        *slot.boolean = *fallback.boolean;
        return false;
      }
      *slot.boolean = *value;
      return true;
    }
    case Form::kSteepDip:
      if (IsTrueText(text) || IsFalseText(text)) {
        *slot.integer = IsTrueText(text) ? 2 : 0;
        return true;
      }
      [[fallthrough]];
    case Form::kInteger:
    case Form::kTableSlot: {
      const std::optional<int> value = ReadStoredInteger(text, slot.minimum, slot.maximum, strict);
      if (!value) {
        *slot.integer = *fallback.integer;
        return false;
      }
      *slot.integer = *value;
      return true;
    }
  }
  return false;
}

std::string FormText(const Slot& slot) {
  switch (slot.form) {
    case Form::kText:
      return *slot.text;
    case Form::kOutputDelimiter:
      return OutputDelimiterListText(*slot.text);
    case Form::kBool:
      return BoolText(*slot.boolean);
    case Form::kSteepDip:
    case Form::kInteger:
    case Form::kTableSlot:
      return std::to_string(*slot.integer);
  }
  return "";
}

// Writes the given keys of settings to their sections of "Lodema 4".
void WriteKeys(const Settings& settings, SettingsStore& store,
               const std::vector<std::string>& keys) {
  Settings copy = settings;
  for (const std::string& key : keys) {
    const std::optional<Slot> slot = Bind(copy, key);
    if (slot) store.Write(kApplicationName, slot->section, key, FormText(*slot));
  }
}

bool HoldsSettings(const SettingsStore& store, const std::string& application) {
  Settings scratch;
  for (const std::string& key : AllKeys()) {
    const std::optional<Slot> slot = Bind(scratch, key);
    if (slot && store.HasKey(application, slot->section, key)) return true;
  }
  return false;
}

std::string TodayText() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  const std::chrono::year_month_day date{today};
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return buffer;
}

}  // namespace

SettingsLoadResult LoadSettings(Settings& settings, SettingsStore& store) {
  SettingsLoadResult result;
  const bool marked = store.HasKey(kApplicationName, kSectionStartUp, kInitialisedKey);
  // Settings written under "Lodema 4" without the marker (by a tool, or a
  // store restored from a backup) are this version's own: prefer them.
  const bool initialised = marked || HoldsSettings(store, kApplicationName);
  const std::string application = initialised ? kApplicationName : kLegacyApplicationName;
  result.fromLegacyName = !initialised;
  result.showWelcome = !initialised && HoldsSettings(store, kLegacyApplicationName);

  Settings defaults;
  settings = defaults;
  for (const std::string& key : AllKeys()) {
    const std::optional<Slot> slot = Bind(settings, key);
    const std::optional<Slot> fallback = Bind(defaults, key);
    std::string defaultText = FormText(*fallback);
    if (slot->form == Form::kText || slot->form == Form::kOutputDelimiter) {
      defaultText = *fallback->text;
    }
    if (!Apply(*slot, *fallback, store.Read(application, slot->section, key, defaultText), false) &&
        store.HasKey(application, slot->section, key)) {
      result.resetKeys.push_back(key);
    }
  }

  if (!initialised && result.showWelcome) {
    // Carry the earlier release's preferences over for good: without this
    // copy, conventions never saved in this version would be lost at the
    // second start, which reads "Lodema 4" only.
    SaveContext context;
    context.writePlotWindowRect = true;
    for (const int group : kSaveGroups) SaveSettings(settings, store, group, context);
  }
  if (!marked) store.Write(kApplicationName, kSectionStartUp, kInitialisedKey, "True");
  return result;
}

void SaveSettings(const Settings& settings, SettingsStore& store, int group,
                  const SaveContext& context) {
  if (group == kSaveProgramState) {
    store.Write(kApplicationName, kSectionStartUp, "LastAccessDate",
                context.lastAccessDate.empty() ? TodayText() : context.lastAccessDate);
  }
  if (std::find(std::begin(kSaveGroups), std::end(kSaveGroups), group) == std::end(kSaveGroups)) {
    return;
  }
  std::vector<std::string> keys = GroupKeys(group);
  if (group == kSaveProgramState) {
    const std::vector<std::string> tables = PlotTableKeys();
    keys.insert(keys.end(), tables.begin(), tables.end());
    if (context.writePlotWindowRect) {
      keys.insert(keys.end(), {"WinTop", "Winleft", "WinWidth", "WinHeight"});
    }
  }
  WriteKeys(settings, store, keys);
}

bool SetSettingFromText(Settings& settings, const std::string& key, const std::string& text) {
  Settings updated = settings;
  const std::optional<Slot> slot = Bind(updated, key);
  if (!slot) return false;
  Settings defaults;
  if (!Apply(*slot, *Bind(defaults, key), text, true)) return false;
  settings = updated;
  return true;
}

std::string SettingText(const Settings& settings, const std::string& key) {
  Settings copy = settings;
  const std::optional<Slot> slot = Bind(copy, key);
  return slot ? FormText(*slot) : "";
}

bool ShapesCalculation(const std::string& key) {
  const SettingKey* row = FindSettingKey(key);
  return row != nullptr && row->shapesCalculation;
}

std::vector<SettableKey> SettableKeys() {
  std::vector<SettableKey> keys;
  for (const SettingKey& row : kSettingKeys) {
    if (!row.shapesCalculation) continue;
    SettableKey key{row.key, SettableForm::kName, 0, 0};
    switch (row.form) {
      case Form::kBool:
        key.form = SettableForm::kTrueFalse;
        break;
      case Form::kInteger:
      case Form::kSteepDip:
      case Form::kTableSlot:
        key.form = SettableForm::kWholeNumber;
        key.minimum = row.choiceMinimum == INT_MIN ? row.minimum : row.choiceMinimum;
        key.maximum = row.choiceMinimum == INT_MIN ? row.maximum : row.choiceMaximum;
        break;
      case Form::kText:
      case Form::kOutputDelimiter:
        break;
    }
    keys.push_back(std::move(key));
  }
  return keys;
}

std::string OutputDelimiterFromListText(const std::string& text) {
  if (text == "tab") return "\t";
  if (text == "space") return " ";
  return text;
}

std::string OutputDelimiterListText(const std::string& delimiter) {
  if (delimiter == "\t") return "tab";
  if (delimiter == " ") return "space";
  return delimiter;
}

}  // namespace Lodema
