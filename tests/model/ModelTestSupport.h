// SPDX-License-Identifier: MIT
// Helpers for driving the main window model as a user would.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "model/CalculatorModel.h"

namespace Lodema {

// A stereonet that counts the records it is handed and keeps the last.
class CountingPlot : public PlotSink {
 public:
  bool IsShowing() const override { return showing; }
  void AddNewDataPoint(const CalculationRecord& record) override {
    last = record;
    ++points;
  }
  void SetStereoOptions(const std::array<bool, 4>& used, const std::string& title) override {
    windowsUsed = used;
    caption = title;
  }
  void SetStereoNotation(const OrientGeometry::Notation& output) override { notation = output; }
  bool showing = true;
  int points = 0;
  CalculationRecord last;
  std::array<bool, 4> windowsUsed{};
  std::string caption;
  OrientGeometry::Notation notation;
};

class ModelTest : public ::testing::Test {
 protected:
  const MainWindowControls& C() const { return model.Controls(); }
  // Selects calculation n and types the boxes in order.
  void Enter(int n, std::initializer_list<std::pair<int, const char*>> boxes) {
    model.SelectCalculation(n);
    for (const auto& [box, text] : boxes) model.SetEntryText(box, text);
  }
  std::string Box(int box) const { return C().entryBoxes[box].text; }
  std::string Result(int box) const { return C().resultValues[box].caption; }
  std::string Message() const { return C().messagePanel.caption; }
  // The three result values of a window 4..7 joined by "|".
  std::string Results(int window) const {
    const int b = 3 * (window - 4);
    return Result(b) + "|" + Result(b + 1) + "|" + Result(b + 2);
  }
  // Captions of a window's boxes: "(caption)" for a hidden box.
  std::string Layout(int window) const {
    if (!C().windowPanels[window].visible) return "hidden";
    std::string text;
    const int first = kWindowFirstBox[window];
    for (int box = first; box < first + kWindowBoxCount[window]; ++box) {
      if (!text.empty()) text += ",";
      const std::string& caption = C().entryCaptions[box].caption;
      text += C().entryBoxes[box].visible ? caption : "(" + caption + ")";
    }
    return text;
  }
  std::string ResultCaptions(int window) const {
    const int b = 3 * (window - 4);
    std::string text;
    for (int box = b; box < b + 3; ++box) {
      if (!text.empty()) text += ",";
      text += C().resultCaptions[box].visible ? C().resultCaptions[box].caption : "-";
    }
    return text;
  }

  CalculatorModel model;
};

}  // namespace Lodema
