// SPDX-License-Identifier: MIT
// Drill-core geometry: planes and lines measured on a core (alpha, beta and
// gamma angles) turned into geographic orientations, for fully oriented cores
// and for partially oriented cores with a reference plane. Radians
// throughout; lines are (plunge, trend), planes (dip, dip direction).
//
// The core frame is that of LineInAxisFrame (orient/Rotation.h) on the core
// axis (|plunge|, trend): frame down along the axis, frame north the top line
// of the core, frame east horizontal to the right. A negative core plunge is
// a hole drilled upward. The bottom-mark line lies opposite the top line.
// The top of an ellipse (or the top end of a line) is the point nearest the
// collar; the bottom is opposite it, pi around the core.
#pragma once

#include <optional>

#include "orient/Records.h"

namespace OrientGeometry {

// The end of an ellipse (or of a line's trace) an angle around the core is
// measured at: the top, nearest the collar, or the bottom opposite it.
enum class EllipseEnd { kTop, kBottom };

// What OrientedCore builds from the angles.
enum CoreFeature : int {
  kCorePlane = 0,        // a plane; the result is its pole
  kCoreLine = 1,         // a line
  kCoreLineInPlane = 2,  // a line at angle gamma within a plane
};

// A plane or line in a fully oriented core. beta: angle around the core from
// the bottom-mark line, clockwise looking down the core axis, to the top of
// the ellipse or the line (the caller has applied its conventions); any value,
// wrapped. inclination: pi/2 minus the angle between the feature and the core
// axis ([0, pi/2]; for a plane the angle between its normal and the axis).
// gamma (kCoreLineInPlane only): the line's angle within the plane from the
// ellipse's long axis. Returns the plane's pole for kCorePlane, else the line
// (a negative plunge points up). A vertical result gets trend coreTrend + pi
// (plane) or coreTrend (line). Any other mode value counts as kCoreLine.
Line OrientedCore(CoreFeature mode, double beta, double gamma, double inclination,
                  double corePlunge, double coreTrend);

// Clockwise angle around the core, [0, two pi), from the ellipse mark of the
// reference plane whose pole is (polePlunge, poleTrend) to the bottom-mark
// line. The mark is the markEnd end of the ellipse. Clockwise is seen
// looking down the core axis, as for OrientedCore's beta, on upward cores
// too: the beta of the mark read from the bottom-mark line, as OrientedCore
// takes it, is minus this angle.
double AngleToBottomMark(double polePlunge, double poleTrend, double corePlunge, double coreTrend,
                         EllipseEnd markEnd);

// A plane (returns its pole) or, with lineMode, a line in a partially
// oriented core: `angle` is its beta measured clockwise looking down the core
// axis, as in AngleToBottomMark, from the reference plane's ellipse mark (the
// markEnd end of both ellipses, so the answer does not depend on the
// convention): the feature's beta from the bottom-mark line minus the
// reference plane's. Inclination as in OrientedCore; (polePlunge, poleTrend)
// the reference plane's pole.
Line RefPlaneBMCalc(double angle, double inclination, double polePlunge, double poleTrend,
                    double corePlunge, double coreTrend, EllipseEnd markEnd, bool lineMode);

// The line lying in the reference plane (pole polePlunge, poleTrend, either
// end) at `angle` (gamma, any value) from the top of its ellipse's long axis,
// the end nearest the collar, turning clockwise looking down the core axis:
// the line OrientedCore's kCoreLineInPlane gives for that plane on the core,
// pointing toward the top at angle 0 (a negative plunge points up).
// Without a long axis, a plane normal to the core (a circular trace) or one
// containing the core axis (within 1e-5 radian), the angle runs from the
// plane's down-dip line, or from the lower end of the core axis, clockwise
// seen from above, and the line is reversed end for end on an upward core.
Line LineFromBetaInRefPlane(double angle, double corePlunge, double coreTrend, double polePlunge,
                            double poleTrend);

// Reference-plane solutions: poles with plunge in [0, pi/2]. first is empty
// when no plane fits; second holds a second plane at least a degree from the
// first, when one remains.
struct RefPlaneSolutions {
  std::optional<Line> first;
  std::optional<Line> second;
};

// What the reference line of a partially oriented core gives.
enum class ReferenceDirection {
  kDipDirection,  // the reference line's direction is the dip direction
  kStrike,        // the reference line is the strike (horizontal)
  kFoldAxis,      // the reference line (with its plunge) lies in the plane
  kApproximate,   // the reference gives the approximate dip and dip direction
};
// The range the plane's dip is expected in, which picks one of two solutions.
enum class SteepDipRange { kBelow30, k30To60, kAbove60 };

// The reference plane of a partially oriented core whose pole lies at
// coneAngle from the core axis and at right angles to the reference line
// (refPlunge, refDirection), found by a sweep around the cone in steps of a
// tenth of a degree. Up to two solutions; where two remain, the first is the
// preferred one (see the source for the order of preference).
RefPlaneSolutions RefPlaneFromDeltaAngle(double corePlunge, double coreTrend, double coneAngle,
                                         double refPlunge, double refDirection,
                                         ReferenceDirection given, SteepDipRange steepDip);

}  // namespace OrientGeometry
