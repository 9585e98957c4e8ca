// SPDX-License-Identifier: MIT
// The progress line lodema-batch keeps on standard error during a long run:
// rows done and rows per second, redrawn in place with a carriage return
// and wiped when the run ends, so that only the summary stays on screen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "batch/BatchRun.h"

namespace Lodema {

// The text of the line for rows done after seconds (> 0), without the
// carriage return: "12345 rows, 6789 rows/s". The rate is rounded to whole
// rows.
std::string ProgressText(long long rows, double seconds);

// Fed by the run's processed-lines counter.
class ProgressLine : public BatchProgress {
 public:
  // write receives the bytes for standard error; clock answers seconds from
  // any fixed start (steady). Both are called only from Processed and Clear.
  ProgressLine(std::function<void(const std::string&)> write, std::function<double()> clock);

  // After each row: draws the line once the run has lasted a second, and
  // from then on at most a few times a second.
  void Processed(std::int64_t rows) override;
  // Wipes a drawn line (before another message, and at the end); the next
  // Processed draws it again.
  void Clear();

 private:
  std::function<void(const std::string&)> write_;
  std::function<double()> clock_;
  double start_ = 0;
  double lastDrawn_ = -1;       // seconds of the last drawing, -1 before the first
  std::size_t drawnWidth_ = 0;  // characters now on screen, 0 when clear
};

}  // namespace Lodema
