// SPDX-License-Identifier: MIT
#include "model/ColumnLists.h"

#include <algorithm>
#include <string>

namespace Lodema {

void ColumnMapper::UpdateListVisibility(const EntryLayout& layout) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    controls_.columnLists[slot].visible =
        layout.boxVisible[slot] && !controls_.manualFixBoxes[WindowOfSlot(slot)].checked;
  }
}

void ColumnMapper::RefillLists(int columns, const EntryLayout& layout) {
  columns = std::max(columns, 0);
  const int present = static_cast<int>(controls_.columnLists[0].entries.size()) - 1;
  if (filledOnce_ && present == columns) return;

  for (DropDownList& list : controls_.columnLists) FillColumnEntries(list, columns);
  if (!filledOnce_) {
    filledOnce_ = true;
    AssignDefaultColumns(columns, layout);
  } else {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const int previous = previousMap_[slot];
      if (previous == kManuallyFixed) {
        // A fixed slot keeps its choice for when the fix is lifted.
        SelectEntry(controls_.columnLists[slot], controls_.columnLists[slot].listIndex);
      } else {
        SelectEntry(controls_.columnLists[slot],
                    previous >= 1 && previous <= columns ? previous : 0);
      }
    }
  }
}

void ColumnMapper::AssignDefaultColumns(int columns, const EntryLayout& layout) {
  int next = 1;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int window = WindowOfSlot(slot);
    const bool windowOffered = (window < 2) || (window == 2 && layout.windowCVisible) ||
                               (window == 3 && layout.windowDVisible);
    const bool listShown = layout.boxVisible[slot] && !controls_.manualFixBoxes[window].checked;
    int column = 0;
    if (windowOffered && listShown) {
      column = next++;
      if (column > columns) column = 0;
    }
    SelectEntry(controls_.columnLists[slot], column);
  }
}

void ColumnMapper::ReadColumnMapping(const EntryLayout& layout) {
  bool incomplete = false;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    map_[slot] = kNoColumn;
    if (controls_.manualFixBoxes[WindowOfSlot(slot)].checked) {
      map_[slot] = kManuallyFixed;
    } else if (layout.boxVisible[slot]) {
      const int index = std::max(controls_.columnLists[slot].listIndex, 0);
      if (index == 0) incomplete = true;
      map_[slot] = index;
    }
  }
  bool conflict = false;
  for (int a = 0; a < kSlotCount && !conflict; ++a) {
    for (int b = a + 1; b < kSlotCount; ++b) {
      if (map_[a] >= 1 && map_[a] == map_[b]) {
        conflict = true;
        break;
      }
    }
  }
  controls_.columnMismatchVisible = incomplete || conflict;
  previousMap_ = map_;
}

void ColumnMapper::SetListIndex(int slot, int index, const EntryLayout& layout) {
  if (slot < 0 || slot >= kSlotCount) return;
  DropDownList& list = controls_.columnLists[slot];
  if (index < 0 || index >= static_cast<int>(list.entries.size())) return;
  SelectEntry(controls_.columnLists[slot], index);
  ReadColumnMapping(layout);
}

void ColumnMapper::SetManualFix(int window, bool fixed, const EntryLayout& layout) {
  if (window < 0 || window > 3) return;
  controls_.columnMismatchVisible = false;
  controls_.manualFixBoxes[window].checked = fixed;
  UpdateListVisibility(layout);
}

void ColumnMapper::ActivateList(int slot) {
  if (slot < 0 || slot >= kSlotCount) return;
  if (activeList_ >= 0) controls_.columnLists[activeList_].highlighted = false;
  activeList_ = slot;
  controls_.columnLists[slot].highlighted = true;
}

void ColumnMapper::GridColumnClicked(int column, const EntryLayout& layout) {
  if (activeList_ < 0) return;
  SetListIndex(activeList_, column, layout);
}

void ColumnMapper::EndGridSelection() {
  if (activeList_ >= 0) controls_.columnLists[activeList_].highlighted = false;
  activeList_ = -1;
}

}  // namespace Lodema
