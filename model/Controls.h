// SPDX-License-Identifier: MIT
// Plain state of the main window's controls. The model owns one
// MainWindowControls; the desktop window only mirrors these values and
// forwards user actions back to the model's handlers.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "calc/EntryBoxes.h"

namespace Lodema {

// A colour as red, green and blue, each 0..255.
struct Colour {
  int red = 192;
  int green = 192;
  int blue = 192;
  friend bool operator==(const Colour&, const Colour&) = default;
};
// Unselected calculation buttons are light grey, the selected one dark red.
inline constexpr Colour kButtonGrey{192, 192, 192};
inline constexpr Colour kButtonSelected{128, 0, 0};

// An editable text box.
struct TextBox {
  std::string text;
  bool visible = true;
  bool enabled = true;
};

// A caption label, or a read-only value label.
struct Label {
  std::string caption;
  bool visible = true;
};

// A frame or panel: a caption and whether it (and all it holds) is shown.
struct Frame {
  std::string caption;
  bool visible = true;
  bool enabled = true;
};

// A check box or an option button.
struct CheckBox : Frame {
  bool checked = false;
};
using OptionButton = CheckBox;

// Checks option i of a group and clears the others; an index outside the
// group selects nothing.
template <std::size_t N>
void CheckOnly(std::array<OptionButton, N>& options, int index) {
  for (std::size_t i = 0; i < N; ++i) options[i].checked = static_cast<int>(i) == index;
}

// A two-state push button of the calculation buttons.
struct ToggleButton {
  bool pressed = false;
  bool visible = true;
  Colour colour = kButtonGrey;
};

// Tab pages of the main window's tab control.
enum TabPage : int {
  kGeometricalPage = 0,  // calculation frame 0
  kCorePage = 1,         // drill-core frames 1..4
  kConventionsPage = 2,
  kFilePage = 3,  // batch input and output
};

inline constexpr int kCalculationButtonCount = 42;  // calculationButtons(0..41)

// Every control of the main window that the calculation engine reads or sets.
// Indices follow the control arrays of the window.
struct MainWindowControls {
  // Entry boxes: A = 0..2, B = 3..5, C = 6..7, D = 8..10, section trend 11
  // (main page) and 12 (file page, kept equal to 11).
  std::array<TextBox, kEntryBoxCount> entryBoxes;
  // Captions under the entry boxes (0..12); 14, 16 and 17 are the row labels
  // "Ref. plane", "Result" and "Other:" of the ambiguous-solutions frame.
  std::array<Label, 18> entryCaptions;
  // Result windows 4..7 (three boxes each: main result, reference plane,
  // ambiguous reference plane, its result), then the apparent dip (12, 13).
  std::array<Label, kResultBoxCount> resultValues;
  std::array<Label, kResultBoxCount> resultCaptions;
  std::array<Frame, 3> resultFrames;  // main result, reference plane, ambiguous
  Frame messagePanel;                 // its caption is the message

  std::array<ToggleButton, kCalculationButtonCount> calculationButtons;
  std::array<Label, kCalculationButtonCount + 1> calculationCaptions;  // 42 = "for 'upward' lines"
  std::array<Frame, 5> calculationFrames;
  Label captionSecondLine;  // second caption line of calculation 24
  int tabPage = kGeometricalPage;

  Frame windowsABFrame;  // windows A and B
  Label windowACaption;
  Frame windowCFrame;             // window C
  Frame windowDFrame;             // window D
  Frame referenceDirectionFrame;  // reference choice options
  Frame approximateDipFrame;      // approximate dip options
  // 0..3 = windows A..D, 4 = section trend (main page), 5 = section trend
  // (file page), 6 = file output options of the reference-plane calculations.
  std::array<Frame, 7> windowPanels;
  Frame extraResultFrame;  // apparent dip or pitch: section trend and its result
  Frame sectionTrendFrame;
  Label sectionCaption;  // "section" beside the section trend box
  Label extraResultNote;
  std::array<CheckBox, 11> fileOutputOptions;  // only 7..9 are set here

  CheckBox apparentDipBox;
  CheckBox polaritySignBox;
  std::array<OptionButton, 4> referenceDirectionOptions;
  std::array<OptionButton, 3> approximateDipOptions;

  // Drill-core conventions of the conventions page.
  std::array<OptionButton, 2> ellipseMarkOptions;
  std::array<OptionButton, 2> betaRangeOptions;
  std::array<OptionButton, 2> orientationMarkOptions;
  std::array<OptionButton, 2> corePlungeSignOptions;
  std::array<OptionButton, 2> deltaReferenceOptions;
  std::array<OptionButton, 2> coreInclinationOptions;

  // Notation options of the conventions page (plane indices 1..6, 0 unused).
  std::array<OptionButton, 7> inputPlaneNotationOptions;
  std::array<OptionButton, 7> outputPlaneNotationOptions;
  std::array<OptionButton, 2> inputLineOrderOptions;
  std::array<OptionButton, 2> outputLineOrderOptions;
  std::array<OptionButton, 2> inputDirectionNotationOptions;
  std::array<OptionButton, 2> outputDirectionNotationOptions;
  CheckBox outputSameAsInputBox;              // "Same as Input File"
  std::array<Frame, 3> outputNotationPanels;  // output panels, disabled while coupled
  std::array<OptionButton, 2> decimalCharOptions;
  Label localeWarning;
};

}  // namespace Lodema
