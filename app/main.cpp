#include <QApplication>
#include <cstdio>

#include "app/ApplicationIdentity.h"
#include "app/MainWindow.h"

int main(int argc, char** argv) {
  if (Lodema::IsVersionRequest(argc, argv)) {
    std::puts(Lodema::GuiVersionText().toUtf8().constData());
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lodema 4"));
  Lodema::SetApplicationIdentity();
  MainWindow window;
  window.show();
  return QApplication::exec();
}
