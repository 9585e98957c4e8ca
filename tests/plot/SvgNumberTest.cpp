// SPDX-License-Identifier: MIT
// Numbers of the SVG plot: the bytes std::to_chars gives the value rounded
// to hundredths (whole numbers as integers), which the plot files written
// so far hold, for every value a plot meets and beyond.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "plot/SvgNumber.h"

namespace {

using Lodema::Plot::kSvgNumberRoom;
using Lodema::Plot::WriteSvgNumber;

std::string Written(double value) {
  char text[kSvgNumberRoom];
  return std::string(text, WriteSvgNumber(text, value));
}

// The plot's numbers as first written: general to_chars of the rounded double.
std::string Reference(double value) {
  char text[64];
  const long long whole = std::abs(value) < 1e15 ? static_cast<long long>(value) : 0;
  if (static_cast<double>(whole) == value) {
    return std::string(text, std::to_chars(text, text + sizeof text, whole).ptr);
  }
  const double rounded = std::isfinite(value) ? std::round(value * 100.0) / 100.0 : 0.0;
  return std::string(text,
                     std::to_chars(text, text + sizeof text, rounded == 0.0 ? 0.0 : rounded).ptr);
}

TEST(SvgNumber, NamedValues) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    double value;
    const char* text;
  } cases[] = {
      {"whole", 1100.0, "1100"},
      {"negative whole", -37.0, "-37"},
      {"zero", 0.0, "0"},
      {"negative zero", -0.0, "0"},
      {"rounds to zero from below", -0.004, "0"},
      {"rounds to zero from above", 0.0049, "0"},
      {"one decimal", 2.5, "2.5"},
      {"trailing zero dropped", 3.10, "3.1"},
      {"leading zero kept", 0.05, "0.05"},
      {"negative below one", -0.25, "-0.25"},
      {"rounds up to whole", 99.999, "100"},
      {"negative rounds to whole", -99.996, "-100"},
      {"half a hundredth away from zero", 0.125, "0.13"},
      {"negative half a hundredth", -0.125, "-0.13"},
      {"largest hundredths path", 9999.994, "9999.99"},
      {"rounds up to ten thousand", 9999.996, "10000"},
      {"beyond the hundredths path", 123456.789, "123456.79"},
      {"rounds to a large whole", 99999.999, "1e+05"},
      {"large whole", 123456.0, "123456"},
      {"negative large whole", -100000.0, "-100000"},
      {"largest digit by digit", 99999.0, "99999"},
      {"huge", 1.5e20, "1.5e+20"},
      {"not a number", std::nan(""), "0"},
      {"infinite", inf, "0"},
      {"negative infinite", -inf, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Written(c.value), c.text);
    EXPECT_EQ(Written(c.value), Reference(c.value));
  }
}

TEST(SvgNumber, SameBytesAsTheRoundedDoubleOverThePlot) {
  std::mt19937_64 random(20261206u);
  // Plot coordinates, small offsets and values around the path's limit.
  std::uniform_real_distribution<double> plot(-2500.0, 2500.0);
  std::uniform_real_distribution<double> small(-2.0, 2.0);
  std::uniform_real_distribution<double> edge(9990.0, 10010.0);
  for (int i = 0; i < 200000; ++i) {
    for (const double value : {plot(random), small(random), edge(random), -edge(random)}) {
      ASSERT_EQ(Written(value), Reference(value)) << value;
    }
  }
  // Exact hundredths and the halves between them, as sums of steps.
  for (int n = -300000; n <= 300000; ++n) {
    const double hundredths = n / 100.0;
    const double half = (n + 0.5) / 100.0;
    ASSERT_EQ(Written(hundredths), Reference(hundredths)) << n;
    ASSERT_EQ(Written(half), Reference(half)) << n;
  }
}

}  // namespace
