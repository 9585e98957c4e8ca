// SPDX-License-Identifier: MIT
// The calculator pages: choosing calculations by button, caption and menu,
// typing entries and reading the results and messages.
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "AppFixture.h"
#include "app/CalculationPages.h"
#include "app/ClickableLabel.h"
#include "app/ConventionsPage.h"
#include "app/EntryPanel.h"
#include "app/ResultPanel.h"
#include "calc/Catalogue.h"

namespace {

class CalculatorPages : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }
  QPushButton* Button(int n) { return window->Calculations()->Button(n); }
  QLineEdit* Box(int i) { return window->Entries()->Box(i); }
  QString Result(int i) { return window->Results()->Value(i)->text(); }
  QString ResultCaption(int i) { return window->Results()->ValueCaption(i)->text(); }
  QString Message() { return window->Results()->Messages()->text(); }
  void Type(int box, const QString& text) {
    Box(box)->clear();
    QTest::keyClicks(Box(box), text);
  }
};

TEST_F(CalculatorPages, TitleNamesTheVersion) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Lodema 4.9.7"));
}

TEST_F(CalculatorPages, OffersFortyTwoCalculationsOnTwoPagesAndTheMenu) {
  for (int n = 0; n < Lodema::kCalculationCount; ++n) {
    EXPECT_EQ(window->Calculations()->Caption(n)->text().toStdString(),
              Lodema::DisplayCaption(window->Model().Controls().calculationCaptions[n].caption))
        << n;
  }
  EXPECT_EQ(window->Calculations()->Caption(0)->text(),
            QStringLiteral("Line of intersection between planes A & B"));
  int separators = 0;
  int items = 0;
  for (int m = 1; m <= Lodema::kMenuItemCount; ++m) {
    (window->CalculationMenuItem(m)->isSeparator() ? separators : items) += 1;
  }
  EXPECT_EQ(separators, 7);
  EXPECT_EQ(items, 37);
  EXPECT_EQ(window->CalculationMenuItem(5)->text(), QStringLiteral("2  Angle between lines"));
}

TEST_F(CalculatorPages, ButtonSelectsItsCalculationAndOnlyItStaysPressed) {
  Click(Button(3));
  EXPECT_EQ(window->Model().Calculation(), 3);
  EXPECT_TRUE(Button(3)->isChecked());
  EXPECT_FALSE(Button(0)->isChecked());
  EXPECT_TRUE(Button(3)->styleSheet().contains(QStringLiteral("rgb(128, 0, 0)")));
  EXPECT_TRUE(Button(0)->styleSheet().contains(QStringLiteral("rgb(192, 192, 192)")));
  EXPECT_EQ(Message(),
            QStringLiteral("Indicate ('Y') if obtuse angle is to be used (acute is default)"));
}

TEST_F(CalculatorPages, ClickingThePressedButtonKeepsTheCalculation) {
  Click(Button(4));
  Click(Button(4));
  EXPECT_EQ(window->Model().Calculation(), 4);
  EXPECT_EQ(Button(4)->isChecked(), window->Model().Controls().calculationButtons[4].pressed);
}

TEST_F(CalculatorPages, CaptionClickSelectsACoreCalculationAndTurnsThePage) {
  Click(window->Calculations()->Caption(17));
  EXPECT_EQ(window->Model().Calculation(), 17);
  EXPECT_EQ(window->Tabs()->currentIndex(), 1);
  Click(window->Calculations()->Caption(0));
  EXPECT_EQ(window->Tabs()->currentIndex(), 0);
}

TEST_F(CalculatorPages, MenuItemSelectsTheCalculationItNames) {
  window->CalculationMenuItem(5)->trigger();  // "Angle between lines"
  EXPECT_EQ(window->Model().Calculation(), 2);
  window->CalculationMenuItem(21)->trigger();  // "Plunge of line in a plane given the trend"
  EXPECT_EQ(window->Model().Calculation(), 27);
  EXPECT_TRUE(Button(27)->isChecked());
}

TEST_F(CalculatorPages, TypedPlaneIsReformattedIntoTheResultWindow) {
  Click(Button(15));
  EXPECT_TRUE(Box(0)->isVisible());
  EXPECT_FALSE(window->Entries()->Box(3)->isVisible());
  Type(0, QStringLiteral("30"));
  Type(1, QStringLiteral("120"));
  EXPECT_EQ(Result(0), QStringLiteral("30"));
  EXPECT_EQ(Result(1), QStringLiteral("120"));
  EXPECT_EQ(ResultCaption(0), QStringLiteral("dip"));
  EXPECT_EQ(ResultCaption(1), QStringLiteral("dir'n"));
}

TEST_F(CalculatorPages, InvalidEntryShowsTheErrorAndBlanksResults) {
  Click(Button(15));
  Type(0, QStringLiteral("30"));
  Type(1, QStringLiteral("120"));
  Type(0, QStringLiteral("95"));
  EXPECT_EQ(Message(),
            QStringLiteral("Error: Invalid Entry Values: A dip 95 is outside -90 to 90"));
  EXPECT_EQ(Result(0), QString());
}

TEST_F(CalculatorPages, SenseAlongTheStrikeShowsWhichSideWasTaken) {
  window->Tabs()->setCurrentIndex(2);
  Click(window->Conventions()->SameAsInput());  // results stay as dip and dip direction
  Click(window->Conventions()->InPlane(3));     // "Strike, Dip, Sense"
  Click(Button(15));
  Type(0, QStringLiteral("000"));
  Type(1, QStringLiteral("30"));
  Type(2, QStringLiteral("N"));
  EXPECT_EQ(Message(), QStringLiteral("Note: sense N lies along the strike of plane A: taken as "
                                      "dipping to 270"));
  EXPECT_EQ(Result(0), QStringLiteral("30"));
  EXPECT_EQ(Result(1), QStringLiteral("270"));
  // A letter that chooses a side needs no note.
  Type(2, QStringLiteral("E"));
  EXPECT_EQ(Message(), QString());
  EXPECT_EQ(Result(1), QStringLiteral("090"));
}

TEST_F(CalculatorPages, LowerCaseSenseIsRewrittenInItsBox) {
  Click(Button(8));  // pitch and sense in B
  Type(5, QStringLiteral("ne"));
  EXPECT_EQ(Box(5)->text(), QStringLiteral("NE"));
}

TEST_F(CalculatorPages, MisfitBeepReachesTheSystemBeep) {
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
