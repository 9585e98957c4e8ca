// SPDX-License-Identifier: MIT
// Which column of the data source feeds which entry box: the column map
// that a batch run reads.
#pragma once

#include <array>
#include <optional>

#include "calc/EntryBoxes.h"
#include "calc/RowSchema.h"

namespace Lodema {

// Entry boxes 0..10 can each take a column of a file.
inline constexpr int kSlotCount = kMappedBoxCount;

// One entry per entry box 0..10: -1 the box's window is manually fixed (the
// typed value serves every row), 0 no column, n >= 1 column n of each row.
using ColumnMap = std::array<int, kSlotCount>;
inline constexpr int kManuallyFixed = -1;
inline constexpr int kNoColumn = 0;

// The entry window (0..3 = A..D) that holds entry box slot (0..10).
int WindowOfSlot(int slot);
// The largest column number in map (0 when none).
int HighestColumn(const ColumnMap& map);

// Which entry boxes the current calculation shows, as the column lists need
// it: a box counts as visible only when it and its window are shown.
struct EntryLayout {
  std::array<bool, kSlotCount> boxVisible{};
  bool windowCVisible = false;  // frame of window C
  bool windowDVisible = false;  // frame of window D
};
EntryLayout EntryLayoutOf(const RowSchema& schema);

}  // namespace Lodema
