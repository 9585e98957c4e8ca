// SPDX-License-Identifier: MIT
// The shortcuts of result formatting against their full paths, on edge
// inputs and on many seeded random ones: FormatAngleFixed's path for the
// plain text of FormatAngleGeneral, and FormatAngleWhole, which writes whole
// degrees in one step.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/CalculatorModel.h"

namespace Lodema {
namespace {

::testing::AssertionResult SameFixed(const std::string& value, int decimals, char decimalChar,
                                     bool pad) {
  const std::string fast = CalculatorModel::FormatAngleFixed(value, decimals, decimalChar, pad);
  const std::string full = CalculatorModel::FormatAngleFixedFull(value, decimals, decimalChar, pad);
  if (fast == full) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "'" << value << "' " << decimals << " '" << decimalChar
                                       << "' " << pad << ": '" << fast << "' vs '" << full << "'";
}

TEST(AngleTextShortcut, CutsAsTheFullPathOnEdgeText) {
  const std::vector<std::string> rows = {
      "",        "0",      "-0",
      "00",      "000",    "-000",
      "5",       "-5",     "45",
      "045",     "360",    "1234",
      "5.",      "-5.",    ".5",
      "-.5",     "0.0",    "-0.00",
      "-0.04",   "12.5",   "12,5",
      "-12.345", "0.999",  "1e5",
      "1.5E-20", "-2e-25", "1e300",
      " 45",     "45 ",    "4 5",
      "+45",     "+4.5",   "-",
      ".",       "1.2.3",  "abc",
      "-0.5",    "-00.5",  "-0.005",
      "7.0",     "7.10",   "12345678901234567890123456789012345678901"};
  for (const std::string& value : rows) {
    for (const int decimals : {-1, 0, 1, 2, 3}) {
      for (const char decimalChar : {'.', ','}) {
        EXPECT_TRUE(SameFixed(value, decimals, decimalChar, false));
        EXPECT_TRUE(SameFixed(value, decimals, decimalChar, true));
      }
    }
  }
}

TEST(AngleTextShortcut, CutsAsTheFullPathOnSeededText) {
  std::mt19937_64 random(20240603u);
  const std::string alphabet = "0123456789000-.,+ eE";
  for (int i = 0; i < 200000; ++i) {
    std::string value;
    const int length = static_cast<int>(random() % 12);
    if (random() % 2) {
      for (int k = 0; k < length; ++k) value += alphabet[random() % alphabet.size()];
    } else {
      // "[-]digits[.digits]" and near misses.
      if (random() % 3 == 0) value += '-';
      for (int k = 0; k < length; ++k) {
        value += static_cast<char>('0' + random() % 10);
        if (k == length / 2 && random() % 2) value += '.';
      }
    }
    const int decimals = static_cast<int>(random() % 5) - 1;
    ASSERT_TRUE(SameFixed(value, decimals, random() % 2 ? ',' : '.', random() % 2 == 0));
  }
}

::testing::AssertionResult SameWhole(double radians) {
  for (const bool pad : {false, true}) {
    const std::string fast = CalculatorModel::FormatAngleWhole(radians, pad);
    const std::string full =
        CalculatorModel::FormatAngleFixed(CalculatorModel::FormatAngleGeneral(radians, 0), 0, '.', pad);
    if (fast != full) {
      return ::testing::AssertionFailure()
             << radians << " pad " << pad << ": '" << fast << "' vs '" << full << "'";
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(AngleTextShortcut, WholeDegreesAsTheFullPathOnEdgeValues) {
  const double degree = 3.14159265358979 / 180.0;
  const double rows[] = {0.0,
                         -0.0,
                         0.5 * degree,
                         -0.5 * degree,
                         1.5 * degree,
                         -1.5 * degree,
                         44.5 * degree,
                         359.5 * degree,
                         360.0 * degree,
                         -360.0 * degree,
                         1e-300,
                         1e13,
                         -1e13,
                         1.7453292519943e13,
                         1e300,
                         std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()};
  for (const double radians : rows) EXPECT_TRUE(SameWhole(radians));
}

TEST(AngleTextShortcut, WholeDegreesAsTheFullPathOnSeededValues) {
  std::mt19937_64 random(20240604u);
  for (int i = 0; i < 200000; ++i) {
    double radians = 0.0;
    switch (random() % 3) {
      case 0:  // angles as calculations give them
        radians =
            (static_cast<double>(random() % 1440001) / 1000.0 - 720.0) * 3.14159265358979 / 180.0;
        break;
      case 1: {  // any bit pattern
        const std::uint64_t bits = random();
        std::memcpy(&radians, &bits, sizeof radians);
        break;
      }
      default:  // up to and beyond the 15-digit limit of the general form
        radians =
            std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 40) - 20);
        if (random() % 2) radians = -radians;
        break;
    }
    ASSERT_TRUE(SameWhole(radians));
  }
}

}  // namespace
}  // namespace Lodema
