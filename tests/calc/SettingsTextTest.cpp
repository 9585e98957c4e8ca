// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "calc/SettingsText.h"

namespace Lodema {
namespace {

TEST(SettingsTextTest, LeadingNumber) {
  struct Row {
    const char* name;
    const char* text;
    bool found;
    double value;
    bool wholeText;
  };
  const Row rows[] = {
      {"Plain", "6048", true, 6048, true},        {"BlanksAround", "\t -3 ", true, -3, true},
      {"FractionOnly", "-.5", true, -0.5, true},  {"TrailingPoint", "5.", true, 5, true},
      {"Exponent", "1.5E2", true, 150, true},     {"ExponentWithoutDigits", "1e", true, 1, false},
      {"TrailingText", "12abc", true, 12, false}, {"CommaEndsNumber", "3,5", true, 3, false},
      {"LonePoint", ".", false, 0, false},
  };
  for (const Row& row : rows) {
    const LeadingNumber number = ReadLeadingNumber(row.text);
    EXPECT_EQ(number.found, row.found) << row.name;
    EXPECT_DOUBLE_EQ(number.value, row.value) << row.name;
    EXPECT_EQ(number.wholeText, row.wholeText) << row.name;
  }
}

// Guards huge exponents: they must read as out of range, not wrap to a small integer.
TEST(SettingsTextTest, HugeNumbersAreOutOfRange) {
  EXPECT_TRUE(std::isinf(ReadLeadingNumber("1e999").value));
  EXPECT_EQ(ReadLeadingNumber("1e-999").value, 0.0);
  EXPECT_FALSE(ReadStoredInteger("1e999", -32768, 32767, false).has_value());
  EXPECT_FALSE(ReadStoredInteger("-2147483649", -2147483647 - 1, 2147483647, false));
  EXPECT_EQ(ReadStoredInteger("-2147483648", -2147483647 - 1, 2147483647, false), -2147483648LL);
}

}  // namespace
}  // namespace Lodema
