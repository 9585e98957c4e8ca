// SPDX-License-Identifier: MIT
// The main window's model: the state of the calculator window and the
// handlers of its controls, free of any toolkit. The desktop window mirrors
// the controls (Controls()) and forwards every user action to a handler.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/CalculationRecord.h"
#include "calc/Catalogue.h"
#include "calc/DispatchOutcome.h"
#include "calc/EntryBoxes.h"
#include "calc/Platform.h"
#include "calc/RowKernel.h"
#include "calc/RowSchema.h"
#include "calc/Settings.h"
#include "model/Controls.h"
#include "orient/Records.h"

namespace Lodema {

struct CalcOutcome;

// How an entry window was last laid out: as a plane or a line in the input
// notation, or neither.
enum class WindowFabric { kNone, kPlane, kLine };

// What the change observers are told.
enum class ModelEvent {
  kChanged,              // any control state may have changed: refresh
  kCalculationSelected,  // a calculation was selected: refresh column mapping
};

class CalculatorModel {
 public:
  CalculatorModel();
  // Observers and the beeper and plot links point into the model.
  CalculatorModel(const CalculatorModel&) = delete;
  CalculatorModel& operator=(const CalculatorModel&) = delete;

  // ---- State -------------------------------------------------------------
  Lodema::Settings& settings() { return settings_; }
  const Lodema::Settings& settings() const { return settings_; }
  const MainWindowControls& Controls() const { return controls_; }

  int Calculation() const { return calculation_; }  // 0..41
  bool CoreCalculation() const { return IsCoreCalculation(calculation_); }
  bool EntryValid(int box) const;  // false for boxes outside 0..12

  // The mark the system writes decimals with; results use it unless
  // settings().NonLocaleDecimal forces the other one.
  void SetLocaleDecimalMark(OrientGeometry::DecimalMark mark) { localeMark_ = mark; }
  OrientGeometry::DecimalMark LocaleDecimalMark() const { return localeMark_; }
  char OutputDecimalChar() const;

  void SetBatchRunning(bool running) { batchRunning_ = running; }
  bool BatchRunning() const { return batchRunning_; }
  // While set, selecting a calculation does nothing (window start-up).
  void SetInitialising(bool initialising) { initialising_ = initialising; }
  bool Initialising() const { return initialising_; }
  // Whether the batch file page is in use (column mapping kept up to date).
  void SetFilePageAvailable(bool available) { filePageAvailable_ = available; }

  void SetBeeper(Beeper* beeper);    // nullptr restores the silent default
  void SetPlotSink(PlotSink* plot);  // nullptr restores the hidden default
  Beeper& beeper() { return *links_.beeper; }
  PlotSink& plot() { return *links_.plot; }

  // Observers are called after every outermost handler and on selection;
  // handlers they call do not notify again.
  int AddObserver(std::function<void(ModelEvent)> observer);
  void RemoveObserver(int id);

  // ---- Start-up ----------------------------------------------------------
  // Sets buttons, option groups and captions from settings() (after the
  // settings are loaded); presses the stored calculation's button.
  void ApplySettingsToControls();
  // Lays out and validates the stored calculation (last start-up step).
  void ShowStoredCalculation();

  // ---- Calculation selection ---------------------------------------------
  void SelectCalculation(int n);               // calculationButtons(n) pressed; 0..41
  void ReleaseCalculationButton(int n);        // calculationButtons(n) released
  void SelectCalculationByCaption(int n);      // click on calculationCaptions(n)
  void SelectCalculationByMenuItem(int item);  // an item of the Calculations menu, 1..44
  void SetTabPage(int page);
  void SetCaptionPrefs();
  // Hands a shown plot window the output conventions, which of windows A-D
  // the current calculation uses and its caption.
  void UpdatePlotWindow();

  // ---- Entry windows -----------------------------------------------------
  // The user (or the batch run) puts text into entryBoxes(box), box 0..12.
  void SetEntryText(int box, const std::string& text);
  // Shows a row at once, as a batch run leaves it: the given boxes take
  // their texts, then the entries are checked and the calculation runs
  // once.
  void ShowRowTexts(const std::array<std::optional<std::string>, kEntryBoxCount>& texts);
  void SetUpCalculationWindows(int n);
  bool ValidateEntry(int box);
  void RevalidateEntries();
  bool AllEntriesValid() const;
  // Which box holds what, and the range it missed, for an invalid box:
  // "A dip 95 is outside -90 to 90".
  std::string EntryProblem(int box) const;
  // What box 0..12 accepts as its label and the notation stand: "-90 to
  // 90", "0 to 360", "a quadrant bearing such as N30E", ...
  std::string EntryRange(int box) const;
  // One line on what a shown box holds and its range, for its tooltip:
  // "Window A: dip of the plane, -90 to 90". Empty for a hidden box.
  std::string EntryTooltip(int box) const;

  // ---- Result windows ----------------------------------------------------
  // group 1 = boxes 0..2, 2 = 3..11, 3 = 12..13, 0 = all.
  void ClearResultsWindows(int group = 0);
  // A run without result: kNoResultText in the first two boxes, frames 1, 2
  // hidden.
  void WriteNoResult();
  // The message panel: a note or hint (empty clears it), or the report of
  // an invalid entry or a failed calculation, which rejects a batch row.
  void SetMessage(const std::string& text);
  void ClearMessage();
  void ReportFailure(const std::string& text);
  bool MessageReportsFailure() const { return messageReportsFailure_; }
  // How the last run of the calculation ended.
  CalcStatus LastCalcStatus() const { return lastCalcStatus_; }

  // ---- Option handlers ---------------------------------------------------
  void SetReferenceDirection(int index);  // 0 dip dir'n, 1 strike, 2 fold axis, 3 approx. plane
  void SetApproximateDip(int index);      // 0 "<30", 1 "30-60", 2 ">60"
  void SetApparentDipShown(bool checked);
  void SetPolaritySignShown(bool checked);
  void SetEllipseMark(int index);
  void SetBetaRange(int index);
  void SetOrientationMark(int index);
  void SetCorePlungeSign(int index);
  void SetDeltaReference(int index);
  void SetCoreInclination(int index);
  void SetDecimalChar(int index);  // 0 period, 1 comma

  // ---- Convention changes ------------------------------------------------
  void SetInputPlaneNotation(int index);      // 1..6
  void SetInputLineOrder(int index);          // 0..1
  void SetInputDirectionNotation(int index);  // 0 azimuth, 1 quadrant
  void SetOutputPlaneNotation(int index);
  void SetOutputLineOrder(int index);
  void SetOutputDirectionNotation(int index);
  void SetOutputSameAsInput(bool checked);  // "Same as Input File"

  // Runs the current calculation once (model/Calculate.cpp).
  void Calculate();

  // What a row of the current calculation holds under the current settings.
  RowSchema Schema() const;

 private:
  // Notifies the observers when the outermost handler returns.
  class HandlerScope {
   public:
    explicit HandlerScope(CalculatorModel& model) : model_(model) { ++model_.links_.handlerDepth; }
    ~HandlerScope() {
      // Nobody listens during a batch run: skip the call.
      if (--model_.links_.handlerDepth == 0 && !model_.links_.observers.empty()) {
        model_.Notify(ModelEvent::kChanged);
      }
    }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

   private:
    CalculatorModel& model_;
  };
  class RewriteShield;

  // The typed texts of a window by what their boxes hold.
  struct RoleTexts {
    bool any = false;
    bool plane = false;   // laid out as a plane in the input notation
    bool line = false;    // laid out as a line in the input notation
    bool hidden = false;  // the window is not shown but keeps its typed values
    bool other = false;   // a hidden window also holds a value of another kind
    bool valid = true;
    std::string first;
    std::string direction;
    std::string sense;

    // The text a box of the role holds; nullptr for a box of another kind.
    static std::string RoleTexts::*Field(BoxRole role) {
      if (role == BoxRole::kDip || role == BoxRole::kPlunge) return &RoleTexts::first;
      if (role == BoxRole::kDirection) return &RoleTexts::direction;
      if (role == BoxRole::kSense) return &RoleTexts::sense;
      return nullptr;
    }
  };
  using WindowRoles = std::array<RoleTexts, 4>;

  void Notify(ModelEvent event);
  void SyncOptionGroups();
  void SyncCoreOptions();
  // Runs the calculation when every entry is valid, else blanks a group of
  // result boxes (as ClearResultsWindows).
  void CalculateOrClear(int group = 0);
  // Validates the visible boxes, then runs the calculation or blanks results.
  void RefreshCalculation();
  // Runs again (or blanks) only when results are shown.
  void RecalculateIfShown();
  bool ResultsShown() const;

  // Entry windows.
  void OnEntryChanged(int box);
  // Shows or hides a box as the row schema lays it out, keeping its role.
  void LayOutBox(int box, const EntryField& field);
  void LayoutWindow(int window, WindowUse use, const RowSchema& schema);
  void LayoutApparentDip(const CalculationInfo& info);
  void ApplyApparentVisibility();

  // Result windows: captions and the boxes shown, as the row schema lays
  // them out.
  void LabelResultWindows(const CalculationInfo& info);

  // One run of the calculation: the entry boxes' texts go through the row
  // kernel, and the outcome into the result windows, the message panel and
  // the stereonet; how it ended.
  CalcStatus RunCalculation();
  void ShowRunHint(const RowSchema& schema);
  void ShowRunMessage(const CalcOutcome& out);
  // A strike typed with a sense letter along the strike line (000 with N)
  // cannot choose the side the plane dips to: a note says, for each such
  // plane window, which side was taken.
  void ShowSenseAlongStrikeNote(const CalcOutcome& out, const RowSchema& schema);
  // Writes a run's result texts and frames; false when there is no result.
  bool PresentResult(const CalcOutcome& out, const RowResult& result, const RowSchema& schema);

  // Options and conventions.
  // A two-way drill-core option: sets the setting (to valueOfFirst for
  // option 0), then rebuilds the captions and runs again.
  void SetCoreOption(int index, bool& setting, bool valueOfFirst);
  WindowRoles CaptureEntryRoles() const;
  void RestoreEntryRoles(const WindowRoles& roles);
  void ConvertPlaneRoles(WindowRoles& roles, OrientGeometry::PlaneNotation oldNotation,
                         OrientGeometry::PlaneNotation newNotation) const;
  // Sets an input notation setting to index and lays the windows out again,
  // the typed values kept in their new places.
  void RelayOutInInputNotation(int& setting, int index);
  void ConvertTypedDirections(bool toQuadrant);
  // Sets an output notation setting to index (a change only) and shows the
  // result again.
  void ChangeOutputConvention(int& setting, int index, bool relayout);

  Lodema::Settings settings_;
  MainWindowControls controls_;
  int calculation_ = 0;
  OrientGeometry::DecimalMark localeMark_ = OrientGeometry::DecimalMark::kPoint;
  bool batchRunning_ = false;
  bool messageReportsFailure_ = false;
  CalcStatus lastCalcStatus_ = CalcStatus::kOk;
  bool initialising_ = false;
  bool rewriting_ = false;  // code is rewriting box texts: the change handler ignores them
  bool filePageAvailable_ = false;
  std::array<bool, kEntryBoxCount> entryValid_{};
  // What each entry box holds and how each window is laid out, kept at
  // layout time; a hidden window keeps those of its last layout. Captions
  // are for display only: they may carry the user's words.
  std::array<BoxRole, kEntryBoxCount> entryRoles_{};
  std::array<WindowFabric, 4> windowFabrics_{};

  // The observers, and the beeper and plot (silent and hidden unless the
  // window sets its own).
  struct Links {
    Beeper defaultBeeper;
    PlotSink defaultPlot;
    Beeper* beeper = &defaultBeeper;
    PlotSink* plot = &defaultPlot;
    std::vector<std::pair<int, std::function<void(ModelEvent)>>> observers;
    std::vector<std::pair<int, std::function<void(ModelEvent)>>> notifyCopy;
    int nextObserverId = 1;
    int handlerDepth = 0;
    bool notifying = false;  // observers run: no nested notifications
  };
  Links links_;
};

}  // namespace Lodema
