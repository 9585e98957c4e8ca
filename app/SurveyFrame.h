// SPDX-License-Identifier: MIT
// The file page's "Drill-hole survey" frame for the core calculations:
// "Survey file..." and "Collar file..." with the names chosen, the columns
// of each row's hole and depth, and what reading the survey found. Mirrors
// Lodema::SurveyControls and forwards to the file page model.
#pragma once

#include <QGroupBox>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Lodema {
class FilePageModel;
}  // namespace Lodema

class SurveyFrame : public QGroupBox {
  Q_OBJECT
 public:
  // forward runs a model handler and refreshes the page.
  SurveyFrame(Lodema::FilePageModel& page, std::function<void(std::function<void()>)> forward);
  void Refresh();

  QPushButton* SurveyButton() const { return surveyButton_; }
  QLineEdit* SurveyName() const { return surveyName_; }
  QComboBox* HoleColumn() const { return holeColumn_; }
  QComboBox* DepthColumn() const { return depthColumn_; }
  QLabel* Status() const { return status_; }

 private:
  Lodema::FilePageModel& page_;
  std::function<void(std::function<void()>)> forward_;
  QPushButton* surveyButton_ = nullptr;
  QPushButton* collarButton_ = nullptr;
  QLineEdit* surveyName_ = nullptr;
  QLineEdit* collarName_ = nullptr;
  QComboBox* holeColumn_ = nullptr;
  QComboBox* depthColumn_ = nullptr;
  QLabel* status_ = nullptr;
};
