// SPDX-License-Identifier: MIT
#include "orient/LinesInPlanes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "orient/Constructions.h"
#include "orient/Primitives.h"
#include "orient/TextParsing.h"

namespace OrientGeometry {

namespace {

// Hades within this of 0, pi/2, pi or 3pi/2 are taken as exactly that. The
// bisectors hand over values a few ulps off (2 pi - 1e-15), and so close to
// the dip line the closed form below has no digits left.
constexpr double kSpecialHadeTolerance = 1e-9;
// A dip below this is a horizontal plane for LineFromHadeInPlane.
constexpr double kHorizontalDip = 1e-15;
// Below these values of sin(dip) cos(r) and sin(dip) sin(r) (r the angle
// from the strike) the closed form for a line at a hade would lose more than
// about 1e-12 radians.
constexpr double kClosedFormLimitNearDip = 1e-3;
constexpr double kClosedFormLimitNearStrike = 1e-4;
// Two sense distances closer than this (degrees) put the sense exactly
// between the strike ends.
constexpr double kSenseTieDegrees = 1e-9;
// Bounds the plunge search; valid input needs a few hundred steps at most.
constexpr int kMaxSearchSteps = 100000;

// Azimuth of a compass point name in whole degrees (north 360), any letter
// case; nullopt when the text is not one of the sixteen names. eightPointOnly
// limits the names to N, NE, E, SE, S, SW, W and NW.
std::optional<int> SenseAzimuth(std::string_view sense, bool eightPointOnly = false) {
  const std::optional<int> azimuth = CompassPointAzimuth(sense);
  if (!azimuth || (eightPointOnly && *azimuth % 45 != 0)) return std::nullopt;
  return azimuth;
}

double ReduceAzimuth(double azimuth) { return WrapRadians(std::fabs(azimuth)); }

// The plunge of the line at pitch r (radians from the strike) in a plane of
// the given dip, and the horizontal angle theta between the line's trend and
// the strike. When the cosine of the plunge rounds to 1 or just above, the
// line is horizontal rather than NaN.
struct PitchedLine {
  double plunge = 0.0;
  double theta = 0.0;
};

// cosR and cosDip: cos(r) and cos(dip), which callers often have already.
PitchedLine LineAtPitch(double r, double cosR, double cosDip) {
  PitchedLine result;
  result.theta = std::atan(std::tan(r) * cosDip);
  const double x = cosR / std::cos(result.theta);
  const double q = 1.0 - x * x;
  result.plunge = q <= 0.0 ? 0.0 : kHalfPi - std::atan(x / std::sqrt(q));
  return result;
}

// Fixed azimuth ranges of the sense z (whole degrees) for each dip direction
// sd (degrees); used only for a sense exactly between the two strike ends.
bool RightHandByTable(double sd, int z) {
  if (sd >= 315.0) return z < 135;
  if (sd <= 45.0) return z >= 46 && z < 180;
  if (sd <= 135.0) return z >= 91 && z < 269;
  if (sd <= 225.0) return z >= 180;
  return z >= 270 || z < 90;
}

}  // namespace

namespace {

// Trig: a SineCosineMemo, or FreshSineCosine where nothing is shared.
template <class Trig>
Line LineAtHade(double dip, double dipDirection, double hade, Trig& memo) {
  const double D = std::fabs(dip);
  const double dd = ReduceAzimuth(dipDirection);
  const double h = WrapRadians(hade);

  double rightDegrees = RadiansToDegrees(dd + kHalfPi);
  if (rightDegrees > 360.0) rightDegrees -= 360.0;
  double leftDegrees = RadiansToDegrees(dd - kHalfPi);
  if (leftDegrees < 0.0) leftDegrees += 360.0;

  if (D < kHorizontalDip) {
    double trend = h + dd;
    if (trend > kTwoPi) trend -= kTwoPi;
    return {0.0, trend};
  }

  auto near = [h](double special) { return std::fabs(h - special) < kSpecialHadeTolerance; };
  if (near(0.0) || near(kTwoPi)) return {D, dd};
  if (near(kHalfPi)) return {0.0, AddAngles(dd, kHalfPi)};
  if (near(kPi)) return {-D, dd};
  if (near(kThreeHalfPi)) return {0.0, AddAngles(dd, kThreeHalfPi)};

  // Angle r between the line and the strike, the sign of the plunge and the
  // strike end the line lies toward.
  double r;
  double sign;
  double referenceDegrees;
  if (h < kHalfPi) {
    r = kHalfPi - h;
    sign = 1.0;
    referenceDegrees = rightDegrees;
  } else if (h > kThreeHalfPi) {
    r = h - kThreeHalfPi;
    sign = 1.0;
    referenceDegrees = leftDegrees;
  } else if (h < kPi) {
    r = h - kHalfPi;
    sign = -1.0;
    referenceDegrees = leftDegrees;
  } else {
    r = kThreeHalfPi - h;
    sign = -1.0;
    referenceDegrees = rightDegrees;
  }
  const double reference = DegreesToRadians(std::floor(referenceDegrees / 45.0) * 45.0);

  // The closed form divides two small numbers next to the dip line and takes
  // the arc cosine of nearly 1 next to the strike; there, and in planes of
  // very low dip, the line is built as a vector in the plane instead.
  const SineCosine ofD = memo.Of(D);
  const SineCosine ofR = memo.Of(r);
  if (ofD.sin * ofR.cos < kClosedFormLimitNearDip ||
      ofD.sin * ofR.sin < kClosedFormLimitNearStrike) {
    const SineCosine ofH = memo.Of(h);
    const SineCosine ofDd = memo.Of(dd);
    const double c = ofH.cos;
    const double s = ofH.sin;
    return DirectionCosinesToLine(c * ofD.cos * ofDd.cos - s * ofDd.sin,
                                  c * ofD.cos * ofDd.sin + s * ofDd.cos, c * ofD.sin);
  }

  const PitchedLine pitched = LineAtPitch(r, ofR.cos, ofD.cos);
  const double w = kHalfPi - pitched.theta;
  const double trend = NearerAngle(WrapRadians(dd + w), WrapRadians(dd - w), reference);
  return {pitched.plunge * sign, trend};
}

}  // namespace

Line LineFromHadeInPlane(double dip, double dipDirection, double hade) {
  FreshSineCosine fresh;
  return LineAtHade(dip, dipDirection, hade, fresh);
}

Line LineFromHadeInPlane(double dip, double dipDirection, double hade, SineCosineMemo& memo) {
  return LineAtHade(dip, dipDirection, hade, memo);
}

std::optional<PitchResult> PitchOfLineInPlane(double dip, double dipDirection, double plunge,
                                              double trend) {
  const double p = std::fabs(plunge);
  const double dd = ReduceAzimuth(dipDirection);
  const double t = WrapRadians(trend);

  const double right = WrapRadians(dd + kHalfPi);
  const double left = WrapRadians(dd - kHalfPi);
  const double strikeEnd = NearerAngle(right, left, t);

  PitchResult result;
  // Decided on the strike in degrees rounded to 1e-9: a whole-degree strike
  // on a boundary (45, 135, 225, 315) then falls to the same side whatever
  // rounding noise its dip direction picked up on the way (N up to 45).
  const double strike = std::round(RadiansToDegrees(strikeEnd) * 1e9) / 1e9;
  if (strike <= 45.0 || strike > 315.0) {
    result.sense = "N";
  } else if (strike <= 135.0) {
    result.sense = "E";
  } else if (strike <= 225.0) {
    result.sense = "S";
  } else {
    result.sense = "W";
  }

  const Line pole = PlaneToPole(dip, dd);
  const std::optional<Plane> profile = PlaneContainingLines(pole.angle, pole.azimuth, p, t);
  const std::optional<Line> found =
      profile ? IntersectPlanes(dip, dd, profile->angle, profile->azimuth) : std::nullopt;
  if (!found) return std::nullopt;  // the line is normal to the plane
  const Line& projection = *found;

  result.misfit = AngleBetweenLines(p, t, projection.angle, projection.azimuth, false);
  result.pitch = AngleBetweenLines(projection.angle, projection.azimuth, 0.0, strikeEnd, false);
  if (plunge != 0.0) result.pitch *= Sign(plunge);
  return result;
}

double SenseAngleFromStrike(double dipDirection, double angle, std::string_view sense) {
  const int z = SenseAzimuth(sense).value_or(360);
  const double sd = RadiansToDegrees(ReduceAzimuth(dipDirection));

  // Right-hand: the sense names the strike end dip direction + 90 degrees.
  const double toRight = CircularDistanceDegrees(z, sd + 90.0);
  const double toLeft = CircularDistanceDegrees(z, sd - 90.0);
  bool rightHand;
  if (std::fabs(toRight - toLeft) < kSenseTieDegrees) {
    rightHand = RightHandByTable(sd, z);
  } else {
    rightHand = toRight < toLeft;
  }

  const double a = std::fabs(angle);
  if (rightHand) return angle < 0.0 ? kHalfPi - a + kPi : kHalfPi - a;
  return angle < 0.0 ? a + kThreeHalfPi - kPi : a + kThreeHalfPi;
}

double SensedPitchPlusOffset(double dipDirection, double angle, std::string_view sense,
                             double offset) {
  return WrapRadians(SenseAngleFromStrike(dipDirection, angle, sense) + offset);
}

namespace {

// What the plunge search does at a pitch: stop there, or take the step of
// that index toward the wanted plunge (direction +1 steeper, -1 gentler).
struct WalkMove {
  bool arrived = false;
  std::size_t step = 0;
  double direction = 1.0;
};

constexpr std::array<double, 4> kPlungeSearchSteps = {0.01, 0.1, 1.0, 5.0};  // degrees

// The move for a line whose plunge exceeds the wanted one by diff.
WalkMove MoveFromDifference(double diff, const std::array<double, 4>& steps) {
  WalkMove move;
  const double size = std::fabs(diff);
  move.arrived = size <= steps[0];
  move.step = size <= steps[1] ? 0 : size <= steps[2] ? 1 : size <= steps[3] ? 2 : 3;
  move.direction = diff <= 0.0 ? 1.0 : -1.0;
  return move;
}

// Decides the search's moves without the line itself where that is safe.
// The plunge of the line at pitch r in a plane of dip D is asin(sin r sin D),
// and every move depends only on where that plunge lies among the nine
// boundaries q + t (t = 0, +-each step size, q the wanted plunge). sin is
// increasing there and asin's slope is at least 1, so comparing s = sin r
// sin D with sin(q + t) gives the side of each boundary, with a margin in s
// at least as wide in plunge. Only a decision far from every boundary (by
// 1e-7, a hundred times the error of the line's own closed form, measured
// in the tests) is taken here, and only where that closed form is well
// conditioned: the walk then takes exactly the pitches it takes with the
// line worked out at every step.
class PlungeScreen {
 public:
  // steps: the search's step sizes, kPlungeSearchSteps in radians.
  PlungeScreen(double dip, double wanted, const std::array<double, 4>& steps)
      : sinDip_(std::sin(dip)) {
    const std::array<double, 9> offsets = {-steps[3], -steps[2], -steps[1], -steps[0], 0.0,
                                           steps[0],  steps[1],  steps[2],  steps[3]};
    const std::array<SineCosine, 9>& ofOffsets = OffsetSinesAndCosines();
    const SineCosine ofWanted = SineCosineOf(wanted);
    for (std::size_t i = 0; i < offsets.size(); ++i) {
      // The line's plunge never exceeds pi/2: a boundary past it lies above
      // every s. The sines need only be accurate, not the library's bits.
      boundaries_[i] = wanted + offsets[i] > kHalfPi
                           ? 2.0
                           : ofWanted.sin * ofOffsets[i].cos + ofWanted.cos * ofOffsets[i].sin;
    }
  }

  // The move at pitch r, or nothing where the line must be worked out.
  std::optional<WalkMove> Decide(double r) const {
    // Next to the dip line the closed form loses digits (at pi/2 itself it
    // gives plunge 0); next to the strike 1 - x * x cancels.
    if (!(r <= kHalfPi - kNearDipLine)) return std::nullopt;
    const double s = std::sin(r) * sinDip_;
    if (!(s >= kNearHorizontal)) return std::nullopt;
    std::size_t below = 0;  // boundaries under the plunge
    for (const double boundary : boundaries_) below += boundary < s ? 1 : 0;
    // The boundaries rise (sines of angles at least 0.01 degree apart, below
    // pi/2): the nearest ones are those either side.
    if (below > 0 && s - boundaries_[below - 1] <= kMargin) return std::nullopt;
    if (below < boundaries_.size() && boundaries_[below] - s <= kMargin) return std::nullopt;
    // 4 boundaries under: between q - e and q; 5: between q and q + e.
    WalkMove move;
    move.arrived = below == 4 || below == 5;
    move.direction = below <= 4 ? 1.0 : -1.0;
    move.step = below <= 4 ? 3 - std::min<std::size_t>(below, 3) : below - 6;
    return move;
  }

 private:
  static constexpr double kNearDipLine = 1e-3;
  static constexpr double kNearHorizontal = 1e-3;
  static constexpr double kMargin = 1e-7;

  // sin and cos of the offsets t, the same for every search: worked out once.
  static const std::array<SineCosine, 9>& OffsetSinesAndCosines() {
    static const std::array<SineCosine, 9> table = [] {
      std::array<SineCosine, 9> t;
      for (std::size_t i = 0; i < 4; ++i) {
        const SineCosine of = SineCosineOf(DegreesToRadians(kPlungeSearchSteps[i]));
        t[3 - i] = {-of.sin, of.cos};
        t[5 + i] = of;
      }
      t[4] = {0.0, 1.0};
      return t;
    }();
    return table;
  }

  double sinDip_;
  std::array<double, 9> boundaries_{};  // sin(q + t), t increasing
};

template <bool kScreened>
PlungeInPlaneResult PlungeSearch(double dip, double dipDirection, double plunge,
                                 std::string_view sense) {
  const double D = std::fabs(dip);
  const double dd = ReduceAzimuth(dipDirection);
  const double q = std::fabs(plunge);
  const double z = DegreesToRadians(SenseAzimuth(sense).value_or(360));
  const std::array<double, 4> steps = {
      DegreesToRadians(kPlungeSearchSteps[0]), DegreesToRadians(kPlungeSearchSteps[1]),
      DegreesToRadians(kPlungeSearchSteps[2]), DegreesToRadians(kPlungeSearchSteps[3])};
  const double e = steps[0];

  PlungeInPlaneResult result;
  if (std::fabs(D - plunge) <= e) {
    result.trend = dd;
    return result;
  }
  if (q <= e || std::fabs(D - kHalfPi) <= e) {
    result.trend = NearerAngle(WrapRadians(dd + kHalfPi), WrapRadians(dd - kHalfPi), z);
    return result;
  }
  if (q > D) {
    result.trend = dd;
    result.steeperThanDip = true;
    result.excess = q - D;
    return result;
  }

  // Walk the pitch r until its line has the wanted plunge, with steps sized
  // by the remaining difference. The dip's cosine is the same at every step,
  // and the pitch the walk ends on is most often the one it tried last: both
  // are worked out once.
  const double cosD = std::cos(D);
  double triedR = 0.0;
  PitchedLine tried;
  bool haveTried = false;
  const auto lineAt = [&](double pitch) {
    if (!haveTried || std::bit_cast<std::uint64_t>(pitch) != std::bit_cast<std::uint64_t>(triedR)) {
      tried = LineAtPitch(pitch, std::cos(pitch), cosD);
      triedR = pitch;
      haveTried = true;
    }
    return tried;
  };
  std::optional<PlungeScreen> screen;
  if constexpr (kScreened) screen.emplace(D, q, steps);
  double r = q;
  for (int i = 0; i < kMaxSearchSteps; ++i) {
    std::optional<WalkMove> move;
    if constexpr (kScreened) move = screen->Decide(r);
    if (!move) move = MoveFromDifference(lineAt(r).plunge - q, steps);
    if (move->arrived) break;
    std::size_t step = move->step;
    const double direction = move->direction;
    const double bound = direction > 0.0 ? kHalfPi : 0.0;
    double next = r + direction * steps[step];
    bool atBound = false;
    // Past the end of the range: retry with smaller steps, and settle on the
    // end itself when even the smallest step overshoots.
    while (direction * (next - bound) > 0.0) {
      if (step == 0) {
        next = bound;
        atBound = true;
        break;
      }
      --step;
      next = r + direction * steps[step];
    }
    r = next;
    if (atBound) break;
  }

  const double w = kHalfPi - lineAt(r).theta;
  result.trend = NearerAngle(WrapRadians(dd + w), WrapRadians(dd - w), z);
  return result;
}

}  // namespace

PlungeInPlaneResult LineFromPlungeInPlane(double dip, double dipDirection, double plunge,
                                          std::string_view sense) {
  return PlungeSearch<true>(dip, dipDirection, plunge, sense);
}

PlungeInPlaneResult LineFromPlungeInPlaneEveryStep(double dip, double dipDirection, double plunge,
                                                   std::string_view sense) {
  return PlungeSearch<false>(dip, dipDirection, plunge, sense);
}

PitchLineResult LineFromPitchInPlane(double dip, double dipDirection, double pitch,
                                     std::string_view sense) {
  const double D = std::fabs(dip);
  const double dd = ReduceAzimuth(dipDirection);
  PitchLineResult result;
  const std::optional<int> zDegrees = SenseAzimuth(sense, /*eightPointOnly=*/true);
  result.senseRecognised = zDegrees.has_value();
  const double z = DegreesToRadians(zDegrees.value_or(315));
  const double a = std::fabs(pitch);

  double plunge;
  double w;
  if (D == 0.0) {
    // Pitch from the strike end, as in a plane of the least dip, so the answer
    // does not jump at dip 0.
    w = kHalfPi - a;
    double trend = NearerAngle(WrapRadians(dd + w), WrapRadians(dd - w), z);
    if (pitch < 0.0) trend = WrapRadians(trend + kPi);
    result.line = {0.0, trend};
    return result;
  }
  if (a == kHalfPi) {
    result.line = {pitch < 0.0 ? -D : D, dd};
    return result;
  }
  if (a == 0.0) {
    plunge = 0.0;
    w = kHalfPi;
  } else {
    const PitchedLine pitched = LineAtPitch(a, std::cos(a), std::cos(D));
    plunge = pitched.plunge;
    w = kHalfPi - pitched.theta;
  }
  const double trend = NearerAngle(WrapRadians(dd + w), WrapRadians(dd - w), z);
  if (pitch != 0.0) plunge *= Sign(pitch);
  result.line = {plunge, trend};
  return result;
}

}  // namespace OrientGeometry
