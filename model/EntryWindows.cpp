// SPDX-License-Identifier: MIT
// Laying out the entry windows A-D, the result frames and the apparent-dip
// panel for a calculation, with the field kind of every entry box.
#include <string>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "model/CalculatorModel.h"

namespace Lodema {

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

void CalculatorModel::LayoutValueBoxes(int window, WindowUse /*use*/) {
  // Single values (angles, senses, a trend) as the row schema lays them out.
  const RowSchema schema = Schema();
  for (int box = kWindowFirstBox[window]; box < kWindowFirstBox[window] + kWindowBoxCount[window];
       ++box) {
    const EntryField& field = schema.entries[static_cast<std::size_t>(box)];
    if (field.shown) {
      ShowBox(box, field.caption, field.kind);
    } else {
      HideBox(box, field.caption);
    }
  }
}

void CalculatorModel::LayoutReferenceLine() {
  // A dip direction or strike alone asks for the plane's approximate dip.
  const int choice = settings_.referenceDirection;
  controls_.approximateDipFrame.visible = choice != 2 && choice != 3;
  LayoutValueBoxes(3, WindowUse::kReferenceLine);
  // The column lists still offer box 8 a dip column when it is hidden.
  fieldKinds_[8] = Schema().entries[8].kind;
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
