// SPDX-License-Identifier: MIT
// Delimiters that would make an output file nobody can split again.
#include <gtest/gtest.h>

#include "PageRig.h"

namespace Lodema {
namespace {

struct DelimiterRow {
  const char* name;
  std::string input;
  std::string output;
  char decimal;
  const char* problemStart;  // nullptr: no problem
};

TEST(DelimiterProblemTest, RefusesClashesAndEmptyDelimiters) {
  const DelimiterRow rows[] = {
      {"tab and point", "\t", "\t", '.', nullptr},
      {"comma output, decimal point", "\t", ",", '.', nullptr},
      {"semicolon output, decimal comma", "\t", ";", ',', nullptr},
      {"comma output, decimal comma", "\t", ",", ',',
       "Results are written with the decimal character \",\", which is also in the output"},
      {"comma inside a longer delimiter", "\t", " , ", ',', "Results are written"},
      {"empty output", "\t", "", '.', "The output delimiter is empty"},
      {"empty input", "", "\t", '.', "The input delimiter is empty"},
      // Regression: a digit wrote 29 and 108 as "291108"; CR LF split every row.
      {"digit", "\t", "1", '.', "The output delimiter holds \"1\", which results are written"},
      {"minus sign", "\t", "-", '.', "The output delimiter holds \"-\""},
      {"plus inside text", "\t", "a+b", ',', "The output delimiter holds \"+\""},
      {"line break", "\t", "\r\n", '.', "The output delimiter holds a line break"},
      {"lone LF", "\t", ";\n", '.', "The output delimiter holds a line break"},
      {"letters", "\t", "x", '.', nullptr},
  };
  for (const DelimiterRow& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<std::string> problem = DelimiterProblem(row.input, row.output, row.decimal);
    if (row.problemStart == nullptr) {
      EXPECT_EQ(problem, std::nullopt);
    } else {
      ASSERT_TRUE(problem);
      EXPECT_EQ(problem->rfind(row.problemStart, 0), 0u) << *problem;
    }
  }
}

class DelimiterClashRunTest : public ::testing::Test, public testing::PageRig {};

TEST_F(DelimiterClashRunTest, StartInputRefusesAndLeavesTheOutputAlone) {
  SelectCalculation(15);
  folder.Write("out.txt", "kept\r\n");
  model.SetLocaleDecimalMark(OrientGeometry::DecimalMark::kComma);
  page->SetOutputDelimiterText(",");
  UseInput("30.5\t090\r\n");
  EXPECT_FALSE(StartBatch().sourceOpened);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind("Results are written with the decimal character", 0), 0u);
  EXPECT_EQ(Output(), "kept\r\n");
  EXPECT_EQ(page->Controls().commandButtons[1].caption, "Start input");
}

}  // namespace
}  // namespace Lodema
