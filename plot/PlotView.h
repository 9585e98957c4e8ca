// SPDX-License-Identifier: MIT
// How the plot is drawn: projection, axes, planes as great circles or
// poles, which kinds are shown, and their symbols and colours.
#pragma once

#include <array>

#include "plot/Frame.h"
#include "plot/PlotRecord.h"
#include "plot/Projection.h"
#include "plot/Symbols.h"

namespace Lodema::Plot {

struct PlotView {
  ProjectionType projection = ProjectionType::kEqualArea;
  AxesStyle axes = AxesStyle::kSimpleTicks;
  bool planesAsGreatCircles = true;  // false: planes as poles
  // A kind is shown when its Show box is ticked and visible.
  std::array<bool, kKindCount> shown{true, true, true, true, true};
  Palette palette = DefaultPalette();
  SymbolTable symbols = DefaultSymbols();
  Rgb background = kLightGrey;
};

}  // namespace Lodema::Plot
