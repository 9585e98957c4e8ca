// SPDX-License-Identifier: MIT
#include "app/StereoPlotDock.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/StereoPlotWindow.h"

namespace {

constexpr const char* kSection = "StartUp";
// The main window's saveState: which side the dock is on, its size, and
// its frame when floating.
constexpr const char* kDockStateKey = "PlotDockState";
constexpr int kDockStateVersion = 1;
// Twips per inch: the plot window's place is kept in twips.
constexpr double kTwipsPerInch = 1440.0;

}  // namespace

StereoPlotDock::StereoPlotDock(StereoPlotWindow& plot, QMainWindow& owner,
                               Lodema::SettingsStore& store)
    : QDockWidget(plot.windowTitle(), &owner), plot_(plot), owner_(owner), store_(store) {
  setObjectName(QStringLiteral("stereoPlotDock"));
  setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  plot.setParent(this);
  plot.setWindowFlags(Qt::Widget);
  setWidget(&plot);
  plot.SetContainer(this);
  connect(&plot, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
  owner.addDockWidget(Qt::RightDockWidgetArea, this);
  hide();
}

int StereoPlotDock::FirstWidth() const {
  // A narrow window leaves the calculator the larger share.
  const double fraction = owner_.width() < 1200 ? 0.3 : 0.4;
  const int share = static_cast<int>(owner_.width() * fraction);
  return std::clamp(share, plot_.minimumSizeHint().width(), 640);
}

void StereoPlotDock::Reveal() {
  if (placed_) {
    show();
    return;
  }
  placed_ = true;
  // The place of the last run; a damaged value leaves the dock on the
  // right, and restoreState keeps a floating frame on a screen.
  const std::string stored = store_.Read(Lodema::kApplicationName, kSection, kDockStateKey, "");
  if (!stored.empty() &&
      owner_.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(stored)),
                          kDockStateVersion)) {
    show();
    return;
  }
  show();
  // Shown at start-up, before the main window: its share is worked out
  // once the main window has its frame on the screen.
  if (owner_.isVisible()) {
    TakeFirstShare();
  } else {
    QTimer::singleShot(0, this, &StereoPlotDock::TakeFirstShare);
  }
}

void StereoPlotDock::TakeFirstShare() {
  if (!owner_.isVisible() || isFloating()) return;
  const int width = FirstWidth();
  // On a screen with room to spare the main window widens to take the net;
  // otherwise the net takes a share of the window.
  if (const QScreen* screen = owner_.screen()) {
    const QRect available = screen->availableGeometry();
    const QRect frame = owner_.frameGeometry();
    const int room = available.width() - frame.width();
    if (room > 0 && !owner_.isMaximized() && !owner_.isFullScreen()) {
      const int grow = std::min(room, width);
      owner_.resize(owner_.width() + grow, owner_.height());
      const int overflow = owner_.frameGeometry().right() - available.right();
      if (overflow > 0) owner_.move(std::max(available.left(), owner_.x() - overflow), owner_.y());
    }
  }
  owner_.resizeDocks({this}, {width}, Qt::Horizontal);
}

bool StereoPlotDock::Remember(Lodema::WindowRect& rect) {
  if (!isVisible()) return false;
  store_.Write(Lodema::kApplicationName, kSection, kDockStateKey,
               owner_.saveState(kDockStateVersion).toBase64().toStdString());
  const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96.0;
  const auto twips = [dpi](int pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi));
  };
  const QRect frame =
      isFloating() ? geometry() : QRect(mapTo(&owner_, QPoint(0, 0)) + owner_.pos(), size());
  rect.Left = twips(frame.x());
  rect.Top = twips(frame.y());
  rect.Width = twips(frame.width());
  rect.Height = twips(frame.height());
  return true;
}

void StereoPlotDock::closeEvent(QCloseEvent* event) {
  QDockWidget::closeEvent(event);
  if (event->isAccepted()) plot_.NoteClosedByUser();
}
