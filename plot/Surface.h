// SPDX-License-Identifier: MIT
// The drawing surface every stereonet routine draws onto: the window, a
// printer, an image or an SVG file all implement it, so they share one code
// path. Coordinates are plot units: centre (0, 0), primitive radius 1000,
// x east (right), y north (up). Angles are radians, counter-clockwise from +x.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Lodema::Plot {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kLightGrey{192, 192, 192};  // the plot's background on screen

enum class LineStyle { kSolid, kDash, kDot, kDashDot };
// How strokes combine with what is already drawn. Surfaces that cannot
// combine (a file) draw every mode as kCopy.
enum class PenMode { kCopy, kInvert };

struct Pen {
  Rgb colour = kBlack;
  int width = 1;  // device pixels on screen; surfaces without pixels scale it
  LineStyle style = LineStyle::kSolid;
  PenMode mode = PenMode::kCopy;
  bool operator==(const Pen&) const = default;
};

// Interior of boxes, circles and closed paths.
struct Fill {
  bool solid = false;  // false: transparent, only the outline is drawn
  Rgb colour = kBlack;
  bool operator==(const Fill&) const = default;
};

struct PlotPoint {
  double x = 0.0;
  double y = 0.0;
  bool operator==(const PlotPoint&) const = default;
};

enum class TextAnchor { kCentre, kLeft };

// Pen and fill are state of the surface, read and set by the routines; the
// primitives draw with whatever is current. Outlines use the pen, interiors
// the fill.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  const Pen& pen() const { return pen_; }
  void SetPen(const Pen& pen) { pen_ = pen; }
  const Fill& fill() const { return fill_; }
  void SetFill(const Fill& fill) { fill_ = fill; }

  // Erases everything to the background colour.
  virtual void Clear(Rgb background) = 0;
  // One pixel-sized dot in the pen colour.
  virtual void Dot(PlotPoint at) = 0;
  virtual void Line(PlotPoint from, PlotPoint to) = 0;
  // Joined segments through the points in order (open).
  virtual void Polyline(const std::vector<PlotPoint>& points) = 0;
  // Axis-aligned box between two opposite corners.
  virtual void Box(PlotPoint corner, PlotPoint opposite) = 0;
  virtual void Circle(PlotPoint centre, double radius) = 0;
  // The arc of the circle from startAngle counter-clockwise to endAngle; never filled.
  virtual void Arc(PlotPoint centre, double radius, double startAngle, double endAngle) = 0;
  // A polygon through the points and back to the first.
  virtual void ClosedPath(const std::vector<PlotPoint>& points) = 0;
  // Text in the pen colour; height in plot units; anchored at its vertical middle.
  virtual void Text(PlotPoint at, const std::string& text, double height, TextAnchor anchor) = 0;
  // The width, in plot units, that Text takes for text of this height. Surfaces
  // without fonts of their own answer EstimatedTextWidth.
  virtual double TextWidth(const std::string& text, double height) const;
  // How far, in plot units, a chord may stray from a curve without it
  // showing on this surface; 0 asks for the drawing routines' own fine
  // default.
  virtual double ChordTolerance() const { return 0.0; }

 private:
  Pen pen_;
  Fill fill_;
};

// A generous width of text in a common sans-serif face (wide faces set a
// line of lowercase letters at about 0.6 of the height per letter): the
// bound used where the face that will show the text is not known.
double EstimatedTextWidth(const std::string& text, double height);

// height, or less so that the text is at most maxWidth wide on the surface
// (maxWidth <= 0: no bound).
double FittedTextHeight(const DrawingSurface& surface, const std::string& text, double height,
                        double maxWidth);

// Pen mode copy, solid line, width 1, keeping the colour: the state every
// circle leaves behind.
inline void ResetDrawState(DrawingSurface& surface) {
  Pen pen = surface.pen();
  pen.mode = PenMode::kCopy;
  pen.style = LineStyle::kSolid;
  pen.width = 1;
  surface.SetPen(pen);
}

}  // namespace Lodema::Plot
