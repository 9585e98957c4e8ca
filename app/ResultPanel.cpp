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
// The entry captions the row labels show.
constexpr std::array<int, 3> kRowLabelCaptions = {14, 16, 17};

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
  for (int k = 0; k < 3; ++k) {
    rowLabels_[k] = Named(new QLabel, QStringLiteral("lblDip%1").arg(kRowLabelCaptions[k]));
    rowLabels_[k]->setTextFormat(Qt::PlainText);
  }
  // Three value boxes from first on, their captions under them.
  const auto addBoxes = [this](QGridLayout* grid, int row, int column, int first) {
    for (int k = 0; k < 3; ++k) {
      grid->addWidget(resultValues_[first + k], row, column + k);
      grid->addWidget(resultCaptions_[first + k], row + 1, column + k);
    }
  };

  // The main result, and the reference plane.
  for (int f = 0; f < 2; ++f) {
    auto* grid = new QGridLayout(resultFrames_[f]);
    grid->setVerticalSpacing(1);
    addBoxes(grid, 0, 0, 3 * f);
    grid->setColumnStretch(3, 1);
  }

  // Ambiguous solutions: the second reference plane and the result from it.
  auto* ambiguous = new QGridLayout(resultFrames_[2]);
  ambiguous->setVerticalSpacing(1);
  ambiguous->addWidget(rowLabels_[2], 0, 0);  // "Other:"
  ambiguous->addWidget(rowLabels_[0], 1, 0);  // "Ref. plane"
  addBoxes(ambiguous, 1, 1, 6);
  ambiguous->addWidget(rowLabels_[1], 3, 0);  // "Result"
  addBoxes(ambiguous, 3, 1, 9);
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
  for (int k = 0; k < 3; ++k) mirror::Caption(rowLabels_[k], c.entryCaptions[kRowLabelCaptions[k]]);
  const QString message = mirror::Q(c.messagePanel.caption);
  if (messagePanel_->text() != message) messagePanel_->setText(message);
}
