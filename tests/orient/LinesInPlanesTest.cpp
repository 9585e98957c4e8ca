// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "orient/LinesInPlanes.h"
#include "orient/TextParsing.h"
#include "tests/orient/SphereVectors.h"

namespace {

using namespace OrientGeometry;
using namespace SphereVectors;

double Rad(double degrees) { return degrees * kPi / 180.0; }

// Radians: worked rows 1e-9 (1e-7 where a closed form meets nearly 1); a line
// from its hade 1e-11; pitch read back 1e-7; the plunge search 0.01 degree.
constexpr double kRowTol = 1e-9;
constexpr double kHadeTol = 1e-11;
constexpr double kPitchTol = 1e-7;
const double kSearchTol = Rad(0.01) + 1e-12;

// Sixteen-point senses; the even ones are the eight-point names.
const char* const kSenses[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                               "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
double SenseAzimuth(int k) { return Rad(CompassPointAzimuth(kSenses[k]).value_or(360)); }

// The line at hade h built directly: cos h along the dip line plus sin h
// along the strike toward dip direction + 90.
Vec LineAtHade(double dip, double dipDirection, double h) {
  const Vec strike{-std::sin(dipDirection), std::cos(dipDirection), 0.0};
  return std::cos(h) * VecOf(dip, dipDirection) + std::sin(h) * strike;
}

// Horizontal unit vector of the strike end (dd +- 90) nearer the azimuth.
Vec StrikeEndNearer(double dipDirection, double azimuth) {
  const double side = std::sin(azimuth - dipDirection) >= 0.0 ? 1.0 : -1.0;
  return side * Vec{-std::sin(dipDirection), std::cos(dipDirection), 0.0};
}

Line ByPitchFromNorth(double dip, double dipDirection, double pitch) {
  return LineFromPitchInPlane(dip, dipDirection, pitch, "N").line;
}

TEST(LinesInPlanesLineFromHadeOrPitch, WorkedRows) {
  struct Row {
    const char* name;
    Line (*routine)(double, double, double);
    double dip, dipDirection, value;  // degrees: the hade or pitch
    double plunge, trend;             // degrees expected
  };
  const Row rows[] = {
      {"hade 180: up-dip line", LineFromHadeInPlane, 40, 100, 180, -40, 100},
      {"hade in a horizontal plane", LineFromHadeInPlane, 0, 100, 30, 0, 130},
      {"hade in a vertical plane", LineFromHadeInPlane, 90, 90, 300, 30, 0},
      // Regression: a hade a few ulps below 2 pi missed the special value.
      {"hade a hair below 360", LineFromHadeInPlane, 40, 100, 360 - 1e-13, 40, 100},
      // Regression: 1 - x^2 just below 0 gave a NaN plunge (hade, then pitch).
      {"hade, x rounds above 1", LineFromHadeInPlane, 0.0000000085, 0, 118.36, 0, 298.36},
      {"pitch, x rounds above 1", ByPitchFromNorth, 0.0000000085, 90, 26.62, 0, 26.62},
      {"pitch -90: up-dip line", ByPitchFromNorth, 40, 90, -90, -40, 90},
      // Regression: a horizontal plane measured the pitch from the dip direction.
      {"pitch in a horizontal plane", ByPitchFromNorth, 0, 90, 30, 0, 30},
      {"pitch in a nearly horizontal plane", ByPitchFromNorth, 0.001, 90, 30, 0.0005, 30},
  };
  for (const Row& r : rows) {
    const Line got = r.routine(Rad(r.dip), Rad(r.dipDirection), Rad(r.value));
    EXPECT_NEAR(got.angle, Rad(r.plunge), 1e-7) << r.name;
    EXPECT_NEAR(got.azimuth, Rad(r.trend), 1e-7) << r.name;
  }
  EXPECT_FALSE(LineFromPitchInPlane(Rad(40), Rad(90), 0, "NNE").senseRecognised);
}

TEST(LinesInPlanesPitchSensePlunge, WorkedRows) {
  const PitchResult strike = PitchOfLineInPlane(Rad(40), Rad(30), 0, Rad(300)).value();
  EXPECT_NEAR(strike.pitch, 0.0, kPitchTol);
  EXPECT_EQ(strike.sense, "W");
  const PitchResult upward = PitchOfLineInPlane(Rad(90), Rad(90), Rad(-30), 0).value();
  EXPECT_NEAR(upward.pitch, Rad(-30), kPitchTol);
  EXPECT_EQ(upward.sense, "N");
  // Regression: a line normal to the plane divided 0 by 0. It has no pitch,
  // also with its trend written past 360.
  EXPECT_FALSE(PitchOfLineInPlane(Rad(65), 0, Rad(25), Rad(180)).has_value());
  EXPECT_FALSE(PitchOfLineInPlane(Rad(65), 0, Rad(25), Rad(540)).has_value());

  EXPECT_NEAR(SenseAngleFromStrike(0, Rad(30), "W"), Rad(300), kRowTol);
  EXPECT_NEAR(SenseAngleFromStrike(0, Rad(-30), "e"), Rad(240), kRowTol);
  EXPECT_NEAR(SenseAngleFromStrike(0, Rad(30), "N"), Rad(300), kRowTol);  // exactly between
  // Regression: fixed azimuth ranges picked the far strike end.
  EXPECT_NEAR(SenseAngleFromStrike(Rad(45), Rad(30), "S"), Rad(60), kRowTol);
  EXPECT_NEAR(SensedPitchPlusOffset(0, Rad(30), "W", Rad(90)), Rad(30), kRowTol);

  EXPECT_NEAR(LineFromPlungeInPlane(Rad(40), Rad(90), Rad(40), "N").trend, Rad(90), kRowTol);
  EXPECT_NEAR(LineFromPlungeInPlane(Rad(90), Rad(90), Rad(30), "S").trend, Rad(180), kRowTol);
  // Regression: the error was a negative trend, and -0 is not negative.
  const PlungeInPlaneResult steep = LineFromPlungeInPlane(Rad(30), 0, Rad(50), "N");
  EXPECT_TRUE(steep.steeperThanDip);
  EXPECT_NEAR(steep.excess, Rad(20), kRowTol);
}

// The sense names the strike end the pitch is measured from: N up to 45, E
// up to 135, S up to 225, W beyond. A strike exactly on a boundary falls the
// same way whichever dip direction (and so whichever rounding) gave it.
TEST(LinesInPlanesPitchSense, StrikeOnABoundaryFallsByTheRule) {
  struct Row {
    double dipDirection;  // degrees
    double strikeEnd;     // the strike end the line lies near
    const char* sense;
  };
  const Row rows[] = {
      {135, 45, "N"},  {315, 45, "N"},  {225, 135, "E"}, {45, 135, "E"},
      {315, 225, "S"}, {135, 225, "S"}, {45, 315, "W"},  {225, 315, "W"},
      {134, 44, "N"},  {136, 46, "E"},  {0, 270, "W"},   {90, 0, "N"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.dipDirection);
    // A line 30 degrees down the plane from the strike end, and the strike
    // line itself.
    const double dip = Rad(40);
    const Vec along{std::cos(Rad(row.strikeEnd)), std::sin(Rad(row.strikeEnd)), 0.0};
    const Vec down = VecOf(dip, Rad(row.dipDirection));
    for (const Vec& v : {std::cos(Rad(30)) * along + std::sin(Rad(30)) * down, along}) {
      const Line line{std::asin(v.d), std::atan2(v.e, v.n)};
      const PitchResult pitch =
          PitchOfLineInPlane(dip, Rad(row.dipDirection), line.angle, line.azimuth).value();
      EXPECT_EQ(pitch.sense, row.sense);
    }
  }
}

TEST(LinesInPlanesRandom, LinesLieInThePlaneWithTheirHadePitchOrPlunge) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<> u(0.0, 1.0);
  for (int i = 0; i < 4000; ++i) {
    const double dip = Rad(1 + 88 * u(rng)), dd = kTwoPi * u(rng);
    const Vec pole = PoleOf(dip, dd);

    // Hade, also in very low dips and within 1e-9..1e-2 of a multiple of 90
    // degrees, where the closed form has few digits left.
    const double lowDip = i % 2 ? dip : std::pow(10.0, -7.0 + 7.0 * u(rng));
    const double offset = std::pow(10.0, -9.0 + 7.0 * u(rng)) * (u(rng) < 0.5 ? -1 : 1);
    const double hade = i % 4 < 2 ? kTwoPi * u(rng) : (i % 3) * kHalfPi + offset;
    EXPECT_LT(Gap(VecOf(LineFromHadeInPlane(lowDip, dd, hade)), LineAtHade(lowDip, dd, hade)),
              kHadeTol)
        << lowDip << " " << dd << " " << hade;

    // Every sense measures its angle from the strike end nearer to it.
    const int k = i % 16;
    const Vec end = StrikeEndNearer(dd, SenseAzimuth(k));
    const double angle = kHalfPi * u(rng);
    const double sensed = SenseAngleFromStrike(dd, angle, kSenses[k]);
    EXPECT_NEAR(AngleOf(LineAtHade(dip, dd, sensed), end), angle, kRowTol) << kSenses[k];

    if (k % 2 == 1 || std::fabs(std::cos(SenseAzimuth(k) - dd)) > 0.999999) continue;
    // Pitch (eight-point senses): in the plane, that angle from the sensed
    // strike end, and read back.
    const double pitch = kHalfPi * u(rng) * (u(rng) < 0.5 ? -1 : 1);
    const Line byPitch = LineFromPitchInPlane(dip, dd, pitch, kSenses[k]).line;
    const Vec v = VecOf(byPitch);
    EXPECT_NEAR(Dot(v, pole), 0.0, kRowTol);
    EXPECT_NEAR(AngleOf(pitch < 0 ? -v : v, end), std::fabs(pitch), kRowTol);
    const std::optional<PitchResult> back =
        PitchOfLineInPlane(dip, dd, byPitch.angle, byPitch.azimuth);
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->pitch, byPitch.angle == 0 ? std::fabs(pitch) : pitch, kPitchTol);

    // Plunge: within the search tolerance of the plane, toward the sensed end.
    const double plunge = Rad(0.02) + (dip - Rad(0.04)) * u(rng);
    const PlungeInPlaneResult byPlunge = LineFromPlungeInPlane(dip, dd, plunge, kSenses[k]);
    ASSERT_FALSE(byPlunge.steeperThanDip);
    const Vec w = VecOf(plunge, byPlunge.trend);
    EXPECT_LT(std::asin(std::fabs(Dot(w, pole))), kSearchTol);
    EXPECT_GE(Dot(w, end), -1e-12);
  }
}

}  // namespace
