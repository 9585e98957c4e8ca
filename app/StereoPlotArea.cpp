// SPDX-License-Identifier: MIT
#include "app/StereoPlotArea.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/QtPlotSurface.h"
#include "app/StereoLegendView.h"
#include "app/StereoPlotWindow.h"
#include "plot/Contours.h"
#include "plot/Frame.h"
#include "plot/PlotAnalysis.h"
#include "plot/PlotDrawing.h"

namespace Plot = Lodema::Plot;

namespace {

// Drawing time per paint: a slice leaves the window free for input between
// slices; a batch run leaves most of the time to its rows.
constexpr qint64 kSliceMs = 30;
constexpr qint64 kBatchSliceMs = 15;
// Retained sets drawn between readings of the clock.
constexpr int kSetsPerChunk = 128;
constexpr int kOverlayMargin = 4;

}  // namespace

StereoPlotArea::StereoPlotArea(StereoPlotWindow& window, const Plot::PlotStore& store,
                               const Plot::PlotView& view)
    : window_(window), store_(store), view_(view) {
  setObjectName(QStringLiteral("picStereoArea"));
  setMouseTracking(true);
  setMinimumSize(200, 200);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRectF StereoPlotArea::Square() const { return square_; }

void StereoPlotArea::SetOverlays(QLabel* countLabel, StereoLegendView* legend) {
  countLabel_ = countLabel;
  legend_ = legend;
  PlaceOverlays();
}

void StereoPlotArea::PlaceOverlays() {
  const int w = width();
  const int h = height();
  QSize legendSize(0, 0);
  if (legend_ != nullptr && !legend_->isHidden()) legendSize = legend_->sizeHint();
  const int lw = legendSize.width();
  const int lh = legendSize.height();
  QPoint legendAt;
  double side = 0.0;
  bool overNet = false;
  if (lh > 0 && h - lh >= w) {
    // Room below the net.
    side = w;
    square_ = QRectF(0, 0, side, side);
    legendAt = QPoint(kOverlayMargin, static_cast<int>(square_.bottom()));
  } else if (lw > 0 && w - lw >= h) {
    side = h;
    square_ = QRectF((w - lw - side) / 2.0, 0, side, side);
    legendAt = QPoint(static_cast<int>(square_.right()), kOverlayMargin);
  } else {
    // Over the net's lower right corner, which the primitive leaves
    // mostly empty.
    overNet = true;
    side = std::min(w, h);
    square_ = QRectF((w - side) / 2.0, (h - side) / 2.0, side, side);
    legendAt =
        QPoint(static_cast<int>(square_.right()) - lw, static_cast<int>(square_.bottom()) - lh);
  }
  if (legend_ != nullptr) {
    legend_->resize(legendSize);
    legend_->move(legendAt);
    legend_->SetOverNet(overNet);
  }
  if (countLabel_ != nullptr) {
    countLabel_->adjustSize();
    countLabel_->move(static_cast<int>(square_.left()) + kOverlayMargin,
                      static_cast<int>(square_.bottom()) - countLabel_->height() - kOverlayMargin);
  }
}

bool StereoPlotArea::Complete() const {
  return shown_.valid && !next_.valid && shown_.sets == store_.RetainedCount();
}

void StereoPlotArea::resizeEvent(QResizeEvent*) { PlaceOverlays(); }

void StereoPlotArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QRectF square = Square();
  if (square.width() < 1) return;
  const bool batch = window_.BatchRunning();
  // While a batch run feeds the plot the current set is drawn over the
  // picture rather than into it (the run retains it in a moment).
  const bool currentInPicture = !batch && store_.NewDataPending();
  const bool complete = UpdatePictures(square, currentInPicture, batch ? kBatchSliceMs : kSliceMs);
  const Picture& shown = shown_.valid ? shown_ : next_;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(square, shown.image);
  if (batch && store_.NewDataPending()) {
    painter.setRenderHint(QPainter::Antialiasing);
    QtPlotSurface surface(painter, square);
    surface.SetHairlines(shown.key.hairlines);
    Plot::DrawCurrentSet(surface, store_, view_);
  }
  if (window_.AnalysisShown()) {
    const Plot::PlotAnalysis& analysis = window_.CurrentAnalysis();
    if (analysis.statistics) {
      painter.setRenderHint(QPainter::Antialiasing);
      QtPlotSurface surface(painter, square);
      Plot::DrawStatistics(surface, view_.projection, *analysis.statistics,
                           analysis.choice.statistics);
    }
  }
  if (!complete && !batch) QTimer::singleShot(0, this, [this] { update(); });
}

StereoPlotArea::PictureKey StereoPlotArea::WantedKey(const QRectF& square, bool withCurrent) const {
  PictureKey key;
  key.generation = generation_;
  key.ratio = devicePixelRatioF();
  key.side = std::max(1, static_cast<int>(std::lround(square.width() * key.ratio)));
  key.withCurrent = withCurrent;
  key.hairlines = DrawAsHairlines(store_);
  // Contours count every retained set: a new set redraws the whole picture.
  key.contours = window_.Analysis().contours.has_value();
  key.contourSets = key.contours ? store_.RetainedCount() : -1;
  return key;
}

void StereoPlotArea::StartPicture(Picture& picture, const PictureKey& key) {
  if (picture.image.width() != key.side || picture.image.height() != key.side) {
    picture.image = QImage(key.side, key.side, QImage::Format_RGB32);
  }
  picture.image.setDevicePixelRatio(key.ratio);
  picture.key = key;
  picture.sets = 0;
  picture.valid = true;
  QPainter painter(&picture.image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double side = key.side / key.ratio;
  QtPlotSurface surface(painter, QRectF(0, 0, side, side));
  surface.SetHairlines(key.hairlines);
  surface.Clear(view_.background);
  Plot::DrawStereoFrame(surface, view_.projection, view_.axes);
  if (key.contours) {
    const Plot::PlotAnalysis& analysis = window_.CurrentAnalysis();
    Plot::DrawContours(surface, analysis.contours, static_cast<int>(analysis.levels.size()));
  }
  if (key.withCurrent) Plot::DrawCurrentSet(surface, store_, view_);
}

void StereoPlotArea::DrawNewerSets(Picture& picture, qint64 budgetMs, const QElapsedTimer& clock) {
  const int retained = store_.RetainedCount();
  if (picture.sets >= retained) return;
  QPainter painter(&picture.image);
  painter.setRenderHint(QPainter::Antialiasing, !picture.key.hairlines);
  const double side = picture.key.side / picture.key.ratio;
  QtPlotSurface surface(painter, QRectF(0, 0, side, side));
  surface.SetHairlines(picture.key.hairlines);
  while (picture.sets < retained) {
    const int last = std::min(retained, picture.sets + kSetsPerChunk);
    Plot::DrawRetainedSets(surface, store_, view_, picture.sets + 1, last);
    setsPainted_ += last - picture.sets;
    picture.sets = last;
    if (clock.elapsed() >= budgetMs) break;
  }
}

bool StereoPlotArea::UpdatePictures(const QRectF& square, bool withCurrent, qint64 budgetMs) {
  QElapsedTimer clock;
  clock.start();
  const PictureKey wanted = WantedKey(square, withCurrent);
  const int retained = store_.RetainedCount();
  const bool emptied = store_.IsEmpty();
  if (shown_.valid && shown_.key == wanted && shown_.sets <= retained && !emptied) {
    // Sets added at the end: drawn into the picture on screen.
    next_.valid = false;
    DrawNewerSets(shown_, budgetMs, clock);
    return shown_.sets == retained;
  }
  if (!next_.valid || !(next_.key == wanted) || next_.sets > retained || emptied) {
    StartPicture(next_, wanted);
  }
  DrawNewerSets(next_, budgetMs, clock);
  if (next_.sets < retained) return false;
  std::swap(shown_, next_);
  next_.valid = false;
  return true;
}

void StereoPlotArea::mouseMoveEvent(QMouseEvent* event) {
  const QRectF square = Square();
  if (square.width() <= 0) return;
  const double scale = 2200.0 / square.width();
  const QPointF p = event->position();
  window_.ShowReadoutAt((p.x() - square.left()) * scale - 1100.0,
                        1100.0 - (p.y() - square.top()) * scale);
}

void StereoPlotArea::leaveEvent(QEvent*) { window_.ShowReadoutAt(2000.0, 2000.0); }
