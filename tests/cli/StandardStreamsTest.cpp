// SPDX-License-Identifier: MIT
// lodema-batch without --in or --out reads standard input and writes
// standard output: in a shell pipe it gives the very bytes a run between
// files gives, and its standard error stays free of any progress line. Its
// exit status: 1 for a failure, 0 for --help. Outputs are compared
// byte for byte with lines worked out by hand (the golden cases hold the
// rest).
#include <cstdio>
#include <string>
#include <vector>

#include "tests/cli/ToolInFolder.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

class StandardStreamsTest : public Lodema::testing::ToolInFolderTest {
 protected:
  // Runs `before (TOOL args redirections) after` in the scratch folder under
  // the C locale; the tool's standard error and exit status are caught
  // inside the brackets, so that a pipe around it hides neither. out names
  // the file that receives the output.
  Outcome Run(const std::string& before, const std::vector<std::string>& args,
              const std::string& redirections, const std::string& after, const std::string& out) {
    std::string command =
        "cd '" + folder_.File("") + "' && " + before + " (LC_ALL=C '" + LODEMA_BATCH_TOOL + "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " " + redirections + " 2> stderr.txt; echo $? > status.txt) " + after;
    std::system(command.c_str());
    const std::string status = Read("status.txt");
    return {status.empty() ? -1 : std::stoi(status), Read(out), Read("stderr.txt")};
  }
  // The tool with standard input from text and standard output in stdout.txt.
  Outcome Run(const std::vector<std::string>& args, const std::string& input = "") {
    Write("stdin.txt", input);
    return Run("", args, "< stdin.txt > stdout.txt", "", "stdout.txt");
  }
};

struct PipeRow {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  int status;
};

TEST_F(StandardStreamsTest, PipeGivesTheSameBytesAsFiles) {
  const PipeRow rows[] = {
      {"intersection, CR LF input", {"--calc", "0"}, "30\t090\t60\t180\r\n45\t010\t20\t300\r\n", 0},
      {"input copied, captions, non-data kept",
       {"--calc", "0", "--captions", "--retain-input", "--keep-nondata"},
       "30\t090\t60\t180\n* field 2\n45\t010\t20\t300\n",
       0},
      {"headings and input headers",
       {"--calc", "15", "--headings", "--retain-input", "--input-headers", "--delimiter", ","},
       "dip,dipdir\n30,090\n45.5,200\n",
       0},
      {"a rejected row among good ones", {"--calc", "15"}, "30\t090\n95\t100\n40\t010\n", 0},
      {"no data at all", {"--calc", "15"}, "* only a comment\n", 1},
  };
  for (const PipeRow& row : rows) {
    SCOPED_TRACE(row.name);
    Write("in.txt", row.input);
    // A run without a data row leaves its output file as it was, so each row
    // starts without the previous row's files.
    for (const char* name : {"out.txt", "redirected.txt", "piped.txt"}) {
      std::remove(folder_.File(name).c_str());
    }
    std::vector<std::string> withFiles = row.args;
    for (const char* arg : {"--in", "in.txt", "--out", "out.txt"}) withFiles.emplace_back(arg);
    const Outcome files = Run("", withFiles, "", "", "out.txt");
    const Outcome redirected = Run("", row.args, "< in.txt > redirected.txt", "", "redirected.txt");
    const Outcome piped = Run("cat in.txt |", row.args, "", "| cat > piped.txt", "piped.txt");

    EXPECT_EQ(files.status, row.status);
    EXPECT_EQ(redirected.out, files.out);
    EXPECT_EQ(piped.out, files.out);
    for (const Outcome* run : {&redirected, &piped}) {
      EXPECT_EQ(run->status, files.status);
      EXPECT_EQ(run->err, files.err);
      EXPECT_EQ(run->err.find('\r'), std::string::npos);
    }
  }
}

// A file called "-" in the working folder is neither the input nor the
// output of a pipe run, so the run is no "same file" case and leaves it be;
// --quiet changes nothing but the progress line, which a pipe never shows.
TEST_F(StandardStreamsTest, FileNamedDashIsNotTheStandardStreamsAndQuietChangesNothing) {
  Write("-", "keep me\n");
  Write("in.txt", "30\t090\t60\t180\n");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--calc", "0"},
                                               {"--calc", "0", "--in", "-", "--out", "-"},
                                               {"--calc", "0", "--quiet"}}) {
    const Outcome run = Run("", args, "< in.txt > out.txt", "", "out.txt");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "29\t108\r\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Read("-"), "keep me\n");
  }
}

TEST_F(StandardStreamsTest, FailuresExitWithOne) {
  Write("out.txt", "keep me\r\n");
  Outcome run = Run({"--calc", "15", "--in", "missing.txt", "--out", "out.txt"});
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

// (Usage errors exit with 2: the golden cases hold them.)
TEST_F(StandardStreamsTest, HelpSucceeds) { EXPECT_EQ(Run({"--help"}).status, 0); }

}  // namespace
