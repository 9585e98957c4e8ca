// SPDX-License-Identifier: MIT
// Reading the entry windows of the current calculation into the inputs of
// the computation and into the calculation record.
#include <optional>
#include <string>
#include <string_view>

#include "calc/CalculatorModel.h"
#include "calc/Catalogue.h"
#include "calc/Dispatcher.h"
#include "calc/EntryBoxes.h"
#include "orient/DrillCore.h"
#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextParsing.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

// Record type codes.
constexpr int kTypePlane = 1;
constexpr int kTypeLine = 2;
constexpr int kTypeRefPlaneAlpha = 3;
constexpr int kTypeBetaAlpha = 4;
constexpr int kTypeGamma = 5;
constexpr int kTypeCoreAxisAlpha = 6;
// Record columns.
constexpr int kAlphaColumn = 3;
constexpr int kBetaColumn = 4;
constexpr int kGammaColumn = 5;

// IsNumberText, then TextToDouble: a box that holds number text, read.
bool ReadNumberText(const std::string& text, bool localeComma, double& value) {
  if (NumberText::ReadPlainDecimal(text, value)) return true;
  if (!NumberText::IsNumberText(text)) return false;
  value = NumberText::TextToDouble(text, localeComma);
  return true;
}

// Degrees read from an entry window into radians; false, leaving value as it
// was, when either is not finite.
bool StoreOrientation(double angle, double azimuth, Orientation& value) {
  const std::optional<double> a = FiniteDegreesToRadians(angle);
  const std::optional<double> z = FiniteDegreesToRadians(azimuth);
  if (!a || !z) return false;
  value = {*a, *z};
  return true;
}

bool Between(int n, int low, int high) { return n >= low && n <= high; }

}  // namespace

void Dispatcher::SetRow(int row, int type, double first, double second) {
  auto& cells = record_.cells[row];
  cells[0] = type;
  cells[1] = first;
  cells[2] = second;
}

bool Dispatcher::ReadNumber(int box, double& radians) const {
  const TextBox& entry = m_.controls_.entryBoxes[box];
  double degrees = 0.0;
  if (!m_.EntryValid(box) ||
      (!m_.TypedRowNumber(box, degrees) && !m_.RecallBoxNumber(box, entry.text, degrees) &&
       !ReadNumberText(entry.text, m_.LocaleUsesComma(), degrees))) {
    return false;
  }
  const std::optional<double> value = FiniteDegreesToRadians(degrees);
  if (!value) return false;
  radians = *value;
  return true;
}

bool Dispatcher::ReadDirection(int box, double& radians) const {
  if (!m_.EntryValid(box)) return false;
  const std::string& typed = m_.controls_.entryBoxes[box].text;
  const bool quadrant = m_.settings().QuadrantIn == 1;
  double degrees = 0.0;
  if (quadrant || (!m_.TypedRowNumber(box, degrees) && !m_.RecallBoxNumber(box, typed, degrees))) {
    const std::string text = quadrant ? QuadrantToAzimuthText(typed, m_.LocaleUsesComma()) : typed;
    if (text.empty() || !ReadNumberText(text, m_.LocaleUsesComma(), degrees)) return false;
  }
  const std::optional<double> value = FiniteDegreesToRadians(degrees);
  if (!value) return false;
  radians = *value;
  return true;
}

bool Dispatcher::ReadOrientation(int window, bool asLine, Orientation& value,
                                 std::string* sense) const {
  if (const CalculatorModel::WindowBoxes* typed = m_.TypedRowWindow(window, asLine)) {
    // A row typed at once: both numbers were read with the row.
    double angle = 0.0;
    double azimuth = 0.0;
    m_.TypedRowNumber(typed->first, angle);
    m_.TypedRowNumber(typed->direction, azimuth);
    if (!StoreOrientation(angle, azimuth, value)) return false;
    if (sense)
      *sense = typed->sense >= 0 ? m_.controls_.entryBoxes[typed->sense].text : std::string();
    return true;
  }
  const bool comma = m_.LocaleUsesComma();
  double angle = 0.0;
  double azimuth = 0.0;
  if (!m_.WindowNeedsNotationChange(window, asLine)) {
    // The boxes hold the texts as ReadOrientationWindow would give them:
    // read them in place.
    const CalculatorModel::WindowBoxes boxes = m_.LocatedWindowBoxes(window, asLine);
    if (boxes.error || boxes.direction < 0) return false;
    const auto& texts = m_.controls_.entryBoxes;
    const std::string& first = texts[boxes.first].text;
    const std::string& direction = texts[boxes.direction].text;
    if ((!m_.TypedRowNumber(boxes.first, angle) && !m_.RecallBoxNumber(boxes.first, first, angle) &&
         !ReadNumberText(first, comma, angle)) ||
        (!m_.TypedRowNumber(boxes.direction, azimuth) &&
         !m_.RecallBoxNumber(boxes.direction, direction, azimuth) &&
         !ReadNumberText(direction, comma, azimuth))) {
      return false;
    }
    if (!StoreOrientation(angle, azimuth, value)) return false;
    if (sense) *sense = boxes.sense >= 0 ? texts[boxes.sense].text : std::string();
    return true;
  }
  const std::optional<WindowTexts> texts = m_.ReadOrientationWindow(window, asLine);
  if (!texts || !ReadNumberText(texts->first, comma, angle) ||
      !ReadNumberText(texts->direction, comma, azimuth)) {
    return false;
  }
  if (!StoreOrientation(angle, azimuth, value)) return false;
  if (sense) *sense = texts->sense;
  return true;
}

bool Dispatcher::ReadCoreAxisWithAlpha(int window, int row, bool applyZenith) {
  Orientation axis;
  double alpha = 0.0;
  const int alphaBox = window == 0 ? 2 : (window == 1 ? 5 : 10);
  if (!ReadOrientation(window, true, axis) || !ReadNumber(alphaBox, alpha)) return false;
  const Line corrected = CorrectCoreAxis(axis.angle, axis.azimuth, conv_, applyZenith);
  SetRow(row, kTypeCoreAxisAlpha, corrected.angle, corrected.azimuth);
  record_.cells[row][kAlphaColumn] = alpha;
  return true;
}

bool Dispatcher::ReadBetaAndAlpha(int betaBox, int alphaBox, int row) {
  double beta = 0.0;
  double alpha = 0.0;
  if (!ReadNumber(betaBox, beta) || !ReadNumber(alphaBox, alpha)) return false;
  SetRow(row, kTypeBetaAlpha);
  record_.cells[row][kAlphaColumn] = alpha;
  record_.cells[row][kBetaColumn] = beta;
  return true;
}

bool Dispatcher::ReadWindowA() {
  switch (info_->a) {
    case WindowUse::kPlane:
    case WindowUse::kLine: {
      const bool line = info_->a == WindowUse::kLine;
      if (!ReadOrientation(0, line, geo_.a)) return false;
      SetRow(1, line ? kTypeLine : kTypePlane, geo_.a.angle, geo_.a.azimuth);
      return true;
    }
    case WindowUse::kCoreAxisAndAlpha:
      return ReadCoreAxisWithAlpha(0, 1, false);
    case WindowUse::kBetaAlpha:
      return ReadBetaAndAlpha(0, 1, 1);
    case WindowUse::kRefPlaneAlpha: {
      double alpha = 0.0;
      if (!ReadNumber(0, alpha)) return false;
      SetRow(1, kTypeRefPlaneAlpha);
      record_.cells[1][kAlphaColumn] = alpha;
      return true;
    }
    default:
      return true;  // no window A
  }
}

bool Dispatcher::ReadWindowB() {
  switch (info_->b) {
    case WindowUse::kPlane:
    case WindowUse::kLine: {
      const bool line = info_->b == WindowUse::kLine;
      if (!ReadOrientation(1, line, geo_.b)) return false;
      SetRow(2, line ? kTypeLine : kTypePlane, geo_.b.angle, geo_.b.azimuth);
      return true;
    }
    case WindowUse::kSectionTrend:
    case WindowUse::kLineTrend: {
      double trend = 0.0;
      if (!ReadDirection(4, trend)) return false;
      // The vertical section plane, or the horizontal line along the trend.
      const bool section = info_->b == WindowUse::kSectionTrend;
      geo_.b = section ? Orientation{kHalfPi, AddAngles(trend, kHalfPi)} : Orientation{0.0, trend};
      SetRow(2, section ? kTypePlane : kTypeLine, geo_.b.angle, geo_.b.azimuth);
      return true;
    }
    case WindowUse::kPitchAndSense:
    case WindowUse::kPlungeAndSense:
      if (!ReadNumber(4, geo_.b.angle) || !m_.EntryValid(5)) return false;
      geo_.senseB = m_.controls_.entryBoxes[5].text;
      return true;
    case WindowUse::kHade:
      return ReadNumber(4, geo_.b.angle);
    case WindowUse::kGamma: {
      double gamma = 0.0;
      if (!ReadNumber(4, gamma)) return false;
      if (!conv_.betaConv && gamma < 0.0) gamma += kTwoPi;
      SetRow(2, kTypeGamma);
      record_.cells[2][kGammaColumn] = gamma;
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

bool Dispatcher::ReadWindowC() {
  switch (info_->c) {
    case WindowUse::kObtuseFlag: {
      const std::string& text = m_.controls_.entryBoxes[6].text;
      const char first = text.empty() ? ' ' : text[0];
      geo_.obtuse = std::string_view("OoYyTt1").find(first) != std::string_view::npos;
      return true;
    }
    case WindowUse::kRotationAngle:
    case WindowUse::kAngle:
      return ReadNumber(6, geo_.angleC);
    case WindowUse::kFoldAxis:
    case WindowUse::kCoreAxis:
      if (!ReadOrientation(2, true, geo_.c)) return false;
      if (info_->c == WindowUse::kCoreAxis) {
        geo_.c = CorrectCoreAxis(geo_.c.angle, geo_.c.azimuth, conv_, true);
      }
      SetRow(3, kTypeLine, geo_.c.angle, geo_.c.azimuth);
      return true;
    default:
      return true;
  }
}

bool Dispatcher::ReadWindowD() {
  Orientation d;
  switch (info_->d) {
    case WindowUse::kReferenceLine:
      core_.refDirn =
          Between(m_.settings().referenceDirection, 0, 3) ? m_.settings().referenceDirection : 0;
      // A fold axis is a line with its plunge, an approximate plane a plane;
      // a dip direction or strike is a trend alone.
      if (core_.refDirn == kRefFoldAxis || core_.refDirn == kRefApproximate) {
        if (!ReadOrientation(3, core_.refDirn == kRefFoldAxis, d)) return false;
      } else if (!ReadDirection(9, d.azimuth)) {
        return false;
      }
      break;
    case WindowUse::kCoreAxisAndAlpha:
      return ReadCoreAxisWithAlpha(3, 4, false);
    case WindowUse::kReferencePlane:
      if (!ReadOrientation(3, false, d)) return false;
      break;
    default:
      return true;
  }
  core_.reference = d;
  SetRow(4, kTypeLine, d.angle, d.azimuth);
  return true;
}

bool Dispatcher::ReadWindows() {
  return ReadWindowA() && ReadWindowB() && ReadWindowC() && ReadWindowD();
}

void Dispatcher::ApplyCoreConventions() {
  for (int row = 1; row < CalculationRecord::kRows; ++row) {
    auto& cells = record_.cells[row];
    const int type = static_cast<int>(cells[0]);
    if (type == kTypeRefPlaneAlpha || type == kTypeBetaAlpha || type == kTypeCoreAxisAlpha) {
      cells[kAlphaColumn] = CorrectAlpha(cells[kAlphaColumn], conv_);
    }
    if (type == kTypeBetaAlpha)
      cells[kBetaColumn] = CorrectBeta(cells[kBetaColumn], info_->IsOrientedCore(), conv_);
  }
  core_.calculation = n_;
  core_.coreAxis = geo_.c;
  core_.betaA = record_.cells[1][kBetaColumn];
  core_.inclinationA = record_.cells[1][kAlphaColumn];
  core_.coneAngle = record_.cells[1][kAlphaColumn];
  core_.betaB = record_.cells[2][kBetaColumn];
  core_.inclinationB = record_.cells[2][kAlphaColumn];
  core_.gamma = CorrectGamma(record_.cells[2][kGammaColumn], info_->HasLineInPlane(), conv_);
  core_.steepDip = Between(m_.settings().SteepDip, 0, 2) ? m_.settings().SteepDip : 2;
  core_.ellipseBase = conv_.ellipseBase;
  core_.bottomMark = conv_.bottomMark;
}

void Dispatcher::ReadSectionTrend() {
  const CheckBox& box = m_.controls_.apparentDipBox;
  hasSection_ = box.checked && box.visible && box.caption.find("app") != std::string::npos &&
                ReadDirection(kSectionTrendBox, sectionTrend_);
}

}  // namespace Lodema
