// Labelling windows for a plane or a line in the current conventions, and
// writing results into the result windows: degree text with the decimals
// typed, the output decimal character and the output notations.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "calc/FormModel.h"
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
  if (caption == s.DeltaName) return kFieldAlphaRotation;
  return kFieldNothing;
}

bool IsDigit(char ch) { return std::isdigit(static_cast<unsigned char>(ch)) != 0; }

}  // namespace

void FormModel::SetWindowForFabric(int window, FabricKind kind) {
  HandlerScope scope(*this);
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
      captions[2] = s.DeltaName;
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
        controls_.txtValues[box].text.clear();
        entryValid_[box] = false;
      }
    }
    return;
  }
  const int b = 3 * (window - 4);
  for (int j = 0; j < 3; ++j) {
    Label& value = controls_.lblResult[b + j];
    Label& caption = controls_.lblDipRes[b + j];
    caption.caption = captions[j];
    caption.visible = !captions[j].empty();
    value.visible = caption.visible;
    if (!value.visible) value.caption.clear();
  }
}

void FormModel::LabelResultWindows(int n) {
  const ResultKind kind = ResultKindOf(n);
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
      for (int box = 0; box < 3; ++box) c.lblResult[box].visible = true;
      break;
    case ResultKind::kAngle: {
      std::string name = "angle";
      if (n == 10 || n == 28) name = settings_.gPitchName;
      if (n == 11 || n == 32) name = settings_.gHadeName;
      const bool sense = n == 7 || n == 10 || n == 28;
      const std::array<std::string, 3> captions = {"", name, sense ? "sense" : ""};
      for (int box = 0; box < 3; ++box) {
        c.lblDipRes[box].caption = captions[box];
        c.lblDipRes[box].visible = !captions[box].empty();
        c.lblResult[box].visible = c.lblDipRes[box].visible;
        c.lblResult[box].caption.clear();
      }
      break;
    }
  }
  SetWindowForFabric(5, kFabricPlane);
  SetWindowForFabric(6, kFabricPlane);
  const bool secondResult =
      (kind == ResultKind::kLine || kind == ResultKind::kPlane) && n != 20 && n != 40 && n != 41;
  SetWindowForFabric(7, kind == ResultKind::kLine ? kFabricLine : kFabricPlane);
  if (!secondResult) {
    for (int box = 9; box < 12; ++box) {
      c.lblResult[box].visible = false;
      c.lblResult[box].caption.clear();
      c.lblDipRes[box].visible = false;
    }
  }
  c.lblDip[16].visible = secondResult;
  c.lblDip[17].visible = secondResult;
}

void FormModel::ClearResultsWindows(int group) {
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
  for (int box = first; box <= last; ++box) controls_.lblResult[box].caption.clear();
  if (coreCalculation_) {
    controls_.fraResults[1].visible = false;
    controls_.fraResults[2].visible = false;
  }
}

std::string FormModel::FormatAngleGeneral(double radians, int decimals) {
  const double degrees = OrientGeometry::RadiansToDegrees(radians);
  const double shown = decimals <= 0 ? NumberText::RoundHalfEven(degrees) : degrees;
  const std::string text = NumberText::FormatGeneral(shown, '.');
  return text.empty() ? "0" : text;
}

std::string FormModel::FormatAngleFixed(const std::string& value, int decimals, char decimalChar,
                                        bool pad) {
  std::string text = value;
  if (text.find_first_of("eE") != std::string::npos) {
    // Exponent forms come only from values far below display precision (or
    // absurdly large ones, shown as they are).
    const auto number = NumberText::TryTextToDouble(text, false);
    if (!number) return value;
    if (std::fabs(*number) >= 1e15) return text;
    text = "0";
  }
  if (!NumberText::IsNumberText(text) || std::none_of(text.begin(), text.end(), IsDigit)) {
    return value;
  }
  const auto begin = text.find_first_not_of(' ');
  const auto end = text.find_last_not_of(' ');
  text = text.substr(begin, end - begin + 1);

  const char separator = text.find(',') != std::string::npos ? ',' : '.';
  const auto sepPos = text.find(separator);
  std::string whole = text.substr(0, sepPos);
  bool negative = false;
  if (!whole.empty() && (whole[0] == '-' || whole[0] == '+')) {
    negative = whole[0] == '-';
    whole.erase(0, 1);
  }
  if (whole.empty()) whole = "0";
  if (pad && whole.size() < 3) whole.insert(0, 3 - whole.size(), '0');

  std::string fraction;
  if (sepPos != std::string::npos) {
    for (std::size_t i = sepPos + 1; i < text.size() && IsDigit(text[i]); ++i) {
      if (static_cast<int>(fraction.size()) >= decimals) break;
      fraction += text[i];
    }
  }
  const bool allZero = (whole + fraction).find_first_not_of('0') == std::string::npos;
  std::string result = (negative && !allZero) ? "-" : "";
  result += whole;
  if (!fraction.empty()) {
    result += decimalChar;
    result += fraction;
  }
  return result;
}

int FormModel::ResultDecimals() const { return std::clamp(decimalPlaces_, 0, 2); }

void FormModel::WriteFabricTexts(int window, const std::string& firstDegrees,
                                 const std::string& azimuthDegrees, bool isPlane) {
  if (window < 4 || window > 7) return;
  const int decimals = ResultDecimals();
  const char decimalChar = OutputDecimalChar();
  const Lodema::Settings& s = settings_;
  const std::string first = FormatAngleFixed(firstDegrees, decimals, decimalChar, false);
  std::string direction = azimuthDegrees;
  std::string sense;
  if (isPlane && IsStrikeConvention(s.PlaneConvOut)) {
    const auto strike = OrientGeometry::DipDirectionToStrikeAndSense(azimuthDegrees);
    direction = strike.strike;
    sense = strike.sense;
  }
  if (s.QuadrantOut == 1) {
    direction = OrientGeometry::AzimuthToQuadrantText(
        FormatAngleFixed(direction, decimals, '.', false), decimalChar == ',');
  } else {
    direction = FormatAngleFixed(direction, decimals, decimalChar, true);
  }
  const int b = 3 * (window - 4);
  for (int box = b; box < b + 3; ++box) {
    const std::string& caption = controls_.lblDipRes[box].caption;
    std::string& target = controls_.lblResult[box].caption;
    if (caption == "dip" || caption == "plunge") {
      target = first;
    } else if (IsDirectionCaption(caption)) {
      target = direction;
    } else if (caption == "sense") {
      target = IsSenseStrikeConvention(s.PlaneConvOut) && isPlane ? sense : std::string();
    }
  }
}

void FormModel::WritePlaneResult(int window, const OrientGeometry::Plane& plane) {
  HandlerScope scope(*this);
  const int decimals = ResultDecimals();
  WriteFabricTexts(window, FormatAngleGeneral(plane.angle, decimals),
                   FormatAngleGeneral(plane.azimuth, decimals), true);
}

void FormModel::WriteLineResult(int window, const OrientGeometry::Line& line) {
  HandlerScope scope(*this);
  const int decimals = ResultDecimals();
  WriteFabricTexts(window, FormatAngleGeneral(line.angle, decimals),
                   FormatAngleGeneral(line.azimuth, decimals), false);
}

void FormModel::WriteAngleResult(double angle, const std::string& sense) {
  HandlerScope scope(*this);
  const int decimals = ResultDecimals();
  const std::string text =
      FormatAngleFixed(FormatAngleGeneral(angle, decimals), decimals, OutputDecimalChar(), false);
  const Lodema::Settings& s = settings_;
  for (int box = 0; box < 3; ++box) {
    const std::string& caption = controls_.lblDipRes[box].caption;
    if (caption == "sense") {
      controls_.lblResult[box].caption = sense;
    } else if (caption == "angle" || caption == s.gPitchName || caption == s.gHadeName ||
               IsDirectionCaption(caption)) {
      controls_.lblResult[box].caption = text;
    }
  }
}

void FormModel::WriteApparentResult(double angle, const std::string& sense) {
  HandlerScope scope(*this);
  const int decimals = ResultDecimals();
  controls_.lblResult[12].caption =
      FormatAngleFixed(FormatAngleGeneral(angle, decimals), decimals, OutputDecimalChar(), false);
  controls_.lblResult[13].caption = sense;
}

void FormModel::WriteNoResult() {
  HandlerScope scope(*this);
  controls_.lblResult[0].caption = "-999";
  controls_.lblResult[1].caption = "-999";
  controls_.lblResult[2].caption.clear();
  controls_.fraResults[1].visible = false;
  controls_.fraResults[2].visible = false;
}

void FormModel::WriteManualSolution() {
  HandlerScope scope(*this);
  controls_.lblResult[0].caption = "*Use*";
  controls_.lblResult[1].caption = "stereo";
  controls_.lblResult[2].caption = "****";
  SetMessage("Manual solution using stereo only");
}

void FormModel::ShowPlaneSolution(const OrientGeometry::Plane& plane) {
  HandlerScope scope(*this);
  controls_.fraResults[1].visible = true;
  WritePlaneResult(5, plane);
}

void FormModel::ShowReferencePlaneSolutions(int calculation, const ReferencePlaneSolution& first,
                                            const ReferencePlaneSolution& second) {
  HandlerScope scope(*this);
  if (calculation == 20) {
    // Its main result is the reference plane itself.
    controls_.fraResults[1].visible = false;
  } else {
    controls_.fraResults[1].visible = true;
    WritePlaneResult(5, first.plane);
  }
  // A negative dip (the -1 sentinel) means there is no second solution.
  if (!(second.plane.angle >= 0.0)) {
    controls_.fraResults[2].visible = false;
    return;
  }
  controls_.fraResults[2].visible = true;
  WritePlaneResult(6, second.plane);
  if (calculation == 20 || calculation == 40 || calculation == 41) return;
  switch (ResultKindOf(calculation)) {
    case ResultKind::kPlane:
      WritePlaneResult(7, second.result);
      break;
    case ResultKind::kLine:
      WriteLineResult(7, second.result);
      break;
    default:
      break;
  }
}

}  // namespace Lodema
