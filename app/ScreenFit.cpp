// SPDX-License-Identifier: MIT
#include "app/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The margins between the window's frame and its client area.
QMargins DrawnDecorations(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace

QRect FitWithin(const QRect& client, const QMargins& decorations, const QRect& available) {
  const QSize room = available.size().shrunkBy(decorations).expandedTo(QSize(1, 1));
  const QSize size = client.size().boundedTo(room);
  const QSize frame = size.grownBy(decorations);
  const int left = std::clamp(client.left() - decorations.left(), available.left(),
                              available.left() + available.width() - frame.width());
  const int top = std::clamp(client.top() - decorations.top(), available.top(),
                             available.top() + available.height() - frame.height());
  return {QPoint(left + decorations.left(), top + decorations.top()), size};
}

QMargins DecorationsOf(const QWidget& window) {
  const QMargins drawn = DrawnDecorations(window);
  if (!drawn.isNull()) return drawn;
  return QMargins(0, kAssumedTitleBarHeight, 0, 0);
}

void FitOnScreen(QWidget& window, bool place) {
  if (window.isMaximized() || window.isFullScreen()) return;
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const QRect fitted =
      FitWithin(window.geometry(), DecorationsOf(window), screen->availableGeometry());
  if (fitted.size() != window.size()) window.resize(fitted.size());
  if (place && fitted.topLeft() != window.geometry().topLeft()) {
    // move() places the frame; the client lies inside it by the decorations.
    window.move(window.pos() + (fitted.topLeft() - window.geometry().topLeft()));
  }
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
  const QRect fitted = FitWithin(restored, DrawnDecorations(window), screen->availableGeometry());
  if (fitted != restored) window.setGeometry(fitted);
  return true;
}
