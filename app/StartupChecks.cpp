// SPDX-License-Identifier: MIT
#include "app/StartupChecks.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Lodema {

namespace {

bool Named(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

QtMessageHandler qtHandler = nullptr;

void OneLineForDisplayFailures(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
  if (type == QtFatalMsg && (message.contains(QStringLiteral("platform plugin")) ||
                             message.contains(QStringLiteral("connect to display")))) {
    std::fprintf(stderr, "%s\n", kNoDisplayMessage);
    std::_Exit(1);
  }
  if (qtHandler != nullptr) qtHandler(type, context, message);
}

}  // namespace

bool IsHelpRequest(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == nullptr) continue;
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  }
  return false;
}

std::string GuiHelpText() {
  return "usage: lodema [FILE]\n"
         "       lodema --help\n"
         "       lodema --version\n"
         "\n"
         "Opens Lodema's main window; a data FILE goes on the file page.\n"
         "The standard Qt options (-platform NAME, -style NAME) are accepted.\n"
         "Runs without a window: lodema-batch --help.\n";
}

bool LacksDisplay(int argc, const char* const* argv) {
  if (Named("DISPLAY") || Named("WAYLAND_DISPLAY") || Named("QT_QPA_PLATFORM")) return false;
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == nullptr) continue;
    if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0) {
      return false;
    }
  }
  return true;
}

void ReportDisplayFailureInOneLine() {
  qtHandler = qInstallMessageHandler(OneLineForDisplayFailures);
}

}  // namespace Lodema
