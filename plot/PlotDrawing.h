// SPDX-License-Identifier: MIT
// Drawing the whole plot from its store: frame, data, legend and the count
// label.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "plot/PlotStore.h"
#include "plot/PlotView.h"
#include "plot/Projection.h"
#include "plot/Surface.h"

namespace Lodema::Plot {

// Where a kind's symbol goes, worked out apart from the store (ahead of
// drawing, on any thread).
struct SymbolPlace {
  enum Where : unsigned char {
    kWorkedOutWhenDrawn,  // a kind not drawn as one symbol, or not prepared
    kNowhere,             // unreadable values: no symbol
    kAt,
  };
  Where where = kWorkedOutWhenDrawn;
  GridPoint at;
};

// The place of the symbol of a kind holding `type` with fields 0 and 1
// (radians) as the store keeps them: a line's point, or a plane's pole when
// planes are drawn as poles; kWorkedOutWhenDrawn for other types.
SymbolPlace SymbolPlaceOf(const PlotView& view, int type, float angle, float azimuth);

// DrawRetainedSets of the newest retained set alone, with the places of its
// kinds' symbols worked out before; each place must be for the type the
// store holds for its kind.
void DrawNewestSet(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
                   const std::array<SymbolPlace, kKindCount>& places);

// Clears the surface to view.background, draws the frame, then every
// retained set oldest first after the current set (if pending); within a set
// the kinds A, B, C, D and the Result last, on top.
// underData, when given, draws between the frame and the data (the density
// contours).
void RedrawPlot(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
                const std::function<void(DrawingSurface&)>& underData = {});

// The first part of RedrawPlot: the background, the frame and underData.
// DrawCurrentSet and DrawRetainedSets after it complete the same picture.
void DrawPlotBase(DrawingSurface& surface, const PlotView& view,
                  const std::function<void(DrawingSurface&)>& underData = {});

// The parts of RedrawPlot, drawn over whatever the surface holds: the
// current set (when pending), and the retained sets first..last (1-based,
// oldest first, clamped to the retained range). A window that keeps the
// frame and the first n retained sets as a picture draws only the newer sets
// onto it, and gets the same picture as a full redraw.
void DrawCurrentSet(DrawingSurface& surface, const PlotStore& store, const PlotView& view);
void DrawRetainedSets(DrawingSurface& surface, const PlotStore& store, const PlotView& view,
                      int first, int last);

// Where the legend goes on its surface: rows step down from `top`, centred
// on centreX; a line sample is width / 1.1 long. With names, each row also
// shows its kind's name to the right of the sample.
struct LegendArea {
  double centreX = 0.0;
  double top = 1000.0;
  double width = 1000.0;
  bool withNames = false;
};

// One row per kind that is shown and present: a line sample for kinds drawn
// as curves, else the kind's symbol.
void DrawLegend(DrawingSurface& surface, const LegendArea& area, const PlotStore& store,
                const PlotView& view);

// The count label beside the plot.
struct CountLabel {
  bool visible = false;
  std::string caption = "0";
};

// The label after a redraw. numberShown: the user asked for the label. The
// caption is the number of retained sets (" 3"), "0" for an empty store; the
// label shows only when the Result holds data of a type.
CountLabel CountLabelFor(const PlotStore& store, bool numberShown, const CountLabel& before);

// The retained results as the tab-separated block Polarim reads, CR LF line
// ends; empty unless the Result holds planes or lines and a set is retained.
std::string PolarimText(const PlotStore& store, ProjectionType type);

}  // namespace Lodema::Plot
