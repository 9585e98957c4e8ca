// SPDX-License-Identifier: MIT
// lodema-batch --stats and --contour: collects the Result of every written
// row (poles of planes, lines) while the run goes on, and writes their
// statistics to standard error after the summary.
#pragma once

#include <cstdio>
#include <string>

#include "batch/Platform.h"
#include "calc/Platform.h"
#include "plot/ResultAxes.h"
#include "plot/StatisticsText.h"

namespace Lodema {

// Stands between the model and the run's stereonet (when there is one),
// passing every call on: the latest calculation is held, and pressing
// "Retain" (a written row) keeps its Result.
class ResultCollector : public PlotSink, public RetainButton {
 public:
  // Either may be null.
  ResultCollector(PlotSink* nextSink, RetainButton* nextRetain);

  bool IsShowing() const override { return true; }
  void AddNewDataPoint(const CalculationRecord& record) override;
  // The stereonet's preparing of records, passed on.
  bool PreparesDataPoints() const override;
  void PrepareDataPoint(const CalculationRecord& record, PreparedPoints& prepared) const override;
  void AddPreparedDataPoint(const CalculationRecord& record,
                            const PreparedPoints& prepared) override;
  void PressRetain() override;

  // The Result items of the written rows, in the type of the first one;
  // rows of another Result type are counted, not kept.
  const Plot::ResultAxes& Items() const { return items_; }
  int OtherTypeRows() const { return otherTypeRows_; }

 private:
  void Hold(const CalculationRecord& record);

  PlotSink* nextSink_;
  RetainButton* nextRetain_;
  int type_ = 0;  // the Result type kept, 0 before the first written row
  bool pending_ = false;
  int pendingType_ = 0;
  double pendingAngle_ = 0.0;
  double pendingAzimuth_ = 0.0;
  Plot::ResultAxes items_;
  int otherTypeRows_ = 0;
};

// The lines --stats writes: a heading, then the statistics (or why there
// are none), and a note of rows of another type left out.
std::string BatchStatisticsText(const ResultCollector& collector,
                                const Plot::OutputNotation& notation);

}  // namespace Lodema
