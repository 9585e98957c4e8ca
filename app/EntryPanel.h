// SPDX-License-Identifier: MIT
// The entry windows A-D (entryBoxes(0..10) with their labels entryCaptions), the
// reference options of window D, and the apparent-dip frame with its
// section-trend box (entryBoxes(11)) and result boxes resultValues(12..13).
// Typing forwards the text to the model; Refresh mirrors the model.
#pragma once

#include <QObject>
#include <array>

#include "app/Mirror.h"
#include "model/Controls.h"

namespace Lodema {
class CalculatorModel;
}

class EntryPanel : public QObject {
  Q_OBJECT
 public:
  EntryPanel(Lodema::CalculatorModel& model, QObject* parent = nullptr);

  // The windows A-D as one widget, and the apparent-dip frame.
  QWidget* Windows() const { return windows_; }
  QWidget* ExtraData() const { return extraResultFrame_; }
  void Refresh();
  // Puts the keyboard focus in the first entry box the calculation shows
  // (none when it shows none). True when a box took it.
  bool FocusFirstEntry();

  QLineEdit* Box(int i) const { return entryBoxes_[i]; }
  QLabel* BoxLabel(int i) const { return entryCaptions_[i]; }
  // The letters "A" and "B" before windows A and B.
  QLabel* WindowLetter(int window) const { return window == 0 ? windowACaption_ : windowBCaption_; }
  QRadioButton* RefOption(int i) const { return referenceDirection_.buttons[i]; }

 private:
  QWidget* MakeWindow(int window, int firstBox, int boxCount);

  Lodema::CalculatorModel& model_;
  QWidget* windows_ = nullptr;
  std::array<QLineEdit*, 12> entryBoxes_{};
  std::array<QLabel*, 12> entryCaptions_{};
  std::array<QWidget*, 5> windowPanels_{};
  QGroupBox* windowsABFrame_ = nullptr;
  QLabel* windowACaption_ = nullptr;
  QLabel* windowBCaption_ = nullptr;
  QGroupBox* windowCFrame_ = nullptr;
  QGroupBox* windowDFrame_ = nullptr;
  QGroupBox* referenceDirectionFrame_ = nullptr;
  QGroupBox* approximateDipFrame_ = nullptr;
  mirror::OptionSet<4> referenceDirection_;
  mirror::OptionSet<3> approximateDip_;
  QGroupBox* extraResultFrame_ = nullptr;
  QCheckBox* apparentDipBox_ = nullptr;
  QLabel* sectionCaption_ = nullptr;
  // Indexed like resultValues / resultCaptions; only 12 and 13 live here.
  std::array<QLabel*, Lodema::kResultBoxCount> resultValues_{};
  std::array<QLabel*, Lodema::kResultBoxCount> resultCaptions_{};
};
