#include <QApplication>
#include <gtest/gtest.h>

#include "app/MainWindow.h"

// GUI tests need one QApplication for the whole run (offscreen platform).
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

TEST(MainWindow, TitleNamesTheVersion) {
  frmLodem window;
  EXPECT_EQ(window.windowTitle().toStdString(), "Lodema 4.9.7");
}
