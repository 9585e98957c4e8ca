// SPDX-License-Identifier: MIT
// A damaged settings file is kept as a copy and starts from the defaults; a
// store that cannot save says so once; a stored window geometry that fits
// no screen is brought onto it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include "app/QtSettingsStore.h"
#include "app/ScreenFit.h"
#include "app/SettingsRepair.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(SettingsRepairTest, UnreadableFilesAreKeptBeforeTheStoreWrites) {
  struct Row {
    const char* name;
    QByteArray bytes;
    bool kept;
  };
  const Row rows[] = {
      {"binary junk", QByteArray::fromHex("7f454c46020101000000"), true},
      {"UTF-16", QByteArray("\xFF\xFE[\0S\0", 6), true},
      {"not UTF-8", QByteArray("[StartUp]\nCalculation=\xE9\n"), true},
      {"readable, with a value out of range", QByteArray("[StartUp]\nCalculation=1e20\n"), false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("Lodema 4.ini"));
    WriteAll(file, row.bytes);
    {
      QtSettingsStore store(dir.path());
      store.Write("Lodema 4", "StartUp", "Calculation", "3");
      EXPECT_EQ(store.BackedUpFiles().size(), row.kept ? 1 : 0);
      store.Sync();
    }
    EXPECT_EQ(QFile::exists(file + QStringLiteral(".bak")), row.kept);
    if (row.kept) {
      EXPECT_EQ(ReadAll(file + QStringLiteral(".bak")), row.bytes);
      // Only what Lodema wrote, none of the junk re-encoded.
      EXPECT_EQ(ReadAll(file), QByteArray("[StartUp]\nCalculation=3\n"));
    }
  }
}

TEST(SettingsRepairTest, ASaveThatFailsIsToldOnce) {
  QTemporaryDir dir;
  // A folder where the file should be: nothing can be saved there.
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Lodema 4.ini")));
  QtSettingsStore store(dir.path());
  QStringList told;
  store.SetSaveProblemHandler([&told](const QString& file) { told << file; });
  store.Write("Lodema 4", "StartUp", "Calculation", "3");
  store.Sync();
  store.Write("Lodema 4", "StartUp", "Calculation", "4");
  store.Sync();
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(settings_repair::SaveProblemText(told[0]).contains(QStringLiteral("Lodema 4.ini")));
}

TEST(SettingsRepairTest, TheNoticeNamesResetKeysAndTheCopy) {
  EXPECT_TRUE(settings_repair::RepairNoticeText({}, {}).isEmpty());
  const QString text = settings_repair::RepairNoticeText({"Calculation", "BottomMark"},
                                                         {QStringLiteral("/x/Lodema 4.ini.bak")});
  EXPECT_TRUE(text.contains(QStringLiteral("/x/Lodema 4.ini.bak")));
  EXPECT_TRUE(text.contains(QStringLiteral("Calculation, BottomMark")));
}

TEST(WindowGeometryTest, AHugeStoredGeometryOpensOnTheScreen) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  QWidget huge;
  huge.setGeometry(-20000, -20000, 32767, 32767);
  const QByteArray stored = huge.saveGeometry();
  QWidget window;
  ASSERT_TRUE(RestoreOnScreen(window, stored));
  EXPECT_TRUE(screen->availableGeometry().contains(window.frameGeometry()));
  EXPECT_FALSE(RestoreOnScreen(window, QByteArray("not a geometry")));
}

}  // namespace
