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
#include <exception>

#include "app/Mirror.h"
#include "app/QtPlatform.h"
#include "batch/FilePage.h"
#include "calc/FormModel.h"

namespace {

using Lodema::kOutputOptionCount;

struct OptionText {
  const char* caption;
  const char* tooltip;
};

// chkFileOutOptions(0..10); 7-9 take their captions from the calculation.
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

OutputPanel::OutputPanel(Lodema::FormModel& model, Lodema::FilePageModel& page, QObject* parent)
    : QObject(parent), model_(model), pageModel_(page) {
  for (int i = 0; i < kOutputOptionCount; ++i) {
    auto* box = new QCheckBox(QString::fromLatin1(kOutputOptions[i].caption));
    box->setObjectName(QStringLiteral("chkFileOutOptions%1").arg(i));
    if (kOutputOptions[i].tooltip[0] != '\0') {
      box->setToolTip(QString::fromLatin1(kOutputOptions[i].tooltip));
    }
    connect(box, &QCheckBox::clicked, this, [this, i, box] {
      Forward([this, i, box] { pageModel_.SetOutputOption(i, box->checkState() == Qt::Checked); });
    });
    chkFileOutOptions_[i] = box;
  }

  MakeOutputGroup();
  extraColumns_ = MakeExtraColumns();
  Refresh();
}

QWidget* OutputPanel::MakeOutputGroup() {
  fraOutput_ = new QGroupBox(QStringLiteral("Output file"));
  fraOutput_->setObjectName(QStringLiteral("fraOutput"));
  auto* grid = new QGridLayout(fraOutput_);
  grid->setVerticalSpacing(2);

  txtFileName2_ = new QLineEdit;
  txtFileName2_->setObjectName(QStringLiteral("txtFileName2"));
  cmdFileName2_ = new QPushButton(QStringLiteral("Browse..."));
  cmdFileName2_->setObjectName(QStringLiteral("cmdFileName2"));
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(txtFileName2_, 1);
  nameRow->addWidget(cmdFileName2_);
  grid->addLayout(nameRow, 0, 0, 1, 2);

  auto* current = new QHBoxLayout;
  current->setSpacing(6);
  current->addWidget(new QLabel(QStringLiteral("Current Output File:")));
  lblCurrentFile_ = new QLabel;
  lblCurrentFile_->setObjectName(QStringLiteral("lblCurrentFile0"));
  lblCurrentFile_->setTextFormat(Qt::PlainText);
  lblCurrentFile_->setStyleSheet(QStringLiteral("QLabel { color: #000080; }"));
  current->addWidget(lblCurrentFile_, 1);
  grid->addLayout(current, 1, 0, 1, 2);

  auto* delimiterRow = new QHBoxLayout;
  delimiterRow->setSpacing(6);
  delimiterRow->addWidget(new QLabel(QStringLiteral("Output data delimiter")));
  cboDelim1_ = new QComboBox;
  cboDelim1_->setObjectName(QStringLiteral("cboDelim1"));
  cboDelim1_->setEditable(true);
  cboDelim1_->setFixedWidth(80);
  delimiterRow->addWidget(cboDelim1_);
  delimiterRow->addStretch(1);
  grid->addLayout(delimiterRow, 2, 0, 1, 2);

  const std::array<int, 7> shown = {0, 1, 2, 3, 4, 5, 10};
  for (int k = 0; k < static_cast<int>(shown.size()); ++k) {
    grid->addWidget(chkFileOutOptions_[shown[k]], 3 + k, 0, 1, 2);
    mirror::KeepRoom(chkFileOutOptions_[shown[k]]);
  }
  fileOutGroup_ = new QButtonGroup(this);
  const std::array<QString, 2> modes = {QStringLiteral("Replace data"),
                                        QStringLiteral("Append data")};
  auto* modeRow = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    optFileOut_[i] = new QRadioButton(modes[i]);
    optFileOut_[i]->setObjectName(QStringLiteral("optFileOut%1").arg(i));
    fileOutGroup_->addButton(optFileOut_[i], i);
    connect(optFileOut_[i], &QRadioButton::clicked, this, [this, i](bool checked) {
      if (checked) Forward([this, i] { pageModel_.SetAppendData(i == 1); });
    });
    modeRow->addWidget(optFileOut_[i]);
  }
  cmdFileOut_ = new QPushButton(QStringLiteral("Save current result window"));
  cmdFileOut_->setObjectName(QStringLiteral("cmdFileOut"));
  modeRow->addStretch(1);
  modeRow->addWidget(cmdFileOut_);
  grid->addLayout(modeRow, 3 + static_cast<int>(shown.size()), 0, 1, 2);

  connect(txtFileName2_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Forward([this, text] { pageModel_.SetOutputFileText(mirror::S(text)); });
  });
  txtFileName2_->installEventFilter(this);
  connect(cmdFileName2_, &QPushButton::clicked, this,
          [this] { Forward([this] { pageModel_.ChooseOutputFile(); }); });
  connect(cboDelim1_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    Forward([this, text] { pageModel_.SetOutputDelimiterText(mirror::S(text)); });
  });
  connect(cmdFileOut_, &QPushButton::clicked, this,
          [this] { Forward([this] { pageModel_.SaveCurrentResultWindow(); }); });
  return fraOutput_;
}

QWidget* OutputPanel::MakeExtraColumns() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  // The section trend of the apparent dip, the same for every row.
  fraAncilliary_ = new QGroupBox;
  fraAncilliary_->setObjectName(QStringLiteral("fraAncilliary"));
  auto* ancilliary = new QGridLayout(fraAncilliary_);
  panorient5_ = new QWidget;
  panorient5_->setObjectName(QStringLiteral("panorient5"));
  auto* section = new QVBoxLayout(panorient5_);
  section->setContentsMargins(0, 0, 0, 0);
  section->setSpacing(1);
  txtValues12_ = new QLineEdit;
  txtValues12_->setObjectName(QStringLiteral("txtValues12"));
  txtValues12_->setFixedWidth(64);
  txtValues12_->setAlignment(Qt::AlignRight);
  connect(txtValues12_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetEntryText(12, mirror::S(text)); });
  lblDip12_ = new QLabel;
  lblDip12_->setObjectName(QStringLiteral("lblDip12"));
  lblDip12_->setAlignment(Qt::AlignHCenter);
  section->addWidget(txtValues12_);
  section->addWidget(lblDip12_);
  lblAppDipOrPitch_ = new QLabel;
  lblAppDipOrPitch_->setObjectName(QStringLiteral("lblAppDipOrPitch"));
  ancilliary->addWidget(chkFileOutOptions_[6], 0, 0, 1, 2);
  ancilliary->addWidget(lblAppDipOrPitch_, 1, 0, 1, 2);
  ancilliary->addWidget(panorient5_, 2, 0);
  ancilliary->setColumnStretch(1, 1);
  layout->addWidget(fraAncilliary_);

  // Extra result columns of the reference-plane calculations.
  panorient6_ = new QGroupBox;
  panorient6_->setObjectName(QStringLiteral("panorient6"));
  auto* reference = new QVBoxLayout(panorient6_);
  for (int i = 7; i <= 9; ++i) reference->addWidget(chkFileOutOptions_[i]);
  layout->addWidget(panorient6_);
  return column;
}

bool OutputPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtFileName2_ && event->type() == QEvent::MouseButtonDblClick) {
    Forward([this] { pageModel_.ChooseOutputFile(); });
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void OutputPanel::Forward(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& fault) {
    // A fault in one handler must not take the window down; it is reported
    // and the panel is brought back in line with the model below.
    ReportUnexpectedFault(nullptr, fault.what());
  }
  Refresh();
}

void OutputPanel::Refresh() {
  const Lodema::FilePageControls& c = pageModel_.Controls();
  const Lodema::MainWindowControls& main = model_.Controls();
  mirror::Text(txtFileName2_, c.txtFileName[2]);
  const QString current = mirror::Q(c.lblCurrentFile);
  if (lblCurrentFile_->text() != current) lblCurrentFile_->setText(current);
  mirror::List(cboDelim1_, c.cboDelim[1]);
  for (int i = 0; i < kOutputOptionCount; ++i) {
    mirror::TriState(chkFileOutOptions_[i], c.chkFileOutOptions[i]);
  }
  // The reference-plane columns are captioned and shown per calculation.
  for (int i = 7; i <= 9; ++i) {
    const Lodema::CheckBox& shown = main.chkFileOutOptions[i];
    if (chkFileOutOptions_[i]->text() != mirror::Literal(shown.caption)) {
      chkFileOutOptions_[i]->setText(mirror::Literal(shown.caption));
    }
    mirror::Visible(chkFileOutOptions_[i], shown.visible && c.chkFileOutOptions[i].visible);
  }
  // The output options wait for a source to run over.
  for (int i = 0; i < kOutputOptionCount; ++i) {
    chkFileOutOptions_[i]->setEnabled(c.chkFileOutOptions[i].enabled && c.outputOptionsEnabled);
  }
  mirror::Options(fileOutGroup_, optFileOut_, c.optFileOut, false);

  mirror::Frame(fraAncilliary_, main.fraAncilliary);
  mirror::Panel(panorient5_, main.panorient[5]);
  mirror::Panel(panorient6_, main.panorient[6]);
  mirror::Text(txtValues12_, main.txtValues[12]);
  mirror::Caption(lblDip12_, main.lblDip[12]);
  mirror::Caption(lblAppDipOrPitch_, main.lblAppDipOrPitch);
}
