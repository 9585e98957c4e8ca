// SPDX-License-Identifier: MIT
// Golden-output regression test of lodema-batch: every case file under
// tests/cli/golden/ holds the arguments and input of one run, then the exit
// status, standard output, standard error and output file that run gave when
// the file was last accepted. Each case is run again and compared byte for
// byte, so any change in what a calculation writes shows up here.
//
// To accept new behaviour on purpose, rewrite the expected parts with
//   LODEMA_UPDATE_GOLDEN=1 ctest -R Golden
// and review the change with `git diff tests/cli/golden`.
//
// Case file format: a sequence of blocks "NAME LENGTH\n" + LENGTH bytes + "\n".
// Given blocks: "args" (one argument a line), "input" (the bytes of in.txt and
// of standard input), optional "existing-output" (out.txt before the run).
// Expected blocks, written by the update: "exit", "stdout", "stderr" and, when
// the run left one, "output" (out.txt after the run).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/batch/FakePlatform.h"

namespace {

namespace fs = std::filesystem;

struct Block {
  std::string name;
  std::string bytes;
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Parses the blocks of a case file; an empty list when the file is malformed.
std::vector<Block> ParseBlocks(const std::string& text, std::string& problem) {
  std::vector<Block> blocks;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t eol = text.find('\n', at);
    const std::size_t space = text.find(' ', at);
    if (eol == std::string::npos || space == std::string::npos || space > eol) {
      problem = "malformed block header at byte " + std::to_string(at);
      return {};
    }
    Block block;
    block.name = text.substr(at, space - at);
    const std::size_t length = std::stoul(text.substr(space + 1, eol - space - 1));
    if (eol + 1 + length + 1 > text.size() || text[eol + 1 + length] != '\n') {
      problem = "block '" + block.name + "' runs past the end of the file";
      return {};
    }
    block.bytes = text.substr(eol + 1, length);
    blocks.push_back(std::move(block));
    at = eol + 1 + length + 1;
  }
  return blocks;
}

std::string FormatBlock(const std::string& name, const std::string& bytes) {
  return name + " " + std::to_string(bytes.size()) + "\n" + bytes + "\n";
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char ch : text) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(LODEMA_GOLDEN_DIR)) {
    if (entry.path().extension() == ".case") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class GoldenOutputTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenOutputTest, MatchesStoredRun) {
  const fs::path casePath = fs::path(LODEMA_GOLDEN_DIR) / (GetParam() + ".case");
  std::string problem;
  const std::vector<Block> blocks = ParseBlocks(ReadBytes(casePath), problem);
  ASSERT_TRUE(problem.empty()) << casePath << ": " << problem;
  std::map<std::string, std::string> given;
  for (const Block& block : blocks) given[block.name] = block.bytes;
  ASSERT_TRUE(given.count("args") && given.count("input")) << casePath << " lacks args or input";

  const Lodema::testing::ScratchFolder folder;
  folder.Write("in.txt", given["input"]);
  const bool hadOutput = given.count("existing-output") > 0;
  if (hadOutput) folder.Write("out.txt", given["existing-output"]);

  std::string command =
      "cd " + ShellQuoted(folder.File("")) + " && LC_ALL=C " + ShellQuoted(LODEMA_BATCH_TOOL);
  for (const std::string& arg : SplitLines(given["args"])) command += " " + ShellQuoted(arg);
  command += " < in.txt > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw)) << "the tool did not exit normally: " << raw;

  std::vector<Block> actual = {
      {"exit", std::to_string(WEXITSTATUS(raw))},
      {"stdout", ReadBytes(folder.File("stdout.txt"))},
      {"stderr", ReadBytes(folder.File("stderr.txt"))},
  };
  if (fs::exists(folder.File("out.txt")))
    actual.push_back({"output", ReadBytes(folder.File("out.txt"))});

  const char* update = std::getenv("LODEMA_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::string text;
    for (const Block& block : blocks) {
      if (block.name == "args" || block.name == "input" || block.name == "existing-output") {
        text += FormatBlock(block.name, block.bytes);
      }
    }
    for (const Block& block : actual) text += FormatBlock(block.name, block.bytes);
    std::ofstream(casePath, std::ios::binary) << text;
    return;
  }

  std::vector<std::string> expectedNames;
  for (const Block& block : blocks) {
    if (block.name != "args" && block.name != "input" && block.name != "existing-output") {
      expectedNames.push_back(block.name);
    }
  }
  std::vector<std::string> actualNames;
  for (const Block& block : actual) actualNames.push_back(block.name);
  EXPECT_EQ(expectedNames, actualNames) << "the run left different parts (an output file or not)";
  for (const Block& block : actual) {
    if (!given.count(block.name)) continue;
    // gtest shows the lines that differ, with their tabs and CRs visible.
    EXPECT_EQ(given[block.name], block.bytes) << block.name << " differs";
  }
}

std::string CaseTestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenOutputTest, ::testing::ValuesIn(CaseNames()), CaseTestName);

}  // namespace
