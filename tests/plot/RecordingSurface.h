// SPDX-License-Identifier: MIT
// A drawing surface that records every primitive with the pen and fill it
// was drawn with.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "plot/Surface.h"

namespace Lodema::Plot::testing {

enum class Op { kClear, kDot, kLine, kPolyline, kBox, kCircle, kArc, kClosedPath, kText };

struct Drawn {
  Op op;
  std::vector<PlotPoint> points;  // line: from, to; box: corners; circle/arc: centre
  double radius = 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
  std::string text;
  Pen pen;
  Fill fill;
  Rgb background;
};

class RecordingSurface : public DrawingSurface {
 public:
  void Clear(Rgb background) override { Record(Op::kClear, {}).background = background; }
  void Dot(PlotPoint at) override { Record(Op::kDot, {at}); }
  void Line(PlotPoint from, PlotPoint to) override { Record(Op::kLine, {from, to}); }
  void Polyline(const std::vector<PlotPoint>& points) override { Record(Op::kPolyline, points); }
  void Box(PlotPoint corner, PlotPoint opposite) override { Record(Op::kBox, {corner, opposite}); }
  void Circle(PlotPoint centre, double radius) override {
    Record(Op::kCircle, {centre}).radius = radius;
  }
  void Arc(PlotPoint centre, double radius, double startAngle, double endAngle) override {
    Drawn& d = Record(Op::kArc, {centre});
    d.radius = radius;
    d.startAngle = startAngle;
    d.endAngle = endAngle;
  }
  void ClosedPath(const std::vector<PlotPoint>& points) override {
    Record(Op::kClosedPath, points);
  }
  // The text's height is kept as its radius.
  void Text(PlotPoint at, const std::string& text, double height, TextAnchor) override {
    Drawn& d = Record(Op::kText, {at});
    d.text = text;
    d.radius = height;
  }

  std::vector<Drawn> Of(Op op) const {
    std::vector<Drawn> out;
    for (const Drawn& d : drawn) {
      if (d.op == op) out.push_back(d);
    }
    return out;
  }

  std::vector<Drawn> drawn;

 private:
  Drawn& Record(Op op, std::vector<PlotPoint> points) {
    drawn.push_back({op, std::move(points), 0.0, 0.0, 0.0, {}, pen(), fill(), {}});
    return drawn.back();
  }
};

inline double Distance(PlotPoint a, PlotPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Distance from p to the segment a-b.
inline double DistanceToSegment(PlotPoint p, PlotPoint a, PlotPoint b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 == 0.0 ? 0.0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
  t = std::fmax(0.0, std::fmin(1.0, t));
  return Distance(p, {a.x + t * dx, a.y + t * dy});
}

}  // namespace Lodema::Plot::testing
