// SPDX-License-Identifier: MIT
// lodema-batch run as a program in a scratch folder, under the C locale.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/batch/FakePlatform.h"

namespace Lodema::testing {

class ToolInFolderTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& bytes) { folder_.Write(name, bytes); }
  std::string Read(const std::string& name) const {
    return ScratchFolder::Read(folder_.File(name));
  }

  // Runs the tool with args and the shell redirections given (file names
  // relative to the folder); the tool's exit status, -1 when it did not exit.
  int RunTool(const std::vector<std::string>& args, const std::string& redirections) {
    std::string command = "cd '" + folder_.File("") + "' && LC_ALL=C '" LODEMA_BATCH_TOOL "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " " + redirections;
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  // Runs the tool on input written to in.txt, its standard streams in
  // stdout.txt and stderr.txt.
  int RunOn(const std::vector<std::string>& args, const std::string& input) {
    Write("in.txt", input);
    return RunTool(args, "> stdout.txt 2> stderr.txt");
  }

  // Runs a shell command line in the folder with the tool as $B and its
  // standard error in stderr.txt; the exit status of the line.
  int Shell(const std::string& line) {
    const std::string command = "cd '" + folder_.File("") +
                                "' && B='" LODEMA_BATCH_TOOL "' && export LC_ALL=C && { " + line +
                                " ; } 2> stderr.txt";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  // Temporary files of a run are hidden ones beside its output.
  std::vector<std::string> HiddenFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.File(""))) {
      const std::string name = entry.path().filename().string();
      if (name[0] == '.') names.push_back(name);
    }
    return names;
  }

  ScratchFolder folder_;
};

}  // namespace Lodema::testing
