// SPDX-License-Identifier: MIT
// The result windows' captions and shown boxes, their blanking, and the
// texts of a run without a result.
#include <string>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "model/CalculatorModel.h"

namespace Lodema {

void CalculatorModel::LabelResultWindows(const CalculationInfo& info) {
  const RowSchema schema = Schema();
  MainWindowControls& c = controls_;
  for (int box = 0; box < 12; ++box) {
    const ResultField& field = schema.results[static_cast<std::size_t>(box)];
    Label& caption = c.resultCaptions[box];
    Label& value = c.resultValues[box];
    caption.caption = field.caption;
    caption.visible = field.shown && !field.caption.empty();
    value.visible = field.shown;
    // A hidden box keeps no value; an angle result starts its window afresh.
    if (!value.visible || (box < 3 && info.result == ResultKind::kAngle)) value.caption.clear();
  }
  c.entryCaptions[16].visible = schema.secondResultShown;
  c.entryCaptions[17].visible = schema.secondResultShown;
}

void CalculatorModel::ClearResultsWindows(int group) {
  HandlerScope scope(*this);
  // The boxes of each group: all, the main result, the solutions, the extra
  // result.
  constexpr int kFirstBox[] = {0, 0, 3, 12};
  constexpr int kLastBox[] = {kResultBoxCount - 1, 2, 11, kResultBoxCount - 1};
  if (group < 0 || group > 3) group = 0;
  for (int box = kFirstBox[group]; box <= kLastBox[group]; ++box) {
    controls_.resultValues[box].caption.clear();
  }
  if (CoreCalculation()) {
    controls_.resultFrames[1].visible = false;
    controls_.resultFrames[2].visible = false;
  }
}

void CalculatorModel::WriteNoResult() {
  HandlerScope scope(*this);
  controls_.resultValues[0].caption = kNoResultText;
  controls_.resultValues[1].caption = kNoResultText;
  controls_.resultValues[2].caption.clear();
  controls_.resultFrames[1].visible = false;
  controls_.resultFrames[2].visible = false;
}

}  // namespace Lodema
