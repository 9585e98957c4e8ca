// SPDX-License-Identifier: MIT
// A one-line label for texts that hold a path: it asks for no more width
// than a few characters and shows what does not fit as "…" in the middle,
// the whole text in its tooltip, so that a long path never widens the page.
// text() is always the whole text.
#pragma once

#include <QLabel>

class ElidedLabel : public QLabel {
 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  // Sets the text, and the tooltip to it, when it differs.
  void SetWholeText(const QString& text);
  // The text as shown: elided to the label's width.
  QString ShownText() const;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
