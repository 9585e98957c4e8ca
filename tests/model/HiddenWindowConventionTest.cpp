// SPDX-License-Identifier: MIT
// A notation change while a window is hidden converts that window's typed
// values too, so that it means the same plane or line when it shows again.
#include <string>

#include "ModelTestSupport.h"

namespace Lodema {
namespace {

struct HiddenRow {
  const char* name;
  int calculation;  // shows window B
  int hiding;       // a calculation that hides window B
  bool lineOrder;   // change the line order instead of the plane notation
  int to;
};

class HiddenWindowConvention : public ModelTest {};

TEST_F(HiddenWindowConvention, HiddenWindowIsConvertedLikeAShownOne) {
  const HiddenRow rows[] = {
      {"plane B to strike, dip, sense", 0, 6, false, 3},
      {"plane B to right-hand strike", 0, 6, false, 5},
      {"plane B to dip direction first", 0, 6, false, 2},
      {"line B to trend first", 1, 5, true, 1},
  };
  for (const HiddenRow& row : rows) {
    SCOPED_TRACE(row.name);
    CalculatorModel shown;
    CalculatorModel hidden;
    for (CalculatorModel* m : {&shown, &hidden}) {
      m->settings() = Settings{};
      m->ApplySettingsToControls();
      m->SelectCalculation(row.calculation);
      m->SetEntryText(0, "30");
      m->SetEntryText(1, "090");
      m->SetEntryText(3, "60");
      m->SetEntryText(4, "200");
    }
    const auto change = [&row](CalculatorModel& m) {
      if (row.lineOrder) {
        m.SetInputLineOrder(row.to);
      } else {
        m.SetInputPlaneNotation(row.to);
      }
    };
    change(shown);
    hidden.SelectCalculation(row.hiding);
    ASSERT_FALSE(hidden.Controls().windowPanels[1].visible);
    change(hidden);
    hidden.SelectCalculation(row.calculation);
    for (int box = 3; box < 6; ++box) {
      EXPECT_EQ(hidden.Controls().entryBoxes[box].text, shown.Controls().entryBoxes[box].text)
          << "box " << box;
    }
    EXPECT_EQ(hidden.Controls().messagePanel.caption.rfind("Invalid", 0), std::string::npos);
    EXPECT_EQ(hidden.Controls().resultValues[0].caption, shown.Controls().resultValues[0].caption);
  }
}

}  // namespace
}  // namespace Lodema
