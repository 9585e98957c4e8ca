// SPDX-License-Identifier: MIT
// The file-processing page: the input source with its delimiter, headings
// box and preview grid previewGrid, the column lists beside each entry
// window, "Start input" with the "Processed:" counter and the paste command;
// the output side is an OutputPanel. Mirrors Lodema::FilePageModel and
// forwards to it.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/ElidedLabel.h"
#include "app/RecentFiles.h"
#include "model/FilePageControls.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class OutputPanel;
class QPushButton;
class QTableWidget;
class QWidget;
class SurveyFrame;

namespace Lodema {
class FilePageModel;
class CalculatorModel;
}  // namespace Lodema

class FilePage : public QObject {
  Q_OBJECT
 public:
  FilePage(Lodema::CalculatorModel& model, Lodema::FilePageModel& page, QObject* parent = nullptr);

  QWidget* Page() const { return page_; }
  // The mirror of the input file name with "Change..." and the second
  // "Start input", shown under the result windows.
  QWidget* InputStrip() const { return strip_; }
  void Refresh();

  // Only the counter and the "Start input" captions, for a running batch.
  void RefreshProgress();

  // The output file and its options.
  OutputPanel* Output() const { return output_; }
  // Box 0 on the page, 1 in the strip.
  QLineEdit* FileName(int i) const { return fileNameBoxes_[i]; }
  QPushButton* Browse(int i) const { return inputBrowseButtons_[i]; }
  QCheckBox* TableHeadings() const { return tableHeadingsBox_; }
  QTableWidget* Grid() const { return previewGrid_; }
  QComboBox* Columns(int slot) const { return columnLists_[slot]; }
  QCheckBox* ManualFix(int w) const { return manualFixBoxes_[w]; }
  QLabel* Mismatch() const { return mismatchLabel_; }
  QPushButton* StartInput(int i) const { return commandButtons_[i]; }
  QWidget* Counter() const { return counterFrame_; }
  QLabel* RunStatus() const { return runStatus_; }
  QLabel* CounterLabel() const { return counterLabel_; }
  QMenu* PasteMenu() const { return pasteMenu_; }
  SurveyFrame* Survey() const { return survey_; }
  // The column lists go under the output file when view (the visible part
  // of the page) is narrower than the page side by side.
  void FollowWidthOf(QWidget* view);
  bool Narrow() const { return narrow_; }
  // The columns of the entry boxes and the headings box as the page shows them.
  FileColumnChoice ShownChoice() const;

 signals:
  // "Start input" k was pressed (the window runs it).
  void startInputClicked(int button);
  void pasteRequested();
  // The input source (FileIn) shown on the page is another one now.
  void inputSourceChanged(const QString& source);
  // The source shown before, with the columns and headings box it was
  // last shown with.
  void sourceLeft(const QString& source, const FileColumnChoice& choice);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* MakeInputGroup();
  QWidget* MakeSheetChoice();
  QWidget* MakeColumnFrames();
  void MakeStrip();
  void RefreshGrid();
  void Forward(const std::function<void()>& action);
  void Arrange(bool narrow);
  // A new source: "First row contains column headings" ticked when its
  // first row reads as headings, cleared when not.
  void GuessHeadings();

  Lodema::CalculatorModel& model_;
  Lodema::FilePageModel& pageModel_;
  QWidget* page_ = nullptr;
  QGridLayout* pageLayout_ = nullptr;
  QWidget* inputGroup_ = nullptr;
  QWidget* rightColumn_ = nullptr;  // the column lists and extra result columns
  QWidget* shownIn_ = nullptr;
  bool arranged_ = false;
  bool narrow_ = false;
  int wideWidth_ = 0;  // the least width side by side
  QWidget* strip_ = nullptr;

  OutputPanel* output_ = nullptr;
  std::array<QLineEdit*, 2> fileNameBoxes_{};
  std::array<QPushButton*, 2> inputBrowseButtons_{};
  QComboBox* delimiterLists0_ = nullptr;
  QWidget* inputOptions_ = nullptr;
  QMenu* pasteMenu_ = nullptr;
  QCheckBox* tableHeadingsBox_ = nullptr;
  QWidget* sheetChoice_ = nullptr;  // "Sheet" and its list, for a workbook source
  QComboBox* sheetList_ = nullptr;
  QTableWidget* previewGrid_ = nullptr;
  Lodema::PreviewGrid shownGrid_;
  QLabel* mismatchLabel_ = nullptr;
  std::array<QGroupBox*, 4> windowColumnFrames_{};
  std::array<QComboBox*, Lodema::kSlotCount> columnLists_{};
  std::array<bool, Lodema::kSlotCount> shownHighlight_{};
  std::array<QCheckBox*, 4> manualFixBoxes_{};
  SurveyFrame* survey_ = nullptr;

  std::array<QPushButton*, 2> commandButtons_{};
  QWidget* counterFrame_ = nullptr;
  ElidedLabel* runStatus_ = nullptr;  // "N rows written to FILE" after a clean run
  // The status of the last run once another source was chosen: not shown.
  std::optional<std::string> dismissedStatus_;
  QLabel* counterLabel_ = nullptr;
  std::string shownSource_;
  FileColumnChoice shownChoice_;
};
