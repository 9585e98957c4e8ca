// SPDX-License-Identifier: MIT
#include "app/StereoLegendView.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/QtPlotSurface.h"
#include "app/StereoPlotWindow.h"
#include "plot/PlotAnalysis.h"
#include "plot/PlotDrawing.h"

namespace Plot = Lodema::Plot;

namespace {

constexpr double kWidth = 1000.0;
constexpr double kText = 70.0;
constexpr double kRow = 1.6 * kText;
// DrawLegend's rows: the first 280 below the top, one every 112.
constexpr double kFirstKindRow = 280.0;
constexpr double kKindRowStep = 112.0;
constexpr double kHeading = 100.0;
constexpr double kAnalysisLeft = -450.0;

}  // namespace

StereoLegendView::StereoLegendView(const StereoPlotWindow& window, const Plot::PlotStore& store,
                                   const Plot::PlotView& view, QWidget* parent)
    : QWidget(parent), window_(window), store_(store), view_(view) {
  setObjectName(QStringLiteral("picLegend"));
  setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

double StereoLegendView::KindsHeight() const {
  int lastRow = -1;
  for (int kind = 0; kind < Plot::kKindCount; ++kind) {
    if (view_.shown[kind] && store_.TypeCode(kind) != Plot::kTypeNothing) lastRow = kind;
  }
  return lastRow < 0 ? 0.0 : kFirstKindRow + kKindRowStep * lastRow + kKindRowStep / 2;
}

double StereoLegendView::AnalysisHeight() const {
  if (!window_.AnalysisShown()) return 0.0;
  const int rows = Plot::AnalysisLegendRows(window_.CurrentAnalysis());
  return rows > 0 ? kRow * rows + kText / 2 : 0.0;
}

QSize StereoLegendView::sizeHint() const {
  const double kinds = KindsHeight();
  const double analysis = AnalysisHeight();
  const double units = std::max(kinds, analysis > 0.0 ? kHeading : 0.0) + analysis;
  if (units <= 0.0) return {0, 0};
  return {static_cast<int>(std::ceil(kWidth / kUnitsPerPixel)),
          static_cast<int>(std::ceil((units + kText / 2) / kUnitsPerPixel))};
}

bool StereoLegendView::FollowContent() {
  const QSize wanted = sizeHint();
  const bool show = !wanted.isEmpty();
  const bool changed = show == isHidden() || (show && wanted != size());
  setVisible(show);
  update();
  return changed;
}

void StereoLegendView::SetOverNet(bool over) {
  if (over == overNet_) return;
  overNet_ = over;
  update();
}

void StereoLegendView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const PlotSpace space{-kWidth / 2, 0.0, kWidth, height() * kUnitsPerPixel};
  QtPlotSurface surface(painter, QRectF(rect()), space);
  QColor background = ToQColor(view_.background);
  if (overNet_) background.setAlpha(210);
  painter.fillRect(rect(), background);
  painter.setPen(QColor(96, 96, 96));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  surface.SetPen(Plot::Pen{});
  surface.Text({-kWidth / 2 + 40.0, -kHeading / 2 - 10.0}, "Legend", kText,
               Plot::TextAnchor::kLeft);
  Plot::DrawLegend(surface, Plot::LegendArea{0.0, 0.0, kWidth, true}, store_, view_);
  if (window_.AnalysisShown()) {
    const double top = -std::max(KindsHeight(), kHeading) - kText / 2;
    Plot::DrawAnalysisLegend(surface, kAnalysisLeft, top, kText, window_.CurrentAnalysis(),
                             kWidth / 2 - kAnalysisLeft - 30.0);
  }
}
