// SPDX-License-Identifier: MIT
#include "batch/ColumnMapping.h"

#include <algorithm>
#include <string>

namespace Lodema {

int WindowOfSlot(int slot) {
  if (slot < 3) return 0;
  if (slot < 6) return 1;
  if (slot < 8) return 2;
  return 3;
}

int HighestColumn(const ColumnMap& map) {
  return std::max(0, *std::max_element(map.begin(), map.end()));
}

EntryLayout EntryLayoutOf(const RowSchema& schema) {
  EntryLayout layout;
  layout.windowCVisible = schema.windowShown[2];
  layout.windowDVisible = schema.windowShown[3];
  for (int slot = 0; slot < kSlotCount; ++slot) {
    layout.boxVisible[static_cast<std::size_t>(slot)] =
        schema.entries[static_cast<std::size_t>(slot)].shown &&
        schema.windowShown[static_cast<std::size_t>(WindowOfSlot(slot))];
  }
  return layout;
}

}  // namespace Lodema
