// SPDX-License-Identifier: MIT
#include "plot/Symbols.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace Lodema::Plot {

namespace {

constexpr Palette kDefaultPalette = {{
    {255, 255, 255}, {255, 255, 255}, {192, 192, 192}, {128, 128, 128}, {64, 64, 64},
    {0, 0, 0},       {128, 0, 0},     {192, 0, 0},     {255, 0, 0},     {192, 64, 0},
    {255, 128, 0},   {192, 192, 0},   {255, 255, 0},   {255, 255, 128}, {0, 255, 0},
    {0, 192, 0},     {0, 255, 255},   {0, 192, 192},   {0, 128, 128},   {0, 0, 255},
    {0, 0, 187},     {0, 0, 128},     {255, 0, 255},   {192, 0, 192},   {128, 0, 128},
}};

constexpr SymbolTable kDefaultSymbols = {{
    {7, 3, 4},
    {21, 2, 4},
    {15, 2, 4},
    {5, 4, 3},
    {18, 2, 3},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
}};

constexpr int kNotCustomised = -1;

// The outlines of shapes 9 to 13 in size steps (the star's in thirds of
// one): the cross and the star closed, the others open polylines.
using Offset = std::pair<double, double>;
constexpr Offset kCross[] = {{-2, 6}, {2, 6},   {2, 2},   {6, 2},   {6, -2}, {2, -2},
                             {2, -6}, {-2, -6}, {-2, -2}, {-6, -2}, {-6, 2}, {-2, 2}};
constexpr Offset kTriangle[] = {{0, 4}, {-4, -4}, {4, -4}};
constexpr Offset kDownTriangle[] = {{-4, 4}, {0, -4}, {4, 4}};
constexpr Offset kDiamond[] = {{0, 4}, {-4, 0}, {0, -4}, {4, 0}};
constexpr Offset kStar[] = {{0, 2},    {0.5, 0.6},    {1.9, 0.6},   {0.7, -0.3}, {1.15, -1.7},
                            {0, -0.8}, {-1.15, -1.7}, {-0.7, -0.3}, {-1.9, 0.6}, {-0.5, 0.6}};

std::vector<PlotPoint> Scaled(PlotPoint at, double unit, std::span<const Offset> offsets) {
  std::vector<PlotPoint> points;
  points.reserve(offsets.size());
  for (const auto& [dx, dy] : offsets) points.push_back({at.x + dx * unit, at.y + dy * unit});
  return points;
}

// Shape 17: a compass rose, an eight-pointed star inside a ring, in
// multiples of its extent unit (2 size steps).
void CompassRose(DrawingSurface& surface, PlotPoint at, double unit) {
  constexpr int kRingSegments = 24;
  std::vector<PlotPoint> ring;
  ring.reserve(kRingSegments + 1);
  for (int i = 0; i <= kRingSegments; ++i) {
    const double a = i * 6.28318530717958 / kRingSegments;
    ring.push_back({at.x + 2.6 * unit * std::cos(a), at.y + 2.6 * unit * std::sin(a)});
  }
  surface.Polyline(ring);
  // Long points on the cardinal directions, short ones between them.
  std::vector<PlotPoint> star;
  for (int i = 0; i < 16; ++i) {
    const double a = i * 6.28318530717958 / 16.0;
    const double reach = i % 4 == 0 ? 4.0 : (i % 2 == 0 ? 2.2 : 0.8);
    star.push_back({at.x + reach * unit * std::sin(a), at.y + reach * unit * std::cos(a)});
  }
  surface.ClosedPath(star);
  surface.Line({at.x, at.y - 4.0 * unit}, {at.x, at.y + 4.0 * unit});
  surface.Line({at.x - 4.0 * unit, at.y}, {at.x + 4.0 * unit, at.y});
}

}  // namespace

const Palette& DefaultPalette() { return kDefaultPalette; }
const SymbolTable& DefaultSymbols() { return kDefaultSymbols; }

Palette PaletteFromStored(const std::array<int, kPaletteSize>& stored) {
  Palette palette = kDefaultPalette;
  for (int i = 0; i < kPaletteSize; ++i) {
    const int packed = stored[i];
    if (packed == kNotCustomised || packed < 0 || packed > 0xFFFFFF) continue;
    palette[i] = {static_cast<std::uint8_t>(packed & 0xFF),
                  static_cast<std::uint8_t>((packed >> 8) & 0xFF),
                  static_cast<std::uint8_t>((packed >> 16) & 0xFF)};
  }
  return palette;
}

SymbolTable SymbolsFromStored(const std::array<std::array<int, 3>, kSymbolRows>& stored) {
  SymbolTable symbols = kDefaultSymbols;
  for (int row = 0; row < kSymbolRows; ++row) {
    const std::array<int, 3>& values = stored[row];
    if (values[0] != kNotCustomised && values[0] >= 0 && values[0] < kPaletteSize) {
      symbols[row].colourIndex = values[0];
    }
    if (values[1] != kNotCustomised) symbols[row].shape = values[1];
    if (values[2] != kNotCustomised) symbols[row].size = values[2];
  }
  return symbols;
}

Rgb PaletteColour(const Palette& palette, int index) {
  return index >= 0 && index < kPaletteSize ? palette[index] : kBlack;
}

void DrawScreenSymbols(DrawingSurface& surface, PlotPoint at, Rgb colour, int shape, int size) {
  const Pen savedPen = surface.pen();
  const Fill savedFill = surface.fill();
  Pen pen = savedPen;
  pen.colour = colour;
  surface.SetPen(pen);
  const Fill solid{true, colour};
  const Fill open{false, savedFill.colour};
  const double s = size;
  const double x = at.x;
  const double y = at.y;

  switch (shape) {
    case 1:
      surface.Dot(at);
      break;
    case 2:
      surface.SetFill(solid);
      surface.Circle(at, 4 * s);
      break;
    case 3:
      surface.SetFill(solid);
      surface.Box({x - 4 * s, y - 4 * s}, {x + 4 * s, y + 4 * s});
      break;
    case 4:
      surface.SetFill(solid);
      surface.Box({x - 2 * s, y - 6 * s}, {x + 2 * s, y + 6 * s});
      surface.Box({x - 6 * s, y - 2 * s}, {x + 6 * s, y + 2 * s});
      break;
    case 5:  // a ring with a filled centre
      surface.SetFill(open);
      surface.Circle(at, 5 * s);
      surface.SetFill(solid);
      surface.Circle(at, 2 * s);
      break;
    case 6: {  // a filled disc with a white ring inside
      surface.SetFill(solid);
      surface.Circle(at, 5 * s);
      Pen inner = pen;
      inner.colour = kWhite;
      surface.SetPen(inner);
      surface.SetFill(open);
      surface.Circle(at, 2.5 * s);
      break;
    }
    case 7:
      surface.SetFill(open);
      surface.Circle(at, 4 * s);
      break;
    case 8:
      surface.SetFill(open);
      surface.Box({x - 4 * s, y - 4 * s}, {x + 4 * s, y + 4 * s});
      break;
    case 9:
      surface.SetFill(open);
      surface.ClosedPath(Scaled(at, s, kCross));
      break;
    case 10:
      surface.Polyline(Scaled(at, s, kTriangle));
      break;
    case 11:
      surface.Polyline(Scaled(at, s, kDownTriangle));
      break;
    case 12:
      surface.Polyline(Scaled(at, s, kDiamond));
      break;
    case 13:
      surface.SetFill(open);
      surface.ClosedPath(Scaled(at, 3 * s, kStar));
      break;
    case 14:
      surface.Line({x - 5 * s, y}, {x + 5 * s, y});
      break;
    case 15:
      surface.Line({x - 4 * s, y + 4 * s}, {x + 4 * s, y - 4 * s});
      break;
    case 16: {
      const double d = 5 * s / 1.4;
      surface.Line({x - 5 * s, y}, {x + 5 * s, y});
      surface.Line({x, y - 5 * s}, {x, y + 5 * s});
      surface.Line({x - d, y + d}, {x + d, y - d});
      surface.Line({x - d, y - d}, {x + d, y + d});
      break;
    }
    case 17: {
      Pen thick = pen;
      thick.width = 2;
      surface.SetPen(thick);
      surface.SetFill(open);
      CompassRose(surface, at, 2 * s);
      break;
    }
    case 50:  // a ring with a horizontal bar
    case 51:  // a ring with a vertical bar
    case 52:  // a ring with a cross
      surface.SetFill(open);
      surface.Circle(at, 3 * s);
      if (shape != 51) surface.Line({x - 5 * s, y}, {x + 5 * s, y});
      if (shape != 50) surface.Line({x, y - 5 * s}, {x, y + 5 * s});
      break;
    case kRingShape:
      surface.SetFill(open);
      surface.Circle(at, kRingRadius);
      break;
    default:
      if (shape > kNumberShapeBase) {
        surface.Text(at, std::to_string(shape - kNumberShapeBase), 10.0 * std::max(s, 1.0),
                     TextAnchor::kCentre);
      }
      break;
  }
  surface.SetFill(savedFill);
  surface.SetPen(savedPen);
}

}  // namespace Lodema::Plot
