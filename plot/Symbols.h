// SPDX-License-Identifier: MIT
// The colour palette, the symbol of each kind of plotted data, and drawing
// one symbol.
#pragma once

#include <array>

#include "plot/Surface.h"

namespace Lodema::Plot {

inline constexpr int kPaletteSize = 25;
using Palette = std::array<Rgb, kPaletteSize>;

// Colour index (0-24), shape number and size of one kind's symbol.
struct SymbolStyle {
  int colourIndex = 5;
  int shape = 0;
  int size = 1;
  bool operator==(const SymbolStyle&) const = default;
};

// Rows 0 Result, 1-4 windows A-D; rows 5-7 are kept in the store, never drawn.
inline constexpr int kSymbolRows = 8;
using SymbolTable = std::array<SymbolStyle, kSymbolRows>;

// The built-in palette: white, greys, black, reds, oranges, yellows, greens,
// cyans, blues and magentas.
const Palette& DefaultPalette();
// Result a red filled square, A a navy disc, B a green disc, C a black
// filled cross, D a teal disc.
const SymbolTable& DefaultSymbols();

// The palette from stored colours packed as red + 256 green + 65536 blue;
// -1 (or anything outside 0-0xFFFFFF) takes the built-in colour.
Palette PaletteFromStored(const std::array<int, kPaletteSize>& stored);
// The symbol table from stored (colour index, shape, size) rows; -1 (or a
// colour index outside the palette) takes the built-in value.
SymbolTable SymbolsFromStored(const std::array<std::array<int, 3>, kSymbolRows>& stored);

// A palette entry; indices outside 0-24 give black.
Rgb PaletteColour(const Palette& palette, int index);

// Shape numbers the symbol dialog offers (0 draws nothing).
inline constexpr int kLastChoosableShape = 17;
// Shape 100 is a circle of this fixed radius; shapes above 1000 write the
// number (shape - 1000) as text.
inline constexpr int kRingShape = 100;
inline constexpr double kRingRadius = 100.0;
inline constexpr int kNumberShapeBase = 1000;

// Draws symbol shape centred on `at`, in colour, scaled by size (plot units
// per size step). Shapes 0-17, 50-52, 100 and above 1000; any other number
// draws nothing. Pen and fill are as they were on entry afterwards.
void DrawScreenSymbols(DrawingSurface& surface, PlotPoint at, Rgb colour, int shape, int size);

}  // namespace Lodema::Plot
