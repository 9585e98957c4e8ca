// SPDX-License-Identifier: MIT
// A notation change while a window is hidden converts that window's typed
// values too, so that it means the same plane or line when it shows again.
#include <string>

#include "ModelTestSupport.h"

namespace Lodema {
namespace {

struct HiddenRow {
  const char* name;
  int calculation;  // shows the window
  int hiding;       // a calculation that hides it
  int window;
  bool lineOrder;  // change the line order instead of the plane notation
  int to;
  bool zenith = false;  // the core axis is typed by its zenith angle
};

class HiddenWindowConvention : public ModelTest {};

TEST_F(HiddenWindowConvention, HiddenWindowIsConvertedLikeAShownOne) {
  const HiddenRow rows[] = {
      {"plane B to strike, dip, sense", 0, 6, 1, false, 3},
      {"plane B to right-hand strike", 0, 6, 1, false, 5},
      {"plane B to dip direction first", 0, 6, 1, false, 2},
      {"line B to trend first", 1, 5, 1, true, 1},
      // A plunge with its sense is no line of its own: both stay as typed.
      {"plunge and sense B, line order", 36, 6, 1, true, 1},
      {"core axis C to trend first", 17, 0, 2, true, 1},
      // The core axis is a line whatever its angle is called.
      {"zenith core axis C to trend first", 17, 0, 2, true, 1, true},
  };
  const std::pair<int, const char*> typed[] = {{0, "30"}, {1, "090"}, {3, "60"}, {4, "20"},
                                               {5, "E"},  {6, "20"},  {7, "200"}};
  for (const HiddenRow& row : rows) {
    SCOPED_TRACE(row.name);
    CalculatorModel shown;
    CalculatorModel hidden;
    for (CalculatorModel* m : {&shown, &hidden}) {
      m->settings() = Settings{};
      m->settings().ZenithConv = row.zenith;
      m->settings().PlungeName = row.zenith ? "zenith" : "plunge";
      m->ApplySettingsToControls();
      m->SelectCalculation(row.calculation);
      for (const auto& [box, text] : typed) {
        if (m->Controls().entryBoxes[box].visible) m->SetEntryText(box, text);
      }
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
    ASSERT_FALSE(hidden.Controls().windowPanels[row.window].visible);
    change(hidden);
    hidden.SelectCalculation(row.calculation);
    const int first = kWindowFirstBox[row.window];
    for (int box = first; box < first + kWindowBoxCount[row.window]; ++box) {
      EXPECT_EQ(hidden.Controls().entryBoxes[box].text, shown.Controls().entryBoxes[box].text)
          << "box " << box;
    }
    EXPECT_EQ(hidden.Controls().messagePanel.caption.rfind("Invalid", 0), std::string::npos);
    EXPECT_EQ(hidden.Controls().resultValues[0].caption, shown.Controls().resultValues[0].caption);
  }
}

}  // namespace
}  // namespace Lodema
