// SPDX-License-Identifier: MIT
// Reading and writing Lodema's preferences (calc/Settings.h) through a
// settings store (calc/SettingsStore.h). Every key, default and text form of
// the store is handled here; nothing else talks to the store.
#pragma once

#include <string>
#include <vector>

#include "calc/Settings.h"
#include "calc/SettingsStore.h"

namespace Lodema {

// Save groups. The numbers are those of the main window's command buttons,
// which pass their own index; 1 and any other number write nothing.
inline constexpr int kSaveConventions = 0;    // "Conventions": notations, core, names
inline constexpr int kSaveFileOutput = 2;     // "Files": output delimiter and options
inline constexpr int kSaveProgramState = 3;   // start-up state, files, plot tables
inline constexpr int kSaveDecimalChoice = 4;  // "NonLocaleDecimal"

// Entry in "StartUp" of "Lodema 4" that records that this version has run.
inline constexpr const char* kInitialisedKey = "Initialised";

struct SettingsLoadResult {
  // The settings were read from the legacy application name "Lodema".
  bool fromLegacyName = false;
  // The legacy name held settings of an earlier release: the main window
  // shows the one-time welcome notice.
  bool showWelcome = false;
  // The stored entries that held no valid value for their key (not a
  // number, out of range, junk): they took their defaults, and the window
  // says which once.
  std::vector<std::string> resetKeys;
};

// Fills settings from the store. Missing entries, unreadable numbers and
// values outside their range take the defaults of Settings (garbage numeric
// text reads as 0 where 0 is allowed). On the first run of this version it
// reads the legacy name instead, copies what it read to "Lodema 4" (so that
// carried-over preferences survive the next start) and writes the
// initialised marker. The symbol and colour slots holding -1 take the
// built-in defaults.
SettingsLoadResult LoadSettings(Settings& settings, SettingsStore& store);

// What a program-state save needs besides the settings.
struct SaveContext {
  // Written as "LastAccessDate"; today's date (YYYY-MM-DD) when empty.
  std::string lastAccessDate;
  // Write PlotWindowRect: the plot window is shown and neither minimised nor
  // maximised (the caller has copied its geometry into PlotWindowRect).
  bool writePlotWindowRect = false;
};

// Writes one save group (kSave...) to "Lodema 4". The caller first brings the
// settings up to date from the controls (the output delimiter list's text
// into gFileOutDelimiter, the output file name box into FileOut). The output
// delimiter is stored as the list's text: a TAB as "tab", a blank as "space".
void SaveSettings(const Settings& settings, SettingsStore& store, int group,
                  const SaveContext& context = {});

// Sets one setting from its store key and text form, as the store would have
// delivered it ("True"/"False" or a number for Booleans; "True"/"False" also
// for "SteepDip"; "gSymbolArray031", "gColourArray07", "WinTop", ...). False,
// leaving settings unchanged, for an unknown key, a key that has no setting
// ("LastAccessDate") or a text that is not a valid value for the key (not a
// number, out of range). -1 in a symbol or colour slot restores the built-in
// value, as it does when loaded.
bool SetSettingFromText(Settings& settings, const std::string& key, const std::string& text);

// True for the keys that shape a calculation: the notations, the drill-core
// conventions and angle names of "Conventions", and the reference choices
// "SteepDip" and "referenceDirection" (what lodema-batch --set accepts).
bool ShapesCalculation(const std::string& key);

// The keys that shape a calculation, in the settings table's order, with
// the values lodema-batch --set documents for each: a whole number naming
// one of the choices minimum..maximum, True or False, or a name.
enum class SettableForm { kWholeNumber, kTrueFalse, kName };
struct SettableKey {
  std::string key;
  SettableForm form = SettableForm::kName;
  int minimum = 0;
  int maximum = 0;
};
std::vector<SettableKey> SettableKeys();

// The store's text form of one setting; empty for an unknown key.
std::string SettingText(const Settings& settings, const std::string& key);

// The output delimiter characters for a list text: "tab" gives a TAB, "space"
// one blank, any other text is itself.
std::string OutputDelimiterFromListText(const std::string& text);
// The list text for output delimiter characters: TAB gives "tab", a blank
// "space", anything else itself.
std::string OutputDelimiterListText(const std::string& delimiter);

}  // namespace Lodema
