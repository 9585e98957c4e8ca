// SPDX-License-Identifier: MIT
// The SVG plot: its elements, and its numbers, the bytes std::to_chars gives
// the value rounded to hundredths (whole numbers as integers), which the
// plot files written so far hold, for every value a plot meets and beyond.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "plot/SvgSurface.h"

namespace Lodema::Plot {
namespace {

std::string Drawn(const std::function<void(SvgSurface&)>& draw) {
  std::ostringstream out;
  {
    SvgSurface surface(out, {});
    draw(surface);
  }
  const std::string text = out.str();
  const std::size_t body = text.find(">\n", text.find("<svg")) + 2;
  return text.substr(body, text.rfind("</svg>") - body);
}

struct SvgRow {
  const char* name;
  std::function<void(SvgSurface&)> draw;
  std::string element;
};

TEST(SvgSurface, ElementsInPlotUnitsWithYFlipped) {
  const double quarter = 1.5707963267948966;
  // clang-format off
  const SvgRow rows[] = {
      {"line", [](SvgSurface& s) { s.Line({-50, 10}, {50.255, -20}); },
       "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"3\">\n"
       "<path d=\"M-50,-10L50.26,20\"/>\n</g>\n"},
      {"filled boxes share one group and one path", [](SvgSurface& s) {
         s.SetFill({true, {192, 0, 0}});
         s.Box({84, -66}, {116, -34});
         s.Box({0, 0}, {-1.5, 2});
         s.Box({10, 10}, {11.5, 12});
         s.Circle({0, 0}, 5);
       },
       "<g fill=\"#c00000\" stroke=\"#000000\" stroke-width=\"3\">\n"
       "<path d=\"M84,34h32v32h-32zM-1.5,-2h1.5v2h-1.5zM10,-12h1.5v2h-1.5z\"/>\n"
       "<circle cx=\"0\" cy=\"0\" r=\"5\"/>\n</g>\n"},
      {"open circle, wide dashed pen", [](SvgSurface& s) {
         s.SetPen({{0, 0, 128}, 2, LineStyle::kDash, PenMode::kCopy});
         s.Circle({0, 0}, 1000);
       },
       "<g fill=\"none\" stroke=\"#000080\" stroke-width=\"6\" stroke-dasharray=\"24,12\">\n"
       "<circle cx=\"0\" cy=\"0\" r=\"1000\"/>\n</g>\n"},
      {"a new pen colour opens a new group", [](SvgSurface& s) {
         s.Line({0, 0}, {1, 1});
         s.SetPen({{255, 0, 0}, 1, LineStyle::kSolid, PenMode::kCopy});
         s.Line({0, 0}, {1, 1});
       },
       "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"3\">\n<path d=\"M0,0L1,-1\"/>\n"
       "</g>\n<g fill=\"none\" stroke=\"#ff0000\" stroke-width=\"3\">\n"
       "<path d=\"M0,0L1,-1\"/>\n</g>\n"},
      {"quarter arc counter-clockwise from east to north",
       [quarter](SvgSurface& s) { s.Arc({0, 0}, 100, 0, quarter); },
       "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"3\">\n"
       "<path d=\"M100,0A100,100 0 0,0 0,-100\"/>\n</g>\n"},
      {"three-quarter arc takes the large flag",
       [quarter](SvgSurface& s) { s.Arc({0, 0}, 100, quarter, 0); },
       "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"3\">\n"
       "<path d=\"M0,-100A100,100 0 1,0 100,0\"/>\n</g>\n"},
      {"text escaped, centred, in the pen colour",
       [](SvgSurface& s) { s.Text({10, 20}, "A&B", 60, TextAnchor::kCentre); },
       "<g fill=\"#000000\">\n<text x=\"10\" y=\"-20\" font-family=\"sans-serif\" "
       "font-size=\"60\" dominant-baseline=\"central\" text-anchor=\"middle\">A&amp;B</text>\n"
       "</g>\n"},
      {"text that would run past the view box is set smaller to end inside it",
       [](SvgSurface& s) { s.Text({900, 0}, "Exponential Kamb", 70, TextAnchor::kLeft); },
       "<g fill=\"#000000\">\n<text x=\"900\" y=\"0\" font-family=\"sans-serif\" "
       "font-size=\"20.33\" dominant-baseline=\"central\" text-anchor=\"start\">Exponential "
       "Kamb</text>\n</g>\n"},
      {"centred text is bounded on its nearer side",
       [](SvgSurface& s) { s.Text({-1000, 0}, "Mean", 80, TextAnchor::kCentre); },
       "<g fill=\"#000000\">\n<text x=\"-1000\" y=\"0\" font-family=\"sans-serif\" "
       "font-size=\"68.49\" dominant-baseline=\"central\" text-anchor=\"middle\">Mean</text>\n"
       "</g>\n"},
      {"background covers the page", [](SvgSurface& s) { s.Clear(kLightGrey); },
       "<rect x=\"-1100\" y=\"-1100\" width=\"2200\" height=\"2200\" fill=\"#c0c0c0\"/>\n"},
  };
  // clang-format on
  for (const SvgRow& row : rows) EXPECT_EQ(Drawn(row.draw), row.element) << row.name;
}

TEST(SvgSurface, DocumentOpensWithTheViewBoxAndCloses) {
  std::ostringstream out;
  {
    SvgSurface surface(out, {-1100, -1100, 2800, 2200, 700});
    surface.Finish();
    surface.Finish();
  }
  const std::string text = out.str();
  EXPECT_NE(text.find("viewBox=\"-1100 -1100 2800 2200\""), std::string::npos);
  EXPECT_NE(text.find("width=\"700\" height=\"550\""), std::string::npos);
  EXPECT_EQ(text.find("</svg>"), text.size() - 7);
  EXPECT_EQ(text.find("</svg>"), text.rfind("</svg>"));
}

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
      {"zero", 0.0, "0"},
      {"negative zero", -0.0, "0"},
      {"rounds to zero from below", -0.004, "0"},
      {"rounds to zero from above", 0.0049, "0"},
      {"one decimal", 2.5, "2.5"},
      {"trailing zero dropped", 3.10, "3.1"},
      {"leading zero kept", 0.05, "0.05"},
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
      {"huge", 1.5e20, "1.5e+20"},
      {"not a number", std::nan(""), "0"},
      {"infinite", inf, "0"},
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
}  // namespace Lodema::Plot
