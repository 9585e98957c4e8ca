// The main window model: construction with the design captions, observers,
// platform services and the start-up helpers.
#include "calc/FormModel.h"

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "calc/Catalogue.h"
#include "orient/TextFormatting.h"

namespace Lodema {

namespace {

constexpr std::array<const char*, 7> kPlaneConventionCaptions = {
    "",
    "Dip,  Dip direction",
    "Dip direction, Dip",
    "Strike, Dip, Sense",
    "Dip,  Sense,  Strike",
    "Dip, Strike (RH rule)",
    "Strike, Dip (RH rule)",
};

void SetOptionPair(std::array<OptionButton, 2>& options, const char* first, const char* second) {
  options[0].caption = first;
  options[1].caption = second;
}

// Checks option i of a group and clears the others; an index outside the
// group selects nothing.
template <std::size_t N>
void CheckOnly(std::array<OptionButton, N>& options, int index) {
  for (std::size_t i = 0; i < N; ++i) {
    options[i].checked = static_cast<int>(i) == index;
  }
}

}  // namespace

FormModel::FormModel() {
  MainWindowControls& c = controls_;
  const std::array<const char*, 13> entryLabels = {"dip",   "dir'n",  "sense", "dip",    "dir'n",
                                                   "sense", "plunge", "trend", "plunge", "dir'n",
                                                   "delta", "trend",  "trend"};
  for (int i = 0; i < kEntryBoxCount; ++i) {
    c.lblDip[i].caption = entryLabels[i];
  }
  c.lblDip[14].caption = "Ref. plane";
  c.lblDip[16].caption = "Result";
  c.lblDip[17].caption = "Other:";
  c.lblDip[13].visible = false;
  c.lblDip[15].visible = false;

  const std::array<const char*, kResultBoxCount> resultLabels = {
      "plunge", "trend", "sense", "dip",   "dir'n", "sense", "dip",
      "dir'n",  "sense", "dip",   "dir'n", "sense", "angle", "sense"};
  for (int i = 0; i < kResultBoxCount; ++i) {
    c.lblDipRes[i].caption = resultLabels[i];
  }
  for (int i = 0; i < 3; ++i) {
    c.fraResults[i].caption = kResultFrameCaptions[i];
  }
  c.fraResults[1].visible = false;
  c.fraResults[2].visible = false;
  c.fraExtraData.caption = kResultFrameCaptions[3];

  const std::array<std::string, kCalculationCount> captions = DesignCaptions();
  for (int n = 0; n < kCalculationCount; ++n) {
    c.lblCalc[n].caption = captions[n];
    c.grpCommands[n].colour = kButtonGrey;
  }
  c.lblCalc[kCalculationCount].caption = "for 'upward' lines";
  for (int f = 0; f < kCalculationFrameCount; ++f) {
    c.fraCalculations[f].caption = kCalculationFrameCaptions[f];
  }
  c.label2.caption = "approximate reference line D";

  c.lblA.caption = "A";
  c.fraAxis.caption = "C";
  c.fraRefLine.caption = "D";
  c.Label3.caption = "section";
  c.lblAppDipOrPitch.caption = "for apparent dip and dip sense";
  c.chkShowApparent.caption = "Show apparent dip";
  c.chkLinePolarity.caption = "Show polarity sign";
  c.chkFileOutOptions[7].caption = "Reference plane solution";
  c.chkFileOutOptions[8].caption = "Any ambiguous reference plane solutions";
  c.chkFileOutOptions[9].caption = "Second result using ambiguous ref. plane";

  const std::array<const char*, 4> refCaptions = {"dip dir'n", "strike", "fold axis",
                                                  "approx. orientation of plane"};
  for (int i = 0; i < 4; ++i) {
    c.optRef[i].caption = refCaptions[i];
  }
  c.optDip[0].caption = "<30";
  c.optDip[1].caption = "30-60";
  c.optDip[2].caption = ">60";

  SetOptionPair(c.optAlpha, "top of ellipse", "bottom of ellipse");
  SetOptionPair(c.optBeta, " 0 - 360\xC2\xB0 (cl'kwise)", "+180 to -180");
  SetOptionPair(c.optBottomMark, "top of core", "bottom of core");
  SetOptionPair(c.optCore, "downward is +ve", "downward is -ve");
  SetOptionPair(c.optDelta, "ellipse long axis", "ellipse normal");
  SetOptionPair(c.optZenith, "by plunge ('dip')", "by zenith");
  for (int i = 1; i <= 6; ++i) {
    c.optInPlaneConv[i].caption = kPlaneConventionCaptions[i];
    c.optOutPlaneConv[i].caption = kPlaneConventionCaptions[i];
  }
  c.optInPlaneConv[0].visible = false;
  c.optOutPlaneConv[0].visible = false;
  SetOptionPair(c.optInLineConv, "Plunge, Trend", "Trend, Plunge");
  SetOptionPair(c.optOutLineConv, "Plunge, Trend", "Trend, Plunge");
  SetOptionPair(c.optInDirnConv, "Azimuth notation", "Quadrant notation");
  SetOptionPair(c.optOutDirnConv, "Azimuth notation", "Quadrant notation");
  c.chkOutConv.caption = "Same as Input File";
  SetOptionPair(c.optDecimal, "period  (e.g. 34.5)", "comma (e.g. 34,5)");
  c.lblLocaleWarning.caption = "(overrides current locale setting";
  c.lblLocaleWarning.visible = false;

  // Nothing is laid out until a calculation is selected; the apparent-dip
  // panels start hidden like an unticked box.
  c.panorient[4].visible = false;
  c.panorient[5].visible = false;
  c.panorient[6].visible = false;
  c.fraAncilliary.visible = false;
  c.txtValues[11].visible = false;
  c.txtValues[12].visible = false;
  c.lblDip[12].visible = false;
  SyncOptionGroups();
}

bool FormModel::EntryValid(int box) const {
  return box >= 0 && box < kEntryBoxCount && entryValid_[box];
}

char FormModel::OutputDecimalChar() const {
  // The locale's character, or the other one when the user forces it.
  return (localeComma_ != settings_.NonLocaleDecimal) ? ',' : '.';
}

void FormModel::SetBeeper(Beeper* beeper) { beeper_ = beeper ? beeper : &defaultBeeper_; }

void FormModel::SetPlotSink(PlotSink* plot) { plot_ = plot ? plot : &defaultPlot_; }

int FormModel::AddObserver(std::function<void(ModelEvent)> observer) {
  const int id = nextObserverId_++;
  observers_.emplace_back(id, std::move(observer));
  return id;
}

void FormModel::RemoveObserver(int id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void FormModel::Notify(ModelEvent event) {
  if (notifying_ || observers_.empty()) return;
  notifying_ = true;
  // A copy, so that an observer may remove itself; its storage is kept for
  // the next call (nested calls return above).
  notifyCopy_ = observers_;
  for (const auto& [id, observer] : notifyCopy_) {
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
  notifyCopy_.clear();
  notifying_ = false;
}

void FormModel::SetMessage(const std::string& text) {
  controls_.panMsgs.caption = text;
  messageReportsFailure_ = false;
}

void FormModel::ReportFailure(const std::string& text) {
  controls_.panMsgs.caption = text;
  messageReportsFailure_ = true;
}

void FormModel::SetTabPage(int page) {
  HandlerScope scope(*this);
  if (page >= kGeometricalPage && page <= kFilePage) controls_.tabLodem = page;
}

void FormModel::SyncOptionGroups() {
  MainWindowControls& c = controls_;
  const Lodema::Settings& s = settings_;
  CheckOnly(c.optDip, s.SteepDip);
  CheckOnly(c.optRef, s.RefDirn);
  CheckOnly(c.optInPlaneConv, s.PlaneConvIn);
  CheckOnly(c.optOutPlaneConv, s.PlaneConvOut);
  CheckOnly(c.optInLineConv, s.LineConvIn);
  CheckOnly(c.optOutLineConv, s.LineConvOut);
  CheckOnly(c.optInDirnConv, s.QuadrantIn);
  CheckOnly(c.optOutDirnConv, s.QuadrantOut);
  c.chkLinePolarity.checked = s.ShowPolaritySign;
  const bool commaShown = localeComma_ != s.NonLocaleDecimal;
  CheckOnly(c.optDecimal, commaShown ? 1 : 0);
  c.lblLocaleWarning.visible = s.NonLocaleDecimal;
  SyncCoreOptions();
}

void FormModel::SyncCoreOptions() {
  MainWindowControls& c = controls_;
  const Lodema::Settings& s = settings_;
  CheckOnly(c.optAlpha, s.EllipseBase ? 1 : 0);
  CheckOnly(c.optBeta, s.BetaConv ? 0 : 1);
  CheckOnly(c.optBottomMark, s.BottomMark ? 1 : 0);
  CheckOnly(c.optCore, s.CoreConv ? 0 : 1);
  CheckOnly(c.optDelta, s.deltaNormal ? 1 : 0);
  CheckOnly(c.optZenith, s.ZenithConv ? 1 : 0);
}

void FormModel::ApplySettingsToControls() {
  HandlerScope scope(*this);
  const int stored = settings_.Calculation;
  calculation_ = IsValidCalculation(stored) ? stored : 0;
  settings_.Calculation = calculation_;
  for (auto& button : controls_.grpCommands) {
    button.colour = kButtonGrey;
    button.pressed = false;
  }
  controls_.grpCommands[calculation_].colour = kButtonSelected;
  controls_.grpCommands[calculation_].pressed = true;
  coreCalculation_ = IsCoreCalculation(calculation_);
  approxRefPlane_ = IsApproxRefPlaneCalculation(calculation_);
  controls_.tabLodem = coreCalculation_ ? kCorePage : kGeometricalPage;
  SetCaptionPrefs();
  SyncOptionGroups();
  const Lodema::Settings& s = settings_;
  const bool same = s.PlaneConvIn == s.PlaneConvOut && s.LineConvIn == s.LineConvOut &&
                    s.QuadrantIn == s.QuadrantOut;
  controls_.chkOutConv.checked = same;
  for (auto& panel : controls_.panConvOut) panel.enabled = !same;
}

void FormModel::ShowStoredCalculation() {
  HandlerScope scope(*this);
  SetUpCalculationWindows(calculation_);
  RefreshCalculation();
}

void FormModel::RefreshCalculation() {
  RevalidateEntries();
  if (AllEntriesValid()) {
    Calculate();
  } else {
    ClearResultsWindows();
  }
}

void FormModel::RecalculateIfShown() {
  if (!ResultsShown()) return;
  if (AllEntriesValid()) {
    Calculate();
  } else {
    ClearResultsWindows();
  }
}

bool FormModel::ResultsShown() const {
  for (int i = 0; i < 3; ++i) {
    if (!controls_.lblResult[i].caption.empty()) return true;
  }
  return false;
}

int FormModel::CombinedOutputCode() const {
  return OrientGeometry::CombineConventionCode(settings_.PlaneConvOut, settings_.LineConvOut,
                                               settings_.QuadrantOut);
}

}  // namespace Lodema
