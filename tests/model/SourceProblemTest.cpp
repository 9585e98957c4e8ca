// SPDX-License-Identifier: MIT
// Sources that cannot be used say so, and "Start input" does not run them.
#include <gtest/gtest.h>

#include "PageRig.h"

namespace Lodema {
namespace {

class SourceProblemTest : public ::testing::Test, public testing::PageRig {};

TEST_F(SourceProblemTest, BinaryFileIsNotPreviewedOrRun) {
  SelectCalculation(15);
  folder.Write("out.txt", "kept\r\n");
  UseInput(
      std::string("\x7f"
                  "ELF\x02\x01\x01\0\0\0\t30\t090\r\n",
                  20));
  EXPECT_EQ(page->Controls().sourceProblem, NotTextMessage(folder.File("in.txt")));
  EXPECT_TRUE(page->Controls().previewGrid.rows.empty());
  EXPECT_FALSE(StartBatch().sourceOpened);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "\"" + folder.File("in.txt") + "\" is not a text file.");
  EXPECT_EQ(Output(), "kept\r\n");

  UseInput("30\t090\r\n");  // a text file next clears the warning
  EXPECT_EQ(page->Controls().sourceProblem, "");
  EXPECT_EQ(StartBatch().counts.dataRows, 1);
}

TEST_F(SourceProblemTest, TypedNameOfNoFileClearsThePreview) {
  SelectCalculation(15);
  UseInput("30\t090\r\n");
  ASSERT_EQ(page->Controls().previewGrid.rows.size(), 1u);
  const std::string missing = folder.File("missing.txt");
  page->SetInputFileText(0, missing);
  EXPECT_EQ(page->Controls().sourceProblem, "There is no file \"" + missing + "\".");
  EXPECT_FALSE(page->Controls().previewGrid.visible);
  EXPECT_TRUE(page->Controls().previewGrid.rows.empty());
  EXPECT_FALSE(page->Controls().commandButtons[1].visible);
  EXPECT_EQ(model.settings().FileIn, "");

  page->SetInputFileText(0, folder.File("in.txt"));
  EXPECT_EQ(page->Controls().sourceProblem, "");
  EXPECT_TRUE(page->Controls().commandButtons[1].visible);
}

}  // namespace
}  // namespace Lodema
