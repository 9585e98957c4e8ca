// SPDX-License-Identifier: MIT
// One run of the current calculation in the main window: the entry boxes'
// texts go through the row kernel, and the outcome goes into the result
// windows, the message panel and the stereonet.
#pragma once

#include "calc/DispatchOutcome.h"
#include "calc/RowKernel.h"

namespace Lodema {

class CalculatorModel;

class Dispatcher {
 public:
  explicit Dispatcher(CalculatorModel& model);
  // Runs the model's current calculation once; how it ended.
  CalcStatus Run();

 private:
  void ShowHint(const RowSchema& schema);
  void ShowMessage(const CalcOutcome& out);
  // A strike typed with a sense letter along the strike line (000 with N)
  // cannot choose the side the plane dips to: a note says, for each such
  // plane window, which side was taken.
  void ShowSenseAlongStrikeNote(const CalcOutcome& out, const RowSchema& schema);
  bool Present(const CalcOutcome& out, const RowResult& result, const RowSchema& schema);

  CalculatorModel& m_;
};

}  // namespace Lodema
