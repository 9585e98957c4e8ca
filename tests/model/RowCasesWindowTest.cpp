// SPDX-License-Identifier: MIT
// The case table through the main window's boxes, typed as a user types
// them.
#include <gtest/gtest.h>

#include "model/CalculatorModel.h"
#include "tests/calc/RowCases.h"

namespace Lodema {
namespace {

TEST(RowCasesWindowTest, TheWindowShowsEachCaseTypedBoxByBox) {
  for (const RowCases::Case& c : RowCases::Cases()) {
    SCOPED_TRACE(c.name);
    CalculatorModel model;
    model.settings() = RowCases::SettingsOf(c);
    model.settings().Calculation = c.calculation;
    model.ApplySettingsToControls();
    model.ShowStoredCalculation();
    for (int box = 0; box < static_cast<int>(c.fields.size()); ++box) {
      if (*c.fields[static_cast<std::size_t>(box)] != '\0') {
        model.SetEntryText(box, c.fields[static_cast<std::size_t>(box)]);
      }
    }
    std::array<std::string, kResultBoxCount> shown;
    for (int box = 0; box < kResultBoxCount; ++box) {
      shown[static_cast<std::size_t>(box)] = model.Controls().resultValues[box].caption;
    }
    const std::vector<std::string> results = RowCases::ShownMainResults(model.Schema(), shown);
    if (c.results.empty()) {
      // Nothing shown, or the no-result mark.
      for (const std::string& text : results) EXPECT_TRUE(text.empty() || text == kNoResultText);
      continue;
    }
    EXPECT_FALSE(model.MessageReportsFailure()) << model.Controls().messagePanel.caption;
    EXPECT_EQ(results, c.results);
  }
}

}  // namespace
}  // namespace Lodema
