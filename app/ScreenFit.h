// SPDX-License-Identifier: MIT
// Keeping a top-level window whole on its screen: its size and place are
// bounded by the screen's available geometry (without task bars and docks)
// less the window manager's decorations, so that the title bar and the
// bottom edge stay in view on a small screen.
#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>

class QWidget;

// A title bar's height for a window the window manager has not framed yet
// (its decorations still read as none).
inline constexpr int kAssumedTitleBarHeight = 32;

// The client geometry nearest to `client` whose frame (client plus
// decorations) lies within `available`: shrunk to fit, then moved in.
QRect FitWithin(const QRect& client, const QMargins& decorations, const QRect& available);

// The window's decorations as the window manager drew them, or an assumed
// title bar while there are none yet.
QMargins DecorationsOf(const QWidget& window);

// Resizes a normal (not maximised, not full-screen) window to fit the
// available geometry of its screen, and with place set moves it in too
// (left unset for a window not shown yet, which the window manager places).
void FitOnScreen(QWidget& window, bool place);

// Restores saved (QWidget::saveGeometry) on window and then fits its frame
// on the screen it lands on, without trusting the value: a damaged or edited
// one must not open a window larger than the screen or with its title bar
// out of reach (and so save itself back the same way). False, with the
// window untouched, for a value that is not a window geometry.
bool RestoreOnScreen(QWidget& window, const QByteArray& saved);
