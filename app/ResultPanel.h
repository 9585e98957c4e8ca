// SPDX-License-Identifier: MIT
// The result windows resultFrames(0..2) with their value boxes resultValues(0..11)
// and captions resultCaptions(0..11), and the message panel messagePanel. Read-only
// mirrors of the model.
#pragma once

#include <QObject>
#include <array>

class QGroupBox;
class QLabel;
class QWidget;

namespace Lodema {
class CalculatorModel;
}

class ResultPanel : public QObject {
  Q_OBJECT
 public:
  ResultPanel(Lodema::CalculatorModel& model, QObject* parent = nullptr);

  QWidget* Results() const { return results_; }
  QLabel* Messages() const { return messagePanel_; }
  void Refresh();

  QLabel* Value(int i) const { return resultValues_[i]; }
  QLabel* ValueCaption(int i) const { return resultCaptions_[i]; }
  QGroupBox* Frame(int i) const { return resultFrames_[i]; }

  // Value and caption labels of a result box, shared with the apparent-dip
  // frame of the entry panel.
  static QLabel* MakeValueLabel(int index);
  static QLabel* MakeCaptionLabel(int index);

 private:
  Lodema::CalculatorModel& model_;
  QWidget* results_ = nullptr;
  std::array<QGroupBox*, 3> resultFrames_{};
  std::array<QLabel*, 12> resultValues_{};
  std::array<QLabel*, 12> resultCaptions_{};
  std::array<QLabel*, 3> rowLabels_{};  // entryCaptions(14), (16), (17)
  QLabel* messagePanel_ = nullptr;
};
