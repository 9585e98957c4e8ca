// SPDX-License-Identifier: MIT
// Text colours that stay readable whatever the desktop's palette: the
// calculation buttons carry their own background colours from the settings,
// and the few coloured captions were chosen for a light window.
#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace theme {

// Contrast ratio of two colours by their relative luminance, from 1 (the
// same) to 21 (black on white). Text reads comfortably from 4.5 up.
double ContrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever stands out more on background.
QColor TextOn(const QColor& background);

// wanted itself when it reads on background (ratio 3, enough for the bold
// and short captions it serves, so a light theme keeps Lodema's colours),
// otherwise wanted mixed towards white (on a dark background) or black (on
// a light one) until it reads well (ratio 4.5): a red caption stays red.
QColor ReadableOn(const QColor& wanted, const QColor& background);

// Gives label (a QLabel) the text colour wanted, made readable on the
// application's window colour; extra is more of the style sheet rule
// ("font-weight: bold;"). The wish is kept on the widget, so that
// FollowPalette can apply it again when the desktop's theme changes.
void SetCaptionColour(QWidget* label, const QColor& wanted, const QString& extra = {});

// Applies every caption colour set with SetCaptionColour under root again,
// for the application's palette as it is now.
void FollowPalette(QWidget* root);

}  // namespace theme
