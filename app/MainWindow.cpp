#include "app/MainWindow.h"

frmLodem::frmLodem(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Lodema 4.9.7"));
  resize(1024, 700);
}
