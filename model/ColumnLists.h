// SPDX-License-Identifier: MIT
// The file page's column lists beside the entry windows, its "Manually
// fixed" switches and its mismatch label, which make the column map a run
// reads.
#pragma once

#include <optional>

#include "batch/ColumnMapping.h"
#include "model/FilePageControls.h"

namespace Lodema {

// Works on the column lists, "Manually fixed" boxes and mismatch label of a
// FilePageControls; keeps the map and the list being chosen by a grid click.
class ColumnMapper {
 public:
  explicit ColumnMapper(FilePageControls& controls) : controls_(controls) {}

  const ColumnMap& Map() const { return map_; }

  // Shows each list whose entry box is visible and whose window is not fixed.
  void UpdateListVisibility(const EntryLayout& layout);
  // Fills every list with "None", "1" .. columns when the number of columns
  // changed or the lists were never filled: the first time with the default
  // columns, later with each slot's previous column while it still exists.
  void RefillLists(int columns, const EntryLayout& layout);
  // A new source: the next refill assigns the default columns again (fixed
  // windows stay fixed).
  void ForgetColumns() { filledOnce_ = false; }
  // Numbers the visible, unfixed slots 1, 2, ... in order (C and D only when
  // their windows are shown); numbers beyond columns become "None".
  void AssignDefaultColumns(int columns, const EntryLayout& layout);
  // Recomputes the map from the lists and fixes, and the mismatch label.
  void ReadColumnMapping(const EntryLayout& layout);

  // A list changed by hand (index 0 "None", n column n); out-of-range
  // indices are ignored. Recomputes the map.
  void SetListIndex(int slot, int index, const EntryLayout& layout);
  // "Manually fixed" of window 0..3. The caller refreshes the preview.
  void SetManualFix(int window, bool fixed, const EntryLayout& layout);

  // Choosing a column with the preview grid: activate a list, click a grid
  // column (1-based), then any further grid event ends the choice.
  void ActivateList(int slot);
  void GridColumnClicked(int column, const EntryLayout& layout);
  void EndGridSelection();

 private:
  FilePageControls& controls_;
  ColumnMap map_{};
  ColumnMap previousMap_{};
  bool filledOnce_ = false;
  int activeList_ = -1;
};

}  // namespace Lodema
