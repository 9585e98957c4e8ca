// SPDX-License-Identifier: MIT
// The main window model's state as one text, for tests that compare two
// models driven different ways.
#pragma once

#include <string>

#include "model/CalculatorModel.h"

namespace Lodema::testing {

// Everything of the model a window, a batch run or the next row can see.
inline std::string Snapshot(const CalculatorModel& model) {
  const MainWindowControls& c = model.Controls();
  std::string text;
  for (int box = 0; box < kEntryBoxCount; ++box) {
    text += c.entryBoxes[box].text + (model.EntryValid(box) ? "+" : "-") + "|";
  }
  text += "\nresults ";
  for (const Label& value : c.resultValues) text += value.caption + (value.visible ? "|" : "~|");
  for (const auto& frame : c.resultFrames) text += frame.visible ? "F" : "f";
  text +=
      "\nmessage " + c.messagePanel.caption + (model.MessageReportsFailure() ? " (failure)" : "");
  text += "\nstatus " + std::to_string(static_cast<int>(model.LastCalcStatus())) + " places " +
          std::to_string(model.DecimalPlaces());
  return text;
}

}  // namespace Lodema::testing
