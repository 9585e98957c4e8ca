// SPDX-License-Identifier: MIT
// `lodema --help` and `lodema` without a display answer in a line or two
// instead of opening a window or aborting inside Qt.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/StartupChecks.h"

namespace {

// Sets (or, with no value, removes) an environment variable for one scope.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedVariable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(StartupChecksTest, HelpAndMissingDisplaysAreFoundBeforeQt) {
  const char* help[] = {"lodema", "data.txt", "--help"};
  const char* shortHelp[] = {"lodema", "-h"};
  const char* file[] = {"lodema", "data.txt"};
  EXPECT_TRUE(Lodema::IsHelpRequest(3, help));
  EXPECT_TRUE(Lodema::IsHelpRequest(2, shortHelp));
  EXPECT_FALSE(Lodema::IsHelpRequest(2, file));

  const ScopedVariable display("DISPLAY", nullptr);
  const ScopedVariable wayland("WAYLAND_DISPLAY", nullptr);
  {
    const ScopedVariable platform("QT_QPA_PLATFORM", nullptr);
    EXPECT_TRUE(Lodema::LacksDisplay(2, file));
    const char* chosen[] = {"lodema", "-platform", "offscreen"};
    EXPECT_FALSE(Lodema::LacksDisplay(3, chosen));
    const ScopedVariable x("DISPLAY", ":0");
    EXPECT_FALSE(Lodema::LacksDisplay(2, file));
  }
  const ScopedVariable platform("QT_QPA_PLATFORM", "offscreen");
  EXPECT_FALSE(Lodema::LacksDisplay(2, file));
}

}  // namespace
