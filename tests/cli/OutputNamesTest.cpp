// SPDX-License-Identifier: MIT
// lodema-batch never destroys the data it reads or the results it had: the
// same file reached through the standard streams, file names that look like
// the clipboard, output and plot names that lead elsewhere (standard output,
// links, the input, hard links, read-only folders), inputs that can be read
// only once, and failed runs; a refusal says why.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tests/cli/ToolInFolder.h"

namespace Lodema::testing {
namespace {

constexpr const char* kRow = "30\t090\t60\t180\r\n";
constexpr const char* kResult = "29\t108\r\n";

using OutputNamesTest = ToolInFolderTest;

struct NameCase {
  const char* name;
  const char* line;
  int status;
  const char* file;     // the file checked afterwards
  std::string content;  // what it must hold
  const char* message;  // how standard error starts
};

TEST_F(OutputNamesTest, NamesThatLeadElsewhereKeepWhatTheyLeadTo) {
  const std::string results = std::string(kResult);
  const NameCase cases[] = {
      {"standard output appended to a log",
       "echo OLD > f; $B --calc 0 --in in.txt --out /dev/stdout >> f", 0, "f", "OLD\n" + results,
       ""},
      {"standard output between other lines",
       "{ echo HEADER; $B --calc 0 --in in.txt --out /dev/stdout; echo FOOTER; } > f", 0, "f",
       "HEADER\n" + results + "FOOTER\n", ""},
      {"a descriptor by number", "echo OLD > f; $B --calc 0 --in in.txt --out /dev/fd/3 3>> f", 0,
       "f", "OLD\n" + results, ""},
      {"a link to standard output",
       "ln -s /dev/stdout l; echo OLD > f; $B --calc 0 --in in.txt --out l >> f", 0, "f",
       "OLD\n" + results, ""},
      {"closed standard output", "$B --calc 0 --in in.txt --out /dev/stdout >&-", 1, "in.txt", kRow,
       "There has been a problem opening the output file.\nCheck the filename or the drive.\n"
       "'/dev/stdout' is standard output, which is closed.\n"},
      {"a link to a file is replaced at the file",
       "echo OLD > f; ln -s f l; $B --calc 0 --in in.txt --out l", 0, "f", results, ""},
      {"a link to nothing", "ln -s nowhere/f l; $B --calc 0 --in in.txt --out l", 1, "in.txt", kRow,
       "There has been a problem opening the output file.\nCheck the filename or the drive.\n"
       "'l' is a link to 'nowhere/f', which does not exist.\n"},
      {"a hard-linked output stays one file",
       "echo OLD > f; ln f g; $B --calc 0 --in in.txt --out f", 0, "g", results, ""},
      {"a name too long for a temporary name beside it",
       "echo OLD > f; n=$(printf 'n%.0s' $(seq 250)); $B --calc 0 --in in.txt --out $n && mv $n f",
       0, "f", results, ""},
      {"the plot is the input", "$B --calc 0 --in in.txt --out o.txt --plot in.txt", 1, "in.txt",
       kRow, "lodema-batch: the plot file 'in.txt' is the input file\n"},
      {"the plot is the output", "echo OLD > f; $B --calc 0 --in in.txt --out f --plot ./f", 1, "f",
       "OLD\n", "lodema-batch: the plot file './f' is the output file\n"},
      {"the plot is the output through standard output",
       "echo OLD > f; $B --calc 0 --in in.txt --out f --plot /dev/stdout >> f", 1, "f", "OLD\n",
       "lodema-batch: the plot file '/dev/stdout' is the output file\n"},
      {"the plot and the output are both new under one name",
       "$B --calc 0 --in in.txt --out new.txt --plot ./new.txt; echo $? > f", 0, "f", "1\n",
       "lodema-batch: the plot file './new.txt' is the output file\n"},
      {"the plot and the results both on standard output", "$B --calc 0 --in in.txt --plot - > f",
       1, "f", "",
       "lodema-batch: --plot - and the results would both go to standard output: name a file for "
       "one\n"},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.name);
    Shell("rm -rf ./* ./.[!.]*");
    Write("in.txt", kRow);
    EXPECT_EQ(Shell(c.line), c.status);
    EXPECT_EQ(Read(c.file), c.content);
    EXPECT_EQ(Read("stderr.txt"), c.message);
    EXPECT_TRUE(HiddenFiles().empty());
  }
  // Regression: with standard output closed, /dev/stdout itself was replaced.
  struct stat status {};
  EXPECT_TRUE(::lstat("/dev/stdout", &status) == 0 && S_ISLNK(status.st_mode));
}

TEST_F(OutputNamesTest, PlotOnStandardOutputWhenTheResultsGoElsewhere) {
  Write("in.txt", kRow);
  EXPECT_EQ(Shell("$B --calc 0 --in in.txt --out o.txt --plot - > p.svg"), 0);
  EXPECT_EQ(Read("o.txt"), kResult);
  EXPECT_EQ(Read("p.svg").rfind("<?xml", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(folder_.File("-")));
}

TEST_F(OutputNamesTest, AReadOnlyFolderTakesTheFileInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs another user to be refused by permissions";
  Write("in.txt", kRow);
  Shell("mkdir ro && echo OLD > ro/f && chmod 666 ro/f && chmod 555 ro && chmod 755 .");
  const std::string asNobody = "su nobody -s /bin/sh -c \"$B --calc 0 --in in.txt --out ";
  EXPECT_EQ(Shell("chmod 644 in.txt; " + asNobody + "ro/f\""), 0);
  EXPECT_EQ(Read("ro/f"), kResult);
  EXPECT_EQ(Shell(asNobody + "ro/new\""), 1);
  EXPECT_EQ(Read("stderr.txt"),
            "There has been a problem opening the output file.\nCheck the filename or the drive.\n"
            "'" +
                folder_.File("ro/new") + "' cannot be written: Permission denied.\n");
  Shell("chmod 755 ro");
}

TEST_F(OutputNamesTest, InputsThatCanBeReadOnlyOnceAreReadOnce) {
  Write("in.txt", std::string(kRow) + kRow);
  for (const char* line : {"mkfifo ff; cat in.txt > ff & $B --calc 0 --in ff --out o.txt",
                           "bash -c \"$B --calc 0 --in <(cat in.txt) --out o.txt\"",
                           "cat in.txt | $B --calc 0 --in /dev/stdin --out o.txt"}) {
    SCOPED_TRACE(line);
    std::remove(folder_.File("o.txt").c_str());
    EXPECT_EQ(Shell(line), 0);
    EXPECT_EQ(Read("o.txt"), std::string(kResult) + kResult);
  }
}

TEST_F(OutputNamesTest, AFailedRunKeepsThePreviousResultsAndPlot) {
  struct FailedRun {
    const char* name;
    std::string input;
    const char* message;
  };
  const FailedRun runs[] = {
      {"a line too long after three rows",
       std::string(kRow) + kRow + kRow + std::string((std::size_t{64} << 20) + 1, '7'),
       "The input could not be read after 4 lines: a line is longer than 64 MiB.\n"},
      {"no valid rows", "a\tb\r\n", "No valid lines of data were found!\n"},
  };
  for (const FailedRun& run : runs) {
    SCOPED_TRACE(run.name);
    Write("in.txt", run.input);
    Write("o.txt", "OLD RESULTS\n");
    Write("p.svg", "OLD PLOT\n");
    EXPECT_EQ(Shell("$B --calc 0 --in in.txt --out o.txt --plot p.svg"), 1);
    EXPECT_EQ(Read("stderr.txt").rfind(run.message, 0), 0u);
    EXPECT_EQ(Read("o.txt"), "OLD RESULTS\n");
    EXPECT_EQ(Read("p.svg"), "OLD PLOT\n");
    EXPECT_TRUE(HiddenFiles().empty());
  }
}

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

TEST_F(FileSafetyTest, ReadFailuresAreNamed) {
  // Regression: an unreadable standard input was reported as "No valid lines
  // of data were found!" (a full disk is the jobs tests').
  EXPECT_EQ(Tool("--calc 0 --in - --out o.txt", "< ."), 1);
  EXPECT_EQ(Read("stderr.txt"), "The input could not be read after 0 lines: Is a directory.\n");
  EXPECT_EQ(Tool("--calc 0 --in - --out o.txt", "<&-"), 1);
  EXPECT_EQ(Read("stderr.txt").rfind("The input could not be read after 0 lines: ", 0), 0u);
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
