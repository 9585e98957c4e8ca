// SPDX-License-Identifier: MIT
#include "plot/BoxSymbolSets.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "orient/Primitives.h"

namespace Lodema::Plot {

namespace {

constexpr int kFilledBox = 3;
constexpr int kOpenBox = 8;
constexpr int kLargestSize = 10000;  // keeps the corners well inside int

using BoxPlan = BoxSymbolPlan;

std::optional<BoxPlan> PlanBoxes(const SvgSurface& surface, const PlotStore& store,
                                 const PlotView& view) {
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
    return std::nullopt;
  }
  BoxPlan plan;
  plan.kind = kind;
  plan.pole = pole;
  const Rgb colour = PaletteColour(view.palette, symbol.colourIndex);
  plan.pen = surface.pen();
  plan.pen.colour = colour;
  plan.fill = symbol.shape == kFilledBox ? Fill{true, colour} : Fill{false, surface.fill().colour};
  plan.half = 4 * std::abs(symbol.size);
  return plan;
}

void DrawBox(SvgSurface& surface, const BoxPlan& plan, GridPoint at) {
  surface.WholeBox(plan.pen, plan.fill, at.x - plan.half, at.y + plan.half, 2 * plan.half,
                   2 * plan.half);
}

void DrawSets(SvgSurface& surface, const PlotStore& store, const PlotView& view,
              const BoxPlan& plan, int first, int last) {
  first = std::max(first, 1);
  last = std::min(last, store.RetainedCount());
  for (int set = first; set <= last; ++set) {
    // Lines and planes keep both fields.
    const double angle = store.KeptRetainedValue(set, plan.kind, 0);
    const double azimuth = store.KeptRetainedValue(set, plan.kind, 1);
    // As PlotOrientation: unreadable values draw nothing.
    if (!std::isfinite(angle) || !std::isfinite(azimuth)) continue;
    if (plan.pole) {
      const OrientGeometry::Line line = OrientGeometry::PlaneToPole(angle, azimuth);
      DrawBox(surface, plan, ProjectDirection(view.projection, line.angle, line.azimuth));
    } else {
      DrawBox(surface, plan, ProjectDirection(view.projection, angle, azimuth));
    }
  }
}

}  // namespace

bool DrawRetainedBoxSymbols(SvgSurface& surface, const PlotStore& store, const PlotView& view,
                            int first, int last) {
  const std::optional<BoxPlan> plan = PlanBoxes(surface, store, view);
  if (!plan) return false;
  if (!store.IsEmpty()) DrawSets(surface, store, view, *plan, first, last);
  return true;
}

namespace {

void DrawNewest(SvgSurface& surface, const PlotStore& store, const PlotView& view,
                const BoxPlan& plan, const std::array<SymbolPlace, kKindCount>& places) {
  const int set = store.RetainedCount();
  if (store.IsEmpty() || set < 1) return;
  const SymbolPlace& place = places[plan.kind];
  if (place.where == SymbolPlace::kAt) {
    DrawBox(surface, plan, place.at);
  } else if (place.where == SymbolPlace::kWorkedOutWhenDrawn) {
    DrawSets(surface, store, view, plan, set, set);
  }
}

}  // namespace

bool DrawNewestBoxSymbol(SvgSurface& surface, const PlotStore& store, const PlotView& view,
                         const std::array<SymbolPlace, kKindCount>& places) {
  const std::optional<BoxPlan> plan = PlanBoxes(surface, store, view);
  if (!plan) return false;
  DrawNewest(surface, store, view, *plan, places);
  return true;
}

bool NewestBoxSymbols::Draw(SvgSurface& surface, const PlotStore& store, const PlotView& view,
                            const std::array<SymbolPlace, kKindCount>& places) {
  if (!planned_ || typeChanges_ != store.TypeChanges() || !(surfacePen_ == surface.pen()) ||
      !(surfaceFill_ == surface.fill())) {
    plan_ = PlanBoxes(surface, store, view);
    planned_ = true;
    typeChanges_ = store.TypeChanges();
    surfacePen_ = surface.pen();
    surfaceFill_ = surface.fill();
  }
  if (!plan_) return false;
  DrawNewest(surface, store, view, *plan_, places);
  return true;
}

}  // namespace Lodema::Plot
