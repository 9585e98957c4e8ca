// SPDX-License-Identifier: MIT
// One run of the current calculation in the main window.
#include <exception>

#include "calc/Catalogue.h"
#include "calc/CoreConventions.h"
#include "model/CalculatorModel.h"
#include "orient/TextParsing.h"

namespace Lodema {

void CalculatorModel::Calculate() {
  try {
    lastCalcStatus_ = RunCalculation();
  } catch (const std::exception& fault) {
    // A run must never take the window down with it; say what happened and
    // carry on.
    lastCalcStatus_ = CalcStatus::kGeometricError;
    ReportFailure(std::string("Error - the calculation could not be completed: ") + fault.what());
  }
}

RowSchema CalculatorModel::Schema() const {
  return MakeRowSchema(calculation_, settings_, controls_.apparentDipBox.checked, localeMark_);
}

CalcStatus CalculatorModel::RunCalculation() {
  const RowSchema schema = Schema();
  ShowRunHint(schema);
  EntryTexts texts;
  for (int box = 0; box < kEntryBoxCount; ++box) texts[box] = controls_.entryBoxes[box].text;
  const ParsedRow parsed = ParseRow(texts, schema);
  if (parsed.status != ParseStatus::kReady) {
    ReportFailure("error in entry");
    return CalcStatus::kInvalidEntry;
  }
  const CalcOutcome out = ComputeRow(parsed.inputs, schema, !BatchRunning());
  ShowRunMessage(out);
  if (!out.Failed() && !BatchRunning()) ShowSenseAlongStrikeNote(out, schema);
  if (out.beep) beeper().Beep();
  const RowResult result = FormatOutcome(out, parsed.inputs, schema);
  if (PresentResult(out, result, schema) && plot().IsShowing())
    plot().AddNewDataPoint(result.record);
  return out.status;
}

void CalculatorModel::ShowRunHint(const RowSchema& schema) {
  if (BatchRunning()) {
    ClearMessage();
    return;
  }
  const CalculationInfo& info = *schema.info;
  std::string hint;
  if (info.IsCore()) {
    hint = CoreHint(settings_.PlungeName, schema.core);
  } else if (info.UnfoldsLine()) {
    hint = "Use -ve values for line plunge to show upward polarity";
  } else if (info.c == WindowUse::kObtuseFlag) {
    hint = "Indicate ('Y') if obtuse angle is to be used (acute is default)";
  }
  SetMessage(hint);
}

void CalculatorModel::ShowRunMessage(const CalcOutcome& out) {
  const std::string& text = BatchRunning() ? out.batchMessage : out.message;
  if (text.empty()) return;
  if (out.Failed()) {
    ReportFailure(text);
  } else {
    SetMessage(text);
  }
}

void CalculatorModel::ShowSenseAlongStrikeNote(const CalcOutcome& out, const RowSchema& schema) {
  if (!OrientGeometry::HasSenseLetters(schema.in.plane)) return;
  const auto& boxes = controls_.entryBoxes;
  const OrientGeometry::DecimalMark mark = schema.localeMark;
  std::string note;
  // Window D never holds a strike. The row was read, so every shown box is
  // valid.
  for (int window = 0; window < 3; ++window) {
    const WindowBoxIndex& plane = schema.windowBoxes[static_cast<std::size_t>(window)];
    if (!plane.hasDip || plane.direction < 0 || plane.sense < 0) continue;
    std::string strike = boxes[plane.direction].text;
    if (schema.in.azimuth == OrientGeometry::AzimuthStyle::kQuadrant) {
      strike = OrientGeometry::QuadrantToAzimuthText(strike, mark).value_or("");
    }
    const std::string& sense = boxes[plane.sense].text;
    if (!OrientGeometry::SenseAlongStrike(strike, sense, mark)) continue;
    const std::string taken = FormatAngleFixed(
        OrientGeometry::StrikeAndSenseToDipDirectionText(strike, sense, mark).value_or(""), 2,
        schema.output.decimalChar, true);
    if (!note.empty()) note += "  ";
    note += "Note: sense " + sense + " lies along the strike of plane " +
            std::string(1, static_cast<char>('A' + window)) + ": taken as dipping to " + taken;
  }
  if (note.empty()) return;
  // After the calculation's own note, if any; a note never rejects a row.
  SetMessage(out.message.empty() ? note : out.message + "  " + note);
}

bool CalculatorModel::PresentResult(const CalcOutcome& out, const RowResult& result,
                                    const RowSchema& schema) {
  if (out.noResult) {
    WriteNoResult();
    return false;
  }
  auto& values = controls_.resultValues;
  for (int box = 0; box < 12; ++box) values[box].caption = result.texts[box];
  if (schema.extraResultShown) {
    values[12].caption = result.texts[12];
    values[13].caption = result.texts[13];
  }
  controls_.resultFrames[1].visible = result.referenceFrame;
  controls_.resultFrames[2].visible = result.ambiguousFrame;
  return true;
}

}  // namespace Lodema
