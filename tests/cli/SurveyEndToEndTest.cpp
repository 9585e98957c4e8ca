// SPDX-License-Identifier: MIT
// lodema-batch --survey: a log of holes and depths computed with the axis
// from the survey gives what the same log gives with the axis typed into
// its columns, the axis worked out here independently; the same bytes for
// any number of jobs; the usage errors and bad survey files named.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "calc/CoreConventions.h"
#include "calc/RowSchema.h"
#include "calc/SettingsIO.h"
#include "tests/cli/ToolInFolder.h"

namespace Lodema::testing {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

struct Station {
  double depth, plunge, heading;  // plunge positive down, degrees
};
// A hole curving to the right and flattening.
const Station kStations[] = {{0, 70, 100}, {80, 55, 130}, {200, 40, 165}};

struct Vec {
  double n, e, d;
};
Vec DirOf(double plunge, double heading) {
  return {std::cos(plunge * kDeg) * std::cos(heading * kDeg),
          std::cos(plunge * kDeg) * std::sin(heading * kDeg), std::sin(plunge * kDeg)};
}

// The axis at a depth by spherical interpolation between the stations.
std::pair<double, double> AxisAt(double depth) {
  std::size_t i = 0;
  while (i + 2 < std::size(kStations) && depth > kStations[i + 1].depth) ++i;
  const Station& a = kStations[i];
  const Station& b = kStations[i + 1];
  const double f = std::clamp((depth - a.depth) / (b.depth - a.depth), 0.0, 1.0);
  const Vec u = DirOf(a.plunge, a.heading);
  const Vec v = DirOf(b.plunge, b.heading);
  const double phi = std::acos(u.n * v.n + u.e * v.e + u.d * v.d);
  const double wa = std::sin((1 - f) * phi) / std::sin(phi);
  const double wb = std::sin(f * phi) / std::sin(phi);
  const Vec t{wa * u.n + wb * v.n, wa * u.e + wb * v.e, wa * u.d + wb * v.d};
  double heading = std::atan2(t.e, t.n) / kDeg;
  if (heading < 0) heading += 360;
  return {std::asin(t.d / std::sqrt(t.n * t.n + t.e * t.e + t.d * t.d)) / kDeg, heading};
}

// Six decimals at most, as a logger would type them: "40", not "40.000000".
std::string Number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string Bearing(double azimuth) {
  if (azimuth <= 90) return "N" + Number(azimuth) + "E";
  if (azimuth <= 180) return "S" + Number(180 - azimuth) + "E";
  if (azimuth <= 270) return "S" + Number(azimuth - 180) + "W";
  return "N" + Number(360 - azimuth) + "W";
}

// A downward axis as typed under the settings.
std::pair<std::string, std::string> Typed(double plunge, double heading, const Settings& s) {
  const CoreConventions core = CoreConventionsOf(s);
  double typed = core.inclination == CoreInclination::kZenith ? 90 - plunge : plunge;
  if (core.downwardPlunge == DownwardCorePlunge::kNegative) typed = -typed;
  return {Number(typed), s.QuadrantIn ? Bearing(heading) : Number(heading)};
}

// A value for each kind of box the calculation shows besides the axis.
std::string ValueFor(int box, EntryRule rule) {
  switch (rule) {
    case EntryRule::kRightAngle:
      return std::to_string(25 + 6 * box);
    case EntryRule::kQuadrant:
      return "N" + std::to_string(20 + 9 * box) + "E";
    case EntryRule::kSense:
      return "E";
    default:
      return std::to_string(100 + 11 * box);
  }
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  return fields;
}

class SurveyEndToEndTest : public ToolInFolderTest {};

TEST_F(SurveyEndToEndTest, SurveyAxisEqualsTheTypedAxis) {
  const std::vector<std::vector<std::pair<std::string, std::string>>> conventionSets = {
      {},
      {{"CoreConv", "False"}},
      {{"ZenithConv", "True"}, {"LineConvIn", "1"}},
      {{"QuadrantIn", "1"}, {"BottomMark", "False"}, {"EllipseBase", "True"}},
  };
  const double depths[] = {10, 45.5, 120, 199.9, 250};
  for (const int calc : {17, 18, 19, 20, 21, 22, 23, 37, 38, 39, 40, 41}) {
    for (const auto& set : conventionSets) {
      Settings s;
      std::vector<std::string> setArgs;
      for (const auto& [key, value] : set) {
        SetSettingFromText(s, key, value);
        setArgs.insert(setArgs.end(), {"--set", key + "=" + value});
      }
      std::string trace = "calculation " + std::to_string(calc);
      for (const std::string& arg : setArgs) trace += " " + arg;
      SCOPED_TRACE(trace);
      const RowSchema schema = MakeRowSchema(calc, s, false, OrientGeometry::DecimalMark::kPoint);
      std::string survey = "hole\tdepth\tazimuth\tdip\n";
      for (const Station& st : kStations) {
        const auto [dip, azimuth] = Typed(st.plunge, st.heading, s);
        survey += "C-1\t" + Number(st.depth) + "\t" + azimuth + "\t" + dip + "\n";
      }
      Write("survey.txt", survey);
      // Columns: hole, depth, the other boxes in order, then the axis.
      std::vector<int> map(11, 0);
      int column = 2;
      for (int box = 0; box < 11; ++box) {
        if (box != 6 && box != 7 && schema.entries[static_cast<std::size_t>(box)].shown) {
          map[static_cast<std::size_t>(box)] = ++column;
        }
      }
      std::string log;
      for (const double depth : depths) {
        log += "C-1\t" + Number(depth);
        for (int box = 0; box < 11; ++box) {
          if (map[static_cast<std::size_t>(box)] > 0) {
            log += "\t" + ValueFor(box, schema.entries[static_cast<std::size_t>(box)].rule);
          }
        }
        const auto [plunge, heading] = AxisAt(depth);
        const auto [p, t] = Typed(plunge, heading, s);
        log += "\t" + p + "\t" + t + "\n";
      }
      Write("log.txt", log);
      auto mapText = [&map] {
        std::string text;
        for (const int c : map) {
          if (!text.empty()) text += ',';
          text += std::to_string(c);
        }
        return text;
      };
      std::vector<std::string> args = {"--calc", std::to_string(calc), "--in", "log.txt"};
      args.insert(args.end(), setArgs.begin(), setArgs.end());
      std::vector<std::string> surveyArgs = args;
      surveyArgs.insert(surveyArgs.end(), {"--map", mapText(), "--survey", "survey.txt",
                                           "--hole-column", "1", "--depth-column", "2"});
      const bool trendFirst = schema.entries[6].role == BoxRole::kDirection;
      map[6] = trendFirst ? column + 2 : column + 1;
      map[7] = trendFirst ? column + 1 : column + 2;
      args.insert(args.end(), {"--map", mapText()});
      ASSERT_EQ(RunTool(surveyArgs, "> survey-out.txt 2> survey-err.txt"), 0)
          << Read("survey-err.txt");
      RunTool(args, "> axis-out.txt 2> axis-err.txt");
      EXPECT_EQ(Read("survey-err.txt"), Read("axis-err.txt"));
      std::stringstream surveyLines(Read("survey-out.txt"));
      std::stringstream axisLines(Read("axis-out.txt"));
      int lines = 0;
      for (std::string a, b; std::getline(surveyLines, a) && std::getline(axisLines, b); ++lines) {
        const std::vector<std::string> x = Split(a);
        const std::vector<std::string> y = Split(b);
        ASSERT_EQ(x.size(), y.size()) << a << " | " << b;
        for (std::size_t k = 0; k < x.size(); ++k) {
          char* endX = nullptr;
          char* endY = nullptr;
          const double vx = std::strtod(x[k].c_str(), &endX);
          const double vy = std::strtod(y[k].c_str(), &endY);
          if (*endX == '\r' && *endY == '\r' && endX != x[k].c_str()) {
            // The same angle, give or take the last shown decimal (and a
            // full turn).
            const double gap = std::fabs(vx - vy);
            EXPECT_TRUE(gap < 0.015 || std::fabs(gap - 360) < 0.015) << a << " | " << b;
          } else {
            EXPECT_EQ(x[k], y[k]) << a << " | " << b;
          }
        }
      }
      EXPECT_EQ(lines, 5);
    }
  }
}

// Holes of a long log, some unknown and some depths not numbers: the same
// bytes and summary with one job or several.
TEST_F(SurveyEndToEndTest, JobsGiveTheSameBytes) {
  std::string survey, collars, log;
  for (int hole = 0; hole < 40; ++hole) {
    const std::string name = "H" + std::to_string(hole);
    for (int station = 0; station < 6; ++station) {
      survey += name + "\t" + std::to_string(station * 50) + "\t" +
                std::to_string((hole * 37 + station * 11) % 360) + "\t" +
                std::to_string(40 + (hole + station * 7) % 50) + "\n";
    }
    collars +=
        name + "\t" + std::to_string(1000 + hole) + "\t" + std::to_string(5000 - hole) + "\t300\n";
  }
  for (int row = 0; row < 20000; ++row) {
    const int hole = (row / 97) % 43;  // holes 40-42 are not in the survey
    log += "H" + std::to_string(hole) + "\t" +
           (row % 331 == 0 ? std::string("n/a") : std::to_string((row * 7) % 400) + ".5") + "\t" +
           std::to_string((row * 13) % 360) + "\t" + std::to_string(5 + row % 80) + "\n";
  }
  Write("survey.txt", survey);
  Write("collars.txt", collars);
  Write("log.txt", log);
  const std::vector<std::string> common = {
      "--calc",         "17",         "--in",           "log.txt",
      "--survey",       "survey.txt", "--hole-column",  "1",
      "--depth-column", "2",          "--collars",      "collars.txt",
      "--axis-columns", "--captions", "--retain-input", "--keep-nondata",
      "--stats",        "--plot",     "net.svg"};
  std::vector<std::string> args = common;
  args.insert(args.end(), {"--jobs", "1"});
  ASSERT_EQ(RunTool(args, "> out1.txt 2> err1.txt"), 0) << Read("err1.txt");
  const std::string plot = Read("net.svg");
  args.back() = "3";
  ASSERT_EQ(RunTool(args, "> out3.txt 2> err3.txt"), 0);
  EXPECT_TRUE(Read("out1.txt") == Read("out3.txt"));
  EXPECT_EQ(Read("err1.txt"), Read("err3.txt"));
  EXPECT_TRUE(plot == Read("net.svg"));
  // 3 of 43 holes unknown, every 331st depth not a number.
  EXPECT_NE(Read("err1.txt").find("1221 rows could not be computed: depth is not a number"),
            std::string::npos)
      << Read("err1.txt");
  EXPECT_EQ(Read("out1.txt").substr(0, Read("out1.txt").find('\r')),
            "\t\t\t\tResult:dip\tResult:dir'n\tHole:easting\tHole:northing\tHole:elevation"
            "\tAxis:plunge\tAxis:trend");
}

TEST_F(SurveyEndToEndTest, UsageErrorsAndBadSurveys) {
  Write("log.txt", "H\t10\t30\t40\t60\t90\n");
  Write("survey.txt", "H\t0\t90\t60\nH\t0\t91\t60\n");
  Write("good.txt", "H\t0\t90\t60\n");
  const std::vector<std::string> base = {"--calc", "17", "--in", "log.txt"};
  const struct {
    std::vector<std::string> args;
    int status;
    const char* message;
  } cases[] = {
      // clang-format off
      {{"--survey", "good.txt"}, 2, "--survey needs --hole-column and --depth-column"},
      {{"--hole-column", "1"}, 2, "--hole-column needs --survey"},
      {{"--axis-columns"}, 2, "--axis-columns needs --survey"},
      {{"--survey", "good.txt", "--hole-column", "1", "--depth-column", "2", "--map",
        "3,4,0,0,0,0,5,6,0,0,0"}, 2,
       "--survey gives the core axis: --map must leave boxes 6 and 7 at 0"},
      {{"--survey", "good.txt", "--hole-column", "1", "--depth-column", "1"}, 2,
       "--hole-column and --depth-column name the same column"},
      {{"--survey", "good.txt", "--hole-column", "1", "--depth-column", "2", "--collar-columns",
        "1,2,3,4"}, 2, "--collar-columns needs --collars"},
      {{"--survey", "good.txt", "--hole-column", "1", "--depth-column", "2", "--survey-columns",
        "1,2,2,4"}, 2,
       "--survey-columns: '1,2,2,4' is not 4 different comma-separated column numbers"},
      {{"--survey", "good.txt", "--hole-column", "1", "--depth-column", "9"}, 2,
       "column 9 is beyond the 6 columns of the input"},
      {{"--survey", "survey.txt", "--hole-column", "1", "--depth-column", "2"}, 1,
       "lodema-batch: survey file 'survey.txt': hole H has two stations at depth 0 with "
       "different directions"},
      {{"--survey", "none.txt", "--hole-column", "1", "--depth-column", "2"}, 1,
       "lodema-batch: cannot open the survey file 'none.txt'"},
      // clang-format on
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = base;
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(RunTool(args, "> out.txt 2> err.txt"), c.status) << c.message;
    EXPECT_NE(Read("err.txt").find(c.message), std::string::npos) << Read("err.txt");
  }
  std::vector<std::string> other = {"--calc",        "0", "--survey",       "good.txt",
                                    "--hole-column", "1", "--depth-column", "2"};
  EXPECT_EQ(RunTool(other, "> out.txt 2> err.txt"), 2);
  EXPECT_NE(Read("err.txt").find("--survey: calculation 0 reads no core axis"), std::string::npos);
}

}  // namespace
}  // namespace Lodema::testing
