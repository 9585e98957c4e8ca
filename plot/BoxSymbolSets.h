// SPDX-License-Identifier: MIT
// Retained sets drawn straight into an SVG document when each set is one
// box-shaped symbol: the plot of a long batch run, whose every row adds one.
#pragma once

#include <array>
#include <optional>

#include "plot/PlotDrawing.h"
#include "plot/PlotStore.h"
#include "plot/PlotView.h"
#include "plot/SvgSurface.h"

namespace Lodema::Plot {

// DrawRetainedSets(surface, store, view, first, last), the same bytes, when
// the one kind drawn is a line or a plane drawn as its pole and its symbol
// is a box (shape 3 filled, 8 open) of size -10000..10000; otherwise draws
// nothing and returns false.
bool DrawRetainedBoxSymbols(SvgSurface& surface, const PlotStore& store, const PlotView& view,
                            int first, int last);

// DrawNewestSet(surface, store, view, places) likewise, for the same plots.
bool DrawNewestBoxSymbol(SvgSurface& surface, const PlotStore& store, const PlotView& view,
                         const std::array<SymbolPlace, kKindCount>& places);

// How the box symbols of a plot are drawn.
struct BoxSymbolPlan {
  int kind = kResult;
  bool pole = false;  // a plane's pole, else a line
  Pen pen;            // the pen and fill DrawScreenSymbols draws the box with
  Fill fill;
  int half = 0;  // half the box's side
};

// DrawNewestBoxSymbol for one document drawn set after set with one view,
// the plan worked out again only when the store's types or the surface's
// pen or fill are not those it was worked out for.
class NewestBoxSymbols {
 public:
  bool Draw(SvgSurface& surface, const PlotStore& store, const PlotView& view,
            const std::array<SymbolPlace, kKindCount>& places);

 private:
  bool planned_ = false;
  std::optional<BoxSymbolPlan> plan_;
  int typeChanges_ = 0;
  Pen surfacePen_;
  Fill surfaceFill_;
};

}  // namespace Lodema::Plot
