// The cursor read-out: the line under the cursor and its normal plane in the
// output notation, at the centre, on the primitive and just beyond it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plot/Readout.h"

namespace Lodema::Plot {
namespace {

TEST(CursorReadout, PositionsProjectionsAndNotations) {
  struct Row {
    const char* name;
    ProjectionType type;
    double x, y;
    int convention;
    std::string expected;
  };
  const auto area = ProjectionType::kEqualArea;
  const std::vector<Row> rows = {
      {"centre: vertical line, horizontal plane", area, 0, 0, 1, "90-000  (Plane: 0/180)"},
      {"primitive east: horizontal line, vertical plane", area, 1000, 0, 1,
       "0-090  (Plane: 90/270)"},
      {"primitive north, equal angle", ProjectionType::kEqualAngle, 0, 1000, 1,
       "0-000  (Plane: 90/180)"},
      {"just outside", area, 1000.6, 0, 1, ""},
      {"far outside", area, -3000, 2000, 1, ""},
      // sqrt(1 - cos 45) * 1000 = 541.2: a line plunging 45 towards the east.
      {"equal area 45 east", area, 541, 0, 1, "45-090  (Plane: 45/270)"},
      {"equal angle 45 east", ProjectionType::kEqualAngle, 414, 0, 1, "45-090  (Plane: 45/270)"},
      {"trend first, dip direction first", area, 541, 0, 12, "090-45  (Plane: 270/45)"},
      {"quadrant bearings", area, 541, 0, -1, "45-N90E  (Plane: 45/N90W)"},
      {"strike, dip and sense", area, 541, 0, 3, "45-090  (Plane: 180/45W)"},
      {"dip and sense, strike", area, 541, 0, 4, "45-090  (Plane: 45W/180)"},
      {"right-hand rule dip, strike", area, 541, 0, 5, "45-090  (Plane: 45/180)"},
      {"right-hand rule strike, dip, quadrant", area, 541, 0, -6, "45-N90E  (Plane: S0E/45)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CursorReadout(row.type, row.x, row.y, row.convention, "/", "-"), row.expected);
  }
  EXPECT_EQ(CursorReadout(area, 0, 0, 1, " \\ ", ", "), "90, 000  (Plane: 0 \\ 180)");
}

}  // namespace
}  // namespace Lodema::Plot
