// The main window of Lodema.
#pragma once

#include <QMainWindow>

class frmLodem : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmLodem(QWidget* parent = nullptr);
};
