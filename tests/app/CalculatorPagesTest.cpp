// SPDX-License-Identifier: MIT
// The calculator pages: choosing calculations by button, caption and menu
// (the menu ticks the current one, whatever the route), typing entries and
// reading the results and messages; tooltips on buttons, captions, menu
// items and entry boxes.
#include <QContextMenuEvent>
#include <QMenu>

#include "AppFixture.h"
#include "app/ClickableLabel.h"
#include "app/ResultPanel.h"
#include "calc/Catalogue.h"

namespace {

class CalculatorPages : public StartedAppFixture {
 protected:
  QPushButton* Button(int n) { return window->Calculations()->Button(n); }
  QLineEdit* Box(int i) { return window->Entries()->Box(i); }
  QString Result(int i) { return window->Results()->Value(i)->text(); }
  QString Message() { return window->Results()->Messages()->text(); }
  void Type(int box, const QString& text) { Retype(Box(box), text); }
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
  bool pressed = true;      // a second click lets the pressed button up
};

TEST_F(CalculatorPages, ChosenCalculationIsTheOnePressedButtonAndTickedItem) {
  const auto button = [](int n) {
    return [n](MainWindow& w) { Click(w.Calculations()->Button(n)); };
  };
  const auto caption = [](int n) {
    return [n](MainWindow& w) { Click(w.Calculations()->Caption(n)); };
  };
  const auto item = [](int i) {
    return [i](MainWindow& w) { w.CalculationMenuItem(i)->trigger(); };
  };
  const RouteRow rows[] = {
      {"button", button(3), 3, {6}},
      {"pressed button again", button(3), 3, {6}, false},
      {"caption", caption(36), 36, {22}},
      {"menu item", item(21), 27, {21}},
      {"menu item already ticked", item(21), 27, {21}},
      {"another menu item", item(5), 2, {5}},
      {"core page button", button(19), 19, {38}},
      {"no item for 37-41", caption(41), 41, {}},
      {"reformat beside the conventions", button(16), 16, {3}},
  };
  for (const RouteRow& row : rows) {
    SCOPED_TRACE(row.name);
    row.choose(*window);
    EXPECT_EQ(window->Model().Calculation(), row.calculation);
    EXPECT_EQ(Ticked(), row.ticked);
    for (int n = 0; n < Lodema::kCalculationCount; ++n) {
      EXPECT_EQ(Button(n)->isChecked(), n == row.calculation && row.pressed) << n;
    }
    EXPECT_EQ(Button(row.calculation)->isChecked(),
              window->Model().Controls().calculationButtons[row.calculation].pressed);
  }
}

TEST_F(CalculatorPages, StoredCalculationIsTickedAtStartUp) {
  window->CalculationMenuItem(25)->trigger();  // calculation 10
  Restart();
  EXPECT_EQ(window->Model().Calculation(), 10);
  EXPECT_EQ(Ticked(), std::vector<int>{25});
}

TEST_F(CalculatorPages, MenuItemsShowTheirNumberAndShareTheTooltips) {
  for (int item = 1; item <= Lodema::kMenuItemCount; ++item) {
    QAction* action = window->CalculationMenuItem(item);
    if (action->isSeparator()) continue;
    const int n = Lodema::CalculationForMenuItem(item);
    SCOPED_TRACE(item);
    EXPECT_TRUE(action->isCheckable());
    EXPECT_TRUE(action->text().startsWith(QString::number(n) + QStringLiteral("  ")));
    EXPECT_EQ(action->toolTip(), Button(n)->toolTip());
    EXPECT_EQ(action->toolTip(), window->Calculations()->Caption(n)->toolTip());
  }
}

// The texts are the model's (EntryTooltipTest); here they reach the boxes.
TEST_F(CalculatorPages, EntryBoxTooltipsFollowTheNotation) {
  Click(Button(0));
  window->Model().SetInputDirectionNotation(1);  // quadrant bearings
  EXPECT_EQ(Box(1)->toolTip().toStdString(), window->Model().EntryTooltip(1));
  EXPECT_TRUE(Box(1)->toolTip().contains(QStringLiteral("N30E")));
  EXPECT_EQ(Box(6)->toolTip(), QString());  // C is hidden for 0
}

TEST_F(CalculatorPages, CaptionClickSelectsACoreCalculationAndTurnsThePage) {
  Click(window->Calculations()->Caption(17));
  EXPECT_EQ(window->Tabs()->currentIndex(), 1);
  Click(window->Calculations()->Caption(0));
  EXPECT_EQ(window->Tabs()->currentIndex(), 0);
}

TEST_F(CalculatorPages, TypedPlaneIsReformattedAndAnInvalidEntryBlanksIt) {
  Click(Button(15));
  EXPECT_TRUE(Box(0)->isVisible());
  EXPECT_FALSE(Box(3)->isVisible());
  Type(0, QStringLiteral("30"));
  Type(1, QStringLiteral("120"));
  EXPECT_EQ(Result(0), QStringLiteral("30"));
  EXPECT_EQ(Result(1), QStringLiteral("120"));
  EXPECT_EQ(window->Results()->ValueCaption(0)->text(), QStringLiteral("dip"));
  EXPECT_EQ(window->Results()->ValueCaption(1)->text(), QStringLiteral("dir'n"));
  Type(0, QStringLiteral("95"));
  EXPECT_EQ(Message(),
            QStringLiteral("Error: Invalid Entry Values: A dip 95 is outside -90 to 90"));
  EXPECT_EQ(Result(0), QString());
}

TEST_F(CalculatorPages, LowerCaseSenseIsRewrittenAndAMisfitBeeps) {
  Click(Button(8));  // pitch and sense in B
  Type(5, QStringLiteral("ne"));
  EXPECT_EQ(Box(5)->text(), QStringLiteral("NE"));
  Click(Button(10));  // pitch of line B in plane A
  Type(0, QStringLiteral("30"));
  Type(1, QStringLiteral("090"));
  Type(3, QStringLiteral("45"));
  Type(4, QStringLiteral("270"));
  EXPECT_GT(beeper.beeps, 0);
}

TEST_F(CalculatorPages, RightClickOpensTheCalculationsMenu) {
  QWidget* frame = window->Results()->Frame(0);
  const QPoint centre = frame->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, centre, frame->mapToGlobal(centre));
  QApplication::sendEvent(frame, &event);
  EXPECT_TRUE(window->CalculationsMenu()->isVisible());
  window->CalculationsMenu()->hide();
}

// Regression: the letter of a window must not stay when its window goes.
TEST_F(CalculatorPages, WindowLettersGoWithTheirWindows) {
  QWidget* windows = window->Entries()->Windows();
  Click(Button(5));  // plane with normal A: no window B
  EXPECT_TRUE(window->Entries()->WindowLetter(0)->isVisibleTo(windows));
  EXPECT_FALSE(window->Entries()->WindowLetter(1)->isVisibleTo(windows));
  Click(Button(37));  // fixed reference plane: no window A
  EXPECT_FALSE(window->Entries()->WindowLetter(0)->isVisibleTo(windows));
  EXPECT_TRUE(window->Entries()->WindowLetter(1)->isVisibleTo(windows));
}

TEST_F(CalculatorPages, ReferenceOptionsLayOutWindowD) {
  Click(Button(20));
  Click(window->Entries()->RefOption(2));  // fold axis
  EXPECT_EQ(window->Model().settings().referenceDirection, 2);
  EXPECT_EQ(window->Entries()->BoxLabel(8)->text(), QStringLiteral("plunge"));
}

}  // namespace
