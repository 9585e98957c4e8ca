// SPDX-License-Identifier: MIT
// The stereonet window's "Analysis" menu: contours of the retained Result
// under the data, the mean with its cone and the eigenvectors with the
// girdle over it, and the statistics in a copyable text panel in the output
// conventions.
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>

#include "AppFixture.h"
#include "app/StereoLegendView.h"
#include "app/StereoPlotDock.h"
#include "app/StereoPlotWindow.h"

namespace Plot = Lodema::Plot;

namespace {

class StereoAnalysisTest : public StartedAppFixture {
 protected:
  void SetUp() override {
    StartedAppFixture::SetUp();
    window->Tabs()->setCurrentIndex(2);
    Click(window->Conventions()->ShowStereo());
    window->Tabs()->setCurrentIndex(0);
    Click(window->Calculations()->Button(15));  // passes the plane typed through
  }
  StereoPlotWindow* Plot() const { return window->StereoPlot(); }
  // Types the plane (dip, dip direction) and retains it.
  void Retain(const QString& dip, const QString& direction) {
    Retype(window->Entries()->Box(0), dip);
    Retype(window->Entries()->Box(1), direction);
    Click(Plot()->RetentionButton(0));
  }
  // Planes dipping 10 towards all four quarters and one horizontal: poles
  // about the vertical.
  void RetainPolesAboutTheVertical() {
    for (const char* direction : {"000", "090", "180", "270"}) {
      Retain(QStringLiteral("10"), QString::fromLatin1(direction));
    }
    Retain(QStringLiteral("0"), QStringLiteral("000"));
  }
};

TEST_F(StereoAnalysisTest, PanelListsTheStatisticsAndCopiesThem) {
  RetainPolesAboutTheVertical();
  EXPECT_FALSE(Plot()->AnalysisPanel()->isVisible());  // nothing chosen yet
  Plot()->AnalysisItem(1)->trigger();                  // "Mean and cone"
  ASSERT_TRUE(Plot()->AnalysisPanel()->isVisible());
  const QString text = Plot()->AnalysisPanel()->toPlainText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("5 poles to planes\nMean pole: 90.0/000.0\n")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Resultant R: 4.939\nConcentration k: 65.82\n")))
      << text.toStdString();

  Plot()->CopyAnalysisItem()->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), text);

  // A new retained plane updates the panel; unticking hides it.
  Retain(QStringLiteral("10"), QStringLiteral("045"));
  EXPECT_TRUE(Plot()->AnalysisPanel()->toPlainText().startsWith(QStringLiteral("6 poles")));
  Plot()->AnalysisItem(1)->trigger();
  EXPECT_FALSE(Plot()->AnalysisPanel()->isVisible());
}

TEST_F(StereoAnalysisTest, ContourMethodFollowsTheMenu) {
  RetainPolesAboutTheVertical();
  Plot()->AnalysisItem(0)->trigger();  // with the method chosen at first
  ASSERT_TRUE(Plot()->Analysis().contours);
  EXPECT_EQ(*Plot()->Analysis().contours, Plot::DensityMethod::kExponentialKamb);
  Plot()->ContourMethodItem(2)->trigger();
  EXPECT_EQ(*Plot()->Analysis().contours, Plot::DensityMethod::kOnePercentArea);
  EXPECT_FALSE(Plot()->CurrentAnalysis().contours.empty());
  EXPECT_TRUE(Plot()->AnalysisPanel()->toPlainText().contains(
      QStringLiteral("Contours: 1% area count, levels ")));
  Plot()->AnalysisItem(0)->trigger();  // off: the method stays chosen
  EXPECT_FALSE(Plot()->Analysis().contours);
  EXPECT_TRUE(Plot()->ContourMethodItem(2)->isChecked());
}

// Contours, the mean and the eigenvectors each change the picture, add rows
// to the legend and open the text panel, but the windows keep their size
// and the legend its text.
TEST_F(StereoAnalysisTest, ItemsChangeThePictureButNeitherTheWindowSizesNorTheLegendScale) {
  window->resize(1280, 800);
  RetainPolesAboutTheVertical();
  QApplication::processEvents();
  const QSize mainSize = window->size();
  const QSize plotSize = Plot()->Container()->size();
  const int legendWidth = Plot()->Legend()->width();
  ASSERT_GT(legendWidth, 0);
  int legendHeight = Plot()->Legend()->height();
  const QImage plain = Plot()->PlotImage(500, Plot::kWhite);
  QImage before = plain;
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    Plot()->AnalysisItem(i)->trigger();
    QApplication::processEvents();
    const QImage shown = Plot()->PlotImage(500, Plot::kWhite);
    EXPECT_NE(shown, before);
    before = shown;
    EXPECT_EQ(window->size(), mainSize);
    EXPECT_EQ(Plot()->Container()->size(), plotSize);
    EXPECT_EQ(Plot()->Legend()->width(), legendWidth);
    EXPECT_GT(Plot()->Legend()->height(), legendHeight);  // a row more, same text
    legendHeight = Plot()->Legend()->height();
  }
  for (int i = 0; i < 3; ++i) Plot()->AnalysisItem(i)->trigger();
  QApplication::processEvents();
  EXPECT_EQ(Plot()->PlotImage(500, Plot::kWhite), plain);
  EXPECT_EQ(window->size(), mainSize);
  EXPECT_EQ(Plot()->Container()->size(), plotSize);
}

// The analysis chosen is offered again when the window shows again, after
// hiding it or at the next start.
TEST_F(StereoAnalysisTest, ChoiceIsKeptAcrossHidingAndRestarting) {
  Plot()->AnalysisItem(0)->trigger();
  Plot()->ContourMethodItem(1)->trigger();
  Plot()->AnalysisItem(1)->trigger();
  const auto expectChoice = [this](const char* when) {
    SCOPED_TRACE(when);
    ASSERT_TRUE(Plot()->Analysis().contours);
    EXPECT_EQ(*Plot()->Analysis().contours, Plot::DensityMethod::kKamb);
    EXPECT_TRUE(Plot()->Analysis().statistics.meanAndCone);
    EXPECT_FALSE(Plot()->Analysis().statistics.eigenvectors);
    EXPECT_TRUE(Plot()->AnalysisItem(1)->isChecked());
    EXPECT_TRUE(Plot()->ContourMethodItem(1)->isChecked());
  };
  window->Tabs()->setCurrentIndex(2);
  Click(window->Conventions()->ShowStereo());  // hide
  Click(window->Conventions()->ShowStereo());  // show again
  expectChoice("shown again");
  Restart();
  ASSERT_TRUE(Plot()->isVisible());
  expectChoice("next start");
}

}  // namespace
