// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace {

using namespace OrientGeometry;

constexpr DecimalMark kPoint = DecimalMark::kPoint;
constexpr DecimalMark kComma = DecimalMark::kComma;

const double kNaN = std::numeric_limits<double>::quiet_NaN();

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
  EXPECT_EQ(RadiansToWholeDegreesText("abc", kPoint), "0");
  EXPECT_EQ(RadiansToWholeDegreesText("1,5707963267949", kPoint), "90");
}

TEST(AzimuthToQuadrantText, EveryQuadrantAndBoundary) {
  const struct {
    const char* azimuth;
    DecimalMark comma;
    const char* bearing;
  } rows[] = {{"45", kPoint, "N45E"},  {"135", kPoint, "S45E"}, {"180", kPoint, "S0E"},
              {"225", kPoint, "S45W"}, {"270", kPoint, "N90W"}, {"315", kPoint, "N45W"},
              {"360", kPoint, "N0W"},  {"0", kPoint, "N0E"},    {"22.5", kComma, "N22,5E"},
              {"90", kPoint, "N90E"},  {"-45", kPoint, "N45W"}, {" 157.3 ", kPoint, "S22.7E"},
              {"abc", kPoint, ""},     {"-", kPoint, ""},       {"1e2", kPoint, ""}};
  for (const auto& r : rows) {
    EXPECT_EQ(AzimuthToQuadrantText(r.azimuth, r.comma), r.bearing) << r.azimuth;
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

// Guards against stray separators or a made-up strike for unreadable azimuths.
}  // namespace
