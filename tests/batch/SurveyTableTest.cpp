// SPDX-License-Identifier: MIT
// Reading a drill-hole survey and its collars, and the points looked up in
// it, checked against directions and positions worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "batch/SurveyRows.h"
#include "batch/SurveyTable.h"
#include "calc/CoreConventions.h"
#include "calc/RowKernel.h"
#include "calc/SettingsIO.h"
#include "orient/Primitives.h"

namespace Lodema {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

SurveyReading Reading(const CoreConventions& core = {}, bool quadrant = false) {
  SurveyReading reading;
  reading.delimiterSet = "\t";
  reading.core = core;
  reading.quadrantIn = quadrant;
  return reading;
}

SurveyTable::Read ReadSurvey(const std::string& text, const SurveyReading& reading = Reading()) {
  TextLineReader lines(text);
  return SurveyTable::FromLines(lines, kDefaultSurveyColumns, reading);
}

// Plunge (positive down) and heading of a direction, degrees.
std::pair<double, double> PlungeHeading(const OrientGeometry::DirectionCosines& t) {
  double heading = std::atan2(t.east, t.north) / kDeg;
  if (heading < 0) heading += 360;
  return {std::asin(t.down) / kDeg, heading};
}

TEST(SurveyTable, StationsInAnyOrderGiveTheirOwnDirections) {
  const std::string rows[] = {"A\t0\t90\t60", "A\t100\t120\t50", "B\t30\t10\t80",
                              "A\t250\t130\t45"};
  const std::string inOrder = "hole\tdepth\tazimuth\tdip\n" + rows[0] + "\n" + rows[1] + "\n" +
                              rows[2] + "\n" + rows[3] + "\n";
  const std::string shuffled = rows[3] + "\n" + rows[2] + "\n" + rows[0] + "\n" + rows[1] + "\n";
  const SurveyTable::Read a = ReadSurvey(inOrder);
  const SurveyTable::Read b = ReadSurvey(shuffled);
  ASSERT_TRUE(a.table) << a.error;
  ASSERT_TRUE(b.table) << b.error;
  EXPECT_EQ(a.table->HoleCount(), 2);
  EXPECT_EQ(a.table->StationCount(), 4u);
  const struct {
    double depth, plunge, heading;
  } stations[] = {{0, 60, 90},
                  {100, 50, 120},
                  {250, 45, 130},
                  // Above the first station and below the last: straight.
                  {-5, 60, 90},
                  {400, 45, 130}};
  const int hole = *a.table->FindHole("A");
  for (const auto& s : stations) {
    const auto [plunge, heading] = PlungeHeading(a.table->PointAt(hole, s.depth).direction);
    EXPECT_NEAR(plunge, s.plunge, 1e-9) << s.depth;
    EXPECT_NEAR(heading, s.heading, 1e-9) << s.depth;
  }
  for (const double depth : {0.0, 37.5, 100.0, 180.0, 300.0}) {
    const auto p = a.table->PointAt(hole, depth).direction;
    const auto q = b.table->PointAt(*b.table->FindHole("A"), depth).direction;
    EXPECT_EQ(p.north, q.north);
    EXPECT_EQ(p.east, q.east);
    EXPECT_EQ(p.down, q.down);
  }
  // One station: a straight hole.
  const auto [plunge, heading] =
      PlungeHeading(a.table->PointAt(*a.table->FindHole("B"), 900).direction);
  EXPECT_NEAR(plunge, 80, 1e-9);
  EXPECT_NEAR(heading, 10, 1e-9);
}

// One hole typed under each set of drill-core conventions: the same
// directions.
TEST(SurveyTable, DipsAndAzimuthsReadUnderTheConventions) {
  const struct {
    const char* name;
    SurveyReading reading;
    const char* text;
  } cases[] = {
      {"plunge down positive", Reading(), "H\t0\t90\t60\nH\t50\t200\t-30\n"},
      {"plunge down negative", Reading({.downwardPlunge = DownwardCorePlunge::kNegative}),
       "H\t0\t90\t-60\nH\t50\t200\t30\n"},
      {"zenith", Reading({.inclination = CoreInclination::kZenith}),
       "H\t0\t90\t30\nH\t50\t200\t-60\n"},
      {"up-core trend", Reading({.upwardTrend = UpwardCoreTrend::kUpPlunge}),
       "H\t0\t90\t60\nH\t50\t20\t-30\n"},
      {"quadrant bearings", Reading({}, true), "H\t0\tS90E\t60\nH\t50\tS20W\t-30\n"},
  };
  for (const auto& c : cases) {
    const SurveyTable::Read read = ReadSurvey(c.text, c.reading);
    ASSERT_TRUE(read.table) << c.name << ": " << read.error;
    // Rising 30 degrees at the second station, heading 020.
    const auto [plunge, heading] = PlungeHeading(read.table->PointAt(0, 50).direction);
    EXPECT_NEAR(plunge, -30, 1e-9) << c.name;
    EXPECT_NEAR(heading, 20, 1e-9) << c.name;
  }
}

TEST(SurveyTable, BadSurveysAreNamed) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"H\t0\t90\t60\nH\t100\t90\t50\nH\t100\t95\t50\n",
       "hole H has two stations at depth 100 with different directions"},
      {"H\t0\t90\t60\nH\tten\t90\t60\n", "survey line 2: the depth 'ten' is not a number"},
      {"hole\tdepth\tazimuth\tdip\n", "the survey holds no stations"},
      {"", "the survey holds no stations"},
      {"H\t0\t400\t60\n", "survey line 1: the azimuth '400' is not a number from 0 to 360"},
      {"H\t0\t90\t95\n", "survey line 1: the dip '95' is not a number from -90 to 90"},
      {"H\t0\t90\n", "survey line 1: the dip '' is not a number from -90 to 90"},
      {"H\t0\t90\t60\nH\t10\t90\t-60\n", "hole H turns back on itself between depths 0 and 10"},
  };
  for (const auto& c : cases) {
    const SurveyTable::Read read = ReadSurvey(c.text);
    EXPECT_FALSE(read.table) << c.text;
    EXPECT_EQ(read.error, c.error);
  }
  SurveyReading commas = Reading();
  commas.delimiterSet = ",";
  EXPECT_EQ(ReadSurvey("H,0,90,60\n ,10,90,60\n", commas).error, "survey line 2: no hole name");
  // A station given twice is one station.
  const SurveyTable::Read twice = ReadSurvey("H\t0\t90\t60\nH\t0\t90\t60.0\n");
  ASSERT_TRUE(twice.table);
  EXPECT_EQ(twice.table->StationCount(), 1u);
}

// The textbook interval (zenith 15 and 25, azimuths 20 and 45, 100 apart)
// from a collar at 1000 E, 2000 N, 500 m: 19.45 east, 27.22 north and 94.01
// down at the lower station, then straight on.
TEST(SurveyTable, CollarPositions) {
  const SurveyReading zenith = Reading({.inclination = CoreInclination::kZenith});
  TextLineReader survey("DDH 1\t0\t20\t15\nDDH 1\t100\t45\t25\nX\t0\t0\t0\n");
  SurveyTable::Read read = SurveyTable::FromLines(survey, kDefaultSurveyColumns, zenith);
  ASSERT_TRUE(read.table) << read.error;
  TextLineReader collars("hole\teast\tnorth\televation\n DDH 1 \t1000\t2000\t500\nY\t1\t2\t3\n");
  ASSERT_EQ(read.table->AddCollars(collars, kDefaultCollarColumns, zenith), "");
  // Blanks around a hole name do not count; inner ones do.
  const std::optional<int> hole = read.table->FindHole("  DDH 1");
  ASSERT_TRUE(hole);
  EXPECT_FALSE(read.table->FindHole("DDH1"));
  EXPECT_FALSE(read.table->HoleHasCollar(*read.table->FindHole("X")));
  const auto at100 = *read.table->PointAt(*hole, 100).position;
  EXPECT_NEAR(at100[0], 1019.4508, 1e-4);
  EXPECT_NEAR(at100[1], 2027.2183, 1e-4);
  EXPECT_NEAR(at100[2], 500 - 94.0123, 1e-4);
  const auto at150 = *read.table->PointAt(*hole, 150).position;
  EXPECT_NEAR(at150[2], at100[2] - 50 * std::cos(25 * kDeg), 1e-9);
  EXPECT_NEAR(at150[0], at100[0] + 50 * std::sin(25 * kDeg) * std::sin(45 * kDeg), 1e-9);
  TextLineReader bad("DDH 1\t1000\t2000\tx\n");
  EXPECT_EQ(read.table->AddCollars(bad, kDefaultCollarColumns, zenith),
            "collar line 1: the elevation 'x' is not a number");
}

// The axis texts typed under each convention set read back, through the
// calculation's own reading, as the axis they were made from.
TEST(SurveyRows, TypedAxisReadsBackAsTheAxis) {
  const std::pair<const char*, std::string> settings[] = {
      {"CoreConv", "True"},    {"CoreConv", "False"}, {"ZenithConv", "True"},
      {"CoreUpTrend", "True"}, {"QuadrantIn", "1"},   {"LineConvIn", "1"}};
  const OrientGeometry::Line axes[] = {{60 * kDeg, 90 * kDeg},
                                       {-25 * kDeg, 200 * kDeg},
                                       {5.4321 * kDeg, 359.99999 * kDeg},
                                       {0, 10 * kDeg},
                                       {89 * kDeg, 0}};
  for (const auto& [key, value] : settings) {
    Settings s;
    SetSettingFromText(s, key, value);
    s.Calculation = 17;
    const RowSchema schema = MakeRowSchema(17, s, false, OrientGeometry::DecimalMark::kPoint);
    for (const OrientGeometry::Line& axis : axes) {
      const auto texts = TypedAxisTexts(axis, schema);
      EntryTexts boxes{"120", "40"};
      const bool trendFirst = schema.entries[6].role == BoxRole::kDirection;
      boxes[6] = texts[trendFirst ? 1 : 0];
      boxes[7] = texts[trendFirst ? 0 : 1];
      const ParsedRow parsed = ParseRow(boxes, schema);
      ASSERT_EQ(parsed.status, ParseStatus::kReady) << key << " " << texts[0] << " " << texts[1];
      const auto got = OrientGeometry::LineToDirectionCosines(parsed.inputs.geometry.c);
      const auto want = OrientGeometry::LineToDirectionCosines(axis);
      EXPECT_NEAR(got.north, want.north, 1e-6) << key << " " << texts[0] << " " << texts[1];
      EXPECT_NEAR(got.east, want.east, 1e-6) << key << " " << texts[0] << " " << texts[1];
      EXPECT_NEAR(got.down, want.down, 1e-6) << key << " " << texts[0] << " " << texts[1];
    }
  }
}

TEST(SurveyRows, RowsOfUnknownHolesAndBadDepthsAreRefused) {
  SurveyRun run;
  run.table = std::make_shared<const SurveyTable>(*ReadSurvey("DDH-1\t0\t90\t60\n").table);
  run.holeColumn = 1;
  run.depthColumn = 2;
  Settings s;
  s.Calculation = 17;
  const RowSchema schema = MakeRowSchema(17, s, false, OrientGeometry::DecimalMark::kPoint);
  SurveyRowFiller filler(run, schema);
  EntryTexts texts{};
  std::string reason;
  EXPECT_FALSE(filler.Fill({"DDH-7", "10"}, texts, reason));
  EXPECT_EQ(reason, "hole DDH-7 is not in the survey");
  for (const char* depth : {"", "x", "1e999", "12m"}) {
    EXPECT_FALSE(filler.Fill({"DDH-1", depth}, texts, reason)) << depth;
    EXPECT_EQ(reason, "depth is not a number");
  }
  ASSERT_TRUE(filler.Fill({" DDH-1 ", "12,5"}, texts, reason));
  EXPECT_EQ(texts[6], "60");
  EXPECT_EQ(texts[7], "90");
}

}  // namespace
}  // namespace Lodema
