// SPDX-License-Identifier: MIT
#include "plot/BoxSymbolSets.h"

#include <algorithm>
#include <cmath>

#include "orient/Primitives.h"

namespace Lodema::Plot {

namespace {

constexpr int kFilledBox = 3;
constexpr int kOpenBox = 8;
constexpr int kLargestSize = 10000;  // keeps the corners well inside int

}  // namespace

bool DrawRetainedBoxSymbols(SvgSurface& surface, const PlotStore& store, const PlotView& view,
                            int first, int last) {
  // As DrawRetainedSets chooses the kinds it draws.
  int drawnKinds = 0;
  int kind = kResult;
  for (int k = 0; k < kKindCount; ++k) {
    if (view.shown[k] && store.TypeCode(k) != kTypeNothing) {
      ++drawnKinds;
      kind = k;
    }
  }
  const int type = store.TypeCode(kind);
  const bool pole = type == kTypePlane && !view.planesAsGreatCircles;
  const SymbolStyle& symbol = view.symbols[kind];
  if (drawnKinds != 1 || (type != kTypeLine && !pole) ||
      (symbol.shape != kFilledBox && symbol.shape != kOpenBox) || symbol.size < -kLargestSize ||
      symbol.size > kLargestSize) {
    return false;
  }
  if (store.IsEmpty()) return true;

  // The pen and fill DrawScreenSymbols draws the box with.
  const Rgb colour = PaletteColour(view.palette, symbol.colourIndex);
  Pen pen = surface.pen();
  pen.colour = colour;
  const Fill fill =
      symbol.shape == kFilledBox ? Fill{true, colour} : Fill{false, surface.fill().colour};
  const int half = 4 * std::abs(symbol.size);
  first = std::max(first, 1);
  last = std::min(last, store.RetainedCount());
  for (int set = first; set <= last; ++set) {
    // Lines and planes keep both fields.
    const double angle = store.KeptRetainedValue(set, kind, 0);
    const double azimuth = store.KeptRetainedValue(set, kind, 1);
    // As PlotOrientation: unreadable values draw nothing.
    if (!std::isfinite(angle) || !std::isfinite(azimuth)) continue;
    GridPoint at;
    if (pole) {
      const OrientGeometry::Line line = OrientGeometry::PlaneToPole(angle, azimuth);
      at = ProjectDirection(view.projection, line.angle, line.azimuth);
    } else {
      at = ProjectDirection(view.projection, angle, azimuth);
    }
    surface.WholeBox(pen, fill, at.x - half, at.y + half, 2 * half, 2 * half);
  }
  return true;
}

}  // namespace Lodema::Plot
