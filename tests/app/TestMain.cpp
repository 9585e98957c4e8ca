// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so whenever a window asks for something it
// cannot do; those notes are noise in the test log.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (previousHandler != nullptr) previousHandler(type, context, message);
}

// The offscreen platform's own screen is 800 x 600, smaller than the main
// window, and clicks beyond its edge are lost: give it a desktop-sized one.
void UseLargeOffscreenScreen(const QTemporaryDir& dir) {
  const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != QStringLiteral("offscreen")) return;
  const QString path = dir.filePath(QStringLiteral("screens.json"));
  QFile file(path);
  if (!dir.isValid() || !file.open(QIODevice::WriteOnly)) return;
  file.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1600, "height": 1000,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit());
}

}  // namespace

// GUI tests need one QApplication for the whole run (offscreen platform).
int main(int argc, char** argv) {
  const QTemporaryDir screenDir;
  UseLargeOffscreenScreen(screenDir);
  previousHandler = qInstallMessageHandler(QuietHandler);
  QApplication app(argc, argv);
  // Results are compared with "." as the decimal character unless a test
  // chooses another locale.
  QLocale::setDefault(QLocale::c());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
