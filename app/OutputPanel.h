// The output side of the file page: the output file with "Browse...", the
// output delimiter, the output options chkFileOutOptions(0..10) with the
// apparent-dip and reference-plane columns, "Replace data"/"Append data"
// and "Save current result window". Mirrors Lodema::FilePageModel.
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "batch/FilePageControls.h"

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
class FormModel;
}  // namespace Lodema

class OutputPanel : public QObject {
  Q_OBJECT
 public:
  OutputPanel(Lodema::FormModel& model, Lodema::FilePageModel& page, QObject* parent = nullptr);

  // The output file group, and the extra result columns beside the lists.
  QWidget* OutputGroup() const { return fraOutput_; }
  QWidget* ExtraColumns() const { return extraColumns_; }
  void Refresh();

  QLineEdit* FileName() const { return txtFileName2_; }
  QPushButton* Browse() const { return cmdFileName2_; }
  QComboBox* Delimiter() const { return cboDelim1_; }
  QCheckBox* Option(int i) const { return chkFileOutOptions_[i]; }
  QRadioButton* FileOut(int i) const { return optFileOut_[i]; }
  QPushButton* SaveResult() const { return cmdFileOut_; }
  QLabel* CurrentFile() const { return lblCurrentFile_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* MakeOutputGroup();
  QWidget* MakeExtraColumns();
  void Forward(const std::function<void()>& action);

  Lodema::FormModel& model_;
  Lodema::FilePageModel& pageModel_;
  QGroupBox* fraOutput_ = nullptr;
  QWidget* extraColumns_ = nullptr;
  QLineEdit* txtFileName2_ = nullptr;
  QPushButton* cmdFileName2_ = nullptr;
  QComboBox* cboDelim1_ = nullptr;
  QLabel* lblCurrentFile_ = nullptr;
  std::array<QCheckBox*, Lodema::kOutputOptionCount> chkFileOutOptions_{};
  QButtonGroup* fileOutGroup_ = nullptr;
  std::array<QRadioButton*, 2> optFileOut_{};
  QPushButton* cmdFileOut_ = nullptr;

  QGroupBox* fraAncilliary_ = nullptr;
  QWidget* panorient5_ = nullptr;
  QLineEdit* txtValues12_ = nullptr;
  QLabel* lblDip12_ = nullptr;
  QLabel* lblAppDipOrPitch_ = nullptr;
  QWidget* panorient6_ = nullptr;
};
