// SPDX-License-Identifier: MIT
// Support for the calculation tests: vector geometry on the unit sphere,
// written here independently of the orient library, and a fixture that
// drives the main window model as a user types.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "model/CalculatorModel.h"
#include "tests/model/ModelTestSupport.h"

namespace Lodema::DispatchTesting {

constexpr double kRad = 3.14159265358979323846 / 180.0;

struct Vec {  // north, east, down
  double n = 0, e = 0, d = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.n + b.n, a.e + b.e, a.d + b.d}; }
inline Vec operator-(Vec a, Vec b) { return {a.n - b.n, a.e - b.e, a.d - b.d}; }
inline Vec operator*(double s, Vec a) { return {s * a.n, s * a.e, s * a.d}; }
inline double Dot(Vec a, Vec b) { return a.n * b.n + a.e * b.e + a.d * b.d; }
inline Vec Cross(Vec a, Vec b) {
  return {a.e * b.d - a.d * b.e, a.d * b.n - a.n * b.d, a.n * b.e - a.e * b.n};
}
inline Vec Unit(Vec a) { return (1.0 / std::sqrt(Dot(a, a))) * a; }

// Toward the trend, down for a positive plunge (degrees).
inline Vec LineVec(double plunge, double trend) {
  return {std::cos(plunge * kRad) * std::cos(trend * kRad),
          std::cos(plunge * kRad) * std::sin(trend * kRad), std::sin(plunge * kRad)};
}
// A line as Lodema writes it: the trend names the down-plunge azimuth and a
// negative plunge points the line up.
inline Vec RecordLine(double plunge, double trend) {
  return plunge < 0 ? -1.0 * LineVec(-plunge, trend) : LineVec(plunge, trend);
}
inline Vec Horizontal(double azimuth) { return LineVec(0, azimuth); }
inline Vec PoleVec(double dip, double dd) { return LineVec(90 - dip, dd + 180); }
inline Vec DownDip(double dip, double dd) { return LineVec(dip, dd); }
// The line at a hade in a plane: from the down-dip line toward dd + 90.
inline Vec AtHade(double dip, double dd, double hade) {
  return std::cos(hade * kRad) * DownDip(dip, dd) + std::sin(hade * kRad) * Horizontal(dd + 90);
}

// Degrees between two axes whatever their senses, or between two directions;
// NaN (failing any bound) when either is NaN, as for a blank result.
inline double AxisAngle(Vec a, Vec b) {
  return std::acos(std::min(std::fabs(Dot(Unit(a), Unit(b))), 1.0)) / kRad;
}
inline double VectorAngle(Vec a, Vec b) {
  return std::acos(std::clamp(Dot(Unit(a), Unit(b)), -1.0, 1.0)) / kRad;
}
// Right-hand rotation: positive is clockwise looking along the axis.
inline Vec Rotate(Vec v, Vec axis, double degrees) {
  const Vec k = Unit(axis);
  const double c = std::cos(degrees * kRad);
  return c * v + std::sin(degrees * kRad) * Cross(k, v) + ((1 - c) * Dot(k, v)) * k;
}
inline double Azimuth(Vec v) {
  const double a = std::atan2(v.e, v.n) / kRad;
  return a < 0 ? a + 360 : a;
}
inline double Plunge(Vec v) { return std::asin(std::clamp(Unit(v).d, -1.0, 1.0)) / kRad; }

// Two typed decimals make the results show two (cut, not rounded).
inline std::string Fixed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

using Entries = std::vector<std::pair<int, std::string>>;
// A plane or line typed in the default conventions from its first box.
inline Entries Typed(int box, double first, double second) {
  return {{box, Fixed(first)}, {box + 1, Fixed(second)}};
}
inline Entries LineAt(int box, Vec v) {
  if (v.d < 0) v = -1.0 * v;
  return Typed(box, Plunge(v), Azimuth(v));
}
inline Entries operator+(Entries a, const Entries& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Drill cores. Angles around a core turn clockwise looking down its axis.
inline double Wrap360(double a) { return std::fmod(std::fmod(a, 360) + 360, 360); }

// A core as vectors: `down` along the axis line (|plunge|, trend), `top` its
// upper line, `right` horizontal to the right looking down the axis; the
// bottom-mark line is opposite `top`. `drill` points the way the hole was
// drilled.
struct CoreModel {
  double plunge, trend;  // the axis record: negative plunge for an upward core
  Vec down, top, right, drill;

  CoreModel(double p, double t)
      : plunge(p),
        trend(t),
        down(LineVec(std::fabs(p), t)),
        top(LineVec(std::fabs(p) - 90, t)),
        right(Horizontal(t + 90)),
        drill(p < 0 ? -1.0 * down : down) {}

  // The pole of the plane at alpha to the axis whose ellipse top lies phi
  // from the top line; Pole(90 - alpha, phi) is a line at alpha toward phi.
  Vec Pole(double alpha, double phi) const {
    return std::sin(alpha * kRad) * down +
           std::cos(alpha * kRad) * (std::cos(phi * kRad) * top + std::sin(phi * kRad) * right);
  }
  double FromBottomMark(Vec v) const {
    return Wrap360(std::atan2(Dot(v, right), Dot(v, top)) / kRad - 180);
  }
  // Beta of a plane (pole n) to the top of its ellipse, the point nearest
  // the collar, and of a line to its end nearest the collar; alpha of a
  // plane or line: its angle to the core axis.
  double PlaneBeta(Vec n) const { return FromBottomMark(Dot(n, drill) >= 0 ? n : -1.0 * n); }
  double LineBeta(Vec l) const { return FromBottomMark(Dot(l, drill) <= 0 ? l : -1.0 * l); }
  double PlaneAlpha(Vec n) const { return 90 - AxisAngle(n, down); }
  double LineAlpha(Vec l) const { return AxisAngle(l, down); }
  // The line at gamma in the plane (pole n): from the up-hole end of the
  // ellipse's long axis, clockwise looking down the core axis.
  Vec AtGamma(Vec n, double gamma) const {
    const Vec upHole = Unit(Dot(drill, n) * n - drill);
    return Rotate(upHole, Dot(n, down) >= 0 ? n : -1.0 * n, gamma);
  }
};

// One set of core conventions and how a user types core values under it.
struct ConventionRow {
  const char* name;
  bool bottomOfEllipse = false, topMark = false, toNormal = false, downNegative = false,
       zenith = false, upTrend = false, plusMinus180 = false;

  // Beta as 17-19 take it: from the orientation mark to the ellipse's mark.
  double TypedBeta(double fromBottomMark) const {
    return fromBottomMark + (bottomOfEllipse != topMark ? 180 : 0);
  }
  static std::string Beta(double beta) { return Fixed(Wrap360(beta)); }  // 0-360 in any range
  std::string Alpha(double alpha) const { return Fixed(toNormal ? 90 - alpha : alpha); }
  std::string Gamma(double gamma) const {  // the range setting is gamma's
    const double g = Wrap360(gamma + (bottomOfEllipse ? 180 : 0));
    return Fixed(plusMinus180 && g > 180 ? g - 360 : g);
  }
  Entries CoreAxis(const CoreModel& c) const {
    double p = zenith ? (c.plunge < 0 ? -1 : 1) * (90 - std::fabs(c.plunge)) : c.plunge;
    if (downNegative) p = -p;
    return Typed(6, p, c.plunge < 0 && upTrend ? Wrap360(c.trend + 180) : c.trend);
  }
  void Use(CalculatorModel& model) const {
    model.SetEllipseMark(bottomOfEllipse ? 1 : 0);
    model.SetOrientationMark(topMark ? 0 : 1);
    model.SetDeltaReference(toNormal ? 1 : 0);
    model.SetCorePlungeSign(downNegative ? 1 : 0);
    model.SetCoreInclination(zenith ? 1 : 0);
    model.SetBetaRange(plusMinus180 ? 1 : 0);
    model.settings().CoreUpTrend = upTrend;
  }
};

inline const ConventionRow kConventions[] = {
    {"defaults"},
    {"bottom of ellipse", true},
    {"top mark", false, true},
    {"top mark, bottom of ellipse", true, true},
    {"alpha to the ellipse normal", false, false, true},
    {"downward is -ve", false, false, false, true},
    {"zenith", false, false, false, false, true},
    {"up-core trend", false, false, false, false, false, true},
    {"gamma range +-180", false, false, false, false, false, false, true},
    {"all at once", true, true, true, true, true, true, true},
};

class CountingBeeper : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

class CalculationTest : public ModelTest {
 protected:
  void SetUp() override {
    model.SetBeeper(&beeper);
    model.SetPlotSink(&plot);
    model.ApplySettingsToControls();
    model.ShowStoredCalculation();
  }
  // Selects calculation n, empties the boxes and types the entries in order;
  // the last one completes the entry and calculates.
  void Run(int n, const Entries& entries) {
    model.SelectCalculation(n);
    for (int box = 0; box <= 11; ++box) model.SetEntryText(box, "");
    beeper.beeps = plot.points = 0;
    for (const auto& [box, text] : entries) model.SetEntryText(box, text);
  }
  std::string Shown(int box = 0) const { return Result(box) + "/" + Result(box + 1); }
  double Number(int box) const {
    std::string text = Result(box);
    std::replace(text.begin(), text.end(), ',', '.');
    return text.empty() ? std::nan("") : std::stod(text);
  }
  // A line, or a plane's pole, read back in the default output conventions.
  Vec ResultLine(int box = 0) const { return RecordLine(Number(box), Number(box + 1)); }
  Vec ResultPole(int box = 0) const { return PoleVec(Number(box), Number(box + 1)); }

  CountingBeeper beeper;
  CountingPlot plot;
};

}  // namespace Lodema::DispatchTesting
