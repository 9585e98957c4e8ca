// SPDX-License-Identifier: MIT
// Seeded random text through every notation parser and formatter: nothing
// may crash, hang, or produce "nan", and results stay within their ranges.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "orient/NumberText.h"
#include "orient/TextFormatting.h"
#include "orient/TextParsing.h"
#include "tests/orient/NotationReading.h"

namespace {

using namespace OrientGeometry;
using namespace OrientGeometry::testing;

// Characters that steer the parsers, plus a few hostile ones.
const std::string kAlphabet =
    std::string("0123456789012345.,.,+-eENSEWnsewX '#/;\t\r\n") + '\x1b' + '\0' + "\xff\x80";

std::string RandomText(std::mt19937& rng) {
  std::uniform_int_distribution<int> lengthPick(0, 12);
  int length = lengthPick(rng);
  if (length == 12) length = std::uniform_int_distribution<int>(12, 600)(rng);
  std::uniform_int_distribution<std::size_t> charPick(0, kAlphabet.size() - 1);
  std::string text;
  for (int i = 0; i < length; ++i) text += kAlphabet[charPick(rng)];
  return text;
}

// A readable azimuth in degrees, or "".
void ExpectAzimuthOrEmpty(const std::string& text, const std::string& input) {
  if (text.empty()) return;
  const auto value = NumberText::TryTextToDouble(text, DecimalMark::kPoint);
  ASSERT_TRUE(value.has_value()) << '"' << input << "\" gave \"" << text << '"';
  EXPECT_GE(*value, 0.0) << input;
  EXPECT_LE(*value, 360.0) << input;
}

void ExpectNoNan(const std::string& text, const std::string& input) {
  EXPECT_EQ(text.find("nan"), std::string::npos) << input;
  EXPECT_EQ(text.find("inf"), std::string::npos) << input;
}

TEST(NotationFuzz, RandomTextThroughEveryParser) {
  std::mt19937 rng(20240611u);
  for (int round = 0; round < 20000; ++round) {
    const std::string a = RandomText(rng);
    const std::string b = RandomText(rng);
    const DecimalMark comma = (round & 1) != 0 ? DecimalMark::kComma : DecimalMark::kPoint;

    EXPECT_TRUE(std::isfinite(NumberText::TextToDouble(a, comma))) << a;
    const int places = NumberText::CountDecimalPlaces(a);
    EXPECT_GE(places, 0);
    EXPECT_LE(places, static_cast<int>(a.size()));
    NumberText::IsNumberText(a);

    ExpectAzimuthOrEmpty(QuadrantToAzimuthText(a, comma).value_or(""), a);
    ExpectAzimuthOrEmpty(StrikeAndSenseToDipDirectionText(a, b, comma).value_or(""), a + "|" + b);
    IsCompassPointText(a);
    if (const std::optional<SuffixSplit> split = SplitCompassSuffix(a)) {
      EXPECT_LE(split->number.size(), a.size());
    }

    const std::string quadrant = AzimuthToQuadrantText(a, comma);
    ExpectNoNan(quadrant, a);
    if (!quadrant.empty()) {
      EXPECT_TRUE(quadrant[0] == 'N' || quadrant[0] == 'S') << a;
    }
    ExpectNoNan(FormatAzimuthText(a), a);
    const StrikeAndSense ss = DipDirectionToStrikeAndSense(a, comma);
    ExpectNoNan(ss.strike, a);
    for (int convention = 0; convention <= 7; ++convention) {
      ExpectNoNan(FormatPlaneText(b, "/", a, convention, round % 2 == 1, comma), a);
    }
    ExpectNoNan(FormatLineText(b, "/", a, round % 3 == 1, round % 2 == 1, comma), a);

    // Field splitting always moves forward and ends.
    const std::string delimiters = round % 4 == 0 ? " " : (round % 4 == 1 ? "" : b.substr(0, 3));
    int position = round % 3 - 1;  // also below 1
    std::size_t calls = 0;
    while (static_cast<std::size_t>(std::max(position, 1)) <= a.size()) {
      const Token t = ReadNextField(a, position, delimiters);
      ASSERT_GT(t.position, std::max(position, 1)) << "no progress splitting \"" << a << '"';
      position = t.position;
      ASSERT_LE(++calls, a.size() + 1);
    }

    const std::optional<Orientation> plane =
        ReadPlaneText({a, b, b.substr(0, 2)}, round % 6 + 1, round % 2, comma);
    if (plane) {
      EXPECT_TRUE(std::isfinite(plane->angle) && std::isfinite(plane->azimuth)) << a;
    }
    ReadLineText({b, a, ""}, round % 2, comma);
  }
}

TEST(NotationFuzz, RandomDoublesThroughFormatters) {
  std::mt19937_64 rng(7u);
  const double extremes[] = {0.0,      -0.0,    INFINITY,     -INFINITY, NAN,   DBL_MAX,
                             -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1e300,     -1e300};
  for (int round = 0; round < 20000; ++round) {
    double v;
    if (round < static_cast<int>(std::size(extremes))) {
      v = extremes[round];
    } else {
      const std::uint64_t bits = rng();
      std::memcpy(&v, &bits, sizeof v);
    }
    const std::string text = NumberText::FormatGeneral(v, round % 2 ? ',' : '.');
    ExpectNoNan(text, std::to_string(round));
    // 15 digits of DBL_MAX round above it, so the very largest are left out.
    if (std::isfinite(v) && std::fabs(v) >= DBL_MIN && std::fabs(v) < 1e308) {
      const auto back = NumberText::TryTextToDouble(
          text, round % 2 != 0 ? DecimalMark::kComma : DecimalMark::kPoint);
      ASSERT_TRUE(back.has_value()) << text;
      EXPECT_LE(std::fabs(*back - v), std::fabs(v) * 1e-14) << text;
    }
    const double r = NumberText::RoundHalfEven(v);
    if (std::isfinite(v)) {
      EXPECT_EQ(r, std::floor(r));
      EXPECT_LE(std::fabs(r - v), 0.5);
    }
    ExpectNoNan(FormatAzimuthText(v), text);
    ExpectNoNan(RadiansToAzimuthText(v), text);
    ExpectNoNan(RadiansToWholeDegreesText(v), text);
    ExpectAzimuthOrEmpty(
        QuadrantToAzimuthText("N" + text + "E",
                              round % 2 != 0 ? DecimalMark::kComma : DecimalMark::kPoint)
            .value_or(""),
        text);
  }
}

}  // namespace
