// SPDX-License-Identifier: MIT
// lodema-batch --plot run as a program: the SVG holds one symbol per
// written row at its projected position.
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/ToolInFolder.h"

namespace {

struct Mark {
  double x;
  double y;
  bool operator==(const Mark&) const = default;
};

class PlotEndToEndTest : public Lodema::testing::ToolInFolderTest {
 protected:
  // Centres of the boxes ("rect", written as path steps) or circles filled
  // with `fill` left of the legend column, in plot units (the file writes y
  // negated). Elements take their fill from their group.
  std::vector<Mark> Marks(const std::string& svg, const std::string& tag,
                          const std::string& fill) const {
    std::vector<Mark> marks;
    std::string groupFill;
    std::istringstream lines(svg);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("<g ", 0) == 0) {
        const std::size_t at = line.find("fill=\"") + 6;
        groupFill = line.substr(at, line.find('"', at) - at);
      } else if (line == "</g>") {
        groupFill.clear();
      } else if (groupFill != fill) {
        continue;
      } else if (tag == "rect" && line.rfind("<path d=\"M", 0) == 0) {
        // Boxes: "Mx,yhWvHh-Wz" each, y negated.
        std::istringstream d(line.substr(9));
        char m, comma, h, v;
        double x, y, w, height;
        while (d >> m && m == 'M' && d >> x >> comma >> y >> h >> w >> v >> height) {
          d.ignore(64, 'z');
          if (x < 1100) marks.push_back({x + w / 2, -(y + height / 2)});
        }
      } else if (tag == "circle" && line.rfind("<circle ", 0) == 0) {
        auto number = [&line](const std::string& name) {
          return std::stod(line.substr(line.find(" " + name + "=\"") + name.size() + 3));
        };
        if (number("cx") < 1100) marks.push_back({number("cx"), -number("cy")});
      }
    }
    return marks;
  }
};

constexpr const char* kResultRed = "#c00000";
constexpr const char* kNavy = "#000080";

// Lines typed and returned by calculation 16 (line notation): each result
// is the typed line. The horizontal line of trend 000 is drawn too; the
// comment and the bad row are not.
TEST_F(PlotEndToEndTest, OneSymbolPerWrittenRowAtItsPosition) {
  const std::string input = "30\t090\r\n* note\r\n0\t000\r\n90\t000\r\nabc\tdef\r\n45\t225\r\n";
  const struct {
    const char* name;
    std::vector<std::string> extra;
    std::vector<Mark> marks;
  } rows[] = {
      {"equal area", {}, {{707, 0}, {0, 1000}, {0, 0}, {-383, -383}}},
      {"equal angle", {"--plot-type", "angle"}, {{577, 0}, {0, 1000}, {0, 0}, {-293, -293}}},
  };
  for (const auto& row : rows) {
    std::vector<std::string> args = {"--calc", "16",      "--in",   "in.txt",
                                     "--out",  "out.txt", "--plot", "net.svg"};
    args.insert(args.end(), row.extra.begin(), row.extra.end());
    EXPECT_EQ(RunOn(args, input), 0) << row.name << Read("stderr.txt");
    const std::string svg = Read("net.svg");
    EXPECT_EQ(Marks(svg, "rect", kResultRed), row.marks) << row.name;
    EXPECT_NE(svg.find(">Result</text>"), std::string::npos) << row.name;
    EXPECT_NE(svg.find(">n = 4</text>"), std::string::npos) << row.name;
    EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7) << row.name;
  }
}

TEST_F(PlotEndToEndTest, EntryPlanesAsPolesAndCircles) {
  const std::string input = "30\t090\t60\t180\r\n45\t010\t20\t300\r\n";
  EXPECT_EQ(RunOn({"--calc", "0", "--in", "in.txt", "--out", "out.txt", "--plot", "net.svg",
                   "--plot-show", "A", "--planes-as", "poles"},
                  input),
            0);
  std::string svg = Read("net.svg");
  // Poles of 30/090 and 45/010: 60/270 and 45/190 (r = sqrt(1 - cos 30) and so on).
  EXPECT_EQ(Marks(svg, "circle", kNavy), (std::vector<Mark>{{-366, 0}, {-94, -533}}));
  EXPECT_TRUE(Marks(svg, "rect", kResultRed).empty());

  EXPECT_EQ(RunOn({"--calc", "0", "--in", "in.txt", "--out", "out.txt", "--plot", "net.svg",
                   "--plot-show", "A,B", "--axes", "3"},
                  input),
            0);
  svg = Read("net.svg");
  std::size_t curves = 0;
  for (std::size_t at = svg.find("<polyline"); at != std::string::npos;
       at = svg.find("<polyline", at + 1)) {
    ++curves;
  }
  EXPECT_EQ(curves, 4u);
}

TEST_F(PlotEndToEndTest, UnwritablePlotFileFails) {
  EXPECT_EQ(RunOn({"--calc", "16", "--in", "in.txt", "--out", "out.txt", "--plot",
                   "no-such-folder/net.svg"},
                  "30\t090\r\n"),
            1);
  EXPECT_NE(Read("stderr.txt").find("cannot write the plot file 'no-such-folder/net.svg'"),
            std::string::npos);
  EXPECT_EQ(Read("out.txt"), "30\t090\r\n");  // the results are still written
}

}  // namespace
