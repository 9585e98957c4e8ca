#include "app/FilePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "app/Mirror.h"
#include "app/OutputPanel.h"
#include "app/QtPlatform.h"
#include "batch/FilePage.h"
#include "calc/FormModel.h"

namespace {

constexpr const char* kStartTooltip = "Start processing data from this input file";

QString ColourName(const Lodema::Colour& colour) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

void MirrorCommand(QPushButton* button, const Lodema::CommandButton& command) {
  if (button->text() != mirror::Literal(command.caption)) {
    button->setText(mirror::Literal(command.caption));
  }
  const QString style = QStringLiteral("QPushButton { color: %1; font-weight: bold; }")
                            .arg(ColourName(command.captionColour));
  if (button->styleSheet() != style) button->setStyleSheet(style);
  mirror::Visible(button, command.visible);
}

}  // namespace

FilePage::FilePage(Lodema::FormModel& model, Lodema::FilePageModel& page, QObject* parent)
    : QObject(parent), model_(model), pageModel_(page) {
  for (int k = 0; k < 2; ++k) {
    cmdButtons_[k] = new QPushButton;
    cmdButtons_[k]->setObjectName(QStringLiteral("cmdButtons%1").arg(k));
    cmdButtons_[k]->setToolTip(QString::fromLatin1(kStartTooltip));
    connect(cmdButtons_[k], &QPushButton::clicked, this, [this, k] { emit startInputClicked(k); });
  }
  output_ = new OutputPanel(model_, pageModel_, this);
  page_ = new QWidget;
  page_->setObjectName(QStringLiteral("tabFiles"));
  // Source and output on the left; the column lists of the entry windows and
  // the extra result columns on the right.
  auto* layout = new QGridLayout(page_);
  layout->addWidget(MakeInputGroup(), 0, 0);
  layout->addWidget(output_->OutputGroup(), 1, 0);
  auto* right = new QVBoxLayout;
  right->addWidget(MakeColumnFrames());
  right->addWidget(output_->ExtraColumns());
  right->addStretch(1);
  layout->addLayout(right, 0, 1, 2, 1);
  layout->setColumnStretch(0, 1);
  layout->setRowStretch(0, 1);
  MakeStrip();
  Refresh();
}

QWidget* FilePage::MakeInputGroup() {
  fraInput_ = new QGroupBox(QStringLiteral("Input file"));
  fraInput_->setObjectName(QStringLiteral("fraInput"));
  auto* column = new QVBoxLayout(fraInput_);

  auto* nameRow = new QHBoxLayout;
  txtFileName_[0] = new QLineEdit;
  txtFileName_[0]->setObjectName(QStringLiteral("txtFileName0"));
  cmdFileName_[0] = new QPushButton(QStringLiteral("Browse..."));
  cmdFileName_[0]->setObjectName(QStringLiteral("cmdFileName0"));
  mnuPasteData2_ = new QMenu(page_);
  mnuPasteData2_->setObjectName(QStringLiteral("mnuPasteData2"));
  QAction* paste = mnuPasteData2_->addAction(QStringLiteral("Paste data from clipboard..."));
  paste->setObjectName(QStringLiteral("mnuPasteData2_0"));
  connect(paste, &QAction::triggered, this, [this] { emit pasteRequested(); });
  pasteButton_ = new QToolButton;
  pasteButton_->setObjectName(QStringLiteral("cmdPasteData"));
  pasteButton_->setArrowType(Qt::DownArrow);
  pasteButton_->setPopupMode(QToolButton::InstantPopup);
  pasteButton_->setMenu(mnuPasteData2_);
  nameRow->addWidget(txtFileName_[0], 1);
  nameRow->addWidget(cmdFileName_[0]);
  nameRow->addWidget(pasteButton_);
  column->addLayout(nameRow);

  inputOptions_ = new QWidget;
  auto* options = new QGridLayout(inputOptions_);
  options->setContentsMargins(0, 0, 0, 0);
  auto* delimiterLabel = new QLabel(QStringLiteral("File data delimiter"));
  cboDelim0_ = new QComboBox;
  cboDelim0_->setObjectName(QStringLiteral("cboDelim0"));
  cboDelim0_->setEditable(true);
  cboDelim0_->setFixedWidth(80);
  cboDelim0_->setToolTip(
      QStringLiteral("Set the delimiter that separates columns of data in this file"));
  chkTableHeadings_ = new QCheckBox(QStringLiteral("First row contains column headings"));
  chkTableHeadings_->setObjectName(QStringLiteral("chkTableHeadings"));
  options->addWidget(delimiterLabel, 0, 0);
  options->addWidget(cboDelim0_, 0, 1);
  options->addWidget(chkTableHeadings_, 0, 2);
  options->setColumnStretch(3, 1);

  grdDataFormat_ = new QTableWidget(Lodema::kPreviewDataRows, 0);
  grdDataFormat_->setObjectName(QStringLiteral("grdDataFormat"));
  grdDataFormat_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdDataFormat_->setSelectionBehavior(QAbstractItemView::SelectColumns);
  grdDataFormat_->setSelectionMode(QAbstractItemView::SingleSelection);
  grdDataFormat_->verticalHeader()->setDefaultSectionSize(20);
  grdDataFormat_->setMinimumHeight(200);
  mirror::KeepRoom(grdDataFormat_);
  options->addWidget(grdDataFormat_, 1, 0, 1, 4);
  options->setRowStretch(1, 1);

  lblDataMismatch_ = new QLabel(QString::fromLatin1(Lodema::kMismatchCaption));
  lblDataMismatch_->setObjectName(QStringLiteral("lblDataMismatch"));
  lblDataMismatch_->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
  mirror::KeepRoom(lblDataMismatch_);
  options->addWidget(lblDataMismatch_, 2, 0, 1, 3);
  column->addWidget(inputOptions_, 1);

  // "Start input" and the counter of processed lines.
  auto* runRow = new QHBoxLayout;
  runRow->addWidget(cmdButtons_[0]);
  fraNumData_ = new QGroupBox(QStringLiteral("Processed:"));
  fraNumData_->setObjectName(QStringLiteral("fraNumData0"));
  auto* digits = new QHBoxLayout(fraNumData_);
  digits->setSpacing(1);
  digits->setContentsMargins(4, 2, 4, 2);
  for (int d = 4; d >= 0; --d) {
    lblDataNum_[d] = new QLabel(QStringLiteral("0"));
    lblDataNum_[d]->setObjectName(QStringLiteral("lblDataNum%1").arg(d));
    lblDataNum_[d]->setFrameShape(QFrame::Panel);
    lblDataNum_[d]->setFrameShadow(QFrame::Sunken);
    lblDataNum_[d]->setAlignment(Qt::AlignCenter);
    lblDataNum_[d]->setFixedWidth(16);
    digits->addWidget(lblDataNum_[d]);
  }
  mirror::KeepRoom(fraNumData_);
  runRow->addWidget(fraNumData_);
  runRow->addStretch(1);
  column->addLayout(runRow);

  connect(txtFileName_[0], &QLineEdit::textEdited, this, [this](const QString& text) {
    Forward([this, text] { pageModel_.SetInputFileText(0, mirror::S(text)); });
  });
  connect(cmdFileName_[0], &QPushButton::clicked, this,
          [this] { Forward([this] { pageModel_.GetInputFile(); }); });
  txtFileName_[0]->installEventFilter(this);
  connect(cboDelim0_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    Forward([this, text] { pageModel_.SetInputDelimiterText(mirror::S(text)); });
  });
  connect(chkTableHeadings_, &QCheckBox::clicked, this, [this](bool checked) {
    Forward([this, checked] { pageModel_.SetTableHeadings(checked); });
  });
  // Choosing a column with the grid: a press writes the column into the
  // active list, the release that follows ends the choice.
  connect(grdDataFormat_, &QTableWidget::cellPressed, this, [this](int, int column) {
    Forward([this, column] { pageModel_.GridColumnClicked(column + 1); });
  });
  connect(grdDataFormat_, &QTableWidget::cellClicked, this,
          [this] { Forward([this] { pageModel_.EndGridColumnSelection(); }); });
  connect(grdDataFormat_->horizontalHeader(), &QHeaderView::sectionPressed, this,
          [this](int column) {
            Forward([this, column] { pageModel_.GridColumnClicked(column + 1); });
          });
  connect(grdDataFormat_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this] { Forward([this] { pageModel_.EndGridColumnSelection(); }); });
  return fraInput_;
}

QWidget* FilePage::MakeColumnFrames() {
  auto* frames = new QWidget;
  auto* column = new QVBoxLayout(frames);
  column->setContentsMargins(0, 0, 0, 0);
  const std::array<int, 4> firstSlot = {0, 3, 6, 8};
  const std::array<int, 4> slotCount = {3, 3, 2, 3};
  const std::array<QString, 4> letters = {QStringLiteral("A"), QStringLiteral("B"),
                                          QStringLiteral("C"), QStringLiteral("D")};
  for (int w = 0; w < 4; ++w) {
    auto* frame = new QGroupBox(letters[w] + QStringLiteral(" columns"));
    frame->setObjectName(QStringLiteral("fraWindowColumns%1").arg(w));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    for (int k = 0; k < slotCount[w]; ++k) {
      const int slot = firstSlot[w] + k;
      auto* list = new QComboBox;
      list->setObjectName(QStringLiteral("cboColumns%1").arg(slot));
      list->setFixedWidth(64);
      mirror::KeepRoom(list);
      list->installEventFilter(this);
      connect(list, &QComboBox::activated, this, [this, slot](int index) {
        Forward([this, slot, index] { pageModel_.SetColumnListIndex(slot, index); });
      });
      grid->addWidget(list, 0, k);
      cboColumns_[slot] = list;
    }
    chkManualFix_[w] = new QCheckBox(QStringLiteral("Manually fixed"));
    chkManualFix_[w]->setObjectName(QStringLiteral("chkManualFix%1").arg(w));
    chkManualFix_[w]->setToolTip(
        QStringLiteral("Set Window %1 to a constant fixed value").arg(letters[w]));
    connect(chkManualFix_[w], &QCheckBox::clicked, this, [this, w](bool checked) {
      Forward([this, w, checked] { pageModel_.SetManualFix(w, checked); });
    });
    grid->addWidget(chkManualFix_[w], 1, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    column->addWidget(frame);
    fraWindowColumns_[w] = frame;
  }
  return frames;
}

void FilePage::MakeStrip() {
  strip_ = new QWidget;
  strip_->setObjectName(QStringLiteral("inputStrip"));
  auto* row = new QHBoxLayout(strip_);
  row->setContentsMargins(0, 0, 0, 0);
  txtFileName_[1] = new QLineEdit;
  txtFileName_[1]->setObjectName(QStringLiteral("txtFileName1"));
  cmdFileName_[1] = new QPushButton(QStringLiteral("Change..."));
  cmdFileName_[1]->setObjectName(QStringLiteral("cmdFileName1"));
  row->addWidget(txtFileName_[1], 1);
  row->addWidget(cmdFileName_[1]);
  row->addWidget(cmdButtons_[1]);
  connect(txtFileName_[1], &QLineEdit::textEdited, this, [this](const QString& text) {
    Forward([this, text] { pageModel_.SetInputFileText(1, mirror::S(text)); });
  });
  connect(cmdFileName_[1], &QPushButton::clicked, this,
          [this] { Forward([this] { pageModel_.GetInputFile(); }); });
  txtFileName_[1]->installEventFilter(this);
}

bool FilePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == txtFileName_[0] || watched == txtFileName_[1]) {
      Forward([this] { pageModel_.GetInputFile(); });
      return true;
    }
  }
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
    for (int slot = 0; slot < Lodema::kSlotCount; ++slot) {
      if (watched == cboColumns_[slot] && pageModel_.Controls().cboColumns[slot].visible) {
        Forward([this, slot] { pageModel_.ActivateColumnList(slot); });
        break;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

void FilePage::Forward(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& fault) {
    // A fault in one handler must not take the window down; it is reported
    // and the page is brought back in line with the model below.
    ReportUnexpectedFault(page_, fault.what());
  }
  Refresh();
}

void FilePage::RefreshGrid() {
  const Lodema::PreviewGrid& grid = pageModel_.Controls().grdDataFormat;
  if (grid.header != shownGrid_.header || grid.rows != shownGrid_.rows ||
      grid.columns != shownGrid_.columns) {
    const QSignalBlocker blocker(grdDataFormat_);
    grdDataFormat_->clear();
    grdDataFormat_->setColumnCount(grid.columns);
    grdDataFormat_->setRowCount(Lodema::kPreviewDataRows);
    QStringList header;
    for (const std::string& text : grid.header) header << mirror::Q(text);
    grdDataFormat_->setHorizontalHeaderLabels(header);
    for (int r = 0; r < static_cast<int>(grid.rows.size()); ++r) {
      for (int c = 0; c < static_cast<int>(grid.rows[r].size()); ++c) {
        grdDataFormat_->setItem(r, c, new QTableWidgetItem(mirror::Q(grid.rows[r][c])));
      }
    }
    grdDataFormat_->resizeColumnsToContents();
    for (int c = 0; c < grid.columns; ++c) {
      grdDataFormat_->setColumnWidth(c, std::max(grdDataFormat_->columnWidth(c), 48));
    }
    shownGrid_ = grid;
  }
  mirror::Visible(grdDataFormat_, grid.visible);
}

void FilePage::RefreshProgress() {
  const Lodema::FilePageControls& c = pageModel_.Controls();
  mirror::Visible(fraNumData_, c.fraNumDataVisible);
  for (int d = 0; d < 5; ++d) {
    const QString digit = mirror::Q(Lodema::ProcessedDigit(c.processedCount, d));
    if (lblDataNum_[d]->text() != digit) lblDataNum_[d]->setText(digit);
  }
  for (int k = 0; k < 2; ++k) MirrorCommand(cmdButtons_[k], c.cmdButtons[k]);
}

void FilePage::Refresh() {
  const Lodema::FilePageControls& c = pageModel_.Controls();
  for (int i = 0; i < 2; ++i) mirror::Text(txtFileName_[i], c.txtFileName[i]);
  mirror::List(cboDelim0_, c.cboDelim[0]);
  inputOptions_->setEnabled(c.inputFrameEnabled);
  mirror::Check(chkTableHeadings_, c.chkTableHeadings, false);
  RefreshGrid();
  // Without a source there is nothing to mismatch.
  mirror::Visible(lblDataMismatch_, c.lblDataMismatchVisible && c.inputFrameEnabled);

  for (int slot = 0; slot < Lodema::kSlotCount; ++slot) {
    const Lodema::DropDownList& list = c.cboColumns[slot];
    mirror::List(cboColumns_[slot], list);
    if (shownHighlight_[slot] != list.highlighted) {
      cboColumns_[slot]->setStyleSheet(
          list.highlighted ? QStringLiteral("QComboBox { background: yellow; }") : QString());
      shownHighlight_[slot] = list.highlighted;
    }
  }
  for (int w = 0; w < 4; ++w) {
    mirror::Check(chkManualFix_[w], c.chkManualFix[w], false);
    fraWindowColumns_[w]->setEnabled(c.inputFrameEnabled);
  }
  output_->Refresh();
  RefreshProgress();
}

QLineEdit* FilePage::FileName(int i) const {
  return i == 2 ? output_->FileName() : txtFileName_[i];
}
QPushButton* FilePage::Browse(int i) const { return i == 2 ? output_->Browse() : cmdFileName_[i]; }
QComboBox* FilePage::Delimiter(int i) const { return i == 1 ? output_->Delimiter() : cboDelim0_; }
QCheckBox* FilePage::OutputOption(int i) const { return output_->Option(i); }
QRadioButton* FilePage::FileOut(int i) const { return output_->FileOut(i); }
QPushButton* FilePage::SaveResult() const { return output_->SaveResult(); }
QLabel* FilePage::CurrentFile() const { return output_->CurrentFile(); }
