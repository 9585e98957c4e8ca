// SPDX-License-Identifier: MIT
// The stereonet window's "Analysis" menu: what it switches on, the analysis
// of the retained Result and its text panel.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include "app/StereoPlotWindow.h"
#include "orient/NumberText.h"

namespace Plot = Lodema::Plot;

void StereoPlotWindow::OnAnalysisItemChanged() {
  constexpr std::array<Plot::DensityMethod, 3> kMethods = {Plot::DensityMethod::kExponentialKamb,
                                                           Plot::DensityMethod::kKamb,
                                                           Plot::DensityMethod::kOnePercentArea};
  Plot::AnalysisChoice choice;
  if (analysisItems_[0]->isChecked()) {
    choice.contours = kMethods[0];
    for (int i = 0; i < 3; ++i) {
      if (contourMethodItems_[i]->isChecked()) choice.contours = kMethods[i];
    }
  }
  choice.statistics.meanAndCone = analysisItems_[1]->isChecked();
  choice.statistics.eigenvectors = choice.statistics.girdle = analysisItems_[2]->isChecked();
  SetAnalysis(choice);
}

void StereoPlotWindow::SetAnalysis(const Plot::AnalysisChoice& choice) {
  analysisChoice_ = choice;
  // Kept in the settings as it changes, so the next start (or the window
  // shown again) offers the same analysis.
  settings_.gPlotContours = choice.contours ? static_cast<int>(*choice.contours) : -1;
  settings_.gPlotMeanCone = choice.statistics.meanAndCone;
  settings_.gPlotEigenvectors = choice.statistics.eigenvectors || choice.statistics.girdle;
  analysisItems_[0]->setChecked(choice.contours.has_value());
  if (choice.contours) {
    contourMethodItems_[static_cast<int>(*choice.contours)]->setChecked(true);
  }
  analysisItems_[1]->setChecked(choice.statistics.meanAndCone);
  analysisItems_[2]->setChecked(choice.statistics.eigenvectors || choice.statistics.girdle);
  PlotChanged(true);
}

bool StereoPlotWindow::AnalysisShown() const {
  const Plot::StatisticsLayers& layers = analysisChoice_.statistics;
  return analysisChoice_.contours || layers.meanAndCone || layers.eigenvectors || layers.girdle;
}

const Plot::PlotAnalysis& StereoPlotWindow::CurrentAnalysis() const {
  if (analysisStale_) {
    analysis_ = Plot::AnalysePlot(store_, view_.projection, analysisChoice_);
    analysisStale_ = false;
  }
  return analysis_;
}

QString StereoPlotWindow::AnalysisText() const {
  // The output conventions the main window handed over, with the decimal
  // character of the results.
  Plot::OutputNotation notation;
  notation.notation = outputNotation_;
  notation.decimalChar =
      OrientGeometry::DecimalChar(ResultDecimalMark(settings_, NumberText::LocaleDecimalMark()));
  return QString::fromStdString(Plot::AnalysisText(CurrentAnalysis(), notation));
}

void StereoPlotWindow::CopyAnalysisText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(AnalysisText());
}

void StereoPlotWindow::UpdateAnalysisPanel() {
  const bool shown = AnalysisShown();
  analysisPanel_->setVisible(shown);
  if (!shown) return;
  const QString text = AnalysisText();
  if (analysisPanel_->toPlainText() != text) analysisPanel_->setPlainText(text);
}
