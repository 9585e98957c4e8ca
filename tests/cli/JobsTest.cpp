// lodema-batch --jobs: the rows shared out to several workers give the very
// bytes of a run row after row, on files long enough to span many blocks.
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "tests/cli/ToolInFolder.h"

namespace {

struct ToolRun {
  int status = -1;
  std::string out;  // the output file, or standard output for --out -
  std::string err;
  std::string plot;  // plot.svg, when the run wrote one
  bool operator==(const ToolRun&) const = default;
};

// Seeded rows of six fields with everything a real file holds besides
// data: comments, blank and blank-only lines, a text header, angles out of
// range (rejected), sense letters after a dip, decimals, missing fields,
// CR LF and LF line ends, and no line end after the last line.
std::string MixedRows(int rows, unsigned seed, int fields = 6) {
  std::mt19937 random(seed);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const char* senses[] = {"NE", "SW", "E", "n", "X"};
  std::string text = "dip\tdir'n\tdip\tdir'n\tangle\tother\r\n";
  for (int i = 0; i < rows; ++i) {
    switch (pick(0, 19)) {
      case 0:
        text += "* field note " + std::to_string(i);
        break;
      case 1:
        text += "";
        break;
      case 2:
        text += "   \t ";
        break;
      case 3:
        text += "dip\tdirection";
        break;
      case 4:
        text += "95\t400\t10\t20\t30\t40";
        break;
      case 5:
        text += std::to_string(pick(1, 89)) + senses[pick(0, 4)] + "\t" +
                std::to_string(pick(0, 359)) + "\t" + std::to_string(pick(1, 89));
        break;
      case 6:
        text += std::to_string(pick(1, 89)) + "\t" + std::to_string(pick(0, 359));
        break;
      case 7:
        text += std::to_string(pick(1, 89)) + ".5\t" + std::to_string(pick(0, 359)) + ".25\t" +
                std::to_string(pick(1, 89)) + "\t" + std::to_string(pick(0, 359)) + "\t" +
                std::to_string(pick(1, 89)) + "\t" + std::to_string(pick(0, 89));
        break;
      default:
        for (int field = 0; field < fields; ++field) {
          if (field > 0) text += '\t';
          text += std::to_string(field % 2 == 0 ? pick(-5, 89) : pick(0, 359));
        }
    }
    if (i + 1 < rows)
      text += std::array<const char*, 3>{"\r\n", "\n", "\r"}[static_cast<std::size_t>(pick(0, 2))];
  }
  return text;
}

class JobsTest : public Lodema::testing::ToolInFolderTest {
 protected:
  // Past a block of rows (a few thousand lines): the workers' blocks meet.
  void SetUp() override { Write("rows.txt", MixedRows(5000, 20260601u)); }

  // Runs the tool on rows.txt (from standard input when fromStdin).
  ToolRun Run(std::vector<std::string> args, const std::string& jobs, bool fromStdin = false,
              const std::string& out = "out.txt") {
    args.insert(args.end(), {"--jobs", jobs, "--out", out, "--in", fromStdin ? "-" : "rows.txt"});
    std::remove(folder_.File("out.txt").c_str());
    std::remove(folder_.File("plot.svg").c_str());
    ToolRun run;
    run.status = RunTool(args, "< rows.txt > stdout.txt 2> stderr.txt");
    run.out = Read(out == "out.txt" ? "out.txt" : "stdout.txt");
    run.err = Read("stderr.txt");
    run.plot = Read("plot.svg");
    return run;
  }
};

TEST_F(JobsTest, EveryCalculationGivesTheSameBytes) {
  for (int calculation = 0; calculation <= 41; ++calculation) {
    SCOPED_TRACE("calculation " + std::to_string(calculation));
    const std::vector<std::string> args = {"--calc",         std::to_string(calculation),
                                           "--headings",     "--captions",
                                           "--retain-input", "--keep-nondata"};
    const ToolRun serial = Run(args, "1");
    const ToolRun shared = Run(args, "4");
    // A run without a data row leaves no output file behind.
    if (serial.status == 0) {
      EXPECT_FALSE(serial.out.empty());
    }
    EXPECT_EQ(serial.status, shared.status);
    EXPECT_EQ(serial.err, shared.err);
    EXPECT_TRUE(serial.out == shared.out) << "outputs differ";
  }
}

// How a case runs: with a plot (the stereonet is fed in input order whatever
// the jobs: the same SVG and statistics, over rows that are rejected, not
// data, or of no result), from standard input, with six jobs (which also
// place the symbols for the stereonet) rather than three.
constexpr int kPlot = 1;
constexpr int kStdin = 2;
constexpr int kSixJobs = 4;

struct SharedCase {
  const char* name;
  int how;
  std::vector<std::string> args;
};

TEST_F(JobsTest, OptionsPlotsAndStatisticsGiveTheSameBytes) {
  // clang-format off
  const SharedCase cases[] = {
      {"results only", 0, {"--calc", "0"}},
      {"results first, input headers", 0,
       {"--calc", "0", "--headings", "--retain-input", "--results-first", "--keep-nondata",
        "--input-headers"}},
      {"strike, dip and sense in, suffix split", 0,
       {"--calc", "15", "--set", "PlaneConvIn=3", "--retain-input", "--keep-nondata"}},
      {"dip, sense, strike in; quadrant out", 0,
       {"--calc", "1", "--set", "PlaneConvIn=4", "--set", "QuadrantOut=1", "--captions"}},
      {"standard input", kStdin, {"--calc", "0", "--retain-input", "--keep-nondata"}},
      {"pitch with sense", kStdin, {"--calc", "9", "--delimiter", "any", "--retain-input"}},
      {"apparent dip columns", 0, {"--calc", "0", "--fix", "12=045", "--app-dip-columns"}},
      {"intersections as points", kPlot, {"--calc", "0"}},
      {"planes A and B as great circles, equal angle", kPlot,
       {"--calc", "0", "--plot-show", "result,A,B", "--plot-type", "angle", "--axes", "3"}},
      {"planes as poles with statistics and contours", kPlot,
       {"--calc", "0", "--plot-show", "result,A,B", "--planes-as", "poles", "--stats",
        "--contour"}},
      {"result planes as great circles", kPlot, {"--calc", "5", "--stats"}},
      {"standard input, strike and dip", kPlot | kStdin, {"--calc", "1", "--set", "PlaneConvIn=3"}},
      {"core calculation with its cones", kPlot, {"--calc", "24", "--plot-show", "result,A,B,C,D"}},
      {"core calculation, windows only", kPlot,
       {"--calc", "25", "--plot-show", "A,B,C,D", "--stats"}},
      {"six jobs: points, with statistics", kPlot | kSixJobs, {"--calc", "0", "--stats"}},
      {"six jobs: planes as poles", kPlot | kSixJobs,
       {"--calc", "0", "--plot-show", "result,A,B", "--planes-as", "poles"}},
      {"six jobs: equal angle, great circles and points", kPlot | kSixJobs,
       {"--calc", "0", "--plot-show", "result,A", "--plot-type", "angle"}},
  };
  // clang-format on
  for (const SharedCase& c : cases) {
    SCOPED_TRACE(c.name);
    // Past several block boundaries, each a chance for a row's data to go
    // astray; calculations 24 and 25 read nine columns.
    const bool nine = c.args[1] == "24" || c.args[1] == "25";
    const unsigned seed = (c.how & kSixJobs) ? 20260604u
                          : nine             ? 20260602u
                          : (c.how & kPlot)  ? 20260603u
                                             : 20260601u;
    Write("rows.txt", MixedRows(13000, seed, nine ? 9 : 6));
    const bool plot = (c.how & kPlot) != 0;
    const bool fromStdin = (c.how & kStdin) != 0;
    std::vector<std::string> args = c.args;
    if (plot) args.insert(args.end(), {"--plot", "plot.svg", "--keep-nondata", "--retain-input"});
    const ToolRun serial = Run(args, "1", fromStdin);
    const ToolRun shared = Run(args, (c.how & kSixJobs) ? "6" : "3", fromStdin);
    if (plot) {
      EXPECT_EQ(serial.status, 0) << serial.err;
      EXPECT_NE(serial.plot.find("</svg>"), std::string::npos);
    } else if (serial.status == 0) {
      EXPECT_FALSE(serial.out.empty());  // a run without a data row leaves no output file
    }
    EXPECT_EQ(serial.status, shared.status);
    EXPECT_EQ(serial.err, shared.err);
    EXPECT_TRUE(serial.out == shared.out) << "outputs differ";
    EXPECT_TRUE(serial.plot == shared.plot) << "plots differ";
  }
}

// The first row of every block (4 096 lines) has as its line A the line B
// of the row before it, with the obtuse flag taken from a column: a row
// that let anything of the row before it into its own calculation would
// find parallel lines there.
std::string RowsCarryingIntoBlocks(int blocks) {
  std::string text;
  for (int block = 0; block < blocks; ++block) {
    for (int i = 0; i < 4096; ++i) {
      const std::string lineB = std::to_string(11 + block) + "\t" + std::to_string(301 + block);
      const std::string previousB = std::to_string(10 + block) + "\t" + std::to_string(300 + block);
      if (i == 0 && block > 0) {
        text += previousB + "\t60\t45\tN\r\n";
      } else if (i == 4095) {
        text += "20\t100\t" + lineB + "\tN\r\n";
      } else {
        text += "30\t120\t40\t200\tN\r\n";
      }
    }
  }
  return text;
}

TEST_F(JobsTest, ARowDependsOnItsOwnFieldsAlone) {
  Write("rows.txt", RowsCarryingIntoBlocks(7));
  const std::vector<std::string> args = {
      "--calc", "33", "--map", "1,2,0,3,4,0,5,0,0,0,0", "--retain-input", "--keep-nondata"};
  const ToolRun serial = Run(args, "1");
  const ToolRun shared = Run(args, "4");
  ASSERT_EQ(serial.status, 0) << serial.err;
  EXPECT_EQ(serial.err.find("could not be computed"), std::string::npos) << serial.err;
  EXPECT_EQ(serial.err, shared.err);
  EXPECT_TRUE(serial.out == shared.out) << "outputs differ";
}

TEST_F(JobsTest, FullDeviceIsReportedOnceEitherWay) {
  const std::vector<std::string> args = {"--calc", "0"};
  const ToolRun serial = Run(args, "1", false, "/dev/full");
  const ToolRun shared = Run(args, "4", false, "/dev/full");
  EXPECT_EQ(serial.status, 1);
  EXPECT_EQ(serial, shared);
  const std::string problem = "There has been a problem writing the output file.";
  const std::size_t first = serial.err.find(problem);
  ASSERT_NE(first, std::string::npos) << serial.err;
  EXPECT_EQ(serial.err.find(problem, first + 1), std::string::npos) << serial.err;
  EXPECT_NE(serial.err.find("lines could not be written"), std::string::npos) << serial.err;
}

}  // namespace
