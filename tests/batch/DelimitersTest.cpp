// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "batch/Delimiters.h"

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
  };
  for (const SplitRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> fields = {"stale", "stale", "stale", "stale", "stale"};
    EXPECT_EQ(SplitFields(row.line, row.set, row.maxFields, fields),
              static_cast<int>(row.fields.size()));
    EXPECT_EQ(fields, row.fields);
  }
}

}  // namespace
}  // namespace Lodema
