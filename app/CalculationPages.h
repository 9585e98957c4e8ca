// SPDX-License-Identifier: MIT
// The calculation buttons calculationButtons(0..41) with their captions
// calculationCaptions(0..41) in the frames calculationFrames(0..4): frame 0 on the
// geometrical page, frames 1-4 on the drill-core page. The two reformat
// calculations (15, 16) stand on the conventions page; their rows are handed
// out by ReformatRow.
//
// The buttons of a page are one stop of the Tab key (the current
// calculation's button, or the one last reached): the arrow keys move
// between them, so that Tab goes from the buttons to the entry boxes.
#pragma once

#include <QObject>
#include <array>
#include <utility>
#include <vector>

#include "calc/Catalogue.h"
#include "model/Controls.h"

class ClickableLabel;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace Lodema {
class CalculatorModel;
}

// "n  what it gives": the tooltip of calculation n's button, caption and
// menu item. Empty outside 0-41.
QString CalculationTooltip(int n);

class CalculationPages : public QObject {
  Q_OBJECT
 public:
  CalculationPages(Lodema::CalculatorModel& model, QObject* parent = nullptr);

  QWidget* GeometricalPage() const { return geometricalPage_; }
  QWidget* CorePage() const { return corePage_; }
  QWidget* ReformatRow(int calculation) const { return rows_[calculation]; }

  void Refresh();

  QPushButton* Button(int n) const { return calculationButtons_[n]; }
  ClickableLabel* Caption(int n) const { return calculationCaptions_[n]; }
  QGroupBox* Frame(int f) const { return calculationFrames_[f]; }

 private:
  QWidget* MakeRow(int n);
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Makes button n the Tab stop of its group.
  void MoveTabStop(std::size_t group, int n);
  // The group of button n's page and its place there; group -1 for none.
  std::pair<int, std::size_t> PlaceOf(int n) const;

  Lodema::CalculatorModel& model_;
  std::array<QPushButton*, Lodema::kCalculationButtonCount> calculationButtons_{};
  std::array<ClickableLabel*, Lodema::kCalculationButtonCount> calculationCaptions_{};
  std::array<QWidget*, Lodema::kCalculationButtonCount> rows_{};
  std::array<Lodema::Colour, Lodema::kCalculationButtonCount> shownColour_{};
  std::array<QGroupBox*, Lodema::kCalculationFrameCount> calculationFrames_{};
  // The buttons of each page in the order the arrow keys go through them.
  std::vector<std::vector<int>> buttonGroups_;
  int tabStopCalculation_ = -1;  // the pressed button the Tab stops follow
  QLabel* captionSecondLine_ = nullptr;
  QWidget* geometricalPage_ = nullptr;
  QWidget* corePage_ = nullptr;
};
