// SPDX-License-Identifier: MIT
// The stereonet window: the projection of the calculations' results in a
// dock beside the main window, its options, the retained sets, the cursor
// read-out, the copies for Polarim and as a picture, printing and saving
// the plot, and the analysis of the retained Result.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "batch/Platform.h"
#include "calc/Platform.h"
#include "calc/Settings.h"
#include "plot/PlotAnalysis.h"
#include "plot/PlotDrawing.h"
#include "plot/PlotStore.h"
#include "plot/PlotView.h"

class HelpAccess;
class QAction;
class QComboBox;
class QLabel;
class QMessageBox;
class QPlainTextEdit;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPushButton;
class StereoLegendView;
class StereoPlotArea;
class StereoPlotDock;
class PlotTypeQuestionBar;
class SymbolDialog;

class StereoPlotWindow : public QMainWindow, public Lodema::PlotSink, public Lodema::RetainButton {
  Q_OBJECT
 public:
  // settings: the symbol and colour tables are read from it and the symbol
  // dialog writes them back. batchRunning tells whether a batch run is
  // feeding the plot (painting is then coalesced). help may be null.
  StereoPlotWindow(Lodema::Settings& settings, std::function<bool()> batchRunning, HelpAccess* help,
                   QWidget* parent = nullptr);
  ~StereoPlotWindow() override;

  // ---- The main window's hooks ----
  // Shown beside the main window (even before the main window itself
  // shows, at start-up).
  bool IsShowing() const override;
  void AddNewDataPoint(const Lodema::CalculationRecord& record) override;
  void SetStereoOptions(const std::array<bool, 4>& windowsUsed,
                        const std::string& caption) override;
  void SetStereoNotation(const OrientGeometry::Notation& output) override {
    outputNotation_ = output;
  }
  void PressRetain() override { RetainCurrentData(); }
  // The dock the window lives in, beside the main window; set by the dock.
  void SetContainer(StereoPlotDock* dock) { dock_ = dock; }
  StereoPlotDock* Container() const { return dock_; }
  // The dock was closed by the user: the window's choices go back to
  // the settings and its data is lost.
  void NoteClosedByUser();

  // ---- Properties ----
  void SetPlotType(Lodema::Plot::ProjectionType type);
  Lodema::Plot::ProjectionType PlotType() const { return view_.projection; }
  void SetPlotAxesStyle(Lodema::Plot::AxesStyle style);
  Lodema::Plot::AxesStyle PlotAxesStyle() const { return view_.axes; }
  // 0 great circles, 1 poles (the stored "gPlaneSymbols").
  void SetPlaneSymbol(int symbol);
  int PlaneSymbol() const { return view_.planesAsGreatCircles ? 0 : 1; }
  const OrientGeometry::Notation& OutputNotation() const { return outputNotation_; }
  // A batch run is feeding the plot (painting is then coalesced).
  bool BatchRunning() const { return batchRunning_(); }
  void SetDelimiters(const std::string& plane, const std::string& line);
  // The palette and symbols as the settings hold them (-1: built-in).
  void ReadSymbolsFromSettings();
  // The title of printed and saved pages: the user's, else the caption.
  QString PageTitle() const;

  // ---- Commands ----
  void RetainCurrentData();
  void ClearLastData();
  void ClearAllData();
  void CopyResultForPolarim();
  void CopyPlotImage();
  void ChangeSymbols();
  void AskPlotTitle();
  void ShowAbout();
  void PrintPlot();
  void PrinterSetup();
  void SavePlotAsDialog();
  // Writes the plot and its legend under the page title as PNG (pngWidth
  // pixels wide), SVG or PDF, by the file name's suffix. False, with the
  // reason, when the suffix is none of these or the file cannot be written.
  bool SavePlotAs(const QString& path, int pngWidth, QString* error = nullptr);
  // Prints the page title, the plot and legend, fitted to the page, on a
  // ready printer.
  void PrintTo(QPrinter& printer);
  // Paints any change a batch run left waiting.
  void FlushRepaint();

  // The plot alone as a square image (the clipboard's picture).
  QImage PlotImage(int side, Lodema::Plot::Rgb background) const;

  // ---- Analysis ----
  // What the "Analysis" menu has switched on; setting it redraws.
  void SetAnalysis(const Lodema::Plot::AnalysisChoice& choice);
  const Lodema::Plot::AnalysisChoice& Analysis() const { return analysisChoice_; }
  // Anything of the analysis is switched on.
  bool AnalysisShown() const;
  // The analysis of the retained Result items, brought up to date with the
  // store and the view when they changed.
  const Lodema::Plot::PlotAnalysis& CurrentAnalysis() const;
  // The text panel's statistics, in the output conventions.
  QString AnalysisText() const;
  // Puts the text panel's statistics on the clipboard.
  void CopyAnalysisText();

  // ---- For the tests ----
  const Lodema::Plot::PlotStore& Store() const { return store_; }
  const Lodema::Plot::PlotView& View() const { return view_; }
  // The tool bar's choices: plot type (0 equal area, 1 equal angle), axes
  // style (0..3), planes as (0 great circles, 1 poles), and the kinds shown.
  QComboBox* PlotTypeChoice() const { return plotTypeChoice_; }
  QComboBox* AxesStyleChoice() const { return axesStyleChoice_; }
  QComboBox* PlaneChoice() const { return planeChoice_; }
  QAction* ShowChoice(int kind) const { return showKindChoices_[kind]; }
  QPushButton* RetentionButton(int i) const { return retentionButtons_[i]; }
  QAction* EditItem(int i) const { return editItems_[i]; }        // 1..3
  QAction* ShowItem(int kind) const { return showItems_[kind]; }  // 0..4
  QAction* ShowNumberItem() const { return showNumberItem_; }
  QAction* PlotTypeItem(int i) const { return plotTypeItems_[i]; }  // 1, 2
  QAction* PlaneItem(int i) const { return planeItems_[i]; }        // 0, 1
  QAction* AxesItem(int i) const { return axesItems_[i]; }          // 0..3
  QAction* CloseItem() const { return closeItem_; }
  QAction* AboutItem() const { return aboutItem_; }
  QMenu* OptionsMenu() const { return optionsMenu_; }
  // 0 "Contour Result", 1 "Mean and cone", 2 "Eigenvectors and girdle".
  QAction* AnalysisItem(int i) const { return analysisItems_[i]; }
  // 0 exponential Kamb, 1 Kamb, 2 1% area count.
  QAction* ContourMethodItem(int i) const { return contourMethodItems_[i]; }
  QAction* CopyAnalysisItem() const { return copyAnalysisItem_; }
  QPlainTextEdit* AnalysisPanel() const { return analysisPanel_; }
  QLabel* CountLabel() const { return countLabel_; }
  QLabel* Readout() const { return readout_; }
  QWidget* PlotWidget() const;
  StereoLegendView* Legend() const { return legend_; }
  PlotTypeQuestionBar* QuestionBar() const { return questionBar_; }
  QMessageBox* AboutBox() const { return about_; }
  SymbolDialog* Symbols() const { return symbolDialog_; }
  // Retained sets drawn into the window's pictures so far (full redraws
  // count every set they draw).
  long long SetsPainted() const;
  // The picture shown holds every retained set (a large plot is drawn in
  // slices between events, behind the last complete picture).
  bool PictureComplete() const;
  // Updates the read-out for a cursor at a plot position.
  void ShowReadoutAt(double x, double y);

 signals:
  // The user closed the dock by its frame or "Clos&e".
  void closedByUser();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildWidgets();
  void BuildToolBars();
  void BuildMenus();
  void BuildAnalysisMenu();
  void OnAnalysisItemChanged();
  // The text panel follows the analysis.
  void UpdateAnalysisPanel();
  void OnShowKindChosen(int kind, bool shown);
  void OnShowNumberClicked();
  void SyncOptionControls();
  void UpdateShownKinds();
  // The store or the view changed: the picture is redrawn (viewChanged:
  // from scratch), at once when a person is working, at most about ten
  // times a second while a batch run feeds the plot.
  void PlotChanged(bool viewChanged);
  // The count, the statistics and the overlays follow; the plot repaints
  // now or at the next turn of the event loop.
  void RepaintAll(bool now);
  void UpdateButtons();
  void UpdateCountLabel();
  // Adds the record with the answer the user gave in the question bar.
  void AnswerTypeQuestion(Lodema::Plot::MismatchAnswer answer);
  // The store took new data: the pictures and buttons follow.
  void AfterStoreChange(int retainedBefore);
  // Draws the page title, the plot and its legend into painter's area (the
  // picture of printing and saving).
  void RenderPage(QPainter& painter, const QRectF& area, double penScale) const;
  // The page on a printer or PDF page at resolution; false when it cannot
  // be painted on.
  bool RenderOnPage(QPagedPaintDevice& device, int resolution) const;

  Lodema::Settings& settings_;
  std::function<bool()> batchRunning_;
  HelpAccess* help_ = nullptr;
  StereoPlotDock* dock_ = nullptr;
  Lodema::Plot::PlotStore store_;
  Lodema::Plot::PlotView view_;
  OrientGeometry::Notation outputNotation_;
  std::string planeDelimiter_ = "/";
  std::string lineDelimiter_ = "-";
  // Kinds the user wants shown, and kinds the calculation uses: a kind is
  // drawn when both hold.
  std::array<bool, Lodema::Plot::kKindCount> kindWanted_{true, true, true, true, true};
  std::array<bool, Lodema::Plot::kKindCount> kindUsed_{true, true, true, true, true};
  bool numberShown_ = true;
  Lodema::Plot::CountLabel countLabelState_;
  QString userTitle_;
  // The record waiting for an answer in the question bar.
  std::optional<Lodema::Plot::PlotRecord> recordAwaitingAnswer_;
  std::unique_ptr<QPrinter> printer_;
  QElapsedTimer sincePaint_;
  bool repaintScheduled_ = false;
  int changesSinceClock_ = 0;

  StereoPlotArea* plotArea_ = nullptr;
  StereoLegendView* legend_ = nullptr;
  PlotTypeQuestionBar* questionBar_ = nullptr;
  QComboBox* plotTypeChoice_ = nullptr;
  QComboBox* axesStyleChoice_ = nullptr;
  QComboBox* planeChoice_ = nullptr;
  std::array<QAction*, Lodema::Plot::kKindCount> showKindChoices_{};
  std::array<QPushButton*, 3> retentionButtons_{};
  QLabel* countLabel_ = nullptr;
  QLabel* readout_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  std::array<QAction*, 4> editItems_{};
  std::array<QAction*, Lodema::Plot::kKindCount> showItems_{};
  QAction* showNumberItem_ = nullptr;
  std::array<QAction*, 3> plotTypeItems_{};
  std::array<QAction*, 2> planeItems_{};
  std::array<QAction*, 4> axesItems_{};
  QAction* closeItem_ = nullptr;
  QAction* aboutItem_ = nullptr;
  std::array<QAction*, 3> analysisItems_{};
  std::array<QAction*, 3> contourMethodItems_{};
  QAction* copyAnalysisItem_ = nullptr;
  QPlainTextEdit* analysisPanel_ = nullptr;
  Lodema::Plot::AnalysisChoice analysisChoice_;
  // Recomputed on demand after the store or the view changed.
  mutable Lodema::Plot::PlotAnalysis analysis_;
  mutable bool analysisStale_ = true;
  QMessageBox* about_ = nullptr;
  SymbolDialog* symbolDialog_ = nullptr;
};
