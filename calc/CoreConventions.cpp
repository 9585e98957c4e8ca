// SPDX-License-Identifier: MIT
#include "calc/CoreConventions.h"

#include <algorithm>
#include <array>
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

namespace {

// The choices in the order of their stored codes (RefDirn 0-3, SteepDip 0-2):
// the one place where the codes are read.
constexpr std::array kStoredReferenceDirections = {
    OrientGeometry::ReferenceDirection::kDipDirection, OrientGeometry::ReferenceDirection::kStrike,
    OrientGeometry::ReferenceDirection::kFoldAxis,
    OrientGeometry::ReferenceDirection::kApproximate};
constexpr std::array kStoredSteepDipRanges = {OrientGeometry::SteepDipRange::kBelow30,
                                              OrientGeometry::SteepDipRange::k30To60,
                                              OrientGeometry::SteepDipRange::kAbove60};

}  // namespace

OrientGeometry::ReferenceDirection ReferenceDirectionOf(int stored) {
  const auto code = static_cast<std::size_t>(stored);
  return code < kStoredReferenceDirections.size() ? kStoredReferenceDirections[code]
                                                  : kStoredReferenceDirections[0];
}

int StoredReferenceDirection(OrientGeometry::ReferenceDirection given) {
  const auto* found =
      std::find(kStoredReferenceDirections.begin(), kStoredReferenceDirections.end(), given);
  return static_cast<int>(found - kStoredReferenceDirections.begin());
}

OrientGeometry::SteepDipRange SteepDipRangeOf(int stored) {
  const auto code = static_cast<std::size_t>(stored);
  return code < kStoredSteepDipRanges.size() ? kStoredSteepDipRanges[code]
                                             : kStoredSteepDipRanges.back();
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
