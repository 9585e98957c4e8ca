// SPDX-License-Identifier: MIT
// Typing a batch row's numbers into the entry boxes at once: the same boxes,
// checks, message and calculation as typing them one box after another, with
// what depends only on the run's layout worked out once.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "calc/BoxText.h"
#include "calc/CalculatorModel.h"
#include "calc/Catalogue.h"
#include "calc/Dispatcher.h"
#include "calc/EntryBoxes.h"
#include "orient/NumberText.h"
#include "orient/TextParsing.h"

namespace Lodema {

namespace {

// Holds a flag of the plan up for as long as it lives: a row typed at once
// being calculated, a row written straight being typed again.
struct FlagScope {
  bool& flag;
  explicit FlagScope(bool& f) : flag(f) { flag = true; }
  ~FlagScope() { flag = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;
};

// Rows computed for writing straight before a run whose rows mostly need
// the model shows them box by box or at once only.
constexpr std::int64_t kStraightTrial = 64;

// The boxes whose typed decimals set the results' decimals.
constexpr int kLastCountedBox = 7;

// text in capitals into upper when it names one of the sixteen compass
// points in any letter case, as a sense box accepts it.
bool UpperCompassPoint(std::string_view text, std::array<char, 4>& upper) {
  if (text.empty() || text.size() > 3) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    upper[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return OrientGeometry::IsCompassPointText(std::string_view(upper.data(), text.size()));
}

}  // namespace

bool CalculatorModel::PrepareRowsAtOnce(const std::array<RowBoxUse, kMappedBoxCount>& uses) {
  CatchUpStraightRows();
  rowsAtOnce_ = RowsAtOnce{};
  if (rewriting_) return false;
  RowsAtOnce plan;
  // The boxes AllEntriesValid reads.
  const int lastRead = controls_.windowDFrame.visible ? 10 : 7;
  for (int box = 0; box < kMappedBoxCount; ++box) {
    const TextBox& entry = controls_.entryBoxes[box];
    if (uses[box] == RowBoxUse::kTyped) {
      plan.rules[box] = EntryRuleOf(box);
      const bool takesText = IsNumberRule(plan.rules[box]) || plan.rules[box] == EntryRule::kSense;
      if (!entry.visible || box > lastRead || !takesText) return false;
      plan.typed[box] = true;
      plan.last = box;
      plan.typedBoxes[plan.typedCount++] = box;
    } else if (entry.visible && box <= lastRead) {
      if (uses[box] == RowBoxUse::kEmptied && EntryRuleOf(box) == EntryRule::kObtuseFlag) {
        // Emptied before the first row, and valid while empty: every row
        // finds it empty and valid, with no decimals.
        plan.emptiedFlag[box] = true;
        continue;
      }
      // Every row would stop at this box, or skip it while it is invalid.
      if (uses[box] == RowBoxUse::kEmptied || !entryValid_[box]) return false;
      if (box <= kLastCountedBox) {
        plan.keptPlaces = std::max(plan.keptPlaces, NumberText::CountDecimalPlaces(entry.text));
      }
    }
  }
  if (plan.last < 0) return false;
  if (controls_.windowPanels[4].visible) {
    plan.keptPlaces =
        std::max(plan.keptPlaces,
                 NumberText::CountDecimalPlaces(controls_.entryBoxes[kSectionTrendBox].text));
  }
  for (int window = 0; window < 4; ++window) {
    bool settled = true;
    for (int box = kWindowFirstBox[window]; box < kWindowFirstBox[window] + kWindowBoxCount[window];
         ++box) {
      const bool kept = uses[box] == RowBoxUse::kKept && entryValid_[box];
      if (controls_.entryBoxes[box].visible && !plan.typed[box] && !kept &&
          !plan.emptiedFlag[box]) {
        settled = false;
      }
    }
    if (!settled) continue;
    // While a row typed at once is calculated every shown box here is valid.
    for (const bool asLine : {false, true}) {
      const WindowBoxes boxes = FindWindowBoxes(window, asLine, false);
      plan.located[window][asLine ? 1 : 0] = boxes;
      if (!boxes.error && boxes.first >= 0 && boxes.direction >= 0 && plan.typed[boxes.first] &&
          plan.typed[boxes.direction] && !WindowNeedsNotationChange(window, asLine)) {
        plan.typedWindows[window][asLine ? 1 : 0] = boxes;
      }
    }
  }
  for (int box = 0; box < 3; ++box) {
    const std::string& caption = controls_.resultCaptions[box].caption;
    plan.mainResultRoles[box] = ResultRoleOf(caption);
    // The boxes WriteAngleResult writes.
    plan.angleSenseBoxes[box] = caption == "sense";
    plan.angleTextBoxes[box] = caption == "angle" || caption == settings_.gPitchName ||
                               caption == settings_.gHadeName || IsDirectionCaption(caption);
  }
  plan.ready = true;
  plan.straight = StraightRowsPossible(plan);
  rowsAtOnce_ = plan;
  return true;
}

bool CalculatorModel::StraightRowsPossible(const RowsAtOnce& plan) const {
  const CalculationInfo& info = CalculationAt(calculation_);
  if (!batchRunning_) return false;
  if (info.result != ResultKind::kLine && info.result != ResultKind::kPlane &&
      info.result != ResultKind::kAngle) {
    return false;
  }
  // Solutions, apparent dips and pitches go to further windows.
  if (info.SolvesApproxReferencePlane()) return false;
  if (controls_.apparentDipBox.checked && controls_.apparentDipBox.visible) return false;
  for (int i = 0; i < plan.typedCount; ++i) {
    if (!IsNumberRule(plan.rules[plan.typedBoxes[i]])) return false;
  }
  // The calculation then reads the typed boxes' numbers, never their texts.
  for (int window = 0; window < 4; ++window) {
    if (WindowNeedsNotationChange(window, false) || WindowNeedsNotationChange(window, true)) {
      return false;
    }
  }
  return true;
}

void CalculatorModel::EndRowsAtOnce() {
  CatchUpStraightRows();
  rowsAtOnce_ = RowsAtOnce{};
}

bool CalculatorModel::ReadRowNumbers(const std::array<std::string_view, kMappedBoxCount>& texts,
                                     int& places, const FieldNumbers* numbers) {
  RowsAtOnce& plan = rowsAtOnce_;
  places = plan.keptPlaces;
  for (int i = 0; i < plan.typedCount; ++i) {
    const int box = plan.typedBoxes[i];
    if (plan.rules[box] == EntryRule::kSense) {
      // The box shows a compass point in capitals (and has no decimals).
      std::array<char, 4>& upper = plan.senses[box];
      if (!UpperCompassPoint(texts[box], upper)) return false;
      continue;
    }
    int boxPlaces = 0;
    if (numbers != nullptr) {
      const FieldNumber& number = (*numbers)[static_cast<std::size_t>(box)];
      plan.values[box] = number.value;
      boxPlaces = number.places;
    } else if (!NumberText::ReadPlainDecimal(texts[box], plan.values[box], boxPlaces)) {
      return false;
    }
    if (!NumberFitsRule(plan.rules[box], plan.values[box])) return false;
    if (box <= kLastCountedBox) places = std::max(places, boxPlaces);
  }
  return true;
}

bool CalculatorModel::TypeRowAtOnce(const std::array<std::string_view, kMappedBoxCount>& texts) {
  RowsAtOnce& plan = rowsAtOnce_;
  if (!plan.ready || rewriting_) return false;
  int places = 0;
  if (!ReadRowNumbers(texts, places)) return false;
  TextBox& lastBox = controls_.entryBoxes[plan.last];
  // An empty last box still marked valid would let the calculation run
  // before the last box is typed: left to the box-by-box path.
  if (lastBox.text.empty() && entryValid_[plan.last]) return false;

  HandlerScope scope(*this);
  // Emptying the last box (when it holds anything) blanks the results.
  if (!lastBox.text.empty()) ClearResultsWindows();
  // The calculation takes the numbers just read (TypedRowNumber); a number
  // remembered for a box's earlier text stays true of that text.
  for (int i = 0; i < plan.typedCount; ++i) {
    const int box = plan.typedBoxes[i];
    SetBoxText(controls_.entryBoxes[box].text, TypedBoxText(box, texts[box]));
    entryValid_[box] = true;
  }
  // What each typed box leaves in the message panel.
  if (!batchRunning_ && coreCalculation_) {
    SetMessage("Use -ve " + settings_.PlungeName + " for 'upwardly' inclined core axis");
  } else {
    ClearMessage();
  }
  decimalPlaces_ = places;
  const FlagScope calculating(plan.calculating);
  Calculate();
  plan.lastRowAtOnce = true;
  return true;
}

bool CalculatorModel::WriteRowStraight(const std::array<std::string_view, kMappedBoxCount>& texts,
                                       const FieldNumbers* numbers, StraightRow& row) {
  RowsAtOnce& plan = rowsAtOnce_;
  if (!plan.ready || !plan.straight || !plan.lastRowAtOnce || rewriting_) return false;
  int places = 0;
  if (!ReadRowNumbers(texts, places, numbers)) return false;

  Dispatcher dispatcher(*this);
  {
    const FlagScope calculating(plan.calculating);
    if (!dispatcher.ReadQuietly()) return false;
  }
  const CalcOutcome out = dispatcher.Compute();
  // Anything but a plain result goes through the model, which shows it.
  // (A note for the screen alone is not shown in a batch run.)
  if (out.status != CalcStatus::kOk || out.noResult || out.beep || !out.batchMessage.empty() ||
      out.hasReference || out.secondSolution || out.hasPlaneSolution) {
    if (++plan.straightRefused > kStraightTrial && plan.straightRefused > plan.straightWritten) {
      plan.straight = false;
    }
    return false;
  }
  const CalculationInfo& info = CalculationAt(calculation_);
  const int decimals = std::clamp(places, 0, 2);
  FabricTexts& fabric = row.fabric;
  if (info.result == ResultKind::kAngle) {
    // As WriteAngleResult writes it, into the boxes of the angle and of its
    // sense; the row has blanked the others.
    if (!fabric.first.Keep(FormatAngleFixed(FormatAngleGeneral(out.angle, decimals), decimals,
                                            OutputDecimalChar(), false)) ||
        !fabric.sense.Keep(out.sense)) {
      return false;
    }
    for (std::size_t box = 0; box < 3; ++box) {
      row.mainResults[box] = plan.angleSenseBoxes[box]  ? fabric.sense.View()
                             : plan.angleTextBoxes[box] ? fabric.first.View()
                                                        : std::string_view();
    }
    FinishRowStraight(texts, dispatcher, out);
    return true;
  }
  const bool isPlane = info.result == ResultKind::kPlane;
  OrientGeometry::Orientation result = out.result;
  if (!isPlane && !settings_.ShowPolaritySign) result.angle = std::fabs(result.angle);
  if (!FormatFabric(result.angle, result.azimuth, isPlane, decimals, fabric)) return false;
  // As AssignFabricTexts writes the main result window, whose other boxes
  // the row has blanked.
  for (int box = 0; box < 3; ++box) {
    std::string_view& text = row.mainResults[static_cast<std::size_t>(box)];
    switch (plan.mainResultRoles[box]) {
      case ResultRole::kFirst:
        text = fabric.first.View();
        break;
      case ResultRole::kDirection:
        text = fabric.direction.View();
        break;
      case ResultRole::kSense:
        text = IsSenseStrikeConvention(settings_.PlaneConvOut) && isPlane ? fabric.sense.View()
                                                                          : std::string_view();
        break;
      case ResultRole::kOther:
        text = {};
        break;
    }
  }
  FinishRowStraight(texts, dispatcher, out);
  return true;
}

void CalculatorModel::FinishRowStraight(const std::array<std::string_view, kMappedBoxCount>& texts,
                                        Dispatcher& dispatcher, const CalcOutcome& out) {
  RowsAtOnce& plan = rowsAtOnce_;
  // The stereonet takes the row as the calculation's round gives it.
  if (plot_->IsShowing()) plot_->AddNewDataPoint(dispatcher.RecordWithResult(out));
  // The boxes hold the row's texts, for the next row and CatchUpStraightRows.
  for (int i = 0; i < plan.typedCount; ++i) {
    const int box = plan.typedBoxes[i];
    SetBoxText(controls_.entryBoxes[box].text, TypedBoxText(box, texts[box]));
  }
  plan.pendingStraight = true;
  ++plan.straightWritten;
}

void CalculatorModel::CatchUpStraightRows() {
  RowsAtOnce& plan = rowsAtOnce_;
  if (!plan.pendingStraight) return;
  plan.pendingStraight = false;
  // The last row written straight, typed again from the boxes that hold it.
  std::array<std::string, kMappedBoxCount> copies;
  std::array<std::string_view, kMappedBoxCount> texts{};
  for (int i = 0; i < plan.typedCount; ++i) {
    const int box = plan.typedBoxes[i];
    copies[static_cast<std::size_t>(box)] = controls_.entryBoxes[box].text;
    texts[static_cast<std::size_t>(box)] = copies[static_cast<std::size_t>(box)];
  }
  const FlagScope catchingUp(plan.catchingUp);
  if (TypeRowAtOnce(texts)) return;
  // Not reached (the row was read so once already); typed box by box then.
  for (int i = 0; i < plan.typedCount; ++i) {
    const int box = plan.typedBoxes[i];
    SetEntryText(box, copies[static_cast<std::size_t>(box)]);
  }
}

}  // namespace Lodema
