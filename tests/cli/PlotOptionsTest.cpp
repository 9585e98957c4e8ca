// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "cli/Options.h"

namespace Lodema {
namespace {

std::vector<std::string> PlotArgs(std::initializer_list<const char*> extra) {
  std::vector<std::string> args = {"--calc", "0", "--in", "in.txt", "--out", "out.txt"};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

TEST(PlotOptionsTest, ValuesAndDefaults) {
  const CliParse plain = ParseCliArguments(PlotArgs({"--plot", "net.svg"}));
  ASSERT_TRUE(plain.options);
  EXPECT_EQ(plain.options->plotFile, "net.svg");
  EXPECT_FALSE(plain.options->plotEqualAngle);
  EXPECT_FALSE(plain.options->planesAsPoles);
  EXPECT_EQ(plain.options->plotAxes, 0);
  EXPECT_EQ(plain.options->plotShow, (std::array<bool, 5>{true, false, false, false, false}));

  const CliParse all =
      ParseCliArguments(PlotArgs({"--plot=n.svg", "--plot-type", "angle", "--planes-as=poles",
                                  "--axes", "3", "--plot-show", "a,Result,D"}));
  ASSERT_TRUE(all.options) << all.error;
  EXPECT_TRUE(all.options->plotEqualAngle);
  EXPECT_TRUE(all.options->planesAsPoles);
  EXPECT_EQ(all.options->plotAxes, 3);
  EXPECT_EQ(all.options->plotShow, (std::array<bool, 5>{true, true, false, false, true}));
}

TEST(PlotOptionsTest, UsageErrors) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::string error;
  } rows[] = {
      {"detail without --plot", PlotArgs({"--axes", "2"}), "--axes needs --plot"},
      {"projection", PlotArgs({"--plot", "n.svg", "--plot-type", "wulff"}),
       "--plot-type must be 'area' or 'angle'"},
      {"planes", PlotArgs({"--plot", "n.svg", "--planes-as", "dots"}),
       "--planes-as must be 'circles' or 'poles'"},
      {"axes range", PlotArgs({"--plot", "n.svg", "--axes", "4"}), "--axes must be 0, 1, 2 or 3"},
      {"unknown kind", PlotArgs({"--plot", "n.svg", "--plot-show", "result,E"}),
       "--plot-show needs a list of result, A, B, C, D"},
      {"empty kind", PlotArgs({"--plot", "n.svg", "--plot-show", "A,"}),
       "--plot-show needs a list of result, A, B, C, D"},
      {"no file", PlotArgs({"--plot"}), "--plot needs an SVG file name"},
  };
  for (const auto& row : rows) {
    const CliParse parse = ParseCliArguments(row.args);
    EXPECT_FALSE(parse.options) << row.name;
    EXPECT_EQ(parse.error, row.error) << row.name;
  }
}

TEST(PlotOptionsTest, HelpDocumentsThem) {
  for (const char* option : {"--plot ", "--plot-type", "--planes-as", "--axes", "--plot-show"}) {
    EXPECT_NE(HelpText().find(option), std::string::npos) << option;
    EXPECT_NE(UsageText().find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace Lodema
