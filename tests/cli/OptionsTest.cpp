// SPDX-License-Identifier: MIT
// lodema-batch's command line: usage errors, defaults, the help text, the
// plot options, and --version (which command lines ask for it, and the
// program's answer).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "LodemaVersion.h"
#include "cli/Options.h"
#include "tests/cli/ToolInFolder.h"

namespace Lodema {
namespace {

std::vector<std::string> Args(std::initializer_list<const char*> extra) {
  std::vector<std::string> args = {"--calc", "0", "--in", "in.txt", "--out", "out.txt"};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

struct ErrorRow {
  const char* name;
  std::vector<std::string> args;
  std::string error;
};

// (The golden cases hold a calculation out of range, an unknown setting and
// a setting's bad value.)
TEST(OptionsTest, UsageErrorsNameTheBadOption) {
  const ErrorRow rows[] = {
      {"unknown option", Args({"--colour"}), "unknown option '--colour'"},
      {"short map", Args({"--map", "1,2,3"}),
       "--map: '1,2,3' is not 11 comma-separated numbers of -1 or more"},
      {"fix slot", Args({"--fix", "13=Y"}),
       "--fix: '13=Y' is not SLOT=TEXT with an entry box SLOT of 0-12"},
      {"input headers alone", Args({"--retain-input", "--input-headers"}),
       "--input-headers needs --retain-input and --headings"},
      // Values the store would round or read leniently are not documented.
      {"large dip choice", Args({"--set", "SteepDip=32767"}),
       "--set: '32767' is not a valid value for SteepDip (0-2)"},
      {"negative reference", Args({"--set", "RefDirn=-32768"}),
       "--set: '-32768' is not a valid value for RefDirn (0-3)"},
      {"fractional notation", Args({"--set", "PlaneConvIn=3.5"}),
       "--set: '3.5' is not a valid value for PlaneConvIn (1-6)"},
      {"number for a switch", Args({"--set", "ShowPolaritySign=1e999"}),
       "--set: '1e999' is not a valid value for ShowPolaritySign (True or False)"},
      {"line break in a name", Args({"--set", "gPitchName=a\r\nb"}),
       "--set: 'a\r\nb' is not a valid value for gPitchName (a name without tabs, line breaks "
       "or other control characters)"},
      {"empty input delimiter", Args({"--delimiter", ""}),
       "--delimiter needs a delimiter text (tab, space, any or characters)"},
      {"empty output delimiter", Args({"--out-delimiter", ""}),
       "--out-delimiter needs a delimiter text (tab, space or characters)"},
      {"no workers", Args({"--jobs", "0"}), "--jobs: '0' is not a number of workers (1-256)"},
      {"workers not a number", Args({"--jobs", "all"}),
       "--jobs: 'all' is not a number of workers (1-256)"},
      {"too many workers", Args({"--jobs", "100000"}),
       "--jobs: '100000' is not a number of workers (1-256)"},
      {"survey column zero", Args({"--hole-column", "0"}),
       "--hole-column: '0' is not a column number (1 or more)"},
      {"digit output delimiter", Args({"--out-delimiter", "1"}),
       "--out-delimiter: The output delimiter holds \"1\", which results are written with: a "
       "value could not be told from the fields beside it. Choose tab, space or another "
       "character."},
      {"line break output delimiter", Args({"--out-delimiter", "\r\n"}),
       "--out-delimiter: The output delimiter holds a line break: every row would be split over "
       "two lines. Choose tab, space or a character."},
      // Regression: a second value silently replaced the first.
      {"second calculation", Args({"--calc", "1"}), "--calc is given more than once"},
      {"second output", Args({"--out=c.txt"}), "--out is given more than once"},
      {"plot detail without --plot", Args({"--axes", "2"}), "--axes needs --plot"},
      {"projection", Args({"--plot", "n.svg", "--plot-type", "wulff"}),
       "--plot-type must be 'area' or 'angle'"},
      {"planes", Args({"--plot", "n.svg", "--planes-as", "dots"}),
       "--planes-as must be 'circles' or 'poles'"},
      {"axes range", Args({"--plot", "n.svg", "--axes", "4"}), "--axes must be 0, 1, 2 or 3"},
      {"unknown kind", Args({"--plot", "n.svg", "--plot-show", "result,E"}),
       "--plot-show needs a list of result, A, B, C, D"},
      {"empty kind", Args({"--plot", "n.svg", "--plot-show", "A,"}),
       "--plot-show needs a list of result, A, B, C, D"},
      {"no plot file", Args({"--plot"}), "--plot needs an SVG file name"},
      {"contour without a plot", Args({"--contour", "kamb"}), "--contour needs --plot"},
      {"unknown contour method", Args({"--plot", "n.svg", "--contour", "schmidt"}),
       "--contour must be exp-kamb, kamb or count"},
      {"empty inline contour method", Args({"--plot", "n.svg", "--contour="}),
       "--contour must be exp-kamb, kamb or count"},
      {"stats with a value", Args({"--stats=yes"}), "--stats takes no value"},
  };
  for (const ErrorRow& row : rows) {
    SCOPED_TRACE(row.name);
    const CliParse parse = ParseCliArguments(row.args);
    EXPECT_FALSE(parse.options);
    EXPECT_EQ(parse.error, row.error);
  }
}

TEST(OptionsTest, FilesDefaultToTheStandardStreamsAndJobsToTheCores) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string output;
    bool quiet;
    int jobs = 0;  // as many as the cores
  };
  const Row rows[] = {
      {"neither given", {"--calc", "0"}, "-", "-", false},
      {"input only", {"--calc", "0", "--in", "a.txt"}, "a.txt", "-", false},
      {"output only, quiet", {"--quiet", "--calc", "0", "--out", "b.txt"}, "-", "b.txt", true},
      {"both named, jobs",
       {"--calc", "0", "--in=a.txt", "--out", "b.txt", "--jobs", "3"},
       "a.txt",
       "b.txt",
       false,
       3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const CliParse parse = ParseCliArguments(row.args);
    ASSERT_TRUE(parse.options) << parse.error;
    EXPECT_EQ(parse.options->input, row.input);
    EXPECT_EQ(parse.options->output, row.output);
    EXPECT_EQ(parse.options->quiet, row.quiet);
    EXPECT_EQ(parse.options->jobs, row.jobs);
  }
  EXPECT_EQ(ParseCliArguments({"--in", "a.txt"}).error, "--calc is required");
  EXPECT_EQ(ParseCliArguments({"--calc", "0", "--quiet=yes"}).error, "--quiet takes no value");
}

TEST(OptionsTest, HelpDocumentsEveryOption) {
  const CliParse parse = ParseCliArguments({"--in", "x", "--help"});
  ASSERT_TRUE(parse.options);
  EXPECT_TRUE(parse.options->help);
  const std::string help = HelpText();
  std::istringstream options(
      "--calc --in --out --set --delimiter --out-delimiter --map --fix --headings --captions "
      "--retain-input --results-first --keep-nondata --input-headers --app-dip-columns "
      "--ref-plane-columns --ambiguous-columns --second-result-columns --append --decimal-char "
      "--quiet --jobs --survey --hole-column --depth-column --survey-columns --collars "
      "--collar-columns --axis-columns --version "
      "Example");
  for (std::string option; options >> option;) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
  for (const char* option : {"--plot ", "--plot-type", "--planes-as", "--axes", "--plot-show",
                             "--contour", "exp-kamb", "--stats"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
    EXPECT_NE(UsageText().find(option), std::string::npos) << option;
  }
}

// (The defaults are drawn by the end-to-end plot tests.)
TEST(OptionsTest, PlotValues) {
  const CliParse all =
      ParseCliArguments(Args({"--plot=n.svg", "--plot-type", "angle", "--planes-as=poles", "--axes",
                              "3", "--plot-show", "a,Result,D"}));
  ASSERT_TRUE(all.options) << all.error;
  EXPECT_EQ(all.options->plotFile, "n.svg");
  EXPECT_TRUE(all.options->plotEqualAngle);
  EXPECT_TRUE(all.options->planesAsPoles);
  EXPECT_EQ(all.options->plotAxes, 3);
  EXPECT_EQ(all.options->plotShow, (std::array<bool, 5>{true, true, false, false, true}));
}

TEST(OptionsTest, ContourMethodIsOptionalAndStatsIsAFlag) {
  using M = Plot::DensityMethod;
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::optional<M> contour;
    bool stats;
  } rows[] = {
      {"neither", Args({"--plot", "n.svg"}), std::nullopt, false},
      {"bare --contour at the end", Args({"--plot", "n.svg", "--contour"}), M::kExponentialKamb,
       false},
      {"bare --contour before an option", Args({"--contour", "--stats", "--plot", "n.svg"}),
       M::kExponentialKamb, true},
      {"named", Args({"--plot", "n.svg", "--contour", "kamb"}), M::kKamb, false},
      {"inline", Args({"--plot", "n.svg", "--contour=count"}), M::kOnePercentArea, false},
      {"explicit default", Args({"--plot", "n.svg", "--contour", "exp-kamb"}), M::kExponentialKamb,
       false},
      {"stats without a plot", Args({"--stats"}), std::nullopt, true},
  };
  for (const auto& row : rows) {
    const CliParse parse = ParseCliArguments(row.args);
    ASSERT_TRUE(parse.options) << row.name << ": " << parse.error;
    EXPECT_EQ(parse.options->contour, row.contour) << row.name;
    EXPECT_EQ(parse.options->stats, row.stats) << row.name;
  }
}

struct VersionRow {
  const char* name;
  std::vector<std::string> arguments;
  bool asksForVersion;
};

TEST(VersionOptionTest, FirstOfVersionAndHelpWins) {
  const VersionRow rows[] = {
      {"alone", {"--version"}, true},
      {"among run options", {"--calc", "0", "--version", "--in", "a.txt"}, true},
      {"before --help", {"--version", "--help"}, true},
      {"after --help", {"--help", "--version"}, false},
      {"after -h", {"-h", "--version"}, false},
      {"no arguments", {}, false},
      {"a run", {"--calc", "0", "--in", "a.txt", "--out", "b.txt"}, false},
      {"only as part of a value", {"--in=--version", "--fix", "3=--version"}, false},
      {"single dash spelling", {"-version"}, false},
      {"with a value", {"--version=1"}, false},
  };
  for (const VersionRow& row : rows) {
    EXPECT_EQ(Lodema::AsksForVersion(row.arguments), row.asksForVersion) << row.name;
  }
}

using VersionOptionProgramTest = Lodema::testing::ToolInFolderTest;

TEST_F(VersionOptionProgramTest, ProgramPrintsOneLineAndSucceeds) {
  const std::string expected = std::string("lodema-batch ") + Lodema::kLodemaVersion + "\n";
  // A command line that would otherwise be a usage error still gets the
  // version: nothing else is checked first.
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--version"}, {"--calc", "99", "--version"}, {"--version", "--no-such-option"}}) {
    EXPECT_EQ(RunTool(args, "> out.txt 2>&1 < /dev/null"), 0) << args[0];
    EXPECT_EQ(Read("out.txt"), expected) << args[0];
  }
}

}  // namespace
}  // namespace Lodema
