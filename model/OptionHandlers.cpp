// SPDX-License-Identifier: MIT
// Handlers of the reference, approximate-dip, apparent-dip, polarity,
// drill-core and decimal-character options of the main window.
#include <string>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "model/CalculatorModel.h"

namespace Lodema {

void CalculatorModel::SetReferenceDirection(int index) {
  HandlerScope scope(*this);
  if (index < 0 || index > 3) return;
  CheckOnly(controls_.referenceDirectionOptions, index);
  settings_.referenceDirection = index;
  SetUpCalculationWindows(calculation_);
  RevalidateEntries();
  CalculateOrClear(1);
  const CalculationInfo* info = FindCalculation(calculation_);
  if (info == nullptr || info->d != WindowUse::kReferenceLine) return;
  constexpr const char* kCaptions[] = {
      "D - Known dip dir'n of Ref.Plane", "D - Known strike of Ref.Plane",
      "D - Known axis of folding of Ref.Plane", "D - Approx dip, known dip dir'n of Ref.Plane"};
  std::string caption = kCaptions[index];
  if (index == 1 && OrientGeometry::UsesRightHandRule(NotationIn(settings_).plane)) {
    caption += " (not RH rule)";
  }
  controls_.windowDFrame.caption = caption;
}

void CalculatorModel::SetApproximateDip(int index) {
  HandlerScope scope(*this);
  if (index < 0 || index > 2) return;
  CheckOnly(controls_.approximateDipOptions, index);
  settings_.SteepDip = index;
  SetUpCalculationWindows(calculation_);
  RefreshCalculation();
}

void CalculatorModel::SetApparentDipShown(bool checked) {
  HandlerScope scope(*this);
  controls_.apparentDipBox.checked = checked;
  ApplyApparentVisibility();
  if (!checked) {
    ClearResultsWindows(3);
    return;
  }
  const bool valid = ValidateEntry(kSectionTrendBox);
  entryValid_[kSectionTrendBox] = valid;
  entryValid_[kFileSectionTrendBox] = valid;
  RecalculateIfShown();
}

void CalculatorModel::SetPolaritySignShown(bool checked) {
  HandlerScope scope(*this);
  controls_.polaritySignBox.checked = checked;
  settings_.ShowPolaritySign = checked;
  RefreshCalculation();
}

void CalculatorModel::SetCoreOption(int index, bool& setting, bool valueOfFirst) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  setting = index == 0 ? valueOfFirst : !valueOfFirst;
  SetCaptionPrefs();
  RefreshCalculation();
}

void CalculatorModel::SetEllipseMark(int index) {
  SetCoreOption(index, settings_.EllipseBase, false);
}

void CalculatorModel::SetBetaRange(int index) { SetCoreOption(index, settings_.BetaConv, true); }

void CalculatorModel::SetOrientationMark(int index) {
  SetCoreOption(index, settings_.BottomMark, false);
}

void CalculatorModel::SetCorePlungeSign(int index) {
  SetCoreOption(index, settings_.CoreConv, true);
}

void CalculatorModel::SetDeltaReference(int index) {
  SetCoreOption(index, settings_.deltaNormal, false);
}

void CalculatorModel::SetCoreInclination(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  settings_.ZenithConv = index == 1;
  settings_.PlungeName = settings_.ZenithConv ? "zenith" : "plunge";
  SetCaptionPrefs();
  SetUpCalculationWindows(calculation_);
  RefreshCalculation();
}

void CalculatorModel::SetDecimalChar(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  const char before = OutputDecimalChar();
  const OrientGeometry::DecimalMark chosen =
      index == 1 ? OrientGeometry::DecimalMark::kComma : OrientGeometry::DecimalMark::kPoint;
  settings_.NonLocaleDecimal = chosen != localeMark_;
  settings_.DontAskAboutSetting = false;
  CheckOnly(controls_.decimalCharOptions, index);
  controls_.localeWarning.visible = settings_.NonLocaleDecimal;
  // Results already shown take the new character at once.
  const char after = OutputDecimalChar();
  if (before == after) return;
  for (auto& result : controls_.resultValues) {
    for (char& ch : result.caption) {
      if (ch == before) ch = after;
    }
  }
}

}  // namespace Lodema
