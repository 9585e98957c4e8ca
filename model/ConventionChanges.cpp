// SPDX-License-Identifier: MIT
// Changes of the input and output notations. Typed orientations are
// rewritten so that they keep meaning the same plane or line in the new
// notation; the shown result is rewritten likewise. The rewrites are shielded
// from the entry change handler.
#include <string>

#include "model/CalculatorModel.h"
#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "orient/NumberText.h"
#include "orient/TextFormatting.h"
#include "orient/TextParsing.h"

namespace Lodema {

namespace {

// What the direction of a plane convention holds: 0 the dip direction,
// 1 a strike with a sense letter, 2 a right-hand-rule strike.
int DirectionMeaning(int planeConvention) {
  if (IsSenseStrikeConvention(planeConvention)) return 1;
  if (IsStrikeConvention(planeConvention)) return 2;
  return 0;
}

// Dip direction (azimuth text) of a plane's direction text in a convention;
// "" when it cannot be worked out.
std::string DipDirectionOf(const std::string& azimuth, const std::string& sense, int convention,
                           bool localeComma) {
  switch (DirectionMeaning(convention)) {
    case 1:
      return OrientGeometry::StrikeAndSenseToDipDirectionText(azimuth, sense, localeComma);
    case 2:
      return OrientGeometry::StrikeAndSenseToDipDirectionText(azimuth, "", localeComma);
    default:
      return azimuth;
  }
}

}  // namespace

// Sets rewriting_ for the life of a rewrite.
class CalculatorModel::RewriteShield {
 public:
  explicit RewriteShield(CalculatorModel& model) : model_(model), previous_(model.rewriting_) {
    model_.rewriting_ = true;
  }
  ~RewriteShield() { model_.rewriting_ = previous_; }
  RewriteShield(const RewriteShield&) = delete;
  RewriteShield& operator=(const RewriteShield&) = delete;

 private:
  CalculatorModel& model_;
  bool previous_;
};

CalculatorModel::WindowRoles CalculatorModel::CaptureEntryRoles() const {
  WindowRoles roles;
  for (int w = 0; w < 4; ++w) {
    RoleTexts& texts = roles[w];
    // A hidden window keeps the captions of its last layout; its values come
    // back when a calculation shows it again, so they are converted too.
    texts.hidden = w < 3 && !controls_.windowPanels[w].visible;
    for (int box = kWindowFirstBox[w]; box < kWindowFirstBox[w] + kWindowBoxCount[w]; ++box) {
      if (!controls_.entryBoxes[box].visible && !texts.hidden) continue;
      const std::string& caption = controls_.entryCaptions[box].caption;
      const std::string& text = controls_.entryBoxes[box].text;
      switch (RoleOfCaption(caption)) {
        case BoxRole::kDip:
          texts.plane = caption == "dip";
          texts.first = text;
          break;
        case BoxRole::kPlunge:
          texts.line = caption == "plunge";
          texts.first = text;
          break;
        case BoxRole::kDirection:
          texts.direction = text;
          break;
        case BoxRole::kSense:
          texts.sense = text;
          break;
        case BoxRole::kOther:
          if (texts.hidden && !caption.empty() && !text.empty()) texts.other = true;
          continue;
      }
      texts.any = true;
      texts.valid = texts.valid && (texts.hidden ? !text.empty() : entryValid_[box]);
    }
  }
  return roles;
}

void CalculatorModel::RestoreEntryRoles(const WindowRoles& roles) {
  for (int w = 0; w < 4; ++w) {
    const RoleTexts& texts = roles[w];
    if (!texts.any) continue;
    if (texts.hidden) {
      // Labelled for the new notation only to place the values; the window
      // stays hidden.
      if (texts.other || (!texts.plane && !texts.line)) continue;
      SetWindowForFabric(w, texts.plane ? kFabricPlane : kFabricLine);
    }
    for (int box = kWindowFirstBox[w]; box < kWindowFirstBox[w] + kWindowBoxCount[w]; ++box) {
      if (!controls_.entryBoxes[box].visible) continue;
      std::string& text = controls_.entryBoxes[box].text;
      switch (RoleOfCaption(controls_.entryCaptions[box].caption)) {
        case BoxRole::kDip:
        case BoxRole::kPlunge:
          text = texts.first;
          break;
        case BoxRole::kDirection:
          text = texts.direction;
          break;
        case BoxRole::kSense:
          text = texts.sense;
          break;
        case BoxRole::kOther:
          break;
      }
    }
    if (texts.hidden) {
      for (int box = kWindowFirstBox[w]; box < kWindowFirstBox[w] + kWindowBoxCount[w]; ++box) {
        controls_.entryBoxes[box].visible = false;
        entryValid_[box] = false;
        if (box < kMappedBoxCount) fieldKinds_[box] = kFieldNothing;
      }
    }
  }
}

void CalculatorModel::ConvertPlaneRoles(WindowRoles& roles, int oldConvention,
                                        int newConvention) const {
  if (DirectionMeaning(oldConvention) == DirectionMeaning(newConvention)) return;
  const bool quadrant = settings_.QuadrantIn == 1;
  // Window D never holds a plane in the entry convention.
  for (int w = 0; w < 3; ++w) {
    RoleTexts& texts = roles[w];
    if (!texts.any || !texts.plane) continue;
    std::string dipDirection;
    if (texts.valid) {
      const std::string azimuth =
          quadrant ? OrientGeometry::QuadrantToAzimuthText(texts.direction, localeComma_)
                   : texts.direction;
      if (!azimuth.empty()) {
        dipDirection = DipDirectionOf(azimuth, texts.sense, oldConvention, localeComma_);
      }
    }
    texts.sense.clear();
    if (dipDirection.empty()) {
      // Without a complete orientation the old direction would mean another
      // plane in the new notation.
      texts.direction.clear();
      continue;
    }
    std::string direction = dipDirection;
    if (IsStrikeConvention(newConvention)) {
      const auto strike = OrientGeometry::DipDirectionToStrikeAndSense(dipDirection);
      direction = strike.strike;
      if (IsSenseStrikeConvention(newConvention)) texts.sense = strike.sense;
    }
    texts.direction =
        quadrant ? OrientGeometry::AzimuthToQuadrantText(direction, localeComma_) : direction;
  }
}

void CalculatorModel::SetInputPlaneNotation(int index) {
  HandlerScope scope(*this);
  if (index < 1 || index > 6) return;
  const int old = settings_.PlaneConvIn;
  if (index != old) {
    {
      RewriteShield shield(*this);
      WindowRoles roles = CaptureEntryRoles();
      settings_.PlaneConvIn = index;
      CheckOnly(controls_.inputPlaneNotationOptions, index);
      SetUpCalculationWindows(calculation_);
      ConvertPlaneRoles(roles, old, index);
      RestoreEntryRoles(roles);
    }
    RefreshCalculation();
  }
  if (controls_.outputSameAsInputBox.checked) SetOutputPlaneNotation(index);
}

void CalculatorModel::SetInputLineOrder(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  if (index != settings_.LineConvIn) {
    {
      RewriteShield shield(*this);
      const WindowRoles roles = CaptureEntryRoles();
      settings_.LineConvIn = index;
      CheckOnly(controls_.inputLineOrderOptions, index);
      SetUpCalculationWindows(calculation_);
      RestoreEntryRoles(roles);
    }
    RefreshCalculation();
  }
  if (controls_.outputSameAsInputBox.checked) SetOutputLineOrder(index);
}

void CalculatorModel::SetInputDirectionNotation(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  if (index != settings_.QuadrantIn) {
    {
      RewriteShield shield(*this);
      ConvertTypedDirections(index == 1);
      settings_.QuadrantIn = index;
      CheckOnly(controls_.inputDirectionNotationOptions, index);
    }
    RefreshCalculation();
  }
  if (controls_.outputSameAsInputBox.checked) SetOutputDirectionNotation(index);
}

void CalculatorModel::ConvertTypedDirections(bool toQuadrant) {
  for (int box = 0; box < kEntryBoxCount; ++box) {
    if (!entryValid_[box]) continue;
    const std::string& caption = controls_.entryCaptions[box].caption;
    if (!IsDirectionCaption(caption)) continue;
    std::string& text = controls_.entryBoxes[box].text;
    const std::string converted = toQuadrant
                                      ? OrientGeometry::AzimuthToQuadrantText(text, localeComma_)
                                      : OrientGeometry::QuadrantToAzimuthText(text, localeComma_);
    if (!converted.empty()) text = converted;
  }
}

void CalculatorModel::RewriteMainResult(int oldPlaneConvention, int oldQuadrant) {
  const ResultKind kind = ResultKindOf(calculation_);
  if (kind != ResultKind::kPlane && kind != ResultKind::kLine) return;
  const bool plane = kind == ResultKind::kPlane;
  std::string first;
  std::string direction;
  std::string sense;
  for (int box = 0; box < 3; ++box) {
    if (!controls_.resultValues[box].visible) continue;
    const std::string& caption = controls_.resultCaptions[box].caption;
    const std::string& value = controls_.resultValues[box].caption;
    if (caption == "dip" || caption == "plunge") first = value;
    if (IsDirectionCaption(caption)) direction = value;
    if (caption == "sense") sense = value;
  }
  if (oldQuadrant == 1) direction = OrientGeometry::QuadrantToAzimuthText(direction, localeComma_);
  if (plane && !direction.empty()) {
    direction = DipDirectionOf(direction, sense, oldPlaneConvention, localeComma_);
  }
  const bool noResult = noResultShown_;
  SetWindowForFabric(4, plane ? kFabricPlane : kFabricLine);
  if (noResult) {
    WriteNoResult();
    return;
  }
  const bool readable = NumberText::IsNumberText(first) && NumberText::IsNumberText(direction) &&
                        !first.empty() && !direction.empty();
  if (!readable) {
    // A sentinel or nothing shown: there is no orientation to carry over.
    ClearResultsWindows(1);
    return;
  }
  const FabricStrings texts = FormatFabricStrings(first, direction, plane, ResultDecimals());
  AssignFabricTexts(4, texts.first, texts.direction, texts.sense, plane);
}

void CalculatorModel::OutputConventionChanged(int oldPlaneConvention, int oldQuadrant,
                                              bool relayout) {
  if (ResultsShown()) {
    RewriteShield shield(*this);
    RewriteMainResult(oldPlaneConvention, oldQuadrant);
  }
  if (relayout) SetUpCalculationWindows(calculation_);
  plot_->SetStereoOrientConventions(CombinedOutputCode());
  RecalculateIfShown();
}

void CalculatorModel::SetOutputPlaneNotation(int index) {
  HandlerScope scope(*this);
  if (index < 1 || index > 6) return;
  CheckOnly(controls_.outputPlaneNotationOptions, index);
  const int old = settings_.PlaneConvOut;
  if (index == old) return;
  settings_.PlaneConvOut = index;
  OutputConventionChanged(old, settings_.QuadrantOut, true);
}

void CalculatorModel::SetOutputLineOrder(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  CheckOnly(controls_.outputLineOrderOptions, index);
  if (index == settings_.LineConvOut) return;
  settings_.LineConvOut = index;
  OutputConventionChanged(settings_.PlaneConvOut, settings_.QuadrantOut, true);
}

void CalculatorModel::SetOutputDirectionNotation(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  CheckOnly(controls_.outputDirectionNotationOptions, index);
  const int old = settings_.QuadrantOut;
  if (index == old) return;
  settings_.QuadrantOut = index;
  OutputConventionChanged(settings_.PlaneConvOut, old, false);
}

void CalculatorModel::SetOutputSameAsInput(bool checked) {
  HandlerScope scope(*this);
  controls_.outputSameAsInputBox.checked = checked;
  for (auto& panel : controls_.outputNotationPanels) panel.enabled = !checked;
  if (!checked) return;
  SetOutputPlaneNotation(settings_.PlaneConvIn);
  SetOutputLineOrder(settings_.LineConvIn);
  SetOutputDirectionNotation(settings_.QuadrantIn);
}

}  // namespace Lodema
