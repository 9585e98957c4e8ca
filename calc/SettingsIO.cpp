#include "calc/SettingsIO.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <optional>
#include <vector>

#include "calc/SettingsText.h"

namespace Lodema {
namespace {

constexpr int kInt16Min = -32768;
constexpr int kInt16Max = 32767;
constexpr int kColourMax = 0xFFFFFF;
constexpr int kNotCustomised = -1;
constexpr const char* kSymbolKeyPrefix = "gSymbolArray";
constexpr const char* kColourKeyPrefix = "gColourArray";

enum class Form {
  kInteger,   // whole number in [minimum, maximum]; outside it the default
  kSteepDip,  // as kInteger, but "True"/"False" read as 2/0
  kBool,
  kText,
  kTableSlot,  // symbol or colour slot: -1 means the built-in default
};

// One store key bound to one in-memory setting of a Settings value.
struct Slot {
  const char* section = "";
  Form form = Form::kText;
  int* integer = nullptr;
  bool* boolean = nullptr;
  std::string* text = nullptr;
  int minimum = INT_MIN;
  int maximum = INT_MAX;
  int builtIn = 0;  // kTableSlot: the value -1 stands for
};

// The fixed keys in load order. Symbol and colour keys are generated.
constexpr const char* kFixedKeys[] = {
    "Calculation",
    "SteepDip",
    "RefDirn",
    "PlaneConvIn",
    "PlaneConvOut",
    "QuadrantIn",
    "QuadrantOut",
    "LineConvIn",
    "LineConvOut",
    "ShowPolaritySign",
    "BottomMark",
    "deltaNormal",
    "EllipseBase",
    "BetaConv",
    "CoreConv",
    "CoreUpTrend",
    "ZenithConv",
    "DeltaName",
    "AlphaName",
    "BetaName",
    "PlungeName",
    "NonLocaleDecimal",
    "DontAskAboutSetting",
    "PlaneDelim",
    "LineDelim",
    "gPitchName",
    "gHadeName",
    "FileIn",
    "gFileInDelimiter",
    "FileOut",
    "gFileOutDelimiter",
    "gRetainInputData",
    "gInputAppended",
    "gKeepFileNonData",
    "gIncludeResultsCaptions",
    "gStereoShowing",
    "gPlotAxesStyle",
    "gPlaneSymbols",
    "gPlotType",
    "WinTop",
    "Winleft",
    "WinWidth",
    "WinHeight",
};

Slot IntSlot(const char* section, int& value, int minimum, int maximum) {
  Slot slot;
  slot.section = section;
  slot.form = Form::kInteger;
  slot.integer = &value;
  slot.minimum = minimum;
  slot.maximum = maximum;
  return slot;
}

Slot BoolSlot(const char* section, bool& value) {
  Slot slot;
  slot.section = section;
  slot.form = Form::kBool;
  slot.boolean = &value;
  return slot;
}

Slot TextSlot(const char* section, std::string& value) {
  Slot slot;
  slot.section = section;
  slot.form = Form::kText;
  slot.text = &value;
  return slot;
}

Slot TableSlot(int& value, int maximum, int builtIn) {
  Slot slot;
  slot.section = kSectionStartUp;
  slot.form = Form::kTableSlot;
  slot.integer = &value;
  slot.minimum = 0;
  slot.maximum = maximum;
  slot.builtIn = builtIn;
  return slot;
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
  const char* conv = kSectionConventions;
  const char* start = kSectionStartUp;
  const char* files = kSectionFiles;
  // Notation codes and the calculation number index tables elsewhere, so a
  // value outside their range takes the default.
  if (key == "PlaneConvIn") return IntSlot(conv, s.PlaneConvIn, 1, 6);
  if (key == "PlaneConvOut") return IntSlot(conv, s.PlaneConvOut, 1, 6);
  if (key == "QuadrantIn") return IntSlot(conv, s.QuadrantIn, 0, 1);
  if (key == "QuadrantOut") return IntSlot(conv, s.QuadrantOut, 0, 1);
  if (key == "LineConvIn") return IntSlot(conv, s.LineConvIn, 0, 1);
  if (key == "LineConvOut") return IntSlot(conv, s.LineConvOut, 0, 1);
  if (key == "ShowPolaritySign") return BoolSlot(conv, s.ShowPolaritySign);
  if (key == "BottomMark") return BoolSlot(conv, s.BottomMark);
  if (key == "deltaNormal") return BoolSlot(conv, s.deltaNormal);
  if (key == "EllipseBase") return BoolSlot(conv, s.EllipseBase);
  if (key == "BetaConv") return BoolSlot(conv, s.BetaConv);
  if (key == "CoreConv") return BoolSlot(conv, s.CoreConv);
  if (key == "CoreUpTrend") return BoolSlot(conv, s.CoreUpTrend);
  if (key == "ZenithConv") return BoolSlot(conv, s.ZenithConv);
  if (key == "DeltaName") return TextSlot(conv, s.DeltaName);
  if (key == "AlphaName") return TextSlot(conv, s.AlphaName);
  if (key == "BetaName") return TextSlot(conv, s.BetaName);
  if (key == "PlungeName") return TextSlot(conv, s.PlungeName);
  if (key == "gPitchName") return TextSlot(conv, s.gPitchName);
  if (key == "gHadeName") return TextSlot(conv, s.gHadeName);
  if (key == "PlaneDelim") return TextSlot(conv, s.PlaneDelim);
  if (key == "LineDelim") return TextSlot(conv, s.LineDelim);
  if (key == "NonLocaleDecimal") return BoolSlot(conv, s.NonLocaleDecimal);
  if (key == "DontAskAboutSetting") return BoolSlot(conv, s.DontAskAboutSetting);

  if (key == "Calculation") return IntSlot(start, s.Calculation, 0, 41);
  if (key == "SteepDip") {
    Slot slot = IntSlot(start, s.SteepDip, kInt16Min, kInt16Max);
    slot.form = Form::kSteepDip;
    return slot;
  }
  if (key == "RefDirn") return IntSlot(start, s.RefDirn, kInt16Min, kInt16Max);
  if (key == "gStereoShowing") return BoolSlot(start, s.gStereoShowing);
  if (key == "gPlotAxesStyle") return IntSlot(start, s.gPlotAxesStyle, INT_MIN, INT_MAX);
  if (key == "gPlaneSymbols") return IntSlot(start, s.gPlaneSymbols, INT_MIN, INT_MAX);
  if (key == "gPlotType") return IntSlot(start, s.gPlotType, INT_MIN, INT_MAX);
  if (key == "WinTop") return IntSlot(start, s.PlotWindowRect.Top, INT_MIN, INT_MAX);
  if (key == "Winleft") return IntSlot(start, s.PlotWindowRect.Left, INT_MIN, INT_MAX);
  if (key == "WinWidth") return IntSlot(start, s.PlotWindowRect.Width, INT_MIN, INT_MAX);
  if (key == "WinHeight") return IntSlot(start, s.PlotWindowRect.Height, INT_MIN, INT_MAX);

  if (key == "FileIn") return TextSlot(files, s.FileIn);
  if (key == "gFileInDelimiter") return TextSlot(files, s.gFileInDelimiter);
  if (key == "FileOut") return TextSlot(files, s.FileOut);
  if (key == "gFileOutDelimiter") return TextSlot(files, s.gFileOutDelimiter);
  if (key == "gRetainInputData") return BoolSlot(files, s.gRetainInputData);
  if (key == "gInputAppended") return BoolSlot(files, s.gInputAppended);
  if (key == "gKeepFileNonData") return BoolSlot(files, s.gKeepFileNonData);
  if (key == "gIncludeResultsCaptions") return BoolSlot(files, s.gIncludeResultsCaptions);

  const int symbol = KeySuffixNumber(key, kSymbolKeyPrefix, 3);
  if (symbol >= 0) {
    const int row = symbol / 10;
    const int column = symbol % 10;
    if (row >= kSymbolRows || column >= kSymbolColumns) return std::nullopt;
    // A colour index outside the palette would be looked up out of range.
    const int maximum = column == kSymbolColourColumn ? kColourCount - 1 : INT_MAX;
    return TableSlot(s.gSymbolArray[row][column], maximum, kDefaultSymbolArray[row][column]);
  }
  const int colour = KeySuffixNumber(key, kColourKeyPrefix, 2);
  if (colour >= 0 && colour < kColourCount) {
    return TableSlot(s.gColourArray[colour], kColourMax, kDefaultColourArray[colour]);
  }
  return std::nullopt;
}

// Every key in load order.
const std::vector<std::string>& AllKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> all(std::begin(kFixedKeys), std::end(kFixedKeys));
    for (int row = 0; row < kSymbolRows; ++row) {
      for (int column = 0; column < kSymbolColumns; ++column) {
        all.push_back(SymbolKey(row, column));
      }
    }
    for (int index = 0; index < kColourCount; ++index) all.push_back(ColourKey(index));
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
      const int minimum = slot.form == Form::kTableSlot ? kNotCustomised : slot.minimum;
      const std::optional<int> value = ReadStoredInteger(text, minimum, slot.maximum, strict);
      if (!value) {
        *slot.integer = *fallback.integer;
        return false;
      }
      *slot.integer =
          (slot.form == Form::kTableSlot && *value == kNotCustomised) ? slot.builtIn : *value;
      return true;
    }
  }
  return false;
}

std::string FormText(const Slot& slot, const std::string& key) {
  switch (slot.form) {
    case Form::kText:
      return key == "gFileOutDelimiter" ? OutputDelimiterListText(*slot.text) : *slot.text;
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
    if (slot) store.Write(kApplicationName, slot->section, key, FormText(*slot, key));
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
    std::string defaultText = FormText(*fallback, key);
    if (slot->form == Form::kTableSlot) defaultText = std::to_string(kNotCustomised);
    if (slot->form == Form::kText) defaultText = *fallback->text;
    Apply(*slot, *fallback, store.Read(application, slot->section, key, defaultText), false);
  }

  if (!initialised && result.showWelcome) {
    // Carry the earlier release's preferences over for good: without this
    // copy, conventions never saved in this version would be lost at the
    // second start, which reads "Lodema 4" only.
    SaveContext context;
    context.writePlotWindowRect = true;
    SaveSettings(settings, store, kSaveConventions, context);
    SaveSettings(settings, store, kSaveFileOutput, context);
    SaveSettings(settings, store, kSaveProgramState, context);
    SaveSettings(settings, store, kSaveDecimalChoice, context);
  }
  if (!marked) store.Write(kApplicationName, kSectionStartUp, kInitialisedKey, "True");
  return result;
}

void SaveSettings(const Settings& settings, SettingsStore& store, int group,
                  const SaveContext& context) {
  switch (group) {
    case kSaveConventions:
      WriteKeys(settings, store,
                {"PlaneConvIn", "PlaneConvOut",     "QuadrantIn",  "QuadrantOut", "LineConvIn",
                 "LineConvOut", "ShowPolaritySign", "BottomMark",  "deltaNormal", "EllipseBase",
                 "BetaConv",    "CoreConv",         "CoreUpTrend", "ZenithConv",  "DeltaName",
                 "AlphaName",   "BetaName",         "PlungeName",  "PlaneDelim",  "LineDelim",
                 "gPitchName",  "gHadeName"});
      break;
    case kSaveFileOutput:
      WriteKeys(settings, store,
                {"gFileOutDelimiter", "gRetainInputData", "gInputAppended", "gKeepFileNonData"});
      break;
    case kSaveProgramState: {
      store.Write(kApplicationName, kSectionStartUp, "LastAccessDate",
                  context.lastAccessDate.empty() ? TodayText() : context.lastAccessDate);
      std::vector<std::string> keys = {"Calculation",
                                       "SteepDip",
                                       "RefDirn",
                                       "FileOut",
                                       "FileIn",
                                       "gFileInDelimiter",
                                       "gIncludeResultsCaptions",
                                       "gStereoShowing",
                                       "gPlotAxesStyle",
                                       "gPlaneSymbols",
                                       "gPlotType",
                                       "DontAskAboutSetting"};
      for (int row = 0; row < kSymbolRows; ++row) {
        for (int column = 0; column < kSymbolColumns; ++column) {
          keys.push_back(SymbolKey(row, column));
        }
      }
      for (int index = 0; index < kColourCount; ++index) keys.push_back(ColourKey(index));
      if (context.writePlotWindowRect) {
        keys.insert(keys.end(), {"WinTop", "Winleft", "WinWidth", "WinHeight"});
      }
      WriteKeys(settings, store, keys);
      break;
    }
    case kSaveDecimalChoice:
      WriteKeys(settings, store, {"NonLocaleDecimal"});
      break;
    default:
      break;
  }
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
  return slot ? FormText(*slot, key) : "";
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
