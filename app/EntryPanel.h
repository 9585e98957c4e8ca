// The entry windows A-D (txtValues(0..10) with their labels lblDip), the
// reference options of window D, and the apparent-dip frame with its
// section-trend box (txtValues(11)) and result boxes lblResult(12..13).
// Typing forwards the text to the model; Refresh mirrors the model.
#pragma once

#include <QObject>
#include <array>

#include "calc/Controls.h"

class QButtonGroup;
class QCheckBox;
#include <QGroupBox>
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace Lodema {
class FormModel;
}

class EntryPanel : public QObject {
  Q_OBJECT
 public:
  EntryPanel(Lodema::FormModel& model, QObject* parent = nullptr);

  // The windows A-D as one widget, and the apparent-dip frame.
  QWidget* Windows() const { return windows_; }
  QWidget* ExtraData() const { return fraExtraData_; }
  void Refresh();

  QLineEdit* Box(int i) const { return txtValues_[i]; }
  QLabel* BoxLabel(int i) const { return lblDip_[i]; }
  // The letters "A" and "B" before windows A and B.
  QLabel* WindowLetter(int window) const { return window == 0 ? lblA_ : lblB_; }
  QRadioButton* RefOption(int i) const { return optRef_[i]; }
  QRadioButton* DipOption(int i) const { return optDip_[i]; }
  QCheckBox* ShowApparent() const { return chkShowApparent_; }
  QLabel* ApparentResult(int i) const { return lblResult_[i]; }

 private:
  QWidget* MakeWindow(int window, int firstBox, int boxCount);

  Lodema::FormModel& model_;
  QWidget* windows_ = nullptr;
  std::array<QLineEdit*, 12> txtValues_{};
  std::array<QLabel*, 12> lblDip_{};
  std::array<QWidget*, 5> panorient_{};
  QGroupBox* fraOrients_ = nullptr;
  QLabel* lblA_ = nullptr;
  QLabel* lblB_ = nullptr;
  QGroupBox* fraAxis_ = nullptr;
  QGroupBox* fraRefLine_ = nullptr;
  QGroupBox* fraRef_ = nullptr;
  QGroupBox* fraDip_ = nullptr;
  QButtonGroup* optRefGroup_ = nullptr;
  QButtonGroup* optDipGroup_ = nullptr;
  std::array<QRadioButton*, 4> optRef_{};
  std::array<QRadioButton*, 3> optDip_{};
  QGroupBox* fraExtraData_ = nullptr;
  QCheckBox* chkShowApparent_ = nullptr;
  QLabel* Label3_ = nullptr;
  QWidget* panResults3_ = nullptr;
  // Indexed like lblResult / lblDipRes; only 12 and 13 live here.
  std::array<QLabel*, Lodema::kResultBoxCount> lblResult_{};
  std::array<QLabel*, Lodema::kResultBoxCount> lblDipRes_{};
};
