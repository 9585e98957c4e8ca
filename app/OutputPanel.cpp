// SPDX-License-Identifier: MIT
#include "app/OutputPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Mirror.h"
#include "app/Named.h"
#include "app/ThemeColours.h"
#include "model/CalculatorModel.h"
#include "model/FilePage.h"

namespace {

using Lodema::kOutputOptionCount;

struct OptionText {
  const char* caption;
  const char* tooltip;
};

// fileOutputOptions(0..10); 7-9 take their captions from the calculation.
constexpr std::array<OptionText, kOutputOptionCount> kOutputOptions = {{
    {"Include Input data in Output file?", ""},
    {"Result columns precede input data columns?", "Put Results columns first in saved output"},
    {"Result columns follow input data columns?", "Put Results columns last in saved output"},
    {"Keep non- data rows?", ""},
    {"Output delimiter same as input file? (overrides setting above)", ""},
    {"Include Input headers in output?", "Retains the Input header line in the output"},
    {"Include result columns", "Will add two columns to output"},
    {"Reference plane solution", "Adds full reference plane solution to output"},
    {"Any ambiguous reference plane solutions",
     "Adds the second reference plane solution, if present"},
    {"Second result using ambiguous ref. plane",
     "Adds the other solution, if a second reference plane solution exists"},
    {"Include Results column labels?",
     "Adds a header with the labels for each of the Results columns"},
}};

}  // namespace

OutputPanel::OutputPanel(Lodema::CalculatorModel& model, Lodema::FilePageModel& page,
                         std::function<void(std::function<void()>)> forward, QObject* parent)
    : QObject(parent), model_(model), pageModel_(page), forward_(std::move(forward)) {
  for (int i = 0; i < kOutputOptionCount; ++i) {
    auto* box = new QCheckBox(QString::fromLatin1(kOutputOptions[i].caption));
    box->setObjectName(QStringLiteral("chkFileOutOptions%1").arg(i));
    box->setToolTip(QString::fromLatin1(kOutputOptions[i].tooltip));  // "" for none
    connect(box, &QCheckBox::clicked, this, [this, i, box] {
      forward_([this, i, box] { pageModel_.SetOutputOption(i, box->checkState() == Qt::Checked); });
    });
    fileOutputOptions_[i] = box;
  }

  MakeOutputGroup();
  extraColumns_ = MakeExtraColumns();
  Refresh();
}

void OutputPanel::MakeOutputGroup() {
  outputGroup_ = Named(new QGroupBox(QStringLiteral("Output file")), QStringLiteral("fraOutput"));
  auto* grid = new QGridLayout(outputGroup_);
  grid->setVerticalSpacing(2);

  fileNameBoxes2_ = Named(new QLineEdit, QStringLiteral("txtFileName2"));
  outputBrowseButton_ = new QPushButton(QStringLiteral("Browse..."));
  outputBrowseButton_->setObjectName(QStringLiteral("cmdFileName2"));
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(fileNameBoxes2_, 1);
  nameRow->addWidget(outputBrowseButton_);
  grid->addLayout(nameRow, 0, 0, 1, 2);

  auto* current = new QHBoxLayout;
  current->setSpacing(6);
  current->addWidget(new QLabel(QStringLiteral("Current Output File:")));
  currentFileCaption_ = Named(new ElidedLabel, QStringLiteral("lblCurrentFile0"));
  theme::SetCaptionColour(currentFileCaption_, QColor(0, 0, 0x80));
  current->addWidget(currentFileCaption_, 1);
  grid->addLayout(current, 1, 0, 1, 2);

  auto* delimiterRow = new QHBoxLayout;
  delimiterRow->setSpacing(6);
  delimiterRow->addWidget(new QLabel(QStringLiteral("Output data delimiter")));
  delimiterLists1_ = Named(new QComboBox, QStringLiteral("cboDelim1"));
  delimiterLists1_->setEditable(true);
  delimiterLists1_->setFixedWidth(80);
  delimiterRow->addWidget(delimiterLists1_);
  delimiterRow->addStretch(1);
  grid->addLayout(delimiterRow, 2, 0, 1, 2);

  const std::array<int, 7> shown = {0, 1, 2, 3, 4, 5, 10};
  for (int k = 0; k < static_cast<int>(shown.size()); ++k) {
    grid->addWidget(fileOutputOptions_[shown[k]], 3 + k, 0, 1, 2);
    mirror::KeepRoom(fileOutputOptions_[shown[k]]);
  }
  fileOutGroup_ = new QButtonGroup(this);
  const std::array<QString, 2> modes = {QStringLiteral("Replace data"),
                                        QStringLiteral("Append data")};
  auto* modeRow = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    outputModeOptions_[i] = new QRadioButton(modes[i]);
    outputModeOptions_[i]->setObjectName(QStringLiteral("optFileOut%1").arg(i));
    fileOutGroup_->addButton(outputModeOptions_[i], i);
    connect(outputModeOptions_[i], &QRadioButton::clicked, this, [this, i](bool checked) {
      if (checked) forward_([this, i] { pageModel_.SetAppendData(i == 1); });
    });
    modeRow->addWidget(outputModeOptions_[i]);
  }
  saveResultButton_ = new QPushButton(QStringLiteral("Save current result window"));
  saveResultButton_->setObjectName(QStringLiteral("cmdFileOut"));
  modeRow->addStretch(1);
  modeRow->addWidget(saveResultButton_);
  grid->addLayout(modeRow, 3 + static_cast<int>(shown.size()), 0, 1, 2);

  connect(fileNameBoxes2_, &QLineEdit::textEdited, this, [this](const QString& text) {
    forward_([this, text] { pageModel_.SetOutputFileText(mirror::S(text)); });
  });
  fileNameBoxes2_->installEventFilter(this);
  connect(outputBrowseButton_, &QPushButton::clicked, this,
          [this] { forward_([this] { pageModel_.ChooseOutputFile(); }); });
  connect(delimiterLists1_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    forward_([this, text] { pageModel_.SetOutputDelimiterText(mirror::S(text)); });
  });
  connect(saveResultButton_, &QPushButton::clicked, this,
          [this] { forward_([this] { pageModel_.SaveCurrentResultWindow(); }); });
}

QWidget* OutputPanel::MakeExtraColumns() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  // The section trend of the apparent dip, the same for every row.
  sectionTrendFrame_ = Named(new QGroupBox, QStringLiteral("fraAncilliary"));
  auto* ancilliary = new QGridLayout(sectionTrendFrame_);
  windowPanels5_ = Named(new QWidget, QStringLiteral("panorient5"));
  auto* section = new QVBoxLayout(windowPanels5_);
  section->setContentsMargins(0, 0, 0, 0);
  section->setSpacing(1);
  entryBoxes12_ = Named(new QLineEdit, QStringLiteral("txtValues12"));
  entryBoxes12_->setFixedWidth(64);
  entryBoxes12_->setAlignment(Qt::AlignRight);
  connect(entryBoxes12_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetEntryText(12, mirror::S(text)); });
  entryCaptions12_ = Named(new QLabel, QStringLiteral("lblDip12"));
  entryCaptions12_->setAlignment(Qt::AlignHCenter);
  section->addWidget(entryBoxes12_);
  section->addWidget(entryCaptions12_);
  extraResultNote_ = Named(new QLabel, QStringLiteral("lblAppDipOrPitch"));
  ancilliary->addWidget(fileOutputOptions_[6], 0, 0, 1, 2);
  ancilliary->addWidget(extraResultNote_, 1, 0, 1, 2);
  ancilliary->addWidget(windowPanels5_, 2, 0);
  ancilliary->setColumnStretch(1, 1);
  layout->addWidget(sectionTrendFrame_);

  // Extra result columns of the reference-plane calculations.
  windowPanels6_ = Named(new QGroupBox, QStringLiteral("panorient6"));
  auto* reference = new QVBoxLayout(windowPanels6_);
  for (int i = 7; i <= 9; ++i) reference->addWidget(fileOutputOptions_[i]);
  layout->addWidget(windowPanels6_);
  return column;
}

bool OutputPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == fileNameBoxes2_ && event->type() == QEvent::MouseButtonDblClick) {
    forward_([this] { pageModel_.ChooseOutputFile(); });
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void OutputPanel::Refresh() {
  const Lodema::FilePageControls& c = pageModel_.Controls();
  const Lodema::MainWindowControls& main = model_.Controls();
  mirror::Text(fileNameBoxes2_, c.fileNameBoxes[2]);
  const QString current = mirror::Q(c.currentFileCaption);
  currentFileCaption_->SetWholeText(current);
  mirror::List(delimiterLists1_, c.delimiterLists[1]);
  for (int i = 0; i < kOutputOptionCount; ++i) {
    mirror::TriState(fileOutputOptions_[i], c.fileOutputOptions[i]);
  }
  // The reference-plane columns are captioned and shown per calculation.
  for (int i = 7; i <= 9; ++i) {
    const Lodema::CheckBox& shown = main.fileOutputOptions[i];
    if (fileOutputOptions_[i]->text() != mirror::Literal(shown.caption)) {
      fileOutputOptions_[i]->setText(mirror::Literal(shown.caption));
    }
    mirror::Visible(fileOutputOptions_[i], shown.visible && c.fileOutputOptions[i].visible);
  }
  // The output options wait for a source to run over.
  for (int i = 0; i < kOutputOptionCount; ++i) {
    fileOutputOptions_[i]->setEnabled(c.fileOutputOptions[i].enabled && c.outputOptionsEnabled);
  }
  mirror::Options(fileOutGroup_, outputModeOptions_, c.outputModeOptions, false);

  mirror::Frame(sectionTrendFrame_, main.sectionTrendFrame);
  mirror::Panel(windowPanels5_, main.windowPanels[5]);
  mirror::Panel(windowPanels6_, main.windowPanels[6]);
  mirror::Text(entryBoxes12_, main.entryBoxes[12]);
  mirror::Caption(entryCaptions12_, main.entryCaptions[12]);
  mirror::Caption(extraResultNote_, main.extraResultNote);
}
