// SPDX-License-Identifier: MIT
#include "plot/StatisticsText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextFormatting.h"
#include "plot/Readout.h"

namespace Lodema::Plot {

namespace {

// value with `decimals` digits and the notation's decimal character;
// "infinite" and "undefined" for what has no number.
std::string Number(double value, int decimals, char decimalChar) {
  if (std::isnan(value)) return "undefined";
  if (std::isinf(value)) return "infinite";
  const int places = std::clamp(decimals, 0, 6);
  if (std::abs(value) < 0.5 * std::pow(10.0, -places)) value = 0.0;  // no "-0.0"
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
  std::string text = buffer;
  std::replace(text.begin(), text.end(), '.', decimalChar);
  return text;
}

// An azimuth in degrees as the notation writes directions: "045.0" or "N45.0E".
std::string DirectionText(double degrees, const OutputNotation& notation) {
  const std::string number = Number(degrees, notation.decimals, '.');
  const OrientGeometry::DecimalMark mark = OrientGeometry::DecimalMarkOf(notation.decimalChar);
  if (notation.notation.azimuth == OrientGeometry::AzimuthStyle::kQuadrant) {
    return OrientGeometry::AzimuthToQuadrantText(number, mark);
  }
  // Three whole digits, every decimal kept.
  const std::size_t whole = std::min(number.find('.'), number.size());
  const std::string text = std::string(whole < 3 ? 3 - whole : 0, '0') + number;
  return mark == OrientGeometry::DecimalMark::kComma ? NumberText::SwapDecimalSeparator(text, mark)
                                                     : text;
}

// A line, or a plane (dip, dip direction), in the notation's conventions,
// "/" between the fields. Strikes follow the right-hand rule and are
// written with the same decimals as every other direction.
std::string OrientationText(const OrientGeometry::Orientation& o, bool plane,
                            const OutputNotation& notation) {
  if (!std::isfinite(o.angle) || !std::isfinite(o.azimuth)) return "undefined";
  const std::string angle = Number(OrientGeometry::RadiansToDegrees(std::abs(o.angle)),
                                   notation.decimals, notation.decimalChar);
  const double azimuth = OrientGeometry::WrapDegrees(OrientGeometry::RadiansToDegrees(o.azimuth));
  if (!plane) {
    return ArrangedLine(notation.notation.line, angle, DirectionText(azimuth, notation), "/");
  }
  const OrientGeometry::PlaneNotation form = notation.notation.plane;
  if (!OrientGeometry::UsesStrike(form)) {
    return ArrangedPlane(form, angle, DirectionText(azimuth, notation), "", "/");
  }
  // A strike that rounds to 0 is written 360, as everywhere in Lodema.
  double strike = OrientGeometry::WrapDegrees(azimuth - 90.0);
  if (Number(strike, notation.decimals, '.') == Number(0.0, notation.decimals, '.') ||
      Number(strike, notation.decimals, '.') == Number(360.0, notation.decimals, '.')) {
    strike = 360.0;
  }
  const std::string sense =
      OrientGeometry::DipDirectionToStrikeAndSense(Number(azimuth, 6, '.')).sense;
  return ArrangedPlane(form, angle, DirectionText(strike, notation), sense, "/");
}

// The axis as a downward line. A line that reads vertical at the shown
// decimals gets trend 0 (and its normal plane dip direction 180), as an
// exactly vertical one does, rather than the azimuth of the rounding left
// in a mean of data stored in single precision.
OrientGeometry::Line DownwardLine(const DirectionCosines& axis, const OutputNotation& notation) {
  DirectionCosines d = axis;
  if (d.down < 0.0) d = {-d.north, -d.east, -d.down};
  OrientGeometry::Line line = OrientGeometry::DirectionCosinesToLine(d);
  line.angle = std::abs(line.angle);
  if (std::isfinite(line.angle) &&
      Number(OrientGeometry::RadiansToDegrees(line.angle), notation.decimals, '.') ==
          Number(90.0, notation.decimals, '.')) {
    line.azimuth = 0.0;
  }
  return line;
}

std::string Plural(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The fabric's shape in words; `items` names the data ("lines", "poles").
std::string ShapeName(FabricShape shape, int count, const std::string& items) {
  switch (shape) {
    case FabricShape::kCluster:
      return "cluster";
    case FabricShape::kGirdle:
      return "girdle";
    case FabricShape::kTooFew:
      return "too few " + items + " to judge the shape";
    case FabricShape::kOnePlane:
      return "all " + items + " in one plane";
    case FabricShape::kIdentical:
      // "a single line", "a single pole"
      return count == 1 ? "a single " + items.substr(0, items.size() - 1)
                        : "all " + items + " identical";
    case FabricShape::kUniform:
      break;
  }
  return "uniform, no preferred orientation";
}

}  // namespace

std::string LineText(const DirectionCosines& axis, const OutputNotation& notation) {
  return OrientationText(DownwardLine(axis, notation), false, notation);
}

std::string NormalPlaneText(const DirectionCosines& axis, const OutputNotation& notation) {
  const OrientGeometry::Line line = DownwardLine(axis, notation);
  if (!std::isfinite(line.angle) || !std::isfinite(line.azimuth)) return "undefined";
  return OrientationText(OrientGeometry::NormalOf(line), true, notation);
}

std::string StatisticsText(const AxisStatistics& s, AxisKind kind, const OutputNotation& notation) {
  const bool poles = kind == AxisKind::kPoles;
  const int d = notation.decimals;
  const char c = notation.decimalChar;
  const auto degrees = [&](double radians) {
    return Number(OrientGeometry::RadiansToDegrees(radians), d, c);
  };
  // RadiansToDegrees reads NaN as 0: keep undefined angles undefined.
  const auto angle = [&](double radians) {
    return std::isfinite(radians) ? degrees(radians) : Number(radians, d, c);
  };

  std::string text = poles ? Plural(s.count, "pole to a plane", "poles to planes")
                           : Plural(s.count, "line", "lines");
  if (s.skipped > 0)
    text += " (" + Plural(s.skipped, "item", "items") + " without values left out)";
  text += "\n";
  if (poles) {
    text += "Mean pole: " + LineText(s.mean, notation) + "\n";
    text += "Mean plane: " + NormalPlaneText(s.mean, notation) + "\n";
  } else {
    text += "Mean line: " + LineText(s.mean, notation) + "\n";
  }
  text += "Resultant R: " + Number(s.resultant, 3, c) + "\n";
  text += "Concentration k: " + Number(s.concentration, 2, c) + "\n";
  text += "Cone of 95% confidence (alpha95): " + angle(s.cone95) + "\n";
  // With the decimal comma a comma between numbers would split them.
  const std::string separator = c == ',' ? "; " : ", ";
  text += "Eigenvalues S1, S2, S3: " + Number(s.eigenvalues[0], 4, c) + separator +
          Number(s.eigenvalues[1], 4, c) + separator + Number(s.eigenvalues[2], 4, c) + "\n";
  // Identical axes leave the second and third eigenvectors, and with them
  // the girdle, to the rounding of the tensor: they are not written.
  const bool identical = s.shape == FabricShape::kIdentical;
  for (std::size_t i = 0; i < (identical ? 1 : 3); ++i) {
    text += "Eigenvector " + std::to_string(i + 1) + ": " + LineText(s.eigenvectors[i], notation) +
            "\n";
  }
  const std::string shape = ShapeName(s.shape, s.count, poles ? "poles" : "lines");
  if (identical || s.shape == FabricShape::kOnePlane) {
    // Their ratios are infinite or 0 by construction, not a measure.
    text += "Woodcock K and C: not defined (" + shape + ")\n";
  } else {
    text += "Woodcock K: " + Number(s.woodcockK, 2, c) + separator +
            "C: " + Number(s.woodcockC, 2, c) + " (" + shape + ")\n";
  }
  if (!identical) {
    text += "Best-fit great circle: " + NormalPlaneText(s.girdlePole, notation) + " (pole " +
            LineText(s.girdlePole, notation) + ")\n";
  }
  return text;
}

std::string StatisticsTextOf(const ResultAxes& items, const OutputNotation& notation) {
  if (items.axes.empty()) return "No planes or lines to describe\n";
  const std::optional<AxisStatistics> s = AxisStatisticsOf(items.axes);
  if (!s) {
    return Plural(static_cast<int>(items.axes.size()), "item", "items") +
           " without values: no statistics\n";
  }
  return StatisticsText(*s, items.kind, notation);
}

}  // namespace Lodema::Plot
