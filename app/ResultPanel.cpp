#include "app/ResultPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/Mirror.h"
#include "calc/FormModel.h"

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
  auto* label = new QLabel;
  label->setObjectName(QStringLiteral("lblResult%1").arg(index));
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setFixedWidth(kValueWidth);
  label->setMinimumHeight(22);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setStyleSheet(QStringLiteral("QLabel { background: white; padding-right: 3px; }"));
  mirror::KeepRoom(label);
  return label;
}

QLabel* ResultPanel::MakeCaptionLabel(int index) {
  auto* label = new QLabel;
  label->setObjectName(QStringLiteral("lblDipRes%1").arg(index));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  mirror::KeepRoom(label);
  return label;
}

void ResultPanel::MirrorValue(QLabel* label, const Lodema::Label& value) {
  mirror::Caption(label, value);
}

ResultPanel::ResultPanel(Lodema::FormModel& model, QObject* parent)
    : QObject(parent), model_(model) {
  for (int i = 0; i < 12; ++i) {
    lblResult_[i] = MakeValueLabel(i);
    lblDipRes_[i] = MakeCaptionLabel(i);
  }
  for (int f = 0; f < 3; ++f) {
    fraResults_[f] = new QGroupBox;
    fraResults_[f]->setObjectName(QStringLiteral("fraResults%1").arg(f));
  }
  const std::array<int, 3> rowLabelIndex = {14, 16, 17};
  for (int k = 0; k < 3; ++k) {
    rowLabels_[k] = new QLabel;
    rowLabels_[k]->setObjectName(QStringLiteral("lblDip%1").arg(rowLabelIndex[k]));
    rowLabels_[k]->setTextFormat(Qt::PlainText);
  }

  auto* main = new QGridLayout(fraResults_[0]);
  main->setVerticalSpacing(1);
  AddBoxes(main, 0, 0, lblResult_, lblDipRes_, 0);
  main->setColumnStretch(3, 1);

  auto* reference = new QGridLayout(fraResults_[1]);
  reference->setVerticalSpacing(1);
  AddBoxes(reference, 0, 0, lblResult_, lblDipRes_, 3);
  reference->setColumnStretch(3, 1);

  // Ambiguous solutions: the second reference plane and the result from it.
  auto* ambiguous = new QGridLayout(fraResults_[2]);
  ambiguous->setVerticalSpacing(1);
  ambiguous->addWidget(rowLabels_[2], 0, 0);  // "Other:"
  ambiguous->addWidget(rowLabels_[0], 1, 0);  // "Ref. plane"
  AddBoxes(ambiguous, 1, 1, lblResult_, lblDipRes_, 6);
  ambiguous->addWidget(rowLabels_[1], 3, 0);  // "Result"
  AddBoxes(ambiguous, 3, 1, lblResult_, lblDipRes_, 9);
  ambiguous->setColumnStretch(4, 1);

  panMsgs_ = new QLabel;
  panMsgs_->setObjectName(QStringLiteral("panMsgs"));
  panMsgs_->setFrameShape(QFrame::Panel);
  panMsgs_->setFrameShadow(QFrame::Sunken);
  panMsgs_->setWordWrap(true);
  panMsgs_->setTextFormat(Qt::PlainText);
  panMsgs_->setMinimumHeight(40);
  panMsgs_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  panMsgs_->setStyleSheet(QStringLiteral("QLabel { padding: 3px; }"));

  results_ = new QWidget;
  results_->setObjectName(QStringLiteral("resultWindows"));
  auto* layout = new QGridLayout(results_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fraResults_[0], 0, 0);
  layout->addWidget(fraResults_[1], 0, 1);
  layout->addWidget(fraResults_[2], 1, 0, 1, 2);
  Refresh();
}

void ResultPanel::Refresh() {
  const Lodema::MainWindowControls& c = model_.Controls();
  for (int i = 0; i < 12; ++i) {
    MirrorValue(lblResult_[i], c.lblResult[i]);
    mirror::Caption(lblDipRes_[i], c.lblDipRes[i]);
  }
  for (int f = 0; f < 3; ++f) mirror::Frame(fraResults_[f], c.fraResults[f]);
  mirror::Caption(rowLabels_[0], c.lblDip[14]);
  mirror::Caption(rowLabels_[1], c.lblDip[16]);
  mirror::Caption(rowLabels_[2], c.lblDip[17]);
  const QString message = mirror::Q(c.panMsgs.caption);
  if (panMsgs_->text() != message) panMsgs_->setText(message);
}
