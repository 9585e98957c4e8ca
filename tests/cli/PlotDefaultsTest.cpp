// SPDX-License-Identifier: MIT
// Settings leave the plot's symbols and colours built in until the user
// chooses others: a fresh or emptied store draws the stereonet's own.
#include <gtest/gtest.h>

#include "calc/Settings.h"
#include "plot/Symbols.h"

namespace Lodema {
namespace {

TEST(PlotDefaultsTest, SettingsLeftBuiltInDrawThePlotsOwnStyles) {
  const Settings settings;
  EXPECT_EQ(Plot::PaletteFromStored(settings.gColourArray), Plot::DefaultPalette());
  EXPECT_EQ(Plot::SymbolsFromStored(settings.gSymbolArray), Plot::DefaultSymbols());
  Settings customised;
  customised.gSymbolArray[1] = {8, kBuiltInStyle, 6};
  const Plot::SymbolTable symbols = Plot::SymbolsFromStored(customised.gSymbolArray);
  EXPECT_EQ(symbols[1], (Plot::SymbolStyle{8, Plot::DefaultSymbols()[1].shape, 6}));
}

}  // namespace
}  // namespace Lodema
