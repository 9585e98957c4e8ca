// SPDX-License-Identifier: MIT
// Notation texts read (compass points, quadrant bearings, strikes and
// senses, data fields) and written (azimuths, bearings, strikes).
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "orient/Primitives.h"
#include "orient/TextFormatting.h"
#include "orient/TextParsing.h"

namespace {

using namespace OrientGeometry;

constexpr DecimalMark kPoint = DecimalMark::kPoint;
constexpr DecimalMark kComma = DecimalMark::kComma;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CompassPointAzimuth, TableAndOtherTexts) {
  const std::pair<const char*, int> rows[] = {{"ne", 45}, {"N", 360},   {"NNE", 23}, {"ESE", 113},
                                              {"S", 180}, {"SSW", 203}, {"W", 270},  {"nnw", 338}};
  for (const auto& [name, azimuth] : rows) {
    EXPECT_EQ(CompassPointAzimuth(name), azimuth) << name;
  }
  for (const char* bad : {"X", "", "NEE", " N", "\x1b"}) {
    EXPECT_EQ(CompassPointAzimuth(bad), std::nullopt) << bad;
    EXPECT_FALSE(IsCompassPointText(bad)) << bad;
  }
}

// A text, the decimal mark it is read or written with, and what it becomes.
struct Conversion {
  const char* text;
  DecimalMark comma;
  const char* converted;
};

// Junk bearings must not read as numbers (N30'E -> 0, S30#W -> 180,
// N30NE -> 330).
TEST(QuadrantToAzimuthText, BearingsOfEveryQuadrantAndJunk) {
  const Conversion rows[] = {
      {"N30E", kPoint, "30"},        {"N30W", kPoint, "330"},   {"S30E", kPoint, "150"},
      {"S30W", kPoint, "210"},       {"E30N", kPoint, "60"},    {"E30S", kPoint, "120"},
      {"W30N", kPoint, "300"},       {"W30S", kPoint, "240"},   {"N 30 E", kPoint, "30"},
      {"N100E", kPoint, "100"},      {"n30e", kPoint, "30"},    {"N0E", kPoint, "0"},
      {"S0W", kPoint, "180"},        {"N90W", kPoint, "270"},   {"N22,5E", kPoint, "22.5"},
      {"S12.25W", kComma, "192.25"}, {"N30E   ", kPoint, "30"}, {"N,5E", kPoint, "0.5"}};
  for (const auto& r : rows) {
    EXPECT_EQ(QuadrantToAzimuthText(r.text, r.comma), r.converted) << r.text;
  }
  for (const char* bad : {"N30", "30E", "", "N30'E", "N30-E", "N3/0E", "S30#W", "S30S", "N30NE",
                          "NE30E", "N-30E", "N E", "N3 0E", "N1e5E", "N.E"}) {
    EXPECT_EQ(QuadrantToAzimuthText(bad, kPoint), std::nullopt) << bad;
  }
  EXPECT_EQ(QuadrantToAzimuthText("N" + std::string(400, '9') + "E", kPoint), std::nullopt);
}

struct StrikeRow {
  const char* strike;
  const char* sense;
  const char* dipDirection;
};

// A sense along the strike selects strike - 90 (a fault gave 180 for 90 W).
TEST(StrikeAndSenseToDipDirectionText, SenseChoosesTheNearerSideOrStrikeLess90) {
  const StrikeRow rows[] = {{"45", "SE", "135"},    {"45", "NW", "315"},      {"45", "", "135"},
                            {"45", " ", "135"},     {"0", "W", "270"},        {"360", "E", "90"},
                            {"200", " nw ", "290"}, {"22,5", "ESE", "112.5"}, {"10", "SSW", "280"},
                            {"", "E", ""},          {"abc", "E", ""},         {"45", "X", ""},
                            {"90", "W", "0"},       {"90", "E", "0"},         {"180", "N", "90"},
                            {"0", "N", "270"},      {"270", "W", "180"},      {"45", "SW", "315"}};
  for (const auto& r : rows) {
    // "" in the table: no dip direction.
    EXPECT_EQ(StrikeAndSenseToDipDirectionText(r.strike, r.sense).value_or(""), r.dipDirection)
        << r.strike << " " << r.sense;
  }
}

TEST(SenseAlongStrike, OnlyALetterAlongTheStrikeLineIsATie) {
  const struct {
    const char* strike;
    const char* sense;
    bool along;
  } rows[] = {
      {"0", "N", true},   {"000", "s", true}, {"360", "S", true},   {"90", "E", true},
      {"090", "W", true}, {"45", "SW", true}, {"180,0", "n", true}, {"0", "E", false},
      {"0", "NE", false}, {"10", "N", false}, {"0.5", "N", false},  {"0", "", false},
      {"0", " ", false},  {"0", "X", false},  {"abc", "N", false},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SenseAlongStrike(r.strike, r.sense), r.along) << r.strike << " " << r.sense;
  }
}

// Guards against hangs and "nan" on enormous strikes and bearings.
TEST(StrikeAndSenseToDipDirectionText, HugeValuesStayInRange) {
  for (const char* text : {"1e300", "-1e300", "1000000000000000000000"}) {
    const std::string dd = StrikeAndSenseToDipDirectionText(text, "N").value_or("");
    ASSERT_FALSE(dd.empty()) << text;
    EXPECT_TRUE(std::stod(dd) >= 0 && std::stod(dd) <= 360) << text;
  }
  const std::string az = QuadrantToAzimuthText("N1000000000000000000000E", kPoint).value_or("");
  ASSERT_FALSE(az.empty());
  EXPECT_TRUE(std::stod(az) >= 0 && std::stod(az) <= 360);
}

TEST(SplitCompassSuffix, NumberAndSuffix) {
  const struct {
    const char* text;
    const char* number;
    const char* compass;
  } rows[] = {{"30NE", "30", "NE"},       {"30 NE", "30", "NE"}, {"  30", "30", ""},
              {"-12.5sw", "-12.5", "sw"}, {"", "", ""},          {"30NE ", "30", "NE"}};
  // (the last guards against a trailing blank spoiling the suffix)
  for (const auto& r : rows) {
    const std::optional<SuffixSplit> split = SplitCompassSuffix(r.text);
    ASSERT_TRUE(split.has_value()) << r.text;
    EXPECT_EQ(split->number, r.number) << r.text;
    EXPECT_EQ(split->compass, r.compass) << r.text;
  }
  for (const char* notCompass : {"30,5NE", "30- ", "30NX"}) {
    EXPECT_EQ(SplitCompassSuffix(notCompass), std::nullopt) << notCompass;
  }
}

TEST(FormatAzimuthText, ThreeWholeDigitsTwoDecimalsAtMost) {
  const std::pair<const char*, const char*> rows[] = {
      {"45", "045"},    {"7", "007"},    {"400", "400"},        {"45.678", "045.67"},
      {"5,5", "005,5"}, {".5", "000.5"}, {"359,999", "359,99"}, {" 0045 ", "045"},
      {"-5", "-005"},   {"-0", "000"},   {"abc", ""},           {"", ""},
      {"-", ""},        {"1.2.3", ""}};
  for (const auto& [text, formatted] : rows) EXPECT_EQ(FormatAzimuthText(text), formatted) << text;
  EXPECT_EQ(FormatAzimuthText(22.5, ','), "022,5");
  EXPECT_EQ(FormatAzimuthText(kNaN), "");
  EXPECT_EQ(FormatAzimuthText(1e300), "");
}

// Guards halves-to-even rounding of whole degrees from radians.
TEST(RadiansToWholeDegreesText, WholeDegreesHalvesToEven) {
  const auto radiansOf = [](double degrees) { return degrees * kPi / 180.0; };
  for (double half : {44.5, 45.5, 1.5}) ASSERT_EQ(RadiansToDegrees(radiansOf(half)), half);
  EXPECT_EQ(RadiansToWholeDegreesText(radiansOf(1.5)), "2");
  EXPECT_EQ(RadiansToWholeDegreesText(radiansOf(44.5)), "44");
  EXPECT_EQ(RadiansToWholeDegreesText(-kPi / 6), "-30");
  EXPECT_EQ(RadiansToWholeDegreesText(kNaN), "0");
}

TEST(AzimuthToQuadrantText, EveryQuadrantAndBoundary) {
  const Conversion rows[] = {
      {"45", kPoint, "N45E"},  {"135", kPoint, "S45E"}, {"180", kPoint, "S0E"},
      {"225", kPoint, "S45W"}, {"270", kPoint, "N90W"}, {"315", kPoint, "N45W"},
      {"360", kPoint, "N0W"},  {"0", kPoint, "N0E"},    {"22.5", kComma, "N22,5E"},
      {"90", kPoint, "N90E"},  {"-45", kPoint, "N45W"}, {" 157.3 ", kPoint, "S22.7E"},
      {"abc", kPoint, ""},     {"-", kPoint, ""},       {"1e2", kPoint, ""}};
  for (const auto& r : rows) {
    EXPECT_EQ(AzimuthToQuadrantText(r.text, r.comma), r.converted) << r.text;
  }
}

TEST(DipDirectionToStrikeAndSense, RightHandStrikeAndSenseLetter) {
  const struct {
    const char* dipDirection;
    DecimalMark comma;
    const char* strike;
    const char* sense;
  } rows[] = {{"135", kPoint, "45", "S"},      {"90", kPoint, "360", "E"},
              {"45.5", kPoint, "315.5", "E"},  {"134.5", kPoint, "44.5", "E"},
              {"225.5", kPoint, "135.5", "W"}, {"45", kPoint, "315", "N"},
              {"225", kPoint, "135", "S"},     {"314,5", kComma, "224,5", "N"},
              {"0", kPoint, "270", "N"},       {"450", kPoint, "360", "E"},
              {"", kPoint, "000", ""},         {"junk", kPoint, "000", ""}};
  for (const auto& r : rows) {
    const StrikeAndSense s = DipDirectionToStrikeAndSense(r.dipDirection, r.comma);
    EXPECT_EQ(s.strike, r.strike) << r.dipDirection;
    EXPECT_EQ(s.sense, r.sense) << r.dipDirection;
  }
}

}  // namespace
