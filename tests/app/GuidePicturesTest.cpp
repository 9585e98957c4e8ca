// SPDX-License-Identifier: MIT
// Makes the stereonet pictures of the user guide with the plot window's own
// "Save plot as" when LODEMA_GUIDE_PICTURES names the guide's images folder:
// stereonet-analysis.png and stereonet-saved.svg. Skipped otherwise.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "AppFixture.h"
#include "app/CalculationPages.h"
#include "app/ConventionsPage.h"
#include "app/EntryPanel.h"
#include "app/StereoPlotWindow.h"

namespace {

class GuidePictures : public AppFixture {};

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
    for (int box = 0; box < 2; ++box) {
      shown.Entries()->Box(box)->clear();
      QTest::keyClicks(shown.Entries()->Box(box), QString::fromLatin1(plane[box]));
    }
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
