// SPDX-License-Identifier: MIT
// lodema-batch --version: which command lines ask for it, and the program's
// answer on its standard streams.
#include <string>
#include <vector>

#include "LodemaVersion.h"
#include "cli/VersionOption.h"
#include "tests/cli/ToolInFolder.h"

namespace {

struct VersionRow {
  const char* name;
  std::vector<std::string> arguments;
  bool asksForVersion;
};

TEST(VersionOptionTest, FirstOfVersionAndHelpWins) {
  const VersionRow rows[] = {
      {"alone", {"--version"}, true},
      {"among run options", {"--calc", "0", "--version", "--in", "a.txt"}, true},
      {"before --help", {"--version", "--help"}, true},
      {"after --help", {"--help", "--version"}, false},
      {"after -h", {"-h", "--version"}, false},
      {"no arguments", {}, false},
      {"a run", {"--calc", "0", "--in", "a.txt", "--out", "b.txt"}, false},
      {"only as part of a value", {"--in=--version", "--fix", "3=--version"}, false},
      {"single dash spelling", {"-version"}, false},
      {"with a value", {"--version=1"}, false},
  };
  for (const VersionRow& row : rows) {
    EXPECT_EQ(Lodema::AsksForVersion(row.arguments), row.asksForVersion) << row.name;
  }
}

using VersionOptionProgramTest = Lodema::testing::ToolInFolderTest;

TEST_F(VersionOptionProgramTest, ProgramPrintsOneLineAndSucceeds) {
  const std::string expected = std::string("lodema-batch ") + Lodema::kLodemaVersion + "\n";
  // A command line that would otherwise be a usage error still gets the
  // version: nothing else is checked first.
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--version"}, {"--calc", "99", "--version"}, {"--version", "--no-such-option"}}) {
    EXPECT_EQ(RunTool(args, "> out.txt 2>&1 < /dev/null"), 0) << args[0];
    EXPECT_EQ(Read("out.txt"), expected) << args[0];
  }
}

TEST_F(VersionOptionProgramTest, UsageNamesTheVersionOption) {
  EXPECT_EQ(RunTool({"--help", "--version"}, "> out.txt 2>&1 < /dev/null"), 0);
  EXPECT_NE(Read("out.txt").find("lodema-batch --version\n"), std::string::npos);
}

}  // namespace
