// SPDX-License-Identifier: MIT
// The Calculations menu ticks the current calculation and shows each item's
// number, whatever route chose the calculation; buttons, captions, menu
// items and entry boxes carry tooltips.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "AppFixture.h"
#include "app/CalculationPages.h"
#include "app/ClickableLabel.h"
#include "app/EntryPanel.h"
#include "calc/Catalogue.h"

namespace {

class CalculationsMenuTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }
  // The ticked items' numbers.
  std::vector<int> Ticked() const {
    std::vector<int> items;
    for (int item = 1; item <= Lodema::kMenuItemCount; ++item) {
      if (window->CalculationMenuItem(item)->isChecked()) items.push_back(item);
    }
    return items;
  }
};

struct RouteRow {
  const char* name;
  std::function<void(MainWindow&)> choose;
  int calculation;
  std::vector<int> ticked;  // none for the calculations without an item
};

TEST_F(CalculationsMenuTest, CurrentCalculationIsTheOneTickedItem) {
  const RouteRow rows[] = {
      {"button", [](MainWindow& w) { Click(w.Calculations()->Button(3)); }, 3, {6}},
      {"caption", [](MainWindow& w) { Click(w.Calculations()->Caption(36)); }, 36, {22}},
      {"menu item", [](MainWindow& w) { w.CalculationMenuItem(21)->trigger(); }, 27, {21}},
      {"menu item already ticked",
       [](MainWindow& w) { w.CalculationMenuItem(21)->trigger(); },
       27,
       {21}},
      {"core page button", [](MainWindow& w) { Click(w.Calculations()->Button(19)); }, 19, {38}},
      {"no item for 37-41", [](MainWindow& w) { Click(w.Calculations()->Caption(41)); }, 41, {}},
      {"reformat beside the conventions",
       [](MainWindow& w) { Click(w.Calculations()->Button(16)); },
       16,
       {3}},
  };
  for (const RouteRow& row : rows) {
    SCOPED_TRACE(row.name);
    row.choose(*window);
    EXPECT_EQ(window->Model().Calculation(), row.calculation);
    EXPECT_EQ(Ticked(), row.ticked);
  }
}

TEST_F(CalculationsMenuTest, StoredCalculationIsTickedAtStartUp) {
  window->CalculationMenuItem(25)->trigger();  // calculation 10
  Restart();
  EXPECT_EQ(window->Model().Calculation(), 10);
  EXPECT_EQ(Ticked(), std::vector<int>{25});
}

TEST_F(CalculationsMenuTest, ItemsShowTheirNumberAndAreCheckable) {
  for (int item = 1; item <= Lodema::kMenuItemCount; ++item) {
    QAction* action = window->CalculationMenuItem(item);
    if (action->isSeparator()) continue;
    const int n = Lodema::CalculationForMenuItem(item);
    SCOPED_TRACE(item);
    EXPECT_TRUE(action->isCheckable());
    EXPECT_TRUE(action->text().startsWith(QString::number(n) + QStringLiteral("  ")));
    EXPECT_EQ(action->toolTip(), window->Calculations()->Button(n)->toolTip());
    EXPECT_EQ(action->toolTip(), window->Calculations()->Caption(n)->toolTip());
  }
}

TEST_F(CalculationsMenuTest, EntryBoxTooltipsFollowTheNotation) {
  Click(window->Calculations()->Button(0));
  QLineEdit* direction = window->Entries()->Box(1);
  EXPECT_EQ(direction->toolTip(), QStringLiteral("Window A: dip direction, 0 to 360"));
  window->Model().SetInputDirectionNotation(1);  // quadrant bearings
  EXPECT_EQ(direction->toolTip(),
            QStringLiteral("Window A: dip direction, a quadrant bearing such as N30E"));
  EXPECT_EQ(window->Entries()->Box(6)->toolTip(), QString());  // C is hidden for 0
}

}  // namespace
