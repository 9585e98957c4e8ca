// SPDX-License-Identifier: MIT
// The conventions page: notation changes rewrite what is typed, "Same as
// Input File" couples the output, the decimal character and "Defaults".
#include "AppFixture.h"
#include "app/ClickableLabel.h"
#include "app/ResultPanel.h"

namespace {

class ConventionsPageTest : public StartedAppFixture {
 protected:
  void SetUp() override {
    StartedAppFixture::SetUp();
    page = window->Conventions();
  }
  // Calculation 15 (reformat plane) with 30 / 120 typed in A.
  void TypePlane(const QString& dip = QStringLiteral("30")) {
    Click(window->Calculations()->Button(15));
    QTest::keyClicks(window->Entries()->Box(0), dip);
    QTest::keyClicks(window->Entries()->Box(1), QStringLiteral("120"));
  }
  QString BoxText(int i) { return window->Entries()->Box(i)->text(); }
  QString BoxLabel(int i) { return window->Entries()->BoxLabel(i)->text(); }
  QString Result(int i) { return window->Results()->Value(i)->text(); }
  ConventionsPage* page = nullptr;
};

TEST_F(ConventionsPageTest, InputPlaneConventionRewritesTheTypedPlaneAndCouplesOutput) {
  TypePlane();
  Click(page->InPlane(3));  // "Strike, Dip, Sense"
  // The layouts and rewrites are the model's tests'; here they reach the boxes.
  EXPECT_EQ(window->Model().settings().PlaneConvIn, 3);
  EXPECT_EQ(BoxLabel(2), QStringLiteral("sense"));
  EXPECT_EQ(BoxText(1), QStringLiteral("30"));
  // "Same as Input File" is set at a first start: the output follows.
  EXPECT_TRUE(page->OutPlane(3)->isChecked());
  EXPECT_EQ(window->Results()->ValueCaption(0)->text(), QStringLiteral("strike"));
  EXPECT_EQ(Result(0), QStringLiteral("030"));
}

TEST_F(ConventionsPageTest, ClearingSameAsInputFileFreesTheOutputPanels) {
  TypePlane();
  EXPECT_TRUE(page->SameAsInput()->isChecked());
  EXPECT_FALSE(page->OutPlane(1)->isEnabled());
  Click(page->SameAsInput());
  EXPECT_TRUE(page->OutPlane(1)->isEnabled());
  Click(page->OutDirn(1));  // "Quadrant notation" rewrites the shown result
  EXPECT_EQ(window->Model().settings().QuadrantOut, 1);
  EXPECT_NE(Result(1), QStringLiteral("120"));
  EXPECT_FALSE(Result(1).isEmpty());
  Click(page->InPlane(2));
  EXPECT_TRUE(page->OutPlane(1)->isChecked());
}

TEST_F(ConventionsPageTest, ForcedCommaIsUsedInResultsAndClearsTheGreyBox) {
  EXPECT_EQ(page->SetDecimalBox()->checkState(), Qt::PartiallyChecked);
  EXPECT_FALSE(page->LocaleWarning()->isVisibleTo(page->Page()));
  Click(page->Decimal(1));  // comma on a period system
  EXPECT_TRUE(window->Model().settings().NonLocaleDecimal);
  EXPECT_TRUE(page->LocaleWarning()->isVisibleTo(page->Page()));
  EXPECT_EQ(page->LocaleWarning()->text(), QStringLiteral("(overrides current locale setting)"));
  EXPECT_EQ(page->SetDecimalBox()->checkState(), Qt::Unchecked);
  TypePlane(QStringLiteral("12.5"));
  EXPECT_EQ(Result(0), QStringLiteral("12,5"));
  // Back to the system's own character: the box greys again.
  Click(page->Decimal(0));
  EXPECT_FALSE(page->LocaleWarning()->isVisibleTo(page->Page()));
  EXPECT_EQ(page->SetDecimalBox()->checkState(), Qt::PartiallyChecked);
}

TEST_F(ConventionsPageTest, CoreOptionsRenameAndRebuildTheCaptions) {
  Click(page->Option(QStringLiteral("optBottomMark"), 0));
  EXPECT_FALSE(window->Model().settings().BottomMark);
  EXPECT_TRUE(window->Calculations()->Caption(41)->text().contains(QStringLiteral("'TM'")));
  Click(page->Option(QStringLiteral("optZenith"), 1));
  EXPECT_TRUE(window->Model().settings().ZenithConv);
  EXPECT_EQ(window->Model().settings().PlungeName, "zenith");
}

TEST_F(ConventionsPageTest, DefaultsResetThePageButNotTheStore) {
  Click(page->InPlane(4));
  Click(page->CommandButton(ConventionsPage::Command::kSaveSettings));
  Click(page->LinePolarity());
  Click(page->CommandButton(ConventionsPage::Command::kDefaults));
  EXPECT_TRUE(page->InPlane(1)->isChecked());
  EXPECT_TRUE(page->OutPlane(1)->isChecked());
  EXPECT_TRUE(page->LinePolarity()->isChecked());
  EXPECT_TRUE(page->SameAsInput()->isChecked());
  EXPECT_EQ(Store().Read("Lodema 4", "Conventions", "PlaneConvIn", ""), "4");
  // The separator lists set the plot's separators.
  page->Separator(0)->setCurrentIndex(2);  // "\"
  EXPECT_EQ(window->Model().settings().PlaneDelim, "\\");
}

}  // namespace
