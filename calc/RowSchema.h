// SPDX-License-Identifier: MIT
// What a row of a calculation holds under the user's conventions: for each
// entry field (the boxes of windows A-D and the section trend) whether it is
// used, its caption, what it holds and which texts it accepts; for each
// result field its caption and what it shows. Built from the catalogue and
// the settings alone, so the window, the batch run and the tool read and
// write rows the same way.
#pragma once

#include <array>
#include <string>

#include "calc/Catalogue.h"
#include "calc/CoreConventions.h"
#include "calc/EntryBoxes.h"
#include "calc/ResultText.h"
#include "calc/Settings.h"

namespace Lodema {

// What an entry field holds, for reading it from a column of a file.
enum class FieldKind {
  kNothing,  // no column of a file
  kDip,
  kPlunge,
  kDirection,  // dip direction, strike or trend
  kPitch,      // possibly followed by its sense letters
  kSense,
  kBetaHadeGamma,
  kAlphaRotation,  // alpha, rotation angle or angle C
};

// Which texts an entry field accepts.
enum class EntryRule {
  kNothing,           // an unused field: never valid
  kObtuseFlag,        // any text; the first letter chooses
  kSense,             // a compass point, any letter case
  kQuadrant,          // a quadrant bearing
  kRightAngle,        // a number from -90 to 90 (dip, plunge, pitch, alpha)
  kTurn,              // a number from 0 to 360 (azimuth, hade, beta, gamma)
  kHalfTurnBothWays,  // a number from -180 to 180 (gamma)
  kAnyNumber,         // angle, rotation
};

struct EntryField {
  bool shown = false;
  // The label beside the box; a hidden box may keep a label ("section").
  std::string caption;
  BoxRole role = BoxRole::kOther;  // for reading a window as a plane or line
  EntryRule rule = EntryRule::kNothing;
  FieldKind kind = FieldKind::kNothing;
  // What the box holds, as its tooltip says ("dip of the plane").
  std::string about;
};

// What a result box shows.
enum class ResultRole { kNone, kFirst, kDirection, kSense, kAngle };

struct ResultField {
  bool shown = false;
  std::string caption;
  ResultRole role = ResultRole::kNone;
};

// Where a window's plane or line lies among its shown boxes (-1: none).
struct WindowBoxIndex {
  int angle = -1;  // the dip or plunge
  bool hasDip = false;
  bool hasPlunge = false;
  int direction = -1;
  int sense = -1;
  unsigned shownMask = 0;  // bit b: box b of the row is shown in this window
};

struct RowSchema {
  int calculation = 0;
  const CalculationInfo* info = nullptr;
  std::array<bool, 4> windowShown{};  // A-D
  std::array<EntryField, kEntryBoxCount> entries;
  // The apparent dip (or the pitch of the line in its plane) is offered and
  // asked for: the section trend is read and result boxes 12-13 are shown.
  bool extraResultShown = false;
  bool apparentDip = true;  // the extra result is an apparent dip, not a pitch
  std::array<ResultField, kResultBoxCount> results;
  bool secondResultShown = false;  // result boxes 9-11

  // Input conventions.
  OrientGeometry::Notation in;
  OrientGeometry::DecimalMark localeMark =
      OrientGeometry::DecimalMark::kPoint;  // the system's mark, which typed numbers may use
  CoreConventions core;
  // What window D's reference line gives (20-24, 40), and where the
  // reference plane's dip is expected.
  OrientGeometry::ReferenceDirection referenceDirection =
      OrientGeometry::ReferenceDirection::kDipDirection;
  OrientGeometry::SteepDipRange steepDip = OrientGeometry::SteepDipRange::kAbove60;
  // Output conventions.
  bool showPolaritySign = true;
  OutputNotation output;

  // Worked out from entries once, so a row need not search them: the shown
  // boxes in order, and each window's boxes by role.
  std::array<int, kEntryBoxCount> shownBoxes{};
  int shownCount = 0;
  std::array<WindowBoxIndex, 4> windowBoxes;
};

// extraResultChecked: the user asked for the apparent dip or pitch.
RowSchema MakeRowSchema(int calculation, const Settings& settings, bool extraResultChecked,
                        OrientGeometry::DecimalMark localeMark);

// What each box of a plane's or a line's window holds in a notation, with
// its caption: the dip or plunge, the direction (dip direction, strike or
// trend) or the sense letters; unused boxes have no part and caption "".
enum class FabricPart { kNone, kAngle, kDirection, kSense };
struct FabricBox {
  const char* caption;
  FabricPart part;
};
using FabricLayout = std::array<FabricBox, 3>;
FabricLayout PlaneLayout(OrientGeometry::PlaneNotation notation);
FabricLayout LineLayout(OrientGeometry::LineNotation notation);

// What a box of the given rule accepts, as "-90 to 90" or "a compass point
// such as N, NE or SW".
std::string EntryRangeText(EntryRule rule);
// The last box AllEntriesValid reads: 10 when window D is shown, else 7.
inline int LastCheckedBox(const RowSchema& schema) { return schema.windowShown[3] ? 10 : 7; }

}  // namespace Lodema
