// SPDX-License-Identifier: MIT
// Putting the fields of one data row into the entry boxes, as if typed:
// plain fields go straight in; a dip (in the strike-and-sense notations) or
// a pitch may carry its sense letters ("45NE"), which are split off and fed
// to the sense box that follows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "batch/ColumnMapping.h"

namespace Lodema {

// Where the row's values go: the main window's entry boxes in a run, a
// recorder in tests.
class EntryTarget {
 public:
  virtual ~EntryTarget() = default;
  virtual void SetEntry(int slot, const std::string& text) = 0;
  // True when the entry check or the calculation now reports a failure.
  virtual bool Rejected() const = 0;
};

enum class RowVerdict {
  kData,      // every mapped box was filled
  kNonData,   // a field was missing, empty or not a number with a valid suffix
  kRejected,  // the entry check or the calculation reported an error
};

// True when a line (leading blanks removed) can hold data: not empty, not a
// comment ("*", ";" or "/" first) and with at least one digit.
bool IsDataCandidate(std::string_view line);

// Fills the mapped boxes from fields (column c is fields[c - 1]; there are at
// least HighestColumn(map) of them). kinds are the field kinds of boxes
// 0..10; planeConventionIn the input plane notation (1..6). fields may grow
// by an inserted sense field.
RowVerdict FillEntries(std::vector<std::string>& fields, const ColumnMap& map,
                       const std::array<int, kSlotCount>& kinds, int planeConventionIn,
                       EntryTarget& target);

}  // namespace Lodema
