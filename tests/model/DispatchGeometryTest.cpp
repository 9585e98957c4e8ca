// SPDX-License-Identifier: MIT
// The geometrical calculations driven through the main window model in the
// default conventions, checked against vector geometry written here.
#include <cmath>
#include <string>

#include "calc/DispatchGeometry.h"
#include "tests/model/DispatchTestSupport.h"

namespace Lodema::DispatchTesting {
namespace {

const std::string kDeg = "\xC2\xB0";

// a + b or a - b: the bisector of their acute (or obtuse) angle.
Vec Bisector(Vec a, Vec b, bool obtuse) { return a + ((Dot(a, b) >= 0) != obtuse ? 1 : -1) * b; }
// Turned about a horizontal fold axis until the bed's pole points down.
Vec Unfolded(Vec v, Vec bedPole, Vec axis) {
  const Vec down{0, 0, 1};
  return Rotate(v, axis, std::atan2(Dot(Cross(bedPole, down), axis), Dot(bedPole, down)) / kRad);
}

enum Check { kLine, kPole, kDirected, kAngle };
struct Case {
  const char* name;
  int calc;
  Entries in;
  Check check;
  Vec expected;
  double angle = 0;
  const char* sense = nullptr;
  double tol = 0.02;  // degrees: two typed decimals, cut on display
};

TEST_F(CalculationTest, WorkedCasesOfEveryGeometricalCalculation) {
  const Entries planes = Typed(0, 30, 90) + Typed(3, 60, 180);
  const Entries lines = Typed(0, 20, 10) + Typed(3, 40, 100);
  const Vec pA = PoleVec(30, 90), pB = PoleVec(60, 180), lA = LineVec(20, 10),
            lB = LineVec(40, 100);
  const Vec strikeLine = Horizontal(0);   // of plane A, 30/090
  const Vec inBed = AtHade(40, 90, 300);  // pitch 30 from the north end of 40/090
  const Entries bedAndAxis = Typed(0, 40, 120) + Typed(6, 0, 30);
  const Case cases[] = {
      {"0 intersection", 0, planes, kLine, Cross(pA, pB)},
      {"1 plane through lines", 1, lines, kPole, Cross(lA, lB)},
      {"2 empty box: acute", 2, lines + Entries{{6, ""}}, kAngle, {}, AxisAngle(lA, lB)},
      {"2 y: obtuse", 2, lines + Entries{{6, "y"}}, kAngle, {}, 180 - AxisAngle(lA, lB)},
      {"2 T: obtuse", 2, lines + Entries{{6, "T"}}, kAngle, {}, 180 - AxisAngle(lA, lB)},
      {"3 yes: obtuse", 3, planes + Entries{{6, "yes"}}, kAngle, {}, 180 - AxisAngle(pA, pB)},
      {"4 plane and line",
       4,
       Typed(0, 30, 90) + Typed(3, 20, 200),
       kAngle,
       {},
       90 - AxisAngle(pA, LineVec(20, 200))},
      {"5 plane with normal", 5, Typed(0, 60, 225), kPole, LineVec(60, 225)},
      {"6 normal to plane", 6, Typed(0, 30, 45), kLine, PoleVec(30, 45)},
      {"7 along the dip", 7, Typed(0, 30, 90) + Entries{{4, "90.00"}}, kAngle, {}, 30, "E"},
      {"7 along the strike", 7, Typed(0, 30, 90) + Entries{{4, "0.00"}}, kAngle, {}, 0},
      // tan(apparent dip) = tan(30) cos(60): the textbook 16.10 degrees.
      {"7 sixty off the dip", 7, Typed(0, 30, 90) + Entries{{4, "30.00"}}, kAngle, {}, 16.10, "N"},
      {"8 pitch from E", 8, Typed(0, 40, 180) + Entries{{4, "30.00"}, {5, "E"}}, kLine,
       std::cos(30 * kRad) * Horizontal(90) + std::sin(30 * kRad) * DownDip(40, 180)},
      {"8 pitch from w", 8, Typed(0, 40, 180) + Entries{{4, "30.00"}, {5, "w"}}, kLine,
       std::cos(30 * kRad) * Horizontal(270) + std::sin(30 * kRad) * DownDip(40, 180)},
      {"9 hade", 9, Typed(0, 40, 90) + Entries{{4, "30.00"}}, kLine, AtHade(40, 90, 30)},
      {"10 pitch", 10, Typed(0, 40, 90) + LineAt(3, inBed), kAngle, {}, 30, "N"},
      {"11 hade", 11, Typed(0, 40, 90) + LineAt(3, inBed), kAngle, {}, 300},
      {"12 rotated line", 12, Typed(0, 30, 45) + Typed(3, 20, 300) + Entries{{6, "40.00"}},
       kDirected, Rotate(LineVec(30, 45), LineVec(20, 300), 40)},
      {"13 rotated plane", 13, Typed(0, 30, 100) + Typed(3, 10, 200) + Entries{{6, "-60.00"}},
       kPole, Rotate(PoleVec(30, 100), LineVec(10, 200), -60)},
      {"14 unfolded line", 14, Typed(0, 40, 120) + Typed(3, 20, 80) + Typed(6, 0, 30), kLine,
       Unfolded(LineVec(20, 80), PoleVec(40, 120), Horizontal(30))},
      // Guards 26 and 32 against measuring from the strike: in 40/045, 30
      // from the north-west end is hade 300; 20 more is hade 320.
      {"26 line at angle C", 26, Typed(0, 40, 45) + Entries{{4, "30"}, {5, "N"}, {6, "20.00"}},
       kLine, AtHade(40, 45, 320)},
      {"27 line of trend 045", 27, Typed(0, 40, 90) + Entries{{4, "45.00"}}, kLine,
       Horizontal(45) + (-Dot(PoleVec(40, 90), Horizontal(45)) / PoleVec(40, 90).d) * Vec{0, 0, 1}},
      {"28 pitch of intersection",
       28,
       planes,
       kAngle,
       {},
       AxisAngle(Cross(pA, pB), strikeLine),
       "S"},
      {"29 acute", 29, planes + Entries{{6, "n"}}, kPole, Bisector(pA, pB, false)},
      {"29 obtuse", 29, planes + Entries{{6, "y"}}, kPole, Bisector(pA, pB, true)},
      // In the profile plane, bisecting the traces of the two planes.
      {"30 acute", 30, planes + Entries{{6, ""}}, kLine,
       Cross(Cross(pA, pB), Bisector(pA, pB, false))},
      {"30 obtuse", 30, planes + Entries{{6, "1"}}, kLine,
       Cross(Cross(pA, pB), Bisector(pA, pB, true))},
      {"31 normal to both", 31, planes, kPole, Cross(pA, pB)},
      {"32 hade from pitch", 32, Typed(0, 40, 45) + Entries{{4, "30"}, {5, "N"}}, kAngle, {}, 300},
      // Guards 33: the pole is the other bisector, so the plane mirrors A onto B.
      {"33 acute", 33, lines + Entries{{6, "N"}}, kPole, Bisector(lA, lB, true)},
      {"33 obtuse", 33, lines + Entries{{6, "y"}}, kPole, Bisector(lA, lB, false)},
      {"34 tracked line", 34, bedAndAxis + Typed(3, 35, 250), kDirected,
       Unfolded(LineVec(35, 250), PoleVec(40, 120), Horizontal(30))},
      {"35 tracked plane", 35, bedAndAxis + Typed(3, 50, 300), kPole,
       Unfolded(PoleVec(50, 300), PoleVec(40, 120), Horizontal(30))},
      {"36 line of plunge 20", 36, Typed(0, 40, 90) + Entries{{4, "20.00"}, {5, "N"}}, kLine,
       AtHade(40, 90, 360 - std::acos(std::sin(20 * kRad) / std::sin(40 * kRad)) / kRad), 0,
       nullptr, 0.1},  // the trend is searched to 0.01 degree of plunge
  };
  for (const Case& c : cases) {
    Run(c.calc, c.in);
    switch (c.check) {
      case kLine:
        EXPECT_NEAR(AxisAngle(ResultLine(), c.expected), 0, c.tol) << c.name;
        EXPECT_GE(Number(0), 0) << c.name;
        break;
      case kPole:
        EXPECT_NEAR(AxisAngle(ResultPole(), c.expected), 0, c.tol) << c.name;
        break;
      case kDirected:
        EXPECT_NEAR(VectorAngle(ResultLine(), c.expected), 0, c.tol) << c.name;
        break;
      case kAngle:
        EXPECT_NEAR(Number(1), c.angle, c.tol) << c.name;
        if (c.sense) {
          EXPECT_EQ(Result(2), c.sense) << c.name;
        }
        break;
    }
  }
}

TEST_F(CalculationTest, MisfitNotesAndBeeps) {
  const Vec inBed = AtHade(40, 90, 300);
  const Vec pole = PoleVec(40, 90);
  const struct {
    int calc;
    double misfit;
    const char* shown;
    double expected;
  } rows[] = {{10, 0, " 0", 30},
              {10, 15, " 15", 30},
              {11, 0, " 0", 300},
              // Guards 11 for a line off the plane: measured on its projection.
              {11, 40, " 40", 300}};
  for (const auto& r : rows) {
    Run(r.calc, Typed(0, 40, 90) + LineAt(3, Rotate(inBed, Cross(inBed, pole), r.misfit)));
    EXPECT_NEAR(Number(1), r.expected, 0.02) << r.calc << " " << r.misfit;
    EXPECT_EQ(Message(), "Misfit between line and plane =" + std::string(r.shown) + kDeg);
    EXPECT_EQ(beeper.beeps, r.misfit > 10 ? 1 : 0) << r.calc << " " << r.misfit;
  }
}

TEST_F(CalculationTest, RotationAndUnfoldingNotes) {
  Run(12, Typed(0, 30, 45) + Typed(3, 20, 300) + Entries{{6, "40"}});
  EXPECT_EQ(Message(),
            "clockwise rotation (looking down axis)  -  rotated line sense is DOWNWARD facing");
  Run(12, {{0, "30"}, {1, "90"}, {3, "0"}, {4, "0"}, {6, "-160"}});
  EXPECT_EQ(Message(),
            "anticlockwise rotation (looking down axis)  -  rotated line sense is UPWARD facing");
  EXPECT_EQ(Shown(), "-50/090");
  Run(13, Typed(0, 30, 100) + Typed(3, 10, 200) + Entries{{6, "0"}});
  EXPECT_EQ(Message(), "clockwise rotation looking down rot'n axis");
  // Guards 14 against naming another line: the axis -50/270 is shown 50/270.
  Run(14, Typed(0, 60, 90) + Typed(3, 10, 90) + Typed(6, 0, 0));
  EXPECT_EQ(Shown(), "50/270");
  EXPECT_EQ(Message(), "Residual plunge of line after plane rotated to horizontal = 50" + kDeg);
  Run(34, Typed(0, 40, 120) + Typed(3, 35, 120) + Typed(6, 0, 30));  // shallower than the bed
  EXPECT_EQ(Message(),
            "-ve plunge value indicates upward polarity of line (if polarity is important)");
  Run(34, Typed(0, 40, 120) + Typed(3, 35, 250) + Typed(6, 0, 30));
  EXPECT_EQ(Message(),
            "Use -ve plunge value to indicate upward polarity of line (if polarity is important)");
}

// A batch run leaves out the notes only the screen shows; everything the
// run reads of the outcome stays as it is.
TEST(ComputeGeometryNotes, BatchRowsGetTheSameOutcomeWithoutScreenNotes) {
  const double r = std::acos(-1.0) / 180.0;
  for (const int calculation : {10, 11, 12, 13, 14, 34}) {
    for (const double misfit : {0.0, 25.0}) {
      SCOPED_TRACE("calculation " + std::to_string(calculation));
      GeometryInputs in;
      in.calculation = calculation;
      in.a = {40 * r, 90 * r};
      in.b = {(20 + misfit) * r, 10 * r};
      in.c = {0.0, 30 * r};
      in.angleC = -40 * r;
      const CalcOutcome shown = ComputeGeometry(in, true);
      const CalcOutcome quiet = ComputeGeometry(in, false);
      EXPECT_FALSE(shown.message.empty());
      EXPECT_TRUE(quiet.message.empty() || quiet.message == quiet.batchMessage);
      EXPECT_EQ(quiet.batchMessage, shown.batchMessage);
      EXPECT_EQ(quiet.status, shown.status);
      EXPECT_EQ(quiet.beep, shown.beep);
      EXPECT_EQ(quiet.result.angle, shown.result.angle);
      EXPECT_EQ(quiet.result.azimuth, shown.result.azimuth);
      EXPECT_EQ(quiet.angle, shown.angle);
      EXPECT_EQ(quiet.sense, shown.sense);
    }
  }
}

TEST_F(CalculationTest, FaultsAreReportedAsErrors) {
  const struct {
    int calc;
    Entries in;
    const char* message;
    const char* shown;
  } rows[] = {
      // Guards 8: a sense the pitch routine cannot use is reported, not ignored.
      {8, Typed(0, 40, 90) + Entries{{4, "30"}, {5, "NNE"}},
       "Error - sense must be N, NE, E, SE, S, SW, W or NW", "-999/-999"},
      // Guards 36: a steeper plunge is reported also for dip direction 000.
      {36, Typed(0, 40, 0) + Entries{{4, "50"}, {5, "E"}},
       "Error - plunge is 10\xC2\xB0 steeper than dip of bed", "40/000"},
      {0, Typed(0, 30, 90) + Typed(3, 30, 90), "Error - planes A and B coincide: no unique result",
       "-999/-999"},
      {1, Typed(0, 30, 90) + Typed(3, 30, 90),
       "Error - lines A and B are parallel: no unique plane", "-999/-999"},
      {10, Typed(0, 40, 90) + Typed(3, 50, 270), "Error - line B is normal to plane A: no pitch",
       "-999/-999"},
      {27, Typed(0, 90, 135) + Entries{{4, "45"}},
       "Error - plane A is vertical along trend B: no unique line", "-999/-999"},
  };
  for (const auto& r : rows) {
    Run(r.calc, r.in);
    EXPECT_EQ(Message(), r.message) << r.calc;
    // The status a batch run rejects the row by agrees with the panel.
    EXPECT_EQ(model.LastCalcStatus(), CalcStatus::kGeometricError) << r.calc;
    EXPECT_TRUE(model.MessageReportsFailure()) << r.calc;
    EXPECT_EQ(Shown(), r.shown) << r.calc;
    EXPECT_EQ(plot.points, r.calc == 36 ? 1 : 0) << r.calc;
  }
}

}  // namespace
}  // namespace Lodema::DispatchTesting
