// SPDX-License-Identifier: MIT
// The stereonet window's life: its hooks for the main window, its
// properties, the option handlers, the retained sets and the repainting.
#include "app/StereoPlotWindow.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "app/Mirror.h"
#include "app/PlotTypeQuestion.h"
#include "app/StereoLegendView.h"
#include "app/StereoPlotArea.h"
#include "app/StereoPlotDock.h"
#include "plot/Readout.h"

namespace Plot = Lodema::Plot;
using mirror::Q;

namespace {

// A batch run repaints the plot at most this often.
constexpr qint64 kBatchPaintIntervalMs = 100;
constexpr int kChangesPerClockReading = 32;

constexpr const char* kShowNumberCaption = "Show &number of data label";
constexpr const char* kHideNumberCaption = "Hide &number of data label";

}  // namespace

StereoPlotWindow::StereoPlotWindow(Lodema::Settings& settings, std::function<bool()> batchRunning,
                                   HelpAccess* help, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      settings_(settings),
      batchRunning_(std::move(batchRunning)),
      help_(help) {
  setObjectName(QStringLiteral("frmStereoPlot"));
  setWindowTitle(QStringLiteral("untitled"));
  // A new window: equal angle, simple ticks, great circles, until the main
  // window hands it the saved choices.
  view_.projection = Plot::ProjectionType::kEqualAngle;
  view_.axes = Plot::AxesStyle::kSimpleTicks;
  view_.planesAsGreatCircles = true;
  ReadSymbolsFromSettings();
  BuildWidgets();
  BuildToolBars();
  BuildMenus();
  SyncOptionControls();
  UpdateButtons();
  UpdateCountLabel();
}

StereoPlotWindow::~StereoPlotWindow() = default;

QWidget* StereoPlotWindow::PlotWidget() const { return plotArea_; }

long long StereoPlotWindow::SetsPainted() const { return plotArea_->SetsPainted(); }

bool StereoPlotWindow::PictureComplete() const { return plotArea_->Complete(); }

// ---- Where the window lives ----

bool StereoPlotWindow::IsShowing() const { return !dock_->isHidden(); }

void StereoPlotWindow::NoteClosedByUser() {
  // Closing unloads the window: its choices go back to the settings and
  // its data is lost.
  settings_.gStereoShowing = false;
  settings_.gPlotType = static_cast<int>(view_.projection);
  settings_.gPlaneSymbols = PlaneSymbol();
  settings_.gPlotAxesStyle = static_cast<int>(view_.axes);
  recordAwaitingAnswer_.reset();
  questionBar_->Dismiss();
  store_.ClearAllData();
  plotArea_->Invalidate();
  UpdateButtons();
  UpdateCountLabel();
  emit closedByUser();
}

void StereoPlotWindow::contextMenuEvent(QContextMenuEvent* event) {
  optionsMenu_->popup(event->globalPos());
  event->accept();
}

// ---- Properties ----

void StereoPlotWindow::SetPlotType(Plot::ProjectionType type) {
  view_.projection = type;
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::SetPlotAxesStyle(Plot::AxesStyle style) {
  view_.axes = style;
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::SetPlaneSymbol(int symbol) {
  view_.planesAsGreatCircles = symbol != 1;
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::SetDelimiters(const std::string& plane, const std::string& line) {
  planeDelimiter_ = plane;
  lineDelimiter_ = line;
}

void StereoPlotWindow::ReadSymbolsFromSettings() {
  view_.palette = Plot::PaletteFromStored(settings_.gColourArray);
  view_.symbols = Plot::SymbolsFromStored(settings_.gSymbolArray);
}

QString StereoPlotWindow::PageTitle() const {
  return userTitle_.isEmpty() ? windowTitle() : userTitle_;
}

// ---- Option handlers ----

void StereoPlotWindow::OnShowKindChosen(int kind, bool shown) {
  if (!kindUsed_[kind]) return;
  kindWanted_[kind] = shown;
  UpdateShownKinds();
  SyncOptionControls();
  PlotChanged(true);
}

void StereoPlotWindow::OnShowNumberClicked() {
  numberShown_ = !numberShown_;
  showNumberItem_->setText(
      QString::fromLatin1(numberShown_ ? kHideNumberCaption : kShowNumberCaption));
  countLabel_->setVisible(numberShown_);
  PlotChanged(false);
}

void StereoPlotWindow::UpdateShownKinds() {
  for (int k = 0; k < Plot::kKindCount; ++k) view_.shown[k] = kindWanted_[k] && kindUsed_[k];
}

// ---- Main window hooks ----

void StereoPlotWindow::AddNewDataPoint(const Lodema::CalculationRecord& record) {
  // A calculation's record is laid out as the plot's: one row per kind.
  const Plot::PlotRecord block{record.cells};
  const int retainedBefore = store_.RetainedCount();
  if (BatchRunning()) {
    // A batch run waits for the answer in a message box.
    MessageBoxQuestion question(this);
    if (store_.AddNewDataPoint(block, question) == Plot::StoreChange::kNone) return;
    AfterStoreChange(retainedBefore);
    return;
  }
  // A person is typing: a differing type is asked about in the bar, which
  // follows the latest result until it is answered, and the typing goes on.
  FixedQuestion probe(Plot::MismatchAnswer::kAbort);
  const Plot::StoreChange change = store_.AddNewDataPoint(block, probe);
  if (probe.asked) {
    recordAwaitingAnswer_ = block;
    questionBar_->Ask(probe.firstText);
    return;
  }
  recordAwaitingAnswer_.reset();
  questionBar_->Dismiss();
  if (change == Plot::StoreChange::kNone) return;
  AfterStoreChange(retainedBefore);
}

void StereoPlotWindow::AnswerTypeQuestion(Plot::MismatchAnswer answer) {
  if (!recordAwaitingAnswer_) return;
  const Plot::PlotRecord record = *recordAwaitingAnswer_;
  recordAwaitingAnswer_.reset();
  const int retainedBefore = store_.RetainedCount();
  FixedQuestion given(answer);
  if (store_.AddNewDataPoint(record, given) == Plot::StoreChange::kNone) return;
  AfterStoreChange(retainedBefore);
}

void StereoPlotWindow::AfterStoreChange(int retainedBefore) {
  // A new current set lies under the retained ones; "Retry" may also have
  // emptied the store.
  const bool batch = BatchRunning();
  if (!batch || store_.RetainedCount() < retainedBefore) plotArea_->Invalidate();
  UpdateButtons();
  PlotChanged(false);
}

void StereoPlotWindow::SetStereoOptions(const std::array<bool, 4>& windowsUsed,
                                        const std::string& caption) {
  for (int k = 1; k < Plot::kKindCount; ++k) kindUsed_[k] = windowsUsed[k - 1];
  UpdateShownKinds();
  SyncOptionControls();
  setWindowTitle(Q(caption));
  PlotChanged(true);
}

// ---- Retention ----

void StereoPlotWindow::RetainCurrentData() {
  if (store_.RetainCurrentData() == Plot::StoreChange::kNone) return;
  PlotChanged(false);
}

void StereoPlotWindow::ClearLastData() {
  if (store_.ClearLastData() == Plot::StoreChange::kNone) return;
  plotArea_->Invalidate();
  UpdateButtons();
  PlotChanged(false);
}

void StereoPlotWindow::ClearAllData() {
  store_.ClearAllData();
  plotArea_->Invalidate();
  UpdateButtons();
  PlotChanged(false);
  // A result waiting for the type question now starts the new plot.
  if (recordAwaitingAnswer_) AnswerTypeQuestion(Plot::MismatchAnswer::kRetry);
  questionBar_->Dismiss();
}

void StereoPlotWindow::UpdateButtons() {
  const bool enabled = !store_.IsEmpty();
  if (retentionButtons_[0]->isEnabled() == enabled) return;  // a batch run asks every row
  for (QPushButton* button : retentionButtons_) button->setEnabled(enabled);
}

void StereoPlotWindow::UpdateCountLabel() {
  countLabelState_ = Plot::CountLabelFor(store_, numberShown_, countLabelState_);
  countLabel_->setText(Q(countLabelState_.caption));
  countLabel_->adjustSize();
  countLabel_->setVisible(countLabelState_.visible);
}

// ---- Repainting ----

void StereoPlotWindow::PlotChanged(bool viewChanged) {
  if (plotArea_ == nullptr) return;
  analysisStale_ = true;
  if (viewChanged) plotArea_->Invalidate();
  if (!BatchRunning()) {
    RepaintAll(false);
    return;
  }
  // A batch run changes the store with every row: paint (and count) now and
  // then, and once more after the last change. The clock is read every few
  // changes only.
  if (sincePaint_.isValid() && ++changesSinceClock_ < kChangesPerClockReading) return;
  changesSinceClock_ = 0;
  if (!sincePaint_.isValid() || sincePaint_.elapsed() >= kBatchPaintIntervalMs) {
    sincePaint_.start();
    RepaintAll(true);
  } else if (!repaintScheduled_) {
    repaintScheduled_ = true;
    QTimer::singleShot(kBatchPaintIntervalMs, this, [this] { FlushRepaint(); });
  }
}

void StereoPlotWindow::FlushRepaint() {
  repaintScheduled_ = false;
  sincePaint_.invalidate();
  RepaintAll(false);
}

void StereoPlotWindow::RepaintAll(bool now) {
  UpdateCountLabel();
  UpdateAnalysisPanel();
  if (legend_->FollowContent()) plotArea_->PlaceOverlays();
  if (now) {
    plotArea_->repaint();
  } else {
    plotArea_->update();
  }
}

// ---- Read-out ----

void StereoPlotWindow::ShowReadoutAt(double x, double y) {
  readout_->setText(
      Q(CursorReadout(view_.projection, x, y, outputNotation_, planeDelimiter_, lineDelimiter_)));
}
