// SPDX-License-Identifier: MIT
// Notations, batch runs and the record handed to the plot, seen through the
// calculations that they change.
#include <cmath>
#include <string>

#include "tests/model/DispatchTestSupport.h"

namespace Lodema::DispatchTesting {
namespace {

constexpr double kPi = 3.14159265358979;

class ConventionTest : public CalculationTest {
 protected:
  void SetUp() override {
    CalculationTest::SetUp();
    model.SetOutputSameAsInput(false);  // the output conventions stay at their defaults
  }
};

TEST_F(ConventionTest, InputNotations) {
  const struct {
    const char* name;
    int planes, lineOrder, quadrant;
    Entries in;
  } rows[] = {
      // clang-format off
      {"strike, dip, sense", 3, 0, 0,
       {{0, "360"}, {1, "30"}, {2, "e"}, {3, "90"}, {4, "60"}, {5, "S"}}},
      {"dip, sense, strike", 4, 0, 0,
       {{0, "30"}, {1, "E"}, {2, "180"}, {3, "60"}, {4, "S"}, {5, "270"}}},
      // clang-format on
      {"strike, dip (RH rule)", 6, 0, 0, {{0, "0"}, {1, "30"}, {3, "90"}, {4, "60"}}},
      {"quadrant bearings", 1, 0, 1, {{0, "30"}, {1, "N90E"}, {3, "60"}, {4, "S0E"}}},
      {"decimal comma", 1, 0, 0, {{0, "30,0"}, {1, "90,0"}, {3, "60,0"}, {4, "180,0"}}},
      {"trend, plunge (lines)", 1, 1, 0, {{0, "10"}, {1, "20"}, {3, "100"}, {4, "40"}}},
  };
  for (const auto& r : rows) {
    model.SetInputPlaneNotation(r.planes);
    model.SetInputLineOrder(r.lineOrder);
    model.SetInputDirectionNotation(r.quadrant);
    const bool lines = r.lineOrder == 1;
    Run(lines ? 1 : 0, r.in);
    const Vec expected =
        lines ? Cross(LineVec(20, 10), LineVec(40, 100)) : Cross(PoleVec(30, 90), PoleVec(60, 180));
    EXPECT_NEAR(AxisAngle(lines ? ResultPole() : ResultLine(), expected), 0, 0.6) << r.name;
  }
}

// Each output notation is the result windows' test's; here a comma locale
// and a result shown without its polarity sign.
TEST_F(ConventionTest, OutputNotations) {
  model.SetLocaleDecimalMark(OrientGeometry::DecimalMark::kComma);
  Run(16, {{0, "30,5"}, {1, "45"}});
  EXPECT_EQ(Shown(), "30,5/045");
  model.SetPolaritySignShown(false);  // an upward result is shown downward
  Run(12, {{0, "30"}, {1, "90"}, {3, "0"}, {4, "0"}, {6, "-160"}});
  EXPECT_EQ(Shown(), "50/090");
}

// Guards the last shown digit of strikes and bearings that come from a
// subtraction (93.57 - 90, 275.83 + 90 - 360, 360 - 359.93).
TEST_F(ConventionTest, StrikesAndBearingsKeepTheLastTypedDigit) {
  const struct {
    const char* name;
    int planeIn, quadrantIn, planeOut, quadrantOut, calc;
    Entries in;
    double first, azimuth;  // the orientation typed, dip or plunge and azimuth
  } rows[] = {
      {"RH strike N84.17W in", 5, 1, 1, 0, 15, {{0, "57.95"}, {1, "N84.17W"}}, 57.95, 5.83},
      {"strike 275.83 in", 6, 0, 1, 0, 15, {{0, "275.83"}, {1, "58.68"}}, 58.68, 5.83},
      {"strike and sense out", 1, 0, 4, 1, 15, Typed(0, 36.51, 93.57), 36.51, 93.57},
      {"RH strike out", 1, 0, 5, 0, 15, Typed(0, 41.24, 91.96), 41.24, 91.96},
      {"bearing N0.07W out", 1, 0, 1, 1, 16, Typed(0, 10, 359.93), 10, 359.93},
      {"bearing S0.01E out", 1, 0, 1, 1, 16, Typed(0, 10, 179.99), 10, 179.99},
  };
  for (const auto& r : rows) {
    model.SetInputPlaneNotation(r.planeIn);
    model.SetInputDirectionNotation(r.quadrantIn);
    model.SetOutputPlaneNotation(r.planeOut);
    model.SetOutputDirectionNotation(r.quadrantOut);
    Run(r.calc, r.in);
    // What the shown direction box must read back to, written here.
    double shown = r.azimuth;
    if (r.calc == 15 && r.planeOut != 1) shown = std::fmod(r.azimuth + 270, 360);  // strike
    char expected[32];
    if (r.quadrantOut == 0) {
      std::snprintf(expected, sizeof expected, "%06.2f", shown);
    } else {
      const bool north = shown < 90 || shown > 270;
      const double angle = north ? (shown < 90 ? shown : 360 - shown) : std::fabs(180 - shown);
      std::snprintf(expected, sizeof expected, "%c%g%c", north ? 'N' : 'S', angle,
                    shown < 180 ? 'E' : 'W');
    }
    EXPECT_NEAR(Number(0), r.first, 1e-9) << r.name;
    const int directionBox = r.calc == 15 && r.planeOut == 4 ? 2 : 1;
    EXPECT_EQ(Result(directionBox), expected) << r.name;
  }
}

TEST_F(ConventionTest, BatchRunKeepsErrorsAndDropsNotes) {
  model.SetBatchRunning(true);
  Run(10, Typed(0, 40, 90) + Typed(3, 10, 270));  // 50 off the plane
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(beeper.beeps, 1);
  Run(0, Typed(0, 30, 90) + Typed(3, 30, 90));
  EXPECT_EQ(Message(), "Error - planes A and B coincide: no unique result");
  Run(34, Typed(0, 40, 120) + Typed(3, 35, 120) + Typed(6, 0, 30));
  EXPECT_EQ(Message(),
            "Use -ve plunge value to indicate upward polarity of line (if polarity is important)");
  Run(17, Typed(0, 320, 60) + Typed(6, 45, 225));
  EXPECT_EQ(Message(), "");
}

TEST_F(ConventionTest, CalculatingAnUnreadableEntry) {
  Run(2, Typed(0, 30, 45) + Typed(3, 10, 120));
  model.SetEntryText(0, "95");
  model.Calculate();
  EXPECT_EQ(Message(), "error in entry");
}

TEST_F(ConventionTest, RecordHandedToThePlot) {
  Run(7, Typed(0, 30, 90) + Entries{{4, "30"}});
  ASSERT_EQ(plot.points, 1);
  const auto& c = plot.last.cells;
  EXPECT_EQ(plot.last.calculation, 7);
  EXPECT_EQ(c[0][0], 0);  // an angle is not drawn
  EXPECT_EQ(c[2][0], 1);  // the vertical section plane
  EXPECT_NEAR(c[2][1], kPi / 2, 1e-12);
  EXPECT_NEAR(c[2][2], 120 * kPi / 180, 1e-12);
  Run(17, Typed(0, 320, 60) + Typed(6, 45, 225));
  EXPECT_EQ(c[0][0], 1);
  EXPECT_EQ(c[1][0], 4);
  EXPECT_NEAR(c[1][3], 30 * kPi / 180, 1e-12);  // the cone angle of alpha 60
  EXPECT_NEAR(c[1][4], 320 * kPi / 180, 1e-12);
  plot.showing = false;
  Run(0, Typed(0, 30, 90) + Typed(3, 60, 180));
  EXPECT_EQ(plot.points, 0);
}

// Guards every calculation against failing or showing NaN on extreme texts.
TEST_F(CalculationTest, ExtremeEntriesNeverShowNaN) {
  for (int n = 0; n < 42; ++n) {
    for (const char* first : {"0", "90", "-90", "360", "-", ",", "45", "99999999999999999999"}) {
      for (const char* second : {"0", "90", "360", "-"}) {
        model.SelectCalculation(n);
        for (int box = 0; box <= 11; ++box) model.SetEntryText(box, box % 2 ? second : first);
        model.SetEntryText(5, "N");
        for (int box = 0; box < 14; ++box) {
          EXPECT_EQ(Result(box).find_first_of("ai"), std::string::npos) << n << first << second;
        }
        for (const auto& row : plot.last.cells) {
          for (double cell : row) EXPECT_TRUE(std::isfinite(cell)) << n << first << second;
        }
      }
    }
  }
}

}  // namespace
}  // namespace Lodema::DispatchTesting
