// SPDX-License-Identifier: MIT
#include "app/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace window_geometry {

QRect FitOnScreen(const QRect& frame, const QRect& available) {
  const QSize size = frame.size().boundedTo(available.size()).expandedTo(QSize(1, 1));
  const int x = std::clamp(frame.x(), available.left(), available.right() - size.width() + 1);
  const int y = std::clamp(frame.y(), available.top(), available.bottom() - size.height() + 1);
  return QRect(QPoint(x, y), size);
}

bool RestoreOnScreen(QWidget& window, const QByteArray& saved) {
  const QRect before = window.geometry();
  if (!window.restoreGeometry(saved)) return false;
  if (window.isMaximized() || window.isFullScreen()) return true;
  const QRect restored = window.geometry();
  if (restored.width() <= 0 || restored.height() <= 0) {
    window.setGeometry(before);
    return false;
  }
  const QScreen* screen = QGuiApplication::screenAt(restored.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return true;
  // The frame (title bar and borders) must fit too: the client area gets
  // what is left of the screen once the frame's margins are taken.
  const QRect frame = window.frameGeometry();
  const QMargins margins(restored.left() - frame.left(), restored.top() - frame.top(),
                         frame.right() - restored.right(), frame.bottom() - restored.bottom());
  const QRect fitted = FitOnScreen(frame, screen->availableGeometry());
  if (fitted == frame) return true;
  window.setGeometry(fitted.marginsRemoved(margins));
  return true;
}

}  // namespace window_geometry
