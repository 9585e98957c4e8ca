// SPDX-License-Identifier: MIT
// lodema-batch --contour and --stats run as a program.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/ToolInFolder.h"

namespace {

using StatsEndToEndTest = Lodema::testing::ToolInFolderTest;

// Lines (calculation 16 returns the line typed): a cluster about 60/200 and
// a few about the horizontal E-W axis, given pointing both ways.
std::string ClusteredLines() {
  std::string rows;
  for (int i = 0; i < 30; ++i) {
    rows += std::to_string(55 + i % 10) + "\t" + std::to_string(190 + (i * 7) % 20) + "\r\n";
  }
  for (int i = 0; i < 8; ++i) rows += std::to_string(i % 4) + (i % 2 ? "\t090\r\n" : "\t270\r\n");
  return rows;
}

// The points of every <polygon> in the document, in plot units.
std::vector<std::vector<std::pair<double, double>>> Polygons(const std::string& svg) {
  std::vector<std::vector<std::pair<double, double>>> polygons;
  for (std::size_t at = svg.find("<polygon points=\""); at != std::string::npos;
       at = svg.find("<polygon points=\"", at + 1)) {
    const std::size_t start = at + 17;
    std::istringstream points(svg.substr(start, svg.find('"', start) - start));
    std::vector<std::pair<double, double>> polygon;
    double x, y;
    char comma;
    while (points >> x >> comma >> y) polygon.push_back({x, -y});
    polygons.push_back(polygon);
  }
  return polygons;
}

TEST_F(StatsEndToEndTest, ContoursAreDrawnUnderTheDataWithTheirLegend) {
  const struct {
    const char* name;
    std::vector<std::string> method;
    const char* title;
    const char* levelUnit;
    bool resultDrawn = true;
  } rows[] = {
      {"default", {}, ">Exponential Kamb</text>", "\xcf\x83</text>"},  // sigma
      {"kamb", {"kamb"}, ">Kamb</text>", "\xcf\x83</text>"},
      {"count", {"count"}, ">1% area count</text>", "\xc3\x97 uniform</text>"},
      // The result is counted even when it is not drawn.
      {"count, result hidden",
       {"count", "--plot-show", "A"},
       ">1% area count</text>",
       "\xc3\x97 uniform</text>",
       false},
  };
  for (const auto& row : rows) {
    std::vector<std::string> args = {"--calc",  "16",     "--in",    "in.txt",   "--out",
                                     "out.txt", "--plot", "net.svg", "--contour"};
    args.insert(args.end(), row.method.begin(), row.method.end());
    ASSERT_EQ(RunOn(args, ClusteredLines()), 0) << row.name << Read("stderr.txt");
    const std::string svg = Read("net.svg");
    const auto polygons = Polygons(svg);
    ASSERT_FALSE(polygons.empty()) << row.name;
    for (const auto& polygon : polygons) {
      EXPECT_GE(polygon.size(), 4u) << row.name;
      for (const auto& [x, y] : polygon) EXPECT_LE(std::hypot(x, y), 1000.5) << row.name;
    }
    // Under the data: every ring comes before the first Result symbol.
    EXPECT_LT(svg.rfind("<polygon"), svg.find("fill=\"#c00000\"")) << row.name;
    EXPECT_NE(svg.find(row.title), std::string::npos) << row.name;
    EXPECT_NE(svg.find(row.levelUnit), std::string::npos) << row.name;
    EXPECT_EQ(svg.find("fill=\"#c00000\"") != std::string::npos, row.resultDrawn) << row.name;
  }
}

// (The golden cases hold statistics after the summary.)
TEST_F(StatsEndToEndTest, ResultsOtherThanOrientationsLeaveNothingToDescribe) {
  // Calculation 2 gives angles.
  EXPECT_EQ(RunOn({"--calc", "2", "--in", "in.txt", "--out", "out.txt", "--stats"},
                  "30\t090\t40\t100\r\n"),
            0);
  EXPECT_NE(Read("stderr.txt").find("Statistics of the written results:\nNo planes or lines"),
            std::string::npos)
      << Read("stderr.txt");
}

}  // namespace
