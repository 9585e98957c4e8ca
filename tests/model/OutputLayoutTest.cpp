// SPDX-License-Identifier: MIT
// Output line layouts of a batch run, on calculation 15 (reformat a plane),
// whose result is the input plane itself: 30/090 in, "30", "090" out.
#include <gtest/gtest.h>

#include "PageRig.h"

namespace Lodema {
namespace {

using testing::PageRig;

constexpr const char* kWithHeader = "dip\tdd\r\n30\t090\r\n* note\r\n";
constexpr const char* kWithoutHeader = "30\t090\r\n* note\r\n";

struct LayoutRow {
  const char* name;
  const char* input;
  bool headings;
  std::vector<int> options;  // output option boxes ticked, in this order
  std::string output;
};

class OutputLayoutTest : public ::testing::Test, public PageRig {};

TEST(OutputLayoutRowsTest, HeaderDataAndNonDataLines) {
  constexpr int kRetain = kOptRetainInput;
  constexpr int kFirst = kOptResultsFirst;
  constexpr int kCaptions = kOptResultCaptions;
  constexpr int kHeaders = kOptInputHeaders;
  // clang-format off
  const LayoutRow rows[] = {
      {"results only", kWithoutHeader, false, {}, "30\t090\r\n"},
      {"captions", kWithoutHeader, false, {kCaptions}, "Result:dip\tResult:dir'n\r\n30\t090\r\n"},
      {"captions, input first", kWithoutHeader, false, {kRetain, kCaptions},
       "\t\tResult:dip\tResult:dir'n\r\n30\t090\t30\t090\r\n"},
      {"captions, results first", kWithoutHeader, false, {kRetain, kFirst, kCaptions},
       "Result:dip\tResult:dir'n\t\t\r\n30\t090\t30\t090\r\n"},
      {"non-data kept, input first", kWithoutHeader, false, {kRetain, kOptKeepNonData},
       "30\t090\t30\t090\r\n* note\t\t\r\n"},
      {"non-data kept, results first", kWithoutHeader, false, {kRetain, kFirst, kOptKeepNonData},
       "30\t090\t30\t090\r\n\t\t* note\r\n"},
      {"non-data needs the input retained", kWithoutHeader, false, {kOptKeepNonData},
       "30\t090\r\n"},
      {"header line skipped", kWithHeader, true, {}, "30\t090\r\n"},
      {"header not copied: captions with empty input", kWithHeader, true, {kRetain, kCaptions},
       "\t\tResult:dip\tResult:dir'n\r\n30\t090\t30\t090\r\n"},
      {"header copied with captions", kWithHeader, true, {kRetain, kHeaders, kCaptions},
       "dip\tdd\tResult:dip\tResult:dir'n\r\n30\t090\t30\t090\r\n"},
      {"header copied without captions", kWithHeader, true, {kRetain, kHeaders},
       "dip\tdd\t\t\r\n30\t090\t30\t090\r\n"},
      {"header copied, results first", kWithHeader, true, {kRetain, kFirst, kHeaders, kCaptions},
       "Result:dip\tResult:dir'n\tdip\tdd\r\n30\t090\t30\t090\r\n"},
  };
  // clang-format on
  for (const LayoutRow& row : rows) {
    SCOPED_TRACE(row.name);
    PageRig rig;
    rig.SelectCalculation(15);
    rig.page->SetTableHeadings(row.headings);
    rig.UseInput(row.input);
    for (const int option : row.options) rig.page->SetOutputOption(option, true);
    rig.page->StartBatchInput(1);
    EXPECT_EQ(rig.Output(), row.output);
  }
}

TEST_F(OutputLayoutTest, OutputDelimiterAndAppendMode) {
  SelectCalculation(15);
  UseInput("30\t090\r\n");
  page->SetOutputDelimiterText(",");
  page->StartBatchInput(1);
  page->SetOutputDelimiterText("space");
  page->SetAppendData(true);
  page->StartBatchInput(1);
  EXPECT_EQ(Output(), "30,090\r\n30 090\r\n");
}

TEST_F(OutputLayoutTest, OptionBoxCouplings) {
  SelectCalculation(15);
  const auto& options = page->Controls().fileOutputOptions;
  page->SetTableHeadings(true);
  page->SetOutputOption(kOptRetainInput, true);
  page->SetOutputOption(kOptInputHeaders, true);
  page->SetOutputOption(kOptResultsFirst, true);
  EXPECT_FALSE(options[kOptResultsLast].checked);
  page->SetOutputOption(kOptResultsLast, true);
  EXPECT_FALSE(options[kOptResultsFirst].checked);
  EXPECT_FALSE(model.settings().gInputAppended);

  page->SetOutputOption(kOptRetainInput, false);
  EXPECT_FALSE(options[kOptInputHeaders].visible);
  EXPECT_FALSE(page->IncludeInputHeaders());
  page->SetOutputOption(kOptKeepNonData, true);  // disabled: ignored
  EXPECT_FALSE(model.settings().gKeepFileNonData);
}

}  // namespace
}  // namespace Lodema
