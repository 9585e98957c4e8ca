// SPDX-License-Identifier: MIT
// Restoring a window's stored geometry without trusting it: a damaged or
// edited value must not open a window larger than the screen or with its
// title bar out of reach (and so save itself back the same way).
#pragma once

#include <QByteArray>
#include <QRect>

class QWidget;

namespace window_geometry {

// frame as it fits available: no larger than it, and wholly on it.
QRect FitOnScreen(const QRect& frame, const QRect& available);

// Restores saved (QWidget::saveGeometry) on window and then fits its frame
// on the screen it lands on; false, with the window untouched, for a value
// that is not a window geometry.
bool RestoreOnScreen(QWidget& window, const QByteArray& saved);

}  // namespace window_geometry
