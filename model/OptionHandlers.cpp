// SPDX-License-Identifier: MIT
// Handlers of the reference, approximate-dip, apparent-dip, polarity,
// drill-core and decimal-character options of the main window.
#include <string>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "model/CalculatorModel.h"

namespace Lodema {

namespace {

bool IsPair(int index) { return index == 0 || index == 1; }

}  // namespace

void CalculatorModel::SetReferenceDirection(int index) {
  HandlerScope scope(*this);
  if (index < 0 || index > 3) return;
  CheckOnly(controls_.referenceDirectionOptions, index);
  settings_.referenceDirection = index;
  SetUpCalculationWindows(calculation_);
  RevalidateEntries();
  if (AllEntriesValid()) {
    Calculate();
  } else {
    ClearResultsWindows(1);
  }
  const CalculationInfo* info = FindCalculation(calculation_);
  if (info == nullptr || info->d != WindowUse::kReferenceLine) return;
  std::string caption;
  switch (index) {
    case 0:
      caption = "D - Known dip dir'n of Ref.Plane";
      break;
    case 1:
      caption = OrientGeometry::UsesRightHandRule(NotationIn(settings_).plane)
                    ? "D - Known strike of Ref.Plane (not RH rule)"
                    : "D - Known strike of Ref.Plane";
      break;
    case 2:
      caption = "D - Known axis of folding of Ref.Plane";
      break;
    default:
      caption = "D - Approx dip, known dip dir'n of Ref.Plane";
      break;
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

void CalculatorModel::CoreConventionChanged() {
  SetCaptionPrefs();
  RefreshCalculation();
}

void CalculatorModel::SetEllipseMark(int index) {
  HandlerScope scope(*this);
  if (!IsPair(index)) return;
  settings_.EllipseBase = index == 1;
  CoreConventionChanged();
}

void CalculatorModel::SetBetaRange(int index) {
  HandlerScope scope(*this);
  if (!IsPair(index)) return;
  settings_.BetaConv = index == 0;
  CoreConventionChanged();
}

void CalculatorModel::SetOrientationMark(int index) {
  HandlerScope scope(*this);
  if (!IsPair(index)) return;
  settings_.BottomMark = index == 1;
  CoreConventionChanged();
}

void CalculatorModel::SetCorePlungeSign(int index) {
  HandlerScope scope(*this);
  if (!IsPair(index)) return;
  settings_.CoreConv = index == 0;
  CoreConventionChanged();
}

void CalculatorModel::SetDeltaReference(int index) {
  HandlerScope scope(*this);
  if (!IsPair(index)) return;
  settings_.deltaNormal = index == 1;
  CoreConventionChanged();
}

void CalculatorModel::SetCoreInclination(int index) {
  HandlerScope scope(*this);
  if (!IsPair(index)) return;
  settings_.ZenithConv = index == 1;
  settings_.PlungeName = settings_.ZenithConv ? "zenith" : "plunge";
  SetCaptionPrefs();
  SetUpCalculationWindows(calculation_);
  RefreshCalculation();
}

void CalculatorModel::SetDecimalChar(int index) {
  HandlerScope scope(*this);
  if (!IsPair(index)) return;
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
