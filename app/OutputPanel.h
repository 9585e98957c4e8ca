// SPDX-License-Identifier: MIT
// The output side of the file page: the output file with "Browse...", the
// output delimiter, the output options fileOutputOptions(0..10) with the
// apparent-dip and reference-plane columns, "Replace data"/"Append data"
// and "Save current result window". Mirrors Lodema::FilePageModel.
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "app/ElidedLabel.h"
#include "model/FilePageControls.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
#include <QGroupBox>
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace Lodema {
class FilePageModel;
class CalculatorModel;
}  // namespace Lodema

class OutputPanel : public QObject {
  Q_OBJECT
 public:
  // forward runs a model handler and refreshes the page.
  OutputPanel(Lodema::CalculatorModel& model, Lodema::FilePageModel& page,
              std::function<void(std::function<void()>)> forward, QObject* parent = nullptr);

  // The output file group, and the extra result columns beside the lists.
  QWidget* OutputGroup() const { return outputGroup_; }
  QWidget* ExtraColumns() const { return extraColumns_; }
  void Refresh();

  QLineEdit* FileName() const { return fileNameBoxes2_; }
  QCheckBox* Option(int i) const { return fileOutputOptions_[i]; }
  QRadioButton* FileOut(int i) const { return outputModeOptions_[i]; }
  QPushButton* SaveResult() const { return saveResultButton_; }
  QLabel* CurrentFile() const { return currentFileCaption_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MakeOutputGroup();
  QWidget* MakeExtraColumns();

  Lodema::CalculatorModel& model_;
  Lodema::FilePageModel& pageModel_;
  std::function<void(std::function<void()>)> forward_;
  QGroupBox* outputGroup_ = nullptr;
  QWidget* extraColumns_ = nullptr;
  QLineEdit* fileNameBoxes2_ = nullptr;
  QPushButton* outputBrowseButton_ = nullptr;
  QComboBox* delimiterLists1_ = nullptr;
  ElidedLabel* currentFileCaption_ = nullptr;  // a path
  std::array<QCheckBox*, Lodema::kOutputOptionCount> fileOutputOptions_{};
  QButtonGroup* fileOutGroup_ = nullptr;
  std::array<QRadioButton*, 2> outputModeOptions_{};
  QPushButton* saveResultButton_ = nullptr;

  QGroupBox* sectionTrendFrame_ = nullptr;
  QWidget* windowPanels5_ = nullptr;
  QLineEdit* entryBoxes12_ = nullptr;
  QLabel* entryCaptions12_ = nullptr;
  QLabel* extraResultNote_ = nullptr;
  QWidget* windowPanels6_ = nullptr;
};
