// SPDX-License-Identifier: MIT
#include "orient/Rotation.h"

#include <cmath>

#include "orient/Primitives.h"
#include "orient/SineCosineMemo.h"

namespace OrientGeometry {

Line LineInAxisFrame(double plunge, double trend, double axisPlunge, double axisTrend) {
  const double b = axisTrend;
  // A horizontal line at right angles to the axis trend is frame east or
  // west, already in frame numbers; computing it could flip it end for end.
  if (std::fabs(plunge) < kAxisFrameTolerance &&
      (AzimuthGap(trend, AddAngles(b, kHalfPi)) < kAxisFrameTolerance ||
       AzimuthGap(trend, AddAngles(b, kThreeHalfPi)) < kAxisFrameTolerance)) {
    return {plunge, trend};
  }

  const DirectionCosines v = LineToDirectionCosines(plunge, trend);
  const double a = std::fabs(axisPlunge);
  const SineCosine ofA = SineCosineOf(a);
  const SineCosine ofB = SineCosineOf(b);
  const double sa = ofA.sin, ca = ofA.cos;
  const double sb = ofB.sin, cb = ofB.cos;
  const double x = sa * cb * v.north + sa * sb * v.east - ca * v.down;
  const double y = -sb * v.north + cb * v.east;
  const double z = ca * cb * v.north + ca * sb * v.east + sa * v.down;

  Line out = DirectionCosinesToLine(x, y, z);
  out.azimuth = AddAngles(out.azimuth, b - kTwoPi);
  if (std::fabs(out.angle) < kAxisFrameTolerance) {
    // A downward line that comes out barely upward keeps its direction.
    if (out.angle < 0.0 && plunge > 0.0) out.azimuth = AddAngles(out.azimuth, kPi);
    out.angle = 0.0;
    return out;
  }
  if (std::fabs(kHalfPi - out.angle) < kAxisFrameTolerance) out.angle = kHalfPi;
  return out;
}

Line RotateLine(double plunge, double trend, double angle, double axisPlunge, double axisTrend) {
  const double a = std::fabs(axisPlunge);
  if (std::fabs(kHalfPi - a) < kAxisFrameTolerance) {
    return {plunge, AddAngles(trend, angle)};
  }
  const double reversedTrend = WrapRadians(axisTrend + kPi);
  const Line inFrame = LineInAxisFrame(plunge, trend, a, axisTrend);
  const double turned = AddAngles(inFrame.azimuth, angle);
  // The frame of the reversed axis trend undoes the frame taken above.
  return LineInAxisFrame(inFrame.angle, turned, a, reversedTrend);
}

namespace {

// Rotates the line by `angle` about the horizontal east-west axis: a positive
// angle tilts the north end down, so 0/000 becomes angle/000. Polarity is
// kept; trend in [0, two pi].
Line RotateLineAboutEastAxis(double plunge, double trend, double angle) {
  double t = std::fabs(trend);
  if (plunge < 0.0) t += kPi;
  t = WrapRadians(t);
  const double n = std::cos(plunge) * std::cos(t);
  const double e = std::cos(plunge) * std::sin(t);
  const double d = std::sin(plunge);
  const double cg = std::cos(angle), sg = std::sin(angle);
  Line out = DirectionCosinesToLine(cg * n - sg * d, e, sg * n + cg * d);
  out.azimuth = WrapRadians(out.azimuth);
  return out;
}

}  // namespace

Line UnfoldAboutAxis(double plunge, double trend, double beddingDip, double beddingDipDirection,
                     double axisPlunge, double axisTrend) {
  if (beddingDip == 0.0) return {plunge, trend};
  const Line pole = PlaneToPole(std::fabs(beddingDip), beddingDipDirection);

  // Turn azimuths so that the fold axis trends north, then tilt the axis to
  // the horizontal. The axis's polarity is irrelevant: an axis typed with a
  // negative plunge is the same axis and must unfold the same way.
  const double tilt = -std::fabs(axisPlunge);
  const Line line2 = RotateLineAboutEastAxis(plunge, AddAngles(trend, -axisTrend), tilt);
  const Line pole2 = RotateLineAboutEastAxis(pole.angle, AddAngles(pole.azimuth, -axisTrend), tilt);

  // Turn the pole to north and rotate it to the vertical (up for an
  // overturned bed of negative dip).
  const double t3 = AddAngles(line2.azimuth, -pole2.azimuth);
  const double unfold =
      beddingDip >= 0.0 ? kHalfPi - std::fabs(pole2.angle) : -(std::fabs(pole2.angle) + kHalfPi);
  Line out = RotateLineAboutEastAxis(line2.angle, t3, unfold);
  out.azimuth = AddAngles(out.azimuth, pole2.azimuth + axisTrend);
  return out;
}

}  // namespace OrientGeometry
