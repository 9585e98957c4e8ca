// SPDX-License-Identifier: MIT
#include "batch/RowEntry.h"

#include "orient/Records.h"
#include "orient/TextParsing.h"

namespace Lodema {

namespace {

constexpr int kKindDip = 1;
constexpr int kKindPitch = 4;

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

RowVerdict FillEntries(std::vector<std::string_view>& fields, const ColumnMap& map,
                       const std::array<int, kSlotCount>& kinds,
                       OrientGeometry::PlaneNotation planeNotation, SuffixParts& parts,
                       EntryTarget& target) {
  const bool strikeSense = OrientGeometry::HasSenseLetters(planeNotation);
  const auto notData = [&target] {
    return target.RefusesAny() ? RowVerdict::kRejected : RowVerdict::kNonData;
  };
  bool skipNext = false;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (skipNext) {
      skipNext = false;
      continue;
    }
    const int column = map[slot];
    if (column < 1) continue;
    if (static_cast<std::size_t>(column) > fields.size()) return notData();
    const std::string_view field = fields[column - 1];
    const bool split = kinds[slot] == kKindPitch || (kinds[slot] == kKindDip && strikeSense);

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
    if (part.compass.empty() || slot >= kSlotCount - 1) continue;

    const int nextColumn = map[slot + 1];
    if (nextColumn == column) {
      target.SetEntry(slot + 1, part.compass);
      skipNext = true;
    } else if (nextColumn >= 1 && static_cast<std::size_t>(nextColumn) <= fields.size() &&
               !HasCompassLetter(fields[nextColumn - 1])) {
      // The sense letters become a field of their own right after this one,
      // so that the next box reads them when it takes the next column.
      fields.insert(fields.begin() + column, std::string_view(part.compass));
    }
  }
  return RowVerdict::kData;
}

}  // namespace Lodema
