// SPDX-License-Identifier: MIT
// The cone sweep that tries only the steps near the answers must give what
// trying every step gives, to the last bit: the reference-plane results of
// a batch run depend on it.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "orient/ConeSweep.h"
#include "orient/Primitives.h"

namespace {

using OrientGeometry::ConeHits;
using OrientGeometry::DegreesToRadians;
using OrientGeometry::Line;

void ExpectSame(double cone, const Line& reference) {
  const ConeHits fast = OrientGeometry::SweepCone(cone, reference);
  const ConeHits every = OrientGeometry::SweepConeEveryStep(cone, reference);
  const std::string where = "cone " + std::to_string(cone) + " reference " +
                            std::to_string(reference.angle) + "/" +
                            std::to_string(reference.azimuth);
  ASSERT_EQ(fast.groups, every.groups) << where;
  for (int g = 0; g < every.groups; ++g) {
    const auto i = static_cast<std::size_t>(g);
    EXPECT_EQ(fast.best[i].angle, every.best[i].angle) << where;
    EXPECT_EQ(fast.best[i].azimuth, every.best[i].azimuth) << where;
  }
}

struct SweepCase {
  const char* name;
  double coneDegrees;
  double referencePlunge;
  double referenceTrend;
};

TEST(ConeSweepTest, EdgeCasesMatchTryingEveryStep) {
  const SweepCase cases[] = {
      {"horizontal reference", 40.0, 0.0, 120.0},
      {"reference along the axis: every step", 30.0, 90.0, 0.0},
      {"nearly along the axis", 30.0, 89.95, 10.0},
      {"along the axis, cone all but flat: hits all round", 89.99, 90.0, 0.0},
      {"nearly along the axis, cone all but flat", 89.99, 89.99, 250.0},
      {"cone just touching the normal plane", 30.0, 60.0, 200.0},
      {"cone just missing the normal plane", 30.0, 60.2, 200.0},
      {"answers astride north", 45.0, 10.0, 90.0},
      {"reference trend at 0", 45.0, 10.0, 0.0},
      {"reference trend at a full turn", 45.0, 10.0, 360.0},
      {"negative trend", 45.0, 10.0, -30.0},
      {"trend nearly two turns below zero", 45.0, 10.0, -719.0},
      {"trend nearly two turns above zero", 45.0, 10.0, 719.0},
      {"negative cone angle", -50.0, 20.0, 75.0},
      {"tiny cone", 0.05, 0.0, 10.0},
      {"cone of a right angle", 90.0, 30.0, 300.0},
      {"two answers closer than 20 steps", 10.0, 79.5, 45.0},
  };
  for (const SweepCase& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectSame(DegreesToRadians(c.coneDegrees),
               {DegreesToRadians(c.referencePlunge), DegreesToRadians(c.referenceTrend)});
  }
}

TEST(ConeSweepTest, NotANumberFindsNothing) {
  const ConeHits hits = OrientGeometry::SweepCone(std::nan(""), {0.3, 1.0});
  EXPECT_EQ(hits.groups, 0);
  EXPECT_EQ(OrientGeometry::SweepCone(0.5, {0.3, std::nan("")}).groups, 0);
  // A trend far outside a turn is still an angle to the every-step sweep.
  ExpectSame(0.5, {0.3, 1e300});
}

TEST(ConeSweepTest, SeededValuesMatchTryingEveryStep) {
  std::mt19937 random(20261206u);
  std::uniform_real_distribution<double> cone(-90.0, 90.0);
  std::uniform_real_distribution<double> plunge(0.0, 90.0);
  std::uniform_real_distribution<double> trend(0.0, 360.0);
  std::uniform_real_distribution<double> anyTrend(-719.0, 719.0);
  for (int i = 0; i < 3000; ++i) {
    // Whole degrees, as most files hold, and any value.
    const bool whole = i % 2 == 0;
    auto value = [&](std::uniform_real_distribution<double>& d) {
      const double v = d(random);
      return whole ? std::round(v) : v;
    };
    const double c = value(cone);
    const double p = value(plunge);
    const double t = i % 3 == 0 ? value(anyTrend) : value(trend);
    ExpectSame(DegreesToRadians(c), {DegreesToRadians(p), DegreesToRadians(t)});
  }
}

TEST(ConeSweepTest, StepTableHoldsTheLibraryBitsOfEveryStep) {
  // The sweep and the frames after it take these in place of std::sin and
  // std::cos of k * pi / 1800: one differing bit would move a result.
  const double step = OrientGeometry::kPi / 1800.0;
  for (int k = 0; k <= 3600; ++k) {
    const double azimuth = k * step;
    const OrientGeometry::SineCosine fromTable = OrientGeometry::ConeStepSineCosine(k);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(fromTable.sin),
              std::bit_cast<std::uint64_t>(std::sin(azimuth)))
        << k;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(fromTable.cos),
              std::bit_cast<std::uint64_t>(std::cos(azimuth)))
        << k;
  }
}

}  // namespace
