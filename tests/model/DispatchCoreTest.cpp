// SPDX-License-Identifier: MIT
// The drill-core calculations driven through the main window model, checked
// against the core model of DispatchTestSupport.h: the axis down the hole,
// "top" the upper line of the core, "right" horizontal to the right looking
// down-hole; angles around the core run clockwise looking down-hole from
// the top line.
#include <cmath>

#include "tests/model/DispatchTestSupport.h"

namespace Lodema::DispatchTesting {
namespace {

constexpr double kTol = 0.02;      // degrees: two typed decimals
constexpr double kSweepTol = 0.2;  // degrees: reference planes are swept in 0.1 steps

class CoreTest : public CalculationTest {
 protected:
  // A core 60 toward 010 with a reference plane 40/120 seen on it.
  const CoreModel core{60, 10};
  const Vec refPole = PoleVec(40, 120);
  const Entries approxPlane = Entries{{0, Fixed(core.PlaneAlpha(refPole))}} + Typed(6, 60, 10);
};

TEST_F(CoreTest, PublishedOrientedCoreExample) {
  // Core 45 toward 225, alpha 60, beta 320 clockwise looking down-hole from
  // the bottom-of-hole line to the ellipse apex furthest from the collar.
  kConventions[1].Use(model);  // bottom of the ellipse
  Run(17, {{0, "320"}, {1, "60"}, {6, "45"}, {7, "225"}});
  EXPECT_EQ(Shown(), "70/025");
  Run(17, {{0, "320.00"}, {1, "60.00"}, {6, "45.00"}, {7, "225.00"}});
  EXPECT_EQ(Shown(), "70.02/025.00");  // 70.0296, 25.0039
  EXPECT_EQ(Message(), "Use -ve plunge for 'upwardly' inclined core axis");
}

// The first conventions of the round trips (defaults to zenith), each with
// a plane typed under it and where its ellipse top lies.
TEST_F(CoreTest, PlaneInOrientedCoreByConvention) {
  const struct {
    double typedCore, typedAlpha, beta, alpha, phi;  // phi: the ellipse top
  } rows[] = {{45, 60, 320, 60, 140}, {45, 60, 320, 60, 320}, {45, 60, 320, 60, 320},
              {45, 60, 320, 60, 140}, {45, 30, 100, 60, 280}, {-45, 25, 10, 25, 190},
              {45, 60, 320, 60, 140}};
  const CoreModel c(45, 225);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const auto& r = rows[i];
    kConventions[i].Use(model);
    Run(17, Typed(0, r.beta, r.typedAlpha) + Typed(6, r.typedCore, 225));
    EXPECT_NEAR(AxisAngle(ResultPole(), c.Pole(r.alpha, r.phi)), 0, kTol) << kConventions[i].name;
  }
}

TEST_F(CoreTest, LinesInOrientedCore) {
  Run(18, Typed(0, 75, 35) + Typed(6, 60, 10));
  EXPECT_NEAR(AxisAngle(ResultLine(), core.Pole(90 - 35, 75)), 0, kTol);
  // 19 lies in the plane of 17, shown as the plane solution; gamma 0 and 180
  // run along the ellipse's long axis, 90 across it.
  const Vec pole = core.Pole(50, 180 + 200);
  const Vec longAxis = core.down - Dot(core.down, pole) * pole;
  for (double gamma : {0.0, 90.0, 180.0, 250.0}) {
    Run(19, Typed(0, 200, 50) + Entries{{4, Fixed(gamma)}} + Typed(6, 60, 10));
    EXPECT_TRUE(model.Controls().resultFrames[1].visible);
    EXPECT_NEAR(AxisAngle(ResultPole(3), pole), 0, kTol) << gamma;
    EXPECT_NEAR(AxisAngle(ResultLine(), pole), 90, kTol) << gamma;
    const double toLong = gamma == 90 ? 90 : (gamma == 250 ? 70 : 0);
    EXPECT_NEAR(AxisAngle(ResultLine(), longAxis), toLong, kTol) << gamma;
  }
}

TEST_F(CoreTest, ApproximateReferencePlane) {
  model.SetApproximateDip(1);  // 30 to 60 degrees
  const Entries dd = {{9, "120.00"}};
  Run(20, approxPlane + dd);
  EXPECT_NEAR(AxisAngle(ResultPole(), refPole), 0, kSweepTol);
  Run(40, approxPlane + dd);
  EXPECT_NEAR(Number(1), Wrap360(-core.PlaneBeta(refPole)), 2 * kSweepTol);
  // A horizontal E-W strike in the vertical plane of the core: poles 40 from
  // the axis give 70/180 (steep, preferred) and 10/000.
  model.SetReferenceDirection(1);
  model.SetApproximateDip(2);
  Run(20, Entries{{0, "50"}} + Typed(6, 60, 0) + Entries{{9, "90"}});
  EXPECT_EQ(Message(), "Note: Two ambiguous solutions found!!");
  EXPECT_TRUE(model.Controls().resultFrames[2].visible);
  EXPECT_NEAR(AxisAngle(ResultPole(), PoleVec(70, 180)), 0, kSweepTol);
  EXPECT_NEAR(AxisAngle(ResultPole(6), PoleVec(10, 0)), 0, kSweepTol);
  // A strike along the core axis: no pole 30 from the axis is normal to it.
  Run(20, Entries{{0, "60"}} + Typed(6, 0, 0) + Entries{{9, "0"}});
  EXPECT_EQ(Message(), "Error - no solution found");
  EXPECT_EQ(Shown(), "-999/-999");
  EXPECT_FALSE(model.Controls().resultFrames[1].visible);
  EXPECT_EQ(plot.points, 0);
}

TEST_F(CoreTest, UpwardCores) {
  auto poleFor = [this](const Entries& axis) {
    Run(17, Typed(0, 320, 60) + axis);
    return ResultPole();
  };
  const Vec upward = poleFor(Typed(6, -45, 225));
  model.settings().CoreUpTrend = true;
  EXPECT_NEAR(AxisAngle(poleFor(Typed(6, -45, 45)), upward), 0, kTol);
  EXPECT_EQ(Message(),
            "Use -ve plunge for 'upwardly' inclined core axis AND: Use 'upcore' direction for "
            "core trend");
  model.settings().CoreUpTrend = false;
  // Guards the zenith of an upward core: zenith -30 is plunge -60, not 120.
  const Vec steepUp = poleFor(Typed(6, -60, 225));
  kConventions[6].Use(model);  // zenith
  EXPECT_NEAR(AxisAngle(poleFor(Typed(6, -30, 225)), steepUp), 0, kTol);
  kConventions[5].Use(model);  // downward is -ve
  poleFor(Typed(6, 45, 225));
  EXPECT_EQ(Message(), "Use +ve plunge for 'upwardly' inclined core axis");
}

TEST_F(CoreTest, ManualSolutionsRecordTheCones) {
  Run(25, Typed(0, 30, 10) + Entries{{2, "20"}} + Typed(3, 50, 100) + Entries{{5, "35"}} +
              Typed(8, -40, 200) + Entries{{10, "65"}});
  EXPECT_EQ(Result(0) + Result(1) + Result(2), "*Use*stereo****");
  EXPECT_EQ(Message(), "Manual solution using stereo only");
  ASSERT_EQ(plot.points, 1);
  const auto& cells = plot.last.cells;
  EXPECT_EQ(cells[0][0], 0);
  for (int row : {1, 2, 4}) EXPECT_EQ(cells[row][0], 6) << row;
  EXPECT_NEAR(cells[1][3] / kRad, 70, 1e-9);  // the cone about the axis: 90 - alpha
  EXPECT_NEAR(cells[4][1] / kRad, -40, 1e-9);
  EXPECT_NEAR(cells[4][3] / kRad, 25, 1e-9);
}

TEST_F(CoreTest, PitchAndApparentDipExtras) {
  model.SelectCalculation(19);
  model.SetApparentDipShown(true);  // 19 shows the pitch of its line in its plane
  Run(19, Typed(0, 200, 50) + Entries{{4, "90.00"}} + Typed(6, 60, 10));
  const Vec pole = ResultPole(3);
  EXPECT_NEAR(Number(12), AxisAngle(ResultLine(), Cross(pole, Vec{0, 0, 1})), kTol);
  model.SelectCalculation(5);
  model.SetApparentDipShown(true);  // a plane result: its apparent dip in the section
  Run(5, Typed(0, 60, 225) + Entries{{11, "90.00"}});
  EXPECT_NEAR(Number(12), std::atan(std::tan(30 * kRad) * std::cos(45 * kRad)) / kRad, kTol);
  EXPECT_EQ(Result(13), "E");
}

}  // namespace
}  // namespace Lodema::DispatchTesting
