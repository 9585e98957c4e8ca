// SPDX-License-Identifier: MIT
// The plain decimal reader the batch rows go through, against the general
// reader: the same accept/reject decision, the same
// double (bit for bit, zero's sign included), on edge and seeded text. And
// the general form's shortcut for whole numbers against the full writer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "orient/NumberText.h"

namespace {

using namespace NumberText;

bool SameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

::testing::AssertionResult SameReading(const std::string& text, DecimalMark comma) {
  const std::optional<double> full = TryTextToDouble(text, comma);
  double plain = 0.0;
  if (ReadPlainDecimal(text, plain)) {
    // What the plain reader takes is number text, with the general reader's value.
    if (!IsNumberText(text) || !full || !SameDouble(plain, *full)) {
      return ::testing::AssertionFailure() << "'" << text << "' read as plain " << plain;
    }
  }
  return ::testing::AssertionSuccess();
}

// Text from a small alphabet, biased towards the forms data files hold.
std::string RandomNumberText(std::mt19937_64& random) {
  static const std::string kAlphabet = "0123456789.,+- \teE\rxN";
  const int length = static_cast<int>(random() % 26);
  std::string text;
  switch (random() % 4) {
    case 0:  // anything
      for (int i = 0; i < length; ++i) text += kAlphabet[random() % kAlphabet.size()];
      break;
    case 1: {  // sign, digits, one separator somewhere
      if (random() % 3 == 0) text += random() % 2 ? '-' : '+';
      const int point = length > 0 ? static_cast<int>(random() % length) : 0;
      for (int i = 0; i < length; ++i) {
        if (i == point && random() % 2) text += random() % 2 ? '.' : ',';
        text += static_cast<char>('0' + random() % 10);
      }
      break;
    }
    case 2:  // digits only, leading zeros likely
      for (int i = 0; i < length; ++i)
        text += static_cast<char>('0' + (random() % 3 ? 0 : random() % 10));
      break;
    default:  // digits and separators only
      for (int i = 0; i < length; ++i) text += "0123456789.,"[random() % 12];
      break;
  }
  return text;
}

TEST(PlainDecimal, ReadsAsTheGeneralReaderOnEdgeText) {
  // clang-format off
  const std::vector<std::string> rows = {
      "", "0", "-0", "+0", "00", "-0.0", ",0", "0,", ".", ",", "-", "+", "+-1", "--1",
      "45", "045", "-045", "+45", "45.5", "45,5", "4.5.5", "4,5.5", "4.5,5", ".5", "-.5", "5.",
      "-5,", " 45", "45 ", "\t45\r\n", "4 5", "1e5", "1E-5", "1.5e2", "0x10", "inf", "nan",
      "9007199254740992", "9007199254740993", "900719925474099.3", "9999999999999999999",
      "99999999999999999999", "12345678901234567890", "0.0000000000000000001",
      "0.00000000000000000001", "1.7976931348623157e308", std::string(400, '9'),
      "0." + std::string(30, '0') + "1", "123456789012345678.9", "0.1", "0.2", "0.3", "2.675",
      "1.005", "359.9999999999999999"};
  // clang-format on
  for (const std::string& text : rows) {
    EXPECT_TRUE(SameReading(text, DecimalMark::kPoint));
    EXPECT_TRUE(SameReading(text, DecimalMark::kComma));
  }
}

TEST(PlainDecimal, ReadsAsTheGeneralReaderOnSeededText) {
  std::mt19937_64 random(20240601u);
  for (int i = 0; i < 200000; ++i) {
    const std::string text = RandomNumberText(random);
    ASSERT_TRUE(SameReading(text, i % 2 == 0 ? DecimalMark::kComma : DecimalMark::kPoint));
  }
}

::testing::AssertionResult SameText(double value, char decimal) {
  const std::string fast = FormatGeneral(value, decimal);
  const std::string full = FormatGeneralFull(value, decimal);
  if (fast == full) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << value << ": '" << fast << "' vs '" << full << "'";
}

TEST(FormatGeneralShortcut, WritesAsTheFullWriterOnEdgeValues) {
  using Limits = std::numeric_limits<double>;
  // clang-format off
  const double rows[] = {
      0.0, -0.0, 1.0, -1.0, 45.0, 360.0, 999999999999999.0, -999999999999999.0, 1e15, -1e15,
      1e15 + 2.0, 9007199254740992.0, 1e20, 1e21, 1e-20, 1e-21, 0.5, 44.5, 1.0 / 3.0,
      Limits::denorm_min(), Limits::max(), Limits::infinity(), -Limits::infinity(),
      Limits::quiet_NaN()};
  // clang-format on
  for (const double value : rows) {
    EXPECT_TRUE(SameText(value, '.'));
    EXPECT_TRUE(SameText(value, ','));
  }
}

TEST(FormatGeneralShortcut, WritesAsTheFullWriterOnSeededValues) {
  std::mt19937_64 random(20240602u);
  for (int i = 0; i < 200000; ++i) {
    double value = 0.0;
    switch (random() % 4) {
      case 0:  // whole numbers around the 15-digit limit and below
        value = static_cast<double>(static_cast<long long>(random() % 4000000000000000ULL) -
                                    2000000000000000LL) /
                static_cast<double>(1ULL << (random() % 50));
        value = std::round(value);
        break;
      case 1: {  // any bit pattern
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        break;
      }
      case 2:  // whole degrees, as results are shown
        value = static_cast<double>(static_cast<int>(random() % 1441) - 720);
        break;
      default:  // scaled fractions
        value =
            std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 140) - 100);
        break;
    }
    ASSERT_TRUE(SameText(value, i % 2 == 0 ? '.' : ','));
  }
}

}  // namespace
