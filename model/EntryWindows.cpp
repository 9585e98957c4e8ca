// SPDX-License-Identifier: MIT
// Laying out the entry windows A-D, the result frames and the apparent-dip
// panel for a calculation, with the field kind of every entry box.
#include <string>

#include "model/CalculatorModel.h"
#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"

namespace Lodema {

namespace {

// The boxes of the windows that hold single values (angles, senses, a trend)
// rather than a plane or line in the input notation: each shown with its
// caption and field kind, or hidden with the caption its label keeps.
// Window C has only the first two.
constexpr BoxLayout Shown(const char* caption, int kind) {
  return {true, caption, UserWord::kNone, kind};
}
constexpr BoxLayout Shown(UserWord word, int kind) { return {true, "", word, kind}; }
constexpr BoxLayout Hidden(const char* caption = "") {
  return {false, caption, UserWord::kNone, kFieldNothing};
}

constexpr ValueWindowLayout kValueWindowLayouts[] = {
    // The obtuse flag is no field of a data file; it keeps no kind of its own.
    {WindowUse::kObtuseFlag, {Shown("obtuse?", kFieldNothing), Hidden("Y/N"), Hidden()}},
    {WindowUse::kRotationAngle, {Shown("rot'n", kFieldAlphaRotation), Hidden(), Hidden()}},
    {WindowUse::kAngle, {Shown("angle", kFieldAlphaRotation), Hidden(), Hidden()}},
    {WindowUse::kSectionTrend, {Hidden("section"), Shown("trend", kFieldDirection), Hidden()}},
    {WindowUse::kLineTrend, {Hidden("line"), Shown("trend", kFieldDirection), Hidden()}},
    {WindowUse::kPitchAndSense,
     {Hidden(), Shown(UserWord::kPitch, kFieldPitch), Shown("sense", kFieldSense)}},
    {WindowUse::kHade, {Hidden(), Shown(UserWord::kHade, kFieldBetaHadeGamma), Hidden()}},
    {WindowUse::kPlungeAndSense,
     {Hidden(), Shown("plunge", kFieldPlunge), Shown("sense", kFieldSense)}},
    {WindowUse::kGamma, {Hidden(), Shown(UserWord::kGamma, kFieldBetaHadeGamma), Hidden("angle")}},
    {WindowUse::kBetaAlpha,
     {Shown(UserWord::kBeta, kFieldBetaHadeGamma), Shown(UserWord::kAlpha, kFieldAlphaRotation),
      Hidden("angles")}},
    {WindowUse::kRefPlaneAlpha,
     {Shown(UserWord::kAlpha, kFieldAlphaRotation), Hidden("angle"), Hidden()}},
};

}  // namespace

void CalculatorModel::ShowBox(int box, const std::string& caption, int fieldKind) {
  controls_.entryBoxes[box].visible = true;
  controls_.entryCaptions[box].caption = caption;
  controls_.entryCaptions[box].visible = true;
  if (box < kMappedBoxCount) fieldKinds_[box] = fieldKind;
}

void CalculatorModel::HideBox(int box, const std::string& caption) {
  controls_.entryBoxes[box].visible = false;
  controls_.entryCaptions[box].caption = caption;
  controls_.entryCaptions[box].visible = !caption.empty();
  if (box < kMappedBoxCount) fieldKinds_[box] = kFieldNothing;
}

void CalculatorModel::SetUpCalculationWindows(int n) {
  HandlerScope scope(*this);
  const CalculationInfo* info = FindCalculation(n);
  if (info == nullptr) return;
  for (int box = 0; box < 12; ++box) {
    const TextBox& entry = controls_.entryBoxes[box];
    savedTexts_[box] = entry.visible ? entry.text : std::string();
  }

  MainWindowControls& c = controls_;
  LayoutWindow(0, info->a, n);
  LayoutWindow(1, info->b, n);
  c.windowsABFrame.visible = c.windowPanels[0].visible || c.windowPanels[1].visible;
  LayoutWindow(2, info->c, n);
  c.windowCFrame.visible = c.windowPanels[2].visible;
  c.windowCFrame.caption = AxisFrameCaption(n);
  LayoutWindow(3, info->d, n);
  c.windowDFrame.visible = c.windowPanels[3].visible;

  const bool planeContainingLine = info->solutions == SolutionOutput::kPlaneContainingLine;
  c.windowPanels[6].visible = info->solutions != SolutionOutput::kNone;
  c.fileOutputOptions[7].caption =
      planeContainingLine ? "Solution of Plane containing line" : "Reference plane solution";
  c.fileOutputOptions[8].visible = !planeContainingLine;
  c.fileOutputOptions[9].visible = !planeContainingLine;

  LabelResultWindows(*info);
  c.resultFrames[1].visible = false;
  c.resultFrames[2].visible = false;
  c.resultFrames[1].caption =
      planeContainingLine ? "  Plane solution" : "  Reference plane solution";

  LayoutApparentDip(*info);
}

void CalculatorModel::LayoutWindow(int window, WindowUse use, int n) {
  const int b = kWindowFirstBox[window];
  const int count = kWindowBoxCount[window];
  const Lodema::Settings& s = settings_;
  MainWindowControls& c = controls_;
  c.windowPanels[window].visible = use != WindowUse::kHidden;
  if (window == 3) {
    c.referenceDirectionFrame.visible = use == WindowUse::kReferenceLine;
    c.approximateDipFrame.visible = false;
    c.windowDFrame.caption = ReferenceFrameCaption(n);
  }

  switch (use) {
    case WindowUse::kHidden:
      for (int box = b; box < b + count; ++box) {
        c.entryBoxes[box].visible = false;
        if (box < kMappedBoxCount) fieldKinds_[box] = kFieldNothing;
      }
      break;
    case WindowUse::kPlane:
      SetWindowForFabric(window, kFabricPlane);
      break;
    case WindowUse::kLine:
    case WindowUse::kFoldAxis:
      SetWindowForFabric(window, kFabricLine);
      break;
    case WindowUse::kCoreAxis:
      SetWindowForFabric(window, kFabricLine);
      for (int box = b; box < b + count; ++box) {
        if (c.entryCaptions[box].caption == "plunge") c.entryCaptions[box].caption = s.PlungeName;
      }
      break;
    case WindowUse::kCoreAxisAndAlpha:
      SetWindowForFabric(window, kFabricCoreAxis);
      break;
    case WindowUse::kReferenceLine:
      LayoutReferenceLine();
      break;
    case WindowUse::kReferencePlane:
      // A fixed plane: the reference choice is the plane's orientation. The
      // options keep showing the user's choice for the approximate-plane
      // calculations.
      settings_.referenceDirection = 3;
      ShowBox(8, "dip", kFieldDip);
      ShowBox(9, "dip dir'n", kFieldDirection);
      HideBox(10, "");
      break;
    default:
      LayoutValueBoxes(window, use);
      break;
  }
}

void CalculatorModel::LayoutValueBoxes(int window, WindowUse use) {
  const ValueWindowLayout* layout = nullptr;
  for (const ValueWindowLayout& row : kValueWindowLayouts) {
    if (row.use == use) layout = &row;
  }
  if (layout == nullptr) return;
  const int first = kWindowFirstBox[window];
  for (int i = 0; i < kWindowBoxCount[window]; ++i) {
    const BoxLayout& box = layout->boxes[static_cast<std::size_t>(i)];
    const std::string caption = box.word == UserWord::kNone ? box.caption : WordText(box.word);
    if (box.shown) {
      ShowBox(first + i, caption, box.kind);
    } else {
      HideBox(first + i, caption);
    }
  }
}

std::string CalculatorModel::WordText(UserWord word) const {
  switch (word) {
    case UserWord::kPitch:
      return settings_.gPitchName;
    case UserWord::kHade:
      return settings_.gHadeName;
    case UserWord::kAlpha:
      return settings_.alphaWord;
    case UserWord::kBeta:
      return settings_.betaWord;
    case UserWord::kGamma:
      return settings_.gammaWord;
    case UserWord::kNone:
      break;
  }
  return "";
}

void CalculatorModel::LayoutReferenceLine() {
  MainWindowControls& c = controls_;
  switch (settings_.referenceDirection) {
    case 1:
      c.approximateDipFrame.visible = true;
      HideBox(8, "");
      ShowBox(9, "strike", kFieldDirection);
      break;
    case 2:
      if (settings_.LineConvIn == 1) {
        ShowBox(8, "trend", kFieldDirection);
        ShowBox(9, "plunge", kFieldPlunge);
      } else {
        ShowBox(8, "plunge", kFieldPlunge);
        ShowBox(9, "trend", kFieldDirection);
      }
      break;
    case 3:
      ShowBox(8, "~dip", kFieldNothing);
      ShowBox(9, "dir'n", kFieldDirection);
      break;
    default:  // 0, and a stored choice outside the group: the dip direction
      c.approximateDipFrame.visible = true;
      HideBox(8, "");
      fieldKinds_[8] = kFieldDip;
      ShowBox(9, "dir'n", kFieldDirection);
      break;
  }
  HideBox(10, "");
}

void CalculatorModel::LayoutApparentDip(const CalculationInfo& info) {
  MainWindowControls& c = controls_;
  c.apparentDipBox.visible = info.offersApparentDip;
  if (info.HasLineInPlane()) {
    const std::string& pitch = settings_.gPitchName;
    c.apparentDipBox.caption = "Show " + pitch + " of line in plane";
    c.extraResultFrame.caption = "  " + pitch + "  ";
    c.extraResultNote.caption = "for line " + pitch + " in plane";
  } else {
    c.apparentDipBox.caption = "Show apparent dip";
    c.extraResultFrame.caption = "  App.Dip  ";
    c.extraResultNote.caption = "for apparent dip and dip sense";
  }
  ApplyApparentVisibility();
}

void CalculatorModel::ApplyApparentVisibility() {
  MainWindowControls& c = controls_;
  const bool offered = c.apparentDipBox.visible;
  const bool shown = offered && c.apparentDipBox.checked;
  c.extraResultFrame.visible = offered;
  c.sectionTrendFrame.visible = shown;
  c.windowPanels[4].visible = shown;
  c.windowPanels[5].visible = shown;
  for (int box : {kSectionTrendBox, kFileSectionTrendBox}) {
    c.entryBoxes[box].visible = shown;
    c.entryCaptions[box].caption = "trend";
    c.entryCaptions[box].visible = shown;
  }
  for (int box : {12, 13}) {
    c.resultValues[box].visible = shown;
    c.resultCaptions[box].visible = shown;
  }
}

}  // namespace Lodema
