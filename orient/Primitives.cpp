// SPDX-License-Identifier: MIT
#include "orient/Primitives.h"

#include <cmath>

namespace OrientGeometry {

namespace {

// Beyond this many turns the classic one-turn-at-a-time loop would be slow
// (or never end), so the remainder is taken directly instead.
constexpr double kLoopTurns = 64.0;

// Wraps into [0, period] the way Lodema always has: subtract or add one
// period at a time, so exactly one period stays one period. Non-finite
// values give NaN so that callers can report them.
double WrapClosed(double angle, double period) {
  if (!std::isfinite(angle)) return std::nan("");
  if (angle > kLoopTurns * period || angle < -kLoopTurns * period) {
    angle = std::fmod(angle, period);  // exact remainder, |angle| < period
  }
  while (angle > period) angle -= period;
  while (angle < 0.0) angle += period;
  return angle;
}

}  // namespace

double WrapRadiansOutOfRange(double angle) { return WrapClosed(angle, kTwoPi); }

void WrapRadiansInPlace(double& angle) { angle = WrapClosed(angle, kTwoPi); }

double WrapDegrees(double degrees) { return WrapClosed(degrees, 360.0); }

double AddAngles(double a, double b) { return WrapRadians(a + b); }

double ArcCos(double x) {
  if (std::fabs(x) > 1.0) x = Sign(x);
  if (x == 1.0) return 0.0;
  if (x == -1.0) return kPi;
  return kPi / 2.0 - std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcSin(double x) {
  if (x == 0.0) return 0.0;
  if (std::fabs(x) > 1.0) x = Sign(x);
  if (std::fabs(x) == 1.0) return Sign(x) * kPi / 2.0;
  return std::atan(x / std::sqrt(1.0 - x * x));
}

namespace {

// The azimuth whose sine and cosine LineToDirectionCosines takes: that of
// the downward line, in [0, two pi].
double DownwardTrend(double plunge, double trend) {
  double t = std::fabs(trend);
  if (plunge < 0.0) t += kPi;
  if (t > kTwoPi) t = WrapRadians(t);
  return t;
}

DirectionCosines VectorOf(const SineCosine& ofTrend, const SineCosine& ofPlunge) {
  return {ofTrend.cos * ofPlunge.cos, ofTrend.sin * ofPlunge.cos, ofPlunge.sin};
}

}  // namespace

DirectionCosines LineToDirectionCosines(double plunge, double trend) {
  return VectorOf(SineCosineOf(DownwardTrend(plunge, trend)), SineCosineOf(plunge));
}

DirectionCosines LineToDirectionCosines(double plunge, double trend, SineCosineMemo& memo) {
  return VectorOf(memo.Of(DownwardTrend(plunge, trend)), memo.Of(plunge));
}

Line DirectionCosinesToLine(double north, double east, double down) {
  if (north == 0.0 && east == 0.0) return {kPi / 2.0, 0.0};
  double plunge = std::atan(std::sqrt(down * down / (north * north + east * east)));
  double trend;
  if (north == 0.0) {
    trend = Sign(east) * kPi / 2.0;
  } else {
    trend = std::atan(east / north);
  }
  if (north < 0.0) {
    trend += kPi;
  } else if (trend < 0.0) {
    trend += kTwoPi;
  }
  if (down < 0.0) {
    trend += kPi;
    plunge = -std::fabs(plunge);
  }
  if (trend > kTwoPi) trend = WrapRadians(trend);
  return {plunge, trend};
}

Line PlaneToPole(double dip, double dipDirection) {
  double b = std::fabs(dipDirection);
  if (b > kTwoPi) b = WrapRadians(b);
  const double trend = b < kPi ? b + kPi : b - kPi;
  return {kPi / 2.0 - std::fabs(dip), trend};
}

Orientation NormalOf(double angle, double azimuth) {
  return {kPi / 2.0 - std::fabs(angle), WrapRadians(azimuth - kPi)};
}

namespace {

// Trig: a SineCosineMemo, or FreshSineCosine where nothing is shared.
template <class Trig>
double AngleBetween(double plunge1, double trend1, double plunge2, double trend2, bool wantObtuse,
                    Trig& memo) {
  const SineCosine p1 = memo.Of(std::fabs(plunge1));
  const SineCosine p2 = memo.Of(std::fabs(plunge2));
  const SineCosine t1 = memo.Of(trend1);
  const SineCosine t2 = memo.Of(trend2);
  const double c =
      t1.cos * p1.cos * t2.cos * p2.cos + p1.cos * t1.sin * t2.sin * p2.cos + p2.sin * p1.sin;
  double angle = ArcCos(c);
  if (wantObtuse && angle < kPi / 2.0) angle = kPi - angle;
  if (!wantObtuse && angle > kPi / 2.0) angle = kPi - angle;
  return angle;
}

}  // namespace

double AngleBetweenLines(double plunge1, double trend1, double plunge2, double trend2,
                         bool wantObtuse) {
  FreshSineCosine fresh;
  return AngleBetween(plunge1, trend1, plunge2, trend2, wantObtuse, fresh);
}

double AngleBetweenLines(double plunge1, double trend1, double plunge2, double trend2,
                         bool wantObtuse, SineCosineMemo& memo) {
  return AngleBetween(plunge1, trend1, plunge2, trend2, wantObtuse, memo);
}

double AngleBetweenPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2,
                          bool wantObtuse) {
  const Line pole1 = PlaneToPole(dip1, dipDirection1);
  const Line pole2 = PlaneToPole(dip2, dipDirection2);
  return AngleBetweenLines(pole1.angle, pole1.azimuth, pole2.angle, pole2.azimuth, wantObtuse);
}

double ClockwiseAngle(double from, double to, bool inDegrees) {
  const double turn = inDegrees ? 360.0 : kTwoPi;
  from = std::fabs(from);
  to = std::fabs(to);
  if (from == turn) from = 0.0;
  if (to == turn) to = 0.0;
  if (from == to) return 0.0;
  const double d = to - from;
  return d > 0.0 ? d : turn - from + to;
}

bool IsAngleBetween(double low, double test, double high, bool inDegrees) {
  const double turn = inDegrees ? 360.0 : kTwoPi;
  low = std::fabs(low);
  test = std::fabs(test);
  high = std::fabs(high);
  if (low == turn) low = 0.0;
  if (test == turn) test = 0.0;
  if (high == turn) high = 0.0;
  if (low <= high) return low <= test && test <= high;
  return test >= low || test <= high;
}

double AzimuthGap(double a, double b) {
  double d = std::fabs(WrapRadians(a) - WrapRadians(b));
  if (d > kPi) d = kTwoPi - d;
  return d;
}

double CircularDistanceDegrees(double a, double b) {
  double d = std::fabs(std::fmod(a - b, 360.0));
  if (d > 180.0) d = 360.0 - d;
  return d;
}

double NearerAngle(double a, double b, double reference) {
  return AzimuthGap(reference, b) < AzimuthGap(reference, a) ? b : a;
}

}  // namespace OrientGeometry
