// SPDX-License-Identifier: MIT
// The case table through the row kernel.
#include <gtest/gtest.h>

#include "model/CalculatorModel.h"
#include "calc/RowKernel.h"
#include "tests/calc/RowCases.h"

namespace Lodema {
namespace {

TEST(RowCasesTest, TheKernelGivesEachCaseItsResults) {
  for (const RowCases::Case& c : RowCases::Cases()) {
    SCOPED_TRACE(c.name);
    const RowSchema schema = MakeRowSchema(c.calculation, RowCases::SettingsOf(c), false,
                                           OrientGeometry::DecimalMark::kPoint);
    EntryTexts texts{};
    for (std::size_t box = 0; box < c.fields.size(); ++box) texts[box] = c.fields[box];
    const ParsedRow parsed = ParseRow(texts, schema);
    if (parsed.status != ParseStatus::kReady) {
      EXPECT_TRUE(c.results.empty()) << "box " << parsed.badBox << " refused";
      continue;
    }
    const CalcOutcome outcome = ComputeRow(parsed.inputs, schema, false);
    if (outcome.Failed()) {
      EXPECT_TRUE(c.results.empty()) << outcome.batchMessage;
      continue;
    }
    EXPECT_EQ(RowCases::ShownMainResults(schema, FormatOutcome(outcome, parsed.inputs, schema).texts),
              c.results);
  }
}

}  // namespace
}  // namespace Lodema
