#include "calc/DispatchCore.h"

#include "orient/Constructions.h"
#include "orient/DrillCore.h"
#include "orient/Primitives.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

bool FixedReference(int n) { return n >= 37 && n <= 41 && n != 40; }

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

// What one reference plane (given by its pole) yields in calculation n: a
// plane, a line or an angle (in the angle slot's place, azimuth).
Orientation FromReference(const CoreInputs& in, const Line& pole, double& angle) {
  const Line& core = in.coreAxis;
  switch (in.calculation) {
    case 20:
      return NormalOf(pole);
    case 21:
    case 23:
    case 37:
    case 39: {
      const bool lineMode = in.calculation == 23 || in.calculation == 39;
      const Line r = RefPlaneBMCalc(in.betaB, in.inclinationB, pole.angle, pole.azimuth, core.angle,
                                    core.azimuth, in.ellipseBase, lineMode);
      return lineMode ? r : NormalOf(r);
    }
    case 22:
    case 38:
      return LineFromBetaInRefPlane(in.gamma, core.angle, core.azimuth, pole.angle, pole.azimuth);
    default: {  // 40, 41
      angle = AngleToBottomMark(pole.angle, pole.azimuth, core.angle, core.azimuth, in.ellipseBase);
      // The angle runs to the orientation mark, wherever it is on the core.
      if (!in.bottomMark) angle = AddAngles(angle, kPi);
      return {};
    }
  }
}

CalcOutcome ReferencePlaneResult(const CoreInputs& in) {
  CalcOutcome out;
  out.hasReference = true;
  Line firstPole;
  bool second = false;
  Line secondPole;
  if (FixedReference(in.calculation)) {
    firstPole = PlaneToPole(in.reference.angle, in.reference.azimuth);
  } else {
    const RefPlaneSolutions s =
        RefPlaneFromDeltaAngle(in.coreAxis.angle, in.coreAxis.azimuth, in.coneAngle,
                               in.reference.angle, in.reference.azimuth, in.refDirn, in.steepDip);
    if (!s.first) {
      out.noResult = true;
      out.hasReference = false;
      out.Fail("Error - no solution found");
      return out;
    }
    firstPole = *s.first;
    second = s.second.has_value();
    if (second) secondPole = *s.second;
  }
  out.reference = NormalOf(firstPole);
  out.result = FromReference(in, firstPole, out.angle);
  if (second) {
    double unused = 0.0;
    out.secondReference = NormalOf(secondPole);
    out.secondResult = FromReference(in, secondPole, unused);
    out.Say("Note: Two ambiguous solutions found!!");
  }
  return out;
}

}  // namespace

CalcOutcome ComputeCore(const CoreInputs& in) {
  if (in.calculation >= 17 && in.calculation <= 19) return OrientedCoreResult(in);
  return ReferencePlaneResult(in);
}

}  // namespace Lodema
