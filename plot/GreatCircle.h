// SPDX-License-Identifier: MIT
// The curve of a plane's great circle on the projection, and drawing it.
#pragma once

#include <vector>

#include "plot/Projection.h"
#include "plot/Surface.h"

namespace Lodema::Plot {

// Beyond this radius a circle is taken as straight (it would leave the page).
inline constexpr double kStraightLineRadius = 60000.0;

struct GreatCircleCurve {
  enum class Form {
    kPrimitive,  // a horizontal plane: the whole primitive
    kDiameter,   // a vertical plane: from one strike point to the other
    kArc,        // an exact circular arc (equal angle)
    kPolyline,   // the projected curve (equal area, and nearly vertical planes)
  };
  Form form = Form::kPrimitive;
  // kDiameter: from -> to is S2 -> S1 (S1 on the strike = dip direction - pi/2).
  PlotPoint from;
  PlotPoint to;
  // kArc: drawn counter-clockwise from startAngle to endAngle, through the
  // point of steepest dip.
  PlotPoint centre;
  double radius = 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
  // kPolyline: from S1 through the dip point to S2, each point on the true
  // curve and no chord further than a fifth of a plot unit from it.
  std::vector<PlotPoint> points;
};

// The great circle of the plane (dip, dip direction) in radians; |dip| is
// used. Every line lying in the plane projects onto the curve. NaN or
// infinite angles give a polyline without points. A polyline's chords stray
// from the curve by at most a fifth of a plot unit, or chordTolerance when
// that is larger.
GreatCircleCurve GreatCircleArc(ProjectionType type, double dip, double dipDirection,
                                double chordTolerance = 0.0);

// Draws the curve in the current pen with a transparent fill, then
// ResetDrawState.
void DrawGreatCircle(DrawingSurface& surface, const GreatCircleCurve& curve);

}  // namespace Lodema::Plot
