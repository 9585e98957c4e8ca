// SPDX-License-Identifier: MIT
// What one calculation produced, before it is written into the result windows:
// the result itself, the note or error for the message panel, and for the
// drill-core calculations the reference-plane and plane solutions.
#pragma once

#include <optional>
#include <string>

#include "orient/Records.h"

namespace Lodema {

// One solution of a reference plane (radians) and what the calculation gives
// from that plane (a plane or a line).
struct ReferencePlaneSolution {
  OrientGeometry::Plane plane;
  OrientGeometry::Orientation result;
};

// How a run of a calculation ended. A batch run rejects the row on
// kInvalidEntry and kGeometricError.
enum class CalcStatus {
  kOk,
  kInvalidEntry,    // an entry the calculation needs could not be read
  kGeometricError,  // no (unique) answer, or an answer with an error message
  kManualSolution,  // no computed answer: the cones are drawn for a graphical solution
};

struct CalcOutcome {
  // The values were read but give no answer (or only a stand-in): reason
  // says why ("planes A and B coincide: no unique result"). The panel shows
  // it as an error, in a batch run too.
  void Fail(const std::string& reason) {
    status = CalcStatus::kGeometricError;
    failure = reason;
    message = batchMessage = "Error - " + reason;
  }
  // A message that a batch run must see as well.
  void Say(const std::string& text) { message = batchMessage = text; }
  // A note for the user at the screen only.
  void Note(const std::string& text) { message = text; }
  bool Failed() const {
    return status == CalcStatus::kInvalidEntry || status == CalcStatus::kGeometricError;
  }

  CalcStatus status = CalcStatus::kOk;

  OrientGeometry::Orientation result;  // a line or plane result, radians
  double angle = 0.0;                  // an angle result, radians
  std::string sense;                   // sense of the angle results 7, 10 and 28
  bool noResult = false;               // nothing to show: "-999" and no plot

  // For the message panel: message outside a batch run (empty keeps the
  // hint), batchMessage during one (empty writes nothing). Errors go to both,
  // notes only to message.
  std::string message;
  std::string batchMessage;
  std::string failure;  // the reason given to Fail, for a run's summary
  bool beep = false;    // beeps in a batch run too

  // Partially oriented cores (20-23, 37-41): the reference plane that gave
  // the result, and the second plane with what it gives when the cone allows
  // two.
  bool hasReference = false;
  OrientGeometry::Plane reference;
  std::optional<ReferencePlaneSolution> secondSolution;

  // 19: the plane that contains the result line.
  bool hasPlaneSolution = false;
  OrientGeometry::Plane planeSolution;
};

}  // namespace Lodema
