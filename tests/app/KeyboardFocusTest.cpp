// SPDX-License-Identifier: MIT
// The keyboard in the main window: after any change of calculation typing
// goes into its first entry box, and the calculation buttons of a page are
// one stop of the Tab key, with the arrow keys moving between them.
#include <QApplication>

#include "AppFixture.h"
#include "app/ClickableLabel.h"
#include "calc/Catalogue.h"

namespace {

class KeyboardFocusTest : public StartedAppFixture {
 protected:
  void SetUp() override {
    StartedAppFixture::SetUp();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  QWidget* Focused() const { return QApplication::focusWidget(); }
  // The calculation buttons the Tab key stops at.
  int TabStops(const std::vector<int>& numbers) const {
    int stops = 0;
    for (int n : numbers) {
      if (window->Calculations()->Button(n)->focusPolicy() & Qt::TabFocus) ++stops;
    }
    return stops;
  }
};

TEST_F(KeyboardFocusTest, TypingGoesIntoTheFirstEntryAfterACalculationChange) {
  const struct {
    const char* name;
    std::function<void(MainWindow&)> choose;
  } routes[] = {
      {"menu item", [](MainWindow& w) { w.CalculationMenuItem(21)->trigger(); }},
      {"button", [](MainWindow& w) { Click(w.Calculations()->Button(3)); }},
      {"caption", [](MainWindow& w) { Click(w.Calculations()->Caption(36)); }},
      {"button on the drill-core page", [](MainWindow& w) { Click(w.Calculations()->Button(19)); }},
      {"button pressed with the space bar",
       [](MainWindow& w) {
         QPushButton* button = w.Calculations()->Button(5);
         button->setFocus();
         QTest::keyClick(button, Qt::Key_Space);
       }},
  };
  for (const auto& route : routes) {
    // Away from the entries first, as after using the pages.
    window->Calculations()->Button(0)->setFocus();
    route.choose(*window);
    QLineEdit* first = window->Entries()->Box(0);
    ASSERT_EQ(Focused(), first) << route.name;
    QTest::keyClicks(Focused(), QStringLiteral("12"));
    EXPECT_EQ(first->text(), QStringLiteral("12")) << route.name;
  }
  // Typing in another entry keeps the focus there.
  QLineEdit* second = window->Entries()->Box(1);
  second->setFocus();
  QTest::keyClicks(second, QStringLiteral("45"));
  EXPECT_EQ(Focused(), second);
}

TEST_F(KeyboardFocusTest, ButtonsAreOneTabStopAndArrowsMoveAlongThem) {
  std::vector<int> geometrical;
  for (const Lodema::CalculationInfo& info : Lodema::CalculationCatalogue()) {
    if (info.frame == 0) geometrical.push_back(info.number);
  }
  ASSERT_GT(geometrical.size(), 20u);
  Click(window->Calculations()->Button(3));
  EXPECT_EQ(TabStops(geometrical), 1);
  // The current calculation's button is the stop.
  QPushButton* current = window->Calculations()->Button(3);
  EXPECT_TRUE(current->focusPolicy() & Qt::TabFocus);

  current->setFocus();
  QTest::keyClick(current, Qt::Key_Down);
  QWidget* next = Focused();
  ASSERT_NE(next, current);
  ASSERT_NE(qobject_cast<QPushButton*>(next), nullptr);
  EXPECT_EQ(TabStops(geometrical), 1);
  EXPECT_TRUE(next->focusPolicy() & Qt::TabFocus);  // the stop moved along
  QTest::keyClick(next, Qt::Key_Up);
  EXPECT_EQ(Focused(), current);
  EXPECT_EQ(window->Model().Calculation(), 3);  // arrows only move

  // From the buttons Tab goes straight into the entries.
  QTest::keyClick(current, Qt::Key_Tab);
  EXPECT_EQ(Focused(), window->Entries()->Box(0));
}

}  // namespace
