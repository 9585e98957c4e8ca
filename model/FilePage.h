// SPDX-License-Identifier: MIT
// The model behind the main window's file page: choosing the source and the
// output file, the delimiter lists, the column lists and preview, the
// output options, "Start input", "Save current result window" and pasting
// from the clipboard. The Qt page mirrors Controls() and forwards every user
// action to the handler of the same name; the command-line tool drives the
// same handlers. The main window model must outlive the page.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "LodemaVersion.h"
#include "batch/BatchJob.h"
#include "batch/BatchRun.h"
#include "batch/LineReader.h"
#include "batch/OutputFile.h"
#include "batch/Platform.h"
#include "batch/ResultWriter.h"
#include "model/ColumnLists.h"
#include "model/FilePageControls.h"
#include "model/FilePageSurvey.h"

namespace Lodema {

class CalculatorModel;
class SettingsStore;

inline constexpr const char* kNoDataToPasteMessage = "There are no data to paste!";
// "Lodema" and the project version, as the main window's title.
inline const std::string kPasteTitle = std::string("Lodema ") + kLodemaVersion;
inline constexpr const char* kNoFileSelectedMessage = "No file has been selected";
class FilePageModel {
 public:
  // inputs and outputs default to the plain file system.
  FilePageModel(CalculatorModel& model, const BatchPlatform& platform, InputFiles* inputs = nullptr,
                OutputFiles* outputs = nullptr);
  ~FilePageModel();
  FilePageModel(const FilePageModel&) = delete;
  FilePageModel& operator=(const FilePageModel&) = delete;

  const FilePageControls& Controls() const { return controls_; }
  const ColumnMap& CurrentColumnMap() const { return mapper_.Map(); }
  int InputColumnCount() const { return inputColumns_; }  // nInputCols
  bool IncludeInputHeaders() const { return includeInputHeaders_; }
  const ResultColumnFlags& ResultColumns() const { return writer_.ColumnFlags(); }
  bool AppendData() const { return controls_.outputModeOptions[1].checked; }

  // "Start" (button 0) saves the conventions to this store; none by default.
  void SetSettingsStore(SettingsStore* store) { store_ = store; }
  // Called with the processed count for every line of a run (the window
  // repaints the counter when it likes).
  void SetProgressHandler(std::function<void(std::int64_t)> handler) {
    progressHandler_ = std::move(handler);
  }

  // Start-up: file names, delimiter lists and output options from the
  // settings, then the preview of the stored source.
  void ApplySettingsToControls();

  // ---- Input source and columns ------------------------------------------
  void GetInputFile();  // "Browse..." / "Change..." / double-click
  // The user edited fileNameBoxes(0) or (1): an existing file or a "Paste"
  // name becomes the source; anything else only stays in the box.
  void SetInputFileText(int box, const std::string& text);
  // Makes name the source without checking it (the command-line tool).
  void SetInputSource(const std::string& name);
  void SetInputDelimiterText(const std::string& text);  // delimiterLists(0) typed or chosen
  void SetSheetIndex(int index);                        // sheetList chosen (FilePageSheets.cpp)
  void SetTableHeadings(bool checked);
  void SetManualFix(int window, bool checked);
  void SetColumnListIndex(int slot, int index);
  void ActivateColumnList(int slot);
  void GridColumnClicked(int column);
  void EndGridColumnSelection();
  void RefreshColumnPreview();
  void ReadColumnMapping();

  // ---- Drill-hole survey (core calculations) -----------------------------
  void ChooseSurveyFile();  // "Survey file..."
  void ChooseCollarFile();  // "Collar file..."
  // A name typed or chosen; "" uses none. The status line says what the
  // file holds.
  void SetSurveyFileText(const std::string& text);
  void SetCollarFileText(const std::string& text);
  void SetSurveyHoleColumn(int index);  // 0 "None", n column n
  void SetSurveyDepthColumn(int index);

  // ---- Output file and options -------------------------------------------
  void ChooseOutputFile();  // "Browse..." of the output file
  void SetOutputFileText(const std::string& text);
  void SetOutputDelimiterText(const std::string& text);  // delimiterLists(1)
  void SetOutputOption(int index, bool checked);         // fileOutputOptions(index) clicked
  void SetAppendData(bool append);                       // outputModeOptions
  void GetOutputFileInfo();
  void SaveCurrentResultWindow();  // "Save current result window"

  // ---- Runs -------------------------------------------------------------
  // "Start input" button 0 or 1. The outcome is for callers that report it
  // (the command-line tool); the window has shown everything already.
  BatchOutcome StartBatchInput(int button);
  // Workers a run shares its rows out to (1, the default: row after row).
  void SetBatchJobs(int jobs) { runner_.SetJobs(jobs); }
  // "Wait.." pressed (or Escape) during a run: the run ends after the row
  // in hand, keeps every line written so far and says where it stopped.
  // Safe from any thread; does nothing outside a run.
  void RequestStop() { stopRequested_ = true; }
  void PasteData();  // "Paste data from clipboard..."

 private:
  class Progress;

  EntryLayout Layout() const;
  void Observe(bool on);
  void AcceptInputSource(const std::string& name);
  // The sheet list for a newly chosen source; its first sheet is read.
  void FillSheetList(const std::string& name);
  void ApplyRetainOption(bool retain);
  void ShowMessage(const std::string& text, MessageIcon icon, const std::string& title);
  bool ReadsClipboard(const std::string& name) const;
  // The survey read under the current conventions (none when it cannot be).
  std::shared_ptr<const SurveyRun> LoadSurvey(std::string& problem);

  CalculatorModel& model_;
  BatchPlatform platform_;
  InputFiles defaultInputs_;
  OutputFiles defaultOutputs_;
  InputFiles& inputs_;
  OutputFiles& outputs_;
  FilePageControls controls_;
  ColumnMapper mapper_;
  SurveyChooser survey_;
  ResultWriter writer_;
  BatchRunner runner_;
  std::unique_ptr<Progress> progress_;
  std::function<void(std::int64_t)> progressHandler_;
  SettingsStore* store_ = nullptr;
  int inputColumns_ = 0;
  bool includeInputHeaders_ = false;
  bool cancelled_ = false;
  std::atomic<bool> stopRequested_ = false;
  int observerId_ = 0;
};

}  // namespace Lodema
