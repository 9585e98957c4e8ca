// SPDX-License-Identifier: MIT
// Sources on the file page: a workbook's sheets are listed and the chosen
// one previewed and run; a source that cannot be used (a workbook that
// cannot be read, a file that is no text, a name of no file) says why, and
// "Start input" does not run it.
#include <gtest/gtest.h>

#include <filesystem>

#include "PageRig.h"
#include "batch/WorkbookOutput.h"
#include "tests/batch/WorkbookFixtures.h"

namespace Lodema {
namespace {

class InputSourceTest : public ::testing::Test, public testing::PageRig {};

TEST_F(InputSourceTest, ChosenSheetIsPreviewedAndRun) {
  SelectCalculation(15);
  const std::string book = folder.File("in.xlsx");
  ASSERT_TRUE(testing::WriteZip(
      book, testing::XlsxParts({{"Notes", "<row><c t=\"inlineStr\"><is><t>x</t></is></c></row>"},
                                {"Planes",
                                 "<row><c><v>30</v></c><c><v>90</v></c></row>"
                                 "<row><c><v>45.5</v></c><c><v>200</v></c></row>"}})));
  page->SetInputSource(book);
  const DropDownList& sheets = page->Controls().sheetList;
  EXPECT_TRUE(sheets.visible);
  EXPECT_EQ(sheets.entries, (std::vector<std::string>{"Notes", "Planes"}));
  EXPECT_EQ(page->Controls().previewGrid.rows.size(), 1u);

  // Cells are the columns whatever the delimiter list says.
  page->SetInputDelimiterText(",");
  page->SetSheetIndex(1);
  EXPECT_EQ(page->Controls().previewGrid.rows,
            (std::vector<std::vector<std::string>>{{"30", "90"}, {"45.5", "200"}}));
  EXPECT_EQ(StartBatch().counts.dataRows, 2);
  EXPECT_EQ(Output(), "30\t090\r\n45.5\t200\r\n");

  UseInput("30\t090\r\n");  // a text file hides the list
  EXPECT_FALSE(page->Controls().sheetList.visible);
}

TEST_F(InputSourceTest, UnreadableWorkbookIsNotRun) {
  SelectCalculation(15);
  folder.Write("out.txt", "kept\r\n");
  const std::string book = folder.Write("in.ods", "30\t090\r\n");
  page->SetInputSource(book);
  EXPECT_EQ(page->Controls().sourceProblem,
            "\"" + book +
                "\" cannot be read as a workbook: it is not a zip archive, as "
                "workbooks are.");
  EXPECT_FALSE(StartBatch().sourceOpened);
  EXPECT_EQ(Output(), "kept\r\n");
}

TEST_F(InputSourceTest, SingleResultIsNotSavedIntoAWorkbook) {
  SelectCalculation(15);
  model.SetEntryText(0, "30");
  model.SetEntryText(1, "090");
  page->SetOutputFileText(folder.File("out.xlsx"));
  page->SaveCurrentResultWindow();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, kWorkbookAppendMessage);
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.xlsx")));
}

TEST_F(InputSourceTest, BinaryFileIsNotPreviewedOrRun) {
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

TEST_F(InputSourceTest, TypedNameOfNoFileClearsThePreview) {
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
