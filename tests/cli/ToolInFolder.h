// SPDX-License-Identifier: MIT
// lodema-batch run as a program in a scratch folder, under the C locale.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
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

  ScratchFolder folder_;
};

}  // namespace Lodema::testing
