// SPDX-License-Identifier: MIT
// The drill-core conventions a user can choose (how a core axis is typed, what
// the alpha, beta and gamma angles are measured from) and the corrections that
// bring typed core values into the form the oriented-core geometry expects.
#pragma once

#include <string>

#include "orient/DrillCore.h"
#include "orient/Records.h"

namespace Lodema {

struct Settings;

// How a core plunge typed for a hole drilled downward is signed.
enum class DownwardCorePlunge { kPositive, kNegative };
// Which trend an upward core is typed with: that of its down-plunge end, the
// way the hole heads, or that of its up-plunge end, half a turn round.
enum class UpwardCoreTrend { kDownPlunge, kUpPlunge };
// How the core axis's inclination is typed: from the horizontal or from the
// vertical.
enum class CoreInclination { kPlunge, kZenith };
// What alpha (delta) is measured to from the core axis.
enum class AlphaReference { kEllipseLongAxis, kEllipseNormal };
// Where on the core the orientation mark is.
enum class OrientationMark { kTop, kBottom };
// The range beta (and gamma) are typed in.
enum class BetaRange { kZeroTo360, kPlusMinus180 };

// A snapshot of the drill-core settings, taken at the start of a calculation.
struct CoreConventions {
  DownwardCorePlunge downwardPlunge = DownwardCorePlunge::kPositive;
  UpwardCoreTrend upwardTrend = UpwardCoreTrend::kDownPlunge;
  CoreInclination inclination = CoreInclination::kPlunge;
  AlphaReference alphaTo = AlphaReference::kEllipseLongAxis;
  // The end of the ellipse alpha and beta are measured at.
  OrientGeometry::EllipseEnd ellipseEnd = OrientGeometry::EllipseEnd::kTop;
  OrientationMark mark = OrientationMark::kBottom;
  BetaRange betaRange = BetaRange::kZeroTo360;
};

// The conventions the stored drill-core settings choose; the one reading of
// those settings' flags.
CoreConventions CoreConventionsOf(const Settings& settings);

// The stored reference-direction choice (0..3) and approximate-dip range
// (0..2); a value out of range takes the default (the dip direction; above
// 60 degrees).
OrientGeometry::ReferenceDirection ReferenceDirectionOf(int stored);
int StoredReferenceDirection(OrientGeometry::ReferenceDirection given);
OrientGeometry::SteepDipRange SteepDipRangeOf(int stored);

// A core axis as typed -> the axis record: the plunge sign convention, the
// up-plunge trend of an upward core and, when applyZenith, the zenith angle.
// A negative zenith stays an upward axis (plunge -(90 deg - |zenith|)), so
// the plunge never leaves [-pi/2, pi/2].
OrientGeometry::Line CorrectCoreAxis(double typedPlunge, double typedTrend,
                                     const CoreConventions& conv, bool applyZenith);

// The inverse of CorrectCoreAxis with applyZenith: the plunge (or zenith)
// and trend a user would type for the axis record, so that CorrectCoreAxis
// gives it back. A trend stays within [0, 2 pi).
OrientGeometry::Line TypedCoreAxis(const OrientGeometry::Line& axis, const CoreConventions& conv);

// Alpha as typed -> the inclination handed to the core geometry: the angle
// between the plane's normal and the core axis.
double CorrectAlpha(double alpha, const CoreConventions& conv);

// Beta as typed -> the beta the core geometry expects (measured from the
// bottom mark to the top of the ellipse). Only a fully oriented core
// (orientedCore) measures beta from the mark; the other betas run from the
// reference plane's ellipse to the feature's, whatever the mark, and stay as
// typed.
double CorrectBeta(double beta, bool orientedCore, const CoreConventions& conv);

// Gamma as typed -> the gamma the core geometry expects: a negative gamma of
// the +-180 range is carried into 0..360, and a bottom-of-ellipse gamma of a
// line within a plane (lineInPlane) is turned by pi.
double CorrectGamma(double gamma, bool lineInPlane, const CoreConventions& conv);

// The hint shown while a core calculation is selected.
std::string CoreHint(const std::string& plungeName, const CoreConventions& conv);

}  // namespace Lodema
