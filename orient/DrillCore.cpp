// SPDX-License-Identifier: MIT
#include "orient/DrillCore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "orient/ConeSweep.h"
#include "orient/Constructions.h"
#include "orient/LinesInPlanes.h"
#include "orient/Primitives.h"
#include "orient/Rotation.h"

namespace OrientGeometry {

namespace {

// A result this close to vertical has no meaningful trend.
constexpr double kVerticalResultTolerance = 1e-10;
// Cone angles of the reference-plane pole treated as 0 and as pi/2.
constexpr double kZeroConeTolerance = 1e-6;
constexpr double kRightConeTolerance = 1e-5;

// Ellipse mark of the reference plane whose pole is (polePlunge, poleTrend),
// in frame-trend numbers of the core (angle around the core plus the core
// trend). The pole's side of the core is the top of the ellipse in a
// downward core and its bottom in an upward one.
double EllipseMark(double polePlunge, double poleTrend, double corePlunge, double coreTrend,
                   EllipseEnd markEnd) {
  const double poleSide = LineInAxisFrame(polePlunge, poleTrend, corePlunge, coreTrend).azimuth;
  const double bottom = corePlunge < 0.0 ? poleSide : AddAngles(poleSide, kPi);
  return markEnd == EllipseEnd::kBottom ? bottom : AddAngles(bottom, kPi);
}

}  // namespace

Line OrientedCore(CoreFeature mode, double beta, double gamma, double inclination,
                  double corePlunge, double coreTrend) {
  const bool upward = corePlunge < 0.0;
  const double b = upward ? AddAngles(beta, kPi) : beta;
  double z;
  double x;
  if (mode == kCorePlane) {
    // The pole in frame numbers: its angle from the cross-section of the
    // core, and its direction around the core opposite the beta.
    x = AddAngles(coreTrend, b + kPi);
    z = kHalfPi - inclination;
  } else {
    x = AddAngles(coreTrend, b);
    z = inclination;
    const double g = upward ? AddAngles(gamma, kTwoPi) : AddAngles(gamma, kPi);
    if (mode == kCoreLineInPlane) {
      // (z, x) as a plane in frame numbers; the line at hade g within it.
      const Line inPlane = LineFromHadeInPlane(z, x, g);
      z = inPlane.angle;
      x = inPlane.azimuth;
    }
  }
  Line out = LineInAxisFrame(z, x, std::fabs(corePlunge), AddAngles(coreTrend, kPi));
  if (std::fabs(out.angle - kHalfPi) < kVerticalResultTolerance) {
    out.azimuth = mode == kCorePlane ? WrapRadians(coreTrend + kPi) : WrapRadians(coreTrend);
  }
  return out;
}

// Frame-trend numbers grow clockwise looking down the core axis, the sense
// of OrientedCore's beta; these angles turn the same way on upward cores, so
// that one logging habit serves every core calculation.
double AngleToBottomMark(double polePlunge, double poleTrend, double corePlunge, double coreTrend,
                         EllipseEnd markEnd) {
  const double mark = EllipseMark(polePlunge, poleTrend, corePlunge, coreTrend, markEnd);
  const double bottomMark = AddAngles(coreTrend, kPi);
  return ClockwiseAngle(mark, bottomMark);
}

Line RefPlaneBMCalc(double angle, double inclination, double polePlunge, double poleTrend,
                    double corePlunge, double coreTrend, EllipseEnd markEnd, bool lineMode) {
  const double bottomMark = AddAngles(coreTrend, kPi);
  const double mark = EllipseMark(polePlunge, poleTrend, corePlunge, coreTrend, markEnd);
  // The feature's own mark, of the same kind (top or bottom) as the
  // reference plane's; OrientedCore below wants its bottom.
  double featureMark = AddAngles(angle, mark);
  if (markEnd == EllipseEnd::kTop) featureMark = AddAngles(featureMark, kPi);
  const double fromBottomMark = ClockwiseAngle(bottomMark, featureMark);
  // Bottom of the feature -> its top, the beta OrientedCore takes.
  const double beta = AddAngles(fromBottomMark, -kPi);
  return OrientedCore(lineMode ? kCoreLine : kCorePlane, beta, 0.0, inclination, corePlunge,
                      coreTrend);
}

Line LineFromBetaInRefPlane(double angle, double corePlunge, double coreTrend, double polePlunge,
                            double poleTrend) {
  // The reference plane as the core shows it: its pole in the core frame,
  // taken on the side down the core axis (the frame trend names that side
  // whatever the sign of the frame plunge).
  const Line framePole = LineInAxisFrame(polePlunge, poleTrend, corePlunge, coreTrend);
  const double fromCross = std::fabs(framePole.angle);
  if (fromCross >= kAxisFrameTolerance && kHalfPi - fromCross >= kAxisFrameTolerance) {
    // An ellipse with a long axis: the line OrientedCore gives for this
    // plane from its beta (bottom mark to the top of the ellipse) and
    // inclination, so that gamma means the same on both kinds of core.
    const double inclination = kHalfPi - fromCross;
    const double topSide = corePlunge < 0.0 ? AddAngles(framePole.azimuth, kPi) : framePole.azimuth;
    const double beta = ClockwiseAngle(AddAngles(coreTrend, kPi), topSide);
    return OrientedCore(kCoreLineInPlane, beta, angle, inclination, corePlunge, coreTrend);
  }

  // No long axis: a plane across the core (a circle) or along it (two
  // straight lines). Gamma runs from the down-dip line, or from the lower end
  // of the core axis, clockwise seen from above; an upward core reverses it.
  const Plane reference = NormalOf(polePlunge, poleTrend);
  const std::optional<Plane> throughAxis =
      PlaneContainingLines(corePlunge, coreTrend, polePlunge, poleTrend);
  double hade = 0.0;  // down-dip line: the fallback for a circular trace
  if (throughAxis) {
    const std::optional<Line> longAxis = IntersectPlanes(reference, *throughAxis);
    if (longAxis) {
      const std::optional<PitchResult> pitch = PitchOfLineInPlane(reference, *longAxis);
      if (pitch) {
        hade = SenseAngleFromStrike(reference.azimuth, std::fabs(pitch->pitch), pitch->sense);
      }
    }
  }
  hade = WrapRadians(hade + angle);
  if (corePlunge < 0.0) hade = WrapRadians(hade + kPi);
  return LineFromHadeInPlane(reference, hade);
}

namespace {

// Preference between two candidate reference planes when the dip-direction
// bracket has not decided. Lower is better.
struct Preference {
  double primary = 0.0;
  double secondary = 0.0;
};

// How far the dip lies outside the chosen range (0 inside it), then, for two
// dips inside, how far from the middle of the range (15, 45 or 75 degrees).
Preference DipPreference(double dip, SteepDipRange steepDip) {
  const double low[] = {0.0, kPi / 6.0, kPi / 3.0};
  const double high[] = {kPi / 6.0, kPi / 3.0, kHalfPi};
  const auto range = static_cast<std::size_t>(steepDip);
  const double lo = low[range], hi = high[range];
  Preference p;
  p.primary = dip < lo ? lo - dip : (dip > hi ? dip - hi : 0.0);
  p.secondary = std::fabs(dip - (lo + hi) / 2.0);
  return p;
}

bool Prefer(const Preference& a, const Preference& b) {
  if (a.primary != b.primary) return a.primary < b.primary;
  return a.secondary < b.secondary;
}

Line NonNegative(Line pole) {
  pole.angle = std::fabs(pole.angle);
  return pole;
}

}  // namespace

namespace {

// Whether the second of two candidate poles is preferred where the dip
// direction has not decided: for an approximate orientation, the pole nearer
// the approximate plane's pole; otherwise the plane whose dip lies in the
// chosen SteepDip range, or, if both or neither do, the one nearer that
// range, and for two inside it the one nearer the middle of the range. An
// exact tie keeps the sweep's order.
bool SecondPreferred(const Line& pole1, const Line& pole2, ReferenceDirection given,
                     const Line& approximatePole, SteepDipRange steepDip) {
  if (given == ReferenceDirection::kApproximate) {
    const double to1 = AngleBetweenLines(pole1.angle, pole1.azimuth, approximatePole.angle,
                                         approximatePole.azimuth, false);
    const double to2 = AngleBetweenLines(pole2.angle, pole2.azimuth, approximatePole.angle,
                                         approximatePole.azimuth, false);
    return to2 < to1;
  }
  return Prefer(DipPreference(NormalOf(pole2).angle, steepDip),
                DipPreference(NormalOf(pole1).angle, steepDip));
}

}  // namespace

RefPlaneSolutions RefPlaneFromDeltaAngle(double corePlunge, double coreTrend, double coneAngle,
                                         double refPlunge, double refDirection,
                                         ReferenceDirection given, SteepDipRange steepDip) {
  const double c = coneAngle;
  RefPlaneSolutions out;

  if (std::fabs(c) < kZeroConeTolerance) {
    // The pole is the core axis itself.
    out.first = NonNegative({corePlunge, coreTrend});
    return out;
  }

  // The reference line, and for a known or approximate dip direction the
  // approximate plane's pole (only its trend matters for a known direction).
  const bool dipDirectionKnown =
      given == ReferenceDirection::kDipDirection || given == ReferenceDirection::kApproximate;
  const double approximateDip = given == ReferenceDirection::kApproximate ? refPlunge : 0.0;
  Line reference;
  reference.angle = given == ReferenceDirection::kFoldAxis ? refPlunge : 0.0;
  reference.azimuth = dipDirectionKnown ? AddAngles(refDirection, -kHalfPi) : refDirection;
  const Line approximatePole = PlaneToPole(approximateDip, refDirection);

  // Every candidate pole lies in the plane normal to the reference line.
  const Plane poleCircle = NormalOf(reference);
  if (std::fabs(c - kHalfPi) < kRightConeTolerance) {
    // The reference plane contains the core axis. A reference line along
    // the core leaves every such plane possible: no unique answer.
    const std::optional<Line> pole = IntersectPlanes(NormalOf(corePlunge, coreTrend), poleCircle);
    if (pole && std::isfinite(pole->azimuth)) out.first = *pole;
    return out;
  }

  Line inFrame =
      LineInAxisFrame(reference.angle, reference.azimuth, std::fabs(corePlunge), coreTrend);
  inFrame.angle = std::fabs(inFrame.angle);
  const ConeHits hits = SweepCone(c, inFrame);
  if (hits.groups == 0) return out;

  const double back = AddAngles(coreTrend, kPi);
  const auto geographic = [&](const Line& framePole) {
    return NonNegative(
        LineInAxisFrame(framePole.angle, framePole.azimuth, std::fabs(corePlunge), back));
  };
  Line pole1 = geographic(hits.best[0]);
  if (hits.groups == 1) {
    // A known dip direction fixes the pole's trend.
    if (dipDirectionKnown) pole1.azimuth = approximatePole.azimuth;
    out.first = pole1;
    return out;
  }

  Line pole2 = geographic(hits.best[1]);
  if (dipDirectionKnown) {
    // The known dip direction decides when only one plane dips within two
    // degrees of it.
    double low = refDirection - kPi / 90.0;
    double high = refDirection + kPi / 90.0;
    WrapRadiansInPlace(low);
    WrapRadiansInPlace(high);
    const bool in1 = IsAngleBetween(low, NormalOf(pole1).azimuth, high);
    const bool in2 = IsAngleBetween(low, NormalOf(pole2).azimuth, high);
    if (in1 != in2) {
      out.first = in1 ? pole1 : pole2;
      return out;
    }
  }

  if (SecondPreferred(pole1, pole2, given, approximatePole, steepDip)) std::swap(pole1, pole2);
  out.first = pole1;
  const double apart = RadiansToDegrees(
      AngleBetweenLines(pole1.angle, pole1.azimuth, pole2.angle, pole2.azimuth, false));
  if (apart >= 1.0) out.second = pole2;
  return out;
}

}  // namespace OrientGeometry
