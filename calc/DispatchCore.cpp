// SPDX-License-Identifier: MIT
#include "calc/DispatchCore.h"

#include <optional>

#include "calc/Catalogue.h"
#include "orient/Constructions.h"
#include "orient/DrillCore.h"
#include "orient/Primitives.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

// The plane that a fully oriented core's beta and inclination describe.
Plane PlaneInOrientedCore(double beta, double inclination, const Line& core) {
  return NormalOf(OrientedCore(kCorePlane, beta, 0.0, inclination, core.angle, core.azimuth));
}

CalcOutcome OrientedCoreResult(const CoreInputs& in) {
  CalcOutcome out;
  const Line& core = in.coreAxis;
  switch (in.calculation) {
    case 17:
      out.result = PlaneInOrientedCore(in.betaA, in.inclinationA, core);
      break;
    case 18:
      out.result =
          OrientedCore(kCoreLine, in.betaA, 0.0, in.inclinationA, core.angle, core.azimuth);
      break;
    default:
      out.result = OrientedCore(kCoreLineInPlane, in.betaA, in.gamma, in.inclinationA, core.angle,
                                core.azimuth);
      out.hasPlaneSolution = true;
      out.planeSolution = PlaneInOrientedCore(in.betaA, in.inclinationA, core);
      break;
  }
  return out;
}

// What one reference plane (given by its pole) yields in a calculation that
// works from a reference plane, by what its windows hold: the plane itself,
// a plane or line from beta and alpha in B, a line from gamma in B, or the
// angle to the orientation mark (in angle; the orientation is then empty).
Orientation FromReference(const CalculationInfo& info, const CoreInputs& in, const Line& pole,
                          double& angle) {
  const Line& core = in.coreAxis;
  if (info.resultIsReferencePlane) return NormalOf(pole);
  if (info.b == WindowUse::kBetaAlpha) {
    const bool lineMode = info.result == ResultKind::kLine;
    const Line r = RefPlaneBMCalc(in.betaB, in.inclinationB, pole.angle, pole.azimuth, core.angle,
                                  core.azimuth, in.ellipseEnd, lineMode);
    return lineMode ? r : NormalOf(r);
  }
  if (info.HasLineInPlane()) {
    return LineFromBetaInRefPlane(in.gamma, core.angle, core.azimuth, pole.angle, pole.azimuth);
  }
  angle = AngleToBottomMark(pole.angle, pole.azimuth, core.angle, core.azimuth, in.ellipseEnd);
  // The angle runs to the orientation mark, wherever it is on the core.
  if (in.mark == OrientationMark::kTop) angle = AddAngles(angle, kPi);
  return {};
}

CalcOutcome ReferencePlaneResult(const CalculationInfo& info, const CoreInputs& in) {
  CalcOutcome out;
  out.hasReference = true;
  Line firstPole;
  std::optional<Line> secondPole;
  if (info.UsesFixedReferencePlane()) {
    firstPole = PlaneToPole(in.reference.angle, in.reference.azimuth);
  } else {
    const RefPlaneSolutions s = RefPlaneFromDeltaAngle(
        in.coreAxis.angle, in.coreAxis.azimuth, in.coneAngle, in.reference.angle,
        in.reference.azimuth, in.referenceGives, in.steepDip);
    if (!s.first) {
      out.noResult = true;
      out.hasReference = false;
      out.Fail("no solution found");
      return out;
    }
    firstPole = *s.first;
    secondPole = s.second;
  }
  out.reference = NormalOf(firstPole);
  out.result = FromReference(info, in, firstPole, out.angle);
  if (secondPole) {
    double unused = 0.0;
    out.secondSolution =
        ReferencePlaneSolution{NormalOf(*secondPole), FromReference(info, in, *secondPole, unused)};
    out.Say("Note: Two ambiguous solutions found!!");
  }
  return out;
}

}  // namespace

CalcOutcome ComputeCore(const CoreInputs& in) {
  const CalculationInfo& info = CalculationAt(in.calculation);
  if (info.IsOrientedCore()) return OrientedCoreResult(in);
  return ReferencePlaneResult(info, in);
}

}  // namespace Lodema
