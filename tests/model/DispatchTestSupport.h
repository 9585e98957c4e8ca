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

class CountingBeeper : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

class RecordingPlot : public PlotSink {
 public:
  bool IsShowing() const override { return showing; }
  void AddNewDataPoint(const CalculationRecord& record) override {
    last = record;
    ++points;
  }
  bool showing = true;
  int points = 0;
  CalculationRecord last;
};

class CalculationTest : public ::testing::Test {
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
  std::string Result(int box) const { return model.Controls().resultValues[box].caption; }
  std::string Shown(int box = 0) const { return Result(box) + "/" + Result(box + 1); }
  double Number(int box) const {
    std::string text = Result(box);
    std::replace(text.begin(), text.end(), ',', '.');
    return text.empty() ? std::nan("") : std::stod(text);
  }
  std::string Message() const { return model.Controls().messagePanel.caption; }
  // A line, or a plane's pole, read back in the default output conventions.
  Vec ResultLine(int box = 0) const { return RecordLine(Number(box), Number(box + 1)); }
  Vec ResultPole(int box = 0) const { return PoleVec(Number(box), Number(box + 1)); }

  CalculatorModel model;
  CountingBeeper beeper;
  RecordingPlot plot;
};

}  // namespace Lodema::DispatchTesting
