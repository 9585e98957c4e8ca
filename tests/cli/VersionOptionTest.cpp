// SPDX-License-Identifier: MIT
// lodema-batch --version: which command lines ask for it, and the program's
// answer on its standard streams.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "LodemaVersion.h"
#include "cli/VersionOption.h"

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

struct ProgramAnswer {
  int status = -1;
  std::string out;
};

// Runs the built tool with its standard error joined to standard output.
ProgramAnswer RunTool(const std::string& arguments) {
  const std::string command = "'" LODEMA_BATCH_TOOL "' " + arguments + " 2>&1 </dev/null";
  ProgramAnswer answer;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return answer;
  char buffer[256];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) answer.out.append(buffer, n);
  const int raw = pclose(pipe);
  answer.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return answer;
}

TEST(VersionOptionTest, ProgramPrintsOneLineAndSucceeds) {
  const std::string expected = std::string("lodema-batch ") + Lodema::kLodemaVersion + "\n";
  // A command line that would otherwise be a usage error still gets the
  // version: nothing else is checked first.
  for (const char* arguments : {"--version", "--calc 99 --version", "--version --no-such-option"}) {
    const ProgramAnswer answer = RunTool(arguments);
    EXPECT_EQ(answer.status, 0) << arguments;
    EXPECT_EQ(answer.out, expected) << arguments;
  }
}

TEST(VersionOptionTest, UsageNamesTheVersionOption) {
  const ProgramAnswer answer = RunTool("--help --version");
  EXPECT_EQ(answer.status, 0);
  EXPECT_NE(answer.out.find("lodema-batch --version\n"), std::string::npos) << answer.out;
}

}  // namespace
