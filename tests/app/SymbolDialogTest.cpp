// SPDX-License-Identifier: MIT
// "Select Symbol" opened from the plot window: OK applies every change at
// once, Cancel none, a double-click chooses and closes.

#include "AppFixture.h"
#include "app/StereoPlotWindow.h"
#include "app/SymbolDialog.h"

namespace {

class SymbolDialogTest : public StartedAppFixture {
 protected:
  void SetUp() override {
    StartedAppFixture::SetUp();
    window->Tabs()->setCurrentIndex(2);
    Click(window->Conventions()->ShowStereo());
    plot = window->StereoPlot();
    plot->EditItem(3)->trigger();  // "Change &Symbol..."
    dialog = plot->Symbols();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
  }
  const Lodema::SymbolTable& Stored() const { return window->Model().settings().gSymbolArray; }
  StereoPlotWindow* plot = nullptr;
  SymbolDialog* dialog = nullptr;
};

TEST_F(SymbolDialogTest, OkAppliesTheChangesOfSeveralKinds) {
  EXPECT_EQ(dialog->SelectedKind(), 0);
  EXPECT_EQ(dialog->SizeSlider()->value(), 4);  // the Result's default size
  QTest::mouseClick(dialog->PreviewBox(1), Qt::LeftButton);
  QTest::mouseClick(dialog->ColourBox(8), Qt::LeftButton);
  QTest::mouseClick(dialog->PreviewBox(3), Qt::LeftButton);
  EXPECT_EQ(dialog->SizeSlider()->value(), 3);  // window C's size
  QTest::mouseClick(dialog->ShapeBox(13), Qt::LeftButton);
  dialog->SizeSlider()->setValue(7);
  // Nothing changes before OK.
  EXPECT_EQ(Stored()[1][0], Lodema::kBuiltInStyle);
  QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Stored()[1], (std::array<int, 3>{8, 2, 4}));
  EXPECT_EQ(Stored()[3], (std::array<int, 3>{5, 13, 7}));
  EXPECT_EQ(plot->View().symbols[3].shape, 13);
  EXPECT_EQ(Stored()[0], (std::array<int, 3>{7, 3, 4}));
}

TEST_F(SymbolDialogTest, CancelLeavesEverySymbol) {
  const Lodema::SymbolTable before = Stored();
  QTest::mouseClick(dialog->ShapeBox(0), Qt::LeftButton);  // "null"
  QTest::mouseClick(dialog->PreviewBox(2), Qt::LeftButton);
  QTest::mouseClick(dialog->ColourBox(12), Qt::LeftButton);
  QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog->CancelForm());
  EXPECT_EQ(Stored(), before);
  EXPECT_EQ(plot->View().symbols[0].shape, 3);
}

TEST_F(SymbolDialogTest, DoubleClickChoosesForTheSelectedKindAndCloses) {
  QTest::mouseClick(dialog->PreviewBox(4), Qt::LeftButton);
  QTest::mouseDClick(dialog->ColourBox(22), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(dialog->CancelForm());
  EXPECT_EQ(Stored()[4][0], 22);
  EXPECT_EQ(Stored()[0][0], 7);

  // Opened again it starts at the Result with the stored symbols.
  plot->EditItem(3)->trigger();
  EXPECT_EQ(dialog->SelectedKind(), 0);
  QTest::mouseDClick(dialog->ShapeBox(7), Qt::LeftButton);
  EXPECT_EQ(Stored()[0][1], 7);
  EXPECT_EQ(Stored()[4][0], 22);
}

}  // namespace
