// Plain state of the main window's controls. The model owns one
// MainWindowControls; the desktop window only mirrors these values and
// forwards user actions back to the model's handlers.
#pragma once

#include <array>
#include <string>

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
struct CheckBox {
  std::string caption;
  bool visible = true;
  bool enabled = true;
  bool checked = false;
};
using OptionButton = CheckBox;

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

inline constexpr int kEntryBoxCount = 13;           // txtValues(0..12)
inline constexpr int kMappedBoxCount = 11;          // boxes 0..10 carry a field kind
inline constexpr int kResultBoxCount = 14;          // lblResult(0..13)
inline constexpr int kCalculationButtonCount = 42;  // grpCommands(0..41)

// Every control of the main window that the calculation engine reads or sets.
// Indices follow the control arrays of the window.
struct MainWindowControls {
  // Entry boxes: A = 0..2, B = 3..5, C = 6..7, D = 8..10, section trend 11
  // (main page) and 12 (file page, kept equal to 11).
  std::array<TextBox, kEntryBoxCount> txtValues;
  // Captions under the entry boxes (0..12); 14, 16 and 17 are the row labels
  // "Ref. plane", "Result" and "Other:" of the ambiguous-solutions frame.
  std::array<Label, 18> lblDip;
  std::array<Label, kResultBoxCount> lblResult;  // result values
  std::array<Label, kResultBoxCount> lblDipRes;  // result captions
  std::array<Frame, 3> fraResults;               // main result, reference plane, ambiguous
  Frame panMsgs;                                 // the message panel; its caption is the message

  std::array<ToggleButton, kCalculationButtonCount> grpCommands;
  std::array<Label, kCalculationButtonCount + 1> lblCalc;  // 42 = "for 'upward' lines"
  std::array<Frame, 5> fraCalculations;
  Label label2;  // second caption line of calculation 24
  int tabLodem = kGeometricalPage;

  Frame fraOrients;  // windows A and B
  Label lblA;
  Frame fraAxis;     // window C
  Frame fraRefLine;  // window D
  Frame fraRef;      // reference choice options
  Frame fraDip;      // approximate dip options
  // 0..3 = windows A..D, 4 = section trend (main page), 5 = section trend
  // (file page), 6 = file output options of the reference-plane calculations.
  std::array<Frame, 7> panorient;
  Frame fraExtraData;  // apparent dip or pitch: section trend and its result
  Frame fraAncilliary;
  Label Label3;  // "section" beside the section trend box
  Label lblAppDipOrPitch;
  std::array<CheckBox, 11> chkFileOutOptions;  // only 7..9 are set here

  CheckBox chkShowApparent;
  CheckBox chkLinePolarity;
  std::array<OptionButton, 4> optRef;
  std::array<OptionButton, 3> optDip;

  // Drill-core conventions of the conventions page.
  std::array<OptionButton, 2> optAlpha;
  std::array<OptionButton, 2> optBeta;
  std::array<OptionButton, 2> optBottomMark;
  std::array<OptionButton, 2> optCore;
  std::array<OptionButton, 2> optDelta;
  std::array<OptionButton, 2> optZenith;

  // Notation options of the conventions page (plane indices 1..6, 0 unused).
  std::array<OptionButton, 7> optInPlaneConv;
  std::array<OptionButton, 7> optOutPlaneConv;
  std::array<OptionButton, 2> optInLineConv;
  std::array<OptionButton, 2> optOutLineConv;
  std::array<OptionButton, 2> optInDirnConv;
  std::array<OptionButton, 2> optOutDirnConv;
  CheckBox chkOutConv;              // "Same as Input File"
  std::array<Frame, 3> panConvOut;  // output panels, disabled while coupled
  std::array<OptionButton, 2> optDecimal;
  Label lblLocaleWarning;
};

}  // namespace Lodema
