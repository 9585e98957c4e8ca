// SPDX-License-Identifier: MIT
#include "calc/RowKernel.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <optional>

#include "orient/Constructions.h"
#include "orient/DrillCore.h"
#include "orient/LinesInPlanes.h"
#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextParsing.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

// Record type codes and columns (calc/CalculationRecord.h).
constexpr int kTypePlane = 1;
constexpr int kTypeLine = 2;
constexpr int kTypeRefPlaneAlpha = 3;
constexpr int kTypeBetaAlpha = 4;
constexpr int kTypeGamma = 5;
constexpr int kTypeCoreAxisAlpha = 6;
constexpr int kAlphaColumn = 3;
constexpr int kBetaColumn = 4;
constexpr int kGammaColumn = 5;

// The boxes whose typed decimals set the results' decimals.
constexpr int kLastCountedBox = 7;

// A number as typed, with at least one digit: a lone sign or separator is
// only the start of typing and must not be read as 0, and neither must a
// digit string too long for a double.
bool CompleteNumber(std::string_view text, OrientGeometry::DecimalMark localeMark, double& value) {
  if (NumberText::ReadPlainDecimal(text, value)) return true;
  if (!NumberText::IsNumberText(text) ||
      std::none_of(text.begin(), text.end(), NumberText::IsDigit)) {
    return false;
  }
  const std::optional<double> number = NumberText::TryTextToDouble(text, localeMark);
  if (!number) return false;
  value = *number;
  return true;
}

// A box's number text, read as the calculation reads it.
bool ReadNumberText(std::string_view text, OrientGeometry::DecimalMark localeMark, double& value) {
  if (NumberText::ReadPlainDecimal(text, value)) return true;
  if (!NumberText::IsNumberText(text)) return false;
  value = NumberText::TextToDouble(text, localeMark);
  return true;
}

bool IsNumberRule(EntryRule rule) {
  return rule == EntryRule::kRightAngle || rule == EntryRule::kTurn ||
         rule == EntryRule::kHalfTurnBothWays || rule == EntryRule::kAnyNumber;
}

bool NumberFits(EntryRule rule, double value) {
  switch (rule) {
    case EntryRule::kRightAngle:
      return std::fabs(value) <= 90.0;
    case EntryRule::kTurn:
      return value >= 0.0 && value <= 360.0;
    case EntryRule::kHalfTurnBothWays:
      return std::fabs(value) <= 180.0;
    case EntryRule::kAnyNumber:
      return true;
    default:
      return false;
  }
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return upper;
}

bool ObtuseLetter(char first) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(first)));
  return upper == 'Y' || upper == '1' || upper == 'T' || upper == 'O';
}

// Degrees into radians; false when either is not finite.
bool StoreOrientation(double angle, double azimuth, Orientation& value) {
  const std::optional<double> a = FiniteDegreesToRadians(angle);
  const std::optional<double> z = FiniteDegreesToRadians(azimuth);
  if (!a || !z) return false;
  value = {*a, *z};
  return true;
}

// Reads the entry texts of one row into the inputs, as the schema says.
class RowReader {
 public:
  RowReader(const EntryTexts& texts, const RowSchema& schema, RowInputs& in)
      : texts_(texts), s_(schema), info_(*schema.info), in_(in) {}

  bool Valid(int box) const { return (validMask_ & (1U << box)) != 0; }
  void SetValid(int box, bool valid) {
    if (valid) validMask_ |= 1U << box;
  }
  // A plain decimal number read while checking the box: it is not read
  // again.
  void Remember(int box, double value) {
    knownMask_ |= 1U << box;
    values_[static_cast<std::size_t>(box)] = value;
  }

  bool ReadAll() {
    in_.record.calculation = s_.calculation;
    in_.geometry.calculation = s_.calculation;
    if (info_.IsCore()) in_.core.emplace();
    if (!ReadWindowA() || !ReadWindowB() || !ReadWindowC() || !ReadWindowD()) return false;
    if (info_.IsCore()) ApplyCoreConventions();
    in_.hasSection = s_.extraResultShown && s_.apparentDip && Valid(kSectionTrendBox) &&
                     ReadDirection(kSectionTrendBox, in_.sectionTrend);
    return true;
  }

 private:
  std::string_view Text(int box) const { return texts_[static_cast<std::size_t>(box)]; }
  bool QuadrantIn() const { return s_.in.azimuth == OrientGeometry::AzimuthStyle::kQuadrant; }
  const EntryField& Field(int box) const { return s_.entries[static_cast<std::size_t>(box)]; }

  void SetRow(int row, int type, double first = 0.0, double second = 0.0) {
    auto& cells = in_.record.cells[static_cast<std::size_t>(row)];
    cells[0] = type;
    cells[1] = first;
    cells[2] = second;
  }

  // The box's number as the calculation reads it.
  bool BoxNumber(int box, double& degrees) const {
    if ((knownMask_ & (1U << box)) != 0) {
      degrees = values_[static_cast<std::size_t>(box)];
      return true;
    }
    return ReadNumberText(Text(box), s_.localeMark, degrees);
  }

  bool ReadNumber(int box, double& radians) const {
    double degrees = 0.0;
    if (!Valid(box) || !BoxNumber(box, degrees)) return false;
    const std::optional<double> value = FiniteDegreesToRadians(degrees);
    if (!value) return false;
    radians = *value;
    return true;
  }

  bool ReadDirection(int box, double& radians) const {
    if (!Valid(box)) return false;
    double degrees = 0.0;
    if (QuadrantIn()) {
      const std::optional<std::string> text = QuadrantToAzimuthText(Text(box), s_.localeMark);
      if (!text || !ReadNumberText(*text, s_.localeMark, degrees)) return false;
    } else if (!BoxNumber(box, degrees)) {
      return false;
    }
    const std::optional<double> value = FiniteDegreesToRadians(degrees);
    if (!value) return false;
    radians = *value;
    return true;
  }

  // A window as a plane (dip direction form) or a line, and its sense.
  bool ReadOrientation(int window, bool asLine, Orientation& value,
                       std::string* sense = nullptr) const {
    const WindowBoxIndex& boxes = s_.windowBoxes[static_cast<std::size_t>(window)];
    if ((boxes.shownMask & ~validMask_) != 0) return false;
    if (asLine ? !boxes.hasPlunge : !boxes.hasDip) return false;
    double angle = 0.0;
    if (boxes.direction < 0 || !BoxNumber(boxes.angle, angle)) return false;
    // Window D always holds a dip direction or trend, never a strike.
    const bool strike = !asLine && window != 3 && OrientGeometry::UsesStrike(s_.in.plane);
    if (QuadrantIn() || strike || sense != nullptr) {
      return ReadDirectionText(boxes, strike, angle, value, sense);
    }
    // The box holds the azimuth itself.
    double azimuth = 0.0;
    return BoxNumber(boxes.direction, azimuth) && StoreOrientation(angle, azimuth, value);
  }

  // The rest of ReadOrientation where the direction is a quadrant bearing or
  // a strike, or the sense is wanted.
  bool ReadDirectionText(const WindowBoxIndex& boxes, bool strike, double angle, Orientation& value,
                         std::string* sense) const {
    const std::string senseText = boxes.sense >= 0 ? Upper(Text(boxes.sense)) : std::string();
    double azimuth = 0.0;
    if (!QuadrantIn() && !strike) {
      if (!BoxNumber(boxes.direction, azimuth)) return false;
    } else {
      std::optional<std::string> directionText(Text(boxes.direction));
      if (QuadrantIn()) directionText = QuadrantToAzimuthText(*directionText, s_.localeMark);
      if (strike && directionText) {
        const bool withSense = OrientGeometry::HasSenseLetters(s_.in.plane);
        directionText = StrikeAndSenseToDipDirectionText(
            *directionText, withSense ? senseText : std::string(), s_.localeMark);
      }
      if (!directionText || !ReadNumberText(*directionText, s_.localeMark, azimuth)) return false;
    }
    if (!StoreOrientation(angle, azimuth, value)) return false;
    if (sense) *sense = senseText;
    return true;
  }

  // A window holding a plane or a line, and its row of the record.
  bool ReadFabric(int window, int row, WindowUse use, Orientation& value) {
    const bool line = use == WindowUse::kLine;
    if (!ReadOrientation(window, line, value)) return false;
    SetRow(row, line ? kTypeLine : kTypePlane, value.angle, value.azimuth);
    return true;
  }

  bool ReadCoreAxisWithAlpha(int window, int row, bool applyZenith) {
    Orientation axis;
    double alpha = 0.0;
    const int alphaBox = window == 0 ? 2 : (window == 1 ? 5 : 10);
    if (!ReadOrientation(window, true, axis) || !ReadNumber(alphaBox, alpha)) return false;
    const Line corrected = CorrectCoreAxis(axis.angle, axis.azimuth, s_.core, applyZenith);
    SetRow(row, kTypeCoreAxisAlpha, corrected.angle, corrected.azimuth);
    in_.record.cells[static_cast<std::size_t>(row)][kAlphaColumn] = alpha;
    return true;
  }

  bool ReadBetaAndAlpha(int betaBox, int alphaBox, int row) {
    double beta = 0.0;
    double alpha = 0.0;
    if (!ReadNumber(betaBox, beta) || !ReadNumber(alphaBox, alpha)) return false;
    SetRow(row, kTypeBetaAlpha);
    in_.record.cells[static_cast<std::size_t>(row)][kAlphaColumn] = alpha;
    in_.record.cells[static_cast<std::size_t>(row)][kBetaColumn] = beta;
    return true;
  }

  bool ReadWindowA() {
    switch (info_.a) {
      case WindowUse::kPlane:
      case WindowUse::kLine:
        return ReadFabric(0, 1, info_.a, in_.geometry.a);
      case WindowUse::kCoreAxisAndAlpha:
        return ReadCoreAxisWithAlpha(0, 1, false);
      case WindowUse::kBetaAlpha:
        return ReadBetaAndAlpha(0, 1, 1);
      case WindowUse::kRefPlaneAlpha: {
        double alpha = 0.0;
        if (!ReadNumber(0, alpha)) return false;
        SetRow(1, kTypeRefPlaneAlpha);
        in_.record.cells[1][kAlphaColumn] = alpha;
        return true;
      }
      default:
        return true;
    }
  }

  bool ReadWindowB() {
    GeometryInputs& geo = in_.geometry;
    switch (info_.b) {
      case WindowUse::kPlane:
      case WindowUse::kLine:
        return ReadFabric(1, 2, info_.b, geo.b);
      case WindowUse::kSectionTrend:
      case WindowUse::kLineTrend: {
        double trend = 0.0;
        if (!ReadDirection(4, trend)) return false;
        // The vertical section plane, or the horizontal line along the trend.
        const bool section = info_.b == WindowUse::kSectionTrend;
        geo.b = section ? Orientation{kHalfPi, AddAngles(trend, kHalfPi)} : Orientation{0.0, trend};
        SetRow(2, section ? kTypePlane : kTypeLine, geo.b.angle, geo.b.azimuth);
        return true;
      }
      case WindowUse::kPitchAndSense:
      case WindowUse::kPlungeAndSense:
        if (!ReadNumber(4, geo.b.angle) || !Valid(5)) return false;
        geo.senseB = Upper(Text(5));
        return true;
      case WindowUse::kHade:
        return ReadNumber(4, geo.b.angle);
      case WindowUse::kGamma: {
        double gamma = 0.0;
        if (!ReadNumber(4, gamma)) return false;
        if (s_.core.betaRange == BetaRange::kPlusMinus180 && gamma < 0.0) gamma += kTwoPi;
        SetRow(2, kTypeGamma);
        in_.record.cells[2][kGammaColumn] = gamma;
        return true;
      }
      case WindowUse::kBetaAlpha:
        return ReadBetaAndAlpha(3, 4, 2);
      case WindowUse::kCoreAxisAndAlpha:
        return ReadCoreAxisWithAlpha(1, 2, false);
      default:
        return true;
    }
  }

  bool ReadWindowC() {
    GeometryInputs& geo = in_.geometry;
    switch (info_.c) {
      case WindowUse::kObtuseFlag:
        geo.obtuse = !Text(6).empty() && ObtuseLetter(Text(6)[0]);
        return true;
      case WindowUse::kRotationAngle:
      case WindowUse::kAngle:
        return ReadNumber(6, geo.angleC);
      case WindowUse::kFoldAxis:
      case WindowUse::kCoreAxis:
        if (!ReadOrientation(2, true, geo.c)) return false;
        if (info_.c == WindowUse::kCoreAxis) {
          geo.c = CorrectCoreAxis(geo.c.angle, geo.c.azimuth, s_.core, true);
        }
        SetRow(3, kTypeLine, geo.c.angle, geo.c.azimuth);
        return true;
      default:
        return true;
    }
  }

  bool ReadWindowD() {
    // Window D serves the drill-core calculations alone.
    if (!in_.core) return true;
    Orientation d;
    CoreInputs& core = *in_.core;
    switch (info_.d) {
      case WindowUse::kReferenceLine: {
        using OrientGeometry::ReferenceDirection;
        core.referenceGives = s_.referenceDirection;
        // A fold axis is a line with its plunge, an approximate plane a
        // plane; a dip direction or strike is a trend alone.
        const bool foldAxis = core.referenceGives == ReferenceDirection::kFoldAxis;
        if (foldAxis || core.referenceGives == ReferenceDirection::kApproximate) {
          if (!ReadOrientation(3, foldAxis, d)) return false;
        } else if (!ReadDirection(9, d.azimuth)) {
          return false;
        }
        break;
      }
      case WindowUse::kCoreAxisAndAlpha:
        return ReadCoreAxisWithAlpha(3, 4, false);
      case WindowUse::kReferencePlane:
        if (!ReadOrientation(3, false, d)) return false;
        break;
      default:
        return true;
    }
    core.reference = d;
    SetRow(4, kTypeLine, d.angle, d.azimuth);
    return true;
  }

  void ApplyCoreConventions() {
    auto& record = in_.record;
    for (int row = 1; row < CalculationRecord::kRows; ++row) {
      auto& cells = record.cells[static_cast<std::size_t>(row)];
      const int type = static_cast<int>(cells[0]);
      if (type == kTypeRefPlaneAlpha || type == kTypeBetaAlpha || type == kTypeCoreAxisAlpha) {
        cells[kAlphaColumn] = CorrectAlpha(cells[kAlphaColumn], s_.core);
      }
      if (type == kTypeBetaAlpha)
        cells[kBetaColumn] = CorrectBeta(cells[kBetaColumn], info_.IsOrientedCore(), s_.core);
    }
    CoreInputs& core = *in_.core;
    core.calculation = s_.calculation;
    core.coreAxis = in_.geometry.c;
    core.betaA = record.cells[1][kBetaColumn];
    core.inclinationA = record.cells[1][kAlphaColumn];
    core.coneAngle = record.cells[1][kAlphaColumn];
    core.betaB = record.cells[2][kBetaColumn];
    core.inclinationB = record.cells[2][kAlphaColumn];
    core.gamma = CorrectGamma(record.cells[2][kGammaColumn], info_.HasLineInPlane(), s_.core);
    core.steepDip = s_.steepDip;
    core.ellipseEnd = s_.core.ellipseEnd;
    core.mark = s_.core.mark;
  }

  const EntryTexts& texts_;
  const RowSchema& s_;
  const CalculationInfo& info_;
  RowInputs& in_;
  unsigned validMask_ = 0;  // bit b: box b accepted its text
  unsigned knownMask_ = 0;  // bit b: box b's number is in values_
  std::array<double, kEntryBoxCount> values_;
};

// Writes results into the texts of result boxes 0..13.
class ResultTexts {
 public:
  ResultTexts(const RowSchema& schema, int decimals, RowResult& result)
      : s_(schema), decimals_(decimals), r_(result) {}

  void Fabric(int window, double angle, double azimuth, bool isPlane) {
    const bool senseShown = isPlane && OrientGeometry::HasSenseLetters(s_.output.plane);
    // Texts no box of this calculation shows are written aside.
    FabricTargets to{&unused_, &unused_, &unused_};
    const int first = 3 * (window - 4);
    for (int box = first; box < first + 3; ++box) {
      std::string* target = &r_.texts[static_cast<std::size_t>(box)];
      switch (s_.results[static_cast<std::size_t>(box)].role) {
        case ResultRole::kFirst:
          to.first = target;
          break;
        case ResultRole::kDirection:
          to.direction = target;
          break;
        case ResultRole::kSense:
          if (!senseShown) continue;
          // Written only in the notations that have a sense.
          target->clear();
          to.sense = target;
          break;
        default:
          continue;
      }
      Written(box);
    }
    FormatFabric(angle, azimuth, isPlane, decimals_, s_.output, to);
  }
  void Plane(int window, const Plane& plane) { Fabric(window, plane.angle, plane.azimuth, true); }
  void Line(int window, const Line& line) { Fabric(window, line.angle, line.azimuth, false); }

  void Angle(double angle, const std::string& sense) {
    const std::string text = AngleText(angle);
    for (int box = 0; box < 3; ++box) {
      const ResultRole role = s_.results[static_cast<std::size_t>(box)].role;
      if (role == ResultRole::kSense) Set(box, sense);
      if (role == ResultRole::kAngle) Set(box, text);
    }
  }
  void Extra(double angle, const std::string& sense) {
    Set(12, AngleText(angle));
    Set(13, sense);
  }
  void Set(int box, const std::string& text) {
    r_.texts[static_cast<std::size_t>(box)] = text;
    Written(box);
  }
  // The boxes written so far in this row.
  std::uint32_t WrittenBoxes() const { return written_; }

 private:
  std::string AngleText(double angle) const {
    return FormatAngleResult(angle, decimals_, s_.output.decimalChar);
  }

  void Written(int box) { written_ |= std::uint32_t{1} << box; }

  const RowSchema& s_;
  int decimals_;
  RowResult& r_;
  std::string unused_;
  std::uint32_t written_ = 0;
};

void SetResultRow(CalculationRecord& record, int type, const Orientation& value) {
  record.cells[0][0] = type;
  record.cells[0][1] = value.angle;
  record.cells[0][2] = value.azimuth;
}

void WriteSolutions(const CalcOutcome& out, const RowSchema& schema, ResultTexts& write,
                    RowResult& result) {
  const CalculationInfo& info = *schema.info;
  if (info.SolvesApproxReferencePlane() && out.hasReference) {
    std::optional<ReferencePlaneSolution> second = out.secondSolution;
    if (second && info.result == ResultKind::kLine && !schema.showPolaritySign) {
      second->result.angle = std::fabs(second->result.angle);
    }
    if (!info.resultIsReferencePlane) {
      result.referenceFrame = true;
      write.Plane(5, out.reference);
    }
    if (!second) return;
    result.ambiguousFrame = true;
    write.Plane(6, second->plane);
    if (info.resultIsReferencePlane) return;
    if (info.result == ResultKind::kPlane) write.Plane(7, second->result);
    if (info.result == ResultKind::kLine) write.Line(7, second->result);
    return;
  }
  if (out.hasPlaneSolution) {
    result.referenceFrame = true;
    write.Plane(5, out.planeSolution);
  }
}

// The apparent dip of the plane the calculation produced (its result, or
// else its reference plane) in the section; or, for a line within a plane,
// the pitch of the result line in its own plane.
void WriteExtraResult(const CalcOutcome& out, const RowInputs& in, const RowSchema& schema,
                      ResultTexts& write) {
  if (!schema.extraResultShown) return;
  if (!schema.apparentDip) {
    const Plane& plane = out.hasPlaneSolution ? out.planeSolution : out.reference;
    if (const std::optional<PitchResult> pitch = PitchOfLineInPlane(plane, out.result)) {
      write.Extra(pitch->pitch, pitch->sense);
    }
    return;
  }
  const bool planeResult = schema.info->result == ResultKind::kPlane;
  if (!in.hasSection || (!planeResult && !out.hasReference)) return;
  const Plane& plane = planeResult ? out.result : out.reference;
  const Plane section{kHalfPi, AddAngles(in.sectionTrend, kHalfPi)};
  const std::optional<OrientGeometry::Line> line = IntersectPlanes(plane, section);
  const std::optional<PitchResult> pitch = line ? PitchOfLineInPlane(section, *line) : std::nullopt;
  if (pitch) write.Extra(pitch->pitch, pitch->sense);
}

void WriteResults(const CalcOutcome& out, const RowInputs& in, const RowSchema& schema,
                  ResultTexts& write, RowResult& result) {
  switch (schema.info->result) {
    case ResultKind::kLine: {
      OrientGeometry::Line line = out.result;
      if (!schema.showPolaritySign) line.angle = std::fabs(line.angle);
      write.Line(4, line);
      SetResultRow(result.record, kTypeLine, line);
      break;
    }
    case ResultKind::kPlane:
      write.Plane(4, out.result);
      SetResultRow(result.record, kTypePlane, out.result);
      break;
    case ResultKind::kAngle:
      write.Angle(out.angle, out.sense);
      break;
    case ResultKind::kManualSolution:
      write.Set(0, "*Use*");
      write.Set(1, "stereo");
      write.Set(2, "****");
      break;
  }
  WriteSolutions(out, schema, write, result);
  WriteExtraResult(out, in, schema, write);
}

}  // namespace

bool EntryAccepts(EntryRule rule, std::string_view text, OrientGeometry::DecimalMark localeMark) {
  switch (rule) {
    case EntryRule::kObtuseFlag:
      return true;
    case EntryRule::kSense:
      return IsCompassPointText(Upper(text));
    case EntryRule::kQuadrant:
      return !text.empty() && QuadrantToAzimuthText(text, localeMark).has_value();
    case EntryRule::kNothing:
      return false;
    default: {
      double value = 0.0;
      return CompleteNumber(text, localeMark, value) && NumberFits(rule, value);
    }
  }
}

std::string ShownEntryText(EntryRule rule, std::string_view text) {
  if (rule == EntryRule::kSense) return Upper(text);
  if (rule == EntryRule::kObtuseFlag && !text.empty()) {
    const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (std::string_view("Y1TO").find(first) != std::string_view::npos) return "obtuse";
    if (std::string_view("N0FA").find(first) != std::string_view::npos) return "acute";
  }
  return std::string(text);
}

std::string EntryProblemText(int box, const EntryField& field, std::string_view text,
                             OrientGeometry::DecimalMark localeMark) {
  std::string where;
  if (const int window = WindowOfBox(box); window >= 0) {
    where = std::string(1, static_cast<char>('A' + window)) + " ";
  }
  where += field.caption + " " + std::string(text);
  const std::string range = EntryRangeText(field.rule);
  if (field.rule == EntryRule::kSense || field.rule == EntryRule::kQuadrant) {
    return where + " is not " + range;
  }
  double value = 0.0;
  if (!CompleteNumber(text, localeMark, value)) return where + " is not a number";
  return where + " is outside " + range;
}

ParsedRow ParseRow(const EntryTexts& texts, const RowSchema& schema) {
  ParsedRow parsed;
  RowReader reader(texts, schema, parsed.inputs);
  bool incomplete = false;
  int places = 0;
  const int last = LastCheckedBox(schema);
  for (int i = 0; i < schema.shownCount; ++i) {
    const int box = schema.shownBoxes[static_cast<std::size_t>(i)];
    const EntryField& field = schema.entries[static_cast<std::size_t>(box)];
    const std::string_view text = texts[static_cast<std::size_t>(box)];
    double number = 0.0;
    int numberPlaces = 0;
    bool valid = false;
    const bool plain =
        IsNumberRule(field.rule) && NumberText::ReadPlainDecimal(text, number, numberPlaces);
    if (plain) {
      valid = NumberFits(field.rule, number);
      reader.Remember(box, number);
    } else {
      valid = EntryAccepts(field.rule, text, schema.localeMark);
    }
    reader.SetValid(box, valid);
    const bool section = box == kSectionTrendBox || box == kFileSectionTrendBox;
    if (box <= kLastCountedBox || (box == kSectionTrendBox && schema.extraResultShown)) {
      // A plain number's places were counted as it was read.
      const int boxPlaces = plain ? numberPlaces
                                  : NumberText::CountDecimalPlaces(
                                        field.rule == EntryRule::kObtuseFlag
                                            ? std::string_view(ShownEntryText(field.rule, text))
                                            : text);
      places = std::max(places, boxPlaces);
    }
    // The section trend never holds a row back.
    if (valid || section || box > last) continue;
    if (!text.empty()) {
      if (parsed.status != ParseStatus::kInvalidEntry) parsed.badBox = box;
      parsed.status = ParseStatus::kInvalidEntry;
    } else {
      incomplete = true;
    }
  }
  if (parsed.status == ParseStatus::kInvalidEntry) return parsed;
  if (incomplete) {
    parsed.status = ParseStatus::kIncomplete;
    return parsed;
  }
  parsed.inputs.decimals = std::clamp(places, 0, 2);
  if (!reader.ReadAll()) parsed.status = ParseStatus::kUnreadable;
  return parsed;
}

CalcOutcome ComputeRow(const RowInputs& inputs, const RowSchema& schema, bool screenNotes) {
  const CalculationInfo& info = *schema.info;
  if (info.result == ResultKind::kManualSolution) {
    CalcOutcome manual;
    manual.status = CalcStatus::kManualSolution;
    manual.Say("Manual solution using stereo only");
    return manual;
  }
  if (info.IsCore()) return ComputeCore(*inputs.core);
  return ComputeGeometry(inputs.geometry, screenNotes);
}

RowResult FormatOutcome(const CalcOutcome& out, const RowInputs& in, const RowSchema& schema) {
  RowResult result;
  FormatOutcome(out, in, schema, result);
  return result;
}

void FormatOutcome(const CalcOutcome& out, const RowInputs& in, const RowSchema& schema,
                   RowResult& result) {
  result.presented = false;
  result.referenceFrame = false;
  result.ambiguousFrame = false;
  result.record = in.record;
  ResultTexts write(schema, in.decimals, result);
  if (out.noResult) {
    write.Set(0, kNoResultText);
    write.Set(1, kNoResultText);
  } else {
    WriteResults(out, in, schema, write, result);
    result.presented = true;
  }
  // What the row before wrote and this one did not is cleared.
  for (std::uint32_t stale = result.writtenBoxes & ~write.WrittenBoxes(); stale != 0;
       stale &= stale - 1) {
    result.texts[static_cast<std::size_t>(std::countr_zero(stale))].clear();
  }
  result.writtenBoxes = write.WrittenBoxes();
}

}  // namespace Lodema
