// SPDX-License-Identifier: MIT
// Lodema's identity on the desktop: --version before any display, and the
// window icon in every shipped size from the program's own resources.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <vector>

#include "LodemaVersion.h"
#include "app/ApplicationIdentity.h"

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

TEST(ApplicationIdentityTest, VersionTextNamesTheProgramAndProjectVersion) {
  EXPECT_EQ(Lodema::GuiVersionText(),
            QStringLiteral("lodema ") + QString::fromUtf8(Lodema::kLodemaVersion));
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
  EXPECT_EQ(QApplication::applicationVersion(), QString::fromUtf8(Lodema::kLodemaVersion));
  QApplication::setWindowIcon(before);
}

}  // namespace
