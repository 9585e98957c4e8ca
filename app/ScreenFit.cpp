// SPDX-License-Identifier: MIT
#include "app/ScreenFit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

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
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  const QMargins drawn(client.left() - frame.left(), client.top() - frame.top(),
                       frame.right() - client.right(), frame.bottom() - client.bottom());
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
