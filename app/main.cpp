// SPDX-License-Identifier: MIT
#include <QApplication>
#include <cstdio>

#include "app/ApplicationIdentity.h"
#include "app/DataFileArgument.h"
#include "app/MainWindow.h"
#include "app/StartupChecks.h"

int main(int argc, char** argv) {
  if (Lodema::IsVersionRequest(argc, argv)) {
    std::puts(Lodema::GuiVersionText().toUtf8().constData());
    return 0;
  }
  if (Lodema::IsHelpRequest(argc, argv)) {
    std::fputs(Lodema::GuiHelpText().c_str(), stdout);
    return 0;
  }
  if (Lodema::LacksDisplay(argc, argv)) {
    std::fprintf(stderr, "%s\n", Lodema::kNoDisplayMessage);
    return 1;
  }
  Lodema::ReportDisplayFailureInOneLine();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lodema 4"));
  Lodema::SetApplicationIdentity();
  MainWindow window;
  window.show();
  // "Open with Lodema": the file goes on the file page once the window is up,
  // so that a problem with it is reported over the window.
  if (const std::optional<QString> file = DataFileArgument(QApplication::arguments())) {
    window.OpenDataFile(*file);
  }
  return QApplication::exec();
}
