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
DirectionCosines PoleVector(double dip, double dipDirection) {
  const Line pole = PlaneToPole(dip, dipDirection);
  return LineToDirectionCosines(pole.angle, pole.azimuth);
}

// Steps shared by the two bisectors: the plane P normal to the line of
// intersection and the hade m in P of the bisector of the poles, with the
// angle d between the poles. Only for planes that do not coincide.
struct PoleBisector {
  Plane profile;
  double m = 0.0;
  double d = 0.0;
};

PoleBisector BisectPoles(double dip1, double dd1, double dip2, double dd2) {
  const Line p1 = PlaneToPole(dip1, dd1);
  const Line p2 = PlaneToPole(dip2, dd2);
  PoleBisector result;
  // The callers have ruled out coincident planes, so the poles span a plane.
  result.profile = PlaneContainingLines(p1.angle, p1.azimuth, p2.angle, p2.azimuth)
                       .value_or(Plane{kHalfPi, 0.0});
  const Plane& P = result.profile;
  const double h1 = LineInPlaneHade(P.angle, P.azimuth, p1.angle, p1.azimuth);
  const double h2 = LineInPlaneHade(P.angle, P.azimuth, p2.angle, p2.azimuth);
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
  const double t1 = ReduceAzimuth(trend1);
  const double t2 = ReduceAzimuth(trend2);
  const double a1 = std::fabs(plunge1);
  const double a2 = std::fabs(plunge2);

  // Same axis, compared as directions: 30/000 and 30/360 are one line, and so
  // are two horizontal lines pointing opposite ways.
  if (SameAxis(LineToDirectionCosines(a1, t1), LineToDirectionCosines(a2, t2))) {
    return std::nullopt;
  }

  // Normal as the cross product, components (east X, north Y, down Z).
  double x =
      std::cos(a1) * std::cos(t1) * std::sin(a2) - std::cos(t2) * std::cos(a2) * std::sin(a1);
  double y =
      std::sin(a1) * std::cos(a2) * std::sin(t2) - std::cos(a1) * std::sin(a2) * std::sin(t1);
  double z =
      std::cos(a1) * std::cos(a2) * (std::sin(t1) * std::cos(t2) - std::sin(t2) * std::cos(t1));

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

std::optional<Line> IntersectPlanes(double dip1, double dipDirection1, double dip2,
                                    double dipDirection2) {
  dip1 = std::fabs(dip1);
  dip2 = std::fabs(dip2);
  if (dip1 == 0.0 && dip2 == 0.0) return std::nullopt;
  // A horizontal plane has every dip direction; take the other plane's so that
  // the common strike line comes out below.
  if (dip1 == 0.0) dipDirection1 = dipDirection2;
  if (dip2 == 0.0) dipDirection2 = dipDirection1;

  if (dipDirection2 == dipDirection1) {
    if (dip2 == dip1) return std::nullopt;
    return Line{0.0, WrapRadians(dipDirection1 + kHalfPi)};
  }

  const double dd1 = ReduceAzimuth(dipDirection1);
  const double dd2 = ReduceAzimuth(dipDirection2);

  // Poles, components (east, north, down); a vertical plane's pole points north.
  double u[3] = {-std::sin(dip1) * std::sin(dd1), -std::sin(dip1) * std::cos(dd1), std::cos(dip1)};
  double w[3] = {-std::sin(dip2) * std::sin(dd2), -std::sin(dip2) * std::cos(dd2), std::cos(dip2)};
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

  const double plunge = std::fmin(ArcSin(d), kHalfPi);
  if (plunge == kHalfPi) return Line{kHalfPi, 0.0};

  const double h = ArcSin(std::fabs(e) / std::cos(plunge));
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

Plane PlaneNormalToPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2) {
  const double dd1 = ReduceAzimuth(dipDirection1);
  const double dd2 = ReduceAzimuth(dipDirection2);
  if (SameAxis(PoleVector(dip1, dd1), PoleVector(dip2, dd2))) return {dip1, dd1};
  const Line p1 = PlaneToPole(dip1, dd1);
  const Line p2 = PlaneToPole(dip2, dd2);
  return PlaneContainingLines(p1.angle, p1.azimuth, p2.angle, p2.azimuth)
      .value_or(Plane{dip1, dd1});
}

namespace {

// LineInPlaneAngles; without wantMisfit the misfit is left at 0 (the hade
// does not depend on it).
HadeAndMisfit AnglesOfLineInPlane(double dip, double dipDirection, double plunge, double trend,
                                  bool wantMisfit) {
  const double dd = ReduceAzimuth(dipDirection);

  // Projection of the line onto the plane: through the profile plane that
  // holds the pole and the line.
  const Line pole = PlaneToPole(dip, dd);
  const std::optional<Plane> profile =
      PlaneContainingLines(pole.angle, pole.azimuth, plunge, trend);
  if (!profile) return {0.0, kHalfPi};  // line normal to the plane
  const std::optional<Line> found = IntersectPlanes(dip, dd, profile->angle, profile->azimuth);
  if (!found) return {0.0, kHalfPi};
  const Line& projection = *found;

  HadeAndMisfit result;
  if (wantMisfit) {
    result.misfit =
        AngleBetweenLines(std::fabs(plunge), trend, projection.angle, projection.azimuth, false);
  }

  const DirectionCosines line = LineToDirectionCosines(std::fabs(plunge), trend);
  const DirectionCosines dipLine = LineToDirectionCosines(std::fabs(dip), dd);
  const double a = AcuteAngle(line, dipLine);

  // Side of the strike end R = dd + pi/2, judged on the down-dip-pointing
  // form of the projection (the line's own R component shares its sign).
  const double r = dd + kHalfPi;
  double alongR = line.north * std::cos(r) + line.east * std::sin(r);
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

HadeAndMisfit LineInPlaneAngles(double dip, double dipDirection, double plunge, double trend) {
  return AnglesOfLineInPlane(dip, dipDirection, plunge, trend, true);
}

double LineInPlaneHade(double dip, double dipDirection, double plunge, double trend) {
  return AnglesOfLineInPlane(dip, dipDirection, plunge, trend, false).hade;
}

Line LineBisectingPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2,
                         bool wantObtuse) {
  const double dd1 = ReduceAzimuth(dipDirection1);
  const double dd2 = ReduceAzimuth(dipDirection2);
  if (SameAxis(PoleVector(dip1, dd1), PoleVector(dip2, dd2))) return {dip1, dd1};

  const PoleBisector b = BisectPoles(dip1, dd1, dip2, dd2);
  double m = b.m;
  // The traces lie at right angles to the poles, so their bisector does too.
  if ((b.d <= kHalfPi && !wantObtuse) || (b.d > kHalfPi && wantObtuse)) m -= kHalfPi;
  const Line line = LineFromHadeInPlane(b.profile.angle, b.profile.azimuth, m);
  return {std::fabs(line.angle), line.azimuth};
}

Plane PlaneBisectingPlanes(double dip1, double dipDirection1, double dip2, double dipDirection2,
                           bool wantObtuse) {
  const double dd1 = ReduceAzimuth(dipDirection1);
  const double dd2 = ReduceAzimuth(dipDirection2);
  if (SameAxis(PoleVector(dip1, dd1), PoleVector(dip2, dd2))) return {dip1, dd1};

  const PoleBisector b = BisectPoles(dip1, dd1, dip2, dd2);
  double m = b.m;
  if ((b.d >= kHalfPi && !wantObtuse) || (b.d < kHalfPi && wantObtuse)) m -= kHalfPi;
  const Line pole = LineFromHadeInPlane(b.profile.angle, b.profile.azimuth, m);
  return NormalOf(std::fabs(pole.angle), pole.azimuth);
}

}  // namespace OrientGeometry
