#include <gtest/gtest.h>

#include "cli/Options.h"

namespace Lodema {
namespace {

std::vector<std::string> Args(std::initializer_list<const char*> extra) {
  std::vector<std::string> args = {"--calc", "0", "--in", "in.txt", "--out", "out.txt"};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

TEST(StatsOptionsTest, ContourMethodIsOptionalAndStatsIsAFlag) {
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

TEST(StatsOptionsTest, UsageErrors) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::string error;
  } rows[] = {
      {"contour without a plot", Args({"--contour", "kamb"}), "--contour needs --plot"},
      {"unknown method", Args({"--plot", "n.svg", "--contour", "schmidt"}),
       "--contour must be exp-kamb, kamb or count"},
      {"empty inline method", Args({"--plot", "n.svg", "--contour="}),
       "--contour must be exp-kamb, kamb or count"},
      {"stats with a value", Args({"--stats=yes"}), "--stats takes no value"},
  };
  for (const auto& row : rows) {
    const CliParse parse = ParseCliArguments(row.args);
    EXPECT_FALSE(parse.options) << row.name;
    EXPECT_EQ(parse.error, row.error) << row.name;
  }
}

TEST(StatsOptionsTest, HelpAndUsageDocumentThem) {
  for (const char* option : {"--contour", "exp-kamb", "--stats"}) {
    EXPECT_NE(HelpText().find(option), std::string::npos) << option;
    EXPECT_NE(UsageText().find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace Lodema
