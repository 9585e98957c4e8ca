// Validation of the entry boxes as they change, the validity flags, and
// reading a window as a plane or a line for the calculation.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "calc/Catalogue.h"
#include "calc/EntryBoxes.h"
#include "calc/FormModel.h"
#include "orient/NumberText.h"
#include "orient/TextParsing.h"

namespace Lodema {

namespace {

constexpr const char* kInvalidEntryError = "Error: Invalid Entry Values";
constexpr const char* kInvalidEntryNote = "Invalid Entry Values";
constexpr const char* kObtuseHint =
    "Indicate ('Y') if obtuse angle is to be used (acute is default)";

std::string ToUpper(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return text;
}

// A number as typed, with at least one digit: a lone sign or separator is
// only the start of typing and must not be read as 0, and neither must a
// digit string too long for a double.
bool IsCompleteNumber(const std::string& text, bool localeComma) {
  return NumberText::IsNumberText(text) &&
         std::any_of(text.begin(), text.end(),
                     [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); }) &&
         NumberText::TryTextToDouble(text, localeComma).has_value();
}

}  // namespace

void FormModel::SetEntryText(int box, const std::string& text) {
  HandlerScope scope(*this);
  if (box < 0 || box >= kEntryBoxCount) return;
  controls_.txtValues[box].text = text;
  OnEntryChanged(box);
}

void FormModel::OnEntryChanged(int box) {
  if (rewriting_) return;
  const bool sectionTrend = box == kSectionTrendBox || box == kFileSectionTrendBox;
  const int mirror = box == kSectionTrendBox ? kFileSectionTrendBox : kSectionTrendBox;
  if (sectionTrend) controls_.txtValues[mirror].text = controls_.txtValues[box].text;

  const bool valid = ValidateEntry(box);
  entryValid_[box] = valid;
  if (sectionTrend) entryValid_[mirror] = valid;
  if (!valid) {
    if (!controls_.txtValues[box].text.empty()) SetMessage(kInvalidEntryError);
    ClearResultsWindows(sectionTrend ? 3 : 0);
    return;
  }
  if (!batchRunning_ && coreCalculation_) {
    SetMessage("Use -ve " + settings_.PlungeName + " for 'upwardly' inclined core axis");
  } else {
    SetMessage("");
  }
  if (!AllEntriesValid()) return;
  int places = 0;
  for (int i = 0; i <= 7; ++i) {
    if (controls_.txtValues[i].visible) {
      places = std::max(places, NumberText::CountDecimalPlaces(controls_.txtValues[i].text));
    }
  }
  if (controls_.panorient[4].visible) {
    places = std::max(places,
                      NumberText::CountDecimalPlaces(controls_.txtValues[kSectionTrendBox].text));
  }
  decimalPlaces_ = places;
  Calculate();
}

bool FormModel::ValidateEntry(int box) {
  if (box < 0 || box >= kEntryBoxCount) return false;
  TextBox& entry = controls_.txtValues[box];
  if (!entry.visible) return false;
  const std::string& label = controls_.lblDip[box].caption;
  const Lodema::Settings& s = settings_;

  if (label == "obtuse?") {
    // Always valid: the first letter decides, and the box shows the choice.
    if (!entry.text.empty()) {
      const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(entry.text[0])));
      if (std::string("Y1TO").find(first) != std::string::npos) {
        if (entry.text != "obtuse") entry.text = "obtuse";
      } else if (std::string("N0FA").find(first) != std::string::npos) {
        if (entry.text != "acute") entry.text = "acute";
      }
    }
    return true;
  }
  if (label == "sense") {
    entry.text = ToUpper(entry.text);
    return OrientGeometry::IsCompassPointText(entry.text);
  }

  const std::string& text = entry.text;
  const auto number = [&]() { return NumberText::TextToDouble(text, localeComma_); };
  if (label == "dip" || label == "~dip" || label == "plunge" || label == s.PlungeName ||
      label == s.gPitchName || label == s.DeltaName) {
    return IsCompleteNumber(text, localeComma_) && std::fabs(number()) <= 90.0;
  }
  if (IsDirectionCaption(label) || label == "section trend") {
    return ValidateDirectionText(text);
  }
  if (label == "angle" || label == "rot'n") return IsCompleteNumber(text, localeComma_);
  if (label == s.gHadeName || label == s.AlphaName) {
    if (!IsCompleteNumber(text, localeComma_)) return false;
    const double value = number();
    return value >= 0.0 && value <= 360.0;
  }
  if (label == s.BetaName) {
    if (!IsCompleteNumber(text, localeComma_)) return false;
    const double value = number();
    return s.BetaConv ? (value >= 0.0 && value <= 360.0) : std::fabs(value) <= 180.0;
  }
  return false;
}

bool FormModel::ValidateDirectionText(const std::string& text) const {
  if (text.empty()) return false;
  if (settings_.QuadrantIn == 1) {
    return !OrientGeometry::QuadrantToAzimuthText(text, localeComma_).empty();
  }
  if (!IsCompleteNumber(text, localeComma_)) return false;
  const double value = NumberText::TextToDouble(text, localeComma_);
  return value >= 0.0 && value <= 360.0;
}

void FormModel::RevalidateEntries() {
  HandlerScope scope(*this);
  const int n = calculation_;
  if (coreCalculation_) {
    std::string hint = "Use -ve plunge for 'upwardly' inclined core axis";
    if (settings_.CoreUpTrend) hint += " AND: Use 'upcore' direction for core trend";
    SetMessage(hint);
  } else if (n == 2 || n == 3 || n == 29 || n == 30) {
    SetMessage(kObtuseHint);
  } else {
    SetMessage("");
  }
  const int last = controls_.fraRefLine.visible ? 10 : 7;
  for (int i = 0; i <= last; ++i) {
    if (!controls_.txtValues[i].visible) continue;
    entryValid_[i] = ValidateEntry(i);
    if (!entryValid_[i] && !controls_.txtValues[i].text.empty()) SetMessage(kInvalidEntryNote);
  }
  // The section trend follows the notation too; it never blocks a run.
  if (controls_.txtValues[kSectionTrendBox].visible) {
    entryValid_[kSectionTrendBox] = ValidateEntry(kSectionTrendBox);
    entryValid_[kFileSectionTrendBox] = entryValid_[kSectionTrendBox];
  }
}

bool FormModel::AllEntriesValid() const {
  const int last = controls_.fraRefLine.visible ? 10 : 7;
  for (int i = 0; i <= last; ++i) {
    if (controls_.txtValues[i].visible && !entryValid_[i]) return false;
  }
  return true;
}

BoxRole FormModel::RoleOfCaption(const std::string& caption) const {
  if (caption == "dip" || caption == "~dip") return BoxRole::kDip;
  if (caption == "plunge" || caption == "zenith" || caption == settings_.PlungeName) {
    return BoxRole::kPlunge;
  }
  if (IsDirectionCaption(caption)) return BoxRole::kDirection;
  if (caption == "sense") return BoxRole::kSense;
  return BoxRole::kOther;
}

WindowTexts FormModel::ReadOrientationWindow(int window, bool asLine) const {
  WindowTexts texts;
  if (window < 0 || window > 3) {
    texts.first = "error";
    return texts;
  }
  bool foundDip = false;
  bool foundPlunge = false;
  for (int box = kWindowFirstBox[window]; box < kWindowFirstBox[window] + kWindowBoxCount[window];
       ++box) {
    const TextBox& entry = controls_.txtValues[box];
    if (!entry.visible) continue;
    if (!entryValid_[box]) {
      // An unread box would leave a value of 0 in the orientation.
      texts.first = "error";
      return texts;
    }
    switch (RoleOfCaption(controls_.lblDip[box].caption)) {
      case BoxRole::kDip:
        foundDip = true;
        texts.first = entry.text;
        break;
      case BoxRole::kPlunge:
        foundPlunge = true;
        texts.first = entry.text;
        break;
      case BoxRole::kDirection:
        texts.direction = entry.text;
        break;
      case BoxRole::kSense:
        texts.sense = entry.text;
        break;
      case BoxRole::kOther:
        break;
    }
  }
  if ((asLine && !foundPlunge) || (!asLine && !foundDip)) {
    texts = WindowTexts{};
    texts.first = "error";
    return texts;
  }
  if (settings_.QuadrantIn == 1) {
    texts.direction = OrientGeometry::QuadrantToAzimuthText(texts.direction, localeComma_);
  }
  // Window D always holds a dip direction or trend, never a strike.
  const int convention = settings_.PlaneConvIn;
  if (!asLine && window != 3 && IsStrikeConvention(convention)) {
    const std::string sense = IsSenseStrikeConvention(convention) ? texts.sense : std::string();
    texts.direction =
        OrientGeometry::StrikeAndSenseToDipDirectionText(texts.direction, sense, localeComma_);
  }
  if (texts.direction.empty()) {
    texts = WindowTexts{};
    texts.first = "error";
  }
  return texts;
}

}  // namespace Lodema
