// SPDX-License-Identifier: MIT
// The settings reader over a store holding fuzzed values. After loading,
// every setting holds a value its reader documents, its stored text reads
// back strictly, a save and load gives the same settings, a second load
// gives what the first gave (the carry-over from the earlier release's name
// included), and the main window starts from them without showing "nan"
// or "inf".
//
// Input: lines of KEY=VALUE, each stored under every section of "Lodema 4",
// or of the earlier release's name when the line starts with "!".
#include <climits>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "calc/Catalogue.h"
#include "calc/SettingsIO.h"
#include "calc/SettingsStore.h"
#include "fuzz/FuzzChecks.h"
#include "fuzz/ShownTexts.h"
#include "model/CalculatorModel.h"

namespace {

using LodemaFuzz::Check;

// A store that can list what it holds.
class ListedStore : public Lodema::SettingsStore {
 public:
  using Address = std::tuple<std::string, std::string, std::string>;
  std::string Read(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& defaultValue) const override {
    const auto found = entries.find({application, section, key});
    return found == entries.end() ? defaultValue : found->second;
  }
  void Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override {
    entries[{application, section, key}] = value;
  }
  bool HasKey(const std::string& application, const std::string& section,
              const std::string& key) const override {
    return entries.count({application, section, key}) != 0;
  }
  std::map<Address, std::string> entries;
};

ListedStore SavedStore(const Lodema::Settings& settings) {
  ListedStore store;
  Lodema::SaveContext context;
  context.lastAccessDate = "2026-01-01";
  context.writePlotWindowRect = true;
  for (const int group : {Lodema::kSaveConventions, Lodema::kSaveFileOutput,
                          Lodema::kSaveProgramState, Lodema::kSaveDecimalChoice}) {
    Lodema::SaveSettings(settings, store, group, context);
  }
  return store;
}

// The output delimiter may be held as its characters or as the list's
// text; both write the same file.
bool SameSettings(Lodema::Settings a, Lodema::Settings b) {
  a.gFileOutDelimiter = Lodema::OutputDelimiterFromListText(a.gFileOutDelimiter);
  b.gFileOutDelimiter = Lodema::OutputDelimiterFromListText(b.gFileOutDelimiter);
  return a == b;
}

bool InRange(int value, int minimum, int maximum) { return value >= minimum && value <= maximum; }

void CheckRanges(const Lodema::Settings& s) {
  Check(InRange(s.PlaneConvIn, 1, 6) && InRange(s.PlaneConvOut, 1, 6), "plane notation range");
  Check(InRange(s.QuadrantIn, 0, 1) && InRange(s.QuadrantOut, 0, 1), "direction notation range");
  Check(InRange(s.LineConvIn, 0, 1) && InRange(s.LineConvOut, 0, 1), "line order range");
  Check(InRange(s.Calculation, 0, Lodema::kCalculationCount - 1), "calculation range");
  Check(InRange(s.SteepDip, -32768, 32767), "SteepDip range");
  Check(InRange(s.referenceDirection, -32768, 32767), "RefDirn range");
  Check(InRange(s.gPlotContours, -1, 2), "contour method range");
  for (const auto& row : s.gSymbolArray) {
    Check(
        InRange(row[Lodema::kSymbolColourColumn], Lodema::kBuiltInStyle, Lodema::kColourCount - 1),
        "symbol colour outside the palette");
    Check(row[Lodema::kSymbolShapeColumn] >= Lodema::kBuiltInStyle &&
              row[Lodema::kSymbolSizeColumn] >= Lodema::kBuiltInStyle,
          "negative symbol shape or size");
  }
  for (const int colour : s.gColourArray) {
    Check(InRange(colour, Lodema::kBuiltInStyle, 0xFFFFFF), "colour range");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ListedStore store;
  std::size_t at = 0;
  while (at < input.size()) {
    const std::size_t end = std::min(input.find('\n', at), input.size());
    std::string_view line = input.substr(at, end - at);
    at = end + 1;
    const bool legacy = !line.empty() && line.front() == '!';
    if (legacy) line.remove_prefix(1);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string key(line.substr(0, equals));
    const std::string value(line.substr(equals + 1));
    for (const char* section :
         {Lodema::kSectionConventions, Lodema::kSectionStartUp, Lodema::kSectionFiles}) {
      store.Write(legacy ? Lodema::kLegacyApplicationName : Lodema::kApplicationName, section, key,
                  value);
    }
  }

  Lodema::Settings loaded;
  Lodema::LoadSettings(loaded, store);
  CheckRanges(loaded);
  Lodema::Settings again;
  Lodema::LoadSettings(again, store);
  Check(SameSettings(loaded, again), "a second load differs from the first");

  const ListedStore saved = SavedStore(loaded);
  for (const auto& [address, text] : saved.entries) {
    const std::string& key = std::get<2>(address);
    if (key == "LastAccessDate") continue;
    Check(Lodema::SettingText(loaded, key) == text, "SettingText differs from the saved text", key);
    Lodema::Settings strict = loaded;
    Check(Lodema::SetSettingFromText(strict, key, text), "a saved text does not read back", key);
    Check(SameSettings(strict, loaded), "a saved text reads back as another value", key);
  }
  ListedStore reloadFrom = saved;
  Lodema::Settings reloaded;
  Lodema::LoadSettings(reloaded, reloadFrom);
  Check(SameSettings(reloaded, loaded), "save and load changed the settings");
  Check(SavedStore(reloaded).entries == saved.entries, "a second save differs from the first");

  Lodema::CalculatorModel model;
  model.settings() = loaded;
  model.ApplySettingsToControls();
  model.ShowStoredCalculation();
  // A row typed into the first two windows shows results captioned with
  // the loaded names.
  for (const auto& [box, text] : {std::pair{0, "30"}, {1, "120"}, {3, "45"}, {4, "200"}}) {
    model.SetEntryText(box, text);
  }
  if (!LodemaFuzz::ShowsNonFinite(input)) LodemaFuzz::CheckShownTexts(model.Controls(), false);
  return 0;
}
