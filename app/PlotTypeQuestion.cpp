// SPDX-License-Identifier: MIT
#include "app/PlotTypeQuestion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace Plot = Lodema::Plot;

namespace {

QString Shown(const std::string& text) {
  QString shown = QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.size()));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown.trimmed();
}

}  // namespace

PlotTypeQuestionBar::PlotTypeQuestionBar(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("typeQuestionBar"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);
  setForegroundRole(QPalette::ToolTipText);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 4, 6, 4);
  auto* icon = new QLabel;
  const int side = style()->pixelMetric(QStyle::PM_SmallIconSize);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
  row->addWidget(icon, 0, Qt::AlignTop);
  text_ = new QLabel;
  text_->setWordWrap(true);
  text_->setMinimumWidth(120);
  row->addWidget(text_, 1);
  auto* buttons = new QVBoxLayout;
  const std::array<const char*, 3> captions = {"Abort", "Retry", "Ignore"};
  const std::array<Plot::MismatchAnswer, 3> answers = {
      Plot::MismatchAnswer::kAbort, Plot::MismatchAnswer::kRetry, Plot::MismatchAnswer::kIgnore};
  for (int i = 0; i < 3; ++i) {
    choices_[i] = new QPushButton(QString::fromLatin1(captions[i]));
    choices_[i]->setObjectName(
        QStringLiteral("typeQuestion%1").arg(QString::fromLatin1(captions[i])));
    // The entries keep the keyboard: the bar is answered by the mouse.
    choices_[i]->setFocusPolicy(Qt::ClickFocus);
    const Plot::MismatchAnswer answer = answers[i];
    connect(choices_[i], &QPushButton::clicked, this, [this, answer] {
      hide();
      emit answered(answer);
    });
    buttons->addWidget(choices_[i]);
  }
  row->addLayout(buttons);
  hide();
}

void PlotTypeQuestionBar::Ask(const std::string& text) {
  text_->setText(Shown(text));
  show();
}

QString PlotTypeQuestionBar::Text() const { return text_->text(); }

Plot::MismatchAnswer MessageBoxQuestion::Ask(const std::string& text) {
  const auto answer = QMessageBox::warning(
      parent_, QStringLiteral("Lodema"), Shown(text),
      QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Retry);
  if (answer == QMessageBox::Retry) return Plot::MismatchAnswer::kRetry;
  if (answer == QMessageBox::Ignore) return Plot::MismatchAnswer::kIgnore;
  return Plot::MismatchAnswer::kAbort;
}
