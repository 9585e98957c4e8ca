// SPDX-License-Identifier: MIT
// The nomenclature dialog, "User defined name conventions": the words Lodema writes
// for the drill-core angles, the pitch and the hade, and the drill-core
// conventions of the conventions page once more. Modal; created on first use
// and shown again, each showing filled afresh from the settings.
#pragma once

#include <QDialog>
#include <array>

#include "calc/Settings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

class NomenclatureDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NomenclatureDialog(QWidget* parent = nullptr);

  // The only two places that touch settings members: fill every control
  // from settings, and store every control's value into them.
  void LoadFrom(const Lodema::Settings& settings);
  void StoreTo(Lodema::Settings& settings) const;

  // "Defaults": Lodema's default words and conventions, in the controls only.
  void SetDefaults();

  QComboBox* DrillName(int i) const { return drillNameLists_[i]; }  // 0..2
  QComboBox* HadeName() const { return hadeNameList_; }
  QRadioButton* PitchName(int i) const { return pitchNameOptions_[i]; }
  QRadioButton* Zenith(int i) const { return coreOptions_[0][i]; }
  QRadioButton* UpTrend(int i) const { return coreOptions_[1][i]; }
  QRadioButton* Core(int i) const { return coreOptions_[2][i]; }
  QRadioButton* BottomMark(int i) const { return coreOptions_[3][i]; }
  QRadioButton* Delta(int i) const { return coreOptions_[4][i]; }
  QRadioButton* Alpha(int i) const { return coreOptions_[5][i]; }
  QRadioButton* Beta(int i) const { return coreOptions_[6][i]; }
  QLabel* UpTrendNote() const { return upTrendNote_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* DefaultsButton() const { return defaultsButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 signals:
  // OK was pressed: the caller stores the values and saves them.
  void storeRequested();

 private:
  using Pair = std::array<QRadioButton*, 2>;
  QWidget* OptionPair(const char* title, const char* name, const char* first, const char* second,
                      Pair& buttons);
  void ShowUpTrendNote(int index);

  std::array<QComboBox*, 3> drillNameLists_{};
  QComboBox* hadeNameList_ = nullptr;
  Pair pitchNameOptions_{};
  std::array<Pair, 7> coreOptions_{};  // the drill-core conventions, as listed above
  QLabel* upTrendNote_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* defaultsButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};
