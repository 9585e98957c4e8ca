// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/HeadingGuess.h"

namespace Lodema {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(HeadingGuess, TextOverNumbersIsAHeadingRow) {
  const struct {
    const char* name;
    Rows rows;
    bool headings;
  } cases[] = {
      {"names over angles", {{"Dip", "DipDir"}, {"30", "120"}, {"45.5", "200"}}, true},
      {"one named column is enough", {{"12", "Dip"}, {"5", "30"}, {"6", "40"}}, true},
      {"comma decimals and signs below", {{"Plunge"}, {"-12,5"}, {"+3"}}, true},
      {"quoted names", {{"\"Dip\"", " \"Az\" "}, {"30", "120"}}, true},
      {"comments and gaps below say nothing",
       {{"Dip", "Az"}, {"* field 3", ""}, {"30", ""}, {"", "120"}},
       true},
      {"all numbers", {{"30", "120"}, {"45", "200"}}, false},
      {"text in every row (sense letters, quadrants)",
       {{"N45E", "30", "SE"}, {"N50E", "35", "SE"}},
       false},
      {"text below the text", {{"Dip", "Az"}, {"30", "120"}, {"N", "x"}}, false},
      {"a single row", {{"Dip", "Az"}}, false},
      {"no rows", {}, false},
      {"a comment first", {{"; Dip", "Az"}, {"30", "120"}}, false},
      {"text over nothing", {{"Dip", "Az"}, {"", ""}, {"* end"}}, false},
      {"two points are no number", {{"1.2.3"}, {"4"}}, true},
      {"a lone sign is no number", {{"-"}, {"4"}}, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstRowLooksLikeHeadings(c.rows), c.headings) << c.name;
  }
}

}  // namespace
}  // namespace Lodema
