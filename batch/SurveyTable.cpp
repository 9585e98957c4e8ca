// SPDX-License-Identifier: MIT
#include "batch/SurveyTable.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "batch/Delimiters.h"
#include "calc/RowKernel.h"
#include "orient/Desurvey.h"
#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextParsing.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

// Two consecutive stations further apart than this turn the hole back on
// itself: no arc joins them.
constexpr double kLargestDogLeg = kPi - 1e-6;

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// The finite number a field holds, read as input fields are.
std::optional<double> FieldNumber(std::string_view field, OrientGeometry::DecimalMark localeMark) {
  const std::string_view text = NumberText::TrimBlanks(field);
  if (!NumberText::IsNumberText(text)) return std::nullopt;
  const std::optional<double> value = NumberText::TryTextToDouble(text, localeMark);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

// Calls row(line number, fields) for each data line of a table file: blank
// and comment lines are passed over, and a first line whose key number
// field (keyColumn) is no number is its heading. Stops at the first
// message row returns.
std::string ForEachTableRow(
    LineReader& lines, std::string_view delimiterSet, int keyColumn,
    const std::function<std::string(long, const std::vector<std::string>&)>& row,
    OrientGeometry::DecimalMark localeMark) {
  std::string line;
  std::vector<std::string> fields;
  long number = 0;
  bool first = true;
  while (lines.ReadLine(line)) {
    ++number;
    // Leading blanks go, as in input rows; a leading TAB is an empty field.
    std::string_view text = NumberText::TrimLeadingSpaces(line);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
    if (NumberText::TrimBlanks(text).empty() || text[0] == '*' || text[0] == ';' || text[0] == '/')
      continue;
    SplitFields(text, delimiterSet, -1, fields);
    const bool keyIsNumber =
        static_cast<std::size_t>(keyColumn) <= fields.size() &&
        FieldNumber(fields[static_cast<std::size_t>(keyColumn - 1)], localeMark);
    if (std::exchange(first, false) && !keyIsNumber) continue;
    std::string error = row(number, fields);
    if (!error.empty()) return error;
  }
  if (!lines.ReadError().empty()) return "it could not be read: " + lines.ReadError();
  return "";
}

// A field of a table row, or why it is missing.
std::string_view FieldAt(const std::vector<std::string>& fields, int column) {
  if (column < 1 || static_cast<std::size_t>(column) > fields.size()) return {};
  return NumberText::TrimBlanks(fields[static_cast<std::size_t>(column - 1)]);
}

std::string LinePrefix(const char* file, long line) {
  return std::string(file) + " line " + std::to_string(line) + ": ";
}

// The station's typed azimuth and dip -> its down-hole direction, or why not.
std::string ReadDirection(std::string_view azimuthText, std::string_view dipText,
                          const SurveyReading& reading, DirectionCosines& direction) {
  const EntryRule azimuthRule = reading.quadrantIn ? EntryRule::kQuadrant : EntryRule::kTurn;
  if (!EntryAccepts(azimuthRule, azimuthText, reading.localeMark)) {
    return "the azimuth " + Quoted(azimuthText) + " is not " +
           (reading.quadrantIn ? "" : "a number from ") + EntryRangeText(azimuthRule);
  }
  if (!EntryAccepts(EntryRule::kRightAngle, dipText, reading.localeMark)) {
    return "the dip " + Quoted(dipText) + " is not a number from " +
           EntryRangeText(EntryRule::kRightAngle);
  }
  const std::string azimuth =
      reading.quadrantIn ? QuadrantToAzimuthText(azimuthText, reading.localeMark).value_or("")
                         : std::string(azimuthText);
  const std::optional<double> a = FieldNumber(azimuth, reading.localeMark);
  const std::optional<double> d = FieldNumber(dipText, reading.localeMark);
  if (!a || !d) return "the azimuth or dip is not a number";
  const Line line = CorrectCoreAxis(DegreesToRadians(*d), DegreesToRadians(*a), reading.core, true);
  direction = LineToDirectionCosines(line);
  return "";
}

bool SameDirection(const DirectionCosines& a, const DirectionCosines& b) {
  return DogLeg(a, b) < 1e-12;
}

std::string DepthText(double depth) { return NumberText::FormatGeneral(depth, '.'); }

}  // namespace

SurveyTable::Read SurveyTable::FromLines(LineReader& lines, const SurveyColumns& columns,
                                         const SurveyReading& reading) {
  Read read;
  SurveyTable table;
  const std::string error = ForEachTableRow(
      lines, reading.delimiterSet, columns[1],
      [&](long number, const std::vector<std::string>& fields) -> std::string {
        const std::string_view hole = FieldAt(fields, columns[0]);
        const std::string_view depthText = FieldAt(fields, columns[1]);
        if (hole.empty()) return LinePrefix("survey", number) + "no hole name";
        const std::optional<double> depth = FieldNumber(depthText, reading.localeMark);
        if (!depth) {
          return LinePrefix("survey", number) + "the depth " + Quoted(depthText) +
                 " is not a number";
        }
        Station station;
        station.depth = *depth;
        const std::string problem = ReadDirection(
            FieldAt(fields, columns[2]), FieldAt(fields, columns[3]), reading, station.direction);
        if (!problem.empty()) return LinePrefix("survey", number) + problem;
        const auto [at, added] = table.names_.try_emplace(std::string(hole), table.HoleCount());
        if (added) table.holes_.emplace_back();
        table.holes_[static_cast<std::size_t>(at->second)].stations.push_back(station);
        return "";
      },
      reading.localeMark);
  if (!error.empty()) {
    read.error = error;
    return read;
  }
  if (table.holes_.empty()) {
    read.error = "the survey holds no stations";
    return read;
  }
  for (const auto& [name, index] : table.names_) {
    std::vector<Station>& stations = table.holes_[static_cast<std::size_t>(index)].stations;
    std::stable_sort(stations.begin(), stations.end(),
                     [](const Station& a, const Station& b) { return a.depth < b.depth; });
    // A station given twice is kept once; two directions at one depth are
    // a mistake in the file.
    std::vector<Station> kept;
    for (const Station& station : stations) {
      if (!kept.empty() && kept.back().depth == station.depth) {
        if (SameDirection(kept.back().direction, station.direction)) continue;
        read.error = "hole " + name + " has two stations at depth " + DepthText(station.depth) +
                     " with different directions";
        return read;
      }
      kept.push_back(station);
    }
    // Straight from the collar to the first station, then arc by arc.
    Station& top = kept.front();
    top.offset = {top.depth * top.direction.north, top.depth * top.direction.east,
                  top.depth * top.direction.down};
    for (std::size_t i = 0; i + 1 < kept.size(); ++i) {
      Station& upper = kept[i];
      Station& lower = kept[i + 1];
      upper.dogLeg = DogLeg(upper.direction, lower.direction);
      if (upper.dogLeg > kLargestDogLeg) {
        read.error = "hole " + name + " turns back on itself between depths " +
                     DepthText(upper.depth) + " and " + DepthText(lower.depth);
        return read;
      }
      const DirectionCosines step = ArcDisplacement(upper.direction, lower.direction, upper.dogLeg,
                                                    lower.depth - upper.depth);
      lower.offset = {upper.offset.north + step.north, upper.offset.east + step.east,
                      upper.offset.down + step.down};
    }
    stations = std::move(kept);
  }
  read.table = std::move(table);
  return read;
}

std::string SurveyTable::AddCollars(LineReader& lines, const CollarColumns& columns,
                                    const SurveyReading& reading) {
  hasCollars_ = true;
  return ForEachTableRow(
      lines, reading.delimiterSet, columns[1],
      [&](long number, const std::vector<std::string>& fields) -> std::string {
        const std::string_view hole = FieldAt(fields, columns[0]);
        if (hole.empty()) return LinePrefix("collar", number) + "no hole name";
        std::array<double, 3> collar{};
        constexpr const char* kNames[] = {"easting", "northing", "elevation"};
        for (std::size_t k = 0; k < 3; ++k) {
          const std::string_view text = FieldAt(fields, columns[k + 1]);
          const std::optional<double> value = FieldNumber(text, reading.localeMark);
          if (!value) {
            return LinePrefix("collar", number) + "the " + kNames[k] + " " + Quoted(text) +
                   " is not a number";
          }
          collar[k] = *value;
        }
        const std::optional<int> index = FindHole(hole);
        if (!index) return "";
        auto& kept = holes_[static_cast<std::size_t>(*index)].collar;
        if (kept && *kept != collar) {
          return LinePrefix("collar", number) + "hole " + std::string(hole) +
                 " has a second, different collar";
        }
        kept = collar;
        return "";
      },
      reading.localeMark);
}

std::size_t SurveyTable::StationCount() const {
  std::size_t count = 0;
  for (const Hole& hole : holes_) count += hole.stations.size();
  return count;
}

std::optional<int> SurveyTable::FindHole(std::string_view name) const {
  const auto at = names_.find(NumberText::TrimBlanks(name));
  if (at == names_.end()) return std::nullopt;
  return at->second;
}

HolePoint SurveyTable::PointAt(int index, double depth) const {
  const Hole& hole = holes_[static_cast<std::size_t>(index)];
  const std::vector<Station>& stations = hole.stations;
  HolePoint point;
  // The first station at or below the depth.
  const auto below =
      std::lower_bound(stations.begin(), stations.end(), depth,
                       [](const Station& station, double d) { return station.depth < d; });
  const bool beyond = below == stations.begin() || below == stations.end();
  // Beyond the stations the hole runs straight.
  const Station& upper =
      beyond ? (below == stations.begin() ? *below : *(below - 1)) : *(below - 1);
  const double along = depth - upper.depth;
  double fraction = 0.0;
  if (beyond) {
    point.direction = upper.direction;
  } else {
    fraction = along / (below->depth - upper.depth);
    point.direction =
        InterpolateDirection(upper.direction, below->direction, upper.dogLeg, fraction);
  }
  if (!hole.collar) return point;
  // The part of the arc down to the depth is an arc of its own (a straight
  // one beyond the stations).
  const DirectionCosines step =
      ArcDisplacement(upper.direction, point.direction, fraction * upper.dogLeg, along);
  const std::array<double, 3>& c = *hole.collar;
  point.position = std::array<double, 3>{c[0] + upper.offset.east + step.east,
                                         c[1] + upper.offset.north + step.north,
                                         c[2] - upper.offset.down - step.down};
  return point;
}

}  // namespace Lodema
