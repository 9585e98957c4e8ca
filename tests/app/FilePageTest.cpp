// SPDX-License-Identifier: MIT
// The file page: choosing a source, the preview and column lists, a batch
// run over a file or pasted text, and the output file it writes.
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "AppFixture.h"
#include "app/ElidedLabel.h"
#include "app/ResultPanel.h"
#include "app/SurveyFrame.h"
#include "model/FilePage.h"

namespace {

using FilePageTest = FilePageFixture;

TEST_F(FilePageTest, BrowseShowsThePreviewAndARunWritesOneLinePerRow) {
  ChooseInput(QStringLiteral("in.txt"), "30\t120\r\n45\t200\r\n");
  EXPECT_EQ(files->FileName(0)->text().toStdString(), Path(QStringLiteral("in.txt")));
  EXPECT_EQ(files->FileName(1)->text(), files->FileName(0)->text());
  QTableWidget* grid = files->Grid();
  EXPECT_TRUE(grid->isVisible());
  EXPECT_EQ(grid->columnCount(), 2);
  EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("200"));
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("1"));
  EXPECT_EQ(files->Columns(0)->currentText(), QStringLiteral("1"));
  EXPECT_EQ(files->Columns(1)->currentText(), QStringLiteral("2"));
  EXPECT_FALSE(files->Columns(3)->isVisible());  // window B is not used by 15
  EXPECT_TRUE(files->StartInput(0)->isVisible());
  Click(files->StartInput(0));
  EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), QByteArray("30\t120\r\n45\t200\r\n"));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(files->StartInput(0)->text(), QStringLiteral("Start"));
  EXPECT_TRUE(files->StartInput(0)->styleSheet().contains(QStringLiteral("rgb(0, 128, 0)")));
  EXPECT_FALSE(files->Counter()->isVisible());
  // The last row stays in the windows.
  EXPECT_EQ(window->Entries()->Box(0)->text(), QStringLiteral("45"));
  EXPECT_EQ(window->Results()->Value(1)->text(), QStringLiteral("200"));
}

// Regression: the summary must open over the finished run (the last row in
// the windows, the counter put away), not over what was last painted. Its
// texts are the batch tests'.
TEST_F(FilePageTest, SummaryOpensOverTheFinishedRun) {
  ChooseInput(QStringLiteral("in.txt"), "* comment\r\n30\t120\r\n; note\r\n45\t200\r\n60\t010\r\n");
  QString captionDuringRun;
  QString boxShown;
  QString countShown;
  bool counterShown = true;
  messages.onShow = [&] {
    captionDuringRun = files->StartInput(1)->text();
    boxShown = window->Entries()->Box(0)->text();
    countShown = files->CounterLabel()->text();
    counterShown = files->Counter()->isVisibleTo(files->Page());
  };
  Click(files->StartInput(1));
  EXPECT_EQ(captionDuringRun, QStringLiteral("Wait.."));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Lodema");
  EXPECT_EQ(messages.shown[0].icon, Lodema::MessageIcon::kExclamation);
  EXPECT_EQ(boxShown, QStringLiteral("60"));
  EXPECT_EQ(countShown, QStringLiteral("5"));
  EXPECT_FALSE(counterShown);
  EXPECT_EQ(files->StartInput(1)->text(), QStringLiteral("Start input"));
}

// Regression: the column lists must follow the entry boxes when a
// convention or a reference option, not a selection, changes them.
TEST_F(FilePageTest, ColumnListsFollowTheBoxesAConventionShows) {
  ChooseInput(QStringLiteral("in.txt"), "30\t120\tSE\t10\r\n");
  QWidget* page = files->Page();
  EXPECT_FALSE(files->Columns(2)->isVisibleTo(page));
  Click(window->Conventions()->InPlane(3));  // "Strike, Dip, Sense": a third box
  EXPECT_TRUE(files->Columns(2)->isVisibleTo(page));
  Click(window->Conventions()->InPlane(1));
  EXPECT_FALSE(files->Columns(2)->isVisibleTo(page));

  Click(window->Calculations()->Button(20));
  EXPECT_FALSE(files->Columns(8)->isVisibleTo(page));  // known dip direction: no box 8
  Click(window->Entries()->RefOption(2));              // fold axis: plunge in box 8
  EXPECT_TRUE(files->Columns(8)->isVisibleTo(page));
}

TEST_F(FilePageTest, PastedRowsRunLikeAFile) {
  clipboard.text = "30\t120\r\n45\t200\r\n\r\n60\t010\r\n";
  // The window's Paste item and the page's own menu do the same.
  for (QAction* paste : {window->PasteAction(), files->PasteMenu()->actions().first()}) {
    SCOPED_TRACE(paste->text().toStdString());
    paste->trigger();
    EXPECT_EQ(files->FileName(0)->text(), QStringLiteral("Paste data from clipboard"));
    EXPECT_EQ(files->Grid()->columnCount(), 2);
    Click(files->StartInput(1));
    EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), QByteArray("30\t120\r\n45\t200\r\n60\t010\r\n"));
    EXPECT_TRUE(messages.shown.empty());
  }
}

// The column lists: a duplicate shows the mismatch, a click in the grid
// writes its column into the active list, and a window fixed by hand needs
// none.
TEST_F(FilePageTest, ColumnListsMismatchGridClicksAndManualFix) {
  ChooseInput(QStringLiteral("in.txt"), "30\t120\t7\r\n");
  EXPECT_FALSE(files->Mismatch()->isVisible());
  files->Columns(1)->setCurrentIndex(1);
  emit files->Columns(1)->activated(1);
  EXPECT_TRUE(files->Mismatch()->isVisible());

  QComboBox* list = files->Columns(0);
  Click(list);
  list->hidePopup();
  EXPECT_TRUE(list->styleSheet().contains(QStringLiteral("yellow")));
  QTableWidget* grid = files->Grid();
  const QRect cell = grid->visualItemRect(grid->item(0, 2));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  EXPECT_EQ(list->currentText(), QStringLiteral("3"));
  EXPECT_FALSE(list->styleSheet().contains(QStringLiteral("yellow")));

  Click(files->ManualFix(0));
  EXPECT_FALSE(files->Columns(0)->isVisible());
  Click(files->ManualFix(0));
  EXPECT_TRUE(files->Columns(0)->isVisible());
}

TEST_F(FilePageTest, DoubleClickOnTheNameBrowses) {
  WriteFile(QStringLiteral("in.txt"), "30\t120\r\n");
  dialogs.inputNames.push_back(Path(QStringLiteral("in.txt")));
  QTest::mouseDClick(files->FileName(0), Qt::LeftButton);
  EXPECT_EQ(files->FileName(0)->text().toStdString(), Path(QStringLiteral("in.txt")));
}

TEST_F(FilePageTest, SaveResultWithoutOutputNameAsksForOne) {
  QTest::keyClicks(window->Entries()->Box(0), QStringLiteral("30"));
  QTest::keyClicks(window->Entries()->Box(1), QStringLiteral("120"));
  files->Output()->FileName()->selectAll();
  QTest::keyClick(files->Output()->FileName(), Qt::Key_Backspace);  // the user empties the box
  dialogs.outputNames.push_back(Path(QStringLiteral("saved.txt")));
  Click(files->Output()->SaveResult());
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown[0].text, "No file has been selected");
  EXPECT_EQ(messages.shown[0].icon, Lodema::MessageIcon::kCritical);
  EXPECT_EQ(ReadFile(QStringLiteral("saved.txt")), QByteArray("30\t120\r\n"));
  EXPECT_EQ(files->Output()->CurrentFile()->text().toStdString(),
            Path(QStringLiteral("saved.txt")));
}

TEST_F(FilePageTest, OutputOptionsFollowTheirCouplings) {
  ChooseInput(QStringLiteral("in.txt"), "30\t120\r\n");
  QCheckBox* retain = files->Output()->Option(0);
  Click(retain);
  EXPECT_TRUE(files->Output()->Option(1)->isEnabled());
  Click(files->Output()->Option(1));  // results first
  EXPECT_TRUE(files->Output()->Option(1)->isChecked());
  EXPECT_FALSE(files->Output()->Option(2)->isChecked());
  Click(files->StartInput(0));
  EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), QByteArray("30\t120\t30\t120\r\n"));
}

// Regression: closing the window in the middle of a run must neither end
// the run nor lose its rows.
TEST_F(FilePageTest, CloseRequestDuringARunIsRefused) {
  QByteArray rows;
  for (int i = 0; i < 500; ++i) rows += "30\t120\r\n";
  ChooseInput(QStringLiteral("in.txt"), rows);
  bool closedDuringRun = true;
  QTimer::singleShot(0, window.get(), [&] { closedDuringRun = window->close(); });
  Click(files->StartInput(0));
  EXPECT_FALSE(closedDuringRun);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(ReadFile(QStringLiteral("out.txt")).count('\n'), 500);
}

// A clean run used to end in silence; a long one wrapped the five-digit counter.
TEST_F(FilePageTest, CleanRunEndsWithAStatusLineAndTheWholeCount) {
  QByteArray rows;
  for (int i = 0; i < 100123; ++i) rows += "30\t120\r\n";
  ChooseInput(QStringLiteral("in.txt"), rows);
  Click(files->StartInput(1));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(ReadFile(QStringLiteral("out.txt")).count('\n'), 100123);
  EXPECT_EQ(window->FilePageModel().Controls().processedCount, 100123);
  EXPECT_EQ(files->CounterLabel()->text(), QStringLiteral("100123"));
  EXPECT_EQ(files->RunStatus()->text().toStdString(),
            "100123 rows written to " + Path(QStringLiteral("out.txt")));
}

TEST_F(FilePageTest, HeadingsBoxFollowsTheFirstRowOfEachSource) {
  const struct {
    const char* name;
    QByteArray bytes;
    bool headings;
  } sources[] = {
      {"names over numbers", "Dip\tDipDir\r\n30\t120\r\n45\t200\r\n", true},
      {"numbers only", "30\t120\r\n45\t200\r\n", false},
      {"names again", "dip\taz\r\n30\t120\r\n", true},
  };
  int file = 0;
  for (const auto& source : sources) {
    ChooseInput(QStringLiteral("in%1.txt").arg(++file), source.bytes);
    EXPECT_EQ(files->TableHeadings()->isChecked(), source.headings) << source.name;
    EXPECT_EQ(window->FilePageModel().Controls().tableHeadingsBox.checked, source.headings)
        << source.name;
  }
  // The guess is only a start: the user's untick stands and the names
  // become a row of the preview.
  Click(files->TableHeadings());
  EXPECT_FALSE(files->TableHeadings()->isChecked());
  EXPECT_EQ(files->Grid()->item(0, 0)->text(), QStringLiteral("dip"));
}

TEST_F(FilePageTest, RunStatusIsElidedAndClearedByAnotherSource) {
  const QString longName = QString(120, QLatin1Char('o')) + QStringLiteral(".txt");
  SetOutputFile(longName);
  ChooseInput(QStringLiteral("in.txt"), "30\t120\r\n45\t200\r\n");
  window->resize(1024, 640);
  QApplication::processEvents();
  Click(files->StartInput(0));
  const std::string whole = "2 rows written to " + Path(longName);
  EXPECT_EQ(files->RunStatus()->text().toStdString(), whole);
  EXPECT_EQ(files->RunStatus()->toolTip().toStdString(), whole);
  // The page does not widen for it: nothing to scroll sideways.
  QApplication::processEvents();
  const auto* area = qobject_cast<const QScrollArea*>(window->Tabs()->currentWidget());
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
  const QString shown = static_cast<ElidedLabel*>(files->RunStatus())->ShownText();
  EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();

  ChooseInput(QStringLiteral("other.txt"), "1\t2\r\n");
  EXPECT_TRUE(files->RunStatus()->text().isEmpty());
}

// The survey frame shows for core calculations only; a log runs with the
// axis from the survey chosen with it.
TEST_F(FilePageTest, SurveyFrameGivesCoreRunsTheirAxis) {
  EXPECT_FALSE(files->Survey()->isVisible());
  Click(window->Calculations()->Button(17));
  ASSERT_TRUE(files->Survey()->isVisible());
  ChooseInput(QStringLiteral("log.txt"), "DH1\t0\t120\t40\r\nDH1\t50\t120\t40\r\n");
  WriteFile(QStringLiteral("survey.txt"), "DH1\t0\t90\t60\r\nDH1\t100\t90\t50\r\n");
  dialogs.inputNames.push_back(Path(QStringLiteral("survey.txt")));
  Click(files->Survey()->SurveyButton());
  EXPECT_EQ(files->Survey()->SurveyName()->text().toStdString(),
            Path(QStringLiteral("survey.txt")));
  files->Survey()->HoleColumn()->activated(1);
  files->Survey()->DepthColumn()->activated(2);
  files->Columns(0)->activated(3);
  files->Columns(1)->activated(4);
  dialogs.inputNames.push_back(Path(QStringLiteral("survey.txt")));
  Click(files->Survey()->SurveyButton());
  EXPECT_EQ(files->Survey()->Status()->text(), QStringLiteral("1 hole and 2 stations read"));
  Click(files->StartInput(0));
  // Axes 60/090 at the collar and 55/090 halfway (a bend in a vertical plane).
  EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), QByteArray("69\t225\r\n72\t226\r\n"));
}

}  // namespace
