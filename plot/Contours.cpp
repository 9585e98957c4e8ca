// SPDX-License-Identifier: MIT
#include "plot/Contours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace Lodema::Plot {

namespace {

constexpr int kMostLevels = 8;

// The edges of the grid: horizontal edge (c, r)-(c+1, r) is 2 (r side + c),
// vertical edge (c, r)-(c, r+1) is 2 (r side + c) + 1.
struct EdgeIds {
  int side;
  int Horizontal(int c, int r) const { return 2 * (r * side + c); }
  int Vertical(int c, int r) const { return 2 * (r * side + c) + 1; }
};

// Where the level crosses an edge whose ends lie on either side of it. An
// end outside the primitive (NaN) is below every level, and the crossing
// is where the edge meets the primitive.
PlotPoint Crossing(const DensityGrid& grid, int edge, double level) {
  const int node = edge / 2;
  const int c = node % grid.side;
  const int r = node / grid.side;
  const int c2 = edge % 2 == 0 ? c + 1 : c;
  const int r2 = edge % 2 == 0 ? r : r + 1;
  const PlotPoint a = grid.Node(c, r);
  const PlotPoint b = grid.Node(c2, r2);
  const double va = grid.Value(c, r);
  const double vb = grid.Value(c2, r2);
  if (std::isnan(va) || std::isnan(vb)) {
    const PlotPoint in = std::isnan(va) ? b : a;
    const PlotPoint out = std::isnan(va) ? a : b;
    const double dx = out.x - in.x;
    const double dy = out.y - in.y;
    // |in + t (out - in)| = R, the root in [0, 1].
    const double qa = dx * dx + dy * dy;
    const double qb = 2.0 * (in.x * dx + in.y * dy);
    const double qc = in.x * in.x + in.y * in.y - kPrimitiveRadius * kPrimitiveRadius;
    const double t = std::clamp(
        (-qb + std::sqrt(std::max(0.0, qb * qb - 4.0 * qa * qc))) / (2.0 * qa), 0.0, 1.0);
    return {in.x + t * dx, in.y + t * dy};
  }
  const double t = vb == va ? 0.5 : std::clamp((level - va) / (vb - va), 0.0, 1.0);
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// Segments of one level as pairs of edge ids, cell by cell.
std::vector<std::array<int, 2>> Segments(const DensityGrid& grid, double level) {
  std::vector<std::array<int, 2>> segments;
  const EdgeIds ids{grid.side};
  const auto above = [&](int c, int r) { return grid.Value(c, r) >= level; };  // NaN: below
  for (int r = 0; r + 1 < grid.side; ++r) {
    for (int c = 0; c + 1 < grid.side; ++c) {
      const int corners = (above(c, r) ? 1 : 0) | (above(c + 1, r) ? 2 : 0) |
                          (above(c + 1, r + 1) ? 4 : 0) | (above(c, r + 1) ? 8 : 0);
      if (corners == 0 || corners == 15) continue;
      const int bottom = ids.Horizontal(c, r);
      const int top = ids.Horizontal(c, r + 1);
      const int left = ids.Vertical(c, r);
      const int right = ids.Vertical(c + 1, r);
      // Saddles: the mean of the corners inside the primitive decides
      // whether the two high corners are joined across the cell.
      const auto centreAbove = [&]() {
        double sum = 0.0;
        int inside = 0;
        for (const auto& [dc, dr] : {std::array{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
          const double v = grid.Value(c + dc, r + dr);
          if (!std::isnan(v)) {
            sum += v;
            ++inside;
          }
        }
        return inside > 0 && sum / inside >= level;
      };
      if (corners == 5 || corners == 10) {  // two opposite corners high
        if ((corners == 5) == centreAbove()) {
          segments.push_back({bottom, right});
          segments.push_back({top, left});
        } else {
          segments.push_back({left, bottom});
          segments.push_back({right, top});
        }
        continue;
      }
      // The edges the level crosses (0 bottom, 1 right, 2 top, 3 left),
      // alike for a pattern of high corners and its opposite.
      static constexpr int kCrossed[8][2] = {{},     {3, 0}, {0, 1}, {3, 1},
                                             {1, 2}, {},     {0, 2}, {2, 3}};
      const int edges[4] = {bottom, right, top, left};
      const auto& crossed = kCrossed[std::min(corners, 15 - corners)];
      segments.push_back({edges[crossed[0]], edges[crossed[1]]});
    }
  }
  return segments;
}

// The colour of level `index` of `count`: light to dark as density rises.
Rgb ContourColour(int index, int count) {
  // Light teal to dark teal.
  const double t = count <= 1 ? 1.0 : static_cast<double>(index) / (count - 1);
  const auto mix = [t](double light, double dark) {
    return static_cast<std::uint8_t>(std::lround(light + t * (dark - light)));
  };
  return {mix(110, 0), mix(205, 70), mix(200, 90)};
}

}  // namespace

std::vector<double> ContourLevels(const DensityGrid& grid) {
  std::vector<double> levels;
  if (grid.values.empty()) return levels;
  const double maximum = grid.Maximum();
  const bool percent = grid.method == DensityMethod::kOnePercentArea;
  // Steps base x 1, 2, 5, 10, 20 ...: 1, 2, 5 ... for the count, 2, 4, 10 ...
  // for standard deviations.
  static constexpr double kSteps[] = {1, 2, 5};
  const double base = percent ? 1.0 : 2.0;
  double step = base;
  for (int i = 1; maximum / step > kMostLevels && i < 900; ++i) {
    step = base * kSteps[i % 3] * std::pow(10.0, i / 3);
  }
  for (int i = 1; i <= kMostLevels && i * step <= maximum; ++i) levels.push_back(i * step);
  return levels;
}

std::vector<ContourLine> TraceContours(const DensityGrid& grid, const std::vector<double>& levels) {
  std::vector<ContourLine> lines;
  if (grid.values.empty()) return lines;
  const std::size_t edgeCount =
      2 * static_cast<std::size_t>(grid.side) * static_cast<std::size_t>(grid.side);
  // Each crossed edge belongs to exactly two segments (its two cells).
  std::vector<std::array<int, 2>> atEdge(edgeCount);
  for (std::size_t li = 0; li < levels.size(); ++li) {
    const double level = levels[li];
    const std::vector<std::array<int, 2>> segments = Segments(grid, level);
    for (const auto& s : segments) {
      for (int e : s) atEdge[static_cast<std::size_t>(e)] = {-1, -1};
    }
    for (int i = 0; i < static_cast<int>(segments.size()); ++i) {
      for (int e : segments[static_cast<std::size_t>(i)]) {
        auto& slots = atEdge[static_cast<std::size_t>(e)];
        (slots[0] < 0 ? slots[0] : slots[1]) = i;
      }
    }
    std::vector<bool> used(segments.size(), false);
    for (std::size_t first = 0; first < segments.size(); ++first) {
      if (used[first]) continue;
      used[first] = true;
      ContourLine line;
      line.levelIndex = static_cast<int>(li);
      line.level = level;
      const int start = segments[first][0];
      int edge = segments[first][1];
      int segment = static_cast<int>(first);
      line.points.push_back(Crossing(grid, start, level));
      while (edge != start) {
        line.points.push_back(Crossing(grid, edge, level));
        const auto& slots = atEdge[static_cast<std::size_t>(edge)];
        const int next = slots[0] == segment ? slots[1] : slots[0];
        if (next < 0 || used[static_cast<std::size_t>(next)]) break;
        used[static_cast<std::size_t>(next)] = true;
        const auto& s = segments[static_cast<std::size_t>(next)];
        edge = s[0] == edge ? s[1] : s[0];
        segment = next;
      }
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

void DrawContours(DrawingSurface& surface, const std::vector<ContourLine>& lines, int levelCount) {
  const Pen savedPen = surface.pen();
  const Fill savedFill = surface.fill();
  surface.SetFill(Fill{});
  for (const ContourLine& line : lines) {
    surface.SetPen(Pen{ContourColour(line.levelIndex, levelCount), 1});
    surface.ClosedPath(line.points);
  }
  surface.SetPen(savedPen);
  surface.SetFill(savedFill);
}

void DrawContourLegend(DrawingSurface& surface, double left, double top, double textHeight,
                       const DensityGrid& grid, const std::vector<double>& levels,
                       double maxWidth) {
  const Pen savedPen = surface.pen();
  surface.SetPen(Pen{});
  const auto text = [&](double x, double y, const std::string& line) {
    const double room = maxWidth > 0.0 ? maxWidth - (x - left) : 0.0;
    surface.Text({x, y}, line, FittedTextHeight(surface, line, textHeight, room),
                 TextAnchor::kLeft);
  };
  text(left, top, DensityMethodTitle(grid.method));
  const double rowStep = 1.6 * textHeight;
  const int count = static_cast<int>(levels.size());
  for (int i = 0; i < count; ++i) {
    const double y = top - rowStep * (i + 1);
    surface.SetPen(Pen{ContourColour(i, count), 2});
    surface.Line({left, y}, {left + 3.0 * textHeight, y});
    surface.SetPen(Pen{});
    text(left + 3.6 * textHeight, y,
         DensityLevelLabel(grid.method, levels[static_cast<std::size_t>(i)]));
  }
  if (count == 0) text(left, top - rowStep, "no level reached");
  surface.SetPen(savedPen);
}

}  // namespace Lodema::Plot
