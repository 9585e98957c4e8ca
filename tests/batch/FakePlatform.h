// SPDX-License-Identifier: MIT
// Scripted stand-ins for the desktop services of the file page, and a
// scratch folder for the files a test reads and writes.
#pragma once

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "batch/Platform.h"

namespace Lodema::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageButtons buttons;
  MessageIcon icon;
};

// Records every message box; answers from the script, then with the first
// button.
class FakeMessages : public MessageBoxes {
 public:
  MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons, MessageIcon icon) override {
    shown.push_back({text, title, buttons, icon});
    if (answers.empty())
      return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kYes;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<ShownMessage> shown;
  std::deque<MessageAnswer> answers;
};

// Both dialogs answer from one script; an empty script cancels.
class FakeDialogs : public FileDialogs {
 public:
  std::optional<std::string> AskInputFileName() override { return Next(); }
  std::optional<std::string> AskOutputFileName() override { return Next(); }
  std::deque<std::string> names;

 private:
  std::optional<std::string> Next() {
    if (names.empty()) return std::nullopt;
    std::string name = names.front();
    names.pop_front();
    return name;
  }
};

class FakeClipboard : public Clipboard {
 public:
  bool HasText() const override { return text.has_value(); }
  std::string Text() const override { return text.value_or(""); }
  std::optional<std::string> text;
};

class FakeRetain : public RetainButton {
 public:
  void PressRetain() override { ++presses; }
  int presses = 0;
};

// A folder of its own per test, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("lodema-batch-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
    return File(name);
  }
  static std::string Read(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace Lodema::testing
