// SPDX-License-Identifier: MIT
#include "cli/ProgressLine.h"

#include <cmath>
#include <utility>

namespace Lodema {

namespace {

// Runs shorter than this end before anyone would wait for news.
constexpr double kFirstDrawSeconds = 1.0;
// Redrawing more often only makes the figures flicker.
constexpr double kRedrawSeconds = 0.25;

}  // namespace

std::string ProgressText(long long rows, double seconds) {
  const long long rate = seconds > 0 ? std::llround(static_cast<double>(rows) / seconds) : 0;
  return std::to_string(rows) + " rows, " + std::to_string(rate) + " rows/s";
}

ProgressLine::ProgressLine(std::function<void(const std::string&)> write,
                           std::function<double()> clock)
    : write_(std::move(write)), clock_(std::move(clock)), start_(clock_()) {}

void ProgressLine::Processed(std::int64_t rows) {
  const double now = clock_();
  const double elapsed = now - start_;
  if (elapsed < kFirstDrawSeconds) return;
  if (drawnWidth_ > 0 && now - lastDrawn_ < kRedrawSeconds) return;
  const std::string text = ProgressText(rows, elapsed);
  // A shorter line than the last (fewer rows per second) leaves no digits
  // of the old one behind.
  const std::size_t padding = drawnWidth_ > text.size() ? drawnWidth_ - text.size() : 0;
  write_("\r" + text + std::string(padding, ' '));
  drawnWidth_ = text.size() + padding;
  lastDrawn_ = now;
}

void ProgressLine::Clear() {
  if (drawnWidth_ == 0) return;
  write_("\r" + std::string(drawnWidth_, ' ') + "\r");
  drawnWidth_ = 0;
}

}  // namespace Lodema
