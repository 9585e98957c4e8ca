// SPDX-License-Identifier: MIT
#include "app/ResultPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "app/Mirror.h"
#include "app/Named.h"
#include "model/CalculatorModel.h"

namespace {

constexpr int kValueWidth = 58;

void AddBoxes(QGridLayout* grid, int row, int column, const std::array<QLabel*, 12>& values,
              const std::array<QLabel*, 12>& captions, int first) {
  for (int k = 0; k < 3; ++k) {
    grid->addWidget(values[first + k], row, column + k);
    grid->addWidget(captions[first + k], row + 1, column + k);
  }
}

}  // namespace

QLabel* ResultPanel::MakeValueLabel(int index) {
  auto* label = Named(new QLabel, QStringLiteral("lblResult%1").arg(index));
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setFixedWidth(kValueWidth);
  label->setMinimumHeight(22);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setStyleSheet(QStringLiteral(
      "QLabel { background: palette(base); color: palette(text); padding-right: 3px; }"));
  mirror::KeepRoom(label);
  return label;
}

QLabel* ResultPanel::MakeCaptionLabel(int index) {
  auto* label = Named(new QLabel, QStringLiteral("lblDipRes%1").arg(index));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  mirror::KeepRoom(label);
  return label;
}

ResultPanel::ResultPanel(Lodema::CalculatorModel& model, QObject* parent)
    : QObject(parent), model_(model) {
  for (int i = 0; i < 12; ++i) {
    resultValues_[i] = MakeValueLabel(i);
    resultCaptions_[i] = MakeCaptionLabel(i);
  }
  for (int f = 0; f < 3; ++f) {
    resultFrames_[f] = Named(new QGroupBox, QStringLiteral("fraResults%1").arg(f));
  }
  const std::array<int, 3> rowLabelIndex = {14, 16, 17};
  for (int k = 0; k < 3; ++k) {
    rowLabels_[k] = Named(new QLabel, QStringLiteral("lblDip%1").arg(rowLabelIndex[k]));
    rowLabels_[k]->setTextFormat(Qt::PlainText);
  }

  // The main result, and the reference plane.
  for (int f = 0; f < 2; ++f) {
    auto* grid = new QGridLayout(resultFrames_[f]);
    grid->setVerticalSpacing(1);
    AddBoxes(grid, 0, 0, resultValues_, resultCaptions_, 3 * f);
    grid->setColumnStretch(3, 1);
  }

  // Ambiguous solutions: the second reference plane and the result from it.
  auto* ambiguous = new QGridLayout(resultFrames_[2]);
  ambiguous->setVerticalSpacing(1);
  ambiguous->addWidget(rowLabels_[2], 0, 0);  // "Other:"
  ambiguous->addWidget(rowLabels_[0], 1, 0);  // "Ref. plane"
  AddBoxes(ambiguous, 1, 1, resultValues_, resultCaptions_, 6);
  ambiguous->addWidget(rowLabels_[1], 3, 0);  // "Result"
  AddBoxes(ambiguous, 3, 1, resultValues_, resultCaptions_, 9);
  ambiguous->setColumnStretch(4, 1);

  messagePanel_ = Named(new QLabel, QStringLiteral("panMsgs"));
  messagePanel_->setFrameShape(QFrame::Panel);
  messagePanel_->setFrameShadow(QFrame::Sunken);
  messagePanel_->setWordWrap(true);
  messagePanel_->setTextFormat(Qt::PlainText);
  messagePanel_->setMinimumHeight(40);
  messagePanel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  messagePanel_->setStyleSheet(QStringLiteral("QLabel { padding: 3px; }"));

  results_ = Named(new QWidget, QStringLiteral("resultWindows"));
  auto* layout = new QGridLayout(results_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(resultFrames_[0], 0, 0);
  layout->addWidget(resultFrames_[1], 0, 1);
  layout->addWidget(resultFrames_[2], 1, 0, 1, 2);
  Refresh();
}

void ResultPanel::Refresh() {
  const Lodema::MainWindowControls& c = model_.Controls();
  for (int i = 0; i < 12; ++i) {
    mirror::Caption(resultValues_[i], c.resultValues[i]);
    mirror::Caption(resultCaptions_[i], c.resultCaptions[i]);
  }
  for (int f = 0; f < 3; ++f) mirror::Frame(resultFrames_[f], c.resultFrames[f]);
  mirror::Caption(rowLabels_[0], c.entryCaptions[14]);
  mirror::Caption(rowLabels_[1], c.entryCaptions[16]);
  mirror::Caption(rowLabels_[2], c.entryCaptions[17]);
  const QString message = mirror::Q(c.messagePanel.caption);
  if (messagePanel_->text() != message) messagePanel_->setText(message);
}
