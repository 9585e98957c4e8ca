// SPDX-License-Identifier: MIT
#include "calc/CoreConventions.h"

#include <cmath>

#include "orient/Primitives.h"

namespace Lodema {

using OrientGeometry::AddAngles;
using OrientGeometry::kHalfPi;
using OrientGeometry::kPi;
using OrientGeometry::kTwoPi;

OrientGeometry::Line CorrectCoreAxis(double typedPlunge, double typedTrend,
                                     const CoreConventions& conv, bool applyZenith) {
  double plunge = conv.coreConv ? typedPlunge : -typedPlunge;
  double trend = typedTrend;
  if (plunge < 0.0 && conv.coreUpTrend) {
    trend += kPi;
    if (trend > kTwoPi) trend -= kTwoPi;
  }
  if (applyZenith && conv.zenithConv) {
    // A zenith is measured from the vertical; its sign keeps the polarity.
    const double fromHorizontal = kHalfPi - std::fabs(plunge);
    plunge = plunge < 0.0 ? -fromHorizontal : fromHorizontal;
  }
  return {plunge, trend};
}

OrientGeometry::Line TypedCoreAxis(const OrientGeometry::Line& axis, const CoreConventions& conv) {
  double plunge = axis.angle;
  if (conv.zenithConv) {
    // A horizontal axis comes back as a zenith of +90, read as downward.
    const double fromVertical = kHalfPi - std::fabs(plunge);
    plunge = plunge < 0.0 ? -fromVertical : fromVertical;
  }
  double trend = axis.azimuth;
  if (plunge < 0.0 && conv.coreUpTrend) trend -= kPi;
  if (trend < 0.0) trend += kTwoPi;
  if (trend >= kTwoPi) trend -= kTwoPi;
  return {conv.coreConv ? plunge : -plunge, trend};
}

double CorrectAlpha(double alpha, const CoreConventions& conv) {
  return conv.deltaNormal ? std::fabs(alpha) : kHalfPi - std::fabs(alpha);
}

double CorrectBeta(double beta, bool orientedCore, const CoreConventions& conv) {
  if (!orientedCore) return beta;
  if (conv.ellipseBase) beta = AddAngles(beta, -kPi);
  if (!conv.bottomMark) beta = AddAngles(beta, kPi);
  return beta;
}

double CorrectGamma(double gamma, bool lineInPlane, const CoreConventions& conv) {
  if (!conv.betaConv && gamma < 0.0) gamma += kTwoPi;
  if (conv.ellipseBase && lineInPlane) {
    gamma -= kPi;
    if (gamma < 0.0) gamma += kTwoPi;
  }
  return gamma;
}

std::string CoreHint(const std::string& plungeName, const CoreConventions& conv) {
  std::string hint =
      (conv.coreConv ? "Use -ve " : "Use +ve ") + plungeName + " for 'upwardly' inclined core axis";
  if (conv.coreUpTrend) hint += " AND: Use 'upcore' direction for core trend";
  return hint;
}

}  // namespace Lodema
