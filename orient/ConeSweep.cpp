// SPDX-License-Identifier: MIT
#include "orient/ConeSweep.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "orient/Primitives.h"

namespace OrientGeometry {

namespace {

constexpr int kLastStep = 3600;
constexpr double kStep = kPi / 1800.0;

using StepTable = std::array<SineCosine, kLastStep + 1>;

// The table below, worked out at run time: the compiler's own sin and cos
// (with which it would fill a table it can work out while compiling) round
// some values differently from the library's, which the sweep used to call.
// Hence a function that is not constexpr, and angles read back through a
// volatile.
StepTable MakeStepTable() {
  StepTable table;
  for (int k = 0; k <= kLastStep; ++k) {
    const volatile double atRunTime = k * kStep;
    const double azimuth = atRunTime;
    table[static_cast<std::size_t>(k)] = {std::sin(azimuth), std::cos(azimuth)};
  }
  return table;
}

// The sweep meets only these 3601 azimuths, row after row: their sines and
// cosines are worked out once per process (the initialisation of a local
// static is thread-safe, and batch runs use several threads).
const StepTable& StepSinesAndCosines() {
  static const StepTable table = MakeStepTable();
  return table;
}

// The sweep's bookkeeping, fed the steps in increasing order.
class Sweep {
 public:
  // shortcut: the angle to the reference from sines and cosines worked out
  // once, by the very operations of AngleBetweenLines (the same bits).
  Sweep(double coneAngle, const Line& reference, bool shortcut)
      : coneFramePlunge_(kHalfPi - std::fabs(coneAngle)),
        reference_(reference),
        shortcut_(shortcut),
        ofP1_(SineCosineOf(std::fabs(coneFramePlunge_))),
        ofP2_(SineCosineOf(std::fabs(reference.angle))),
        ofT2_(SineCosineOf(reference.azimuth)),
        steps_(shortcut ? &StepSinesAndCosines() : nullptr) {}

  // Tries step k; false once no later step can change the outcome.
  bool Try(int k) {
    if (hits_.groups == 2 && k - lastHit_[1] >= 21) return false;
    const Line candidate{coneFramePlunge_, k * kStep};
    const double gap = std::fabs(kHalfPi - AngleToReference(k, candidate.azimuth));
    if (!(gap < kStep)) return true;
    const int g = hits_.groups;
    if (g == 0 || (g == 1 && k - lastHit_[0] >= 20)) {
      hits_.best[static_cast<std::size_t>(g)] = candidate;
      hits_.bestStep[static_cast<std::size_t>(g)] = k;
      bestGap_[g] = gap;
      lastHit_[g] = k;
      ++hits_.groups;
      return true;
    }
    const int last = g - 1;
    if (k - lastHit_[last] >= 20) return true;  // a third group: ignored
    lastHit_[last] = k;
    if (gap < bestGap_[last]) {
      hits_.best[static_cast<std::size_t>(last)] = candidate;
      hits_.bestStep[static_cast<std::size_t>(last)] = k;
      bestGap_[last] = gap;
    }
    return true;
  }

  const ConeHits& Hits() const { return hits_; }

 private:
  // Acute angle between the candidate of step k (trend k * kStep) and the
  // reference.
  double AngleToReference(int k, double trend) const {
    if (!shortcut_) {
      return AngleBetweenLines(coneFramePlunge_, trend, reference_.angle, reference_.azimuth,
                               false);
    }
    const SineCosine& ofTrend = (*steps_)[static_cast<std::size_t>(k)];
    const double cosP1 = ofP1_.cos, sinP1 = ofP1_.sin;
    const double cosP2 = ofP2_.cos, sinP2 = ofP2_.sin;
    const double cosT2 = ofT2_.cos, sinT2 = ofT2_.sin;
    const double c =
        ofTrend.cos * cosP1 * cosT2 * cosP2 + cosP1 * ofTrend.sin * sinT2 * cosP2 + sinP2 * sinP1;
    const double angle = ArcCos(c);
    return angle > kPi / 2.0 ? kPi - angle : angle;
  }

  double coneFramePlunge_;
  Line reference_;
  bool shortcut_;
  // Plunges taken positive, as AngleBetweenLines takes them.
  SineCosine ofP1_, ofP2_, ofT2_;
  const StepTable* steps_;  // with the shortcut only
  ConeHits hits_;
  int lastHit_[2] = {0, 0};
  double bestGap_[2] = {0.0, 0.0};
};

}  // namespace

ConeHits SweepConeEveryStep(double coneAngle, const Line& referenceInFrame) {
  Sweep sweep(coneAngle, referenceInFrame, false);
  for (int k = 0; k <= kLastStep; ++k) {
    if (!sweep.Try(k)) break;
  }
  return sweep.Hits();
}

ConeHits SweepCone(double coneAngle, const Line& referenceInFrame) {
  // The cosine of the angle between the step-k candidate and the reference
  // is R cos(k step - trend) + C (plunges taken positive). A hit needs it
  // within sin(step) of 0; the steps where it comes within a step of 0, and
  // one step either side, hold every hit with room to spare for rounding.
  const double p1 = std::fabs(kHalfPi - std::fabs(coneAngle));
  const double p2 = std::fabs(referenceInFrame.angle);
  const SineCosine ofP1 = SineCosineOf(p1);
  const SineCosine ofP2 = SineCosineOf(p2);
  const double r = ofP1.cos * ofP2.cos;
  const double c = ofP1.sin * ofP2.sin;
  const double margin = kStep;
  // Where the cosine stays further than that from 0 all round the cone
  // there is nothing to find.
  if (std::fabs(c) - std::fabs(r) > margin) return {};
  // A cone about the reference line: the cosine barely changes around the
  // cone, so try every step; so too for a trend that is not an angle.
  if (!(r >= 1e-3) || !std::isfinite(c) || !(std::fabs(referenceInFrame.azimuth) <= 2.0 * kTwoPi)) {
    return SweepConeEveryStep(coneAngle, referenceInFrame);
  }
  const double low = (-c - margin) / r;
  const double high = (-c + margin) / r;
  if (low > 1.0 || high < -1.0) return {};

  // Offsets x from the reference trend with cos x in [low, high]: x in
  // [near, far] or in [-far, -near].
  const double nearOffset = std::acos(std::min(high, 1.0));
  const double farOffset = std::acos(std::max(low, -1.0));
  const double trend = referenceInFrame.azimuth;
  std::array<std::pair<int, int>, 2> arcs = {
      std::pair{static_cast<int>(std::floor((trend + nearOffset) / kStep)) - 1,
                static_cast<int>(std::ceil((trend + farOffset) / kStep)) + 1},
      std::pair{static_cast<int>(std::floor((trend - farOffset) / kStep)) - 1,
                static_cast<int>(std::ceil((trend - nearOffset) / kStep)) + 1}};

  // Each arc and its copies whole turns away, cut to the steps of the
  // sweep: a trend within two turns of 0 and an arc of up to a half turn
  // either side reach three turns at most.
  std::array<std::pair<int, int>, 14> ranges;
  std::size_t count = 0;
  for (const auto& [from, to] : arcs) {
    for (int turns = -3; turns <= 3; ++turns) {
      const int shift = turns * kLastStep;
      const int a = std::max(from + shift, 0);
      const int b = std::min(to + shift, kLastStep);
      if (a <= b) ranges[count++] = {a, b};
    }
  }
  std::sort(ranges.begin(), ranges.begin() + static_cast<std::ptrdiff_t>(count));

  Sweep sweep(coneAngle, referenceInFrame, true);
  int next = 0;
  for (std::size_t i = 0; i < count; ++i) {
    for (int k = std::max(next, ranges[i].first); k <= ranges[i].second; ++k) {
      if (!sweep.Try(k)) return sweep.Hits();
    }
    next = std::max(next, ranges[i].second + 1);
  }
  return sweep.Hits();
}

}  // namespace OrientGeometry
