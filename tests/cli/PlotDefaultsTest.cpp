// SPDX-License-Identifier: MIT
// The settings and the stereonet each know the built-in symbols and palette;
// the tools that use both must see the same tables.
#include <gtest/gtest.h>

#include "calc/Settings.h"
#include "plot/Symbols.h"

namespace Lodema {
namespace {

TEST(PlotDefaultsTest, SettingsAndPlotAgree) {
  EXPECT_EQ(Plot::PaletteFromStored(kDefaultColourArray), Plot::DefaultPalette());
  EXPECT_EQ(Plot::SymbolsFromStored(kDefaultSymbolArray), Plot::DefaultSymbols());
  // A fresh Settings holds the same values as stored custom ones.
  const Settings settings;
  EXPECT_EQ(Plot::PaletteFromStored(settings.gColourArray), Plot::DefaultPalette());
}

}  // namespace
}  // namespace Lodema
