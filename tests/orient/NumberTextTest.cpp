// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "orient/NumberText.h"

namespace {

using namespace NumberText;

constexpr DecimalMark kPoint = DecimalMark::kPoint;
constexpr DecimalMark kComma = DecimalMark::kComma;

bool HasLocale(const char* name) {
  try {
    std::locale probe(name);
    return true;
  } catch (...) {
    return false;
  }
}

TEST(TextToDouble, EitherSeparatorAndUnreadableText) {
  const struct {
    const char* text;
    DecimalMark comma;  // the locale's mark
    double value;
  } rows[] = {{"12.5", kPoint, 12.5}, {"12,5", kPoint, 12.5}, {"45.5", kComma, 45.5},
              {"45,5", kComma, 45.5}, {"-,5", kPoint, -0.5},  {" 7.25\t", kPoint, 7.25},
              {"+3", kComma, 3},      {"1.5e2", kPoint, 150}, {"1e-400", kPoint, 0},
              {"", kPoint, 0},        {"abc", kPoint, 0},     {"1.2.3", kComma, 0},
              {"1,2.3", kPoint, 0},   {"-", kPoint, 0},       {"1 2", kPoint, 0},
              {"inf", kPoint, 0},     {"nan", kPoint, 0},     {"0x10", kPoint, 0}};
  for (const auto& r : rows) EXPECT_EQ(TextToDouble(r.text, r.comma), r.value) << r.text;
}

// Guards against overflowing text read as infinity or a huge value.
TEST(TextToDouble, OverflowIsUnreadable) {
  EXPECT_EQ(TextToDouble("1e400", kPoint), 0.0);
  EXPECT_EQ(TextToDouble(std::string(400, '9'), kPoint), 0.0);
  EXPECT_EQ(TryTextToDouble("1e308", kPoint).value_or(0), 1e308);
}

// Guards against reading or writing through the process C locale.
TEST(TextToDouble, IndependentOfProcessLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no comma locale";
  EXPECT_EQ(TextToDouble("1.5", kPoint), 1.5);
  EXPECT_EQ(FormatGeneral(1.5, '.'), "1.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(IsNumberText, AcceptsTypedPrefixesOnly) {
  for (const char* text : {" -12.5 ", ".5", "-,5", "-", "+", ",", "30."}) {
    EXPECT_TRUE(IsNumberText(text)) << text;
  }
  for (const char* text : {"1.2.3", "1,2.3", "12-", "1e5", "", "  ", "1 2", "--1"}) {
    EXPECT_FALSE(IsNumberText(text)) << text;
  }
}

TEST(CountDecimalPlaces, DigitsAfterTheSeparator) {
  const std::pair<const char*, int> rows[] = {{"30", 0},     {"30.", 1},    {"30.25", 2},
                                              {"30,125", 3}, {"30.2x5", 1}, {"-0,50", 2},
                                              {".", 1},      {"", 0},       {"1,5.25", 2}};
  for (const auto& [text, places] : rows) EXPECT_EQ(CountDecimalPlaces(text), places) << text;
}

TEST(FormatGeneral, FifteenDigitsNoExponentNoTrailingZeros) {
  const struct {
    double value;
    char decimal;
    const char* text;
  } rows[] = {{22.5, '.', "22.5"},
              {315.5, ',', "315,5"},
              {0.5, '.', "0.5"},
              {360, '.', "360"},
              {-0.5, '.', "-0.5"},
              {1e-7, '.', "0.0000001"},
              {0.1 + 0.2, '.', "0.3"},
              {-0.0, '.', "0"},
              {1e20, '.', "100000000000000000000"},
              {1.0 / 3, '.', "0.333333333333333"},
              {1.5e300, '.', "1.5E+300"},
              {-2e-25, ',', "-2E-25"}};
  for (const auto& r : rows) EXPECT_EQ(FormatGeneral(r.value, r.decimal), r.text) << r.text;
  EXPECT_EQ(FormatGeneral(std::nan(""), '.'), "");
}

// Guards halves-to-even rounding against the floating-point rounding mode.
TEST(RoundHalfEven, HalvesToEvenInEveryRoundingMode) {
  const double rows[][2] = {{44.5, 44}, {45.5, 46},  {-44.5, -44}, {-45.5, -46},
                            {0.5, 0},   {2.4999, 2}, {44.51, 45},  {1e300, 1e300}};
  for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    for (const auto& r : rows) EXPECT_EQ(RoundHalfEven(r[0]), r[1]) << r[0] << " mode " << mode;
  }
  std::fesetround(FE_TONEAREST);
}

TEST(FileExists, RegularFilesAndWildcards) {
  char dirTemplate[] = "/tmp/lodema_fileexistsXXXXXX";
  const char* dir = mkdtemp(dirTemplate);
  ASSERT_NE(dir, nullptr);
  const std::string base(dir), file = base + "/data[1].txt";
  std::FILE* f = std::fopen(file.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(base + "/*.txt"));
  EXPECT_TRUE(FileExists(base + "/data?1?.txt"));
  EXPECT_FALSE(FileExists(base + "/data1.txt"));  // brackets are not a character set
  EXPECT_FALSE(FileExists(base + "/*.csv"));
  EXPECT_FALSE(FileExists(base));  // a directory is not a file
  EXPECT_FALSE(FileExists(""));
  std::remove(file.c_str());
  rmdir(dir);
}

TEST(LocaleDecimalMark, FollowsTheUserLocale) {
  const char* saved = std::getenv("LC_ALL");
  const std::string savedValue = saved ? saved : "";
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(LocaleDecimalMark(), kPoint);
  setenv("LC_ALL", "no_such_locale.UTF-8", 1);
  EXPECT_EQ(LocaleDecimalMark(), kPoint);  // an unusable locale falls back to "."
  if (HasLocale("de_DE.UTF-8")) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(LocaleDecimalMark(), kComma);
  }
  saved ? setenv("LC_ALL", savedValue.c_str(), 1) : unsetenv("LC_ALL");
}

}  // namespace
