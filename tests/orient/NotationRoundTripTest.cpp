// SPDX-License-Identifier: MIT
// Every input notation -> record -> every output notation -> record, for
// planes and lines, azimuth and quadrant bearings, "." and "," decimals.
// And seeded random text through every notation parser and formatter:
// nothing may crash, hang, or produce "nan", and results stay within their
// ranges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextFormatting.h"
#include "orient/TextParsing.h"
#include "tests/orient/NotationReading.h"

namespace {

using namespace OrientGeometry;
using namespace OrientGeometry::testing;
using Fields = std::vector<std::string>;

constexpr double kDegTol = 1e-9;  // degrees; the inputs carry at most two decimals
const double kAzimuths[] = {0,   0.5, 22.5,  44.75, 45,  45.5,  89.75, 90,    90.25, 134.5,  135,
                            180, 200, 224.5, 225,   270, 300.5, 314,   314.5, 315,   359.75, 360};

std::string Degrees(double value, DecimalMark comma) {
  return NumberText::FormatGeneral(value, DecimalChar(comma));
}

std::string Direction(double azimuth, bool quadrant, DecimalMark comma) {
  return quadrant ? AzimuthToQuadrantText(Degrees(azimuth, comma), comma) : Degrees(azimuth, comma);
}

// Expects the reading to hold (angle, azimuth) in degrees; 0 and 360 are one azimuth.
void ExpectReading(const std::optional<Orientation>& r, double angle, double azimuth,
                   const std::string& where) {
  ASSERT_TRUE(r) << where;
  EXPECT_NEAR(RadiansToDegrees(r->angle), angle, kDegTol) << where;
  const double gap = std::fmod(std::fabs(RadiansToDegrees(r->azimuth) - azimuth), 360.0);
  EXPECT_NEAR(std::min(gap, 360.0 - gap), 0.0, kDegTol) << where;
}

// A plane's fields as typed in its input convention (entry order).
Fields TypedPlane(double dip, double dipDirection, int convention, bool quadrant,
                  DecimalMark comma) {
  const std::string d = Degrees(dip, comma);
  const StrikeAndSense s = DipDirectionToStrikeAndSense(Degrees(dipDirection, comma), comma);
  const std::string strike = quadrant ? AzimuthToQuadrantText(s.strike, comma) : s.strike;
  switch (convention) {
    case 1:
      return {d, Direction(dipDirection, quadrant, comma)};
    case 2:
      return {Direction(dipDirection, quadrant, comma), d};
    case 3:
      return {strike, d, s.sense};
    case 4:
      return {d, s.sense, strike};
    case 5:
      return {d, strike};
    default:
      return {strike, d};
  }
}

// "30E" -> "30", "E" as the batch reader splits it; a "," decimal stops that
// reader, so such text is split at its trailing letters.
Fields NumberAndSense(const std::string& field, DecimalMark comma) {
  if (comma == DecimalMark::kPoint) {
    const std::optional<SuffixSplit> split = SplitCompassSuffix(field);
    if (split) return {split->number, split->compass};
    return {field, ""};
  }
  std::size_t n = field.size();
  while (n > 0 && std::isalpha(static_cast<unsigned char>(field[n - 1]))) --n;
  return {field.substr(0, n), field.substr(n)};
}

Fields SplitText(const std::string& text, const char* delimiter) {
  const Token first = ReadNextField(text, 1, delimiter);
  return {first.text, ReadNextField(text, first.position, delimiter).text};
}

TEST(NotationRoundTrip, Planes) {
  for (const DecimalMark comma : {DecimalMark::kPoint, DecimalMark::kComma}) {
    for (int inConv = 1; inConv <= 6; ++inConv) {
      for (int inQuad = 0; inQuad <= 1; ++inQuad) {
        for (double dip : {0.0, 12.25, 90.0}) {
          for (double dd : kAzimuths) {
            const Fields typed = TypedPlane(dip, dd, inConv, inQuad == 1, comma);
            const std::string where = "in " + std::to_string(inConv) + (inQuad ? "q " : " ") +
                                      typed[0] + "|" + typed[1] +
                                      (comma == DecimalMark::kComma ? " comma" : "");
            const std::optional<Orientation> in =
                ReadPlaneText(PlaneTextsFromFields(typed, inConv), inConv, inQuad, comma);
            ExpectReading(in, dip, dd, where);
            if (!in) continue;
            const std::string dipText = Degrees(RadiansToDegrees(in->angle), comma);
            const std::string ddText = Degrees(RadiansToDegrees(in->azimuth), comma);

            for (int outConv = 1; outConv <= 6; ++outConv) {
              for (int outQuad = 0; outQuad <= 1; ++outQuad) {
                const std::string text =
                    FormatPlaneText(dipText, "/", ddText, outConv, outQuad == 1, comma);
                Fields f = SplitText(text, "/");
                if (outConv == 3)
                  f = {f[0], NumberAndSense(f[1], comma)[0], NumberAndSense(f[1], comma)[1]};
                if (outConv == 4)
                  f = {NumberAndSense(f[0], comma)[0], NumberAndSense(f[0], comma)[1], f[1]};
                ExpectReading(
                    ReadPlaneText(PlaneTextsFromFields(f, outConv), outConv, outQuad, comma), dip,
                    dd, where + " -> " + std::to_string(outConv) + ": " + text);
              }
            }
          }
        }
      }
    }
  }
}

TEST(NotationRoundTrip, Lines) {
  for (const DecimalMark comma : {DecimalMark::kPoint, DecimalMark::kComma}) {
    for (int inOrder = 0; inOrder <= 1; ++inOrder) {
      for (int inQuad = 0; inQuad <= 1; ++inQuad) {
        for (double plunge : {-45.5, 0.0, 90.0}) {
          for (double trend : kAzimuths) {
            Fields typed = {Degrees(plunge, comma), Direction(trend, inQuad == 1, comma)};
            if (inOrder == 1) std::swap(typed[0], typed[1]);
            const std::string where =
                "in " + std::to_string(inOrder) + (inQuad ? "q " : " ") + typed[0] + "|" + typed[1];
            const std::optional<Orientation> in =
                ReadLineText(LineTextsFromFields(typed, inOrder), inQuad, comma);
            ExpectReading(in, plunge, trend, where);
            if (!in) continue;

            for (int outOrder = 0; outOrder <= 1; ++outOrder) {
              for (int outQuad = 0; outQuad <= 1; ++outQuad) {
                const std::string text =
                    FormatLineText(Degrees(RadiansToDegrees(in->angle), comma), ";",
                                   Degrees(RadiansToDegrees(in->azimuth), comma), outOrder == 1,
                                   outQuad == 1, comma);
                ExpectReading(ReadLineText(LineTextsFromFields(SplitText(text, ";"), outOrder),
                                           outQuad, comma),
                              plunge, trend, where + " -> " + text);
              }
            }
          }
        }
      }
    }
  }
}

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
    ExpectNoNan(RadiansToWholeDegreesText(v), text);
    ExpectAzimuthOrEmpty(
        QuadrantToAzimuthText("N" + text + "E",
                              round % 2 != 0 ? DecimalMark::kComma : DecimalMark::kPoint)
            .value_or(""),
        text);
  }
}

}  // namespace
