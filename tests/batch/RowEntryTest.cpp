// SPDX-License-Identifier: MIT
// Rows of a source: how a row fills the entry boxes, which lines can be
// data, and whether the first row names the columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/Delimiters.h"
#include "batch/HeadingGuess.h"
#include "batch/RowEntry.h"

namespace Lodema {
namespace {

// Records the boxes as typed, "slot:text" joined by blanks; refuses "bad".
class RecordingTarget : public EntryTarget {
 public:
  void SetEntry(int slot, std::string_view text) override {
    if (!typed.empty()) typed += ' ';
    typed += std::to_string(slot);
    typed += ':';
    typed += text;
    refused = refused || text == "bad";
  }
  bool RefusesAny() const override { return refused; }
  std::string typed;
  bool refused = false;
};

// Field kinds of two layouts: a plane in "Strike, Dip, Sense" in window A,
// and (calculation 8) plane A with a pitch and its sense in boxes 4 and 5.
using K = FieldKind;
constexpr std::array<FieldKind, kSlotCount> kStrikeBoxes = {K::kDirection, K::kDip, K::kSense};
constexpr std::array<FieldKind, kSlotCount> kPitchBoxes = {K::kDip,     K::kDirection, K::kNothing,
                                                           K::kNothing, K::kPitch,     K::kSense};
// Dips may carry their sense letters only in the first notation.
constexpr auto kSenseLetters = OrientGeometry::PlaneNotation::kStrikeDipSense;
constexpr auto kDipFirst = OrientGeometry::PlaneNotation::kDipDipDirection;

struct FillRow {
  const char* name;
  OrientGeometry::PlaneNotation notation;
  std::array<FieldKind, kSlotCount> kinds;
  std::string line;  // split at ","
  ColumnMap map;
  RowVerdict verdict;
  std::string typed;
};

TEST(RowEntryTest, FillsBoxesAndSplitsCompassSuffixes) {
  const RowVerdict data = RowVerdict::kData;
  const RowVerdict nonData = RowVerdict::kNonData;
  const RowVerdict rejected = RowVerdict::kRejected;
  // clang-format off
  const FillRow rows[] = {
      {"dip and sense share a column", kSenseLetters, kStrikeBoxes, "120,45NE", {1, 2, 2}, data,
       "0:120 1:45 2:NE"},
      {"suffix inserted before a number field", kSenseLetters, kStrikeBoxes, "120,45NE,0", {1, 2, 3}, data,
       "0:120 1:45 2:NE"},
      {"suffix dropped for a lettered field", kSenseLetters, kStrikeBoxes, "120,45NE,SW", {1, 2, 3}, data,
       "0:120 1:45 2:SW"},
      {"no suffix", kSenseLetters, kStrikeBoxes, "120,45,NE", {1, 2, 3}, data, "0:120 1:45 2:NE"},
      {"no split in other notations", kDipFirst, kStrikeBoxes, "120,45NE,NE", {1, 2, 3}, data,
       "0:120 1:45NE 2:NE"},
      {"pitch with sense", kDipFirst, kPitchBoxes, "30,090,25E", {1, 2, 0, 0, 3, 3}, data,
       "0:30 1:090 4:25 5:E"},
      {"not a compass suffix", kSenseLetters, kStrikeBoxes, "120,45NX", {1, 2, 2}, nonData, "0:120"},
      {"split field without digit", kSenseLetters, kStrikeBoxes, "120,NE", {1, 2, 2}, nonData, "0:120"},
      {"empty field", kDipFirst, kPitchBoxes, "30,,25", {1, 2, 0, 0, 3}, nonData, "0:30"},
      {"a refused entry is the caller's to check", kDipFirst, kPitchBoxes, "30,bad,25", {1, 2, 0, 0, 3},
       data, "0:30 1:bad 4:25"},
      {"a refused entry rejects a row that is not data", kDipFirst, kPitchBoxes, "30,bad,", {1, 2, 0, 0, 3},
       rejected, "0:30 1:bad"},
      {"fixed and unmapped boxes untouched", kDipFirst, kPitchBoxes, "25", {-1, -1, -1, 0, 1}, data,
       "4:25"},
  };
  // clang-format on
  for (const FillRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string_view> fields;
    SplitFields(row.line, ",", -1, fields);
    RecordingTarget target;
    SuffixParts parts;
    EXPECT_EQ(FillEntries(fields, MakeEntryPlan(row.map, row.kinds, row.notation), parts, target),
              row.verdict);
    EXPECT_EQ(target.typed, row.typed);
  }
}

TEST(RowEntryTest, InsertedSuffixShiftsTheFollowingFields) {
  std::vector<std::string_view> fields = {"120", "45NE", "0"};
  RecordingTarget target;
  SuffixParts parts;
  ASSERT_EQ(
      FillEntries(fields, MakeEntryPlan({1, 2, 3}, kStrikeBoxes, kSenseLetters), parts, target),
      RowVerdict::kData);
  EXPECT_EQ(fields, (std::vector<std::string_view>{"120", "45NE", "NE", "0"}));
}

TEST(RowEntryTest, DataCandidates) {
  EXPECT_TRUE(IsDataCandidate("30 090"));
  for (const char* line : {"", "* 30 090", "; 30", "/ 30", "dip dir"}) {
    EXPECT_FALSE(IsDataCandidate(line)) << line;
  }
}

using Rows = std::vector<std::vector<std::string>>;

TEST(HeadingGuess, TextOverNumbersIsAHeadingRow) {
  const struct {
    const char* name;
    Rows rows;
    bool headings;
  } cases[] = {
      {"names over angles", {{"Dip", "DipDir"}, {"30", "120"}, {"45.5", "200"}}, true},
      {"one named column is enough", {{"12", "Dip"}, {"5", "30"}, {"6", "40"}}, true},
      {"comma decimals and signs below", {{"Plunge"}, {"-12,5"}, {"+3"}}, true},
      {"quoted names", {{"\"Dip\"", " \"Az\" "}, {"30", "120"}}, true},
      {"comments and gaps below say nothing",
       {{"Dip", "Az"}, {"* field 3", ""}, {"30", ""}, {"", "120"}},
       true},
      {"all numbers", {{"30", "120"}, {"45", "200"}}, false},
      {"text in every row (sense letters, quadrants)",
       {{"N45E", "30", "SE"}, {"N50E", "35", "SE"}},
       false},
      {"text below the text", {{"Dip", "Az"}, {"30", "120"}, {"N", "x"}}, false},
      {"a single row", {{"Dip", "Az"}}, false},
      {"no rows", {}, false},
      {"a comment first", {{"; Dip", "Az"}, {"30", "120"}}, false},
      {"text over nothing", {{"Dip", "Az"}, {"", ""}, {"* end"}}, false},
      {"two points are no number", {{"1.2.3"}, {"4"}}, true},
      {"a lone sign is no number", {{"-"}, {"4"}}, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstRowLooksLikeHeadings(c.rows), c.headings) << c.name;
  }
}

}  // namespace
}  // namespace Lodema
