// SPDX-License-Identifier: MIT
// Every input notation -> record -> every output notation -> record, for
// planes and lines, azimuth and quadrant bearings, "." and "," decimals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
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

}  // namespace
