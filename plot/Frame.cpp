// SPDX-License-Identifier: MIT
#include "plot/Frame.h"

#include <cmath>

#include "orient/Records.h"

namespace Lodema::Plot {

namespace {

constexpr double kCentreCross = 50.0;
constexpr double kOuterTick = 50.0;
constexpr double kGraduationHalf = 20.0;
// The "N" above the top of the primitive, inside the plot's 1100 margin.
constexpr double kNorthTextHeight = 60.0;
constexpr double kNorthTextCentre = 1050.0;

void CentreCross(DrawingSurface& surface) {
  surface.Line({-kCentreCross, 0.0}, {kCentreCross, 0.0});
  surface.Line({0.0, -kCentreCross}, {0.0, kCentreCross});
}

// Cross-ticks on both diameters at the radii of plunges 10 to 80 degrees.
void Graduations(DrawingSurface& surface, ProjectionType type) {
  for (int i = 1; i <= 8; ++i) {
    const double r = ProjectDirection(type, i * OrientGeometry::kPi / 18.0, 0.0).y;
    surface.Line({-kGraduationHalf, r}, {kGraduationHalf, r});
    surface.Line({-kGraduationHalf, -r}, {kGraduationHalf, -r});
    surface.Line({r, kGraduationHalf}, {r, -kGraduationHalf});
    surface.Line({-r, kGraduationHalf}, {-r, -kGraduationHalf});
  }
}

}  // namespace

AxesStyle AxesStyleFromCode(int code) {
  return code >= 0 && code <= 3 ? static_cast<AxesStyle>(code) : AxesStyle::kSimpleTicks;
}

void DrawStereoFrame(DrawingSurface& surface, ProjectionType type, AxesStyle style) {
  surface.SetPen(Pen{});
  const Fill saved = surface.fill();
  surface.SetFill({false, saved.colour});
  constexpr double r = kPrimitiveRadius;
  surface.Circle({0.0, 0.0}, r);
  surface.Text({0.0, kNorthTextCentre}, "N", kNorthTextHeight, TextAnchor::kCentre);
  switch (style) {
    case AxesStyle::kSimpleTicks:
      CentreCross(surface);
      break;
    case AxesStyle::kQuadrantTicks:
      CentreCross(surface);
      surface.Line({0.0, -r}, {0.0, -r - kOuterTick});
      surface.Line({-r, 0.0}, {-r - kOuterTick, 0.0});
      surface.Line({r, 0.0}, {r + kOuterTick, 0.0});
      break;
    case AxesStyle::kQuadrantAxes:
      surface.Line({-r, 0.0}, {r, 0.0});
      surface.Line({0.0, -r}, {0.0, r});
      Graduations(surface, type);
      break;
    case AxesStyle::kPolarAxes:
      for (int i = 0; i <= 18; ++i) {
        const double a = i * OrientGeometry::kPi / 18.0;
        surface.Line({r * std::cos(a), r * std::sin(a)}, {-r * std::cos(a), -r * std::sin(a)});
      }
      Graduations(surface, type);
      break;
  }
  surface.SetFill(saved);
}

}  // namespace Lodema::Plot
