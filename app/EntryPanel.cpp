// SPDX-License-Identifier: MIT
#include "app/EntryPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "app/Named.h"
#include "app/ResultPanel.h"
#include "model/CalculatorModel.h"

namespace {

constexpr int kBoxWidth = 58;

QLabel* BoxCaption(int index) {
  auto* label = Named(new QLabel, QStringLiteral("lblDip%1").arg(index));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  mirror::KeepRoom(label);
  return label;
}

QLabel* MakeWindowLetter(const QString& letter, const QString& name) {
  auto* label = Named(new QLabel(letter), name);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.3);
  label->setFont(font);
  label->setFixedWidth(18);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  mirror::KeepRoom(label);
  return label;
}

}  // namespace

EntryPanel::EntryPanel(Lodema::CalculatorModel& model, QObject* parent)
    : QObject(parent), model_(model) {
  for (int i = 0; i < 12; ++i) {
    auto* edit = Named(new QLineEdit, QStringLiteral("txtValues%1").arg(i));
    edit->setFixedWidth(kBoxWidth);
    edit->setAlignment(Qt::AlignRight);
    mirror::KeepRoom(edit);
    connect(edit, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { model_.SetEntryText(i, mirror::S(text)); });
    entryBoxes_[i] = edit;
    entryCaptions_[i] = BoxCaption(i);
  }

  windows_ = Named(new QWidget, QStringLiteral("entryWindows"));
  auto* layout = new QGridLayout(windows_);
  layout->setContentsMargins(0, 0, 0, 0);

  // Windows A and B share the frame windowsABFrame.
  windowsABFrame_ = Named(new QGroupBox, QStringLiteral("fraOrients"));
  {
    auto* row = new QHBoxLayout(windowsABFrame_);
    windowACaption_ = MakeWindowLetter(QStringLiteral("A"), QStringLiteral("lblA"));
    row->addWidget(windowACaption_);
    row->addWidget(MakeWindow(0, 0, 3));
    row->addSpacing(16);
    windowBCaption_ = MakeWindowLetter(QStringLiteral("B"), QStringLiteral("lblB"));
    row->addWidget(windowBCaption_);
    row->addWidget(MakeWindow(1, 3, 3));
    row->addStretch(1);
  }
  layout->addWidget(windowsABFrame_, 0, 0, 1, 2);

  windowCFrame_ = Named(new QGroupBox, QStringLiteral("fraAxis"));
  {
    auto* row = new QHBoxLayout(windowCFrame_);
    row->addWidget(MakeWindow(2, 6, 2));
    row->addStretch(1);
  }
  layout->addWidget(windowCFrame_, 1, 0, Qt::AlignTop);

  windowDFrame_ = Named(new QGroupBox, QStringLiteral("fraRefLine"));
  {
    auto* grid = new QGridLayout(windowDFrame_);
    grid->addWidget(MakeWindow(3, 8, 3), 0, 0, Qt::AlignTop);
    approximateDipFrame_ = Named(new QGroupBox, QStringLiteral("fraDip"));
    approximateDip_ = mirror::MakeOptions(
        this, QStringLiteral("optDip"), 0, model_.Controls().approximateDipOptions,
        std::bind_front(&Lodema::CalculatorModel::SetApproximateDip, &model_));
    auto* dips = new QVBoxLayout(approximateDipFrame_);
    dips->setSpacing(0);
    dips->setContentsMargins(4, 2, 4, 2);
    for (QRadioButton* button : approximateDip_.buttons) dips->addWidget(button);
    mirror::KeepRoom(approximateDipFrame_);
    grid->addWidget(approximateDipFrame_, 0, 1, 2, 1, Qt::AlignTop);

    referenceDirectionFrame_ = Named(new QGroupBox, QStringLiteral("fraRef"));
    referenceDirection_ = mirror::MakeOptions(
        this, QStringLiteral("optRef"), 0, model_.Controls().referenceDirectionOptions,
        std::bind_front(&Lodema::CalculatorModel::SetReferenceDirection, &model_));
    auto* refs = new QVBoxLayout(referenceDirectionFrame_);
    refs->setSpacing(0);
    refs->setContentsMargins(4, 2, 4, 2);
    for (QRadioButton* button : referenceDirection_.buttons) refs->addWidget(button);
    grid->addWidget(referenceDirectionFrame_, 1, 0);
    grid->setColumnStretch(2, 1);
  }
  layout->addWidget(windowDFrame_, 1, 1, Qt::AlignTop);
  layout->setColumnStretch(1, 1);

  // The apparent dip (or pitch) frame: its switch, the section trend and
  // the two result boxes.
  extraResultFrame_ = Named(new QGroupBox, QStringLiteral("fraExtraData"));
  {
    auto* row = new QHBoxLayout(extraResultFrame_);
    apparentDipBox_ = Named(new QCheckBox, QStringLiteral("chkShowApparent"));
    connect(apparentDipBox_, &QCheckBox::clicked, this,
            [this](bool checked) { model_.SetApparentDipShown(checked); });
    row->addWidget(apparentDipBox_);

    windowPanels_[4] = Named(new QWidget, QStringLiteral("panorient4"));
    auto* section = new QGridLayout(windowPanels_[4]);
    section->setContentsMargins(0, 0, 0, 0);
    section->setVerticalSpacing(1);
    sectionCaption_ = Named(new QLabel, QStringLiteral("Label3"));
    section->addWidget(sectionCaption_, 0, 0);
    section->addWidget(entryBoxes_[11], 0, 1);
    section->addWidget(entryCaptions_[11], 1, 1);
    mirror::KeepRoom(windowPanels_[4]);
    row->addWidget(windowPanels_[4]);

    auto* sectionResults = Named(new QWidget, QStringLiteral("panResults3"));
    auto* results = new QGridLayout(sectionResults);
    results->setContentsMargins(0, 0, 0, 0);
    results->setVerticalSpacing(1);
    for (int i = 12; i < 14; ++i) {
      resultValues_[i] = ResultPanel::MakeValueLabel(i);
      resultCaptions_[i] = ResultPanel::MakeCaptionLabel(i);
      results->addWidget(resultValues_[i], 0, i - 12);
      results->addWidget(resultCaptions_[i], 1, i - 12);
    }
    row->addWidget(sectionResults);
    row->addStretch(1);
  }
  Refresh();
}

QWidget* EntryPanel::MakeWindow(int window, int firstBox, int boxCount) {
  auto* panel = Named(new QWidget, QStringLiteral("panorient%1").arg(window));
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(1);
  for (int k = 0; k < boxCount; ++k) {
    grid->addWidget(entryBoxes_[firstBox + k], 0, k);
    grid->addWidget(entryCaptions_[firstBox + k], 1, k);
  }
  mirror::KeepRoom(panel);
  windowPanels_[window] = panel;
  return panel;
}

void EntryPanel::Refresh() {
  const Lodema::MainWindowControls& c = model_.Controls();
  for (int i = 0; i < 12; ++i) {
    mirror::Text(entryBoxes_[i], c.entryBoxes[i]);
    mirror::Caption(entryCaptions_[i], c.entryCaptions[i]);
    // What the box holds and its range follow the calculation and notation.
    const QString tip = mirror::Q(model_.EntryTooltip(i));
    if (entryBoxes_[i]->toolTip() != tip) entryBoxes_[i]->setToolTip(tip);
  }
  for (int w = 0; w < 5; ++w) mirror::Panel(windowPanels_[w], c.windowPanels[w]);
  mirror::Frame(windowsABFrame_, c.windowsABFrame);
  // A window's letter goes with the window.
  mirror::Caption(windowACaption_, {c.windowACaption.caption,
                                    c.windowACaption.visible && c.windowPanels[0].visible});
  mirror::Visible(windowBCaption_, c.windowPanels[1].visible);
  mirror::Frame(windowCFrame_, c.windowCFrame);
  mirror::Frame(windowDFrame_, c.windowDFrame);
  mirror::Frame(referenceDirectionFrame_, c.referenceDirectionFrame);
  mirror::Frame(approximateDipFrame_, c.approximateDipFrame);
  referenceDirection_.Mirror();
  approximateDip_.Mirror();

  mirror::Frame(extraResultFrame_, c.extraResultFrame);
  mirror::Check(apparentDipBox_, c.apparentDipBox);
  mirror::Caption(sectionCaption_, c.sectionCaption);
  for (int i = 12; i < 14; ++i) {
    mirror::Caption(resultValues_[i], c.resultValues[i]);
    mirror::Caption(resultCaptions_[i], c.resultCaptions[i]);
  }
}

bool EntryPanel::FocusFirstEntry() {
  // Boxes 0-10 are windows A to D in order; 11 is the section trend.
  for (int i = 0; i < 11; ++i) {
    QLineEdit* box = entryBoxes_[i];
    if (box->isVisibleTo(box->window()) && box->isEnabled() && !box->isReadOnly()) {
      box->setFocus(Qt::OtherFocusReason);
      box->selectAll();
      return true;
    }
  }
  return false;
}
