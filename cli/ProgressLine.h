// SPDX-License-Identifier: MIT
// The progress line lodema-batch keeps on standard error during a long run:
// rows done and rows per second, redrawn in place with a carriage return
// and wiped when the run ends, so that only the summary stays on screen.
#pragma once

#include <functional>
#include <string>

namespace Lodema {

// The text of the line for rows done after seconds (> 0), without the
// carriage return: "12345 rows, 6789 rows/s". The rate is rounded to whole
// rows.
std::string ProgressText(long long rows, double seconds);

class ProgressLine {
 public:
  // write receives the bytes for standard error; clock answers seconds from
  // any fixed start (steady). Both are called only from Update and Clear.
  ProgressLine(std::function<void(const std::string&)> write, std::function<double()> clock);

  // After each row: draws the line once the run has lasted a second, and
  // from then on at most a few times a second.
  void Update(long long rows);
  // Wipes a drawn line (before another message, and at the end); the next
  // Update draws it again.
  void Clear();

 private:
  std::function<void(const std::string&)> write_;
  std::function<double()> clock_;
  double start_ = 0;
  double lastDrawn_ = -1;       // seconds of the last drawing, -1 before the first
  std::size_t drawnWidth_ = 0;  // characters now on screen, 0 when clear
};

}  // namespace Lodema
