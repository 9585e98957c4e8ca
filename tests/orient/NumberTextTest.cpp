// SPDX-License-Identifier: MIT
// Number texts read and written. The plain decimal reader the batch rows go
// through is checked against the general reader (the same accept/reject
// decision, the same double bit for bit, zero's sign included), and the
// general form's shortcut for whole numbers against the full writer, on edge
// and seeded values.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <locale>
#include <optional>
#include <random>
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
  const double rows[][2] = {{44.5, 44},  {45.5, 46},   {-44.5, -44}, {-45.5, -46},
                            {0.5, 0},    {-0.5, 0},    {-0.3, 0},    {-1.7, -2},
                            {2.4999, 2}, {44.51, 45},  {-44.51, -45}, {1e300, 1e300}};
  for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    for (const auto& r : rows) EXPECT_EQ(RoundHalfEven(r[0]), r[1]) << r[0] << " mode " << mode;
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.0))) << "mode " << mode;
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
