// SPDX-License-Identifier: MIT
// Searches that skip steps must give what trying every step gives, to the
// last bit: batch results depend on them. The plunge search decides most of
// its steps from sin(pitch) sin(dip) instead of the line itself; it must
// still land on the very pitch the plain walk lands on, and the closed form
// it leans on near a decision must be as accurate as its margin assumes. The
// cone sweep tries only the steps near the answers of the reference plane.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "orient/ConeSweep.h"
#include "orient/LinesInPlanes.h"
#include "orient/Primitives.h"

namespace {

using namespace OrientGeometry;

const std::array<const char*, 17> kSenses = {"N",  "NNE", "NE", "ENE", "E",  "ESE",
                                             "SE", "SSE", "S",  "SSW", "SW", "WSW",
                                             "W",  "WNW", "NW", "nnw", "x"};
// The search's step sizes and its decision boundaries (radians).
const std::array<double, 4> kSteps = {DegreesToRadians(0.01), DegreesToRadians(0.1),
                                      DegreesToRadians(1.0), DegreesToRadians(5.0)};
const std::array<double, 9> kBoundaries = {-kSteps[3], -kSteps[2], -kSteps[1], -kSteps[0], 0.0,
                                           kSteps[0],  kSteps[1],  kSteps[2],  kSteps[3]};

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// Both searches on one input; counts the inputs and reports the first few
// that differ.
struct Comparison {
  long compared = 0;
  long differing = 0;

  void Check(double dip, double dipDirection, double plunge, const char* sense) {
    ++compared;
    const PlungeInPlaneResult fast = LineFromPlungeInPlane(dip, dipDirection, plunge, sense);
    const PlungeInPlaneResult plain =
        LineFromPlungeInPlaneEveryStep(dip, dipDirection, plunge, sense);
    const bool same = (Bits(fast.trend) == Bits(plain.trend) ||
                       (std::isnan(fast.trend) && std::isnan(plain.trend))) &&
                      fast.steeperThanDip == plain.steeperThanDip &&
                      Bits(fast.excess) == Bits(plain.excess);
    if (same) return;
    if (++differing <= 5) {
      ADD_FAILURE() << "dip " << dip << " dip direction " << dipDirection << " plunge " << plunge
                    << " sense " << sense << ": trend " << fast.trend << " vs " << plain.trend;
    }
  }
};

// The plunge of the line at pitch r the search works out exactly: the
// pitched line of LineFromPitchInPlane.
double ExactPlunge(double dip, double r) {
  return LineFromPitchInPlane(dip, 0.0, r, "N").line.angle;
}

TEST(PlungeSearch, ClosedFormIsWellInsideTheMarginWhereTheShortcutIsTaken) {
  // Where the shortcut decides (pitch up to pi/2 - 1e-3, sin r sin D at
  // least 1e-3) the closed form of the line must be within a hundredth of
  // its 1e-7 margin of asin(sin r sin D); the shortcut's own value, in
  // double, must be closer still. Long double stands for the exact value.
  std::mt19937_64 random(11u);
  std::uniform_real_distribution<double> dip(0.0, kHalfPi), pitch(0.0, kHalfPi - 1e-3);
  double worstClosedForm = 0.0, worstShortcut = 0.0;
  long tried = 0;
  for (int i = 0; i < 400000; ++i) {
    double D = dip(random), r = pitch(random);
    // Crowd the ends of the domain: steep and gentle planes, pitches next
    // to the dip line and next to the strike.
    if (i % 4 == 1) D = kHalfPi - std::ldexp(1.0, -static_cast<int>(random() % 40));
    if (i % 4 == 2) r = kHalfPi - 1e-3 - std::ldexp(1.0, -static_cast<int>(random() % 40));
    if (i % 4 == 3) r = std::asin(1e-3 / std::sin(D)) * (1.0 + 1e-3 * pitch(random));
    const long double sl =
        std::sin(static_cast<long double>(r)) * std::sin(static_cast<long double>(D));
    if (!(r <= kHalfPi - 1e-3) || !(std::sin(r) * std::sin(D) >= 1e-3) || !std::isfinite(r))
      continue;
    ++tried;
    const long double truth = std::asin(sl);
    worstClosedForm =
        std::max(worstClosedForm, static_cast<double>(std::fabs(ExactPlunge(D, r) - truth)));
    worstShortcut =
        std::max(worstShortcut, static_cast<double>(std::fabs(std::sin(r) * std::sin(D) - sl)));
  }
  EXPECT_GT(tried, 300000);
  EXPECT_LT(worstClosedForm, 1e-9);
  EXPECT_LT(worstShortcut, 1e-14);
  char worst[32];
  std::snprintf(worst, sizeof worst, "%.3g", worstClosedForm);
  RecordProperty("worstClosedForm", worst);
}

TEST(PlungeSearch, SeededInputsGiveThePlainWalksResult) {
  std::mt19937_64 random(20261206u);
  std::uniform_real_distribution<double> angle(0.0, 90.0), direction(0.0, 360.0);
  std::uniform_int_distribution<int> places(0, 6), anySense(0, kSenses.size() - 1);
  const auto rounded = [&](double degrees) {
    const double scale = std::pow(10.0, places(random));
    return std::round(degrees * scale) / scale;
  };
  Comparison comparison;
  for (int i = 0; i < 2000000; ++i) {
    double dip = rounded(angle(random)), plunge = rounded(angle(random));
    // Most rows have a line gentler than the plane (the search proper).
    if (plunge > dip && i % 8 != 0) std::swap(plunge, dip);
    const double dd = i % 16 == 0 ? direction(random) - 720.0 : rounded(direction(random));
    if (i % 32 == 1) plunge = -plunge;
    comparison.Check(DegreesToRadians(dip), DegreesToRadians(dd), DegreesToRadians(plunge),
                     kSenses[static_cast<std::size_t>(anySense(random))]);
  }
  EXPECT_EQ(comparison.differing, 0);
}

// Wanted plunges q for which the plunge at pitch q + s lies within a hair of
// the boundary q + t: the step where the shortcut must hand over to the line.
TEST(PlungeSearch, PlungesOnTheDecisionBoundariesGiveThePlainWalksResult) {
  std::mt19937_64 random(5u);
  std::uniform_real_distribution<double> dipDegrees(0.5, 89.95);
  const std::array<double, 7> pitchOffsets = {0.0,       kSteps[0],     kSteps[1],    kSteps[2],
                                              kSteps[3], 2 * kSteps[3], 3 * kSteps[3]};
  const std::array<double, 10> nudges = {0.0,  1e-15, -1e-15, 1e-12, -1e-12,
                                         1e-9, -1e-9, 1e-7,   -1e-7, 3e-7};
  Comparison comparison;
  for (int i = 0; i < 300; ++i) {
    const double D =
        DegreesToRadians(i % 10 == 0 ? std::round(dipDegrees(random)) : dipDegrees(random));
    for (const double s : pitchOffsets) {
      for (const double t : kBoundaries) {
        // Bisect plunge(q + s) - q - t = 0 for q in (0, D): the difference
        // falls as q grows (the line at q + s is gentler than q + s).
        const auto gap = [&](double q) { return ExactPlunge(D, q + s) - q - t; };
        double low = 0.0, high = D;
        if (!(gap(low) > 0.0) || !(gap(high) < 0.0)) continue;
        for (int k = 0; k < 80; ++k) {
          const double middle = 0.5 * (low + high);
          (gap(middle) > 0.0 ? low : high) = middle;
        }
        for (const double nudge : nudges) {
          const double q = low + nudge;
          for (int ulps = -2; ulps <= 2; ++ulps) {
            double v = q;
            for (int u = 0; u < std::abs(ulps); ++u) v = std::nextafter(v, ulps > 0 ? 10.0 : -10.0);
            comparison.Check(D, 1.0, v, kSenses[static_cast<std::size_t>(i) % kSenses.size()]);
          }
        }
      }
    }
  }
  EXPECT_GT(comparison.compared, 50000);
  RecordProperty("compared", std::to_string(comparison.compared));
  EXPECT_EQ(comparison.differing, 0);
}

TEST(PlungeSearch, EdgeRowsGiveThePlainWalksResult) {
  struct Row {
    const char* name;
    double dip, plunge;  // radians
  };
  const double e = kSteps[0];
  const Row rows[] = {
      {"plunge just above the finest step", 0.6, e * (1.0 + 1e-12)},
      {"plunge at the finest step", 0.6, e},
      {"dip just over a step above the plunge", 0.5 + e * (1.0 + 1e-12), 0.5},
      {"dip a hair above the plunge", 0.5 + 1e-9, 0.5},
      {"plunge equal to the dip", 0.5, 0.5},
      {"plunge just above the dip", 0.5, 0.5 + 1e-12},
      {"dip near vertical", kHalfPi - 2.0 * e, 0.3},
      {"dip just off vertical, steep line", kHalfPi - 1.5 * e, kHalfPi - 2.0 * e - 1e-6},
      {"dip vertical", kHalfPi, 0.7},
      {"gentle plane", 3.0 * e, 2.0 * e},
      {"line next to the dip line", 1.2, 1.2 - 1.1 * e},
      {"negative plunge", 0.9, -0.4},
      {"negative dip", -0.9, 0.4},
      {"zero plunge", 0.9, 0.0},
      {"not a number", std::nan(""), 0.4},
      {"plunge not a number", 0.4, std::nan("")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Comparison comparison;
    for (const char* sense : kSenses) comparison.Check(row.dip, 2.0, row.plunge, sense);
    EXPECT_EQ(comparison.differing, 0);
  }
}

void ExpectSame(double cone, const Line& reference) {
  const ConeHits fast = SweepCone(cone, reference);
  const ConeHits every = SweepConeEveryStep(cone, reference);
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
      {"a trend far outside a turn: still an angle to the every-step sweep", 28.6, 17.2, 1e300},
  };
  for (const SweepCase& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectSame(DegreesToRadians(c.coneDegrees),
               {DegreesToRadians(c.referencePlunge), DegreesToRadians(c.referenceTrend)});
  }
}

TEST(ConeSweepTest, NotANumberFindsNothing) {
  EXPECT_EQ(SweepCone(std::nan(""), {0.3, 1.0}).groups, 0);
  EXPECT_EQ(SweepCone(0.5, {0.3, std::nan("")}).groups, 0);
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

}  // namespace
