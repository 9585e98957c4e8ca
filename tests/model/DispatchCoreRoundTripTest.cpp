// SPDX-License-Identifier: MIT
// Round trips through the drill-core calculations: features built as
// vectors on random downward and upward cores, measured on the core the way
// the fully oriented calculations read them (17-19), typed under each set of
// core conventions, must come back the same from the calculations with a
// fixed (37-39, 41) or an approximately known (21-23, 40) reference plane.
#include <cmath>
#include <random>
#include <string>

#include "tests/model/DispatchTestSupport.h"

namespace Lodema::DispatchTesting {
namespace {

constexpr double kTypedTol = 0.1;  // degrees: two typed decimals, amplified a little
constexpr double kSweepTol = 0.3;  // degrees: reference planes swept in 0.1 steps
constexpr double kSweptTol = 0.6;  // degrees: a feature read against a swept plane

// Difference between two angles around the circle, [0, 180].
double AroundGap(double a, double b) {
  const double d = Wrap360(a - b);
  return std::min(d, 360 - d);
}

class CoreRoundTripTest : public CalculationTest {
 protected:
  void Use(const ConventionRow& r) {
    r.Use(model);
    model.SetPolaritySignShown(true);
    model.SetReferenceDirection(3);  // D of 21-23 and 40: the approximate plane itself
  }
  static Entries Plane(int box, Vec pole) {
    if (pole.d < 0) pole = -1.0 * pole;
    return Typed(box, 90 - Plunge(pole), Wrap360(Azimuth(pole) + 180));
  }
  // After 21-23 or 40: whether the swept reference plane is `pole`.
  bool SweptPlaneIs(Vec pole) const { return AxisAngle(ResultPole(3), pole) < kSweepTol; }

  std::mt19937 rng{2024};
  // A random downward or upward core, neither flat nor vertical.
  CoreModel RandomCore() {
    std::uniform_real_distribution<double> plunge(2, 88), trend(0, 360);
    const double p = plunge(rng);
    return {rng() % 2 ? p : -p, trend(rng)};
  }
  // A random direction seen on the core at an alpha between 5 and 85
  // degrees (near 0 or 90 two typed decimals decide too much).
  Vec RandomPole(const CoreModel& c) {
    std::uniform_real_distribution<double> alpha(5, 85), around(0, 360);
    const double a = alpha(rng);
    return c.Pole(a, around(rng));
  }
};

// A line at gamma in a plane, typed as 19 reads it, is the same directed
// line from 19, from 38 with the plane as the fixed reference plane and from
// 22 where the swept reference plane is that plane. The first cores have
// the ellipse's long axis horizontal (along the strike of a plane 40/090).
TEST_F(CoreRoundTripTest, GammaInTheReferencePlaneAsInTheOrientedCore) {
  std::uniform_real_distribution<double> around(0, 360);
  const Vec strikePlanePole = PoleVec(40, 90);
  const Vec alongStrike =
      std::cos(50 * kRad) * Horizontal(0) + std::sin(50 * kRad) * strikePlanePole;
  for (const auto& conv : kConventions) {
    Use(conv);
    int swept = 0, tried = 0;
    for (int i = 0; i < 24; ++i) {
      CoreModel c = RandomCore();
      Vec n = RandomPole(c);
      if (i < 2) {  // downward, then upward, in the plane 40/090
        c = CoreModel(i == 0 ? Plunge(alongStrike) : -Plunge(alongStrike), Azimuth(alongStrike));
        n = strikePlanePole;
      }
      const double gamma = i < 2 ? 30 : around(rng);
      const Vec line = c.AtGamma(n, gamma);
      if (std::fabs(Plunge(line)) < 0.5) continue;  // "-0.00" has no sense
      const std::string where = std::string(conv.name) + " #" + std::to_string(i);
      const Entries core = conv.CoreAxis(c);
      const Entries gammaB = {{4, conv.Gamma(gamma)}};

      Run(19, Entries{{0, conv.Beta(conv.TypedBeta(c.PlaneBeta(n)))},
                      {1, conv.Alpha(c.PlaneAlpha(n))}} +
                  gammaB + core);
      EXPECT_LT(VectorAngle(ResultLine(), line), kTypedTol) << where;
      Run(38, gammaB + core + Plane(8, n));
      EXPECT_LT(VectorAngle(ResultLine(), line), kTypedTol) << where;
      Run(22, Entries{{0, conv.Alpha(c.PlaneAlpha(n))}} + gammaB + core + Plane(8, n));
      ++tried;
      if (!SweptPlaneIs(n)) continue;
      ++swept;
      EXPECT_LT(VectorAngle(ResultLine(), line), kSweptTol) << where;
    }
    EXPECT_GT(swept, tried / 2) << conv.name;
  }
}

// The rows reported against 38: a shallow core where 38 gave the line
// reversed, and a plane whose downward pole points up the hole, where 38 gave
// another line (37.49/080.41).
TEST_F(CoreRoundTripTest, GammaWorkedExamples) {
  Use(kConventions[0]);
  Run(19, Entries{{0, "10.64"}, {1, "26.81"}, {4, "52.68"}, {6, "45.96"}, {7, "7.42"}});
  EXPECT_EQ(Shown(), "-17.71/068.28");
  Run(38, Entries{{4, "52.68"}, {6, "45.96"}, {7, "7.42"}, {8, "20.93"}, {9, "34.89"}});
  EXPECT_EQ(Shown(), "-17.70/068.28");

  model.SetPolaritySignShown(false);
  const CoreModel c(24.35, 316.48);
  const Vec n = PoleVec(66.04, 10.35);
  ASSERT_LT(Dot(n, c.drill), 0);  // its downward pole points up the hole
  Run(19, Entries{{0, Fixed(c.PlaneBeta(n))}, {1, Fixed(c.PlaneAlpha(n))}, {4, "279.28"}} +
              Typed(6, 24.35, 316.48));
  const Vec from19 = ResultLine();
  Run(38, Entries{{4, "279.28"}, {6, "24.35"}, {7, "316.48"}, {8, "66.04"}, {9, "10.35"}});
  EXPECT_EQ(Shown(), "52.55/064.87");
  EXPECT_LT(AxisAngle(ResultLine(), from19), 0.02);
}

// A reference plane and a feature measured as 17 and 18 read them (betas
// from the orientation mark): 37 and 39 with the difference of the betas
// recover the feature, 41 reports the angle that closes the loop, and so do
// 21, 23 and 40 where the swept reference plane is that plane.
TEST_F(CoreRoundTripTest, BetaFromTheReferencePlaneAsInTheOrientedCore) {
  for (const auto& conv : kConventions) {
    Use(conv);
    int swept = 0;
    const int cores = 16;
    for (int i = 0; i < cores; ++i) {
      const CoreModel c = RandomCore();
      const Vec ref = RandomPole(c), plane = RandomPole(c), line = RandomPole(c);
      const std::string where = std::string(conv.name) + " #" + std::to_string(i);
      const double refBeta = conv.TypedBeta(c.PlaneBeta(ref));
      const Entries planeB = {{3, conv.Beta(conv.TypedBeta(c.PlaneBeta(plane)) - refBeta)},
                              {4, conv.Alpha(c.PlaneAlpha(plane))}};
      const Entries lineB = {{3, conv.Beta(conv.TypedBeta(c.LineBeta(line)) - refBeta)},
                             {4, conv.Alpha(c.LineAlpha(line))}};
      const Entries core = conv.CoreAxis(c);

      Run(37, planeB + core + Plane(8, ref));
      EXPECT_LT(AxisAngle(ResultPole(), plane), kTypedTol) << where;
      Run(39, lineB + core + Plane(8, ref));
      EXPECT_LT(AxisAngle(ResultLine(), line), kTypedTol) << where;
      Run(41, core + Plane(8, ref));
      EXPECT_LT(AroundGap(Number(1), -refBeta), kTypedTol) << where;

      const Entries refAlpha = {{0, conv.Alpha(c.PlaneAlpha(ref))}};
      Run(40, refAlpha + core + Plane(8, ref));
      if (!SweptPlaneIs(ref)) continue;
      ++swept;
      EXPECT_LT(AroundGap(Number(1), -refBeta), kSweptTol) << where;
      Run(21, refAlpha + planeB + core + Plane(8, ref));
      EXPECT_LT(AxisAngle(ResultPole(), plane), kSweptTol) << where;
      Run(23, refAlpha + lineB + core + Plane(8, ref));
      EXPECT_LT(AxisAngle(ResultLine(), line), kSweptTol) << where;
    }
    EXPECT_GT(swept, cores / 2) << conv.name;
  }
}

// The upward core reported against 37 and 41: 17 reads the reference plane
// 20.01/013.74 at beta 211.13 and a plane (alpha 32.04) at 94.61, which is
// 60.59/193.46; 37 recovers it from 94.61 - 211.13 = 243.49, and 41 reports
// 360 - 211.13 (it gave 116.51 and 211.12, the mirror images).
TEST_F(CoreRoundTripTest, BetaWorkedExample) {
  Use(kConventions[0]);
  const CoreModel c(-59.29, 297.57);
  EXPECT_NEAR(c.PlaneBeta(PoleVec(20.01, 13.74)), 211.13, 0.01);
  const Entries coreAndRef = Typed(6, -59.29, 297.57) + Typed(8, 20.01, 13.74);
  Run(17, Typed(0, 94.61, 32.04) + Typed(6, -59.29, 297.57));
  EXPECT_EQ(Shown(), "60.59/193.46");
  Run(37, Typed(3, 243.49, 32.04) + coreAndRef);
  EXPECT_EQ(Shown(), "60.59/193.46");
  Run(41, coreAndRef);
  EXPECT_NEAR(Number(1), 148.87, 0.011);
}

}  // namespace
}  // namespace Lodema::DispatchTesting
