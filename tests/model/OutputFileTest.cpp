// SPDX-License-Identifier: MIT
// "Replace data" keeps the previous results until a run has new ones: the
// run writes beside the output file and takes its place at the end. "Save
// current result window": one line per press, and the question before a
// replacing save empties a file this session has written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "PageRig.h"

namespace Lodema {
namespace {

using testing::PageRig;
using testing::ScratchFolder;

class ReplaceOutputTest : public ::testing::Test, public PageRig {
 protected:
  void SetUp() override {
    SelectCalculation(15);
    folder.Write("out.txt", kPrevious);
  }
  // Files in the scratch folder besides the input and output.
  int StrayFiles() const {
    int stray = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.File(""))) {
      const std::string name = entry.path().filename().string();
      if (name != "in.txt" && name != "out.txt" && name != "real.txt") ++stray;
    }
    return stray;
  }
  static constexpr const char* kPrevious = "previous\tresults\r\n";
};

struct KeptCase {
  const char* name;
  std::string input;
};

TEST_F(ReplaceOutputTest, RunWithoutADataRowKeepsThePreviousResults) {
  const KeptCase cases[] = {
      {"only comments", "* one\r\n* two\r\n"},
      {"rows the calculation rejects", "95\t090\r\n"},
      {"empty file", ""},
  };
  for (const KeptCase& c : cases) {
    SCOPED_TRACE(c.name);
    page->SetOutputOption(kOptResultCaptions, true);
    UseInput(c.input);
    EXPECT_EQ(StartBatch().counts.dataRows, 0);
    EXPECT_EQ(Output(), kPrevious);
    EXPECT_EQ(StrayFiles(), 0);
  }
}

TEST_F(ReplaceOutputTest, SuccessfulRunReplacesTheFileKeepingItsPermissions) {
  ::chmod(OutputPath().c_str(), 0640);
  UseInput("30\t090\r\n* note\r\n45\t180\r\n");
  EXPECT_EQ(StartBatch().counts.dataRows, 2);
  EXPECT_EQ(Output(), "30\t090\r\n45\t180\r\n");
  struct stat status {};
  ASSERT_EQ(::stat(OutputPath().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(StrayFiles(), 0);
}

TEST_F(ReplaceOutputTest, LinkedOutputFileReplacesTheFileItNames) {
  folder.Write("real.txt", kPrevious);
  std::filesystem::remove(OutputPath());
  std::filesystem::create_symlink(folder.File("real.txt"), OutputPath());
  UseInput("30\t090\r\n");
  EXPECT_EQ(StartBatch().counts.dataRows, 1);
  EXPECT_TRUE(std::filesystem::is_symlink(OutputPath()));
  EXPECT_EQ(ScratchFolder::Read(folder.File("real.txt")), "30\t090\r\n");
}

TEST_F(ReplaceOutputTest, AppendModeStillAppends) {
  page->SetAppendData(true);
  UseInput("30\t090\r\n");
  EXPECT_EQ(StartBatch().counts.dataRows, 1);
  EXPECT_EQ(Output(), std::string(kPrevious) + "30\t090\r\n");
}

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
