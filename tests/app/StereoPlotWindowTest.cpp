// SPDX-License-Identifier: MIT
// The stereonet window driven through the main window: showing and hiding
// it, its options and menus, the read-out, retention, the type question,
// the clipboard copies, a batch run feeding it, its settings and its files.
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinter>
#include <cmath>

#include "AppFixture.h"
#include "app/PlotTypeQuestion.h"
#include "app/StereoLegendView.h"
#include "app/StereoPlotArea.h"
#include "app/StereoPlotDock.h"
#include "app/StereoPlotWindow.h"

namespace Plot = Lodema::Plot;

namespace {

class StereoPlotTest : public StartedAppFixture {
 protected:
  StereoPlotWindow* Plot() const { return window->StereoPlot(); }
  QCheckBox* ShowBox() const { return window->Conventions()->ShowStereo(); }
  void ClickShowBox() {
    window->Tabs()->setCurrentIndex(2);
    Click(ShowBox());
  }
  // Calculation 15 passes a plane through, 16 a line.
  void Enter(int calculation, const QString& first, const QString& second) {
    window->Tabs()->setCurrentIndex(0);
    if (window->Model().Calculation() != calculation) {
      Click(window->Calculations()->Button(calculation));
    }
    Retype(window->Entries()->Box(0), first);
    Retype(window->Entries()->Box(1), second);
  }
};

TEST_F(StereoPlotTest, ShownAndHiddenByTheBoxAndByTheFrame) {
  EXPECT_FALSE(Plot()->isVisible());
  ClickShowBox();
  ASSERT_TRUE(Plot()->isVisible());
  EXPECT_TRUE(window->Model().settings().gStereoShowing);
  EXPECT_NE(Plot()->windowTitle(), QStringLiteral("untitled"));
  ClickShowBox();
  EXPECT_FALSE(Plot()->isVisible());
  EXPECT_FALSE(window->Model().settings().gStereoShowing);

  ClickShowBox();
  Plot()->Container()->close();  // the dock's frame
  EXPECT_FALSE(Plot()->isVisible());
  EXPECT_FALSE(ShowBox()->isChecked());
  EXPECT_FALSE(window->Model().settings().gStereoShowing);

  ClickShowBox();
  Plot()->CloseItem()->trigger();  // "Clos&e"
  EXPECT_FALSE(ShowBox()->isChecked());
}

TEST_F(StereoPlotTest, CaptionFollowsTheCalculationWithOneAmpersand) {
  ClickShowBox();
  Click(window->Calculations()->Button(0));  // "... planes A && B"
  EXPECT_EQ(Plot()->windowTitle(), QStringLiteral("Line of intersection between planes A & B"));
  // Windows C and D are not used by calculation 0: their Show items and
  // choices are disabled and unticked, and come back with a calculation
  // that uses them as the user left them.
  for (int kind : {3, 4}) {
    for (QAction* item : {Plot()->ShowItem(kind), Plot()->ShowChoice(kind)}) {
      SCOPED_TRACE(item->objectName().toStdString());
      EXPECT_FALSE(item->isEnabled());
      EXPECT_FALSE(item->isChecked());
    }
    EXPECT_FALSE(Plot()->View().shown[kind]);
  }
  EXPECT_TRUE(Plot()->ShowItem(2)->isEnabled());
  EXPECT_TRUE(Plot()->ShowItem(2)->isChecked());
  Plot()->ShowItem(2)->trigger();             // B hidden by the user
  Click(window->Calculations()->Button(21));  // uses windows A to D
  for (int kind = 0; kind < 5; ++kind) {
    SCOPED_TRACE(kind);
    EXPECT_TRUE(Plot()->ShowItem(kind)->isEnabled());
    EXPECT_EQ(Plot()->ShowItem(kind)->isChecked(), kind != 2);
    EXPECT_EQ(Plot()->ShowChoice(kind)->isChecked(), kind != 2);
  }
}

TEST_F(StereoPlotTest, MenuItemsAndToolBarChoicesMirrorEachOther) {
  ClickShowBox();
  struct Row {
    const char* name;
    QAction* item;
    QComboBox* choice;
    int index;
    std::function<bool()> applied;
  };
  StereoPlotWindow* p = Plot();
  const std::vector<Row> rows = {
      {"equal angle", p->PlotTypeItem(2), p->PlotTypeChoice(), 1,
       [p] { return p->PlotType() == Plot::ProjectionType::kEqualAngle; }},
      {"equal area", p->PlotTypeItem(1), p->PlotTypeChoice(), 0,
       [p] { return p->PlotType() == Plot::ProjectionType::kEqualArea; }},
      {"poles", p->PlaneItem(1), p->PlaneChoice(), 1, [p] { return p->PlaneSymbol() == 1; }},
      {"great circles", p->PlaneItem(0), p->PlaneChoice(), 0,
       [p] { return p->PlaneSymbol() == 0; }},
      {"polar axes", p->AxesItem(3), p->AxesStyleChoice(), 3,
       [p] { return p->PlotAxesStyle() == Plot::AxesStyle::kPolarAxes; }},
      {"quadrant ticks", p->AxesItem(1), p->AxesStyleChoice(), 1,
       [p] { return p->PlotAxesStyle() == Plot::AxesStyle::kQuadrantTicks; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.item->trigger();
    EXPECT_EQ(row.choice->currentIndex(), row.index);
    EXPECT_TRUE(row.item->isChecked());
    EXPECT_TRUE(row.applied());
  }
  // And the other way round: a choice in the tool bar ticks its item alone.
  p->AxesStyleChoice()->setFocus();
  QTest::keyClick(p->AxesStyleChoice(), Qt::Key_Down);  // quadrant ticks -> quadrant axes
  EXPECT_TRUE(p->AxesItem(2)->isChecked());
  EXPECT_FALSE(p->AxesItem(1)->isChecked());
  EXPECT_EQ(p->PlotAxesStyle(), Plot::AxesStyle::kQuadrantAxes);

  // The graduations of the axes move with the projection.
  p->PlotTypeItem(1)->trigger();
  const QImage area = p->PlotImage(400, Plot::kWhite);
  p->PlotTypeItem(2)->trigger();
  EXPECT_NE(area, p->PlotImage(400, Plot::kWhite));

  // Show items and the tool bar's Show choices.
  p->ShowItem(2)->trigger();
  EXPECT_FALSE(p->ShowChoice(2)->isChecked());
  EXPECT_FALSE(p->View().shown[2]);
  p->ShowChoice(2)->trigger();
  EXPECT_TRUE(p->ShowItem(2)->isChecked());
  EXPECT_TRUE(p->View().shown[2]);
}

TEST_F(StereoPlotTest, NumberItemTogglesTheCountLabel) {
  ClickShowBox();
  Enter(15, QStringLiteral("30"), QStringLiteral("120"));
  Click(Plot()->RetentionButton(0));
  QAction* item = Plot()->ShowNumberItem();
  EXPECT_TRUE(Plot()->CountLabel()->isVisibleTo(Plot()));
  EXPECT_EQ(Plot()->CountLabel()->text(), QStringLiteral(" 1"));
  item->trigger();
  EXPECT_FALSE(Plot()->CountLabel()->isVisibleTo(Plot()));
  EXPECT_TRUE(item->text().startsWith(QStringLiteral("Show")));
  item->trigger();
  EXPECT_TRUE(Plot()->CountLabel()->isVisibleTo(Plot()));
}

// The read-out's texts are the plot's (tests/plot); here the mouse reaches it.
TEST_F(StereoPlotTest, ReadoutFollowsTheMouse) {
  // Through the mouse: the centre of the plot, then off the plot.
  ClickShowBox();
  QWidget* area = Plot()->PlotWidget();
  auto moveTo = [area](QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area, &move);
  };
  moveTo(QPointF(area->width() / 2.0, area->height() / 2.0));
  EXPECT_EQ(Plot()->Readout()->text(), QStringLiteral("90-000  (Plane: 0/180)"));
  moveTo(QPointF(1, 1));
  EXPECT_EQ(Plot()->Readout()->text(), QString());
}

TEST_F(StereoPlotTest, ResultsRetainedClearedWithTheButtonsEnabledAsTheyShouldBe) {
  ClickShowBox();
  QPushButton* retain = Plot()->RetentionButton(0);
  EXPECT_FALSE(retain->isEnabled());
  Enter(15, QStringLiteral("30"), QStringLiteral("120"));
  EXPECT_TRUE(Plot()->Store().NewDataPending());
  EXPECT_EQ(Plot()->Store().TypeCode(Plot::kResult), Plot::kTypePlane);
  EXPECT_TRUE(retain->isEnabled());
  Click(retain);
  Enter(15, QStringLiteral("45"), QStringLiteral("200"));
  Click(retain);
  Click(retain);  // nothing new: no third set
  EXPECT_EQ(Plot()->Store().RetainedCount(), 2);
  EXPECT_EQ(Plot()->CountLabel()->text(), QStringLiteral(" 2"));

  Click(Plot()->RetentionButton(1));  // "Clear last"
  EXPECT_EQ(Plot()->Store().RetainedCount(), 1);
  Click(Plot()->RetentionButton(2));  // "Clear all"
  EXPECT_TRUE(Plot()->Store().IsEmpty());
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Plot()->RetentionButton(i)->isEnabled());
}

// Asked as a person typing is asked: in a bar above the plot, where every
// key reaches the entry box, the bar follows the latest result, and its
// choices act as the message box's (each answer's effect on the store is
// the plot store test's).
TEST_F(StereoPlotTest, TypeMismatchQuestionAndEachAnswer) {
  struct Row {
    const char* name;
    int choice;  // in the bar: Abort, Retry, Ignore
    int retainedAfter;
    int resultTypeAfter;
  };
  const std::vector<Row> rows = {
      {"abort", 0, 1, Plot::kTypePlane},
      {"ignore", 2, 1, Plot::kTypePlane},
      {"retry", 1, 0, Plot::kTypeLine},
  };
  ClickShowBox();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Click(Plot()->RetentionButton(2));
    Enter(15, QStringLiteral("30"), QStringLiteral("120"));
    Click(Plot()->RetentionButton(0));
    Enter(16, QStringLiteral("20"), QStringLiteral("300"));  // a line
    EXPECT_EQ(window->Entries()->Box(0)->text(), QStringLiteral("20"));
    EXPECT_EQ(window->Entries()->Box(1)->text(), QStringLiteral("300"));
    ASSERT_TRUE(Plot()->QuestionBar()->isVisibleTo(Plot()));
    EXPECT_TRUE(Plot()->QuestionBar()->Text().startsWith(
        QStringLiteral("The type of plotted data from this calculation")));
    // Nothing changes until the bar is answered.
    EXPECT_EQ(Plot()->Store().TypeCode(Plot::kResult), Plot::kTypePlane);
    EXPECT_FALSE(Plot()->Store().NewDataPending());
    Click(Plot()->QuestionBar()->Choice(row.choice));
    EXPECT_FALSE(Plot()->QuestionBar()->isVisibleTo(Plot()));
    EXPECT_EQ(Plot()->Store().RetainedCount(), row.retainedAfter);
    EXPECT_EQ(Plot()->Store().TypeCode(Plot::kResult), row.resultTypeAfter);
  }
  // After Retry the line is the plot's: the last result (20/300) is shown.
  EXPECT_NEAR(Plot()->Store().CurrentValue(Plot::kResult, 1), 300 * M_PI / 180, 1e-4);
}

// The net takes the dock's width (the legend sits below it or over a
// corner), at the usual size and on a small screen.
TEST_F(StereoPlotTest, NetFillsTheWidthOfTheDock) {
  for (const QSize size : {QSize(1280, 800), QSize(1024, 600)}) {
    SCOPED_TRACE(size.width());
    window->resize(size);
    if (!Plot()->isVisible()) ClickShowBox();
    Enter(15, QStringLiteral("30"), QStringLiteral("120"));
    Click(Plot()->RetentionButton(0));
    QApplication::processEvents();
    const int across = Plot()->PlotWidget()->width();
    const QRectF square = static_cast<StereoPlotArea*>(Plot()->PlotWidget())->Square();
    ASSERT_TRUE(Plot()->Legend()->isVisible());
    EXPECT_GE(square.width(), across * 0.9);
    EXPECT_GE(across, Plot()->Container()->width() - 16);
    // The legend does not push the net off the area.
    const QRect legend = Plot()->Legend()->geometry();
    EXPECT_TRUE(Plot()->PlotWidget()->rect().contains(legend)) << legend.x() << "," << legend.y();
    // The main window keeps room for the calculator.
    EXPECT_GE(window->centralWidget()->width(), 450);
    // Floated, it fits a 1024 x 640 screen with its frame.
    const QSize least = Plot()->Container()->minimumSizeHint();
    EXPECT_LE(least.height(), 540);
    EXPECT_LE(least.width(), 420);
    ClickShowBox();
  }
}

TEST_F(StereoPlotTest, PolarimTextAndPlotImageOnTheClipboard) {
  ClickShowBox();
  QClipboard* system = QGuiApplication::clipboard();
  system->setText(QStringLiteral("before"));
  Enter(15, QStringLiteral("30"), QStringLiteral("120"));
  Plot()->EditItem(1)->trigger();  // nothing retained: nothing copied
  EXPECT_EQ(system->text(), QStringLiteral("before"));
  Click(Plot()->RetentionButton(0));
  Enter(15, QStringLiteral("45"), QStringLiteral("200"));
  Click(Plot()->RetentionButton(0));
  Plot()->EditItem(1)->trigger();
  EXPECT_EQ(
      system->text(),
      QStringLiteral(";Lodema data\r\n/T1\t/N2\t/P0\t/I2\t/C1\t/15\r\n30\t120\r\n45\t200\r\n"));

  Plot()->Container()->resize(500, 400);  // the picture does not depend on the window
  Plot()->EditItem(2)->trigger();
  const QImage image = system->image();
  ASSERT_FALSE(image.isNull());
  EXPECT_GE(image.width(), 1200);
  EXPECT_EQ(image.width(), image.height());
  EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
  // The window keeps its grey.
  EXPECT_EQ(Plot()->View().background, Plot::kLightGrey);
}

// A batch run presses "Retain" after every written row and the plot keeps
// one set per row; painting is coalesced, so the sets drawn during the run
// stay in proportion to the rows rather than to their square.
TEST_F(StereoPlotTest, BatchRunRetainsEveryRowAndPaintsInProportion) {
  ClickShowBox();
  Enter(15, QStringLiteral("10"), QStringLiteral("010"));
  Click(Plot()->RetentionButton(2));
  constexpr int kRows = 1500;
  QByteArray rows;
  for (int i = 0; i < kRows; ++i) {
    rows += QByteArray::number(10 + i % 80) + '\t' + QByteArray::number(i % 360) + "\r\n";
  }
  window->Tabs()->setCurrentIndex(3);
  ChooseInput(QStringLiteral("in.txt"), rows);
  SetOutputFile(QStringLiteral("out.txt"));
  const long long before = Plot()->SetsPainted();
  Click(window->Files()->StartInput(0));
  EXPECT_EQ(Plot()->Store().RetainedCount(), kRows);
  EXPECT_LT(Plot()->SetsPainted() - before, 3LL * kRows);
  // Once the run is over, the picture catches up with every set.
  for (int wait = 0; wait < 500 && !Plot()->PictureComplete(); ++wait) QTest::qWait(20);
  EXPECT_TRUE(Plot()->PictureComplete());
  EXPECT_GE(Plot()->SetsPainted() - before, kRows);
}

// The net is a dock on the main window's right; floated or docked on the
// other side, it comes back there with the choices at the next start.
TEST_F(StereoPlotTest, DockBesideFloatedRedockedAndRestored) {
  ClickShowBox();
  QDockWidget* dock = Plot()->Container();
  ASSERT_NE(dock, nullptr);
  EXPECT_TRUE(dock->isVisible());
  EXPECT_FALSE(dock->isFloating());
  EXPECT_EQ(window->dockWidgetArea(dock), Qt::RightDockWidgetArea);
  EXPECT_EQ(dock->windowTitle(), Plot()->windowTitle());
  // Beside the calculator, not over it.
  const QRect central = window->centralWidget()->geometry();
  EXPECT_GE(dock->geometry().left(), central.right());
  EXPECT_GE(dock->width(), 250);

  Plot()->PlotTypeItem(2)->trigger();
  Plot()->AxesItem(3)->trigger();
  Plot()->PlaneItem(1)->trigger();
  dock->setFloating(true);
  dock->setGeometry(300, 150, 640, 560);
  QApplication::processEvents();
  const QRect floating = dock->geometry();
  window->Tabs()->setCurrentIndex(2);
  window->Conventions()->Separator(1)->setEditText(QStringLiteral(","));
  Restart();
  dock = Plot()->Container();
  ASSERT_TRUE(Plot()->isVisible());
  EXPECT_TRUE(ShowBox()->isChecked());
  EXPECT_EQ(Plot()->PlotType(), Plot::ProjectionType::kEqualAngle);
  EXPECT_EQ(Plot()->PlotAxesStyle(), Plot::AxesStyle::kPolarAxes);
  EXPECT_EQ(Plot()->PlaneSymbol(), 1);
  EXPECT_EQ(Plot()->PlotTypeChoice()->currentIndex(), 1);
  EXPECT_TRUE(dock->isFloating());
  EXPECT_EQ(dock->geometry(), floating);
  // Shown at start-up, before the main window: it still hears of the
  // calculation.
  EXPECT_EQ(dock->windowTitle(), QStringLiteral("Line of intersection between planes A & B"));
  EXPECT_EQ(Store().Read("Lodema 4", "StartUp", "Winleft", ""), "4500");

  // Docked again, on the left this time.
  dock->setFloating(false);
  window->addDockWidget(Qt::LeftDockWidgetArea, dock);
  Restart();
  dock = Plot()->Container();
  ASSERT_TRUE(dock->isVisible());
  EXPECT_FALSE(dock->isFloating());
  EXPECT_EQ(window->dockWidgetArea(dock), Qt::LeftDockWidgetArea);

  // Closed by its frame: hidden at the next start.
  dock->close();
  Restart();
  EXPECT_FALSE(Plot()->isVisible());
  EXPECT_FALSE(ShowBox()->isChecked());
}

TEST_F(StereoPlotTest, SavedAndPrintedFilesHaveTheirFormat) {
  ClickShowBox();
  Enter(15, QStringLiteral("30"), QStringLiteral("120"));
  Click(Plot()->RetentionButton(0));
  struct Row {
    const char* name;
    QString file;
    QByteArray start;
  };
  const std::vector<Row> rows = {
      {"png", QStringLiteral("plot.png"), QByteArray("\x89PNG")},
      {"svg", QStringLiteral("plot.SVG"), QByteArray("<svg")},
      {"pdf", QStringLiteral("plot.pdf"), QByteArray("%PDF")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QString error;
    ASSERT_TRUE(Plot()->SavePlotAs(dir.filePath(row.file), 900, &error)) << error.toStdString();
    const QByteArray bytes = ReadFile(row.file);
    EXPECT_GT(bytes.size(), 200);
    EXPECT_TRUE(bytes.startsWith(row.start) || bytes.left(200).contains(row.start));
  }
  const QImage png(dir.filePath(QStringLiteral("plot.png")));
  EXPECT_EQ(png.width(), 900);

  QString error;
  EXPECT_FALSE(Plot()->SavePlotAs(dir.filePath(QStringLiteral("plot.txt")), 900, &error));
  EXPECT_TRUE(error.contains(QStringLiteral(".svg")));
  EXPECT_FALSE(Plot()->SavePlotAs(dir.filePath(QStringLiteral("missing/plot.png")), 900, &error));

  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
  Plot()->PrintTo(printer);
  EXPECT_TRUE(ReadFile(QStringLiteral("printed.pdf")).startsWith("%PDF"));
}

TEST_F(StereoPlotTest, AboutBoxNamesVersionQtAndLicenceAndRightClickOffersOptions) {
  ClickShowBox();
  Plot()->AboutItem()->trigger();
  QMessageBox* about = Plot()->AboutBox();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  const QString text = about->text() + about->informativeText();
  EXPECT_TRUE(text.contains(QStringLiteral("Lodema 4.9.7")));
  EXPECT_TRUE(text.contains(QString::fromLatin1(qVersion())));
  EXPECT_TRUE(text.contains(QStringLiteral("MIT")));
  about->close();
  // A right click on the net offers the options menu.
  QWidget* area = Plot()->PlotWidget();
  QContextMenuEvent event(QContextMenuEvent::Mouse, area->rect().center(),
                          area->mapToGlobal(area->rect().center()));
  QApplication::sendEvent(area, &event);
  EXPECT_TRUE(Plot()->OptionsMenu()->isVisible());
  Plot()->OptionsMenu()->close();
}

}  // namespace
