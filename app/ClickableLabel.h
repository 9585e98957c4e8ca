// SPDX-License-Identifier: MIT
// A caption label that reports a left click, as the calculation captions
// beside their buttons do.
#pragma once

#include <QLabel>

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};
