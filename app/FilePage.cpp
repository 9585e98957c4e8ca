// SPDX-License-Identifier: MIT
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
#include <algorithm>
#include <exception>

#include "app/Mirror.h"
#include "app/Named.h"
#include "app/OutputPanel.h"
#include "app/QtPlatform.h"
#include "app/SurveyFrame.h"
#include "app/ThemeColours.h"
#include "batch/HeadingGuess.h"
#include "model/CalculatorModel.h"
#include "model/FilePage.h"

namespace {

constexpr const char* kStartTooltip = "Start processing data from this input file";

void MirrorCommand(QPushButton* button, const Lodema::CommandButton& command) {
  if (button->text() != mirror::Literal(command.caption)) {
    button->setText(mirror::Literal(command.caption));
  }
  // The caption's colour was chosen for a light button; on a dark one it
  // is lightened until it reads.
  const Lodema::Colour& wanted = command.captionColour;
  const QColor caption = theme::ReadableOn(QColor(wanted.red, wanted.green, wanted.blue),
                                           button->palette().color(QPalette::Button));
  const QString style = QStringLiteral("QPushButton { color: rgb(%1, %2, %3); font-weight: bold; }")
                            .arg(caption.red())
                            .arg(caption.green())
                            .arg(caption.blue());
  if (button->styleSheet() != style) button->setStyleSheet(style);
  mirror::Visible(button, command.visible);
}

}  // namespace

FilePage::FilePage(Lodema::CalculatorModel& model, Lodema::FilePageModel& page, QObject* parent)
    : QObject(parent), model_(model), pageModel_(page) {
  for (int k = 0; k < 2; ++k) {
    commandButtons_[k] = Named(new QPushButton, QStringLiteral("cmdButtons%1").arg(k));
    commandButtons_[k]->setToolTip(QString::fromLatin1(kStartTooltip));
    connect(commandButtons_[k], &QPushButton::clicked, this,
            [this, k] { emit startInputClicked(k); });
  }
  const auto forward = [this](std::function<void()> action) { Forward(action); };
  output_ = new OutputPanel(model_, pageModel_, forward, this);
  page_ = Named(new QWidget, QStringLiteral("tabFiles"));
  // Source and output on the left; the column lists of the entry windows and
  // the extra result columns on the right.
  pageLayout_ = new QGridLayout(page_);
  inputGroup_ = MakeInputGroup();
  rightColumn_ = new QWidget;
  auto* right = new QVBoxLayout(rightColumn_);
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(MakeColumnFrames());
  survey_ = new SurveyFrame(pageModel_, forward);
  right->addWidget(survey_);
  right->addWidget(output_->ExtraColumns());
  right->addStretch(1);
  Arrange(false);
  MakeStrip();
  // The name box and its button on the page and in the strip.
  for (int i = 0; i < 2; ++i) {
    connect(fileNameBoxes_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
      Forward([this, i, text] { pageModel_.SetInputFileText(i, mirror::S(text)); });
    });
    connect(inputBrowseButtons_[i], &QPushButton::clicked, this,
            [this] { Forward([this] { pageModel_.GetInputFile(); }); });
    fileNameBoxes_[i]->installEventFilter(this);
  }
  Refresh();
}

QWidget* FilePage::MakeInputGroup() {
  auto* inputGroupBox = new QGroupBox(QStringLiteral("Input file"));
  inputGroupBox->setObjectName(QStringLiteral("fraInput"));
  auto* column = new QVBoxLayout(inputGroupBox);

  auto* nameRow = new QHBoxLayout;
  fileNameBoxes_[0] = Named(new QLineEdit, QStringLiteral("txtFileName0"));
  inputBrowseButtons_[0] = new QPushButton(QStringLiteral("Browse..."));
  inputBrowseButtons_[0]->setObjectName(QStringLiteral("cmdFileName0"));
  pasteMenu_ = Named(new QMenu(page_), QStringLiteral("mnuPasteData2"));
  QAction* paste = pasteMenu_->addAction(QStringLiteral("Paste data from clipboard..."));
  paste->setObjectName(QStringLiteral("mnuPasteData2_0"));
  connect(paste, &QAction::triggered, this, [this] { emit pasteRequested(); });
  auto* pasteButton = Named(new QToolButton, QStringLiteral("cmdPasteData"));
  pasteButton->setArrowType(Qt::DownArrow);
  pasteButton->setPopupMode(QToolButton::InstantPopup);
  pasteButton->setMenu(pasteMenu_);
  nameRow->addWidget(fileNameBoxes_[0], 1);
  nameRow->addWidget(inputBrowseButtons_[0]);
  nameRow->addWidget(pasteButton);
  column->addLayout(nameRow);

  inputOptions_ = new QWidget;
  auto* options = new QGridLayout(inputOptions_);
  options->setContentsMargins(0, 0, 0, 0);
  auto* delimiterLabel = new QLabel(QStringLiteral("File data delimiter"));
  delimiterLists0_ = Named(new QComboBox, QStringLiteral("cboDelim0"));
  delimiterLists0_->setEditable(true);
  delimiterLists0_->setFixedWidth(80);
  delimiterLists0_->setToolTip(
      QStringLiteral("Set the delimiter that separates columns of data in this file"));
  tableHeadingsBox_ = new QCheckBox(QStringLiteral("First row contains column headings"));
  tableHeadingsBox_->setObjectName(QStringLiteral("chkTableHeadings"));
  options->addWidget(delimiterLabel, 0, 0);
  options->addWidget(delimiterLists0_, 0, 1);
  options->addWidget(tableHeadingsBox_, 0, 2);
  options->addWidget(MakeSheetChoice(), 0, 3);
  options->setColumnStretch(4, 1);

  previewGrid_ = new QTableWidget(Lodema::kPreviewDataRows, 0);
  previewGrid_->setObjectName(QStringLiteral("grdDataFormat"));
  previewGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  previewGrid_->setSelectionBehavior(QAbstractItemView::SelectColumns);
  previewGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
  previewGrid_->verticalHeader()->setDefaultSectionSize(20);
  previewGrid_->setMinimumHeight(200);
  mirror::KeepRoom(previewGrid_);
  options->addWidget(previewGrid_, 1, 0, 1, 5);
  options->setRowStretch(1, 1);

  mismatchLabel_ = new QLabel(QString::fromLatin1(Lodema::kMismatchCaption));
  mismatchLabel_->setObjectName(QStringLiteral("lblDataMismatch"));
  theme::SetCaptionColour(mismatchLabel_, QColor(0xc0, 0, 0), QStringLiteral("font-weight: bold;"));
  mirror::KeepRoom(mismatchLabel_);
  options->addWidget(mismatchLabel_, 2, 0, 1, 3);
  column->addWidget(inputOptions_, 1);

  // "Start input" and the counter of processed lines.
  auto* runRow = new QHBoxLayout;
  runRow->addWidget(commandButtons_[0]);
  counterFrame_ = Named(new QGroupBox(QStringLiteral("Processed:")), QStringLiteral("fraNumData0"));
  auto* digits = new QHBoxLayout(counterFrame_);
  digits->setSpacing(1);
  digits->setContentsMargins(4, 2, 4, 2);
  // The whole count: a long file must not wrap a fixed number of digits.
  counterLabel_ = Named(new QLabel(QStringLiteral("0")), QStringLiteral("lblDataNum0"));
  counterLabel_->setFrameShape(QFrame::Panel);
  counterLabel_->setFrameShadow(QFrame::Sunken);
  counterLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  counterLabel_->setMinimumWidth(
      counterLabel_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 8);
  digits->addWidget(counterLabel_);
  mirror::KeepRoom(counterFrame_);
  runRow->addWidget(counterFrame_);
  runStatus_ = Named(new ElidedLabel, QStringLiteral("lblRunStatus"));
  runRow->addWidget(runStatus_, 1);
  column->addLayout(runRow);

  connect(delimiterLists0_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    Forward([this, text] { pageModel_.SetInputDelimiterText(mirror::S(text)); });
  });
  connect(tableHeadingsBox_, &QCheckBox::clicked, this, [this](bool checked) {
    Forward([this, checked] { pageModel_.SetTableHeadings(checked); });
  });
  // Choosing a column with the grid: a press writes the column into the
  // active list, the release that follows ends the choice.
  const auto pick = [this](int gridColumn) {
    Forward([this, gridColumn] { pageModel_.GridColumnClicked(gridColumn + 1); });
  };
  const auto endPick = [this] { Forward([this] { pageModel_.EndGridColumnSelection(); }); };
  connect(previewGrid_, &QTableWidget::cellPressed, this,
          [pick](int, int gridColumn) { pick(gridColumn); });
  connect(previewGrid_, &QTableWidget::cellClicked, this, endPick);
  connect(previewGrid_->horizontalHeader(), &QHeaderView::sectionPressed, this, pick);
  connect(previewGrid_->horizontalHeader(), &QHeaderView::sectionClicked, this, endPick);
  return inputGroupBox;
}

QWidget* FilePage::MakeSheetChoice() {
  sheetChoice_ = new QWidget;
  auto* row = new QHBoxLayout(sheetChoice_);
  row->setContentsMargins(0, 0, 0, 0);
  sheetList_ = Named(new QComboBox, QStringLiteral("cboSheet"));
  sheetList_->setToolTip(QStringLiteral("The sheet of the workbook to read"));
  sheetList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  row->addWidget(new QLabel(QStringLiteral("Sheet")));
  row->addWidget(sheetList_);
  connect(sheetList_, &QComboBox::activated, this,
          [this](int index) { Forward([this, index] { pageModel_.SetSheetIndex(index); }); });
  sheetChoice_->setVisible(false);
  return sheetChoice_;
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
      auto* list = Named(new QComboBox, QStringLiteral("cboColumns%1").arg(slot));
      list->setFixedWidth(64);
      mirror::KeepRoom(list);
      list->installEventFilter(this);
      connect(list, &QComboBox::activated, this, [this, slot](int index) {
        Forward([this, slot, index] { pageModel_.SetColumnListIndex(slot, index); });
      });
      grid->addWidget(list, 0, k);
      columnLists_[slot] = list;
    }
    manualFixBoxes_[w] = new QCheckBox(QStringLiteral("Manually fixed"));
    manualFixBoxes_[w]->setObjectName(QStringLiteral("chkManualFix%1").arg(w));
    manualFixBoxes_[w]->setToolTip(
        QStringLiteral("Set Window %1 to a constant fixed value").arg(letters[w]));
    connect(manualFixBoxes_[w], &QCheckBox::clicked, this, [this, w](bool checked) {
      Forward([this, w, checked] { pageModel_.SetManualFix(w, checked); });
    });
    grid->addWidget(manualFixBoxes_[w], 1, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    column->addWidget(frame);
    windowColumnFrames_[w] = frame;
  }
  return frames;
}

void FilePage::MakeStrip() {
  strip_ = Named(new QWidget, QStringLiteral("inputStrip"));
  auto* row = new QHBoxLayout(strip_);
  row->setContentsMargins(0, 0, 0, 0);
  fileNameBoxes_[1] = Named(new QLineEdit, QStringLiteral("txtFileName1"));
  inputBrowseButtons_[1] = new QPushButton(QStringLiteral("Change..."));
  inputBrowseButtons_[1]->setObjectName(QStringLiteral("cmdFileName1"));
  row->addWidget(fileNameBoxes_[1], 1);
  row->addWidget(inputBrowseButtons_[1]);
  row->addWidget(commandButtons_[1]);
}

bool FilePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == shownIn_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
    if (event->type() == QEvent::Show) {
      // Measured again with the final style and fonts.
      arranged_ = false;
      Arrange(false);
    }
    Arrange(shownIn_->width() < wideWidth_);
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == fileNameBoxes_[0] || watched == fileNameBoxes_[1]) {
      Forward([this] { pageModel_.GetInputFile(); });
      return true;
    }
  }
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
    for (int slot = 0; slot < Lodema::kSlotCount; ++slot) {
      if (watched == columnLists_[slot] && pageModel_.Controls().columnLists[slot].visible) {
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
  const Lodema::PreviewGrid& grid = pageModel_.Controls().previewGrid;
  if (grid.header != shownGrid_.header || grid.rows != shownGrid_.rows ||
      grid.columns != shownGrid_.columns) {
    const QSignalBlocker blocker(previewGrid_);
    previewGrid_->clear();
    previewGrid_->setColumnCount(grid.columns);
    previewGrid_->setRowCount(Lodema::kPreviewDataRows);
    QStringList header;
    for (const std::string& text : grid.header) header << mirror::Q(text);
    previewGrid_->setHorizontalHeaderLabels(header);
    for (int r = 0; r < static_cast<int>(grid.rows.size()); ++r) {
      for (int c = 0; c < static_cast<int>(grid.rows[r].size()); ++c) {
        previewGrid_->setItem(r, c, new QTableWidgetItem(mirror::Q(grid.rows[r][c])));
      }
    }
    previewGrid_->resizeColumnsToContents();
    for (int c = 0; c < grid.columns; ++c) {
      previewGrid_->setColumnWidth(c, std::max(previewGrid_->columnWidth(c), 48));
    }
    shownGrid_ = grid;
  }
  mirror::Visible(previewGrid_, grid.visible);
}

void FilePage::RefreshProgress() {
  const Lodema::FilePageControls& c = pageModel_.Controls();
  mirror::Visible(counterFrame_, c.counterVisible);
  const QString count = QString::number(static_cast<qlonglong>(c.processedCount));
  if (counterLabel_->text() != count) counterLabel_->setText(count);
  // A run's status speaks of the source it read: another source clears it.
  if (c.runStatus.empty()) dismissedStatus_.reset();
  const bool dismissed = dismissedStatus_ && *dismissedStatus_ == c.runStatus;
  runStatus_->SetWholeText(dismissed ? QString() : mirror::Q(c.runStatus));
  for (int k = 0; k < 2; ++k) MirrorCommand(commandButtons_[k], c.commandButtons[k]);
}

void FilePage::Refresh() {
  const Lodema::FilePageControls& c = pageModel_.Controls();
  // A run (a paste names its own source) keeps its columns and headings to
  // the end: the new source is taken up after it.
  const bool newSource = !model_.BatchRunning() && model_.settings().FileIn != shownSource_;
  if (newSource) {
    if (!shownSource_.empty()) emit sourceLeft(mirror::Q(shownSource_), shownChoice_);
    shownSource_ = model_.settings().FileIn;
    if (!c.runStatus.empty()) dismissedStatus_ = c.runStatus;
    GuessHeadings();
  }
  for (int i = 0; i < 2; ++i) mirror::Text(fileNameBoxes_[i], c.fileNameBoxes[i]);
  mirror::List(delimiterLists0_, c.delimiterLists[0]);
  inputOptions_->setEnabled(c.inputFrameEnabled);
  mirror::Check(tableHeadingsBox_, c.tableHeadingsBox, false);
  mirror::List(sheetList_, c.sheetList);
  mirror::Visible(sheetChoice_, c.sheetList.visible);
  RefreshGrid();
  // Without a source there is nothing to mismatch; a source that cannot be
  // used says why in the same place.
  const QString warning = c.sourceProblem.empty() ? QString::fromLatin1(Lodema::kMismatchCaption)
                                                  : mirror::Q(c.sourceProblem);
  if (mismatchLabel_->text() != warning) mismatchLabel_->setText(warning);
  mirror::Visible(mismatchLabel_,
                  !c.sourceProblem.empty() || (c.columnMismatchVisible && c.inputFrameEnabled));

  for (int slot = 0; slot < Lodema::kSlotCount; ++slot) {
    const Lodema::DropDownList& list = c.columnLists[slot];
    mirror::List(columnLists_[slot], list);
    if (shownHighlight_[slot] != list.highlighted) {
      columnLists_[slot]->setStyleSheet(
          list.highlighted ? QStringLiteral("QComboBox { background: yellow; color: black; }")
                           : QString());
      shownHighlight_[slot] = list.highlighted;
    }
  }
  for (int w = 0; w < 4; ++w) {
    mirror::Check(manualFixBoxes_[w], c.manualFixBoxes[w], false);
    windowColumnFrames_[w]->setEnabled(c.inputFrameEnabled);
  }
  survey_->Refresh();
  output_->Refresh();
  RefreshProgress();
  if (newSource) emit inputSourceChanged(mirror::Q(shownSource_));
  shownChoice_ = ShownChoice();
}

FileColumnChoice FilePage::ShownChoice() const {
  FileColumnChoice choice;
  // A fixed window is kept as no column: fixing belongs to the session.
  for (int column : pageModel_.CurrentColumnMap()) choice.columns.push_back(std::max(column, 0));
  choice.headings = pageModel_.Controls().tableHeadingsBox.checked;
  return choice;
}

void FilePage::GuessHeadings() {
  const Lodema::PreviewGrid& grid = pageModel_.Controls().previewGrid;
  if (grid.notText || (grid.rows.empty() && !grid.headerFromSource)) return;
  std::vector<std::vector<std::string>> rows;
  if (grid.headerFromSource) rows.push_back(grid.header);
  rows.insert(rows.end(), grid.rows.begin(), grid.rows.end());
  const bool headings = Lodema::FirstRowLooksLikeHeadings(rows);
  if (headings != pageModel_.Controls().tableHeadingsBox.checked) {
    pageModel_.SetTableHeadings(headings);
  }
}

void FilePage::Arrange(bool narrow) {
  if (arranged_ && narrow == narrow_) return;
  arranged_ = true;
  narrow_ = narrow;
  for (QWidget* part : {inputGroup_, output_->OutputGroup(), rightColumn_}) {
    pageLayout_->removeWidget(part);
  }
  // Wide: source and output on the left, the column lists on the right.
  // Narrow: the column lists under the output file.
  pageLayout_->addWidget(inputGroup_, 0, 0);
  pageLayout_->addWidget(output_->OutputGroup(), 1, 0);
  if (narrow) {
    pageLayout_->addWidget(rightColumn_, 2, 0);
  } else {
    pageLayout_->addWidget(rightColumn_, 0, 1, 2, 1);
  }
  pageLayout_->setColumnStretch(0, 1);
  pageLayout_->setRowStretch(0, 1);
  pageLayout_->activate();
  if (!narrow) wideWidth_ = page_->minimumSizeHint().width();
}

void FilePage::FollowWidthOf(QWidget* view) {
  shownIn_ = view;
  view->installEventFilter(this);
}
