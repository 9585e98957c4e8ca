// SPDX-License-Identifier: MIT
// A drawing surface that writes a standalone SVG document: vector shapes
// only, exact circular arcs, coordinates in plot units (y up on the plot is
// written as -y, so the document needs no transform). Consecutive shapes of
// one style share a group that carries the style, and consecutive boxes
// share one path, which keeps plots of many symbols small.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "plot/Surface.h"

namespace Lodema::Plot {

// Room a number needs in WriteSvgNumber's output.
inline constexpr int kSvgNumberRoom = 32;

// Writes value (plot units) rounded to two decimals at most, in its shortest
// form ("12", "-0.5", "3.25"; "0" for -0.004), as std::to_chars writes the
// rounded double; NaN and infinities are written as "0". out holds at least
// kSvgNumberRoom characters; returns the end of what was written.
char* WriteSvgNumber(char* out, double value);

// The part of the plot the document shows, in plot units.
struct SvgPage {
  double left = -1100.0;
  double bottom = -1100.0;
  double width = 2200.0;
  double height = 2200.0;
  double pixelWidth = 600.0;  // the size a viewer shows it at by default
};

class SvgSurface : public DrawingSurface {
 public:
  // Writes the document's opening to out.
  SvgSurface(std::ostream& out, const SvgPage& page);
  // Closes the document if Finish has not.
  ~SvgSurface() override;
  SvgSurface(const SvgSurface&) = delete;
  SvgSurface& operator=(const SvgSurface&) = delete;

  // Writes the closing tag and hands everything to the stream; nothing may
  // be drawn afterwards.
  void Finish();

  void Clear(Rgb background) override;
  void Dot(PlotPoint at) override;
  void Line(PlotPoint from, PlotPoint to) override;
  void Polyline(const std::vector<PlotPoint>& points) override;
  void Box(PlotPoint corner, PlotPoint opposite) override;
  void Circle(PlotPoint centre, double radius) override;
  void Arc(PlotPoint centre, double radius, double startAngle, double endAngle) override;
  void ClosedPath(const std::vector<PlotPoint>& points) override;
  void Text(PlotPoint at, const std::string& text, double height, TextAnchor anchor) override;

  // Stroke width in plot units for a pen width of 1.
  static constexpr double kUnitsPerPenWidth = 3.0;

 private:
  // How an element uses the pen and fill.
  enum class Paint {
    kNone,     // no group open
    kOutline,  // stroked, not filled (lines, arcs)
    kShape,    // stroked and filled by the fill (boxes, circles, polygons)
    kInk,      // filled with the pen colour, not stroked (dots, text)
  };
  void Style(Paint paint);
  // The open group is of this paint and draws with this pen and fill.
  bool GroupHasStyle(Paint paint, const Pen& p, const Fill& f) const;
  void CloseGroup();
  void EndBoxes();
  // A <circle> element in the current style.
  void CircleElement(PlotPoint centre, double radius);
  // Elements are written straight into the buffer: room for n more bytes
  // at its end, then used_ moved past what was written.
  char* Room(std::size_t n) {
    if (capacity_ - used_ < n) Grow(n);
    return buffer_.get() + used_;
  }
  void Grow(std::size_t n);
  void Written(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }
  void Put(char c) {
    *Room(1) = c;
    ++used_;
  }
  void Put(const char* text) { Put(text, std::strlen(text)); }
  void Put(const char* text, std::size_t n) {
    std::memcpy(Room(n), text, n);
    used_ += n;
  }
  void Number(double value);
  void X(double x) { Number(x); }
  void Y(double y) { Number(-y); }
  void Point(PlotPoint p);
  void Colour(Rgb colour);
  void Points(const std::vector<PlotPoint>& points);
  void Flush(bool always);

  std::ostream& out_;
  SvgPage page_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  std::size_t capacity_ = 0;
  bool finished_ = false;
  Paint paint_ = Paint::kNone;
  Pen groupPen_;
  Fill groupFill_;
  // Boxes written into the open path, and the side steps of the last box
  // ("h32v32h-32z").
  int boxesInPath_ = 0;
  double boxWidth_ = -1.0;
  double boxHeight_ = -1.0;
  char boxSides_[3 * kSvgNumberRoom + 8] = {};
  std::size_t boxSidesLength_ = 0;
};

}  // namespace Lodema::Plot
