// SPDX-License-Identifier: MIT
#include "app/PageScrollAreas.h"

#include <QEvent>
#include <QScrollBar>

QScrollArea* Scrolled(QWidget* page) {
  auto* area = new QScrollArea;
  area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(page);
  // Not a stop of the Tab key: it scrolls to whatever has the focus.
  area->setFocusPolicy(Qt::NoFocus);
  return area;
}

SideScrollArea::SideScrollArea() {
  setObjectName(QStringLiteral("sidePanelScroll"));
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::NoFocus);
}

QSize SideScrollArea::minimumSizeHint() const { return Widen(QScrollArea::minimumSizeHint()); }

QSize SideScrollArea::sizeHint() const { return Widen(QScrollArea::sizeHint()); }

bool SideScrollArea::eventFilter(QObject* watched, QEvent* event) {
  // Other windows shown: the width needed may have changed.
  if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
  return QScrollArea::eventFilter(watched, event);
}

QSize SideScrollArea::Widen(QSize hint) const {
  if (widget() != nullptr) {
    hint.setWidth(widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() +
                  2 * frameWidth());
  }
  return hint;
}
