// SPDX-License-Identifier: MIT
// Saves pictures of the main window and the stereonet for the documentation
// when the variables below name where; skipped otherwise.

#include "AppFixture.h"
#include "app/StereoPlotWindow.h"

namespace {

class Screenshot : public AppFixture {};
class GuidePictures : public AppFixture {};

TEST_F(Screenshot, MainWindowAt1280x800) {
  const QString target = qEnvironmentVariable("LODEMA_SCREENSHOT");
  if (target.isEmpty()) GTEST_SKIP() << "LODEMA_SCREENSHOT is not set";
  MainWindow& shown = Start();
  shown.resize(1280, 800);
  const int page = qEnvironmentVariableIntValue("LODEMA_SCREENSHOT_PAGE");
  const int calculation = qEnvironmentVariableIntValue("LODEMA_SCREENSHOT_CALC");
  QTest::mouseClick(shown.Calculations()->Button(calculation), Qt::LeftButton);
  QTest::keyClicks(shown.Entries()->Box(0), QStringLiteral("30"));
  QTest::keyClicks(shown.Entries()->Box(1), QStringLiteral("090"));
  QTest::keyClicks(shown.Entries()->Box(3), QStringLiteral("60"));
  QTest::keyClicks(shown.Entries()->Box(4), QStringLiteral("200"));
  // LODEMA_SCREENSHOT_FILE: a data file shown on the file page.
  const QString data = qEnvironmentVariable("LODEMA_SCREENSHOT_FILE");
  if (!data.isEmpty()) {
    ASSERT_TRUE(shown.OpenDataFile(data));
  }
  if (page > 0 || !data.isEmpty()) shown.Tabs()->setCurrentIndex(page);
  QTest::qWait(50);
  ASSERT_TRUE(shown.grab().save(target, "PNG"));
}

// Every page of the main window on a 1024 x 640 screen, when
// LODEMA_SCREENSHOT_SMALL names a folder: page0.png to page3.png.
TEST_F(Screenshot, EveryPageAt1024x640) {
  const QString folder = qEnvironmentVariable("LODEMA_SCREENSHOT_SMALL");
  if (folder.isEmpty()) GTEST_SKIP() << "LODEMA_SCREENSHOT_SMALL is not set";
  MainWindow& shown = Start();
  shown.resize(1024, 640);
  QTest::mouseClick(shown.Calculations()->Button(19), Qt::LeftButton);
  const int calculation = qEnvironmentVariableIntValue("LODEMA_SCREENSHOT_CALC");
  QTest::mouseClick(shown.Calculations()->Button(calculation), Qt::LeftButton);
  for (int page = 0; page < 4; ++page) {
    shown.Tabs()->setCurrentIndex(page);
    QTest::qWait(50);
    ASSERT_TRUE(shown.grab().save(QStringLiteral("%1/page%2.png").arg(folder).arg(page), "PNG"));
  }
}

// The main window with the stereonet docked beside it, for the README, when
// LODEMA_SCREENSHOT_PLOT names a PNG file (LODEMA_SCREENSHOT_PLOT_SIZE, such
// as 1024x640, sets the window's size; 1400x800 otherwise).
TEST_F(Screenshot, MainWindowWithThePlotBeside) {
  const QString target = qEnvironmentVariable("LODEMA_SCREENSHOT_PLOT");
  if (target.isEmpty()) GTEST_SKIP() << "LODEMA_SCREENSHOT_PLOT is not set";
  QSize size(1400, 800);
  const QStringList asked = qEnvironmentVariable("LODEMA_SCREENSHOT_PLOT_SIZE").split(u'x');
  if (asked.size() == 2) size = QSize(asked[0].toInt(), asked[1].toInt());
  MainWindow& shown = Start();
  shown.resize(size);
  shown.Tabs()->setCurrentIndex(2);
  Click(shown.Conventions()->ShowStereo());
  shown.resize(size);
  StereoPlotWindow* plot = shown.StereoPlot();
  plot->AxesItem(1)->trigger();
  shown.Tabs()->setCurrentIndex(0);
  QTest::mouseClick(shown.Calculations()->Button(0), Qt::LeftButton);
  const std::array<std::array<const char*, 4>, 4> planes = {{{"30", "090", "60", "200"},
                                                             {"45", "120", "70", "250"},
                                                             {"20", "060", "55", "170"},
                                                             {"35", "100", "80", "220"}}};
  for (const auto& row : planes) {
    const std::array<int, 4> boxes = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) Retype(shown.Entries()->Box(boxes[i]), QString::fromLatin1(row[i]));
    QTest::mouseClick(plot->RetentionButton(0), Qt::LeftButton);
  }
  QTest::qWait(100);
  ASSERT_TRUE(shown.grab().save(target, "PNG"));
}

// The stereonet pictures of the user guide, made with the plot window's own
// "Save plot as" when LODEMA_GUIDE_PICTURES names the guide's images folder:
// stereonet-analysis.png and stereonet-saved.svg.
TEST_F(GuidePictures, StereonetAnalysisAndSavedDrawing) {
  const QString folder = qEnvironmentVariable("LODEMA_GUIDE_PICTURES");
  if (folder.isEmpty()) GTEST_SKIP() << "LODEMA_GUIDE_PICTURES is not set";
  MainWindow& shown = Start();
  shown.Tabs()->setCurrentIndex(2);
  Click(shown.Conventions()->ShowStereo());
  StereoPlotWindow* plot = shown.StereoPlot();
  ASSERT_NE(plot, nullptr);
  // Calculation 15 hands the plane typed to the plot: twelve limbs of folds
  // about a gently plunging N-S axis, whose poles spread along a girdle.
  Click(shown.Calculations()->Button(15));
  const char* const planes[][2] = {{"10", "085"}, {"25", "095"}, {"40", "090"}, {"55", "100"},
                                   {"70", "085"}, {"85", "095"}, {"15", "265"}, {"30", "275"},
                                   {"45", "270"}, {"60", "260"}, {"75", "280"}, {"35", "080"}};
  for (const auto& plane : planes) {
    Retype(shown.Entries()->Box(0), QString::fromLatin1(plane[0]));
    Retype(shown.Entries()->Box(1), QString::fromLatin1(plane[1]));
    Click(plot->RetentionButton(0));
  }
  QString error;
  ASSERT_TRUE(plot->SavePlotAs(folder + QStringLiteral("/stereonet-saved.svg"), 0, &error))
      << error.toStdString();

  plot->SetPlaneSymbol(1);  // poles, so that the analysis reads clearly
  Lodema::Plot::AnalysisChoice choice;
  choice.contours = Lodema::Plot::DensityMethod::kExponentialKamb;
  choice.statistics = {true, true, true};
  plot->SetAnalysis(choice);
  ASSERT_TRUE(plot->SavePlotAs(folder + QStringLiteral("/stereonet-analysis.png"), 760, &error))
      << error.toStdString();
}

}  // namespace
