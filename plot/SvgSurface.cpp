// SPDX-License-Identifier: MIT
#include "plot/SvgSurface.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "orient/Records.h"

namespace Lodema::Plot {

namespace {

// Rounding to hundredths and writing them as digits gives the bytes of
// std::to_chars on the rounded double while the result stays below 10 000:
// the nearest double to n / 100 reads back from those digits and no shorter
// form does, and the plain form is never longer than the exponent form.
// Great circles write hundreds of such numbers each, so this path matters.
constexpr double kHundredthsLimit = 1.0e6;

char* WriteHundredths(char* out, long long hundredths) {
  if (hundredths < 0) {
    *out++ = '-';
    hundredths = -hundredths;
  }
  out = std::to_chars(out, out + kSvgNumberRoom, hundredths / 100).ptr;
  const int fraction = static_cast<int>(hundredths % 100);
  if (fraction != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
  }
  return out;
}

constexpr std::size_t kFlushSize = 1 << 16;
// Boxes per path element: keeps each element a reasonable size for viewers.
constexpr int kBoxesPerPath = 500;
// A point: two numbers and the comma between them, with a separator before.
constexpr std::size_t kPointRoom = 2 * kSvgNumberRoom + 2;

char* Literal(char* out, const char* text, std::size_t length) {
  std::memcpy(out, text, length);
  return out + length;
}

}  // namespace

char* WriteSvgNumber(char* out, double value) {
  char* const end = out + kSvgNumberRoom;
  // The cast is checked against the value rather than calling trunc, which
  // is a library call on the baseline instruction set.
  const long long whole = std::abs(value) < 1e15 ? static_cast<long long>(value) : 0;
  if (static_cast<double>(whole) == value) return std::to_chars(out, end, whole).ptr;
  const double scaled = value * 100.0;
  if (std::abs(scaled) < kHundredthsLimit) {
    // Halves away from zero, as std::round; truncation and the subtraction
    // are exact at this size.
    long long hundredths = static_cast<long long>(scaled);
    const double rest = scaled - static_cast<double>(hundredths);
    if (rest >= 0.5) ++hundredths;
    if (rest <= -0.5) --hundredths;
    if (hundredths == 0) {
      *out = '0';
      return out + 1;
    }
    return WriteHundredths(out, hundredths);
  }
  const double rounded = std::isfinite(value) ? std::round(scaled) / 100.0 : 0.0;
  return std::to_chars(out, end, rounded == 0.0 ? 0.0 : rounded).ptr;
}

SvgSurface::SvgSurface(std::ostream& out, const SvgPage& page)
    : out_(out), page_(page), buffer_(new char[kFlushSize + 4096]), capacity_(kFlushSize + 4096) {
  Put("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"");
  Number(page_.pixelWidth);
  Put("\" height=\"");
  Number(page_.pixelWidth * page_.height / page_.width);
  Put("\" viewBox=\"");
  X(page_.left);
  Put(' ');
  Y(page_.bottom + page_.height);
  Put(' ');
  Number(page_.width);
  Put(' ');
  Number(page_.height);
  Put("\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n");
}

SvgSurface::~SvgSurface() { Finish(); }

void SvgSurface::Finish() {
  if (finished_) return;
  finished_ = true;
  CloseGroup();
  Put("</svg>\n");
  Flush(true);
}

void SvgSurface::Flush(bool always) {
  if (!always && used_ < kFlushSize) return;
  out_.write(buffer_.get(), static_cast<std::streamsize>(used_));
  used_ = 0;
}

void SvgSurface::Grow(std::size_t n) {
  // Only an element longer than the slack left after a flush gets here
  // (a long polyline, a long text).
  const std::size_t capacity = std::max(2 * capacity_, used_ + n);
  std::unique_ptr<char[]> grown(new char[capacity]);
  std::memcpy(grown.get(), buffer_.get(), used_);
  buffer_ = std::move(grown);
  capacity_ = capacity;
}

void SvgSurface::Number(double value) { Written(WriteSvgNumber(Room(kSvgNumberRoom), value)); }

void SvgSurface::Point(PlotPoint p) {
  char* out = WriteSvgNumber(Room(kPointRoom), p.x);
  *out++ = ',';
  Written(WriteSvgNumber(out, -p.y));
}

void SvgSurface::Points(const std::vector<PlotPoint>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) Put(' ');
    Point(points[i]);
  }
}

void SvgSurface::Colour(Rgb colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  Put('#');
  for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
    Put(kHex[part >> 4]);
    Put(kHex[part & 15]);
  }
}

void SvgSurface::EndBoxes() {
  if (boxesInPath_ == 0) return;
  Put("\"/>\n");
  boxesInPath_ = 0;
}

void SvgSurface::CloseGroup() {
  EndBoxes();
  if (paint_ != Paint::kNone) Put("</g>\n");
  paint_ = Paint::kNone;
}

bool SvgSurface::GroupHasStyle(Paint paint, const Pen& p, const Fill& f) const {
  if (paint != paint_ || p.colour != groupPen_.colour) return false;
  if (paint == Paint::kInk) return true;
  if (p.width != groupPen_.width || p.style != groupPen_.style) return false;
  return paint == Paint::kOutline ||
         (f.solid == groupFill_.solid && (!f.solid || f.colour == groupFill_.colour));
}

// Opens a group with the current pen and fill unless the open one has them.
void SvgSurface::Style(Paint paint) {
  Flush(false);
  const Pen& p = pen();
  const Fill& f = fill();
  if (GroupHasStyle(paint, p, f)) return;
  CloseGroup();
  paint_ = paint;
  groupPen_ = p;
  groupFill_ = f;
  Put("<g fill=\"");
  if (paint == Paint::kInk) {
    Colour(p.colour);
    Put("\">\n");
    return;
  }
  if (paint == Paint::kShape && f.solid) {
    Colour(f.colour);
  } else {
    Put("none");
  }
  Put("\" stroke=\"");
  Colour(p.colour);
  Put("\" stroke-width=\"");
  Number(std::max(p.width, 1) * kUnitsPerPenWidth);
  Put('"');
  // By LineStyle: solid, dash, dot, dash-dot.
  static constexpr const char* kDashes[] = {"", " stroke-dasharray=\"24,12\"",
                                            " stroke-dasharray=\"3,9\"",
                                            " stroke-dasharray=\"24,9,3,9\""};
  Put(kDashes[static_cast<int>(p.style)]);
  Put(">\n");
}

void SvgSurface::Clear(Rgb background) {
  CloseGroup();
  Put("<rect x=\"");
  X(page_.left);
  Put("\" y=\"");
  Y(page_.bottom + page_.height);
  Put("\" width=\"");
  Number(page_.width);
  Put("\" height=\"");
  Number(page_.height);
  Put("\" fill=\"");
  Colour(background);
  Put("\"/>\n");
}

void SvgSurface::Dot(PlotPoint at) {
  EndBoxes();
  Style(Paint::kInk);
  CircleElement(at, std::max(pen().width, 1) * kUnitsPerPenWidth);
}

void SvgSurface::Line(PlotPoint from, PlotPoint to) {
  EndBoxes();
  Style(Paint::kOutline);
  Put("<path d=\"M");
  Point(from);
  Put('L');
  Point(to);
  Put("\"/>\n");
}

void SvgSurface::Polyline(const std::vector<PlotPoint>& points) {
  if (points.empty()) return;
  EndBoxes();
  Style(Paint::kOutline);
  Put("<polyline points=\"");
  Points(points);
  Put("\"/>\n");
}

void SvgSurface::Box(PlotPoint corner, PlotPoint opposite) {
  Style(Paint::kShape);
  if (boxesInPath_ == kBoxesPerPath) EndBoxes();
  const double width = std::abs(opposite.x - corner.x);
  const double height = std::abs(opposite.y - corner.y);
  if (width != boxWidth_ || height != boxHeight_) {
    boxWidth_ = width;
    boxHeight_ = height;
    char* end = boxSides_;
    *end++ = 'h';
    end = WriteSvgNumber(end, width);
    *end++ = 'v';
    end = WriteSvgNumber(end, height);
    end = Literal(end, "h-", 2);
    end = WriteSvgNumber(end, width);
    *end++ = 'z';
    boxSidesLength_ = static_cast<std::size_t>(end - boxSides_);
  }
  // The box's start, its corner and its sides in one write: symbols of a
  // long run are mostly boxes.
  constexpr char kPathStart[] = "<path d=\"M";
  char* out = Room(sizeof kPathStart + kPointRoom + boxSidesLength_);
  out =
      boxesInPath_++ == 0 ? Literal(out, kPathStart, sizeof kPathStart - 1) : Literal(out, "M", 1);
  out = WriteSvgNumber(out, std::min(corner.x, opposite.x));
  *out++ = ',';
  out = WriteSvgNumber(out, -std::max(corner.y, opposite.y));
  Written(Literal(out, boxSides_, boxSidesLength_));
}

void SvgSurface::CircleElement(PlotPoint centre, double radius) {
  Put("<circle cx=\"");
  X(centre.x);
  Put("\" cy=\"");
  Y(centre.y);
  Put("\" r=\"");
  Number(std::abs(radius));
  Put("\"/>\n");
}

void SvgSurface::Circle(PlotPoint centre, double radius) {
  EndBoxes();
  Style(Paint::kShape);
  CircleElement(centre, radius);
}

void SvgSurface::Arc(PlotPoint centre, double radius, double startAngle, double endAngle) {
  double sweep = std::fmod(endAngle - startAngle, OrientGeometry::kTwoPi);
  if (sweep <= 0.0) sweep += OrientGeometry::kTwoPi;
  EndBoxes();
  Style(Paint::kOutline);
  if (sweep >= OrientGeometry::kTwoPi - 1e-9) {
    CircleElement(centre, radius);
    return;
  }
  const PlotPoint from{centre.x + radius * std::cos(startAngle),
                       centre.y + radius * std::sin(startAngle)};
  const PlotPoint to{centre.x + radius * std::cos(endAngle),
                     centre.y + radius * std::sin(endAngle)};
  // Counter-clockwise on the plot is clockwise once y is flipped: sweep flag 0.
  Put("<path d=\"M");
  Point(from);
  Put('A');
  Number(radius);
  Put(',');
  Number(radius);
  Put(sweep > OrientGeometry::kPi ? " 0 1,0 " : " 0 0,0 ");
  Point(to);
  Put("\"/>\n");
}

void SvgSurface::ClosedPath(const std::vector<PlotPoint>& points) {
  EndBoxes();
  if (points.empty()) return;
  Style(Paint::kShape);
  Put("<polygon points=\"");
  Points(points);
  Put("\"/>\n");
}

void SvgSurface::Text(PlotPoint at, const std::string& text, double height, TextAnchor anchor) {
  // A viewer's font is not known here: text that would run past the view
  // box by the generous estimate is set smaller rather than cut off.
  const double right = page_.left + page_.width;
  const double room = anchor == TextAnchor::kCentre
                          ? 2.0 * std::min(at.x - page_.left, right - at.x)
                          : right - at.x;
  height = FittedTextHeight(*this, text, height, std::max(room, 1.0));
  EndBoxes();
  Style(Paint::kInk);
  Put("<text x=\"");
  X(at.x);
  Put("\" y=\"");
  Y(at.y);
  Put("\" font-family=\"sans-serif\" font-size=\"");
  Number(height);
  Put("\" dominant-baseline=\"central\" text-anchor=\"");
  Put(anchor == TextAnchor::kCentre ? "middle" : "start");
  Put("\">");
  for (const char c : text) {
    const char* entity = c == '&'   ? "&amp;"
                         : c == '<' ? "&lt;"
                         : c == '>' ? "&gt;"
                         : c == '"' ? "&quot;"
                                    : nullptr;
    if (entity != nullptr) {
      Put(entity);
    } else {
      Put(c);
    }
  }
  Put("</text>\n");
}

}  // namespace Lodema::Plot
