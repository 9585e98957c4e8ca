// SPDX-License-Identifier: MIT
#include "calc/RowSchema.h"

namespace Lodema {

namespace {

// A user's word as it reads within a sentence.
std::string Lower(std::string text) {
  for (char& ch : text) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return text;
}

// The setting that holds a word of the user's nomenclature, shown as a
// box's caption.
using UserWord = std::string Settings::*;

// A single-value box: shown with what it holds, or hidden with the label it
// keeps.
struct ValueBox {
  bool shown = false;
  const char* caption = "";
  UserWord word = nullptr;  // a box named by the user's word
  EntryRule rule = EntryRule::kNothing;
  FieldKind kind = FieldKind::kNothing;
  BoxRole role = BoxRole::kOther;
  const char* about = "";  // after the user's word, for a box named by one
};
constexpr ValueBox Value(const char* caption, const char* about, EntryRule rule, FieldKind kind,
                         BoxRole role = BoxRole::kOther) {
  return {true, caption, nullptr, rule, kind, role, about};
}
constexpr ValueBox Value(UserWord word, const char* about, EntryRule rule, FieldKind kind) {
  return {true, "", word, rule, kind, BoxRole::kOther, about};
}
constexpr ValueBox Label(const char* caption = "") { return {false, caption}; }

constexpr const char* kPlungeAbout = "plunge of the line, negative for an upward line";
constexpr const char* kAlphaAbout = ", the angle between core axis and plane";

// A trend field's rule depends on the direction notation: kTurn stands for
// it here.
constexpr EntryRule kDirectionRule = EntryRule::kTurn;

struct ValueWindow {
  WindowUse use;
  std::array<ValueBox, 3> boxes;
};
constexpr ValueWindow kValueWindows[] = {
    // The obtuse flag is no field of a data file; it keeps no kind of its own.
    {WindowUse::kObtuseFlag,
     {Value("obtuse?", "obtuse or acute", EntryRule::kObtuseFlag, FieldKind::kNothing),
      Label("Y/N"), Label()}},
    {WindowUse::kRotationAngle,
     {Value("rot'n", "rotation angle", EntryRule::kAnyNumber, FieldKind::kAlphaRotation), Label(),
      Label()}},
    {WindowUse::kAngle,
     {Value("angle", "angle", EntryRule::kAnyNumber, FieldKind::kAlphaRotation), Label(), Label()}},
    {WindowUse::kSectionTrend,
     {Label("section"),
      Value("trend", "trend of the vertical section", kDirectionRule, FieldKind::kDirection,
            BoxRole::kDirection),
      Label()}},
    {WindowUse::kLineTrend,
     {Label("line"),
      Value("trend", "trend of the line", kDirectionRule, FieldKind::kDirection,
            BoxRole::kDirection),
      Label()}},
    {WindowUse::kPitchAndSense,
     {Label(),
      Value(&Settings::gPitchName, " within the plane, from the strike", EntryRule::kRightAngle,
            FieldKind::kPitch),
      Value("sense", "sense letter", EntryRule::kSense, FieldKind::kSense, BoxRole::kSense)}},
    {WindowUse::kHade,
     {Label(),
      Value(&Settings::gHadeName, " within the plane, from the dip line", EntryRule::kTurn,
            FieldKind::kBetaHadeGamma),
      Label()}},
    {WindowUse::kPlungeAndSense,
     {Label(),
      Value("plunge", kPlungeAbout, EntryRule::kRightAngle, FieldKind::kPlunge, BoxRole::kPlunge),
      Value("sense", "sense letter", EntryRule::kSense, FieldKind::kSense, BoxRole::kSense)}},
    {WindowUse::kGamma,
     {Label(),
      Value(&Settings::gammaWord, ", the angle within the plane", EntryRule::kTurn,
            FieldKind::kBetaHadeGamma),
      Label("angle")}},
    {WindowUse::kBetaAlpha,
     {Value(&Settings::betaWord, ", the angle around the core", EntryRule::kTurn,
            FieldKind::kBetaHadeGamma),
      Value(&Settings::alphaWord, kAlphaAbout, EntryRule::kRightAngle, FieldKind::kAlphaRotation),
      Label("angles")}},
    {WindowUse::kRefPlaneAlpha,
     {Value(&Settings::alphaWord, kAlphaAbout, EntryRule::kRightAngle, FieldKind::kAlphaRotation),
      Label("angle"), Label()}},
};

class SchemaBuilder {
 public:
  SchemaBuilder(RowSchema& schema, const Settings& s) : schema_(schema), s_(s) {}

  void Window(int window, WindowUse use) {
    schema_.windowShown[static_cast<std::size_t>(window)] = use != WindowUse::kHidden;
    switch (use) {
      case WindowUse::kHidden:
        break;
      case WindowUse::kPlane:
      case WindowUse::kLine:
      case WindowUse::kFoldAxis:
      case WindowUse::kCoreAxis:
      case WindowUse::kCoreAxisAndAlpha:
        Fabric(window, use);
        break;
      case WindowUse::kReferenceLine:
        ReferenceLine();
        break;
      case WindowUse::kReferencePlane:
        Show(8, "dip", BoxRole::kDip, EntryRule::kRightAngle, FieldKind::kDip, "dip of the plane");
        Show(9, "dip dir'n", BoxRole::kDirection, DirectionRule(), FieldKind::kDirection,
             "dip direction");
        break;
      default:
        ValueBoxes(window, use);
        break;
    }
  }

  void Show(int box, std::string caption, BoxRole role, EntryRule rule, FieldKind kind,
            std::string about) {
    EntryField& field = schema_.entries[static_cast<std::size_t>(box)];
    field = {true, std::move(caption), role, rule, kind, std::move(about)};
  }
  void Hide(int box, std::string caption, FieldKind kind = FieldKind::kNothing) {
    EntryField& field = schema_.entries[static_cast<std::size_t>(box)];
    field = {false, std::move(caption), BoxRole::kOther, EntryRule::kNothing, kind, ""};
  }
  std::string StrikeAbout() const {
    return OrientGeometry::HasSenseLetters(in_.plane) ? "strike of the plane"
                                                      : "strike, the plane dipping to its right";
  }
  EntryRule DirectionRule() const {
    return in_.azimuth == OrientGeometry::AzimuthStyle::kQuadrant ? EntryRule::kQuadrant
                                                                  : EntryRule::kTurn;
  }

 private:
  // A plane or line in the input notation; a core axis names its plunge
  // after the user's choice and may carry its alpha angle third.
  void Fabric(int window, WindowUse use) {
    const bool plane = use == WindowUse::kPlane;
    const bool coreAxis = use == WindowUse::kCoreAxis || use == WindowUse::kCoreAxisAndAlpha;
    const FabricLayout layout = plane ? PlaneLayout(in_.plane) : LineLayout(in_.line);
    const int first = kWindowFirstBox[window];
    for (int j = 0; j < kWindowBoxCount[window]; ++j) {
      const FabricBox& part = layout[static_cast<std::size_t>(j)];
      const int box = first + j;
      if (use == WindowUse::kCoreAxisAndAlpha && j == 2) {
        Show(box, s_.alphaWord, BoxRole::kOther, EntryRule::kRightAngle, FieldKind::kAlphaRotation,
             Lower(s_.alphaWord) + kAlphaAbout);
        continue;
      }
      switch (part.part) {
        case FabricPart::kNone:
          Hide(box, "");
          break;
        case FabricPart::kAngle:
          if (plane) {
            Show(box, part.caption, BoxRole::kDip, EntryRule::kRightAngle, FieldKind::kDip,
                 "dip of the plane");
          } else {
            Show(box, coreAxis ? s_.PlungeName : part.caption, BoxRole::kPlunge,
                 EntryRule::kRightAngle, FieldKind::kPlunge, kPlungeAbout);
          }
          break;
        case FabricPart::kSense:
          Show(box, part.caption, BoxRole::kSense, EntryRule::kSense, FieldKind::kSense,
               "sense letter");
          break;
        case FabricPart::kDirection:
          Show(box, part.caption, BoxRole::kDirection, DirectionRule(), FieldKind::kDirection,
               !plane                                  ? "trend of the line"
               : OrientGeometry::UsesStrike(in_.plane) ? StrikeAbout()
                                                       : "dip direction");
          break;
      }
    }
  }

  void ReferenceLine() {
    switch (schema_.referenceDirection) {
      case OrientGeometry::ReferenceDirection::kStrike:
        Hide(8, "");
        Show(9, "strike", BoxRole::kDirection, DirectionRule(), FieldKind::kDirection,
             StrikeAbout());
        break;
      case OrientGeometry::ReferenceDirection::kFoldAxis:
        // The fold axis: a line in the input notation.
        Fabric(3, WindowUse::kLine);
        return;
      case OrientGeometry::ReferenceDirection::kApproximate:
        Show(8, "~dip", BoxRole::kDip, EntryRule::kRightAngle, FieldKind::kNothing,
             "approximate dip of the plane");
        Show(9, "dir'n", BoxRole::kDirection, DirectionRule(), FieldKind::kDirection,
             "dip direction");
        break;
      case OrientGeometry::ReferenceDirection::kDipDirection:
        // The column lists still offer box 8 a dip column.
        Hide(8, "", FieldKind::kDip);
        Show(9, "dir'n", BoxRole::kDirection, DirectionRule(), FieldKind::kDirection,
             "dip direction");
        break;
    }
    Hide(10, "");
  }

  void ValueBoxes(int window, WindowUse use) {
    const ValueWindow* layout = nullptr;
    for (const ValueWindow& row : kValueWindows) {
      if (row.use == use) layout = &row;
    }
    if (layout == nullptr) return;
    const int first = kWindowFirstBox[window];
    for (int i = 0; i < kWindowBoxCount[window]; ++i) {
      const ValueBox& box = layout->boxes[static_cast<std::size_t>(i)];
      std::string caption = box.word == nullptr ? box.caption : s_.*box.word;
      if (!box.shown) {
        Hide(first + i, std::move(caption));
        continue;
      }
      EntryRule rule = box.rule;
      if (box.role == BoxRole::kDirection) rule = DirectionRule();
      if (box.word == &Settings::gammaWord && schema_.core.betaRange == BetaRange::kPlusMinus180) {
        rule = EntryRule::kHalfTurnBothWays;
      }
      std::string about = box.word == nullptr ? std::string(box.about) : Lower(caption) + box.about;
      Show(first + i, std::move(caption), box.role, rule, box.kind, std::move(about));
    }
  }

  RowSchema& schema_;
  const Settings& s_;
  OrientGeometry::Notation in_ = NotationIn(s_);
};

void FabricResult(RowSchema& schema, int window, bool plane, const Settings& s) {
  const OrientGeometry::Notation out = NotationOut(s);
  const FabricLayout layout = plane ? PlaneLayout(out.plane) : LineLayout(out.line);
  const int first = 3 * (window - 4);
  for (int j = 0; j < 3; ++j) {
    ResultField& field = schema.results[static_cast<std::size_t>(first + j)];
    const FabricBox& part = layout[static_cast<std::size_t>(j)];
    field.caption = part.caption;
    field.shown = part.part != FabricPart::kNone;
    switch (part.part) {
      case FabricPart::kNone:
        field.role = ResultRole::kNone;
        break;
      case FabricPart::kAngle:
        field.role = ResultRole::kFirst;
        break;
      case FabricPart::kDirection:
        field.role = ResultRole::kDirection;
        break;
      case FabricPart::kSense:
        field.role = ResultRole::kSense;
        break;
    }
  }
}

void LayOutResults(RowSchema& schema, const Settings& s) {
  const CalculationInfo& info = *schema.info;
  switch (info.result) {
    case ResultKind::kLine:
      FabricResult(schema, 4, false, s);
      break;
    case ResultKind::kPlane:
      FabricResult(schema, 4, true, s);
      break;
    case ResultKind::kManualSolution:
      FabricResult(schema, 4, true, s);
      for (int box = 0; box < 3; ++box) schema.results[static_cast<std::size_t>(box)].shown = true;
      break;
    case ResultKind::kAngle: {
      std::string name = "angle";
      if (info.angleName == AngleName::kPitch) name = s.gPitchName;
      if (info.angleName == AngleName::kHade) name = s.gHadeName;
      schema.results[0] = {};
      schema.results[1] = {true, name, ResultRole::kAngle};
      schema.results[2] =
          info.resultHasSense ? ResultField{true, "sense", ResultRole::kSense} : ResultField{};
      break;
    }
  }
  FabricResult(schema, 5, true, s);
  FabricResult(schema, 6, true, s);
  FabricResult(schema, 7, info.result != ResultKind::kLine, s);
  // A result from the second reference plane: lines and planes other than
  // the reference plane itself.
  schema.secondResultShown =
      (info.result == ResultKind::kLine || info.result == ResultKind::kPlane) &&
      !info.resultIsReferencePlane;
  if (!schema.secondResultShown) {
    for (int box = 9; box < 12; ++box) schema.results[static_cast<std::size_t>(box)].shown = false;
  }
  for (int box : {12, 13}) {
    schema.results[static_cast<std::size_t>(box)] = {
        schema.extraResultShown, "", box == 12 ? ResultRole::kAngle : ResultRole::kSense};
  }
}

// Fills the worked-out part of a schema from its entries.
void IndexEntryBoxes(RowSchema& schema) {
  schema.shownCount = 0;
  for (int box = 0; box < kEntryBoxCount; ++box) {
    if (schema.entries[static_cast<std::size_t>(box)].shown) {
      schema.shownBoxes[static_cast<std::size_t>(schema.shownCount++)] = box;
    }
  }
  for (int window = 0; window < 4; ++window) {
    WindowBoxIndex index;
    for (int box = kWindowFirstBox[window]; box < kWindowFirstBox[window] + kWindowBoxCount[window];
         ++box) {
      const EntryField& field = schema.entries[static_cast<std::size_t>(box)];
      if (!field.shown) continue;
      index.shownMask |= 1U << box;
      switch (field.role) {
        case BoxRole::kDip:
          index.angle = box;
          index.hasDip = true;
          break;
        case BoxRole::kPlunge:
          index.angle = box;
          index.hasPlunge = true;
          break;
        case BoxRole::kDirection:
          index.direction = box;
          break;
        case BoxRole::kSense:
          index.sense = box;
          break;
        case BoxRole::kOther:
          break;
      }
    }
    schema.windowBoxes[static_cast<std::size_t>(window)] = index;
  }
}

}  // namespace

FabricLayout PlaneLayout(OrientGeometry::PlaneNotation notation) {
  using OrientGeometry::PlaneNotation;
  constexpr FabricBox kDip{"dip", FabricPart::kAngle};
  constexpr FabricBox kDirection{"dir'n", FabricPart::kDirection};
  constexpr FabricBox kStrike{"strike", FabricPart::kDirection};
  constexpr FabricBox kSense{"sense", FabricPart::kSense};
  constexpr FabricBox kUnused{"", FabricPart::kNone};
  switch (notation) {
    case PlaneNotation::kDipDipDirection:
      break;
    case PlaneNotation::kDipDirectionDip:
      return {kDirection, kDip, kUnused};
    case PlaneNotation::kStrikeDipSense:
      return {kStrike, kDip, kSense};
    case PlaneNotation::kDipSenseStrike:
      return {kDip, kSense, kStrike};
    case PlaneNotation::kDipStrikeRightHand:
      return {kDip, kStrike, kUnused};
    case PlaneNotation::kStrikeDipRightHand:
      return {kStrike, kDip, kUnused};
  }
  return {kDip, kDirection, kUnused};
}

FabricLayout LineLayout(OrientGeometry::LineNotation notation) {
  constexpr FabricBox kPlunge{"plunge", FabricPart::kAngle};
  constexpr FabricBox kTrend{"trend", FabricPart::kDirection};
  constexpr FabricBox kUnused{"", FabricPart::kNone};
  if (notation == OrientGeometry::LineNotation::kTrendPlunge) return {kTrend, kPlunge, kUnused};
  return {kPlunge, kTrend, kUnused};
}

RowSchema MakeRowSchema(int calculation, const Settings& s, bool extraResultChecked,
                        OrientGeometry::DecimalMark localeMark) {
  RowSchema schema;
  const CalculationInfo* info = FindCalculation(calculation);
  if (info == nullptr) info = &CalculationAt(0);
  schema.calculation = info->number;
  schema.info = info;
  schema.in = NotationIn(s);
  schema.localeMark = localeMark;
  schema.core = CoreConventionsOf(s);
  schema.referenceDirection = ReferenceDirectionOf(s.referenceDirection);
  schema.steepDip = SteepDipRangeOf(s.SteepDip);
  schema.showPolaritySign = s.ShowPolaritySign;
  schema.output = {NotationOut(s).plane, NotationOut(s).azimuth,
                   OrientGeometry::DecimalChar(ResultDecimalMark(s, localeMark))};

  SchemaBuilder builder(schema, s);
  builder.Window(0, info->a);
  builder.Window(1, info->b);
  builder.Window(2, info->c);
  builder.Window(3, info->d);
  schema.extraResultShown = info->offersApparentDip && extraResultChecked;
  schema.apparentDip = !info->HasLineInPlane();
  for (int box : {kSectionTrendBox, kFileSectionTrendBox}) {
    if (schema.extraResultShown) {
      builder.Show(box, "trend", BoxRole::kDirection, builder.DirectionRule(), FieldKind::kNothing,
                   "trend of the vertical section");
    } else {
      builder.Hide(box, "trend");
    }
  }
  LayOutResults(schema, s);
  IndexEntryBoxes(schema);
  return schema;
}

std::string EntryRangeText(EntryRule rule) {
  switch (rule) {
    case EntryRule::kObtuseFlag:
      return "Y for the obtuse angle, N for the acute one";
    case EntryRule::kSense:
      return "a compass point such as N, NE or SW";
    case EntryRule::kQuadrant:
      return "a quadrant bearing such as N30E";
    case EntryRule::kTurn:
      return "0 to 360";
    case EntryRule::kHalfTurnBothWays:
      return "-180 to 180";
    case EntryRule::kAnyNumber:
      return "any number of degrees";
    default:
      return "-90 to 90";
  }
}

}  // namespace Lodema
