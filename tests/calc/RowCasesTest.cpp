// SPDX-License-Identifier: MIT
// The case table through the row kernel.
#include <gtest/gtest.h>

#include "calc/RowKernel.h"
#include "model/CalculatorModel.h"
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
    EXPECT_EQ(
        RowCases::ShownMainResults(schema, FormatOutcome(outcome, parsed.inputs, schema).texts),
        c.results);
  }
}

// A batch run formats every row into the same kept result: a row must show
// only what it wrote, never a box of the row before (here a second
// solution, then none, then no result at all).
TEST(RowCasesTest, AKeptResultShowsOnlyWhatItsLastRowWrote) {
  const RowSchema schema =
      MakeRowSchema(21, Settings{}, false, OrientGeometry::DecimalMark::kPoint);
  const RowInputs in;
  CalcOutcome two;
  two.hasReference = true;
  two.reference = {0.5, 1.0};
  two.result = {0.4, 2.0};
  two.secondSolution = ReferencePlaneSolution{{0.6, 2.5}, {0.3, 1.5}};
  CalcOutcome one = two;
  one.secondSolution.reset();
  CalcOutcome none;
  none.noResult = true;
  RowResult kept;
  for (const CalcOutcome* out : {&two, &one, &none, &two, &none}) {
    FormatOutcome(*out, in, schema, kept);
    EXPECT_EQ(kept.texts, FormatOutcome(*out, in, schema).texts);
  }
}

}  // namespace
}  // namespace Lodema
