// SPDX-License-Identifier: MIT
#include "calc/Catalogue.h"

#include "calc/CoreConventions.h"

namespace Lodema {
namespace {

using W = WindowUse;
using R = ResultKind;

constexpr W kH = W::kHidden;
constexpr W kP = W::kPlane;
constexpr W kL = W::kLine;

constexpr CalculationInfo Entry(int number, int frame, const char* caption, bool named,
                                int menuItem, const char* menuCaption, W a, W b, W c, W d, R result,
                                bool sense = false) {
  return CalculationInfo{number, frame, caption, named, menuItem, menuCaption,
                         a,      b,     c,       d,     result,   sense};
}

// clang-format off
constexpr std::array<CalculationInfo, kCalculationCount> kCatalogueTable = {{
    Entry(0, 0, "Line of intersection between planes A && B", false,
          9, "Line of intersection between planes", kP, kP, kH, kH, R::kLine),
    Entry(1, 0, "Plane containing lines A && B", false,
          13, "Plane containing two lines", kL, kL, kH, kH, R::kPlane),
    Entry(2, 0, "Angle between lines A && B", false,
          5, "Angle between lines", kL, kL, W::kObtuseFlag, kH, R::kAngle),
    Entry(3, 0, "Angle between planes A && B", false,
          6, "Angle between planes", kP, kP, W::kObtuseFlag, kH, R::kAngle),
    Entry(4, 0, "Angle between plane A and line B", false,
          7, "Angle between plane and line", kP, kL, kH, kH, R::kAngle),
    Entry(5, 0, "Plane with normal A", false,
          15, "Plane from normal", kL, kH, kH, kH, R::kPlane),
    Entry(6, 0, "Normal to plane A", false,
          16, "Normal to Plane", kP, kH, kH, kH, R::kLine),
    Entry(7, 0, "Apparent dip of plane A in section trend B", false,
          18, "Apparent Dip of plane in section", kP, W::kSectionTrend, kH, kH, R::kAngle, true),
    Entry(8, 0, "Line with pitch B in plane A", true,
          19, "Plunge of line from pitch in plane", kP, W::kPitchAndSense, kH, kH, R::kLine),
    Entry(9, 0, "Line with hade B in plane A", true,
          20, "Plunge of line from hade in plane", kP, W::kHade, kH, kH, R::kLine),
    Entry(10, 0, "Pitch of line B in plane A", true,
          25, "Pitch of line in plane", kP, kL, kH, kH, R::kAngle, true),
    Entry(11, 0, "Hade of line B in plane A", true,
          26, "Hade of line in plane", kP, kL, kH, kH, R::kAngle),
    Entry(12, 0, "Line A rotated around axis line B", false,
          30, "Rotation of line around axis", kL, kL, W::kRotationAngle, kH, R::kLine),
    Entry(13, 0, "Plane A rotated around axis line B", false,
          31, "Rotation of plane around axis", kP, kL, W::kRotationAngle, kH, R::kPlane),
    Entry(14, 0, "Unfold line B within bed A about fold axis C", false,
          32, "Unfold line within bedding (given fold axis)", kP, kL, W::kFoldAxis, kH, R::kLine),
    Entry(15, kNoFrame, "Reformat Plane A  (using I/O conventions above)", false,
          2, "Reformat plane", kP, kH, kH, kH, R::kPlane),
    Entry(16, kNoFrame, "Reformat Line A", false,
          3, "Reformat line", kL, kH, kH, kH, R::kLine),
    Entry(17, 1, "Plane with beta and alpha angles in A", true,
          36, "Plane in oriented core", W::kBetaAlpha, kH, W::kCoreAxis, kH, R::kPlane),
    Entry(18, 1, "Line with beta and alpha angles in A", true,
          37, "Line in oriented core", W::kBetaAlpha, kH, W::kCoreAxis, kH, R::kLine),
    Entry(19, 1, "Line with gamma B in plane with beta and alpha angles in A", true,
          38, "Line within plane in oriented core",
          W::kBetaAlpha, W::kGamma, W::kCoreAxis, kH, R::kLine),
    Entry(20, 2, "Partially oriented ref.plane with alpha angle A", true,
          39, "Reference plane in partially oriented core",
          W::kRefPlaneAlpha, kH, W::kCoreAxis, W::kReferenceLine, R::kPlane),
    Entry(21, 2, "Other plane with 'beta' && alpha in B, ref. plane alpha in A", true,
          40, "Second plane in partially oriented core",
          W::kRefPlaneAlpha, W::kBetaAlpha, W::kCoreAxis, W::kReferenceLine, R::kPlane),
    Entry(22, 2, "Line with gamma angle B in ref. plane, ref.plane alpha in A", true,
          41, "Line within ref. plane in partially oriented core",
          W::kRefPlaneAlpha, W::kGamma, W::kCoreAxis, W::kReferenceLine, R::kLine),
    Entry(23, 2, "Any line with 'beta' && alpha in B,   ref.plane alpha in A", true,
          42, "Arbitrary line in partially oriented core",
          W::kRefPlaneAlpha, W::kBetaAlpha, W::kCoreAxis, W::kReferenceLine, R::kLine),
    Entry(24, 3, "Plane with alpha angles in core axes A && B and ", true,
          43, "Plane given delta angle in two partially oriented cores",
          W::kCoreAxisAndAlpha, W::kCoreAxisAndAlpha, kH, W::kReferenceLine, R::kManualSolution),
    Entry(25, 3, "Plane with alpha angles in core axes A, B, && D", true,
          44, "Plane given delta angle in three unoriented cores",
          W::kCoreAxisAndAlpha, W::kCoreAxisAndAlpha, kH, W::kCoreAxisAndAlpha,
          R::kManualSolution),
    Entry(26, 0, "Line at angle C to line pitching B in plane A", true,
          23, "Line at angle to another line in plane",
          kP, W::kPitchAndSense, W::kAngle, kH, R::kLine),
    Entry(27, 0, "Line with trend B lying in Plane A", false,
          21, "Plunge of line in a plane given the trend", kP, W::kLineTrend, kH, kH, R::kLine),
    Entry(28, 0, "Pitch of intersection of plane B in plane A", true,
          28, "Pitch in one plane of line of intersection of two planes",
          kP, kP, kH, kH, R::kAngle, true),
    Entry(29, 0, "Plane bisecting planes A && B", false,
          11, "Plane bisecting two planes", kP, kP, W::kObtuseFlag, kH, R::kPlane),
    Entry(30, 0, "Line bisecting planes A && B", false,
          10, "Line bisecting two planes", kP, kP, W::kObtuseFlag, kH, R::kLine),
    Entry(31, 0, "Plane normal to both planes A && B", false,
          14, "Plane normal to two other planes", kP, kP, kH, kH, R::kPlane),
    Entry(32, 0, "Hade of line with pitch B in plane A", true,
          27, "Hade of line given pitch in plane", kP, W::kPitchAndSense, kH, kH, R::kAngle),
    Entry(33, 0, "Plane bisecting lines A && B", false,
          12, "Plane bisecting two lines", kL, kL, W::kObtuseFlag, kH, R::kPlane),
    Entry(34, 0, "Unfold bed A about fold axis C; track line B", false,
          33, "Unfold bedding (given fold axis) while tracking line",
          kP, kL, W::kFoldAxis, kH, R::kLine),
    Entry(35, 0, "Unfold bed A about fold axis C; track plane B", false,
          34, "Unfold bedding (given fold axis) while tracking plane",
          kP, kP, W::kFoldAxis, kH, R::kPlane),
    Entry(36, 0, "Line with plunge B lying in Plane A", false,
          22, "Trend of line in a plane given the plunge",
          kP, W::kPlungeAndSense, kH, kH, R::kLine),
    Entry(37, 4, "Other plane with 'beta' && alpha in B", true, 0, "",
          kH, W::kBetaAlpha, W::kCoreAxis, W::kReferencePlane, R::kPlane),
    Entry(38, 4, "Line with gamma angle B within ref. plane", true, 0, "",
          kH, W::kGamma, W::kCoreAxis, W::kReferencePlane, R::kLine),
    Entry(39, 4, "Any line with 'beta' && alpha in B", true, 0, "",
          kH, W::kBetaAlpha, W::kCoreAxis, W::kReferencePlane, R::kLine),
    Entry(40, 2, "Clockwise angle to core 'BM' from ref. plane with alpha A", true, 0, "",
          W::kRefPlaneAlpha, kH, W::kCoreAxis, W::kReferenceLine, R::kAngle),
    Entry(41, 4, "Clockwise angle to core 'BM' from ref. plane ellipse", true, 0, "",
          kH, kH, W::kCoreAxis, W::kReferencePlane, R::kAngle),
}};
// clang-format on

// One line per calculation: what it gives, from what.
constexpr std::array<const char*, kCalculationCount> kDescriptions = {
    "The line along which planes A and B meet",
    "The plane that holds both lines A and B",
    "The angle between lines A and B, acute unless C asks for the obtuse one",
    "The angle between planes A and B, acute unless C asks for the obtuse one",
    "The angle between plane A and line B",
    "The plane whose normal (pole) is line A",
    "The normal (pole) of plane A",
    "The apparent dip of plane A in a vertical section with trend B",
    "The line in plane A at the pitch (and its sense) given in B",
    "The line in plane A at the hade given in B, measured from the dip line",
    "The pitch of line B within plane A, with the strike end it is measured from",
    "The hade of line B within plane A, measured from the dip line",
    "Line A rotated about axis B by the angle in C",
    "Plane A rotated about axis B by the angle in C",
    "Line B as it lay before bed A was folded about fold axis C",
    "Plane A rewritten in the output notation",
    "Line A rewritten in the output notation",
    "A plane from its beta and alpha angles in a fully oriented core with axis C",
    "A line from its beta and alpha angles in a fully oriented core with axis C",
    "A line at gamma B within the plane of beta and alpha A, in an oriented core with axis C",
    "The reference plane from its alpha in A, core axis C and reference line D",
    "A second plane (beta and alpha in B) from the reference plane of A, C and D",
    "A line at gamma B within the reference plane of A, C and D",
    "Any line (beta and alpha in B) from the reference plane of A, C and D",
    "Two unoriented cores A and B with reference line D: cones for a stereonet solution",
    "Three unoriented cores A, B and D: cones for a stereonet solution",
    "The line at angle C from the line pitching B in plane A",
    "The plunge of the line in plane A that has the trend in B",
    "The pitch within plane A of its line of intersection with plane B",
    "The plane bisecting planes A and B, acute unless C asks for the obtuse angle",
    "The line bisecting planes A and B, acute unless C asks for the obtuse angle",
    "The plane normal to both planes A and B",
    "The hade of the line with the pitch in B within plane A",
    "The plane bisecting lines A and B, acute unless C asks for the obtuse angle",
    "Unfold bed A to horizontal about fold axis C, carrying line B with it",
    "Unfold bed A to horizontal about fold axis C, carrying plane B with it",
    "The trend of the line in plane A that has the plunge (and sense) in B",
    "A plane (beta and alpha in B) in a core with axis C and fixed reference plane D",
    "A line at gamma B within the fixed reference plane D of a core with axis C",
    "Any line (beta and alpha in B) in a core with axis C and fixed reference plane D",
    "The clockwise angle to the orientation mark from the reference plane of A, C and D",
    "The clockwise angle to the orientation mark from the ellipse of reference plane D",
};

// The facts that only a few calculations have, listed by number.
constexpr std::array<CalculationInfo, kCalculationCount> BuildCatalogue() {
  std::array<CalculationInfo, kCalculationCount> table = kCatalogueTable;
  for (const int n : {10, 28}) table[n].angleName = AngleName::kPitch;
  for (const int n : {11, 32}) table[n].angleName = AngleName::kHade;
  for (const int n : {2, 3, 29, 30}) table[n].obtuseHintOnSelection = true;
  for (const int n : {17, 20, 21, 24, 25, 37}) table[n].offersApparentDip = false;
  table[19].solutions = SolutionOutput::kPlaneContainingLine;
  for (const int n : {21, 22, 23, 40}) table[n].solutions = SolutionOutput::kReferencePlane;
  table[20].resultIsReferencePlane = true;
  table[24].captionHasSecondLine = true;
  for (int n = 0; n < kCalculationCount; ++n) table[n].description = kDescriptions[n];
  return table;
}
constexpr std::array<CalculationInfo, kCalculationCount> kCatalogue = BuildCatalogue();

// Menu items 1-44: the calculation each selects, -1 for a separator.
constexpr std::array<int, kMenuItemCount + 1> BuildMenuMap() {
  std::array<int, kMenuItemCount + 1> map{};
  for (int& calc : map) calc = -1;
  for (const CalculationInfo& info : kCatalogue) {
    if (info.menuItem > 0) map[info.menuItem] = info.number;
  }
  return map;
}
constexpr std::array<int, kMenuItemCount + 1> kMenuMap = BuildMenuMap();

std::string Lower(const std::string& text) {
  std::string out = text;
  for (char& ch : out) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return out;
}

std::string Capital(const std::string& text) {
  std::string out = text;
  if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') {
    out[0] = static_cast<char>(out[0] - 'a' + 'A');
  }
  return out;
}

}  // namespace

bool IsValidCalculation(int number) { return number >= 0 && number < kCalculationCount; }

const CalculationInfo* FindCalculation(int number) {
  return IsValidCalculation(number) ? &kCatalogue[number] : nullptr;
}

const std::array<CalculationInfo, kCalculationCount>& CalculationCatalogue() { return kCatalogue; }

const CalculationInfo& CalculationAt(int number) { return kCatalogue[number]; }

bool IsCoreCalculation(int number) {
  return IsValidCalculation(number) && CalculationAt(number).IsCore();
}

bool IsApproxRefPlaneCalculation(int number) {
  return IsValidCalculation(number) && CalculationAt(number).SolvesApproxReferencePlane();
}

bool IsMenuSeparator(int item) { return item >= 1 && item <= kMenuItemCount && kMenuMap[item] < 0; }

int CalculationForMenuItem(int item) {
  if (item < 1 || item > kMenuItemCount) return -1;
  return kMenuMap[item];
}

std::string MenuItemCaption(int item) {
  if (IsMenuSeparator(item)) return "-";
  const CalculationInfo* info = FindCalculation(CalculationForMenuItem(item));
  return info ? info->menuCaption : "";
}

std::string AxisFrameCaption(int number) {
  const CalculationInfo* info = FindCalculation(number);
  if (!info) return "";
  if (info->c == WindowUse::kFoldAxis) return "C  (fold axis)";
  if (info->c == WindowUse::kCoreAxis) return "C  (core axis)";
  return "C";
}

std::string ReferenceFrameCaption(int number) {
  const CalculationInfo* info = FindCalculation(number);
  if (!info) return "";
  if (info->d == WindowUse::kReferenceLine) return "D - Reference Line in Plane";
  if (info->d == WindowUse::kReferencePlane) return "D - Reference Plane";
  return "D";
}

std::string DisplayCaption(const std::string& caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    out += caption[i];
    if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') ++i;
  }
  return out;
}

std::array<std::string, kCalculationCount> DesignCaptions() {
  std::array<std::string, kCalculationCount> captions;
  for (const CalculationInfo& info : kCatalogue) captions[info.number] = info.caption;
  return captions;
}

std::array<std::string, kCalculationCount> RebuildCaptions(
    const Settings& settings, const std::array<std::string, kCalculationCount>& current) {
  std::array<std::string, kCalculationCount> c = current;
  // "alpha" is the angle between core axis and plane (alphaWord), "beta" the
  // angle around the ellipse (betaWord), "gamma" the line in the plane.
  const std::string& alphaTyped = settings.alphaWord;
  const std::string alpha = Lower(settings.alphaWord);
  const std::string beta = Lower(settings.betaWord);
  const std::string gamma = Lower(settings.gammaWord);
  const std::string& pitchName = settings.gPitchName;
  const std::string& hadeName = settings.gHadeName;
  if (settings.betaWord.empty() || settings.alphaWord.empty() || pitchName.empty() ||
      hadeName.empty()) {
    return c;
  }
  const std::string pitch = Lower(pitchName);
  const std::string hade = Lower(hadeName);
  const std::string mark =
      CoreConventionsOf(settings).mark == OrientationMark::kBottom ? "BM" : "TM";

  c[8] = "Line with " + pitch + " B in plane A";
  c[9] = "Line with " + hade + " B in plane A";
  c[10] = Capital(pitchName) + " of line B in plane A";
  c[11] = Capital(hadeName) + " of line B in plane A";
  c[17] = "Plane with " + beta + " and " + alpha + " angles in A";
  c[18] = "Line with " + beta + " and " + alpha + " angles in A";
  c[19] = "Line with " + gamma + " B in plane with " + beta + " and " + alpha + " angles in A";
  c[20] = "Reference plane with " + alphaTyped + " angle in A";
  c[21] = "Other plane with '" + beta + "' and " + alpha + " in B, ref. plane " + alpha + " in A";
  c[22] = "Line with " + gamma + " angle B within ref. plane " + alpha + " in A";
  c[23] = "Any line with '" + beta + "' && " + alpha + " in B, ref.plane " + alpha + " in A";
  c[24] = "Plane with " + alpha + " angles in core axes A && B and";
  c[25] = "Plane with " + alpha + " angles in core axes A, B, && D";
  c[26] = "Line at angle C to line with " + pitch + " B in plane A";
  c[28] = Capital(pitchName) + " of intersection of plane B in plane A";
  c[32] = Capital(hadeName) + " of line with " + pitch + " B in plane A";
  c[37] = "Other plane with '" + beta + "' and " + alpha + " in B";
  c[38] = "Line with " + gamma + " angle B within ref. plane ";
  c[39] = "Any line with '" + beta + "' && " + alpha + " in B";
  c[40] = "Clockwise angle to core '" + mark + "' from ref. plane with " + alpha + " in A";
  c[41] = "Clockwise angle to core '" + mark + "' from ref. plane ellipse";
  return c;
}

}  // namespace Lodema
