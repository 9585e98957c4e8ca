// The stereonet window: the projection of the calculations' results beside
// the main window, its options, the retained sets, the cursor read-out, the
// copies for Polarim and as a picture, printing and saving the plot.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
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
class QCheckBox;
class QLabel;
class QMessageBox;
class QPlainTextEdit;
class QPageLayout;
class QPainter;
class QPrinter;
class QPushButton;
class QRadioButton;
class SymbolDialog;

namespace stereo {
class PlotArea;
class LegendView;
}  // namespace stereo

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
  bool IsShowing() const override { return isVisible(); }
  void AddNewDataPoint(const Lodema::CalculationRecord& record) override;
  void SetStereoOptions(const std::array<bool, 4>& windowsUsed,
                        const std::string& caption) override;
  void SetStereoOrientConventions(int combinedCode) override { orientConvention_ = combinedCode; }
  void PressRetain() override { RetainCurrentData(); }

  // ---- Properties ----
  void SetPlotType(Lodema::Plot::ProjectionType type);
  Lodema::Plot::ProjectionType PlotType() const { return view_.projection; }
  void SetPlotAxesStyle(Lodema::Plot::AxesStyle style);
  Lodema::Plot::AxesStyle PlotAxesStyle() const { return view_.axes; }
  // 0 great circles, 1 poles (the stored "gPlaneSymbols").
  void SetPlaneSymbol(int symbol);
  int PlaneSymbol() const { return view_.planesAsGreatCircles ? 0 : 1; }
  int OrientConvention() const { return orientConvention_; }
  void SetDelimiters(const std::string& plane, const std::string& line);
  // The palette and symbols as the settings hold them (-1: built-in).
  void ReadSymbolsFromSettings();
  // The question asked when new data differs in type from retained data;
  // null restores the message box.
  void SetMismatchQuestion(Lodema::Plot::MismatchQuestion* question);

  // ---- Commands ----
  void RetainCurrentData();
  void ClearLastData();
  void ClearAllData();
  void CopyResultForPolarim();
  void CopyPlotImage();
  void ChangeSymbols();
  void ShowAbout();
  void PrintPlot();
  void PrinterSetup();
  void SavePlotAsDialog();
  // Writes the plot and its legend as PNG (pngWidth pixels wide), SVG or
  // PDF, by the file name's suffix. False, with the reason, when the suffix
  // is none of these or the file cannot be written.
  bool SavePlotAs(const QString& path, int pngWidth, QString* error = nullptr);
  // Prints the plot and legend, fitted to the page, on a ready printer.
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
  QRadioButton* PlotTypeOption(int i) const { return optStereoType_[i]; }     // 1, 2
  QRadioButton* AxesStyleOption(int i) const { return optStereoStyle_[i]; }   // 0..3
  QRadioButton* PlaneSymbolOption(int i) const { return optSymbolType_[i]; }  // 0, 1
  QCheckBox* ShowBox(int kind) const { return chkUseWindow_[kind]; }
  QPushButton* RetentionButton(int i) const { return cmdSSRetain_[i]; }
  QAction* EditItem(int i) const { return mnuEditSelection_[i]; }      // 1..3
  QAction* ShowItem(int kind) const { return mnuShowOptions_[kind]; }  // 0..4
  QAction* ShowNumberItem() const { return mnuShowNumber_; }
  QAction* PlotTypeItem(int i) const { return mnuPlotType_[i]; }    // 1, 2
  QAction* PlaneItem(int i) const { return mnuPlotSymbols_[i]; }    // 0, 1
  QAction* AxesItem(int i) const { return mnuShowStereoAxes_[i]; }  // 0..3
  QAction* PrintItem(int i) const { return mnuFilePrint_[i]; }      // 0, 1
  QAction* SaveAsItem() const { return mnuSaveAs_; }
  QAction* CloseItem() const { return mnuFileClose_; }
  QAction* HelpItem(int i) const { return mnuHelpPolarim_[i]; }
  QAction* AboutItem() const { return mnuHelpAbout_; }
  QMenu* OptionsMenu() const { return mnuOptions_; }
  QMenu* AnalysisMenu() const { return mnuAnalysis_; }
  // 0 "Contour Result", 1 "Mean and cone", 2 "Eigenvectors and girdle".
  QAction* AnalysisItem(int i) const { return mnuAnalysisItems_[i]; }
  // 0 exponential Kamb, 1 Kamb, 2 1% area count.
  QAction* ContourMethodItem(int i) const { return mnuContourMethods_[i]; }
  QAction* CopyAnalysisItem() const { return mnuAnalysisCopy_; }
  QPlainTextEdit* AnalysisPanel() const { return txtAnalysis_; }
  QLabel* CountLabel() const { return lblNumBox_; }
  QLabel* Readout() const { return readout_; }
  QWidget* PlotWidget() const;
  QMessageBox* AboutBox() const { return about_; }
  SymbolDialog* Symbols() const { return symbolDialog_; }
  // Retained sets drawn into the window's picture so far (full redraws
  // count every set they draw).
  long long SetsPainted() const;
  // The window's picture holds every retained set (a large plot is drawn
  // in slices between events).
  bool PictureComplete() const;
  // Updates the read-out for a cursor at a plot position.
  void ShowReadoutAt(double x, double y);

 signals:
  // The user closed the window by its frame or "Clos&e".
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildWidgets();
  void BuildMenus();
  void BuildAnalysisMenu();
  void OnAnalysisItemChanged();
  // The text panel and the legend's size follow the analysis.
  void UpdateAnalysisPanel();
  void OnPlotTypeClicked(int i);
  void OnAxesStyleClicked(int i);
  void OnPlaneSymbolClicked(int i);
  void OnShowBoxClicked(int kind);
  void OnShowNumberClicked();
  void SyncOptionControls();
  void UpdateShownKinds();
  // The store or the view changed: the picture is redrawn (viewChanged:
  // from scratch), at once when a person is working, at most about ten
  // times a second while a batch run feeds the plot.
  void PlotChanged(bool viewChanged);
  void UpdateButtons();
  void UpdateCountLabel();
  // Draws the plot with its legend into painter's area (the picture of
  // printing and saving).
  void RenderPage(QPainter& painter, const QRectF& area, double penScale) const;

  Lodema::Settings& settings_;
  std::function<bool()> batchRunning_;
  HelpAccess* help_ = nullptr;
  Lodema::Plot::PlotStore store_;
  Lodema::Plot::PlotView view_;
  int orientConvention_ = 1;
  std::string planeDelimiter_ = "/";
  std::string lineDelimiter_ = "-";
  std::array<bool, Lodema::Plot::kKindCount> kindVisible_{true, true, true, true, true};
  bool numberShown_ = true;
  Lodema::Plot::CountLabel countLabel_;
  std::unique_ptr<Lodema::Plot::MismatchQuestion> ownQuestion_;
  Lodema::Plot::MismatchQuestion* question_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  QElapsedTimer sincePaint_;
  bool repaintScheduled_ = false;
  int changesSinceClock_ = 0;

  stereo::PlotArea* plotArea_ = nullptr;
  stereo::LegendView* legend_ = nullptr;
  std::array<QRadioButton*, 3> optStereoType_{};
  std::array<QRadioButton*, 4> optStereoStyle_{};
  std::array<QRadioButton*, 2> optSymbolType_{};
  std::array<QCheckBox*, Lodema::Plot::kKindCount> chkUseWindow_{};
  std::array<QPushButton*, 3> cmdSSRetain_{};
  QLabel* lblNumBox_ = nullptr;
  QLabel* readout_ = nullptr;
  QMenu* mnuOptions_ = nullptr;
  std::array<QAction*, 4> mnuEditSelection_{};
  std::array<QAction*, Lodema::Plot::kKindCount> mnuShowOptions_{};
  QAction* mnuShowNumber_ = nullptr;
  std::array<QAction*, 3> mnuPlotType_{};
  std::array<QAction*, 2> mnuPlotSymbols_{};
  std::array<QAction*, 4> mnuShowStereoAxes_{};
  std::array<QAction*, 2> mnuFilePrint_{};
  QAction* mnuSaveAs_ = nullptr;
  QAction* mnuFileClose_ = nullptr;
  std::array<QAction*, 2> mnuHelpPolarim_{};
  QAction* mnuHelpAbout_ = nullptr;
  QMenu* mnuAnalysis_ = nullptr;
  std::array<QAction*, 3> mnuAnalysisItems_{};
  std::array<QAction*, 3> mnuContourMethods_{};
  QAction* mnuAnalysisCopy_ = nullptr;
  QPlainTextEdit* txtAnalysis_ = nullptr;
  Lodema::Plot::AnalysisChoice analysisChoice_;
  // Recomputed on demand after the store or the view changed.
  mutable Lodema::Plot::PlotAnalysis analysis_;
  mutable bool analysisStale_ = true;
  QMessageBox* about_ = nullptr;
  SymbolDialog* symbolDialog_ = nullptr;
};
