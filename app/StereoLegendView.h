// SPDX-License-Identifier: MIT
// The stereonet's legend: a row per kind shown and present, with its name,
// then the rows of the analysis. Drawn at a fixed scale, so its text keeps
// one size whatever the window or the analysis; it sizes itself to what it
// shows and stays hidden when there is nothing to show.
#pragma once

#include <QWidget>

class StereoPlotWindow;

namespace Lodema::Plot {
class PlotStore;
struct PlotView;
}  // namespace Lodema::Plot

class StereoLegendView : public QWidget {
 public:
  // Plot units per pixel: the legend's 70-unit text is about 12 pixels high.
  static constexpr double kUnitsPerPixel = 6.0;

  StereoLegendView(const StereoPlotWindow& window, const Lodema::Plot::PlotStore& store,
                   const Lodema::Plot::PlotView& view, QWidget* parent);

  QSize sizeHint() const override;
  // Hides or shows the legend and sizes it to its rows; true when its size
  // or visibility changed (its place must then be worked out again).
  bool FollowContent();
  // Over the net (its corner) the legend lets the data show through.
  void SetOverNet(bool over);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The height of the kinds' rows and of the analysis's rows, plot units.
  double KindsHeight() const;
  double AnalysisHeight() const;

  const StereoPlotWindow& window_;
  const Lodema::Plot::PlotStore& store_;
  const Lodema::Plot::PlotView& view_;
  bool overNet_ = false;
};
