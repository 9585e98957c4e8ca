// SPDX-License-Identifier: MIT
// The projection in the stereonet window, kept square. It keeps the frame
// and the retained sets as a picture, so that sets added to the end are
// drawn on their own; a picture drawn from scratch (another projection, a
// cleared set) is drawn in slices between events behind the last complete
// one, which stays on screen until the new one is ready. The count label
// and the legend sit in its corners or beside the net.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include "plot/PlotStore.h"
#include "plot/PlotView.h"

class QLabel;
class StereoLegendView;
class StereoPlotWindow;

class StereoPlotArea : public QWidget {
 public:
  StereoPlotArea(StereoPlotWindow& window, const Lodema::Plot::PlotStore& store,
                 const Lodema::Plot::PlotView& view);

  // Everything must be drawn afresh (view, removed sets, a new current set).
  void Invalidate() { ++generation_; }
  // The widget's square the net takes.
  QRectF Square() const;
  // The count label in the net's lower left corner; the legend below the
  // net, to its right, or over its lower right corner, whichever leaves the
  // net the most room.
  void SetOverlays(QLabel* countLabel, StereoLegendView* legend);
  void PlaceOverlays();

  long long SetsPainted() const { return setsPainted_; }
  // The picture on screen holds every retained set.
  bool Complete() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // What a picture was drawn for: when any of it changes, it is redrawn
  // from scratch.
  struct PictureKey {
    long long generation = -1;
    int side = 0;
    qreal ratio = 1.0;
    bool withCurrent = false;
    bool hairlines = false;
    bool contours = false;
    int contourSets = -1;
    bool operator==(const PictureKey&) const = default;
  };
  struct Picture {
    QImage image;
    PictureKey key;
    int sets = 0;  // retained sets drawn into it, oldest first
    bool valid = false;
  };
  PictureKey WantedKey(const QRectF& square, bool withCurrent) const;
  // Brings the pictures up to date, drawing for at most about budgetMs.
  // True when the picture shown holds every retained set.
  bool UpdatePictures(const QRectF& square, bool withCurrent, qint64 budgetMs);
  void StartPicture(Picture& picture, const PictureKey& key);
  // Draws retained sets after picture.sets until done or out of time.
  void DrawNewerSets(Picture& picture, qint64 budgetMs, const QElapsedTimer& clock);

  StereoPlotWindow& window_;
  const Lodema::Plot::PlotStore& store_;
  const Lodema::Plot::PlotView& view_;
  QLabel* countLabel_ = nullptr;
  StereoLegendView* legend_ = nullptr;
  QRectF square_;
  long long generation_ = 0;
  // shown_: the last complete picture (with sets added since); next_: the
  // picture being drawn from scratch, shown once complete.
  Picture shown_;
  Picture next_;
  long long setsPainted_ = 0;
};
