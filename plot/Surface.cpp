// SPDX-License-Identifier: MIT
#include "plot/Surface.h"

#include <string_view>

namespace Lodema::Plot {

namespace {

// Advance of one character as a fraction of the text height, rounded up
// from the widest of the usual sans-serif faces.
double Advance(unsigned char c) {
  const auto among = [c](std::string_view letters) {
    return letters.find(static_cast<char>(c)) != std::string_view::npos;
  };
  if (among("ijlI.,:;'|!")) return 0.32;
  if (among(" ftr()[]")) return 0.42;
  if (among("mwMW%")) return 1.0;
  if (c >= 'A' && c <= 'Z') return 0.8;
  if (c >= 0x80) return 0.5;  // a byte of a longer UTF-8 character
  return 0.64;
}

}  // namespace

double EstimatedTextWidth(const std::string& text, double height) {
  double ems = 0.0;
  for (const char c : text) ems += Advance(static_cast<unsigned char>(c));
  return ems * height;
}

double DrawingSurface::TextWidth(const std::string& text, double height) const {
  return EstimatedTextWidth(text, height);
}

double FittedTextHeight(const DrawingSurface& surface, const std::string& text, double height,
                        double maxWidth) {
  if (maxWidth <= 0.0 || height <= 0.0) return height;
  const double width = surface.TextWidth(text, height);
  return width > maxWidth ? height * maxWidth / width : height;
}

}  // namespace Lodema::Plot
