// Laying out the entry windows A-D, the result frames and the apparent-dip
// panel for a calculation, with the field kind of every entry box.
#include <string>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "calc/FormModel.h"

namespace Lodema {

void FormModel::ShowBox(int box, const std::string& caption, int fieldKind) {
  controls_.txtValues[box].visible = true;
  controls_.lblDip[box].caption = caption;
  controls_.lblDip[box].visible = true;
  if (box < kMappedBoxCount) fieldKinds_[box] = fieldKind;
}

void FormModel::HideBox(int box, const std::string& caption) {
  controls_.txtValues[box].visible = false;
  controls_.lblDip[box].caption = caption;
  controls_.lblDip[box].visible = !caption.empty();
  if (box < kMappedBoxCount) fieldKinds_[box] = kFieldNothing;
}

void FormModel::SetUpCalculationWindows(int n) {
  HandlerScope scope(*this);
  const CalculationInfo* info = FindCalculation(n);
  if (info == nullptr) return;
  for (int box = 0; box < 12; ++box) {
    const TextBox& entry = controls_.txtValues[box];
    savedTexts_[box] = entry.visible ? entry.text : std::string();
  }

  MainWindowControls& c = controls_;
  LayoutWindow(0, info->a, n);
  LayoutWindow(1, info->b, n);
  c.fraOrients.visible = c.panorient[0].visible || c.panorient[1].visible;
  LayoutWindow(2, info->c, n);
  c.fraAxis.visible = c.panorient[2].visible;
  c.fraAxis.caption = AxisFrameCaption(n);
  LayoutWindow(3, info->d, n);
  c.fraRefLine.visible = c.panorient[3].visible;

  const bool planeContainingLine = info->solutions == SolutionOutput::kPlaneContainingLine;
  c.panorient[6].visible = info->solutions != SolutionOutput::kNone;
  c.chkFileOutOptions[7].caption =
      planeContainingLine ? "Solution of Plane containing line" : "Reference plane solution";
  c.chkFileOutOptions[8].visible = !planeContainingLine;
  c.chkFileOutOptions[9].visible = !planeContainingLine;

  LabelResultWindows(*info);
  c.fraResults[1].visible = false;
  c.fraResults[2].visible = false;
  c.fraResults[1].caption = planeContainingLine ? "  Plane solution" : "  Reference plane solution";

  LayoutApparentDip(*info);
}

void FormModel::LayoutWindow(int window, WindowUse use, int n) {
  const int b = kWindowFirstBox[window];
  const int count = kWindowBoxCount[window];
  const Lodema::Settings& s = settings_;
  MainWindowControls& c = controls_;
  c.panorient[window].visible = use != WindowUse::kHidden;
  if (window == 3) {
    c.fraRef.visible = use == WindowUse::kReferenceLine;
    c.fraDip.visible = false;
    c.fraRefLine.caption = ReferenceFrameCaption(n);
  }

  switch (use) {
    case WindowUse::kHidden:
      for (int box = b; box < b + count; ++box) {
        c.txtValues[box].visible = false;
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
        if (c.lblDip[box].caption == "plunge") c.lblDip[box].caption = s.PlungeName;
      }
      break;
    case WindowUse::kCoreAxisAndAlpha:
      SetWindowForFabric(window, kFabricCoreAxis);
      break;
    case WindowUse::kObtuseFlag:
      // The flag is no field of a data file; it keeps no kind of its own.
      ShowBox(b, "obtuse?", kFieldNothing);
      HideBox(b + 1, "Y/N");
      break;
    case WindowUse::kRotationAngle:
      ShowBox(b, "rot'n", kFieldAlphaRotation);
      HideBox(b + 1, "");
      break;
    case WindowUse::kAngle:
      ShowBox(b, "angle", kFieldAlphaRotation);
      HideBox(b + 1, "");
      break;
    case WindowUse::kSectionTrend:
    case WindowUse::kLineTrend:
      HideBox(b, use == WindowUse::kSectionTrend ? "section" : "line");
      ShowBox(b + 1, "trend", kFieldDirection);
      HideBox(b + 2, "");
      break;
    case WindowUse::kPitchAndSense:
      HideBox(b, "");
      ShowBox(b + 1, s.gPitchName, kFieldPitch);
      ShowBox(b + 2, "sense", kFieldSense);
      break;
    case WindowUse::kHade:
      HideBox(b, "");
      ShowBox(b + 1, s.gHadeName, kFieldBetaHadeGamma);
      HideBox(b + 2, "");
      break;
    case WindowUse::kPlungeAndSense:
      HideBox(b, "");
      ShowBox(b + 1, "plunge", kFieldPlunge);
      ShowBox(b + 2, "sense", kFieldSense);
      break;
    case WindowUse::kGamma:
      HideBox(b, "");
      ShowBox(b + 1, s.BetaName, kFieldBetaHadeGamma);
      HideBox(b + 2, "angle");
      break;
    case WindowUse::kBetaAlpha:
      ShowBox(b, s.AlphaName, kFieldBetaHadeGamma);
      ShowBox(b + 1, s.DeltaName, kFieldAlphaRotation);
      HideBox(b + 2, "angles");
      break;
    case WindowUse::kRefPlaneAlpha:
      ShowBox(b, s.DeltaName, kFieldAlphaRotation);
      HideBox(b + 1, "angle");
      HideBox(b + 2, "");
      break;
    case WindowUse::kReferenceLine:
      LayoutReferenceLine();
      break;
    case WindowUse::kReferencePlane:
      // A fixed plane: the reference choice is the plane's orientation. The
      // options keep showing the user's choice for the approximate-plane
      // calculations.
      settings_.RefDirn = 3;
      ShowBox(8, "dip", kFieldDip);
      ShowBox(9, "dip dir'n", kFieldDirection);
      HideBox(10, "");
      break;
  }
}

void FormModel::LayoutReferenceLine() {
  MainWindowControls& c = controls_;
  switch (settings_.RefDirn) {
    case 1:
      c.fraDip.visible = true;
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
      c.fraDip.visible = true;
      HideBox(8, "");
      fieldKinds_[8] = kFieldDip;
      ShowBox(9, "dir'n", kFieldDirection);
      break;
  }
  HideBox(10, "");
}

void FormModel::LayoutApparentDip(const CalculationInfo& info) {
  MainWindowControls& c = controls_;
  c.chkShowApparent.visible = info.offersApparentDip;
  if (info.HasLineInPlane()) {
    const std::string& pitch = settings_.gPitchName;
    c.chkShowApparent.caption = "Show " + pitch + " of line in plane";
    c.fraExtraData.caption = "  " + pitch + "  ";
    c.lblAppDipOrPitch.caption = "for line " + pitch + " in plane";
  } else {
    c.chkShowApparent.caption = "Show apparent dip";
    c.fraExtraData.caption = "  App.Dip  ";
    c.lblAppDipOrPitch.caption = "for apparent dip and dip sense";
  }
  ApplyApparentVisibility();
}

void FormModel::ApplyApparentVisibility() {
  MainWindowControls& c = controls_;
  const bool offered = c.chkShowApparent.visible;
  const bool shown = offered && c.chkShowApparent.checked;
  c.fraExtraData.visible = offered;
  c.fraAncilliary.visible = shown;
  c.panorient[4].visible = shown;
  c.panorient[5].visible = shown;
  for (int box : {kSectionTrendBox, kFileSectionTrendBox}) {
    c.txtValues[box].visible = shown;
    c.lblDip[box].caption = "trend";
    c.lblDip[box].visible = shown;
  }
  for (int box : {12, 13}) {
    c.lblResult[box].visible = shown;
    c.lblDipRes[box].visible = shown;
  }
}

}  // namespace Lodema
