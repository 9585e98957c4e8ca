// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "batch/Delimiters.h"
#include "orient/NumberText.h"

namespace Lodema {
namespace {

struct ListTextRow {
  const char* name;
  std::string listText;
  std::string set;
};

TEST(DelimitersTest, ListTextsAndSetsConvertBothWays) {
  const ListTextRow rows[] = {
      {"tab", "tab", "\t"}, {"space", "space", " "}, {"any", "any", ",; \t"},
      {"comma", ",", ","},  {"semicolon", ";", ";"}, {"typed text", "|/", "|/"},
  };
  for (const ListTextRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(InputDelimiterSetFromListText(row.listText), row.set);
    EXPECT_EQ(InputDelimiterListText(row.set), row.listText);
  }
  EXPECT_TRUE(IsAnyDelimiterSet(",; \t"));
  EXPECT_FALSE(IsAnyDelimiterSet("\t,; "));
}

struct SplitRow {
  const char* name;
  std::string line;
  std::string set;
  int maxFields;
  std::vector<std::string> fields;
};

TEST(DelimitersTest, SplitsDataLinesIntoFields) {
  const SplitRow rows[] = {
      {"any with padded separators", "12, 45 ;NE", ",; \t", -1, {"12", "45", "NE"}},
      {"comma keeps an empty field", "12,,45", ",", -1, {"12", "", "45"}},
      {"space joins runs of blanks", "12   45", " ", -1, {"12", "45"}},
      {"tab keeps an empty field", "12\t\t45", "\t", -1, {"12", "", "45"}},
      {"trailing blanks ignored", "12\t45   ", "\t", -1, {"12", "45"}},
      {"leading blanks of a field removed", "  12\t  45", "\t", -1, {"12", "45"}},
      {"stops at the highest column", "1\t2\t3\t4", "\t", 2, {"1", "2"}},
      {"no fields wanted", "1\t2", "\t", 0, {}},
      {"empty line", "", "\t", -1, {}},
      {"typed set: every character separates", "1|2/3", "|/", -1, {"1", "2", "3"}},
      {"a last tab before trailing blanks adds no field", "1\t2\t ", "\t", -1, {"1", "2"}},
      {"CR LF line end ignored", "1,2\r\n", ",", -1, {"1", "2"}},
      {"line end inside skipped before a field", "1,\r2", ",", -1, {"1", "2"}},
      {"blanks before a comma stay in the field", "1 ,2", ",", -1, {"1 ", "2"}},
      {"any: blanks pad a comma", "12  ,  45", ",; \t", -1, {"12", "45"}},
      {"any: a blank between commas is an empty field", "12, ,45", ",; \t", -1, {"12", "", "45"}},
      {"space: trailing blanks end the line", "7 8   ", " ", -1, {"7", "8"}},
      {"tab: blanks inside a field stay", "New York\t5", "\t", -1, {"New York", "5"}},
  };
  for (const SplitRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> fields = {"stale", "stale", "stale", "stale", "stale"};
    EXPECT_EQ(SplitFields(row.line, row.set, row.maxFields, fields),
              static_cast<int>(row.fields.size()));
    EXPECT_EQ(fields, row.fields);
  }
}

// The one-delimiter shortcut must read every line as the general reader
// does, including the reader's quirks at line ends: lines are drawn from the
// characters that matter (the delimiter, blanks, line ends, other
// delimiters, a digit), long enough to hold several fields.
TEST(DelimitersTest, SingleDelimiterShortcutMatchesTheFieldReader) {
  const std::string alphabet = "\t\t,, ;\r\n17";
  const std::string sets[] = {"\t", ",", ";", "|", "7", " ", ",; \t"};
  std::mt19937 random(20261206);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> size(0, 12);
  for (int trial = 0; trial < 20000; ++trial) {
    std::string line;
    for (int n = size(random); n > 0; --n) line.push_back(alphabet[pick(random)]);
    for (const std::string& set : sets) {
      for (const int maxFields : {-1, 0, 1, 3}) {
        std::vector<std::string_view> expected = {"stale"};
        std::vector<std::string_view> actual = {"stale", "stale", "stale", "stale"};
        const int expectedCount = SplitFieldsByReader(line, set, maxFields, expected);
        ASSERT_EQ(SplitFields(line, set, maxFields, actual), expectedCount)
            << "line \"" << line << "\" set \"" << set << "\" max " << maxFields;
        ASSERT_EQ(actual, expected)
            << "line \"" << line << "\" set \"" << set << "\" max " << maxFields;
      }
    }
  }
}

}  // namespace
}  // namespace Lodema
