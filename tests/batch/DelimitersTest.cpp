// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
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
        std::vector<std::string> expected = {"stale"};
        std::vector<std::string> actual = {"stale", "stale", "stale", "stale"};
        const int expectedCount = SplitFieldsByReader(line, set, maxFields, expected);
        ASSERT_EQ(SplitFields(line, set, maxFields, actual), expectedCount)
            << "line \"" << line << "\" set \"" << set << "\" max " << maxFields;
        ASSERT_EQ(actual, expected)
            << "line \"" << line << "\" set \"" << set << "\" max " << maxFields;
        // The views a batch row is typed from read the same fields.
        std::vector<std::string_view> views = {"stale"};
        std::vector<std::string> room;
        ASSERT_EQ(SplitFieldViews(line, set, maxFields, views, room), expectedCount);
        ASSERT_EQ(std::vector<std::string>(views.begin(), views.end()), expected)
            << "views of line \"" << line << "\" set \"" << set << "\" max " << maxFields;
      }
    }
  }
}

// Reading the wanted fields where they lie must give what splitting the line
// and reading each field gives, or decline: lines are drawn from digits,
// signs, separators, blanks and delimiters, for sets of wanted columns.
TEST(DelimitersTest, PlainFieldsReadInOnePassMatchSplitThenRead) {
  EXPECT_EQ(PlainNumberDelimiter("\t"), '\t');
  EXPECT_EQ(PlainNumberDelimiter(";"), ';');
  for (const std::string set : {",", ".", "-", "7", " ", ",;", ""}) {
    EXPECT_EQ(PlainNumberDelimiter(set), 0) << "'" << set << "'";
  }
  const std::string alphabet = "\t\t\t;;0123456789123-+.,  x";
  const std::vector<std::vector<int>> columnSets = {{1}, {1, 2}, {1, 2, 3, 4}, {2, 4}, {3}};
  std::mt19937 random(4242);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> size(0, 16);
  int read = 0;
  for (int trial = 0; trial < 40000; ++trial) {
    std::string line;
    for (int n = size(random); n > 0; --n) line.push_back(alphabet[pick(random)]);
    for (const char delimiter : {'\t', ';'}) {
      for (const std::vector<int>& columns : columnSets) {
        SCOPED_TRACE("line '" + line + "', delimiter " + std::to_string(delimiter));
        std::vector<PlainField> fields(columns.size());
        if (!ReadPlainFields(line, delimiter, columns, fields)) continue;
        ++read;
        std::vector<std::string_view> views;
        std::vector<std::string> room;
        const int highest = columns.back();
        ASSERT_GE(SplitFieldViews(line, std::string(1, delimiter), highest, views, room), highest);
        for (std::size_t i = 0; i < columns.size(); ++i) {
          const std::string_view text = views[static_cast<std::size_t>(columns[i] - 1)];
          double value = 0.0;
          int places = 0;
          ASSERT_TRUE(NumberText::ReadPlainDecimal(text, value, places)) << text;
          EXPECT_EQ(fields[i].text, text);
          EXPECT_EQ(std::bit_cast<std::uint64_t>(fields[i].value),
                    std::bit_cast<std::uint64_t>(value));
          EXPECT_EQ(fields[i].places, places);
        }
      }
    }
  }
  EXPECT_GT(read, 1000);
}

}  // namespace
}  // namespace Lodema
