// SPDX-License-Identifier: MIT
// Platform services the model needs but cannot provide itself: the system
// beep and the projection window. The desktop application implements them;
// the defaults do nothing, so the model runs headless (tests, batch, CLI).
#pragma once

#include <array>
#include <string>

#include "calc/CalculationRecord.h"
#include "orient/Records.h"

namespace Lodema {

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() {}
};

// What a plot works out from one record on its own, apart from what it
// holds, so that a run sharing rows out can have it done beside the run:
// where each kind's symbol goes (in whole plot units), for the type the
// record gives that kind.
struct PreparedPoints {
  enum Place : unsigned char {
    kNotPrepared,  // worked out when drawn
    kNowhere,      // no symbol (unreadable values)
    kAt,           // at x, y
  };
  std::array<Place, CalculationRecord::kRows> place{};
  std::array<int, CalculationRecord::kRows> type{};
  std::array<int, CalculationRecord::kRows> x{};
  std::array<int, CalculationRecord::kRows> y{};
};

// The projection window as seen from the main window.
class PlotSink {
 public:
  virtual ~PlotSink() = default;
  // True while the projection window is shown; nothing else is called otherwise.
  virtual bool IsShowing() const { return false; }
  // One finished calculation: becomes the plot's current set.
  virtual void AddNewDataPoint(const CalculationRecord& /*record*/) {}
  // True when PrepareDataPoint works something out.
  virtual bool PreparesDataPoints() const { return false; }
  // Works out what it can of a record without touching what the plot
  // holds: may run on any thread, beside itself and the other calls.
  virtual void PrepareDataPoint(const CalculationRecord& /*record*/,
                                PreparedPoints& /*prepared*/) const {}
  // AddNewDataPoint, with what PrepareDataPoint made of the record.
  virtual void AddPreparedDataPoint(const CalculationRecord& record,
                                    const PreparedPoints& /*prepared*/) {
    AddNewDataPoint(record);
  }
  // A new calculation was selected: which of windows A..D it uses and its
  // caption (with "&&" already reduced to "&" once).
  virtual void SetStereoOptions(const std::array<bool, 4>& /*windowsUsed*/,
                                const std::string& /*caption*/) {}
  // The output notation changed: the read-out and the statistics follow it.
  virtual void SetStereoNotation(const OrientGeometry::Notation& /*output*/) {}
};

}  // namespace Lodema
