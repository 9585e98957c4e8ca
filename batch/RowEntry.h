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
#include "calc/RowSchema.h"
#include "orient/TextParsing.h"

namespace Lodema {

// Where the row's values go: the row's entry texts in a run, a recorder in
// tests. A text is kept as a view: of the row's line or of the split parts.
class EntryTarget {
 public:
  virtual ~EntryTarget() = default;
  virtual void SetEntry(int slot, std::string_view text) = 0;
  // True when a box filled so far refuses its text. Asked only when a row
  // turns out not to be data: a refused value then still rejects it.
  virtual bool RefusesAny() const = 0;
};

// A dip's or pitch's number and sense letters split apart, by slot; the
// target's views of them last until the next row.
using SuffixParts = std::array<OrientGeometry::SuffixSplit, kSlotCount>;

enum class RowVerdict {
  kData,      // every mapped box was filled
  kNonData,   // a field was missing, empty or not a number with a valid suffix
  kRejected,  // a box refused its text, or the calculation reported an error
};

// True when a line (leading blanks removed) can hold data: not empty, not a
// comment ("*", ";" or "/" first) and with at least one digit.
bool IsDataCandidate(std::string_view line);

// The boxes a column map fills, in box order, worked out once for a run:
// each with its column and whether its field may carry sense letters.
struct EntryPlan {
  struct Step {
    int slot = 0;
    int column = 0;  // >= 1
    bool split = false;
  };
  std::array<Step, kSlotCount> steps{};
  int count = 0;
};

// kinds are the field kinds of boxes 0..10; planeNotation the input plane
// notation.
EntryPlan MakeEntryPlan(const ColumnMap& map, const std::array<FieldKind, kSlotCount>& kinds,
                        OrientGeometry::PlaneNotation planeNotation);

// Fills the planned boxes from fields (column c is fields[c - 1]; there are
// at least HighestColumn(map) of them). fields may grow by an inserted sense
// field. kData says every mapped box got a text; whether the texts are
// accepted is the caller's to check.
RowVerdict FillEntries(std::vector<std::string_view>& fields, const EntryPlan& plan,
                       SuffixParts& parts, EntryTarget& target);

}  // namespace Lodema
