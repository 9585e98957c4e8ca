// SPDX-License-Identifier: MIT
// The scroll areas of the main window: each page in one, and the entry and
// result windows beside the pages in another, so that on a small screen the
// window still fits and what does not fit scrolls.
#pragma once

#include <QScrollArea>

// A page in a frameless scroll area: a page taller or wider than its room
// scrolls rather than being cut off or pushing the window off the screen.
QScrollArea* Scrolled(QWidget* page);

// The entry and result windows beside the pages: as wide as they need (the
// calculation decides which windows show), scrolled up and down when the
// screen is too low for them.
class SideScrollArea : public QScrollArea {
 public:
  SideScrollArea();
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSize Widen(QSize hint) const;
};
