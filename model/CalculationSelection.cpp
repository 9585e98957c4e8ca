// SPDX-License-Identifier: MIT
// Selecting a calculation by its button, its caption or the Calculations
// menu, and rebuilding the captions from the user's angle names.
#include <string>

#include "calc/Catalogue.h"
#include "model/CalculatorModel.h"

namespace Lodema {

namespace {

// Hands the plot which of windows A-D calculation n uses and its caption.
void ShowStereoOptions(PlotSink& plot, const MainWindowControls& c, int n) {
  const std::array<bool, 4> used = {c.windowPanels[0].visible, c.windowPanels[1].visible,
                                    c.windowCFrame.visible, c.windowDFrame.visible};
  plot.SetStereoOptions(used, DisplayCaption(c.calculationCaptions[n].caption));
}

}  // namespace

void CalculatorModel::SelectCalculation(int n) {
  HandlerScope scope(*this);
  if (initialising_ || !IsValidCalculation(n)) return;
  const int previous = calculation_;
  if (!IsCoreCalculation(n)) {
    if (controls_.tabPage == kCorePage) controls_.tabPage = kGeometricalPage;
  } else {
    if (controls_.tabPage == kGeometricalPage) controls_.tabPage = kCorePage;
    if (IsApproxRefPlaneCalculation(n) && CalculationAt(previous).UsesFixedReferencePlane()) {
      // The fixed-plane calculations force the choice to 3 without touching
      // the options; coming back, the options give the user's choice again.
      for (int i = 0; i < 3; ++i) {
        if (controls_.referenceDirectionOptions[i].checked) settings_.referenceDirection = i;
      }
    }
  }
  for (auto& button : controls_.calculationButtons) button.colour = kButtonGrey;
  controls_.calculationButtons[n].colour = kButtonSelected;
  if (n != previous) controls_.calculationButtons[previous].pressed = false;
  controls_.calculationButtons[n].pressed = true;
  calculation_ = n;
  settings_.Calculation = n;

  SetUpCalculationWindows(n);
  if (plot().IsShowing()) ShowStereoOptions(plot(), controls_, n);
  RefreshCalculation();
  if (filePageAvailable_) Notify(ModelEvent::kCalculationSelected);
}

void CalculatorModel::UpdatePlotWindow() {
  if (!plot().IsShowing()) return;
  plot().SetStereoNotation(NotationOut(settings_));
  ShowStereoOptions(plot(), controls_, calculation_);
}

void CalculatorModel::ReleaseCalculationButton(int n) {
  HandlerScope scope(*this);
  if (IsValidCalculation(n)) controls_.calculationButtons[n].pressed = false;
}

void CalculatorModel::SelectCalculationByCaption(int n) { SelectCalculation(n); }

void CalculatorModel::SelectCalculationByMenuItem(int item) {
  const int n = CalculationForMenuItem(item);
  if (n >= 0) SelectCalculation(n);
}

void CalculatorModel::SetCaptionPrefs() {
  HandlerScope scope(*this);
  std::array<std::string, kCalculationCount> current;
  for (int n = 0; n < kCalculationCount; ++n) current[n] = controls_.calculationCaptions[n].caption;
  const auto rebuilt = RebuildCaptions(settings_, current);
  for (int n = 0; n < kCalculationCount; ++n) controls_.calculationCaptions[n].caption = rebuilt[n];
  SyncCoreOptions();
}

}  // namespace Lodema
