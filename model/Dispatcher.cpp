// SPDX-License-Identifier: MIT
#include "model/Dispatcher.h"

#include <exception>

#include "calc/Catalogue.h"
#include "calc/CoreConventions.h"
#include "model/CalculatorModel.h"
#include "orient/TextParsing.h"

namespace Lodema {

void CalculatorModel::Calculate() {
  try {
    lastCalcStatus_ = Dispatcher(*this).Run();
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

Dispatcher::Dispatcher(CalculatorModel& model) : m_(model) {}

CalcStatus Dispatcher::Run() {
  const RowSchema schema = m_.Schema();
  ShowHint(schema);
  EntryTexts texts;
  for (int box = 0; box < kEntryBoxCount; ++box) texts[box] = m_.controls_.entryBoxes[box].text;
  const ParsedRow parsed = ParseRow(texts, schema);
  if (parsed.status != ParseStatus::kReady) {
    m_.ReportFailure("error in entry");
    return CalcStatus::kInvalidEntry;
  }
  const CalcOutcome out = ComputeRow(parsed.inputs, schema, !m_.BatchRunning());
  ShowMessage(out);
  if (!out.Failed() && !m_.BatchRunning()) ShowSenseAlongStrikeNote(out, schema);
  if (out.beep) m_.beeper().Beep();
  const RowResult result = FormatOutcome(out, parsed.inputs, schema);
  if (Present(out, result, schema) && m_.plot().IsShowing())
    m_.plot().AddNewDataPoint(result.record);
  return out.status;
}

void Dispatcher::ShowHint(const RowSchema& schema) {
  if (m_.BatchRunning()) {
    m_.ClearMessage();
    return;
  }
  const CalculationInfo& info = *schema.info;
  std::string hint;
  if (info.IsCore()) {
    hint = CoreHint(m_.settings().PlungeName, schema.core);
  } else if (info.UnfoldsLine()) {
    hint = "Use -ve values for line plunge to show upward polarity";
  } else if (info.c == WindowUse::kObtuseFlag) {
    hint = "Indicate ('Y') if obtuse angle is to be used (acute is default)";
  }
  m_.SetMessage(hint);
}

void Dispatcher::ShowMessage(const CalcOutcome& out) {
  const std::string& text = m_.BatchRunning() ? out.batchMessage : out.message;
  if (text.empty()) return;
  if (out.Failed()) {
    m_.ReportFailure(text);
  } else {
    m_.SetMessage(text);
  }
}

void Dispatcher::ShowSenseAlongStrikeNote(const CalcOutcome& out, const RowSchema& schema) {
  if (!OrientGeometry::HasSenseLetters(schema.in.plane)) return;
  const auto& boxes = m_.controls_.entryBoxes;
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
  m_.SetMessage(out.message.empty() ? note : out.message + "  " + note);
}

bool Dispatcher::Present(const CalcOutcome& out, const RowResult& result, const RowSchema& schema) {
  if (out.noResult) {
    m_.WriteNoResult();
    return false;
  }
  auto& values = m_.controls_.resultValues;
  for (int box = 0; box < 12; ++box) values[box].caption = result.texts[box];
  if (schema.extraResultShown) {
    values[12].caption = result.texts[12];
    values[13].caption = result.texts[13];
  }
  m_.controls_.resultFrames[1].visible = result.referenceFrame;
  m_.controls_.resultFrames[2].visible = result.ambiguousFrame;
  return true;
}

}  // namespace Lodema
