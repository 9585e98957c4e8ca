// SPDX-License-Identifier: MIT
// lodema-batch run as a program on small files; outputs compared byte for
// byte with lines worked out by hand (the golden cases hold the rest).
#include <string>
#include <vector>

#include "tests/cli/ToolInFolder.h"

namespace {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

class EndToEndTest : public Lodema::testing::ToolInFolderTest {
 protected:
  // Runs the tool with stdin from text.
  ToolRun Run(const std::vector<std::string>& args, const std::string& input = "") {
    Write("stdin.txt", input);
    const int status = RunTool(args, "< stdin.txt > stdout.txt 2> stderr.txt");
    return {status, Read("stdout.txt"), Read("stderr.txt")};
  }
};

// Strike, dip and sense out in quadrant bearings (the golden cases take
// another strike notation with them).
TEST_F(EndToEndTest, QuadrantStrikeThroughStandardStreams) {
  const ToolRun run = Run({"--calc", "15", "--set", "PlaneConvOut=3", "--set", "QuadrantOut=1",
                           "--in", "-", "--out", "-"},
                          "30\t090\r\n45.25\t200\r\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "N0W\t30\tE\r\nS70E\t45.25\tS\r\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(EndToEndTest, FailuresExitWithOne) {
  Write("out.txt", "keep me\r\n");
  ToolRun run = Run({"--calc", "15", "--in", "missing.txt", "--out", "out.txt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "lodema-batch: cannot open the input file 'missing.txt'\n");
  EXPECT_EQ(Read("out.txt"), "keep me\r\n");

  run = Run({"--calc", "15", "--in", "-", "--out", "no-folder/out.txt"}, "30\t090\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.err.rfind("There has been a problem opening the output file.\nCheck the filename or the "
                    "drive.\n",
                    0),
      0u);
  EXPECT_NE(run.err.find("out.txt' cannot be written: No such file or directory."),
            std::string::npos);
}

TEST_F(EndToEndTest, UsageErrorsExitWithTwo) {
  const ToolRun run = Run({"--calc", "0", "--in", "-", "--out", "-", "--bogus"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.rfind("lodema-batch: unknown option '--bogus'\nusage: lodema-batch", 0), 0u);
  EXPECT_EQ(Run({"--help"}).status, 0);
}

}  // namespace
