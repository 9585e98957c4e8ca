// SPDX-License-Identifier: MIT
// The main window model: construction with the design captions, observers,
// platform services and the start-up helpers.
#include "model/CalculatorModel.h"

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "calc/Catalogue.h"
#include "orient/TextFormatting.h"

namespace Lodema {

namespace {

constexpr const char* kPlaneConventionCaptions[] = {
    "",
    "Dip,  Dip direction",
    "Dip direction, Dip",
    "Strike, Dip, Sense",
    "Dip,  Sense,  Strike",
    "Dip, Strike (RH rule)",
    "Strike, Dip (RH rule)",
};

// One caption for each option of a group.
template <std::size_t N>
void SetCaptions(std::array<OptionButton, N>& options, const char* const (&captions)[N]) {
  for (std::size_t i = 0; i < N; ++i) options[i].caption = captions[i];
}

// The captions of the entry and result boxes and of the result frames.
void SetBoxCaptions(MainWindowControls& c) {
  const std::array<const char*, 13> entryLabels = {"dip",   "dir'n",  "sense", "dip",    "dir'n",
                                                   "sense", "plunge", "trend", "plunge", "dir'n",
                                                   "delta", "trend",  "trend"};
  for (int i = 0; i < kEntryBoxCount; ++i) {
    c.entryCaptions[i].caption = entryLabels[i];
  }
  c.entryCaptions[14].caption = "Ref. plane";
  c.entryCaptions[16].caption = "Result";
  c.entryCaptions[17].caption = "Other:";
  c.entryCaptions[13].visible = false;
  c.entryCaptions[15].visible = false;

  const std::array<const char*, kResultBoxCount> resultLabels = {
      "plunge", "trend", "sense", "dip",   "dir'n", "sense", "dip",
      "dir'n",  "sense", "dip",   "dir'n", "sense", "angle", "sense"};
  for (int i = 0; i < kResultBoxCount; ++i) {
    c.resultCaptions[i].caption = resultLabels[i];
  }
  for (int i = 0; i < 3; ++i) {
    c.resultFrames[i].caption = kResultFrameCaptions[i];
  }
  c.resultFrames[1].visible = false;
  c.resultFrames[2].visible = false;
  c.extraResultFrame.caption = kResultFrameCaptions[3];
}

// The calculation buttons with their captions and frames.
void SetCalculationCaptions(MainWindowControls& c) {
  const std::array<std::string, kCalculationCount> captions = DesignCaptions();
  for (int n = 0; n < kCalculationCount; ++n) {
    c.calculationCaptions[n].caption = captions[n];
    c.calculationButtons[n].colour = kButtonGrey;
  }
  c.calculationCaptions[kCalculationCount].caption = "for 'upward' lines";
  for (int f = 0; f < kCalculationFrameCount; ++f) {
    c.calculationFrames[f].caption = kCalculationFrameCaptions[f];
  }
  c.captionSecondLine.caption = "approximate reference line D";
}

// The window frames, check boxes and file-output options.
void SetFrameAndBoxCaptions(MainWindowControls& c) {
  c.windowACaption.caption = "A";
  c.windowCFrame.caption = "C";
  c.windowDFrame.caption = "D";
  c.sectionCaption.caption = "section";
  c.extraResultNote.caption = "for apparent dip and dip sense";
  c.apparentDipBox.caption = "Show apparent dip";
  c.polaritySignBox.caption = "Show polarity sign";
  c.fileOutputOptions[7].caption = "Reference plane solution";
  c.fileOutputOptions[8].caption = "Any ambiguous reference plane solutions";
  c.fileOutputOptions[9].caption = "Second result using ambiguous ref. plane";
}

// The conventions panel and the drill-core options.
void SetOptionCaptions(MainWindowControls& c) {
  SetCaptions(c.referenceDirectionOptions,
              {"dip dir'n", "strike", "fold axis", "approx. orientation of plane"});
  SetCaptions(c.approximateDipOptions, {"<30", "30-60", ">60"});

  SetCaptions(c.ellipseMarkOptions, {"top of ellipse", "bottom of ellipse"});
  SetCaptions(c.betaRangeOptions, {" 0 - 360\xC2\xB0 (cl'kwise)", "+180 to -180"});
  SetCaptions(c.orientationMarkOptions, {"top of core", "bottom of core"});
  SetCaptions(c.corePlungeSignOptions, {"downward is +ve", "downward is -ve"});
  SetCaptions(c.deltaReferenceOptions, {"ellipse long axis", "ellipse normal"});
  SetCaptions(c.coreInclinationOptions, {"by plunge ('dip')", "by zenith"});
  SetCaptions(c.inputPlaneNotationOptions, kPlaneConventionCaptions);
  SetCaptions(c.outputPlaneNotationOptions, kPlaneConventionCaptions);
  c.inputPlaneNotationOptions[0].visible = false;
  c.outputPlaneNotationOptions[0].visible = false;
  SetCaptions(c.inputLineOrderOptions, {"Plunge, Trend", "Trend, Plunge"});
  SetCaptions(c.outputLineOrderOptions, {"Plunge, Trend", "Trend, Plunge"});
  SetCaptions(c.inputDirectionNotationOptions, {"Azimuth notation", "Quadrant notation"});
  SetCaptions(c.outputDirectionNotationOptions, {"Azimuth notation", "Quadrant notation"});
  c.outputSameAsInputBox.caption = "Same as Input File";
  SetCaptions(c.decimalCharOptions, {"period  (e.g. 34.5)", "comma (e.g. 34,5)"});
  c.localeWarning.caption = "(overrides current locale setting)";
  c.localeWarning.visible = false;
}

// What starts hidden.
void HideUntilLaidOut(MainWindowControls& c) {
  // Nothing is laid out until a calculation is selected; the apparent-dip
  // panels start hidden like an unticked box.
  for (const int panel : {4, 5, 6}) c.windowPanels[panel].visible = false;
  c.sectionTrendFrame.visible = false;
  c.entryBoxes[kSectionTrendBox].visible = false;
  c.entryBoxes[kFileSectionTrendBox].visible = false;
  c.entryCaptions[kFileSectionTrendBox].visible = false;
}

}  // namespace

CalculatorModel::CalculatorModel() {
  SetBoxCaptions(controls_);
  SetCalculationCaptions(controls_);
  SetFrameAndBoxCaptions(controls_);
  SetOptionCaptions(controls_);
  HideUntilLaidOut(controls_);
  SyncOptionGroups();
}

bool CalculatorModel::EntryValid(int box) const {
  return box >= 0 && box < kEntryBoxCount && entryValid_[box];
}

char CalculatorModel::OutputDecimalChar() const {
  // The locale's character, or the other one when the user forces it.
  return OrientGeometry::DecimalChar(ResultDecimalMark(settings_, localeMark_));
}

void CalculatorModel::SetBeeper(Beeper* beeper) {
  links_.beeper = beeper ? beeper : &links_.defaultBeeper;
}

void CalculatorModel::SetPlotSink(PlotSink* plot) {
  links_.plot = plot ? plot : &links_.defaultPlot;
}

int CalculatorModel::AddObserver(std::function<void(ModelEvent)> observer) {
  const int id = links_.nextObserverId++;
  links_.observers.emplace_back(id, std::move(observer));
  return id;
}

void CalculatorModel::RemoveObserver(int id) {
  std::erase_if(links_.observers, [id](const auto& entry) { return entry.first == id; });
}

void CalculatorModel::Notify(ModelEvent event) {
  if (links_.notifying || links_.observers.empty()) return;
  links_.notifying = true;
  // A copy, so that an observer may remove itself; its storage is kept for
  // the next call (nested calls return above).
  links_.notifyCopy = links_.observers;
  for (const auto& [id, observer] : links_.notifyCopy) {
    if (!observer) continue;
    try {
      observer(event);
    } catch (const std::exception& fault) {
      // An observer's failure must not break the handler that notified it;
      // the message panel says what went wrong.
      ReportFailure(std::string("Error - the window could not be brought up to date: ") +
                    fault.what());
    }
  }
  links_.notifyCopy.clear();
  links_.notifying = false;
}

void CalculatorModel::SetMessage(const std::string& text) {
  controls_.messagePanel.caption = text;
  messageReportsFailure_ = false;
}

void CalculatorModel::ClearMessage() {
  controls_.messagePanel.caption.clear();
  messageReportsFailure_ = false;
}

void CalculatorModel::ReportFailure(const std::string& text) {
  controls_.messagePanel.caption = text;
  messageReportsFailure_ = true;
}

void CalculatorModel::SetTabPage(int page) {
  HandlerScope scope(*this);
  if (page >= kGeometricalPage && page <= kFilePage) controls_.tabPage = page;
}

void CalculatorModel::SyncOptionGroups() {
  MainWindowControls& c = controls_;
  const Lodema::Settings& s = settings_;
  CheckOnly(c.approximateDipOptions, s.SteepDip);
  CheckOnly(c.referenceDirectionOptions, s.referenceDirection);
  CheckOnly(c.inputPlaneNotationOptions, s.PlaneConvIn);
  CheckOnly(c.outputPlaneNotationOptions, s.PlaneConvOut);
  CheckOnly(c.inputLineOrderOptions, s.LineConvIn);
  CheckOnly(c.outputLineOrderOptions, s.LineConvOut);
  CheckOnly(c.inputDirectionNotationOptions, s.QuadrantIn);
  CheckOnly(c.outputDirectionNotationOptions, s.QuadrantOut);
  c.polaritySignBox.checked = s.ShowPolaritySign;
  const bool commaShown = ResultDecimalMark(s, localeMark_) == OrientGeometry::DecimalMark::kComma;
  CheckOnly(c.decimalCharOptions, commaShown ? 1 : 0);
  c.localeWarning.visible = s.NonLocaleDecimal;
  SyncCoreOptions();
}

void CalculatorModel::SyncCoreOptions() {
  MainWindowControls& c = controls_;
  const Lodema::Settings& s = settings_;
  CheckOnly(c.ellipseMarkOptions, s.EllipseBase ? 1 : 0);
  CheckOnly(c.betaRangeOptions, s.BetaConv ? 0 : 1);
  CheckOnly(c.orientationMarkOptions, s.BottomMark ? 1 : 0);
  CheckOnly(c.corePlungeSignOptions, s.CoreConv ? 0 : 1);
  CheckOnly(c.deltaReferenceOptions, s.deltaNormal ? 1 : 0);
  CheckOnly(c.coreInclinationOptions, s.ZenithConv ? 1 : 0);
}

void CalculatorModel::ApplySettingsToControls() {
  HandlerScope scope(*this);
  const int stored = settings_.Calculation;
  calculation_ = IsValidCalculation(stored) ? stored : 0;
  settings_.Calculation = calculation_;
  for (auto& button : controls_.calculationButtons) {
    button.colour = kButtonGrey;
    button.pressed = false;
  }
  controls_.calculationButtons[calculation_].colour = kButtonSelected;
  controls_.calculationButtons[calculation_].pressed = true;
  controls_.tabPage = CoreCalculation() ? kCorePage : kGeometricalPage;
  SetCaptionPrefs();
  SyncOptionGroups();
  const Lodema::Settings& s = settings_;
  const bool same = s.PlaneConvIn == s.PlaneConvOut && s.LineConvIn == s.LineConvOut &&
                    s.QuadrantIn == s.QuadrantOut;
  controls_.outputSameAsInputBox.checked = same;
  for (auto& panel : controls_.outputNotationPanels) panel.enabled = !same;
}

void CalculatorModel::ShowStoredCalculation() {
  HandlerScope scope(*this);
  SetUpCalculationWindows(calculation_);
  RefreshCalculation();
}

void CalculatorModel::CalculateOrClear(int group) {
  if (AllEntriesValid()) {
    Calculate();
  } else {
    ClearResultsWindows(group);
  }
}

void CalculatorModel::RefreshCalculation() {
  RevalidateEntries();
  CalculateOrClear();
}

void CalculatorModel::RecalculateIfShown() {
  if (ResultsShown()) CalculateOrClear();
}

bool CalculatorModel::ResultsShown() const {
  for (int i = 0; i < 3; ++i) {
    if (!controls_.resultValues[i].caption.empty()) return true;
  }
  return false;
}

}  // namespace Lodema
