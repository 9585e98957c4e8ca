// SPDX-License-Identifier: MIT
// The catalogue of Lodema's 42 calculations (numbers 0-41): the frame and
// caption of each calculation button, its item in the Calculations menu, what
// the entry windows A-D hold and what kind of result it produces; plus the
// caption rebuild from the user's angle names. Pure data and pure functions;
// the main window model keeps the current calculation.
#pragma once

#include <array>
#include <string>

#include "calc/Settings.h"

namespace Lodema {

inline constexpr int kCalculationCount = 42;
// Calculations-menu items are numbered 1..kMenuItemCount.
inline constexpr int kMenuItemCount = 44;
// Buttons of the frames on the drill-core page; -1 for the two reformat
// calculations (15, 16), whose buttons stand beside the convention options.
inline constexpr int kNoFrame = -1;
inline constexpr int kCalculationFrameCount = 5;

// Frames of the calculation buttons, exact captions (frame 0 on the first
// page of the main window, frames 1-4 on the drill-core page).
inline constexpr std::array<const char*, kCalculationFrameCount> kCalculationFrameCaptions = {
    "Geometrical Calculations",
    "Oriented core with bottom mark  - core axis in C",
    "Partially oriented core with approx. ref. plane - core axis in C ",
    "Non-oriented, multiple core solutions",
    "Partially oriented core with fixed reference plane - core axis in C ",
};

// Design captions of the result frames: main result, reference plane
// solution, ambiguous solutions, apparent dip.
inline constexpr std::array<const char*, 4> kResultFrameCaptions = {
    "Result",
    "  Reference plane solution",
    " Ambiguous solutions",
    "    App.Dip",
};

enum class ResultKind {
  kLine,
  kPlane,
  kAngle,
  kManualSolution,  // no computed result: the cones are drawn for a graphical solution
};

// What one entry window holds for a calculation.
enum class WindowUse {
  kHidden,
  kPlane,             // a plane in the input convention (also the bed of an unfolding)
  kLine,              // a line in the input convention (also a rotation axis)
  kObtuseFlag,        // C: one box, "Y" asks for the obtuse angle or bisector
  kRotationAngle,     // C: one box, the rotation angle
  kAngle,             // C: one box, an angle within the plane (26)
  kFoldAxis,          // C: a line, the fold axis
  kCoreAxis,          // C: a line, the drill-core axis
  kSectionTrend,      // B: the trend of the section (7)
  kLineTrend,         // B: the trend of the line (27)
  kPitchAndSense,     // B: pitch and its sense
  kHade,              // B: hade
  kPlungeAndSense,    // B: plunge and its sense (36)
  kGamma,             // B: the gamma angle of a line within the plane
  kBetaAlpha,         // two boxes: beta, then alpha
  kRefPlaneAlpha,     // A: the alpha angle of the reference plane
  kCoreAxisAndAlpha,  // a core axis with its alpha angle (24, 25)
  kReferenceLine,     // D: reference line of an approximately known reference plane
  kReferencePlane,    // D: the fixed reference plane
};

// The caption of an angle result.
enum class AngleName {
  kAngle,  // "angle"
  kPitch,  // the user's word for pitch
  kHade,   // the user's word for hade
};

// What the second result frame and the file page's solution columns show.
enum class SolutionOutput {
  kNone,
  kPlaneContainingLine,  // the plane that holds the result line
  kReferencePlane,       // the reference plane(s) the result came from
};

// The calculation buttons' frames on the drill-core page.
enum CalculationFrame : int {
  kGeometricalFrame = 0,
  kOrientedCoreFrame = 1,          // fully oriented core
  kApproxReferencePlaneFrame = 2,  // partially oriented core, approximate reference plane
  kMultipleCoresFrame = 3,         // several unoriented cores: manual solution
  kFixedReferencePlaneFrame = 4,   // partially oriented core, fixed reference plane
};

// Everything Lodema knows about one calculation. Other code asks these
// fields rather than testing calculation numbers.
struct CalculationInfo {
  int number = 0;
  int frame = kNoFrame;       // a CalculationFrame, or kNoFrame
  const char* caption = "";   // design caption; "&&" is shown as "&"
  bool namedCaption = false;  // rebuilt from the user's angle names
  int menuItem = 0;           // Calculations-menu item, 0 when none (37-41)
  const char* menuCaption = "";
  WindowUse a = WindowUse::kHidden;
  WindowUse b = WindowUse::kHidden;
  WindowUse c = WindowUse::kHidden;
  WindowUse d = WindowUse::kHidden;
  ResultKind result = ResultKind::kLine;
  bool resultHasSense = false;  // angle results with a sense (7, 10, 28)

  AngleName angleName = AngleName::kAngle;  // angle results only
  // The selection's hint asks whether the obtuse angle is wanted (the run's
  // hint asks it whenever window C holds the obtuse flag).
  bool obtuseHintOnSelection = false;
  bool offersApparentDip = true;  // the "Show apparent dip" box (or pitch of the line)
  SolutionOutput solutions = SolutionOutput::kNone;
  bool resultIsReferencePlane = false;  // the main result is the reference plane itself
  bool captionHasSecondLine = false;    // the button caption continues on a second label
  // One line on what the calculation gives from what, for its button's and
  // menu item's tooltip.
  const char* description = "";

  // Drill-core calculations (17-25, 37-41), on the drill-core page.
  constexpr bool IsCore() const { return frame >= kOrientedCoreFrame; }
  // Fully oriented core (17-19): betas are measured from the bottom mark.
  constexpr bool IsOrientedCore() const { return frame == kOrientedCoreFrame; }
  // The reference plane is solved from a cone and a reference line (20-23, 40).
  constexpr bool SolvesApproxReferencePlane() const { return frame == kApproxReferencePlaneFrame; }
  // The reference plane is typed in window D (37-39, 41).
  constexpr bool UsesFixedReferencePlane() const { return frame == kFixedReferencePlaneFrame; }
  // Window B holds the gamma angle of a line within a plane (19, 22, 38):
  // the extra result is the pitch of that line rather than an apparent dip.
  constexpr bool HasLineInPlane() const { return b == WindowUse::kGamma; }
  // A line (B) is unfolded with its bed about a fold axis (14, 34).
  constexpr bool UnfoldsLine() const { return b == WindowUse::kLine && c == WindowUse::kFoldAxis; }
};

// True for 0-41.
bool IsValidCalculation(int number);
// The catalogue entry of a calculation; nullptr outside 0-41.
const CalculationInfo* FindCalculation(int number);
// The catalogue entry of a calculation known to be in 0-41.
const CalculationInfo& CalculationAt(int number);
// The whole catalogue, indexed by calculation number.
const std::array<CalculationInfo, kCalculationCount>& CalculationCatalogue();

// Drill-core calculations (17-25, 37-41): shown on the drill-core page.
bool IsCoreCalculation(int number);
// Core calculations with an approximately known reference plane (20-23, 40).
bool IsApproxRefPlaneCalculation(int number);

// Calculations menu. Items 1, 4, 8, 17, 24, 29 and 35 are separators; the
// other 37 items each select one calculation.
bool IsMenuSeparator(int item);
// The calculation an item selects; -1 for separators and items outside 1-44.
int CalculationForMenuItem(int item);
// Caption of an item: "-" for a separator, "" outside 1-44.
std::string MenuItemCaption(int item);

// Design captions of the C and D frames for a calculation: "C  (fold axis)",
// "C  (core axis)" or "C"; "D - Reference Line in Plane",
// "D - Reference Plane" or "D". Empty outside 0-41.
std::string AxisFrameCaption(int number);
std::string ReferenceFrameCaption(int number);

// A stored caption as displayed: each "&&" becomes a single "&".
std::string DisplayCaption(const std::string& caption);

// The 42 design captions, indexed by calculation number.
std::array<std::string, kCalculationCount> DesignCaptions();

// Rebuilds the captions of the calculations that name drill-core or
// line-in-plane angles from the user's words in settings (alphaWord is the
// alpha angle, betaWord beta, gammaWord gamma, gPitchName, gHadeName) and
// the orientation mark ("BM" bottom, "TM" top). The others are returned
// as in current. When the beta, alpha, pitch or hade word is empty, current
// is returned unchanged. Captions keep the stored "&&" form.
std::array<std::string, kCalculationCount> RebuildCaptions(
    const Settings& settings, const std::array<std::string, kCalculationCount>& current);

}  // namespace Lodema
