// SPDX-License-Identifier: MIT
// The sines and cosines of the angles that one construction meets several
// times (the same pole, dip or trend handed from routine to routine), worked
// out once each. An angle is found again only when it is the very same double,
// bit for bit (+0 and -0 apart, every NaN apart), so a value taken from here
// is exactly what std::sin and std::cos give for that angle: results do not
// move by one unit in the last place. One memo serves one calculation of one
// row; it is not shared between threads.
#pragma once

#include <math.h>  // sincos

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace OrientGeometry {

struct SineCosine {
  double sin;
  double cos;
};

// sin and cos of one angle. The C library's sincos gives the very bits of
// its sin and cos, at the cost of one of them.
inline SineCosine SineCosineOf(double angle) {
  SineCosine value;
  ::sincos(angle, &value.sin, &value.cos);
  return value;
}

// Stands in for a memo where no angle comes back: each is worked out afresh,
// without the cost of keeping it.
struct FreshSineCosine {
  SineCosine Of(double angle) const { return SineCosineOf(angle); }
};

class SineCosineMemo {
 public:
  // sin(angle) and cos(angle), radians, any double (NaN and infinities give
  // what std::sin and std::cos give).
  [[gnu::always_inline]] SineCosine Of(double angle) {
    const std::uint64_t key = std::bit_cast<std::uint64_t>(angle);
    // Each angle has one slot, picked by a multiplicative hash of its bits;
    // two angles that share a slot only cost a recomputation.
    const unsigned slot = static_cast<unsigned>((key * 0x9E3779B97F4A7C15ULL) >> kSlotShift);
    const std::uint32_t bit = std::uint32_t{1} << slot;
    if ((filled_ & bit) != 0 && keys_[slot] == key) return values_[slot];
    return Fill(slot, key, angle);
  }

  // Takes sin(angle) and cos(angle) that the caller already holds; they
  // must be exactly what SineCosineOf(angle) gives (a table made by the
  // same calls, say), so later results keep every bit.
  void Remember(double angle, const SineCosine& value) {
    const std::uint64_t key = std::bit_cast<std::uint64_t>(angle);
    const unsigned slot = static_cast<unsigned>((key * 0x9E3779B97F4A7C15ULL) >> kSlotShift);
    filled_ |= std::uint32_t{1} << slot;
    keys_[slot] = key;
    values_[slot] = value;
  }

 private:
  SineCosine Fill(unsigned slot, std::uint64_t key, double angle) {
    const SineCosine value = SineCosineOf(angle);
    filled_ |= std::uint32_t{1} << slot;
    keys_[slot] = key;
    values_[slot] = value;
    return value;
  }

  // 32 slots: the bisectors, the busiest users, meet about 16 distinct angles.
  static constexpr int kSlotShift = 64 - 5;
  static constexpr std::size_t kSlots = std::size_t{1} << (64 - kSlotShift);
  // Only slots marked in filled_ are ever read, so the arrays start unfilled:
  // a memo is made for every construction.
  std::uint32_t filled_ = 0;
  std::array<std::uint64_t, kSlots> keys_;
  std::array<SineCosine, kSlots> values_;
};

}  // namespace OrientGeometry
