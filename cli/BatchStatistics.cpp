// SPDX-License-Identifier: MIT
#include "cli/BatchStatistics.h"

#include "plot/PlotRecord.h"

namespace Lodema {

ResultCollector::ResultCollector(PlotSink* nextSink, RetainButton* nextRetain)
    : nextSink_(nextSink), nextRetain_(nextRetain) {}

void ResultCollector::Hold(const CalculationRecord& record) {
  const auto& result = record.cells[Plot::kResult];
  pendingType_ = static_cast<int>(result[0]);
  pendingAngle_ = result[1];
  pendingAzimuth_ = result[2];
  pending_ = true;
}

void ResultCollector::AddNewDataPoint(const CalculationRecord& record) {
  Hold(record);
  if (nextSink_ != nullptr) nextSink_->AddNewDataPoint(record);
}

bool ResultCollector::PreparesDataPoints() const {
  return nextSink_ != nullptr && nextSink_->PreparesDataPoints();
}

void ResultCollector::PrepareDataPoint(const CalculationRecord& record,
                                       PreparedPoints& prepared) const {
  if (nextSink_ != nullptr) nextSink_->PrepareDataPoint(record, prepared);
}

void ResultCollector::AddPreparedDataPoint(const CalculationRecord& record,
                                           const PreparedPoints& prepared) {
  Hold(record);
  if (nextSink_ != nullptr) nextSink_->AddPreparedDataPoint(record, prepared);
}

void ResultCollector::PressRetain() {
  if (pending_ && (pendingType_ == Plot::kTypePlane || pendingType_ == Plot::kTypeLine)) {
    if (type_ == 0) {
      type_ = pendingType_;
      items_.kind = type_ == Plot::kTypePlane ? Plot::AxisKind::kPoles : Plot::AxisKind::kLines;
    }
    if (pendingType_ == type_) {
      items_.axes.push_back(Plot::AxisOfItem(items_.kind, pendingAngle_, pendingAzimuth_));
    } else {
      ++otherTypeRows_;
    }
  }
  pending_ = false;
  if (nextRetain_ != nullptr) nextRetain_->PressRetain();
}

std::string BatchStatisticsText(const ResultCollector& collector,
                                const Plot::OutputNotation& notation) {
  std::string text = "Statistics of the written results:\n";
  text += Plot::StatisticsTextOf(collector.Items(), notation);
  if (collector.OtherTypeRows() > 0) {
    text += std::to_string(collector.OtherTypeRows()) +
            " written rows gave a result of another type than the first and are not included\n";
  }
  return text;
}

}  // namespace Lodema
