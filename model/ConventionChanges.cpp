// SPDX-License-Identifier: MIT
// Changes of the input and output notations. Typed orientations are
// rewritten so that they keep meaning the same plane or line in the new
// notation; the shown result is rewritten likewise. The rewrites are shielded
// from the entry change handler.
#include <string>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "model/CalculatorModel.h"
#include "orient/NumberText.h"
#include "orient/TextFormatting.h"
#include "orient/TextParsing.h"

namespace Lodema {

namespace {

using OrientGeometry::PlaneNotation;

// Dip direction (azimuth text) of a plane's direction text in a notation;
// "" when it cannot be worked out.
std::string DipDirectionOf(const std::string& azimuth, const std::string& sense,
                           PlaneNotation notation, OrientGeometry::DecimalMark localeMark) {
  if (!OrientGeometry::UsesStrike(notation)) return azimuth;
  // A right-hand strike has no sense letters: the plane dips to its right.
  const std::string letters = OrientGeometry::HasSenseLetters(notation) ? sense : "";
  return OrientGeometry::StrikeAndSenseToDipDirectionText(azimuth, letters, localeMark)
      .value_or("");
}

// What a box of a plane's or a line's layout holds.
BoxRole RoleOfPart(FabricPart part, bool plane) {
  switch (part) {
    case FabricPart::kAngle:
      return plane ? BoxRole::kDip : BoxRole::kPlunge;
    case FabricPart::kDirection:
      return BoxRole::kDirection;
    case FabricPart::kSense:
      return BoxRole::kSense;
    case FabricPart::kNone:
      break;
  }
  return BoxRole::kOther;
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
    // A hidden window keeps the roles of its last layout; its values come
    // back when a calculation shows it again, so they are converted too.
    texts.hidden = w < 3 && !controls_.windowPanels[w].visible;
    texts.plane = windowFabrics_[w] == WindowFabric::kPlane;
    texts.line = windowFabrics_[w] == WindowFabric::kLine;
    for (int box = kWindowFirstBox[w]; box < kWindowFirstBox[w] + kWindowBoxCount[w]; ++box) {
      if (!controls_.entryBoxes[box].visible && !texts.hidden) continue;
      const std::string& text = controls_.entryBoxes[box].text;
      const auto field = RoleTexts::Field(entryRoles_[box]);
      if (field == nullptr) {
        if (texts.hidden && !text.empty()) texts.other = true;
        continue;
      }
      texts.*field = text;
      texts.any = true;
      texts.valid = texts.valid && (texts.hidden ? !text.empty() : entryValid_[box]);
    }
  }
  return roles;
}

void CalculatorModel::RestoreEntryRoles(const WindowRoles& roles) {
  const OrientGeometry::Notation in = NotationIn(settings_);
  for (int w = 0; w < 4; ++w) {
    const RoleTexts& texts = roles[w];
    if (!texts.any) continue;
    const int first = kWindowFirstBox[w];
    const int last = first + kWindowBoxCount[w];
    if (texts.hidden) {
      if (texts.other || (!texts.plane && !texts.line)) continue;
      // The window stays hidden but takes the roles of its layout in the new
      // notation, so that its values come back in their places.
      const FabricLayout layout = texts.plane ? PlaneLayout(in.plane) : LineLayout(in.line);
      for (int box = first; box < last; ++box) {
        entryRoles_[box] =
            RoleOfPart(layout[static_cast<std::size_t>(box - first)].part, texts.plane);
        entryValid_[box] = false;
      }
    }
    for (int box = first; box < last; ++box) {
      if (!controls_.entryBoxes[box].visible && !texts.hidden) continue;
      std::string& text = controls_.entryBoxes[box].text;
      if (const auto field = RoleTexts::Field(entryRoles_[box])) {
        text = texts.*field;
      } else if (texts.hidden) {
        // A hidden window's unused box holds nothing.
        text.clear();
      }
    }
  }
}

void CalculatorModel::ConvertPlaneRoles(WindowRoles& roles, PlaneNotation oldNotation,
                                        PlaneNotation newNotation) const {
  // A direction keeps its meaning between notations that hold the same
  // thing: a dip direction, a strike with sense letters or a right-hand one.
  if (OrientGeometry::UsesStrike(oldNotation) == OrientGeometry::UsesStrike(newNotation) &&
      OrientGeometry::HasSenseLetters(oldNotation) ==
          OrientGeometry::HasSenseLetters(newNotation)) {
    return;
  }
  const bool quadrant = NotationIn(settings_).azimuth == OrientGeometry::AzimuthStyle::kQuadrant;
  // Window D never holds a plane in the entry convention.
  for (int w = 0; w < 3; ++w) {
    RoleTexts& texts = roles[w];
    if (!texts.any || !texts.plane) continue;
    std::string dipDirection;
    if (texts.valid) {
      const std::optional<std::string> azimuth =
          quadrant ? OrientGeometry::QuadrantToAzimuthText(texts.direction, localeMark_)
                   : std::optional<std::string>(texts.direction);
      if (azimuth && !azimuth->empty()) {
        dipDirection = DipDirectionOf(*azimuth, texts.sense, oldNotation, localeMark_);
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
    if (OrientGeometry::UsesStrike(newNotation)) {
      const auto strike = OrientGeometry::DipDirectionToStrikeAndSense(dipDirection);
      direction = strike.strike;
      if (OrientGeometry::HasSenseLetters(newNotation)) texts.sense = strike.sense;
    }
    texts.direction =
        quadrant ? OrientGeometry::AzimuthToQuadrantText(direction, localeMark_) : direction;
  }
}

void CalculatorModel::RelayOutInInputNotation(int& setting, int index) {
  {
    RewriteShield shield(*this);
    WindowRoles roles = CaptureEntryRoles();
    const PlaneNotation before = NotationIn(settings_).plane;
    setting = index;
    SetUpCalculationWindows(calculation_);
    ConvertPlaneRoles(roles, before, NotationIn(settings_).plane);
    RestoreEntryRoles(roles);
  }
  RefreshCalculation();
}

void CalculatorModel::SetInputPlaneNotation(int index) {
  HandlerScope scope(*this);
  if (index < 1 || index > 6) return;
  if (index != settings_.PlaneConvIn) {
    CheckOnly(controls_.inputPlaneNotationOptions, index);
    RelayOutInInputNotation(settings_.PlaneConvIn, index);
  }
  if (controls_.outputSameAsInputBox.checked) SetOutputPlaneNotation(index);
}

void CalculatorModel::SetInputLineOrder(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  if (index != settings_.LineConvIn) {
    CheckOnly(controls_.inputLineOrderOptions, index);
    RelayOutInInputNotation(settings_.LineConvIn, index);
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
    if (!entryValid_[box] || entryRoles_[box] != BoxRole::kDirection) continue;
    std::string& text = controls_.entryBoxes[box].text;
    const std::string converted =
        toQuadrant ? OrientGeometry::AzimuthToQuadrantText(text, localeMark_)
                   : OrientGeometry::QuadrantToAzimuthText(text, localeMark_).value_or("");
    if (!converted.empty()) text = converted;
  }
}

// A shown result is worked out again from the entries in the new notation:
// its texts are never read back.
void CalculatorModel::ChangeOutputConvention(int& setting, int index, bool relayout) {
  if (index == setting) return;
  setting = index;
  const bool shown = ResultsShown();
  if (relayout) SetUpCalculationWindows(calculation_);
  plot().SetStereoNotation(NotationOut(settings_));
  if (shown) CalculateOrClear();
}

void CalculatorModel::SetOutputPlaneNotation(int index) {
  HandlerScope scope(*this);
  if (index < 1 || index > 6) return;
  CheckOnly(controls_.outputPlaneNotationOptions, index);
  ChangeOutputConvention(settings_.PlaneConvOut, index, true);
}

void CalculatorModel::SetOutputLineOrder(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  CheckOnly(controls_.outputLineOrderOptions, index);
  ChangeOutputConvention(settings_.LineConvOut, index, true);
}

void CalculatorModel::SetOutputDirectionNotation(int index) {
  HandlerScope scope(*this);
  if (index != 0 && index != 1) return;
  CheckOnly(controls_.outputDirectionNotationOptions, index);
  ChangeOutputConvention(settings_.QuadrantOut, index, false);
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
