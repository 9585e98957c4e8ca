// SPDX-License-Identifier: MIT
#include "batch/RowEntry.h"

#include "orient/Records.h"
#include "orient/TextParsing.h"

namespace Lodema {

namespace {

bool HasDigit(std::string_view text) {
  for (const char c : text) {
    if (c >= '0' && c <= '9') return true;
  }
  return false;
}

bool HasCompassLetter(std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case 'N':
      case 'S':
      case 'E':
      case 'W':
      case 'n':
      case 's':
      case 'e':
      case 'w':
        return true;
      default:
        break;
    }
  }
  return false;
}

}  // namespace

bool IsDataCandidate(std::string_view line) {
  if (line.empty()) return false;
  if (line[0] == '*' || line[0] == ';' || line[0] == '/') return false;
  return HasDigit(line);
}

EntryPlan MakeEntryPlan(const ColumnMap& map, const std::array<FieldKind, kSlotCount>& kinds,
                        OrientGeometry::PlaneNotation planeNotation) {
  const bool strikeSense = OrientGeometry::HasSenseLetters(planeNotation);
  EntryPlan plan;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int column = map[static_cast<std::size_t>(slot)];
    if (column < 1) continue;
    // A pitch, or a dip under a notation with sense letters, may carry its
    // sense letters in the same field.
    const FieldKind kind = kinds[static_cast<std::size_t>(slot)];
    plan.steps[static_cast<std::size_t>(plan.count++)] = {
        slot, column, kind == FieldKind::kPitch || (kind == FieldKind::kDip && strikeSense)};
  }
  return plan;
}

RowVerdict FillEntries(std::vector<std::string_view>& fields, const EntryPlan& plan,
                       SuffixParts& parts, EntryTarget& target) {
  const auto notData = [&target] {
    return target.RefusesAny() ? RowVerdict::kRejected : RowVerdict::kNonData;
  };
  int skipped = -1;  // a box that took the sense letters of the field before
  for (int k = 0; k < plan.count; ++k) {
    const EntryPlan::Step& step = plan.steps[static_cast<std::size_t>(k)];
    const int slot = step.slot;
    if (slot == skipped) continue;
    const int column = step.column;
    if (static_cast<std::size_t>(column) > fields.size()) return notData();
    const std::string_view field = fields[static_cast<std::size_t>(column - 1)];
    const bool split = step.split;

    if (!split || !HasCompassLetter(field)) {
      if (field.empty() || (split && !HasDigit(field))) return notData();
      target.SetEntry(slot, field);
      continue;
    }

    if (!HasDigit(field)) return notData();
    std::optional<OrientGeometry::SuffixSplit> pieces = OrientGeometry::SplitCompassSuffix(field);
    if (!pieces) return notData();
    OrientGeometry::SuffixSplit& part = parts[static_cast<std::size_t>(slot)];
    part = std::move(*pieces);
    target.SetEntry(slot, part.number);
    if (part.compass.empty() || k + 1 >= plan.count) continue;

    // Only the box right after this one can take the sense letters.
    const EntryPlan::Step& next = plan.steps[static_cast<std::size_t>(k + 1)];
    if (next.slot != slot + 1) continue;
    if (next.column == column) {
      target.SetEntry(slot + 1, part.compass);
      skipped = slot + 1;
    } else if (static_cast<std::size_t>(next.column) <= fields.size() &&
               !HasCompassLetter(fields[static_cast<std::size_t>(next.column - 1)])) {
      // The sense letters become a field of their own right after this one,
      // so that the next box reads them when it takes the next column.
      fields.insert(fields.begin() + column, std::string_view(part.compass));
    }
  }
  return RowVerdict::kData;
}

}  // namespace Lodema
