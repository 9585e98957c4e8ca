// SPDX-License-Identifier: MIT
#include "calc/CoreConventions.h"

#include <cmath>

#include "calc/Settings.h"
#include "orient/Primitives.h"

namespace Lodema {

using OrientGeometry::AddAngles;
using OrientGeometry::EllipseEnd;
using OrientGeometry::kHalfPi;
using OrientGeometry::kPi;
using OrientGeometry::kTwoPi;

CoreConventions CoreConventionsOf(const Settings& s) {
  CoreConventions c;
  c.downwardPlunge = s.CoreConv ? DownwardCorePlunge::kPositive : DownwardCorePlunge::kNegative;
  c.upwardTrend = s.CoreUpTrend ? UpwardCoreTrend::kUpPlunge : UpwardCoreTrend::kDownPlunge;
  c.inclination = s.ZenithConv ? CoreInclination::kZenith : CoreInclination::kPlunge;
  c.alphaTo = s.deltaNormal ? AlphaReference::kEllipseNormal : AlphaReference::kEllipseLongAxis;
  c.ellipseEnd = s.EllipseBase ? EllipseEnd::kBottom : EllipseEnd::kTop;
  c.mark = s.BottomMark ? OrientationMark::kBottom : OrientationMark::kTop;
  c.betaRange = s.BetaConv ? BetaRange::kZeroTo360 : BetaRange::kPlusMinus180;
  return c;
}

OrientGeometry::ReferenceDirection ReferenceDirectionOf(int stored) {
  using OrientGeometry::ReferenceDirection;
  switch (stored) {
    case 1:
      return ReferenceDirection::kStrike;
    case 2:
      return ReferenceDirection::kFoldAxis;
    case 3:
      return ReferenceDirection::kApproximate;
    default:
      return ReferenceDirection::kDipDirection;
  }
}

int StoredReferenceDirection(OrientGeometry::ReferenceDirection given) {
  using OrientGeometry::ReferenceDirection;
  switch (given) {
    case ReferenceDirection::kStrike:
      return 1;
    case ReferenceDirection::kFoldAxis:
      return 2;
    case ReferenceDirection::kApproximate:
      return 3;
    case ReferenceDirection::kDipDirection:
      break;
  }
  return 0;
}

OrientGeometry::SteepDipRange SteepDipRangeOf(int stored) {
  using OrientGeometry::SteepDipRange;
  switch (stored) {
    case 0:
      return SteepDipRange::kBelow30;
    case 1:
      return SteepDipRange::k30To60;
    default:
      return SteepDipRange::kAbove60;
  }
}

OrientGeometry::Line CorrectCoreAxis(double typedPlunge, double typedTrend,
                                     const CoreConventions& conv, bool applyZenith) {
  double plunge = conv.downwardPlunge == DownwardCorePlunge::kPositive ? typedPlunge : -typedPlunge;
  double trend = typedTrend;
  if (plunge < 0.0 && conv.upwardTrend == UpwardCoreTrend::kUpPlunge) {
    trend += kPi;
    if (trend > kTwoPi) trend -= kTwoPi;
  }
  if (applyZenith && conv.inclination == CoreInclination::kZenith) {
    // A zenith is measured from the vertical; its sign keeps the polarity.
    const double fromHorizontal = kHalfPi - std::fabs(plunge);
    plunge = plunge < 0.0 ? -fromHorizontal : fromHorizontal;
  }
  return {plunge, trend};
}

OrientGeometry::Line TypedCoreAxis(const OrientGeometry::Line& axis, const CoreConventions& conv) {
  double plunge = axis.angle;
  if (conv.inclination == CoreInclination::kZenith) {
    // A horizontal axis comes back as a zenith of +90, read as downward.
    const double fromVertical = kHalfPi - std::fabs(plunge);
    plunge = plunge < 0.0 ? -fromVertical : fromVertical;
  }
  double trend = axis.azimuth;
  if (plunge < 0.0 && conv.upwardTrend == UpwardCoreTrend::kUpPlunge) trend -= kPi;
  if (trend < 0.0) trend += kTwoPi;
  if (trend >= kTwoPi) trend -= kTwoPi;
  return {conv.downwardPlunge == DownwardCorePlunge::kPositive ? plunge : -plunge, trend};
}

double CorrectAlpha(double alpha, const CoreConventions& conv) {
  return conv.alphaTo == AlphaReference::kEllipseNormal ? std::fabs(alpha)
                                                        : kHalfPi - std::fabs(alpha);
}

double CorrectBeta(double beta, bool orientedCore, const CoreConventions& conv) {
  if (!orientedCore) return beta;
  if (conv.ellipseEnd == EllipseEnd::kBottom) beta = AddAngles(beta, -kPi);
  if (conv.mark == OrientationMark::kTop) beta = AddAngles(beta, kPi);
  return beta;
}

double CorrectGamma(double gamma, bool lineInPlane, const CoreConventions& conv) {
  if (conv.betaRange == BetaRange::kPlusMinus180 && gamma < 0.0) gamma += kTwoPi;
  if (conv.ellipseEnd == EllipseEnd::kBottom && lineInPlane) {
    gamma -= kPi;
    if (gamma < 0.0) gamma += kTwoPi;
  }
  return gamma;
}

std::string CoreHint(const std::string& plungeName, const CoreConventions& conv) {
  std::string hint =
      (conv.downwardPlunge == DownwardCorePlunge::kPositive ? "Use -ve " : "Use +ve ") +
      plungeName + " for 'upwardly' inclined core axis";
  if (conv.upwardTrend == UpwardCoreTrend::kUpPlunge)
    hint += " AND: Use 'upcore' direction for core trend";
  return hint;
}

}  // namespace Lodema
