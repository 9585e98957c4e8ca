// SPDX-License-Identifier: MIT
// Lodema's identity on the desktop: --version, --help and a missing display
// answered before any window, and the window icon in every shipped size from
// the program's own resources.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/ApplicationIdentity.h"
#include "app/StartupChecks.h"

namespace {

struct ArgumentsRow {
  const char* name;
  std::vector<const char*> argv;  // argv[0] is the program
  bool isVersionRequest;
};

TEST(ApplicationIdentityTest, VersionRequestAnywhereOnTheCommandLine) {
  const ArgumentsRow rows[] = {
      {"alone", {"lodema", "--version"}, true},
      {"after a file", {"lodema", "data.txt", "--version"}, true},
      {"after Qt options", {"lodema", "-style", "fusion", "--version"}, true},
      {"program name only", {"lodema"}, false},
      {"a data file", {"lodema", "planes.txt"}, false},
      {"a file named like the option", {"lodema", "./--version"}, false},
      {"the program itself named so", {"--version"}, false},
  };
  for (const ArgumentsRow& row : rows) {
    EXPECT_EQ(Lodema::IsVersionRequest(static_cast<int>(row.argv.size()), row.argv.data()),
              row.isVersionRequest)
        << row.name;
  }
}

TEST(ApplicationIdentityTest, IconLoadsInEveryShippedSize) {
  const QIcon icon = Lodema::LodemaIcon();
  ASSERT_FALSE(icon.isNull());
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    // The resource behind each size must be there and decode: a missing one
    // would leave QIcon to scale another size silently.
    const QImage image(QStringLiteral(":/icons/%1x%1/apps/org.lodema.Lodema.png").arg(size));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(size, size));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    // Not blank: the stereonet's outline is opaque at the centre column.
    bool opaque = false;
    for (int y = 0; y < size && !opaque; ++y) opaque = qAlpha(image.pixel(size * 7 / 16, y)) == 255;
    EXPECT_TRUE(opaque);
  }
}

TEST(ApplicationIdentityTest, EveryWindowGetsTheIconAndTheLauncherId) {
  const QIcon before = QApplication::windowIcon();
  Lodema::SetApplicationIdentity();
  const QWidget window;
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_EQ(window.windowIcon().availableSizes().size(), 8);
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.lodema.Lodema"));
  QApplication::setWindowIcon(before);
}

// Sets (or, with no value, removes) an environment variable for one scope.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedVariable() { Set(old_ ? old_->c_str() : nullptr); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  void Set(const char* value) const {
    value != nullptr ? ::setenv(name_, value, 1) : ::unsetenv(name_);
  }
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
