// SPDX-License-Identifier: MIT
// The file page's column lists: default columns, the mismatch label, a
// refill, a newly opened source, and a map that reaches beyond the source.
#include <gtest/gtest.h>

#include "PageRig.h"
#include "model/ColumnLists.h"

namespace Lodema {
namespace {

// Boxes by window: A 0-2, B 3-5, C 6-7, D 8-10.
EntryLayout LayoutOf(std::initializer_list<int> visibleBoxes) {
  EntryLayout layout;
  for (const int box : visibleBoxes) {
    layout.boxVisible[box] = true;
    if (box == 6 || box == 7) layout.windowCVisible = true;
    if (box >= 8) layout.windowDVisible = true;
  }
  return layout;
}

ColumnMap Map(std::initializer_list<int> values) {
  ColumnMap map{};
  int i = 0;
  for (const int v : values) map[i++] = v;
  return map;
}

struct DefaultRow {
  const char* name;
  EntryLayout layout;
  std::array<bool, 4> fixed;
  int columns;
  ColumnMap expected;
};

TEST(ColumnMappingTest, DefaultColumnsNumberTheVisibleUnfixedBoxes) {
  // clang-format off
  const DefaultRow rows[] = {
      {"two planes", LayoutOf({0, 1, 3, 4}), {}, 4, Map({1, 2, 0, 3, 4})},
      {"B fixed: A takes the first columns", LayoutOf({0, 1, 2, 3, 4, 5}),
       {false, true, false, false}, 6, Map({1, 2, 3, -1, -1, -1})},
      {"3 columns, A and B: B gets none", LayoutOf({0, 1, 2, 3, 4, 5}), {}, 3,
       Map({1, 2, 3, 0, 0, 0})},
      {"C and D follow", LayoutOf({0, 6, 7, 8, 9}), {}, 9, Map({1, 0, 0, 0, 0, 0, 2, 3, 4, 5})},
      {"no source columns", LayoutOf({0, 1}), {}, 0, Map({0, 0})},
  };
  // clang-format on
  for (const DefaultRow& row : rows) {
    SCOPED_TRACE(row.name);
    FilePageControls controls;
    for (int w = 0; w < 4; ++w) controls.manualFixBoxes[w].checked = row.fixed[w];
    ColumnMapper mapper(controls);
    mapper.RefillLists(row.columns, row.layout);
    mapper.ReadColumnMapping(row.layout);
    EXPECT_EQ(mapper.Map(), row.expected);
    EXPECT_EQ(controls.columnLists[0].entries.size(), static_cast<std::size_t>(row.columns + 1));
  }
}

struct MismatchRow {
  const char* name;
  std::array<int, kSlotCount> listIndex;
  bool fixA;
  bool mismatch;
};

TEST(ColumnMappingTest, MismatchLabelForIncompleteOrConflictingColumns) {
  const EntryLayout layout = LayoutOf({0, 1, 3, 4});
  const MismatchRow rows[] = {
      {"all distinct", {1, 2, 0, 3, 4}, false, false},
      {"two boxes on column 2", {1, 2, 0, 2, 4}, false, true},
      {"a visible box on None", {1, 2, 0, 0, 4}, false, true},
      {"a hidden box on a used column", {1, 2, 1, 3, 4}, false, false},
      {"a fixed window never complains", {0, 0, 0, 3, 4}, true, false},
  };
  for (const MismatchRow& row : rows) {
    SCOPED_TRACE(row.name);
    FilePageControls controls;
    controls.manualFixBoxes[0].checked = row.fixA;
    ColumnMapper mapper(controls);
    mapper.RefillLists(4, layout);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      controls.columnLists[slot].listIndex = row.listIndex[slot];
    }
    mapper.ReadColumnMapping(layout);
    EXPECT_EQ(controls.columnMismatchVisible, row.mismatch);
    if (row.fixA) {
      EXPECT_EQ(mapper.Map()[0], kManuallyFixed);
    }
  }
}

TEST(ColumnMappingTest, RefillKeepsColumnsThatStillExist) {
  const EntryLayout layout = LayoutOf({0, 1, 3, 4});
  FilePageControls controls;
  ColumnMapper mapper(controls);
  mapper.RefillLists(5, layout);
  mapper.SetListIndex(4, 5, layout);  // by hand: B's second box on column 5
  mapper.SetListIndex(1, 0, layout);  // A's second box on None
  ASSERT_EQ(mapper.Map(), Map({1, 0, 0, 3, 5}));

  mapper.RefillLists(5, layout);  // same count: lists untouched
  EXPECT_EQ(mapper.Map(), Map({1, 0, 0, 3, 5}));
  mapper.RefillLists(4, layout);  // column 5 is gone
  mapper.ReadColumnMapping(layout);
  EXPECT_EQ(mapper.Map(), Map({1, 0, 0, 3, 0}));
  EXPECT_TRUE(controls.columnMismatchVisible);
}

using testing::PageRig;

class NewSourceColumnsTest : public ::testing::Test, public PageRig {
 protected:
  void Open(const std::string& name, const std::string& bytes) {
    page->SetInputSource(folder.Write(name, bytes));
  }
};

TEST_F(NewSourceColumnsTest, FileWithFewerColumnsDoesNotSpoilTheNextOne) {
  // Regression: after a one-column file the lists kept "None" for window B,
  // and the next good file ran into blank results.
  SelectCalculation(0);
  Open("good.txt", "30\t090\t60\t180\r\n");
  const ColumnMap defaults = page->CurrentColumnMap();
  Open("narrow.txt", "xxxxxxxx\r\n");
  Open("good2.txt", "45\t010\t20\t300\r\n");
  EXPECT_EQ(page->CurrentColumnMap(), defaults);
  EXPECT_FALSE(page->Controls().columnMismatchVisible);
  EXPECT_EQ(StartBatch().counts.dataRows, 1);
  EXPECT_EQ(Output(), "20\t301\r\n");
}

TEST_F(NewSourceColumnsTest, FixedWindowStaysFixedOnANewFile) {
  SelectCalculation(0);
  page->SetManualFix(1, true);
  Open("a.txt", "30\t090\r\n");
  const ColumnMap& map = page->CurrentColumnMap();
  EXPECT_EQ(map[0], 1);
  EXPECT_EQ(map[1], 2);
  EXPECT_EQ(map[3], kManuallyFixed);
}

TEST(ColumnsBeyondSourceTest, NamesTheWindowShortOfColumns) {
  EXPECT_EQ(ColumnsBeyondSourceMessage(1, 3),
            "Window B is set to a column the input does not have (it has 3 columns).\r\n"
            "Choose its columns again before starting.");
}

}  // namespace
}  // namespace Lodema
