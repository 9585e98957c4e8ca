// SPDX-License-Identifier: MIT
// Platform services the model needs but cannot provide itself: the system
// beep and the projection window. The desktop application implements them;
// the defaults do nothing, so the model runs headless (tests, batch, CLI).
#pragma once

#include <array>
#include <string>

#include "calc/CalculationRecord.h"

namespace Lodema {

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() {}
};

// The projection window as seen from the main window.
class PlotSink {
 public:
  virtual ~PlotSink() = default;
  // True while the projection window is shown; nothing else is called otherwise.
  virtual bool IsShowing() const { return false; }
  // One finished calculation: becomes the plot's current set.
  virtual void AddNewDataPoint(const CalculationRecord& /*record*/) {}
  // A new calculation was selected: which of windows A..D it uses and its
  // caption (with "&&" already reduced to "&" once).
  virtual void SetStereoOptions(const std::array<bool, 4>& /*windowsUsed*/,
                                const std::string& /*caption*/) {}
  // The output conventions changed; code = line * 10 + plane, negative for
  // quadrant notation.
  virtual void SetStereoOrientConventions(int /*combinedCode*/) {}
};

}  // namespace Lodema
