// SPDX-License-Identifier: MIT
// lodema-batch must never destroy the data it reads: the same file reached
// through the standard streams, and file names that look like the clipboard.
#include <string>

#include "tests/cli/ToolInFolder.h"

namespace Lodema::testing {
namespace {

constexpr const char* kSameFile =
    "The output file is the same as the input file.\nChoose another output file.\n";

class FileSafetyTest : public ToolInFolderTest {
 protected:
  int Tool(const std::string& args, const std::string& redirections) {
    return Shell("$B " + args + " " + redirections);
  }
};

const std::string kRows = [] {
  std::string rows;
  for (int i = 0; i < 20000; ++i) rows += "30\t090\t60\t180\r\n";
  return rows;
}();

struct SameFileCase {
  const char* name;
  const char* args;
  const char* redirections;
};

TEST_F(FileSafetyTest, TheFileReadIsNeverWritten) {
  const SameFileCase cases[] = {
      {"standard input is the output file", "--calc 0 --in - --out f.txt", "< f.txt"},
      {"standard output appends to the input", "--calc 0 --in f.txt --out -", ">> f.txt"},
      {"both standard streams, append", "--calc 0 --in - --out -", "< f.txt >> f.txt"},
      {"named twice, append mode", "--calc 0 --in f.txt --out ./f.txt --append", ""},
  };
  for (const SameFileCase& c : cases) {
    SCOPED_TRACE(c.name);
    Write("f.txt", kRows);
    EXPECT_EQ(Tool(c.args, c.redirections), 1);
    EXPECT_EQ(Read("stderr.txt"), kSameFile);
    EXPECT_EQ(Read("f.txt"), kRows);
  }
}

TEST_F(FileSafetyTest, TerminalsAndDevicesAreNotTakenForTheSameFile) {
  Write("in.txt", "30\t090\t60\t180\r\n");
  EXPECT_EQ(Tool("--calc 0 --in - --out -", "< in.txt > /dev/null"), 0);
  EXPECT_EQ(Tool("--calc 0 --in /dev/null --out -", "> /dev/null"), 1);
  EXPECT_EQ(Read("stderr.txt").rfind("No valid lines", 0), 0u);
}

TEST_F(FileSafetyTest, NamesBeginningWithPasteAreFiles) {
  Write("Pasteboard.txt", "30\t090\t60\t180\r\n");
  EXPECT_EQ(Tool("--calc 0 --in Pasteboard.txt --out o.txt", ""), 0);
  EXPECT_EQ(Read("o.txt"), "29\t108\r\n");
  EXPECT_EQ(Read("stderr.txt"), "");
}

TEST_F(FileSafetyTest, ReadAndWriteFailuresAreNamed) {
  // Regression: an unreadable standard input was reported as "No valid lines
  // of data were found!", and a full disk as a problem opening the file.
  EXPECT_EQ(Tool("--calc 0 --in - --out o.txt", "< ."), 1);
  EXPECT_EQ(Read("stderr.txt"), "The input could not be read after 0 lines: Is a directory.\n");
  EXPECT_EQ(Tool("--calc 0 --in - --out o.txt", "<&-"), 1);
  EXPECT_EQ(Read("stderr.txt").rfind("The input could not be read after 0 lines: ", 0), 0u);
  Write("in.txt", "30\t090\t60\t180\r\n");
  EXPECT_EQ(Tool("--calc 0 --in in.txt --out /dev/full", ""), 1);
  EXPECT_EQ(Read("stderr.txt").rfind("There has been a problem writing the output file.", 0), 0u);
}

TEST_F(FileSafetyTest, EndlessOrBinaryInputIsRefused) {
  // Regression: --in /dev/zero aborted with std::bad_alloc.
  EXPECT_EQ(Tool("--calc 0 --in /dev/zero --out o.txt", ""), 1);
  EXPECT_EQ(Read("stderr.txt"), "\"/dev/zero\" is not a text file.\n");
  EXPECT_EQ(Tool("--calc 0 --in - --out o.txt", "< /dev/zero"), 1);
  EXPECT_EQ(Read("stderr.txt"), "\"-\" is not a text file.\n");
}

}  // namespace
}  // namespace Lodema::testing
