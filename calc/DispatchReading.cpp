// Reading the entry windows of the current calculation into the inputs of
// the computation and into the calculation record.
#include <string>
#include <string_view>

#include "calc/Catalogue.h"
#include "calc/Dispatcher.h"
#include "calc/EntryBoxes.h"
#include "calc/FormModel.h"
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

// Membership of a calculation number in a set, folded into comparisons at
// compile time: the tests below run for every row of a batch.
template <int... Members>
bool In(int n) {
  return ((n == Members) || ...);
}

// IsNumberText, then TextToDouble: a box that holds number text, read.
bool ReadNumberText(const std::string& text, bool localeComma, double& value) {
  if (NumberText::ReadPlainDecimal(text, value)) return true;
  if (!NumberText::IsNumberText(text)) return false;
  value = NumberText::TextToDouble(text, localeComma);
  return true;
}

bool Between(int n, int low, int high) { return n >= low && n <= high; }

bool PlaneInA(int n) {
  return In<0, 3, 4, 13, 14, 15>(n) || Between(n, 6, 11) || Between(n, 26, 32) ||
         Between(n, 34, 36);
}
bool LineInA(int n) { return In<1, 2, 5, 12, 16, 33>(n); }
bool PlaneInB(int n) { return In<0, 3, 35>(n) || Between(n, 28, 31); }
bool LineInB(int n) { return In<1, 2, 4, 33, 34>(n) || Between(n, 10, 14); }
bool LineInC(int n) { return In<14, 34, 35>(n) || Between(n, 17, 23) || Between(n, 37, 41); }
bool ApproxReference(int n) { return Between(n, 20, 24) || n == 40; }

}  // namespace

void Dispatcher::SetRow(int row, int type, double first, double second) {
  auto& cells = record_.cells[row];
  cells[0] = type;
  cells[1] = first;
  cells[2] = second;
}

bool Dispatcher::ReadNumber(int box, double& radians) const {
  const TextBox& entry = m_.controls_.txtValues[box];
  double degrees = 0.0;
  if (!m_.EntryValid(box) || !ReadNumberText(entry.text, m_.LocaleUsesComma(), degrees)) {
    return false;
  }
  radians = DegreesToRadians(degrees);
  return true;
}

bool Dispatcher::ReadDirection(int box, double& radians) const {
  if (!m_.EntryValid(box)) return false;
  std::string text = m_.controls_.txtValues[box].text;
  if (m_.settings().QuadrantIn == 1) text = QuadrantToAzimuthText(text, m_.LocaleUsesComma());
  double degrees = 0.0;
  if (text.empty() || !ReadNumberText(text, m_.LocaleUsesComma(), degrees)) return false;
  radians = DegreesToRadians(degrees);
  return true;
}

bool Dispatcher::ReadOrientation(int window, bool asLine, Orientation& value,
                                 std::string* sense) const {
  const bool comma = m_.LocaleUsesComma();
  double angle = 0.0;
  double azimuth = 0.0;
  if (!m_.WindowNeedsNotationChange(window, asLine)) {
    // The boxes hold the texts as ReadOrientationWindow would give them:
    // read them in place.
    const FormModel::WindowBoxes boxes = m_.LocateWindowBoxes(window, asLine);
    if (boxes.error || boxes.direction < 0) return false;
    const auto& texts = m_.controls_.txtValues;
    if (!ReadNumberText(texts[boxes.first].text, comma, angle) ||
        !ReadNumberText(texts[boxes.direction].text, comma, azimuth)) {
      return false;
    }
    value.angle = DegreesToRadians(angle);
    value.azimuth = DegreesToRadians(azimuth);
    if (sense) *sense = boxes.sense >= 0 ? texts[boxes.sense].text : std::string();
    return true;
  }
  const WindowTexts texts = m_.ReadOrientationWindow(window, asLine);
  if (texts.IsError() || !ReadNumberText(texts.first, comma, angle) ||
      !ReadNumberText(texts.direction, comma, azimuth)) {
    return false;
  }
  value.angle = DegreesToRadians(angle);
  value.azimuth = DegreesToRadians(azimuth);
  if (sense) *sense = texts.sense;
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

bool Dispatcher::ReadWindowA() {
  const int n = n_;
  if (PlaneInA(n) || LineInA(n)) {
    if (!ReadOrientation(0, LineInA(n), geo_.a)) return false;
    SetRow(1, LineInA(n) ? kTypeLine : kTypePlane, geo_.a.angle, geo_.a.azimuth);
  } else if (n == 24 || n == 25) {
    return ReadCoreAxisWithAlpha(0, 1, false);
  } else if (Between(n, 17, 19)) {
    double beta = 0.0;
    double alpha = 0.0;
    if (!ReadNumber(0, beta) || !ReadNumber(1, alpha)) return false;
    SetRow(1, kTypeBetaAlpha);
    record_.cells[1][kAlphaColumn] = alpha;
    record_.cells[1][kBetaColumn] = beta;
  } else if (Between(n, 20, 23) || n == 40) {
    double alpha = 0.0;
    if (!ReadNumber(0, alpha)) return false;
    SetRow(1, kTypeRefPlaneAlpha);
    record_.cells[1][kAlphaColumn] = alpha;
  }
  return true;  // 37-39 and 41 have no window A
}

bool Dispatcher::ReadWindowB() {
  const int n = n_;
  if (PlaneInB(n) || LineInB(n)) {
    if (!ReadOrientation(1, LineInB(n), geo_.b)) return false;
    SetRow(2, LineInB(n) ? kTypeLine : kTypePlane, geo_.b.angle, geo_.b.azimuth);
  } else if (n == 7 || n == 27) {
    double trend = 0.0;
    if (!ReadDirection(4, trend)) return false;
    // 7: the vertical section plane; 27: the horizontal line along the trend.
    geo_.b = n == 7 ? Orientation{kHalfPi, AddAngles(trend, kHalfPi)} : Orientation{0.0, trend};
    SetRow(2, n == 7 ? kTypePlane : kTypeLine, geo_.b.angle, geo_.b.azimuth);
  } else if (In<8, 26, 32, 36>(n)) {
    if (!ReadNumber(4, geo_.b.angle) || !m_.EntryValid(5)) return false;
    geo_.senseB = m_.controls_.txtValues[5].text;
  } else if (n == 9) {
    return ReadNumber(4, geo_.b.angle);
  } else if (In<19, 22, 38>(n)) {
    double gamma = 0.0;
    if (!ReadNumber(4, gamma)) return false;
    if (!conv_.betaConv && gamma < 0.0) gamma += kTwoPi;
    SetRow(2, kTypeGamma);
    record_.cells[2][kGammaColumn] = gamma;
  } else if (In<21, 23, 37, 39>(n)) {
    double beta = 0.0;
    double alpha = 0.0;
    if (!ReadNumber(3, beta) || !ReadNumber(4, alpha)) return false;
    SetRow(2, kTypeBetaAlpha);
    record_.cells[2][kAlphaColumn] = alpha;
    record_.cells[2][kBetaColumn] = beta;
  } else if (n == 24 || n == 25) {
    return ReadCoreAxisWithAlpha(1, 2, false);
  }
  return true;
}

bool Dispatcher::ReadWindowC() {
  const int n = n_;
  if (In<2, 3, 29, 30, 33>(n)) {
    const std::string& text = m_.controls_.txtValues[6].text;
    const char first = text.empty() ? ' ' : text[0];
    geo_.obtuse = std::string_view("OoYyTt1").find(first) != std::string_view::npos;
  } else if (In<12, 13, 26>(n)) {
    return ReadNumber(6, geo_.angleC);
  } else if (LineInC(n)) {
    if (!ReadOrientation(2, true, geo_.c)) return false;
    if (IsCoreCalculation(n)) {
      geo_.c = CorrectCoreAxis(geo_.c.angle, geo_.c.azimuth, conv_, true);
    }
    SetRow(3, kTypeLine, geo_.c.angle, geo_.c.azimuth);
  }
  return true;
}

bool Dispatcher::ReadWindowD() {
  const int n = n_;
  Orientation d;
  if (ApproxReference(n)) {
    core_.refDirn = Between(m_.settings().RefDirn, 0, 3) ? m_.settings().RefDirn : 0;
    if (core_.refDirn == 2 || core_.refDirn == 3) {
      if (!ReadOrientation(3, core_.refDirn == 2, d)) return false;
    } else if (!ReadDirection(9, d.azimuth)) {
      return false;
    }
  } else if (n == 25) {
    return ReadCoreAxisWithAlpha(3, 4, false);
  } else if (Between(n, 37, 41)) {
    if (!ReadOrientation(3, false, d)) return false;
  } else {
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
    if (type == kTypeBetaAlpha) cells[kBetaColumn] = CorrectBeta(cells[kBetaColumn], n_, conv_);
  }
  core_.calculation = n_;
  core_.coreAxis = geo_.c;
  core_.betaA = record_.cells[1][kBetaColumn];
  core_.inclinationA = record_.cells[1][kAlphaColumn];
  core_.coneAngle = record_.cells[1][kAlphaColumn];
  core_.betaB = record_.cells[2][kBetaColumn];
  core_.inclinationB = record_.cells[2][kAlphaColumn];
  core_.gamma = CorrectGamma(record_.cells[2][kGammaColumn], n_, conv_);
  core_.steepDip = Between(m_.settings().SteepDip, 0, 2) ? m_.settings().SteepDip : 2;
  core_.ellipseBase = conv_.ellipseBase;
  core_.bottomMark = conv_.bottomMark;
}

void Dispatcher::ReadSectionTrend() {
  const CheckBox& box = m_.controls_.chkShowApparent;
  hasSection_ = box.checked && box.visible && box.caption.find("app") != std::string::npos &&
                ReadDirection(kSectionTrendBox, sectionTrend_);
}

}  // namespace Lodema
