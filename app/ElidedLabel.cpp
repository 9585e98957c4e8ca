// SPDX-License-Identifier: MIT
#include "app/ElidedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::SetWholeText(const QString& text) {
  if (QLabel::text() == text) return;
  setText(text);
  setToolTip(text);
}

QString ElidedLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

QSize ElidedLabel::minimumSizeHint() const {
  QSize hint = QLabel::minimumSizeHint();
  hint.setWidth(std::min(hint.width(), fontMetrics().horizontalAdvance(QLatin1Char('x')) * 8));
  return hint;
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QStyleOption option;
  option.initFrom(this);
  style()->drawItemText(&painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, option.palette,
                        isEnabled(), ShownText(), foregroundRole());
}
