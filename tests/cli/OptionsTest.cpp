#include <gtest/gtest.h>

#include <sstream>

#include "cli/Options.h"

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

TEST(OptionsTest, UsageErrorsNameTheBadOption) {
  const ErrorRow rows[] = {
      {"unknown option", Args({"--colour"}), "unknown option '--colour'"},
      {"calculation out of range",
       {"--calc", "42", "--in", "a", "--out", "b"},
       "--calc: '42' is not a calculation number (0-41)"},
      {"unknown setting", Args({"--set", "FileOut=x"}), "--set: unknown key 'FileOut'"},
      {"setting value", Args({"--set", "PlaneConvIn=7"}),
       "--set: '7' is not a valid value for PlaneConvIn"},
      {"short map", Args({"--map", "1,2,3"}),
       "--map: '1,2,3' is not 11 comma-separated numbers of -1 or more"},
      {"fix slot", Args({"--fix", "13=Y"}),
       "--fix: '13=Y' is not SLOT=TEXT with an entry box SLOT of 0-12"},
      {"input headers alone", Args({"--retain-input", "--input-headers"}),
       "--input-headers needs --retain-input and --headings"},
      {"no workers", Args({"--jobs", "0"}), "--jobs: '0' is not a number of workers (1-256)"},
      {"workers not a number", Args({"--jobs", "all"}),
       "--jobs: 'all' is not a number of workers (1-256)"},
      {"too many workers", Args({"--jobs", "100000"}),
       "--jobs: '100000' is not a number of workers (1-256)"},
  };
  for (const ErrorRow& row : rows) {
    SCOPED_TRACE(row.name);
    const CliParse parse = ParseCliArguments(row.args);
    EXPECT_FALSE(parse.options);
    EXPECT_EQ(parse.error, row.error);
  }
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
      "--jobs "
      "Example");
  for (std::string option; options >> option;) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
}

TEST(OptionsTest, JobsDefaultToTheCoresAndTakeACount) {
  EXPECT_EQ(ParseCliArguments(Args({})).options->jobs, 0);
  EXPECT_EQ(ParseCliArguments(Args({"--jobs", "3"})).options->jobs, 3);
}

}  // namespace
}  // namespace Lodema
