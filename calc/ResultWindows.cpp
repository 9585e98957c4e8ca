// SPDX-License-Identifier: MIT
// Labelling windows for a plane or a line in the current conventions, and
// writing results into the result windows: degree text with the decimals
// typed, the output decimal character and the output notations.
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "calc/BoxText.h"
#include "calc/CalculatorModel.h"
#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace Lodema {

namespace {

using Captions = std::array<std::string, 3>;

// Captions of a plane's boxes in plane convention 1..6 (others as 1).
Captions PlaneCaptions(int convention) {
  switch (convention) {
    case 2:
      return {"dir'n", "dip", ""};
    case 3:
      return {"strike", "dip", "sense"};
    case 4:
      return {"dip", "sense", "strike"};
    case 5:
      return {"dip", "strike", ""};
    case 6:
      return {"strike", "dip", ""};
    default:
      return {"dip", "dir'n", ""};
  }
}

Captions LineCaptions(int order) {
  if (order == 1) return {"trend", "plunge", ""};
  return {"plunge", "trend", ""};
}

int FieldKindOfCaption(const std::string& caption, const Settings& s) {
  if (caption == "dip") return kFieldDip;
  if (caption == "plunge" || caption == s.PlungeName) return kFieldPlunge;
  if (IsDirectionCaption(caption)) return kFieldDirection;
  if (caption == "sense") return kFieldSense;
  if (caption == s.alphaWord) return kFieldAlphaRotation;
  return kFieldNothing;
}

using NumberText::IsDigit;

}  // namespace

void CalculatorModel::SetWindowForFabric(int window, FabricKind kind) {
  HandlerScope scope(*this);
  // New captions: a run's rows can no longer take the old ones for granted.
  CatchUpStraightRows();
  rowsAtOnce_ = RowsAtOnce{};
  if (window < 0 || window > 7) return;
  const bool entry = window <= 3;
  const Lodema::Settings& s = settings_;
  Captions captions;
  if (kind == kFabricPlane) {
    captions = PlaneCaptions(entry ? s.PlaneConvIn : s.PlaneConvOut);
  } else {
    captions = LineCaptions(entry ? s.LineConvIn : s.LineConvOut);
    if (kind == kFabricCoreAxis) {
      for (auto& caption : captions) {
        if (caption == "plunge") caption = s.PlungeName;
      }
      captions[2] = s.alphaWord;
    }
  }

  if (entry) {
    const int b = kWindowFirstBox[window];
    for (int j = 0; j < kWindowBoxCount[window]; ++j) {
      const int box = b + j;
      if (!captions[j].empty()) {
        ShowBox(box, captions[j], FieldKindOfCaption(captions[j], s));
      } else {
        HideBox(box, "");
        controls_.entryBoxes[box].text.clear();
        entryValid_[box] = false;
      }
    }
    return;
  }
  const int b = 3 * (window - 4);
  for (int j = 0; j < 3; ++j) {
    Label& value = controls_.resultValues[b + j];
    Label& caption = controls_.resultCaptions[b + j];
    caption.caption = captions[j];
    caption.visible = !captions[j].empty();
    value.visible = caption.visible;
    if (!value.visible) {
      value.caption.clear();
      if (b + j == 0) noResultShown_ = false;
    }
  }
}

void CalculatorModel::LabelResultWindows(const CalculationInfo& info) {
  const ResultKind kind = info.result;
  MainWindowControls& c = controls_;
  switch (kind) {
    case ResultKind::kLine:
      SetWindowForFabric(4, kFabricLine);
      break;
    case ResultKind::kPlane:
      SetWindowForFabric(4, kFabricPlane);
      break;
    case ResultKind::kManualSolution:
      SetWindowForFabric(4, kFabricPlane);
      for (int box = 0; box < 3; ++box) c.resultValues[box].visible = true;
      break;
    case ResultKind::kAngle: {
      std::string name = "angle";
      if (info.angleName == AngleName::kPitch) name = settings_.gPitchName;
      if (info.angleName == AngleName::kHade) name = settings_.gHadeName;
      const std::array<std::string, 3> captions = {"", name, info.resultHasSense ? "sense" : ""};
      for (int box = 0; box < 3; ++box) {
        c.resultCaptions[box].caption = captions[box];
        c.resultCaptions[box].visible = !captions[box].empty();
        c.resultValues[box].visible = c.resultCaptions[box].visible;
        c.resultValues[box].caption.clear();
      }
      noResultShown_ = false;
      break;
    }
  }
  SetWindowForFabric(5, kFabricPlane);
  SetWindowForFabric(6, kFabricPlane);
  // A result from the second reference plane: lines and planes other than
  // the reference plane itself.
  const bool secondResult =
      (kind == ResultKind::kLine || kind == ResultKind::kPlane) && !info.resultIsReferencePlane;
  SetWindowForFabric(7, kind == ResultKind::kLine ? kFabricLine : kFabricPlane);
  if (!secondResult) {
    for (int box = 9; box < 12; ++box) {
      c.resultValues[box].visible = false;
      c.resultValues[box].caption.clear();
      c.resultCaptions[box].visible = false;
    }
  }
  c.entryCaptions[16].visible = secondResult;
  c.entryCaptions[17].visible = secondResult;
}

void CalculatorModel::ClearResultsWindows(int group) {
  HandlerScope scope(*this);
  int first = 0;
  int last = kResultBoxCount - 1;
  if (group == 1) {
    last = 2;
  } else if (group == 2) {
    first = 3;
    last = 11;
  } else if (group == 3) {
    first = 12;
  }
  for (int box = first; box <= last; ++box) controls_.resultValues[box].caption.clear();
  if (first == 0) noResultShown_ = false;
  if (coreCalculation_) {
    controls_.resultFrames[1].visible = false;
    controls_.resultFrames[2].visible = false;
  }
}

std::string CalculatorModel::FormatAngleGeneral(double radians, int decimals) {
  const double degrees = OrientGeometry::RadiansToDegrees(radians);
  const double shown = decimals <= 0 ? NumberText::RoundHalfEven(degrees) : degrees;
  std::string text = NumberText::FormatGeneral(shown, '.');
  if (text.empty()) text = "0";
  return text;
}

std::string CalculatorModel::FormatAngleFixed(const std::string& value, int decimals,
                                              char decimalChar, bool pad) {
  // The usual text, as FormatAngleGeneral writes it ("[-]digits[.digits]"),
  // is cut here directly; any other takes the full path.
  const char* p = value.data();
  const char* const end = p + value.size();
  const bool negative = p != end && *p == '-';
  const char* const wholeBegin = p + (negative ? 1 : 0);
  const char* q = wholeBegin;
  bool nonZero = false;
  for (; q != end && *q >= '0' && *q <= '9'; ++q) nonZero = nonZero || *q != '0';
  const char* const wholeEnd = q;
  const char* fractionBegin = q;
  if (q != end && *q == '.') {
    fractionBegin = ++q;
    while (q != end && *q >= '0' && *q <= '9') ++q;
  }
  if (wholeBegin == wholeEnd || q != end || (fractionBegin != wholeEnd && fractionBegin == q)) {
    return FormatAngleFixedFull(value, decimals, decimalChar, pad);
  }
  const auto wholeLength = static_cast<std::size_t>(wholeEnd - wholeBegin);
  const std::size_t kept = std::min(static_cast<std::size_t>(q - fractionBegin),
                                    static_cast<std::size_t>(std::max(decimals, 0)));
  for (std::size_t i = 0; i < kept; ++i) nonZero = nonZero || fractionBegin[i] != '0';
  const bool minus = negative && nonZero;
  const std::size_t padding = pad && wholeLength < 3 ? 3 - wholeLength : 0;
  // Put together on the stack and copied into the string once.
  char text[40];
  const std::size_t size = (minus ? 1 : 0) + padding + wholeLength + (kept > 0 ? 1 + kept : 0);
  if (size > sizeof text) return FormatAngleFixedFull(value, decimals, decimalChar, pad);
  char* out = text;
  if (minus) *out++ = '-';
  for (std::size_t i = 0; i < padding; ++i) *out++ = '0';
  for (const char* c = wholeBegin; c != wholeEnd; ++c) *out++ = *c;
  if (kept > 0) {
    *out++ = decimalChar;
    for (std::size_t i = 0; i < kept; ++i) *out++ = fractionBegin[i];
  }
  return std::string(text, size);
}

std::string CalculatorModel::FormatAngleFixedFull(const std::string& value, int decimals,
                                                  char decimalChar, bool pad) {
  std::string_view text = value;
  if (std::any_of(text.begin(), text.end(), [](char ch) { return ch == 'e' || ch == 'E'; })) {
    // Exponent forms come only from values far below display precision (or
    // absurdly large ones, shown as they are).
    const auto number = NumberText::TryTextToDouble(text, false);
    if (!number || std::fabs(*number) >= 1e15) return value;
    text = "0";
  }
  if (!NumberText::IsNumberText(text) || std::none_of(text.begin(), text.end(), IsDigit)) {
    return value;
  }
  const auto begin = text.find_first_not_of(' ');
  const auto end = text.find_last_not_of(' ');
  text = text.substr(begin, end - begin + 1);

  const char separator = text.find(',') != std::string_view::npos ? ',' : '.';
  const auto sepPos = text.find(separator);
  std::string_view whole = text.substr(0, sepPos);
  bool negative = false;
  if (!whole.empty() && (whole[0] == '-' || whole[0] == '+')) {
    negative = whole[0] == '-';
    whole.remove_prefix(1);
  }
  if (whole.empty()) whole = "0";
  const std::size_t padding = pad && whole.size() < 3 ? 3 - whole.size() : 0;

  std::string_view fraction;
  if (sepPos != std::string_view::npos) {
    const std::size_t first = sepPos + 1;
    std::size_t count = 0;
    while (first + count < text.size() && IsDigit(text[first + count]) &&
           static_cast<int>(count) < decimals) {
      ++count;
    }
    fraction = text.substr(first, count);
  }
  const auto nonZero = [](char ch) { return ch != '0'; };
  const bool allZero = std::none_of(whole.begin(), whole.end(), nonZero) &&
                       std::none_of(fraction.begin(), fraction.end(), nonZero);
  // Built in one piece: this runs for every result of a batch row.
  const bool minus = negative && !allZero;
  const std::size_t size =
      (minus ? 1 : 0) + padding + whole.size() + (fraction.empty() ? 0 : 1 + fraction.size());
  std::string result(size, '0');
  char* out = result.data();
  if (minus) *out++ = '-';
  out += padding;
  out = std::copy(whole.begin(), whole.end(), out);
  if (!fraction.empty()) {
    *out++ = decimalChar;
    std::copy(fraction.begin(), fraction.end(), out);
  }
  return result;
}

int CalculatorModel::ResultDecimals() const { return std::clamp(decimalPlaces_, 0, 2); }

CalculatorModel::FabricStrings CalculatorModel::FormatFabricStrings(
    const std::string& firstDegrees, const std::string& azimuthDegrees, bool isPlane,
    int decimals) const {
  const char decimalChar = OutputDecimalChar();
  const Lodema::Settings& s = settings_;
  FabricStrings texts;
  texts.first = FormatAngleFixed(firstDegrees, decimals, decimalChar, false);
  std::string direction = azimuthDegrees;
  if (isPlane && IsStrikeConvention(s.PlaneConvOut)) {
    const auto strike = OrientGeometry::DipDirectionToStrikeAndSense(azimuthDegrees);
    direction = strike.strike;
    texts.sense = strike.sense;
  }
  if (s.QuadrantOut == 1) {
    texts.direction = OrientGeometry::AzimuthToQuadrantText(
        FormatAngleFixed(direction, decimals, '.', false), decimalChar == ',');
  } else {
    texts.direction = FormatAngleFixed(direction, decimals, decimalChar, true);
  }
  return texts;
}

void CalculatorModel::AssignFabricTexts(int window, std::string_view first,
                                        std::string_view direction, std::string_view sense,
                                        bool isPlane) {
  const int b = 3 * (window - 4);
  if (b == 0) noResultShown_ = false;
  // A run's rows find the main result's captions as the run found them.
  const bool known = b == 0 && rowsAtOnce_.calculating;
  for (int box = b; box < b + 3; ++box) {
    std::string& target = controls_.resultValues[box].caption;
    switch (known ? rowsAtOnce_.mainResultRoles[box]
                  : ResultRoleOf(controls_.resultCaptions[box].caption)) {
      case ResultRole::kFirst:
        SetBoxText(target, first);
        break;
      case ResultRole::kDirection:
        SetBoxText(target, direction);
        break;
      case ResultRole::kSense:
        SetBoxText(target, IsSenseStrikeConvention(settings_.PlaneConvOut) && isPlane
                               ? sense
                               : std::string_view());
        break;
      case ResultRole::kOther:
        break;
    }
  }
}

CalculatorModel::ResultRole CalculatorModel::ResultRoleOf(std::string_view caption) {
  if (IsCaption(caption, "dip") || IsCaption(caption, "plunge")) return ResultRole::kFirst;
  if (IsDirectionCaption(caption)) return ResultRole::kDirection;
  if (IsCaption(caption, "sense")) return ResultRole::kSense;
  return ResultRole::kOther;
}

void CalculatorModel::FormatAngleWholeText(double radians, bool pad, WholeAngleText& text) {
  text.size = 0;
  const double whole = NumberText::RoundHalfEven(OrientGeometry::RadiansToDegrees(radians));
  if (!(std::fabs(whole) < 1e15)) return;
  // Below 1e15 the general form is the whole number itself.
  const auto number = static_cast<long long>(whole);
  const unsigned long long magnitude = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                                  : static_cast<unsigned long long>(number);
  char* out = text.chars.data();
  if (number < 0) *out++ = '-';
  if (magnitude < 1000) {
    // An angle's usual one to three digits, copied from a table: three
    // digits, padded, and the count without leading zeros.
    static constexpr auto kDigits = [] {
      std::array<std::array<char, 8>, 1000> table{};
      for (unsigned n = 0; n < 1000; ++n) {
        table[n] = {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                    static_cast<char>('0' + n % 10),
                    static_cast<char>(n >= 100  ? 3
                                      : n >= 10 ? 2
                                                : 1)};
      }
      return table;
    }();
    const std::array<char, 8>& entry = kDigits[static_cast<std::size_t>(magnitude)];
    const std::size_t count = pad ? 3 : static_cast<std::size_t>(entry[3]);
    // Three characters from where the digits start; only count are kept.
    const char* first = entry.data() + (3 - count);
    out[0] = first[0];
    out[1] = first[1];
    out[2] = first[2];
    out += count;
  } else {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, magnitude);
    const auto count = static_cast<std::size_t>(written.ptr - digits);
    for (std::size_t i = 0; i < count; ++i) *out++ = digits[i];
  }
  text.size = static_cast<std::size_t>(out - text.chars.data());
}

std::string CalculatorModel::FormatAngleWhole(double radians, bool pad) {
  const WholeAngleText text = FormatAngleWholeText(radians, pad);
  if (text.size == 0) return FormatAngleFixed(FormatAngleGeneral(radians, 0), 0, '.', pad);
  return std::string(text.View());
}

bool CalculatorModel::FormatFabric(double angle, double azimuth, bool isPlane, int decimals,
                                   FabricTexts& texts) const {
  const bool textual =
      settings_.QuadrantOut == 1 || (isPlane && IsStrikeConvention(settings_.PlaneConvOut));
  if (decimals == 0 && !textual) {
    // Whole degrees in azimuth notation, the usual batch output: written in
    // one step rather than through the general form.
    FormatAngleWholeText(angle, false, texts.first);
    FormatAngleWholeText(azimuth, true, texts.direction);
    texts.sense.size = 0;
    if (texts.first.size > 0 && texts.direction.size > 0) return true;
    return texts.first.Keep(FormatAngleWhole(angle, false)) &&
           texts.direction.Keep(FormatAngleWhole(azimuth, true));
  }
  const FabricStrings strings =
      FormatFabricStrings(FormatAngleGeneral(angle, decimals),
                          FormatAngleGeneral(azimuth, decimals), isPlane, decimals);
  return texts.first.Keep(strings.first) && texts.direction.Keep(strings.direction) &&
         texts.sense.Keep(strings.sense);
}

void CalculatorModel::WriteFabric(int window, double angle, double azimuth, bool isPlane) {
  if (window < 4 || window > 7) return;
  const int decimals = ResultDecimals();
  FabricTexts texts;
  if (FormatFabric(angle, azimuth, isPlane, decimals, texts)) {
    AssignFabricTexts(window, texts.first.View(), texts.direction.View(), texts.sense.View(),
                      isPlane);
    return;
  }
  const FabricStrings strings =
      FormatFabricStrings(FormatAngleGeneral(angle, decimals),
                          FormatAngleGeneral(azimuth, decimals), isPlane, decimals);
  AssignFabricTexts(window, strings.first, strings.direction, strings.sense, isPlane);
}

void CalculatorModel::WritePlaneResult(int window, const OrientGeometry::Plane& plane) {
  HandlerScope scope(*this);
  WriteFabric(window, plane.angle, plane.azimuth, true);
}

void CalculatorModel::WriteLineResult(int window, const OrientGeometry::Line& line) {
  HandlerScope scope(*this);
  WriteFabric(window, line.angle, line.azimuth, false);
}

void CalculatorModel::WriteAngleResult(double angle, const std::string& sense) {
  HandlerScope scope(*this);
  const int decimals = ResultDecimals();
  const std::string text =
      FormatAngleFixed(FormatAngleGeneral(angle, decimals), decimals, OutputDecimalChar(), false);
  const Lodema::Settings& s = settings_;
  noResultShown_ = false;
  for (int box = 0; box < 3; ++box) {
    const std::string& caption = controls_.resultCaptions[box].caption;
    if (caption == "sense") {
      controls_.resultValues[box].caption = sense;
    } else if (caption == "angle" || caption == s.gPitchName || caption == s.gHadeName ||
               IsDirectionCaption(caption)) {
      controls_.resultValues[box].caption = text;
    }
  }
}

void CalculatorModel::WriteApparentResult(double angle, const std::string& sense) {
  HandlerScope scope(*this);
  const int decimals = ResultDecimals();
  controls_.resultValues[12].caption =
      FormatAngleFixed(FormatAngleGeneral(angle, decimals), decimals, OutputDecimalChar(), false);
  controls_.resultValues[13].caption = sense;
}

void CalculatorModel::WriteNoResult() {
  HandlerScope scope(*this);
  controls_.resultValues[0].caption = kNoResultText;
  controls_.resultValues[1].caption = kNoResultText;
  noResultShown_ = true;
  controls_.resultValues[2].caption.clear();
  controls_.resultFrames[1].visible = false;
  controls_.resultFrames[2].visible = false;
}

void CalculatorModel::WriteManualSolution() {
  HandlerScope scope(*this);
  noResultShown_ = false;
  controls_.resultValues[0].caption = "*Use*";
  controls_.resultValues[1].caption = "stereo";
  controls_.resultValues[2].caption = "****";
  SetMessage("Manual solution using stereo only");
}

void CalculatorModel::ShowPlaneSolution(const OrientGeometry::Plane& plane) {
  HandlerScope scope(*this);
  controls_.resultFrames[1].visible = true;
  WritePlaneResult(5, plane);
}

void CalculatorModel::ShowReferencePlaneSolutions(
    int calculation, const ReferencePlaneSolution& first,
    const std::optional<ReferencePlaneSolution>& second) {
  HandlerScope scope(*this);
  const CalculationInfo* info = FindCalculation(calculation);
  if (info == nullptr) return;
  if (info->resultIsReferencePlane) {
    // Its main result is the reference plane itself.
    controls_.resultFrames[1].visible = false;
  } else {
    controls_.resultFrames[1].visible = true;
    WritePlaneResult(5, first.plane);
  }
  if (!second) {
    controls_.resultFrames[2].visible = false;
    return;
  }
  controls_.resultFrames[2].visible = true;
  WritePlaneResult(6, second->plane);
  if (info->resultIsReferencePlane) return;
  switch (info->result) {
    case ResultKind::kPlane:
      WritePlaneResult(7, second->result);
      break;
    case ResultKind::kLine:
      WriteLineResult(7, second->result);
      break;
    default:
      break;
  }
}

}  // namespace Lodema
