// SPDX-License-Identifier: MIT
// A drill-hole survey (hole, depth along the hole, azimuth, dip at each
// station) and, optionally, the holes' collars (hole, easting, northing,
// elevation), read from delimited text files and looked up row by row: the
// hole's direction at a depth by minimum-curvature interpolation between
// the stations, and the point's position by minimum-curvature integration
// from the collar. Read once before a run, then only read from, so the
// workers of a run share one table.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/LineReader.h"
#include "calc/CoreConventions.h"
#include "orient/Records.h"

namespace Lodema {

// 1-based columns of a survey file: hole, depth, azimuth, dip.
using SurveyColumns = std::array<int, 4>;
inline constexpr SurveyColumns kDefaultSurveyColumns = {1, 2, 3, 4};
// 1-based columns of a collar file: hole, easting, northing, elevation.
using CollarColumns = std::array<int, 4>;
inline constexpr CollarColumns kDefaultCollarColumns = {1, 2, 3, 4};

// How a survey's texts are read: as the rows of the input file are, its
// dips under the user's drill-core conventions (plunge or zenith, sign) and
// its azimuths in the input notation.
struct SurveyReading {
  std::string delimiterSet;
  CoreConventions core;
  bool quadrantIn = false;
  OrientGeometry::DecimalMark localeMark = OrientGeometry::DecimalMark::kPoint;
};

// A point of a hole: its down-hole direction (north, east, down) and, when
// the hole has a collar, its easting, northing and elevation.
struct HolePoint {
  OrientGeometry::DirectionCosines direction;
  std::optional<std::array<double, 3>> position;
};

class SurveyTable {
 public:
  // The table, or the message saying which line of the file is wrong.
  struct Read;
  static Read FromLines(LineReader& lines, const SurveyColumns& columns,
                        const SurveyReading& reading);
  // Adds the collars; the message of the first bad line, "" when all were
  // read. Collars of holes the survey does not hold are left aside.
  std::string AddCollars(LineReader& lines, const CollarColumns& columns,
                         const SurveyReading& reading);

  int HoleCount() const { return static_cast<int>(holes_.size()); }
  std::size_t StationCount() const;
  // The hole named (blanks around the name do not count), or none.
  std::optional<int> FindHole(std::string_view name) const;
  bool HoleHasCollar(int hole) const {
    return holes_[static_cast<std::size_t>(hole)].collar.has_value();
  }
  // The point at depth along the hole: above the first station the hole runs
  // straight from the collar along the first station's direction, below the
  // last straight on along the last one's.
  HolePoint PointAt(int hole, double depth) const;

 private:
  struct Station {
    double depth = 0.0;
    OrientGeometry::DirectionCosines direction;
    double dogLeg = 0.0;                      // to the next station
    OrientGeometry::DirectionCosines offset;  // from the collar (north, east, down)
  };
  struct Hole {
    std::vector<Station> stations;  // by depth
    std::optional<std::array<double, 3>> collar;
  };
  std::vector<Hole> holes_;
  std::map<std::string, int, std::less<>> names_;
  bool hasCollars_ = false;
};

struct SurveyTable::Read {
  std::optional<SurveyTable> table;
  std::string error;
};

}  // namespace Lodema
