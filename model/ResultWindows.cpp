// SPDX-License-Identifier: MIT
// Labelling result windows for a plane or a line in the output conventions, and
// writing results into the result windows: degree text with the decimals
// typed, the output decimal character and the output notations.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "calc/ResultText.h"
#include "model/CalculatorModel.h"
#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace Lodema {

void CalculatorModel::LabelResultWindow(int window, bool plane) {
  const OrientGeometry::Notation notation = NotationOut(settings_);
  const std::array<std::string, 3> captions =
      plane ? PlaneCaptions(notation.plane) : LineCaptions(notation.line);
  const int b = 3 * (window - 4);
  for (int j = 0; j < 3; ++j) {
    Label& value = controls_.resultValues[b + j];
    Label& caption = controls_.resultCaptions[b + j];
    caption.caption = captions[j];
    caption.visible = !captions[j].empty();
    value.visible = caption.visible;
    if (!value.visible) {
      value.caption.clear();
      if (b + j == 0) noResultShown_ = false;
    }
  }
}

void CalculatorModel::LabelResultWindows(const CalculationInfo& info) {
  const ResultKind kind = info.result;
  MainWindowControls& c = controls_;
  switch (kind) {
    case ResultKind::kLine:
      LabelResultWindow(4, false);
      break;
    case ResultKind::kPlane:
      LabelResultWindow(4, true);
      break;
    case ResultKind::kManualSolution:
      LabelResultWindow(4, true);
      for (int box = 0; box < 3; ++box) c.resultValues[box].visible = true;
      break;
    case ResultKind::kAngle: {
      std::string name = "angle";
      if (info.angleName == AngleName::kPitch) name = settings_.gPitchName;
      if (info.angleName == AngleName::kHade) name = settings_.gHadeName;
      const std::array<std::string, 3> captions = {"", name, info.resultHasSense ? "sense" : ""};
      for (int box = 0; box < 3; ++box) {
        c.resultCaptions[box].caption = captions[box];
        c.resultCaptions[box].visible = !captions[box].empty();
        c.resultValues[box].visible = c.resultCaptions[box].visible;
        c.resultValues[box].caption.clear();
      }
      noResultShown_ = false;
      break;
    }
  }
  LabelResultWindow(5, true);
  LabelResultWindow(6, true);
  // A result from the second reference plane: lines and planes other than
  // the reference plane itself.
  const bool secondResult =
      (kind == ResultKind::kLine || kind == ResultKind::kPlane) && !info.resultIsReferencePlane;
  LabelResultWindow(7, kind != ResultKind::kLine);
  if (!secondResult) {
    for (int box = 9; box < 12; ++box) {
      c.resultValues[box].visible = false;
      c.resultValues[box].caption.clear();
      c.resultCaptions[box].visible = false;
    }
  }
  c.entryCaptions[16].visible = secondResult;
  c.entryCaptions[17].visible = secondResult;
}

void CalculatorModel::ClearResultsWindows(int group) {
  HandlerScope scope(*this);
  int first = 0;
  int last = kResultBoxCount - 1;
  if (group == 1) {
    last = 2;
  } else if (group == 2) {
    first = 3;
    last = 11;
  } else if (group == 3) {
    first = 12;
  }
  for (int box = first; box <= last; ++box) controls_.resultValues[box].caption.clear();
  if (first == 0) noResultShown_ = false;
  if (coreCalculation_) {
    controls_.resultFrames[1].visible = false;
    controls_.resultFrames[2].visible = false;
  }
}

int CalculatorModel::ResultDecimals() const { return std::clamp(decimalPlaces_, 0, 2); }

void CalculatorModel::AssignFabricTexts(int window, std::string_view first,
                                        std::string_view direction, std::string_view sense,
                                        bool isPlane) {
  const int b = 3 * (window - 4);
  if (b == 0) noResultShown_ = false;
  const RowSchema schema = Schema();
  for (int box = b; box < b + 3; ++box) {
    std::string& target = controls_.resultValues[box].caption;
    switch (schema.results[static_cast<std::size_t>(box)].role) {
      case ResultRole::kFirst:
        target = first;
        break;
      case ResultRole::kDirection:
        target = direction;
        break;
      case ResultRole::kSense:
        target = OrientGeometry::HasSenseLetters(NotationOut(settings_).plane) && isPlane
                     ? sense
                     : std::string_view();
        break;
      default:
        break;
    }
  }
}

void CalculatorModel::WriteFabric(int window, double angle, double azimuth, bool isPlane) {
  if (window < 4 || window > 7) return;
  const RowSchema schema = Schema();
  const FabricTexts texts = FormatFabric(angle, azimuth, isPlane, ResultDecimals(), schema.output);
  AssignFabricTexts(window, texts.first, texts.direction, texts.sense, isPlane);
}

void CalculatorModel::WritePlaneResult(int window, const OrientGeometry::Plane& plane) {
  HandlerScope scope(*this);
  WriteFabric(window, plane.angle, plane.azimuth, true);
}

void CalculatorModel::WriteLineResult(int window, const OrientGeometry::Line& line) {
  HandlerScope scope(*this);
  WriteFabric(window, line.angle, line.azimuth, false);
}

void CalculatorModel::WriteAngleResult(double angle, const std::string& sense) {
  HandlerScope scope(*this);
  const std::string text = FormatAngleResult(angle, ResultDecimals(), OutputDecimalChar());
  noResultShown_ = false;
  const RowSchema schema = Schema();
  for (int box = 0; box < 3; ++box) {
    switch (schema.results[static_cast<std::size_t>(box)].role) {
      case ResultRole::kSense:
        controls_.resultValues[box].caption = sense;
        break;
      case ResultRole::kAngle:
        controls_.resultValues[box].caption = text;
        break;
      default:
        break;
    }
  }
}

void CalculatorModel::WriteApparentResult(double angle, const std::string& sense) {
  HandlerScope scope(*this);
  controls_.resultValues[12].caption =
      FormatAngleResult(angle, ResultDecimals(), OutputDecimalChar());
  controls_.resultValues[13].caption = sense;
}

void CalculatorModel::WriteNoResult() {
  HandlerScope scope(*this);
  controls_.resultValues[0].caption = kNoResultText;
  controls_.resultValues[1].caption = kNoResultText;
  noResultShown_ = true;
  controls_.resultValues[2].caption.clear();
  controls_.resultFrames[1].visible = false;
  controls_.resultFrames[2].visible = false;
}

void CalculatorModel::WriteManualSolution() {
  HandlerScope scope(*this);
  noResultShown_ = false;
  controls_.resultValues[0].caption = "*Use*";
  controls_.resultValues[1].caption = "stereo";
  controls_.resultValues[2].caption = "****";
  SetMessage("Manual solution using stereo only");
}

void CalculatorModel::ShowPlaneSolution(const OrientGeometry::Plane& plane) {
  HandlerScope scope(*this);
  controls_.resultFrames[1].visible = true;
  WritePlaneResult(5, plane);
}

void CalculatorModel::ShowReferencePlaneSolutions(
    int calculation, const ReferencePlaneSolution& first,
    const std::optional<ReferencePlaneSolution>& second) {
  HandlerScope scope(*this);
  const CalculationInfo* info = FindCalculation(calculation);
  if (info == nullptr) return;
  if (info->resultIsReferencePlane) {
    // Its main result is the reference plane itself.
    controls_.resultFrames[1].visible = false;
  } else {
    controls_.resultFrames[1].visible = true;
    WritePlaneResult(5, first.plane);
  }
  if (!second) {
    controls_.resultFrames[2].visible = false;
    return;
  }
  controls_.resultFrames[2].visible = true;
  WritePlaneResult(6, second->plane);
  if (info->resultIsReferencePlane) return;
  switch (info->result) {
    case ResultKind::kPlane:
      WritePlaneResult(7, second->result);
      break;
    case ResultKind::kLine:
      WriteLineResult(7, second->result);
      break;
    default:
      break;
  }
}

}  // namespace Lodema
