// SPDX-License-Identifier: MIT
#include "plot/PlotDrawing.h"

#include <algorithm>
#include <cmath>

#include "orient/Primitives.h"
#include "orient/TextFormatting.h"
#include "plot/GreatCircle.h"
#include "plot/SmallCircle.h"

namespace Lodema::Plot {

namespace {

// Drawing order within a set: the windows first, the Result on top.
constexpr std::array<int, kKindCount> kDrawOrder = {kWindowA, kWindowB, kWindowC, kWindowD,
                                                    kResult};

constexpr double kLegendFirstRow = 280.0;
constexpr double kLegendRowStep = 112.0;
constexpr double kLegendTextHeight = 70.0;
constexpr const char* kKindNames[kKindCount] = {"Result", "Window A", "Window B", "Window C",
                                                "Window D"};

int CurveWidth(int kind) { return kind == kResult ? 2 : 1; }

bool IsCone(int type) {
  return type == kTypeReferenceAlpha || type == kTypeBetaAlpha || type == kTypeCoreAxisAndAlpha;
}

// The kind's symbol where it was placed.
void DrawSymbol(DrawingSurface& surface, const PlotView& view, int kind, const SymbolPlace& place) {
  if (place.where != SymbolPlace::kAt) return;
  const SymbolStyle& symbol = view.symbols[kind];
  DrawScreenSymbols(surface, {double(place.at.x), double(place.at.y)},
                    PaletteColour(view.palette, symbol.colourIndex), symbol.shape, symbol.size);
}

// Draws one kind of one set; value(kind, field) reads the set (the store's
// single-precision values).
template <typename Values>
void DrawKind(DrawingSurface& surface, const PlotView& view, int kind, int type,
              const Values& value) {
  const Rgb colour = PaletteColour(view.palette, view.symbols[kind].colourIndex);
  switch (type) {
    case kTypePlane:
      if (view.planesAsGreatCircles) {
        const double dip = value(kind, 0);
        const double dipDirection = value(kind, 1);
        // Unreadable values have no position: nothing rather than a line through the centre.
        if (!std::isfinite(dip) || !std::isfinite(dipDirection)) break;
        surface.SetPen(Pen{colour, CurveWidth(kind)});
        DrawGreatCircle(
            surface, GreatCircleArc(view.projection, dip, dipDirection, surface.ChordTolerance()));
        break;
      }
      [[fallthrough]];
    case kTypeLine:
      DrawSymbol(surface, view, kind,
                 SymbolPlaceOf(view, type, static_cast<float>(value(kind, 0)),
                               static_cast<float>(value(kind, 1))));
      break;
    case kTypeReferenceAlpha:
    case kTypeBetaAlpha:
      if (kind == kWindowA) {
        SmallCircleDraw(surface, view.projection, value(kWindowC, 0), value(kWindowC, 1),
                        value(kWindowA, 2), Pen{colour, 1});
      }
      break;
    case kTypeCoreAxisAndAlpha:
      if (kind == kWindowA || kind == kWindowB || kind == kWindowD) {
        SmallCircleDraw(surface, view.projection, value(kind, 0), value(kind, 1), value(kind, 2),
                        Pen{colour, 1});
      }
      break;
    default:
      break;
  }
}

bool IsDrawn(const PlotStore& store, const PlotView& view, int kind) {
  return view.shown[kind] && store.TypeCode(kind) != kTypeNothing;
}

// Draws the kinds of one set in drawing order; value(kind, field) reads the set.
template <typename Values>
void DrawSet(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
             const Values& value) {
  for (const int kind : kDrawOrder) {
    if (IsDrawn(store, view, kind)) DrawKind(surface, view, kind, store.TypeCode(kind), value);
  }
}

auto RetainedSetValues(const PlotStore& store, int set) {
  return
      [&store, set](int kind, int field) { return double(store.RetainedValue(set, kind, field)); };
}

}  // namespace

SymbolPlace SymbolPlaceOf(const PlotView& view, int type, float angle, float azimuth) {
  const bool pole = type == kTypePlane && !view.planesAsGreatCircles;
  if (type != kTypeLine && !pole) return {};
  // Unreadable values have no position: nothing rather than a mark at the centre.
  if (!std::isfinite(angle) || !std::isfinite(azimuth)) return {SymbolPlace::kNowhere, {}};
  if (pole) {
    const OrientGeometry::Line line = OrientGeometry::PlaneToPole(angle, azimuth);
    return {SymbolPlace::kAt, ProjectDirection(view.projection, line.angle, line.azimuth)};
  }
  return {SymbolPlace::kAt, ProjectDirection(view.projection, angle, azimuth)};
}

void DrawCurrentSet(DrawingSurface& surface, const PlotStore& store, const PlotView& view) {
  if (store.IsEmpty() || !store.NewDataPending()) return;
  DrawSet(surface, store, view,
          [&store](int kind, int field) { return double(store.CurrentValue(kind, field)); });
}

void DrawRetainedSets(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
                      int first, int last) {
  if (store.IsEmpty()) return;
  last = std::min(last, store.RetainedCount());
  for (int set = std::max(first, 1); set <= last; ++set) {
    DrawSet(surface, store, view, RetainedSetValues(store, set));
  }
}

void DrawNewestSet(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
                   const std::array<SymbolPlace, kKindCount>& places) {
  const int set = store.RetainedCount();
  if (store.IsEmpty() || set < 1) return;
  for (const int kind : kDrawOrder) {
    if (!IsDrawn(store, view, kind)) continue;
    if (places[kind].where == SymbolPlace::kWorkedOutWhenDrawn) {
      DrawKind(surface, view, kind, store.TypeCode(kind), RetainedSetValues(store, set));
    } else {
      DrawSymbol(surface, view, kind, places[kind]);
    }
  }
}

void DrawPlotBase(DrawingSurface& surface, const PlotView& view,
                  const std::function<void(DrawingSurface&)>& underData) {
  surface.Clear(view.background);
  DrawStereoFrame(surface, view.projection, view.axes);
  if (underData) {
    underData(surface);
    ResetDrawState(surface);
  }
}

void RedrawPlot(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
                const std::function<void(DrawingSurface&)>& underData) {
  DrawPlotBase(surface, view, underData);
  DrawCurrentSet(surface, store, view);
  DrawRetainedSets(surface, store, view, 1, store.RetainedCount());
}

void DrawLegend(DrawingSurface& surface, const LegendArea& area, const PlotStore& store,
                const PlotView& view) {
  const Pen savedPen = surface.pen();
  for (int kind = 0; kind < kKindCount; ++kind) {
    const int type = store.TypeCode(kind);
    if (!view.shown[kind] || type == kTypeNothing) continue;
    const double row = area.top - (kLegendFirstRow + kLegendRowStep * kind);
    const double sampleX = area.withNames ? area.centreX - 0.3 * area.width : area.centreX;
    const double halfLength = area.withNames ? 0.15 * area.width : area.width / 2.2;
    const SymbolStyle& symbol = view.symbols[kind];
    const Rgb colour = PaletteColour(view.palette, symbol.colourIndex);
    const bool drawnAsCurve = (type == kTypePlane && view.planesAsGreatCircles) || IsCone(type);
    if (drawnAsCurve) {
      surface.SetPen(Pen{colour, type == kTypePlane ? CurveWidth(kind) : 1});
      surface.Line({sampleX - halfLength, row}, {sampleX + halfLength, row});
    } else {
      surface.SetPen(Pen{colour, 1});
      DrawScreenSymbols(surface, {sampleX, row}, colour, symbol.shape, symbol.size);
    }
    if (area.withNames) {
      surface.SetPen(Pen{});
      surface.Text({area.centreX - 0.1 * area.width, row}, kKindNames[kind], kLegendTextHeight,
                   TextAnchor::kLeft);
    }
  }
  surface.SetPen(savedPen);
}

CountLabel CountLabelFor(const PlotStore& store, bool numberShown, const CountLabel& before) {
  CountLabel label = before;
  if (store.IsEmpty()) {
    label.caption = "0";
    return label;
  }
  if (store.TypeCode(kResult) < 1) {
    label.visible = false;
    return label;
  }
  label.visible = numberShown;
  label.caption = " " + std::to_string(store.RetainedCount());
  return label;
}

std::string PolarimText(const PlotStore& store, ProjectionType type) {
  const int resultType = store.TypeCode(kResult);
  if ((resultType != kTypePlane && resultType != kTypeLine) || store.RetainedCount() < 1) {
    return {};
  }
  std::string text = std::string(";Lodema data\r\n") + (resultType == kTypePlane ? "/T1" : "/T2") +
                     (type == ProjectionType::kEqualArea ? "\t/N2" : "\t/N1") +
                     "\t/P0\t/I2\t/C1\t/15\r\n";
  for (int set = 1; set <= store.RetainedCount(); ++set) {
    text += OrientGeometry::RadiansToWholeDegreesText(store.RetainedValue(set, kResult, 0)) + '\t' +
            OrientGeometry::RadiansToWholeDegreesText(store.RetainedValue(set, kResult, 1)) +
            "\r\n";
  }
  return text;
}

}  // namespace Lodema::Plot
