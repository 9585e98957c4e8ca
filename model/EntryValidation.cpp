// SPDX-License-Identifier: MIT
// Validation of the entry boxes as they change, the validity flags, and
// reading a window as a plane or a line for the calculation.
#include <optional>
#include <string>

#include "calc/Catalogue.h"
#include "calc/CoreConventions.h"
#include "calc/EntryBoxes.h"
#include "model/CalculatorModel.h"

namespace Lodema {

namespace {

constexpr const char* kInvalidEntryError = "Error: Invalid Entry Values";
constexpr const char* kInvalidEntryNote = "Invalid Entry Values";
constexpr const char* kObtuseHint =
    "Indicate ('Y') if obtuse angle is to be used (acute is default)";

}  // namespace

void CalculatorModel::SetEntryText(int box, const std::string& text) {
  HandlerScope scope(*this);
  if (box < 0 || box >= kEntryBoxCount) return;
  controls_.entryBoxes[box].text = text;
  OnEntryChanged(box);
}

void CalculatorModel::ShowRowTexts(
    const std::array<std::optional<std::string>, kEntryBoxCount>& texts) {
  HandlerScope scope(*this);
  int last = -1;
  for (int box = 0; box < kEntryBoxCount; ++box) {
    const std::optional<std::string>& text = texts[static_cast<std::size_t>(box)];
    if (!text) continue;
    controls_.entryBoxes[box].text = *text;
    entryValid_[box] = ValidateEntry(box);
    if (controls_.entryBoxes[box].visible) last = box;
  }
  // The last shown box as if typed: its check, then the calculation when
  // every entry is valid.
  if (last >= 0) OnEntryChanged(last);
}

void CalculatorModel::OnEntryChanged(int box) {
  if (rewriting_) return;
  const bool sectionTrend = box == kSectionTrendBox || box == kFileSectionTrendBox;
  const int mirror = box == kSectionTrendBox ? kFileSectionTrendBox : kSectionTrendBox;
  if (sectionTrend) controls_.entryBoxes[mirror].text = controls_.entryBoxes[box].text;

  const bool valid = ValidateEntry(box);
  entryValid_[box] = valid;
  if (sectionTrend) entryValid_[mirror] = valid;
  if (!valid) {
    // The detail follows the words the batch run's rejection rule reads.
    if (!controls_.entryBoxes[box].text.empty()) {
      ReportFailure(std::string(kInvalidEntryError) + ": " + EntryProblem(box));
    }
    ClearResultsWindows(sectionTrend ? 3 : 0);
    return;
  }
  if (!batchRunning_ && CoreCalculation()) {
    SetMessage(CoreHint(settings_.PlungeName, CoreConventionsOf(settings_)));
  } else {
    ClearMessage();
  }
  if (AllEntriesValid()) Calculate();
}

bool CalculatorModel::ValidateEntry(int box) {
  if (box < 0 || box >= kEntryBoxCount) return false;
  TextBox& entry = controls_.entryBoxes[box];
  if (!entry.visible) return false;
  const EntryRule rule = Schema().entries[static_cast<std::size_t>(box)].rule;
  // The box shows what it took: a sense in capitals, the obtuse choice.
  std::string shown = ShownEntryText(rule, entry.text);
  if (shown != entry.text) entry.text = std::move(shown);
  return EntryAccepts(rule, entry.text, localeMark_);
}

std::string CalculatorModel::EntryRange(int box) const {
  if (box < 0 || box >= kEntryBoxCount) return "";
  return EntryRangeText(Schema().entries[static_cast<std::size_t>(box)].rule);
}

std::string CalculatorModel::EntryProblem(int box) const {
  if (box < 0 || box >= kEntryBoxCount) return "";
  EntryField field = Schema().entries[static_cast<std::size_t>(box)];
  field.caption = controls_.entryCaptions[box].caption;
  return EntryProblemText(box, field, controls_.entryBoxes[box].text, localeMark_);
}

std::string CalculatorModel::EntryTooltip(int box) const {
  if (box < 0 || box >= kEntryBoxCount || !controls_.entryBoxes[box].visible) return "";
  const std::string about = Schema().entries[static_cast<std::size_t>(box)].about;
  const std::string what = about.empty() ? controls_.entryCaptions[box].caption : about;
  const int window = WindowOfBox(box);
  std::string tip = window < 0 ? std::string()
                               : "Window " + std::string(1, static_cast<char>('A' + window)) + ": ";
  tip += what + ", " + EntryRange(box);
  return tip;
}

void CalculatorModel::RevalidateEntries() {
  HandlerScope scope(*this);
  if (CoreCalculation()) {
    SetMessage(CoreHint(settings_.PlungeName, CoreConventionsOf(settings_)));
  } else if (CalculationAt(calculation_).obtuseHintOnSelection) {
    SetMessage(kObtuseHint);
  } else {
    SetMessage("");
  }
  const int last = controls_.windowDFrame.visible ? 10 : 7;
  for (int i = 0; i <= last; ++i) {
    if (!controls_.entryBoxes[i].visible) continue;
    entryValid_[i] = ValidateEntry(i);
    if (!entryValid_[i] && !controls_.entryBoxes[i].text.empty()) {
      ReportFailure(std::string(kInvalidEntryNote) + ": " + EntryProblem(i));
    }
  }
  // The section trend follows the notation too; it never blocks a run.
  if (controls_.entryBoxes[kSectionTrendBox].visible) {
    entryValid_[kSectionTrendBox] = ValidateEntry(kSectionTrendBox);
    entryValid_[kFileSectionTrendBox] = entryValid_[kSectionTrendBox];
  }
}

bool CalculatorModel::AllEntriesValid() const {
  const int last = controls_.windowDFrame.visible ? 10 : 7;
  for (int i = 0; i <= last; ++i) {
    if (controls_.entryBoxes[i].visible && !entryValid_[i]) return false;
  }
  return true;
}

}  // namespace Lodema
