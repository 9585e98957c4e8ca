// SPDX-License-Identifier: MIT
// How a run ends (its status) and what the message panel says must agree:
// the batch run rejects a row by the status, users read the message.
#include <utility>
#include <vector>

#include "tests/model/ModelTestSupport.h"

namespace Lodema {
namespace {

struct StatusRow {
  const char* name;
  int calculation;
  std::vector<std::pair<int, const char*>> boxes;
  CalcStatus status;
  bool failure;  // the panel reports a failure
  const char* message;
};

TEST_F(ModelTest, StatusAndMessageAgree) {
  // clang-format off
  const StatusRow rows[] = {
      {"intersection", 0, {{0, "30"}, {1, "90"}, {3, "60"}, {4, "180"}}, CalcStatus::kOk, false,
       ""},
      {"two unoriented cores", 24,
       {{0, "60"}, {1, "90"}, {2, "30"}, {3, "50"}, {4, "200"}, {5, "40"}, {9, "90"}},
       CalcStatus::kManualSolution, false, "Manual solution using stereo only"},
      {"misfit note", 10, {{0, "30"}, {1, "90"}, {3, "30"}, {4, "90"}}, CalcStatus::kOk, false,
       "Misfit between line and plane = 0\xC2\xB0"},
  };
  // clang-format on
  for (const StatusRow& row : rows) {
    SCOPED_TRACE(row.name);
    CalculatorModel fresh;
    fresh.SelectCalculation(row.calculation);
    for (const auto& [box, text] : row.boxes) fresh.SetEntryText(box, text);
    EXPECT_EQ(fresh.LastCalcStatus(), row.status);
    EXPECT_EQ(fresh.MessageReportsFailure(), row.failure);
    EXPECT_EQ(fresh.Controls().messagePanel.caption, row.message);
  }
}

// An invalid entry reports a failure at once (ValidationRules); putting it
// right clears it.
TEST_F(ModelTest, InvalidEntryReportsAFailureUntilCorrected) {
  Enter(0, {{1, "90"}, {3, "60"}, {4, "180"}, {0, "95"}});
  ASSERT_TRUE(model.MessageReportsFailure());
  model.SetEntryText(0, "35");
  EXPECT_FALSE(model.MessageReportsFailure());
  EXPECT_EQ(model.LastCalcStatus(), CalcStatus::kOk);
}

}  // namespace
}  // namespace Lodema
