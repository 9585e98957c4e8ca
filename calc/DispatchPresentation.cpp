// SPDX-License-Identifier: MIT
// Writing a calculation's outcome into the result windows: the main result,
// the reference-plane and plane solutions, and the apparent dip or pitch.
#include <cmath>
#include <optional>
#include <string>

#include "calc/CalculatorModel.h"
#include "calc/Catalogue.h"
#include "calc/Dispatcher.h"
#include "orient/Constructions.h"
#include "orient/LinesInPlanes.h"
#include "orient/Primitives.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

constexpr int kMainResultWindow = 4;
constexpr int kApparentResults = 3;  // ClearResultsWindows group of boxes 12, 13

}  // namespace

bool Dispatcher::Present(const CalcOutcome& out) {
  if (out.noResult) {
    m_.WriteNoResult();
    return false;
  }
  switch (info_->result) {
    case ResultKind::kLine: {
      Line line = out.result;
      if (!m_.settings().ShowPolaritySign) line.angle = std::fabs(line.angle);
      m_.WriteLineResult(kMainResultWindow, line);
      SetRow(0, 2, line.angle, line.azimuth);
      break;
    }
    case ResultKind::kPlane:
      m_.WritePlaneResult(kMainResultWindow, out.result);
      SetRow(0, 1, out.result.angle, out.result.azimuth);
      break;
    case ResultKind::kAngle:
      m_.WriteAngleResult(out.angle, out.sense);
      break;
    case ResultKind::kManualSolution:
      m_.WriteManualSolution();
      break;
  }
  ShowSolutions(out);
  ShowApparentDipOrPitch(out);
  return true;
}

void Dispatcher::ShowSolutions(const CalcOutcome& out) {
  auto& frames = m_.controls_.resultFrames;
  if (info_->SolvesApproxReferencePlane() && out.hasReference) {
    const ReferencePlaneSolution first{out.reference, out.result};
    std::optional<ReferencePlaneSolution> second = out.secondSolution;
    if (second && info_->result == ResultKind::kLine && !m_.settings().ShowPolaritySign) {
      second->result.angle = std::fabs(second->result.angle);
    }
    m_.ShowReferencePlaneSolutions(n_, first, second);
    return;
  }
  frames[2].visible = false;
  frames[1].visible = false;
  if (out.hasPlaneSolution) m_.ShowPlaneSolution(out.planeSolution);
}

void Dispatcher::ShowApparentDipOrPitch(const CalcOutcome& out) {
  const CheckBox& box = m_.controls_.apparentDipBox;
  if (!box.checked || !box.visible) return;
  const bool apparentDip = box.caption.find("app") != std::string::npos;
  if (!apparentDip) {
    // 19, 22 and 38: the pitch of the result line in its own plane.
    const Plane& plane = out.hasPlaneSolution ? out.planeSolution : out.reference;
    const std::optional<PitchResult> pitch = PitchOfLineInPlane(plane, out.result);
    if (!pitch) {
      m_.ClearResultsWindows(kApparentResults);
    } else {
      m_.WriteApparentResult(pitch->pitch, pitch->sense);
    }
    return;
  }
  // The apparent dip of the plane the calculation produced: its result, or
  // else its reference plane.
  const bool planeResult = info_->result == ResultKind::kPlane;
  if (!hasSection_ || (!planeResult && !out.hasReference)) {
    m_.ClearResultsWindows(kApparentResults);
    return;
  }
  const Plane& plane = planeResult ? out.result : out.reference;
  const Plane section{kHalfPi, AddAngles(sectionTrend_, kHalfPi)};
  const std::optional<Line> line = IntersectPlanes(plane, section);
  const std::optional<PitchResult> pitch = line ? PitchOfLineInPlane(section, *line) : std::nullopt;
  if (!pitch) {
    m_.ClearResultsWindows(kApparentResults);
    return;
  }
  m_.WriteApparentResult(pitch->pitch, pitch->sense);
}

}  // namespace Lodema
