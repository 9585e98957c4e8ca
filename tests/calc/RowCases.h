// SPDX-License-Identifier: MIT
// Rows of calculations with the results a geologist checks them against,
// worked out by hand: each case is run through every way Lodema computes a
// row (the row kernel, the main window's boxes, a batch file).
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "calc/Settings.h"
#include "calc/SettingsIO.h"

namespace RowCases {

struct Case {
  const char* name;
  int calculation;
  // Settings as the store writes them ("PlaneConvIn", "3").
  std::vector<std::pair<std::string, std::string>> settings;
  // The text of entry boxes 0..10 (A 0-2, B 3-5, C 6-7, D 8-10); "" for a
  // box the calculation leaves empty.
  std::array<const char*, 11> fields;
  // The shown main result boxes, in order; empty when the row has no
  // result (the kernel reports why).
  std::vector<std::string> results;
};

inline Lodema::Settings SettingsOf(const Case& c) {
  Lodema::Settings settings;
  for (const auto& [key, value] : c.settings) Lodema::SetSettingFromText(settings, key, value);
  return settings;
}

// The texts of the shown main result boxes (0..2), in order.
template <class Schema, class Texts>
std::vector<std::string> ShownMainResults(const Schema& schema, const Texts& texts) {
  std::vector<std::string> shown;
  for (std::size_t box = 0; box < 3; ++box) {
    if (schema.results[box].shown) shown.push_back(texts[box]);
  }
  return shown;
}

inline const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // Planes 45/090 and 90/000 (a vertical E-W plane) meet in the dip
      // line of the first.
      {"intersection, dip and dip direction", 0, {},
       {"45", "090", "", "90", "000", "", "", "", "", "", ""}, {"45", "090"}},
      {"intersection, strike, dip and sense", 0, {{"PlaneConvIn", "3"}},
       {"000", "45", "E", "090", "90", "S", "", "", "", "", ""}, {"45", "090"}},
      {"intersection written as trend and quadrant bearing", 0,
       {{"QuadrantOut", "1"}, {"LineConvOut", "1"}},
       {"45", "135", "", "90", "045", "", "", "", "", "", ""}, {"S45E", "45"}},
      {"intersection from quadrant bearings", 0, {{"QuadrantIn", "1"}},
       {"45", "S45E", "", "90", "N45E", "", "", "", "", "", ""}, {"45", "135"}},
      // The pole of a plane and the plane of a pole.
      {"normal to a plane", 6, {}, {"30", "090", "", "", "", "", "", "", "", "", ""},
       {"60", "270"}},
      {"plane from its normal", 5, {}, {"60", "270", "", "", "", "", "", "", "", "", ""},
       {"30", "090"}},
      {"one decimal typed, one shown", 6, {}, {"30.5", "090", "", "", "", "", "", "", "", "", ""},
       {"59.5", "270"}},
      {"decimal comma asked for", 6, {{"NonLocaleDecimal", "True"}},
       {"30.5", "090", "", "", "", "", "", "", "", "", ""}, {"59,5", "270"}},
      // Horizontal lines 60 degrees apart; the obtuse angle when asked.
      {"acute angle between lines", 2, {}, {"0", "000", "", "0", "060", "", "", "", "", "", ""},
       {"60"}},
      {"obtuse angle between lines", 2, {}, {"0", "000", "", "0", "060", "", "Y", "", "", "", ""},
       {"120"}},
      {"angle between planes", 3, {}, {"30", "090", "", "60", "090", "", "", "", "", "", ""},
       {"30"}},
      {"apparent dip in a section along the dip direction", 7, {},
       {"45", "090", "", "", "090", "", "", "", "", "", ""}, {"45", "E"}},
      {"pitch of a line in a vertical plane", 10, {},
       {"90", "090", "", "30", "000", "", "", "", "", "", ""}, {"30", "N"}},
      // A strike of exactly 45 degrees: N, from either dip direction.
      {"pitch sense on the 45 degree boundary, dipping SE", 10, {},
       {"40", "135", "", "18.75", "068.86", "", "", "", "", "", ""}, {"30.00", "N"}},
      {"pitch sense on the 45 degree boundary, dipping NW", 10, {},
       {"40", "315", "", "18.75", "021.14", "", "", "", "", "", ""}, {"30.00", "N"}},
      {"plane written as strike, dip and sense", 15, {{"PlaneConvOut", "3"}},
       {"30", "090", "", "", "", "", "", "", "", "", ""}, {"360", "30", "E"}},
      {"line written as trend and plunge", 16, {{"LineConvOut", "1"}},
       {"30", "090", "", "", "", "", "", "", "", "", ""}, {"090", "30"}},
      {"upward line without its sign", 16, {{"ShowPolaritySign", "False"}},
       {"-30", "090", "", "", "", "", "", "", "", "", ""}, {"30", "090"}},
      {"upward line with its sign", 16, {}, {"-30", "090", "", "", "", "", "", "", "", "", ""},
       {"-30", "090"}},
      // An ellipse of alpha 90 is a circle: the plane is normal to the core.
      {"oriented core, plane normal to the axis", 17, {},
       {"45", "90", "", "", "", "", "60", "000", "", "", ""}, {"30", "180"}},
      // Rows without a result.
      {"identical planes meet nowhere", 0, {},
       {"30", "090", "", "30", "090", "", "", "", "", "", ""}, {}},
      {"a dip beyond 90 is refused", 0, {}, {"95", "090", "", "30", "000", "", "", "", "", "", ""},
       {}},
  };
  return cases;
}

}  // namespace RowCases
