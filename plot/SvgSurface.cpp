#include "plot/SvgSurface.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "orient/Records.h"

namespace Lodema::Plot {

SvgSurface::SvgSurface(std::ostream& out, const SvgPage& page) : out_(out), page_(page) {
  out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
       << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
  Number(page_.pixelWidth);
  out_ << "\" height=\"";
  Number(page_.pixelWidth * page_.height / page_.width);
  out_ << "\" viewBox=\"";
  X(page_.left);
  out_ << ' ';
  Y(page_.bottom + page_.height);
  out_ << ' ';
  Number(page_.width);
  out_ << ' ';
  Number(page_.height);
  out_ << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
}

SvgSurface::~SvgSurface() { Finish(); }

void SvgSurface::Finish() {
  if (finished_) return;
  finished_ = true;
  out_ << "</svg>\n";
}

// Plot units to two decimals at most, shortest form.
void SvgSurface::Number(double value) {
  if (!std::isfinite(value)) value = 0.0;
  const double rounded = std::round(value * 100.0) / 100.0;
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0.0 ? 0.0 : rounded);
  out_.write(buffer, result.ptr - buffer);
}

void SvgSurface::Point(PlotPoint p) {
  X(p.x);
  out_ << ',';
  Y(p.y);
}

void SvgSurface::Colour(Rgb colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  const char text[] = {'#',
                       kHex[colour.red >> 4],
                       kHex[colour.red & 15],
                       kHex[colour.green >> 4],
                       kHex[colour.green & 15],
                       kHex[colour.blue >> 4],
                       kHex[colour.blue & 15]};
  out_.write(text, sizeof text);
}

void SvgSurface::StrokeAttributes() {
  const Pen& p = pen();
  out_ << " stroke=\"";
  Colour(p.colour);
  out_ << "\" stroke-width=\"";
  Number(std::max(p.width, 1) * kUnitsPerPenWidth);
  out_ << '"';
  switch (p.style) {
    case LineStyle::kSolid:
      break;
    case LineStyle::kDash:
      out_ << " stroke-dasharray=\"24,12\"";
      break;
    case LineStyle::kDot:
      out_ << " stroke-dasharray=\"3,9\"";
      break;
    case LineStyle::kDashDot:
      out_ << " stroke-dasharray=\"24,9,3,9\"";
      break;
  }
}

void SvgSurface::FillAttributes() {
  if (!fill().solid) {
    out_ << " fill=\"none\"";
    return;
  }
  out_ << " fill=\"";
  Colour(fill().colour);
  out_ << '"';
}

void SvgSurface::Clear(Rgb background) {
  out_ << "<rect x=\"";
  X(page_.left);
  out_ << "\" y=\"";
  Y(page_.bottom + page_.height);
  out_ << "\" width=\"";
  Number(page_.width);
  out_ << "\" height=\"";
  Number(page_.height);
  out_ << "\" fill=\"";
  Colour(background);
  out_ << "\"/>\n";
}

void SvgSurface::Dot(PlotPoint at) {
  out_ << "<circle cx=\"";
  X(at.x);
  out_ << "\" cy=\"";
  Y(at.y);
  out_ << "\" r=\"";
  Number(std::max(pen().width, 1) * kUnitsPerPenWidth);
  out_ << "\" fill=\"";
  Colour(pen().colour);
  out_ << "\"/>\n";
}

void SvgSurface::Line(PlotPoint from, PlotPoint to) {
  out_ << "<path d=\"M";
  Point(from);
  out_ << 'L';
  Point(to);
  out_ << '"';
  StrokeAttributes();
  out_ << "/>\n";
}

void SvgSurface::Polyline(const std::vector<PlotPoint>& points) {
  if (points.empty()) return;
  out_ << "<polyline points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) out_ << ' ';
    Point(points[i]);
  }
  out_ << "\" fill=\"none\"";
  StrokeAttributes();
  out_ << "/>\n";
}

void SvgSurface::Box(PlotPoint corner, PlotPoint opposite) {
  out_ << "<rect x=\"";
  X(std::min(corner.x, opposite.x));
  out_ << "\" y=\"";
  Y(std::max(corner.y, opposite.y));
  out_ << "\" width=\"";
  Number(std::abs(opposite.x - corner.x));
  out_ << "\" height=\"";
  Number(std::abs(opposite.y - corner.y));
  out_ << '"';
  FillAttributes();
  StrokeAttributes();
  out_ << "/>\n";
}

void SvgSurface::Circle(PlotPoint centre, double radius) {
  out_ << "<circle cx=\"";
  X(centre.x);
  out_ << "\" cy=\"";
  Y(centre.y);
  out_ << "\" r=\"";
  Number(std::abs(radius));
  out_ << '"';
  FillAttributes();
  StrokeAttributes();
  out_ << "/>\n";
}

void SvgSurface::Arc(PlotPoint centre, double radius, double startAngle, double endAngle) {
  double sweep = std::fmod(endAngle - startAngle, OrientGeometry::kTwoPi);
  if (sweep <= 0.0) sweep += OrientGeometry::kTwoPi;
  if (sweep >= OrientGeometry::kTwoPi - 1e-9) {
    const Fill saved = fill();
    SetFill({false, saved.colour});
    Circle(centre, radius);
    SetFill(saved);
    return;
  }
  const PlotPoint from{centre.x + radius * std::cos(startAngle),
                       centre.y + radius * std::sin(startAngle)};
  const PlotPoint to{centre.x + radius * std::cos(endAngle),
                     centre.y + radius * std::sin(endAngle)};
  // Counter-clockwise on the plot is clockwise once y is flipped: sweep flag 0.
  out_ << "<path d=\"M";
  Point(from);
  out_ << 'A';
  Number(radius);
  out_ << ',';
  Number(radius);
  out_ << " 0 " << (sweep > OrientGeometry::kPi ? '1' : '0') << ",0 ";
  Point(to);
  out_ << "\" fill=\"none\"";
  StrokeAttributes();
  out_ << "/>\n";
}

void SvgSurface::ClosedPath(const std::vector<PlotPoint>& points) {
  if (points.empty()) return;
  out_ << "<polygon points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) out_ << ' ';
    Point(points[i]);
  }
  out_ << '"';
  FillAttributes();
  StrokeAttributes();
  out_ << "/>\n";
}

void SvgSurface::Text(PlotPoint at, const std::string& text, double height, TextAnchor anchor) {
  out_ << "<text x=\"";
  X(at.x);
  out_ << "\" y=\"";
  Y(at.y);
  out_ << "\" font-family=\"sans-serif\" font-size=\"";
  Number(height);
  out_ << "\" dominant-baseline=\"central\" text-anchor=\""
       << (anchor == TextAnchor::kCentre ? "middle" : "start") << "\" fill=\"";
  Colour(pen().colour);
  out_ << "\">";
  for (const char c : text) {
    switch (c) {
      case '&':
        out_ << "&amp;";
        break;
      case '<':
        out_ << "&lt;";
        break;
      case '>':
        out_ << "&gt;";
        break;
      case '"':
        out_ << "&quot;";
        break;
      default:
        out_ << c;
    }
  }
  out_ << "</text>\n";
}

}  // namespace Lodema::Plot
