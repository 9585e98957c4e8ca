// SPDX-License-Identifier: MIT
// Plain state of the controls of the main window's file page (batch input
// and output). The file page model owns one FilePageControls; the desktop
// window only mirrors it and forwards user actions to the model.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "batch/ColumnMapping.h"
#include "batch/Preview.h"
#include "model/Controls.h"

namespace Lodema {

inline constexpr int kOutputOptionCount = 11;  // fileOutputOptions(0..10)

// The output option boxes by index.
enum OutputOption : int {
  kOptRetainInput = 0,          // "Include Input data in Output file?"
  kOptResultsFirst = 1,         // "Result columns precede input data columns?"
  kOptResultsLast = 2,          // "Result columns follow input data columns?"
  kOptKeepNonData = 3,          // "Keep non- data rows?"
  kOptSameDelimiter = 4,        // "Output delimiter same as input file? ..."
  kOptInputHeaders = 5,         // "Include Input headers in output?"
  kOptApparentDipColumns = 6,   // "Include result columns" (apparent dip panel)
  kOptRefPlaneColumns = 7,      // "Reference plane solution"
  kOptAmbiguousColumns = 8,     // "Any ambiguous reference plane solutions"
  kOptSecondResultColumns = 9,  // "Second result using ambiguous ref. plane"
  kOptResultCaptions = 10,      // "Include Results column labels?"
};

// A check box that can also show a grey third state (neither set nor clear).
struct TriStateBox {
  std::string caption;
  std::string tooltip;
  bool checked = false;
  bool grey = false;
  bool visible = true;
  bool enabled = true;
};

// A drop-down list of the file page.
struct DropDownList {
  std::vector<std::string> entries;
  int listIndex = -1;  // -1: nothing selected
  std::string text;    // the shown (or typed) text
  bool visible = true;
  bool enabled = true;
  bool highlighted = false;  // the active column list (yellow)
};

// Selects entry index of a list (the first one for an index outside it).
inline void SelectEntry(DropDownList& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.entries.size()))
    index = list.entries.empty() ? -1 : 0;
  list.listIndex = index;
  list.text = index >= 0 ? list.entries[static_cast<std::size_t>(index)] : std::string();
}
// Offers "None" and the columns 1..columns.
inline void FillColumnEntries(DropDownList& list, int columns) {
  list.entries.assign(1, "None");
  for (int n = 1; n <= columns; ++n) list.entries.push_back(std::to_string(n));
}

struct CommandButton {
  std::string caption;
  Colour captionColour{0, 0, 0};
  bool visible = true;
};

// Captions of the "Start input" buttons while and after a run.
inline constexpr Colour kRunningCaptionColour{255, 0, 0};
inline constexpr Colour kFinishedCaptionColour{0, 128, 0};

// The drill-hole survey of the core calculations: "Survey file..." and
// "Collar file..." with the names chosen, the input columns of each row's
// hole and depth ("None", "1", ...), and what reading the survey found.
struct SurveyControls {
  bool visible = false;  // a calculation whose core axis a survey can give
  TextBox surveyFile;
  TextBox collarFile;
  DropDownList holeColumn;
  DropDownList depthColumn;
  std::string status;  // "3 holes and 27 stations read", or what is wrong
};

struct FilePageControls {
  // 0 and 1: the input file (page box and its mirror), 2: the output file.
  std::array<TextBox, 3> fileNameBoxes;
  std::string currentFileCaption;  // the output file under "Current Output File:"
  // 0: "File data delimiter", 1: "Output data delimiter".
  std::array<DropDownList, 2> delimiterLists;
  CheckBox tableHeadingsBox;  // "First row contains column headings"
  // "Sheet": the sheets of a workbook source; hidden for other sources.
  DropDownList sheetList{{}, -1, "", false};
  std::array<DropDownList, kSlotCount> columnLists;
  std::array<CheckBox, 4> manualFixBoxes;  // "Manually fixed", windows A..D
  bool columnMismatchVisible = false;      // "Column mismatch - please check settings!"
  PreviewGrid previewGrid;
  bool inputFrameEnabled = false;  // the input options, for a chosen source
  bool outputOptionsEnabled = false;

  std::array<TriStateBox, kOutputOptionCount> fileOutputOptions;
  std::array<OptionButton, 2> outputModeOptions;  // 0 "Replace data", 1 "Append data"

  std::array<CommandButton, 2>
      commandButtons;           // the two "Start input" buttons (hidden until a source is chosen)
  bool counterVisible = false;  // "Processed:" counter frame
  std::int64_t processedCount = 0;  // lines processed so far, shown whole
  std::string runStatus;            // one line after a run that needed no summary
  std::string sourceProblem;        // why the named source cannot be used ("" when it can)
  SurveyControls survey;
};

// Texts of the file page that the engine compares or writes.
inline constexpr const char* kNoFileSelected = "no file selected";
inline constexpr const char* kPasteSourceName = "Paste data from clipboard";
inline constexpr const char* kStartInputCaption = "Start input";
inline constexpr const char* kWaitCaption = "Wait..";
inline constexpr const char* kMismatchCaption = "Column mismatch - please check settings!";

}  // namespace Lodema
