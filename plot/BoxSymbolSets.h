// SPDX-License-Identifier: MIT
// Retained sets drawn straight into an SVG document when each set is one
// box-shaped symbol: the plot of a long batch run, whose every row adds one.
#pragma once

#include <array>

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

}  // namespace Lodema::Plot
