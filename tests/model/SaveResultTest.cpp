// SPDX-License-Identifier: MIT
// "Save current result window": one line per press, and the question before
// a replacing save empties a file this session has written.
#include <gtest/gtest.h>

#include "PageRig.h"

namespace Lodema {
namespace {

class SaveResultTest : public ::testing::Test, public testing::PageRig {
 protected:
  void SetUp() override {
    SelectCalculation(15);
    model.SetEntryText(0, "30");
    model.SetEntryText(1, "090");
  }
  int Questions() const {
    int count = 0;
    for (const auto& m : messages.shown) count += m.text == kAppendQuestion;
    return count;
  }
};

TEST_F(SaveResultTest, EverySecondReplacingSaveStillAsks) {
  // Regression: the started flag flipped, so every other save emptied the file
  // without asking.
  page->SaveCurrentResultWindow();
  EXPECT_EQ(Questions(), 0);
  messages.answers = {MessageAnswer::kNo, MessageAnswer::kNo};
  page->SaveCurrentResultWindow();
  page->SaveCurrentResultWindow();
  EXPECT_EQ(Questions(), 2);
  EXPECT_EQ(Output(), "30\t090\r\n");
  EXPECT_FALSE(page->AppendData());
}

TEST_F(SaveResultTest, YesSwitchesToAppendAndCancelWritesNothing) {
  page->SaveCurrentResultWindow();
  messages.answers = {MessageAnswer::kCancel};
  page->SaveCurrentResultWindow();
  EXPECT_EQ(Output(), "30\t090\r\n");
  messages.answers = {MessageAnswer::kYes};
  page->SaveCurrentResultWindow();
  EXPECT_TRUE(page->AppendData());
  page->SaveCurrentResultWindow();  // appending: no further question
  EXPECT_EQ(Questions(), 2);
  EXPECT_EQ(Output(), "30\t090\r\n30\t090\r\n30\t090\r\n");
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::kYesNoCancel);
}

TEST_F(SaveResultTest, ReplacingSaveAfterAReplacingRunAsks) {
  UseInput("45\t180\r\n");
  StartBatch();
  messages.answers = {MessageAnswer::kYes};
  page->SaveCurrentResultWindow();
  EXPECT_EQ(Questions(), 1);
  EXPECT_EQ(Output(), "45\t180\r\n45\t180\r\n");
}

TEST_F(SaveResultTest, NoResultWritesNothing) {
  model.SetEntryText(0, "95");
  page->SaveCurrentResultWindow();
  EXPECT_FALSE(std::filesystem::exists(OutputPath()));
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace Lodema
