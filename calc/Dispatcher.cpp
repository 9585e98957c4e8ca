// SPDX-License-Identifier: MIT
#include "calc/Dispatcher.h"

#include <exception>

#include "calc/CalculatorModel.h"
#include "calc/Catalogue.h"

namespace Lodema {

void CalculatorModel::Calculate() {
  try {
    lastCalcStatus_ = Dispatcher(*this).Run();
  } catch (const std::exception& fault) {
    // A run must never take the window down with it; say what happened and
    // carry on (a batch run rejects the row).
    lastCalcStatus_ = CalcStatus::kGeometricError;
    ReportFailure(std::string("Error - the calculation could not be completed: ") + fault.what());
  }
}

Dispatcher::Dispatcher(CalculatorModel& model) : m_(model) {}

void Dispatcher::Start() {
  n_ = m_.Calculation();
  info_ = &CalculationAt(n_);
  const Settings& s = m_.settings();
  conv_ = {s.CoreConv,    s.CoreUpTrend, s.ZenithConv, s.deltaNormal,
           s.EllipseBase, s.BottomMark,  s.BetaConv};
  if (ran_) {
    // Calculate makes a new dispatcher, empty, for every run (every row of
    // a batch); a second run of the same one must start out the same way.
    record_ = {};
    geo_ = {};
    core_ = {};
  }
  ran_ = true;
  record_.calculation = n_;
  geo_.calculation = n_;
  geo_.screenNotes = !m_.BatchRunning();
}

bool Dispatcher::ReadInputs() {
  if (!ReadWindows()) return false;
  if (info_->IsCore()) ApplyCoreConventions();
  ReadSectionTrend();
  return true;
}

CalcOutcome Dispatcher::Compute() const {
  if (info_->result == ResultKind::kManualSolution) {
    CalcOutcome manual;
    manual.status = CalcStatus::kManualSolution;
    manual.Say("Manual solution using stereo only");
    return manual;
  }
  return info_->IsCore() ? ComputeCore(core_) : ComputeGeometry(geo_);
}

bool Dispatcher::ReadQuietly() {
  Start();
  return ReadInputs();
}

CalcStatus Dispatcher::Run() {
  Start();
  ShowHint();
  if (!ReadInputs()) {
    m_.ReportFailure("error in entry");
    return CalcStatus::kInvalidEntry;
  }
  const CalcOutcome out = Compute();
  ShowMessage(out);
  if (!out.Failed() && !m_.BatchRunning()) ShowSenseAlongStrikeNote(out);
  if (out.beep) m_.beeper().Beep();
  if (Present(out)) Plot();
  return out.status;
}

void Dispatcher::ShowHint() {
  if (m_.BatchRunning()) {
    // A batch run rejects a row by the panel's text: nothing of an earlier
    // row may remain in it.
    m_.ClearMessage();
    return;
  }
  std::string hint;
  if (info_->IsCore()) {
    hint = CoreHint(m_.settings().PlungeName, conv_);
  } else if (info_->UnfoldsLine()) {
    hint = "Use -ve values for line plunge to show upward polarity";
  } else if (info_->c == WindowUse::kObtuseFlag) {
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

void Dispatcher::ShowSenseAlongStrikeNote(const CalcOutcome& out) {
  const std::string note = m_.SenseAlongStrikeNote();
  if (note.empty()) return;
  // After the calculation's own note, if any; a note never rejects a row.
  m_.SetMessage(out.message.empty() ? note : out.message + "  " + note);
}

void Dispatcher::Plot() {
  // A row typed again to catch up was given to the stereonet when it was
  // written straight.
  if (m_.plot().IsShowing() && !m_.rowsAtOnce_.catchingUp) m_.plot().AddNewDataPoint(record_);
}

const CalculationRecord& Dispatcher::RecordWithResult(const CalcOutcome& out) {
  // As Present records the main result.
  if (info_->result == ResultKind::kLine) {
    OrientGeometry::Orientation line = out.result;
    if (!m_.settings().ShowPolaritySign) line.angle = std::fabs(line.angle);
    SetRow(0, 2, line.angle, line.azimuth);
  } else if (info_->result == ResultKind::kPlane) {
    SetRow(0, 1, out.result.angle, out.result.azimuth);
  }
  return record_;
}

}  // namespace Lodema
