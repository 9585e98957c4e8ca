// SPDX-License-Identifier: MIT
// Stopping a long batch run from the window: "Wait.." or Escape ends it
// after the row in hand, the rows written so far stay in the output file,
// and nothing else the user does reaches the window while it runs.

#include "AppFixture.h"

namespace {

constexpr int kRows = 250;

// Calculation 15 copies each plane through: row i reads "30<TAB>(100 + i)".
QByteArray Rows(int first, int last) {
  QByteArray text;
  for (int i = first; i <= last; ++i) text += "30\t" + QByteArray::number(100 + i) + "\r\n";
  return text;
}

class BatchStopTest : public FilePageFixture {
 protected:
  void SetUp() override {
    FilePageFixture::SetUp();
    ChooseInput(QStringLiteral("in.txt"), Rows(1, kRows));
  }
  // Runs from "Start input" button, doing what at the row-th row.
  void RunWith(int button, int row, const std::function<void()>& what) {
    const QMetaObject::Connection hook =
        QObject::connect(window.get(), &MainWindow::batchRowStarted, [row, what](qint64 count) {
          if (count == row) what();
        });
    Click(files->StartInput(button));
    QObject::disconnect(hook);
  }
};

struct StopRow {
  const char* name;
  int button;  // the "Start input" pressed
  std::function<void(MainWindow&)> stop;
};

TEST_F(BatchStopTest, WaitButtonAndEscapeStopAfterTheRowInHand) {
  const StopRow rows[] = {
      {"Wait.. on the file page", 0, [](MainWindow& w) { Click(w.Files()->StartInput(0)); }},
      {"Wait.. under the results", 1, [](MainWindow& w) { Click(w.Files()->StartInput(1)); }},
      {"Escape in an entry box", 0,
       [](MainWindow& w) { QTest::keyClick(w.Entries()->Box(0), Qt::Key_Escape); }},
      {"Escape on the window", 1, [](MainWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
  };
  constexpr int kStopAt = 40;
  for (const StopRow& row : rows) {
    SCOPED_TRACE(row.name);
    messages.shown.clear();
    QString caption;
    RunWith(row.button, kStopAt, [&] {
      caption = files->StartInput(row.button)->text();
      row.stop(*window);
    });
    EXPECT_EQ(caption, QStringLiteral("Wait.."));
    EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), Rows(1, kStopAt));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Stopped by the user after line 40.\r\n"
              "40 rows of data were written to the output file.");
    EXPECT_FALSE(window->Model().BatchRunning());
    EXPECT_EQ(files->StartInput(row.button)->text(),
              row.button == 0 ? QStringLiteral("Start") : QStringLiteral("Start input"));
    EXPECT_FALSE(files->Counter()->isVisible());
  }
  // The next run goes to the end.
  messages.shown.clear();
  Click(files->StartInput(0));
  EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), Rows(1, kRows));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BatchStopTest, NothingButTheStopReachesTheWindowDuringARun) {
  RunWith(1, 10, [&] {
    Click(window->Calculations()->Button(5));
    QTest::keyClicks(window->Entries()->Box(0), QStringLiteral("77"));
    Click(files->StartInput(0));  // the other "Start input": not the running one
    QTest::mouseClick(window->Tabs()->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      window->Tabs()->tabBar()->tabRect(0).center());
  });
  EXPECT_EQ(window->Model().Calculation(), 15);
  EXPECT_EQ(window->Tabs()->currentIndex(), 3);
  EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), Rows(1, kRows));
  EXPECT_TRUE(messages.shown.empty());
  // Afterwards the window answers again.
  Click(window->Calculations()->Button(5));
  EXPECT_EQ(window->Model().Calculation(), 5);
}

}  // namespace
