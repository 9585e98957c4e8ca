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

#include "orient/Records.h"

namespace OrientGeometry {

struct SineCosine {
  double sin;
  double cos;
};

// sin and cos of one angle, worked out: the C library's sincos gives the
// very bits of its sin and cos, at the cost of one of them.
inline SineCosine LibrarySineCosine(double angle) {
  SineCosine value;
  ::sincos(angle, &value.sin, &value.cos);
  return value;
}

// The angles typed as whole degrees, -720 to 720, in radians as Lodema
// converts them (degrees * pi / 180), with their sines and cosines: most
// field data is in whole degrees, and a look-up costs a fraction of sincos.
class WholeDegreeSines {
 public:
  static constexpr int kLimit = 720;

  // The library's sine and cosine of angle when angle is exactly the
  // radians of a whole degree in [-720, 720] (+0 only; -0 is not one);
  // nullptr for any other double, NaN and infinities included.
  [[gnu::always_inline]] static const SineCosine* Find(double angle) {
    const double degrees = angle * (180.0 / kPi);  // a guess, checked below
    if (!(degrees > -kLimit - 0.5 && degrees < kLimit + 0.5)) return nullptr;
    const int whole = static_cast<int>(degrees + (degrees >= 0.0 ? 0.5 : -0.5));
    const Entry& entry = Table()[static_cast<std::size_t>(whole + kLimit)];
    if (entry.angleBits != std::bit_cast<std::uint64_t>(angle)) return nullptr;
    return &entry.value;
  }

  // Exactly Lodema's degrees-to-radians conversion of a whole degree.
  static double Radians(int degrees) { return static_cast<double>(degrees) * kPi / 180.0; }

 private:
  struct Entry {
    std::uint64_t angleBits;  // of Radians(the entry's degree)
    SineCosine value;
  };
  using Entries = std::array<Entry, 2 * kLimit + 1>;
  static const Entries& Table() {
    static const Entries table = MakeEntries();
    return table;
  }
  // Kept out of line: the look-up stays short. The angles are read back
  // through a volatile so that the compiler, whose own sine rounds some
  // values differently from the library's, cannot fill the table itself.
  [[gnu::noinline]] static Entries MakeEntries() {
    Entries entries;
    for (int d = -kLimit; d <= kLimit; ++d) {
      const volatile double atRunTime = Radians(d);
      const double angle = atRunTime;
      entries[static_cast<std::size_t>(d + kLimit)] = {std::bit_cast<std::uint64_t>(angle),
                                                       LibrarySineCosine(angle)};
    }
    return entries;
  }
};

// sin and cos of one angle, radians, any double: the library's bits.
[[gnu::always_inline]] inline SineCosine SineCosineOf(double angle) {
  if (const SineCosine* known = WholeDegreeSines::Find(angle)) return *known;
  return LibrarySineCosine(angle);
}

// Stands in for a memo where no angle comes back: each is worked out afresh,
// without the cost of keeping it.
struct FreshSineCosine {
  [[gnu::always_inline]] SineCosine Of(double angle) const { return SineCosineOf(angle); }
  // The cosine alone: the library's cos has the very bits of its sincos's
  // cosine at about half the cost, and an angle met once (a plunge just
  // worked out) is seldom a whole degree worth looking up.
  [[gnu::always_inline]] double Cos(double angle) const { return std::cos(angle); }
};

class SineCosineMemo {
 public:
  // sin(angle) and cos(angle), radians, any double (NaN and infinities give
  // what std::sin and std::cos give).
  [[gnu::always_inline]] double Cos(double angle) { return Of(angle).cos; }

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
