// SPDX-License-Identifier: MIT
// The case table as rows of a batch file: every case one row, each field
// in a column of its own, the results read back from the output lines.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "batch/BatchRun.h"
#include "batch/OutputFile.h"
#include "tests/calc/RowCases.h"

namespace Lodema {
namespace {

class OneFile : public InputFiles {
 public:
  explicit OneFile(std::string text) : text_(std::move(text)) {}
  std::unique_ptr<LineReader> Open(const std::string&) override {
    return std::make_unique<TextLineReader>(text_);
  }
  std::optional<FileIdentity> Identity(const std::string&) override { return std::nullopt; }

 private:
  std::string text_;
};

class MemoryFiles : public OutputFiles {
 public:
  std::unique_ptr<OutputSink> Open(const std::string&, bool) override {
    return std::make_unique<MemorySink>(bytes);
  }
  std::string bytes;
};

// The row of a case and the map that feeds its boxes: two copies of the row,
// so that a row is seen after another.
std::string RowOf(const RowCases::Case& c, ColumnMap& map) {
  std::string row;
  int column = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const char* field = c.fields[static_cast<std::size_t>(slot)];
    if (*field == '\0') continue;
    if (column > 0) row += '\t';
    row += field;
    map[static_cast<std::size_t>(slot)] = ++column;
  }
  return row + "\r\n" + row + "\r\n";
}

TEST(RowCasesRunTest, ABatchRowGivesEachCaseItsResults) {
  for (const RowCases::Case& c : RowCases::Cases()) {
    SCOPED_TRACE(c.name);
    BatchRunRequest request;
    const std::string rows = RowOf(c, request.map);
    request.sourceName = "cases.txt";
    request.delimiterSet = "\t";
    request.schema = MakeRowSchema(c.calculation, RowCases::SettingsOf(c), false,
                                   OrientGeometry::DecimalMark::kPoint);
    OneFile inputs(rows);
    MemoryFiles outputs;
    ResultWriter writer(BatchPlatform{}, outputs);
    writer.SetFileName("out.txt");
    writer.SetLayout(request.schema, "pitch");
    ASSERT_TRUE(writer.BeginRun(false));
    BatchRunner runner(writer, BatchPlatform{}, inputs);
    const BatchOutcome outcome = runner.Run(request, BatchOutputOptions{});
    writer.EndRun();
    std::string expected;
    for (const std::string& text : c.results) {
      if (!expected.empty()) expected += '\t';
      expected += text;
    }
    EXPECT_EQ(outcome.counts.dataRows, c.results.empty() ? 0 : 2);
    EXPECT_EQ(outputs.bytes, c.results.empty() ? "" : expected + "\r\n" + expected + "\r\n");
  }
}

}  // namespace
}  // namespace Lodema
