// SPDX-License-Identifier: MIT
// A sense letter along the strike line (000/30 N) cannot choose the side the
// plane dips to: the result stands, and a note says which side was taken.
#include <string>

#include "ModelTestSupport.h"

namespace Lodema {
namespace {

struct SenseRow {
  const char* name;
  int planeNotation;  // input plane notation 1..6
  int quadrant;       // input direction notation
  int calculation;
  std::initializer_list<std::pair<int, const char*>> boxes;
  std::string note;   // the message panel afterwards
  const char* first;  // the main result's first two boxes
  const char* second;
};

class SenseAlongStrikeTest : public ModelTest {};

TEST_F(SenseAlongStrikeTest, NoteSaysWhichSideWasTaken) {
  const std::string along =
      "Note: sense N lies along the strike of plane A: taken as dipping to 270";
  // clang-format off
  const SenseRow rows[] = {
      // 6: the normal of plane A; 30/270 has the normal 60/090.
      {"strike 000 with N", 3, 0, 6, {{0, "000"}, {1, "30"}, {2, "N"}}, along, "60", "090"},
      {"strike 360 with s", 3, 0, 6, {{0, "360"}, {1, "30"}, {2, "s"}},
       "Note: sense S lies along the strike of plane A: taken as dipping to 270", "60", "090"},
      {"dip, sense, strike", 4, 0, 6, {{0, "30"}, {1, "W"}, {2, "090"}},
       "Note: sense W lies along the strike of plane A: taken as dipping to 000", "60", "180"},
      {"quadrant strike", 3, 1, 6, {{0, "N0E"}, {1, "30"}, {2, "N"}}, along, "60", "N90E"},
      {"a side chosen", 3, 0, 6, {{0, "000"}, {1, "30"}, {2, "E"}}, "", "60", "270"},
      {"nearly along is a choice", 3, 0, 6, {{0, "010"}, {1, "30"}, {2, "N"}}, "", "60", "100"},
      {"right-hand rule has no sense", 6, 0, 6, {{0, "000"}, {1, "30"}}, "", "60", "270"},
      // 0: the intersection of A and B; the note names the window.
      {"plane B", 3, 0, 0, {{0, "045"}, {1, "60"}, {2, "SE"}, {3, "090"}, {4, "30"}, {5, "E"}},
       "Note: sense E lies along the strike of plane B: taken as dipping to 000", "", ""},
  };
  // clang-format on
  for (const SenseRow& row : rows) {
    SCOPED_TRACE(row.name);
    model.SetOutputSameAsInput(false);
    model.SetInputPlaneNotation(row.planeNotation);
    model.SetInputDirectionNotation(row.quadrant);
    model.SetOutputDirectionNotation(row.quadrant);
    model.SelectCalculation(row.calculation);
    for (int box = 0; box < 6; ++box) model.SetEntryText(box, "");
    for (const auto& [box, text] : row.boxes) model.SetEntryText(box, text);
    EXPECT_EQ(Message(), row.note);
    EXPECT_FALSE(model.MessageReportsFailure());
    if (*row.first != '\0') {
      EXPECT_EQ(Result(0), row.first);
      EXPECT_EQ(Result(1), row.second);
    } else {
      EXPECT_NE(Result(0), "");
    }
  }
}

}  // namespace
}  // namespace Lodema
