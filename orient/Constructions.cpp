// SPDX-License-Identifier: MIT
#include "orient/Constructions.h"

#include <cmath>

#include "orient/LinesInPlanes.h"
#include "orient/Primitives.h"

namespace OrientGeometry {

namespace {

// Two unit directions whose cross product is shorter than this are taken as
// the same axis (either polarity): about 1e-12 radians apart.
constexpr double kParallelTolerance = 1e-12;

// |azimuth| brought into [0, two pi] (two pi stays two pi).
double ReduceAzimuth(double azimuth) { return WrapRadians(std::fabs(azimuth)); }

double Dot(const DirectionCosines& a, const DirectionCosines& b) {
  return a.north * b.north + a.east * b.east + a.down * b.down;
}

DirectionCosines Cross(const DirectionCosines& a, const DirectionCosines& b) {
  return {a.east * b.down - a.down * b.east, a.down * b.north - a.north * b.down,
          a.north * b.east - a.east * b.north};
}

double Length(const DirectionCosines& v) { return std::sqrt(Dot(v, v)); }

// Acute angle between two axes, [0, pi/2]. atan2 keeps full precision near 0,
// where the arc cosine of the dot product loses half the digits.
double AcuteAngle(const DirectionCosines& a, const DirectionCosines& b) {
  return std::atan2(Length(Cross(a, b)), std::fabs(Dot(a, b)));
}

// True when two unit vectors lie on one axis, pointing either way.
bool SameAxis(const DirectionCosines& a, const DirectionCosines& b) {
  return Length(Cross(a, b)) < kParallelTolerance;
}

// Downward unit pole of a plane (dip used as |dip|).
DirectionCosines PoleVector(double dip, double dipDirection, SineCosineMemo& memo) {
  const Line pole = PlaneToPole(dip, dipDirection);
  return LineToDirectionCosines(pole.angle, pole.azimuth, memo);
}

// Steps shared by the two bisectors: the plane P normal to the line of
// intersection and the hade m in P of the bisector of the poles, with the
// angle d between the poles. Only for planes that do not coincide.
struct PoleBisector {
  Plane profile;
  double m = 0.0;
  double d = 0.0;
};

// The poles, the plane P and its pole come back in each step: one memo
// keeps their sines and cosines.
PoleBisector BisectPoles(double dip1, double dd1, double dip2, double dd2, SineCosineMemo& memo) {
  const Line p1 = PlaneToPole(dip1, dd1);
  const Line p2 = PlaneToPole(dip2, dd2);
  PoleBisector result;
  // The callers have ruled out coincident planes, so the poles span a plane.
  result.profile = PlaneContainingLines(p1.angle, p1.azimuth, p2.angle, p2.azimuth, memo)
                       .value_or(Plane{kHalfPi, 0.0});
  const Plane& P = result.profile;
  const double h1 = LineInPlaneHade(P.angle, P.azimuth, p1.angle, p1.azimuth, memo);
  const double h2 = LineInPlaneHade(P.angle, P.azimuth, p2.angle, p2.azimuth, memo);
  const double hi = std::fmax(h1, h2);
  const double lo = std::fmin(h1, h2);
  double d = hi - lo;
  if (d > kPi) {
    // The shorter way between the poles passes through hade zero.
    d = kTwoPi - d;
    result.m = hi + d / 2.0;
  } else {
    result.m = hi - d / 2.0;
  }
  result.d = d;
  return result;
}

}  // namespace

std::optional<Plane> PlaneContainingLines(double plunge1, double trend1, double plunge2,
                                          double trend2) {
  SineCosineMemo memo;
  return PlaneContainingLines(plunge1, trend1, plunge2, trend2, memo);
}

std::optional<Plane> PlaneContainingLines(double plunge1, double trend1, double plunge2,
                                          double trend2, SineCosineMemo& memo) {
  const double t1 = ReduceAzimuth(trend1);
  const double t2 = ReduceAzimuth(trend2);
  const double a1 = std::fabs(plunge1);
  const double a2 = std::fabs(plunge2);

  // Same axis, compared as directions: 30/000 and 30/360 are one line, and so
  // are two horizontal lines pointing opposite ways.
  if (SameAxis(LineToDirectionCosines(a1, t1, memo), LineToDirectionCosines(a2, t2, memo))) {
    return std::nullopt;
  }

  // Normal as the cross product, components (east X, north Y, down Z), from
  // the sines and cosines the test above worked out.
  const SineCosine A1 = memo.Of(a1);
  const SineCosine A2 = memo.Of(a2);
  const SineCosine T1 = memo.Of(t1);
  const SineCosine T2 = memo.Of(t2);
  double x = A1.cos * T1.cos * A2.sin - T2.cos * A2.cos * A1.sin;
  double y = A1.sin * A2.cos * T2.sin - A1.cos * A2.sin * T1.sin;
  double z = A1.cos * A2.cos * (T1.sin * T2.cos - T2.sin * T1.cos);

  // Normal pointing down, or north for a vertical plane.
  double length = std::sqrt(x * x + y * y + z * z);
  if (z != 0.0) {
    length *= Sign(z);
  } else if (y != 0.0) {
    length *= Sign(y);
  }
  x /= length;
  y /= length;
  z /= length;

  const double dip = ArcCos(z);
  if (dip == 0.0) return Plane{0.0, 0.0};
  const double h = ArcSin(std::fmin(std::fabs(x / std::sin(dip)), 1.0));

  // The dip direction is opposite the horizontal direction of the normal.
  double dipDirection;
  if (x == 0.0) {
    dipDirection = y > 0.0 ? kPi : h;
  } else if (y == 0.0) {
    dipDirection = x > 0.0 ? kThreeHalfPi : h;
  } else if (x < 0.0 && y < 0.0) {
    dipDirection = h;
  } else if (x < 0.0) {
    dipDirection = kPi - h;
  } else if (y > 0.0) {
    dipDirection = h + kPi;
  } else {
    dipDirection = kTwoPi - h;
  }
  return Plane{dip, dipDirection};
}

namespace {

// The first steps of IntersectPlanes: either the answer already (a strike
// line) or the downward unit direction (east, north, down) of the line.
// Nothing when there is no unique line: the later steps never refuse, so
// a caller that only needs to know whether the line exists stops here.
struct IntersectionDirection {
  bool isStrikeLine = false;
  Line strikeLine;
  double e = 0.0;
  double n = 0.0;
  double d = 0.0;
};

// Trig: a SineCosineMemo, or FreshSineCosine where nothing is shared.
template <class Trig>
std::optional<IntersectionDirection> DirectionOfIntersection(double dip1, double dipDirection1,
                                                             double dip2, double dipDirection2,
                                                             Trig& memo) {
  dip1 = std::fabs(dip1);
  dip2 = std::fabs(dip2);
  if (dip1 == 0.0 && dip2 == 0.0) return std::nullopt;
  // A horizontal plane has every dip direction; take the other plane's so that
  // the common strike line comes out below.
  if (dip1 == 0.0) dipDirection1 = dipDirection2;
  if (dip2 == 0.0) dipDirection2 = dipDirection1;

  if (dipDirection2 == dipDirection1) {
    if (dip2 == dip1) return std::nullopt;
    IntersectionDirection strike;
    strike.isStrikeLine = true;
    strike.strikeLine = Line{0.0, WrapRadians(dipDirection1 + kHalfPi)};
    return strike;
  }

  const double dd1 = ReduceAzimuth(dipDirection1);
  const double dd2 = ReduceAzimuth(dipDirection2);

  // Poles, components (east, north, down); a vertical plane's pole points north.
  const SineCosine D1 = memo.Of(dip1);
  const SineCosine D2 = memo.Of(dip2);
  const SineCosine A1 = memo.Of(dd1);
  const SineCosine A2 = memo.Of(dd2);
  double u[3] = {-D1.sin * A1.sin, -D1.sin * A1.cos, D1.cos};
  double w[3] = {-D2.sin * A2.sin, -D2.sin * A2.cos, D2.cos};
  for (double* pole : {u, w}) {
    if (pole[2] == 0.0 && pole[1] < 0.0) {
      pole[0] = -pole[0];
      pole[1] = -pole[1];
    }
  }

  // The same plane given in other numbers (30/000 and 30/360, or a vertical
  // plane from either side): no unique line.
  const double ce = u[1] * w[2] - u[2] * w[1];
  const double cn = u[2] * w[0] - w[2] * u[0];
  const double cd = u[0] * w[1] - u[1] * w[0];
  double length = std::sqrt(ce * ce + cn * cn + cd * cd);
  if (length < kParallelTolerance) return std::nullopt;

  if (cd != 0.0) {
    length *= Sign(cd);
  } else if (cn != 0.0) {
    length *= Sign(cn);
  }
  const double e = ce / length;
  const double n = cn / length;
  const double d = cd / length;
  if (!std::isfinite(e) || !std::isfinite(n) || !std::isfinite(d)) return std::nullopt;
  IntersectionDirection found;
  found.e = e;
  found.n = n;
  found.d = d;
  return found;
}

// The last steps: the unit direction as (plunge, trend).
template <class Trig>
Line LineOfDirection(const IntersectionDirection& direction, Trig& memo) {
  if (direction.isStrikeLine) return direction.strikeLine;
  const double e = direction.e;
  const double n = direction.n;
  const double d = direction.d;
  // At most a right angle, and a right angle for NaN as std::fmin gives,
  // without its library call on every intersection.
  const double arc = ArcSin(d);
  const double plunge = arc <= kHalfPi ? arc : kHalfPi;
  if (plunge == kHalfPi) return Line{kHalfPi, 0.0};

  const double h = ArcSin(std::fabs(e) / memo.Cos(plunge));
  double trend;
  if (e == 0.0) {
    trend = n < 0.0 ? kPi : 0.0;
  } else if (n == 0.0) {
    trend = e < 0.0 ? kThreeHalfPi : kHalfPi;
  } else if (n > 0.0 && e > 0.0) {
    trend = h;
  } else if (n < 0.0 && e > 0.0) {
    trend = kPi - h;
  } else if (n < 0.0) {
    trend = h + kPi;
  } else {
    trend = kTwoPi - h;
  }
  return Line{plunge, trend};
}

template <class Trig>
std::optional<Line> IntersectionOf(double dip1, double dipDirection1, double dip2,
                                   double dipDirection2, Trig& memo) {
  const std::optional<IntersectionDirection> direction =
      DirectionOfIntersection(dip1, dipDirection1, dip2, dipDirection2, memo);
  if (!direction) return std::nullopt;
  return LineOfDirection(*direction, memo);
}

}  // namespace

std::optional<Line> IntersectPlanes(double dip1, double dipDirection1, double dip2,
                                    double dipDirection2) {
  FreshSineCosine fresh;  // no angle comes back within one intersection
  return IntersectionOf(dip1, dipDirection1, dip2, dipDirection2, fresh);
}

Plane PlaneNormalToPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2) {
  const double dd1 = ReduceAzimuth(dipDirection1);
  const double dd2 = ReduceAzimuth(dipDirection2);
  SineCosineMemo memo;  // the poles' test and the plane through them share it
  if (SameAxis(PoleVector(dip1, dd1, memo), PoleVector(dip2, dd2, memo))) return {dip1, dd1};
  const Line p1 = PlaneToPole(dip1, dd1);
  const Line p2 = PlaneToPole(dip2, dd2);
  return PlaneContainingLines(p1.angle, p1.azimuth, p2.angle, p2.azimuth, memo)
      .value_or(Plane{dip1, dd1});
}

namespace {

// Which of the two angles AnglesOfLineInPlane works out; the other is left 0.
enum class Wanted { kHade, kMisfit };

// The hade or the misfit of a line in a plane (neither depends on the
// other).
HadeAndMisfit AnglesOfLineInPlane(double dip, double dipDirection, double plunge, double trend,
                                  Wanted wanted, SineCosineMemo& memo) {
  const double dd = ReduceAzimuth(dipDirection);

  // Projection of the line onto the plane: through the profile plane that
  // holds the pole and the line.
  const Line pole = PlaneToPole(dip, dd);
  const std::optional<Plane> profile =
      PlaneContainingLines(pole.angle, pole.azimuth, plunge, trend, memo);
  if (!profile) return {0.0, kHalfPi};  // line normal to the plane
  const std::optional<IntersectionDirection> found =
      DirectionOfIntersection(dip, dd, profile->angle, profile->azimuth, memo);
  if (!found) return {0.0, kHalfPi};

  HadeAndMisfit result;
  if (wanted == Wanted::kMisfit) {
    // The projection itself is needed only here: the hade needs only to
    // know that it exists.
    const Line projection = LineOfDirection(*found, memo);
    result.misfit = AngleBetweenLines(std::fabs(plunge), trend, projection.angle,
                                      projection.azimuth, false, memo);
    return result;
  }

  const DirectionCosines line = LineToDirectionCosines(std::fabs(plunge), trend, memo);
  const DirectionCosines dipLine = LineToDirectionCosines(std::fabs(dip), dd, memo);
  const double a = AcuteAngle(line, dipLine);

  // Side of the strike end R = dd + pi/2, judged on the down-dip-pointing
  // form of the projection (the line's own R component shares its sign).
  const double r = dd + kHalfPi;
  const SineCosine R = memo.Of(r);  // the same r for each line of one plane
  double alongR = line.north * R.cos + line.east * R.sin;
  if (Dot(line, dipLine) < 0.0) alongR = -alongR;
  const bool onRSide = alongR >= 0.0;

  double hade;
  if (onRSide) {
    hade = plunge < 0.0 ? a + kPi : a;
  } else {
    hade = plunge < 0.0 ? kTwoPi - a - kPi : kTwoPi - a;
  }
  if (hade >= kTwoPi) hade = 0.0;  // the dip line itself, seen from the far side
  result.hade = hade;
  return result;
}

}  // namespace

double LineInPlaneHade(double dip, double dipDirection, double plunge, double trend) {
  SineCosineMemo memo;
  return LineInPlaneHade(dip, dipDirection, plunge, trend, memo);
}

double LineInPlaneHade(double dip, double dipDirection, double plunge, double trend,
                       SineCosineMemo& memo) {
  return AnglesOfLineInPlane(dip, dipDirection, plunge, trend, Wanted::kHade, memo).hade;
}

double LineInPlaneMisfit(double dip, double dipDirection, double plunge, double trend) {
  SineCosineMemo memo;
  return AnglesOfLineInPlane(dip, dipDirection, plunge, trend, Wanted::kMisfit, memo).misfit;
}

Line LineBisectingPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2,
                         bool wantObtuse) {
  const double dd1 = ReduceAzimuth(dipDirection1);
  const double dd2 = ReduceAzimuth(dipDirection2);
  SineCosineMemo memo;  // the poles' test and the bisection share it
  if (SameAxis(PoleVector(dip1, dd1, memo), PoleVector(dip2, dd2, memo))) return {dip1, dd1};

  const PoleBisector b = BisectPoles(dip1, dd1, dip2, dd2, memo);
  double m = b.m;
  // The traces lie at right angles to the poles, so their bisector does too.
  if ((b.d <= kHalfPi && !wantObtuse) || (b.d > kHalfPi && wantObtuse)) m -= kHalfPi;
  const Line line = LineFromHadeInPlane(b.profile.angle, b.profile.azimuth, m, memo);
  return {std::fabs(line.angle), line.azimuth};
}

Plane PlaneBisectingPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2,
                           bool wantObtuse) {
  const double dd1 = ReduceAzimuth(dipDirection1);
  const double dd2 = ReduceAzimuth(dipDirection2);
  SineCosineMemo memo;  // the poles' test and the bisection share it
  if (SameAxis(PoleVector(dip1, dd1, memo), PoleVector(dip2, dd2, memo))) return {dip1, dd1};

  const PoleBisector b = BisectPoles(dip1, dd1, dip2, dd2, memo);
  double m = b.m;
  if ((b.d >= kHalfPi && !wantObtuse) || (b.d < kHalfPi && wantObtuse)) m -= kHalfPi;
  const Line pole = LineFromHadeInPlane(b.profile.angle, b.profile.azimuth, m, memo);
  return NormalOf(std::fabs(pole.angle), pole.azimuth);
}

}  // namespace OrientGeometry
