#include <QApplication>

#include "app/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lodema 4"));
  MainWindow window;
  window.show();
  return QApplication::exec();
}
