// SPDX-License-Identifier: MIT
// One run of the current calculation over the main window model: read the
// entry windows, apply the drill-core conventions, compute, and write the
// results, the message and the record that the projection draws.
#pragma once

#include <string>

#include "calc/CalculationRecord.h"
#include "calc/Catalogue.h"
#include "calc/CoreConventions.h"
#include "calc/DispatchCore.h"
#include "calc/DispatchGeometry.h"
#include "calc/DispatchOutcome.h"
#include "orient/Records.h"

namespace Lodema {

class CalculatorModel;

class Dispatcher {
 public:
  explicit Dispatcher(CalculatorModel& model);
  // Runs the model's current calculation once; how it ended.
  CalcStatus Run();
  // Run's reading of the entries, changing nothing in the model (no
  // message, result, record or plot); false when an entry cannot be read.
  // Compute then gives the outcome Run would show.
  bool ReadQuietly();
  CalcOutcome Compute() const;
  // The record Run gives the stereonet for an outcome with a result.
  const CalculationRecord& RecordWithResult(const CalcOutcome& out);
  // The record of the last run (also handed to the plot when it is shown).
  const CalculationRecord& Record() const { return record_; }

 private:
  // The steps of Run: the catalogue entry and conventions; the entries;
  // the outcome.
  void Start();
  bool ReadInputs();

  // Reading the windows (DispatchReading.cpp). Each returns false when an
  // entry the calculation needs cannot be read.
  bool ReadWindows();
  bool ReadWindowA();
  bool ReadWindowB();
  bool ReadWindowC();
  bool ReadWindowD();
  bool ReadOrientation(int window, bool asLine, OrientGeometry::Orientation& value,
                       std::string* sense = nullptr) const;
  bool ReadNumber(int box, double& radians) const;
  bool ReadDirection(int box, double& radians) const;
  bool ReadCoreAxisWithAlpha(int window, int row, bool applyZenith);
  bool ReadBetaAndAlpha(int betaBox, int alphaBox, int row);
  void SetRow(int row, int type, double first = 0.0, double second = 0.0);
  void ApplyCoreConventions();
  void ReadSectionTrend();

  // Writing the outcome (DispatchPresentation.cpp).
  void ShowHint();
  void ShowMessage(const CalcOutcome& out);
  void ShowSenseAlongStrikeNote(const CalcOutcome& out);
  bool Present(const CalcOutcome& out);
  void ShowSolutions(const CalcOutcome& out);
  void ShowApparentDipOrPitch(const CalcOutcome& out);
  void Plot();

  CalculatorModel& m_;
  int n_ = 0;
  const CalculationInfo* info_ = nullptr;  // the catalogue entry of n_
  CoreConventions conv_;
  GeometryInputs geo_;
  CoreInputs core_;
  CalculationRecord record_;
  bool ran_ = false;         // Run was called before: the inputs need clearing
  bool hasSection_ = false;  // a section trend for the apparent dip was read
  double sectionTrend_ = 0.0;
};

}  // namespace Lodema
