// SPDX-License-Identifier: MIT
// lodema-batch run as a program on small files; outputs compared byte for
// byte with lines worked out by hand.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
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

const std::string kNonDataSummary =
    "Finished, but 1 line of the 3 total lines of data found were non-data lines.\n\n"
    "If this is unexpected then check that the column settings are correct and that the "
    "settings in the Conventions panel are consistent with the file.\n";

TEST_F(EndToEndTest, IntersectionWithInputCopiedAndCaptions) {
  Write("planes.txt", "30\t090\t60\t180\r\n* field 2\r\n45\t010\t20\t300\r\n");
  const ToolRun run = Run({"--calc", "0", "--in", "planes.txt", "--out", "lines.txt", "--captions",
                           "--retain-input", "--keep-nondata"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Read("lines.txt"),
            "\t\t\t\tResult:plunge\tResult:trend\r\n"
            "30\t090\t60\t180\t29\t108\r\n"
            "* field 2\t\t\r\n"
            "45\t010\t20\t300\t20\t301\r\n");
  EXPECT_EQ(run.err, kNonDataSummary);
}

struct ConventionRow {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  std::string output;
};

TEST_F(EndToEndTest, ConventionsThroughStandardStreams) {
  const ConventionRow rows[] = {
      {"strike, dip, sense out",
       {"--calc", "15", "--set", "PlaneConvOut=3", "--captions"},
       "30\t090\r\n45.25\t200\r\n",
       "Result:strike\tResult:dip\tResult:sense\r\n360\t30\tE\r\n110\t45.25\tS\r\n"},
      {"quadrant bearings out",
       {"--calc", "15", "--set", "PlaneConvOut=3", "--set", "QuadrantOut=1"},
       "30\t090\r\n45.25\t200\r\n",
       "N0W\t30\tE\r\nS70E\t45.25\tS\r\n"},
      {"trend first, comma decimals, blank-separated",
       {"--calc", "16", "--delimiter", "space", "--set", "LineConvOut=1", "--set", "QuadrantOut=1",
        "--decimal-char", ","},
       "30 090\n-20   300.5\n",
       "N90E\t30\r\nN59,5W\t-20\r\n"},
      {"sense letters on the dip",
       {"--calc", "15", "--set", "PlaneConvIn=3", "--delimiter", "any", "--map",
        "1,2,2,0,0,0,0,0,0,0,0", "--out-delimiter", ","},
       "120, 45NE\n120 ,45SW\n",
       "45,030\r\n45,210\r\n"},
      {"obtuse angle fixed", {"--calc", "2", "--fix", "6=Y"}, "30\t090\t40\t270\n", "110\r\n"},
      {"acute angle by default", {"--calc", "2"}, "30\t090\t40\t270\n", "70\r\n"},
  };
  for (const ConventionRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> args = row.args;
    for (const char* arg : {"--in", "-", "--out", "-"}) args.emplace_back(arg);
    const ToolRun run = Run(args, row.input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, row.output);
    EXPECT_EQ(run.err, "");
  }
}

TEST_F(EndToEndTest, FailuresExitWithOne) {
  Write("out.txt", "keep me\r\n");
  ToolRun run = Run({"--calc", "15", "--in", "missing.txt", "--out", "out.txt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "lodema-batch: cannot open the input file 'missing.txt'\n");
  EXPECT_EQ(Read("out.txt"), "keep me\r\n");

  run = Run({"--calc", "15", "--in", "-", "--out", "out.txt"}, "* only a comment\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("No valid lines of data were found!\n", 0), 0u);

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
  ToolRun run = Run({"--calc", "0", "--in", "-", "--out", "-", "--bogus"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.rfind("lodema-batch: unknown option '--bogus'\nusage: lodema-batch", 0), 0u);
  EXPECT_EQ(Run({"--help"}).status, 0);

  run = Run({"--calc", "0", "--in", "-", "--out", "-", "--fix", "7=5"}, "30\t090\t60\t180\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(
      run.err.rfind("lodema-batch: --fix: entry box 7 is not used by calculation 0\nusage:", 0),
      0u);

  run = Run({"--calc", "0", "--in", "-", "--out", "-", "--map", "1,2,0,3,9,0,0,0,0,0,0"},
            "30\t090\t60\t180\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(
      run.err.rfind("lodema-batch: --map: column 9 is beyond the 4 columns of the input\n", 0), 0u);
}

}  // namespace
