// SPDX-License-Identifier: MIT
// Laying out the entry windows A-D, the result frames and the apparent-dip
// panel for a calculation.
#include <string>

#include "calc/Catalogue.h"
#include "calc/CoreConventions.h"
#include "calc/EntryBoxes.h"
#include "model/CalculatorModel.h"

namespace Lodema {

namespace {

// Whether a window is laid out as a plane or a line in the input notation.
WindowFabric FabricOf(WindowUse use) {
  switch (use) {
    case WindowUse::kPlane:
      return WindowFabric::kPlane;
    case WindowUse::kLine:
    case WindowUse::kFoldAxis:
    case WindowUse::kCoreAxis:
    case WindowUse::kCoreAxisAndAlpha:
      return WindowFabric::kLine;
    default:
      return WindowFabric::kNone;
  }
}

}  // namespace

void CalculatorModel::LayOutBox(int box, const EntryField& field) {
  controls_.entryBoxes[box].visible = field.shown;
  controls_.entryCaptions[box].caption = field.caption;
  controls_.entryCaptions[box].visible = field.shown || !field.caption.empty();
  entryRoles_[box] = field.role;
}

void CalculatorModel::SetUpCalculationWindows(int n) {
  HandlerScope scope(*this);
  const CalculationInfo* info = FindCalculation(n);
  if (info == nullptr) return;

  MainWindowControls& c = controls_;
  // A fixed plane: the reference choice is the plane's orientation. The
  // options keep showing the user's choice for the approximate-plane
  // calculations.
  if (info->d == WindowUse::kReferencePlane) {
    settings_.referenceDirection =
        StoredReferenceDirection(OrientGeometry::ReferenceDirection::kApproximate);
  }
  const RowSchema schema = Schema();
  LayoutWindow(0, info->a, schema);
  LayoutWindow(1, info->b, schema);
  c.windowsABFrame.visible = c.windowPanels[0].visible || c.windowPanels[1].visible;
  LayoutWindow(2, info->c, schema);
  c.windowCFrame.visible = c.windowPanels[2].visible;
  c.windowCFrame.caption = AxisFrameCaption(n);
  LayoutWindow(3, info->d, schema);
  c.windowDFrame.caption = ReferenceFrameCaption(n);
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

void CalculatorModel::LayoutWindow(int window, WindowUse use, const RowSchema& schema) {
  const int b = kWindowFirstBox[window];
  const int count = kWindowBoxCount[window];
  MainWindowControls& c = controls_;
  c.windowPanels[window].visible = use != WindowUse::kHidden;
  if (window == 3) {
    c.referenceDirectionFrame.visible = use == WindowUse::kReferenceLine;
    // A dip direction or strike alone asks for the plane's approximate dip.
    using OrientGeometry::ReferenceDirection;
    const ReferenceDirection choice = ReferenceDirectionOf(settings_.referenceDirection);
    c.approximateDipFrame.visible =
        use == WindowUse::kReferenceLine &&
        (choice == ReferenceDirection::kDipDirection || choice == ReferenceDirection::kStrike);
  }
  if (use == WindowUse::kHidden) {
    // A hidden window keeps the texts and roles of its last layout: its
    // values come back when a calculation shows it again.
    for (int box = b; box < b + count; ++box) c.entryBoxes[box].visible = false;
    return;
  }
  const WindowFabric fabric = FabricOf(use);
  windowFabrics_[window] = fabric;
  for (int box = b; box < b + count; ++box) {
    const EntryField& field = schema.entries[static_cast<std::size_t>(box)];
    LayOutBox(box, field);
    // A plane's or line's unused box holds nothing.
    if (!field.shown && fabric != WindowFabric::kNone) {
      c.entryBoxes[box].text.clear();
      entryValid_[box] = false;
    }
  }
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
    // Hidden or shown, the box holds the section's trend.
    entryRoles_[box] = BoxRole::kDirection;
  }
  for (int box : {12, 13}) {
    c.resultValues[box].visible = shown;
    c.resultCaptions[box].visible = shown;
  }
}

}  // namespace Lodema
