// SPDX-License-Identifier: MIT
#include "calc/DispatchGeometry.h"

#include <cmath>

#include "orient/Constructions.h"
#include "orient/LinesInPlanes.h"
#include "orient/NumberText.h"
#include "orient/Primitives.h"
#include "orient/TextFormatting.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

constexpr const char* kPlanesCoincide = "planes A and B coincide: no unique result";
constexpr const char* kLinesParallel = "lines A and B are parallel: no unique plane";
constexpr const char* kSectionInPlane = "the section is plane A itself: no unique apparent dip";
constexpr const char* kTrendInPlane = "plane A is vertical along trend B: no unique line";
constexpr const char* kLineNormal = "line B is normal to plane A: no ";
constexpr const char* kBadPitchSense = "sense must be N, NE, E, SE, S, SW, W or NW";

// Misfits above this many whole degrees make the computer beep.
constexpr double kMisfitBeepDegrees = 10.0;

CalcOutcome Fail(const std::string& message) {
  CalcOutcome out;
  out.noResult = true;
  out.Fail(message);
  return out;
}

CalcOutcome LineResult(const Line& line) {
  CalcOutcome out;
  out.result = line;
  return out;
}

CalcOutcome AngleResult(double angle, const std::string& sense = "") {
  CalcOutcome out;
  out.angle = angle;
  out.sense = sense;
  return out;
}

// The misfit note of 10 and 11; a large misfit also beeps in a batch run.
void AddMisfit(CalcOutcome& out, double misfit, bool screenNotes) {
  if (screenNotes) {
    out.Note("Misfit between line and plane =" + WholeDegreesWithBlank(misfit) + "\xC2\xB0");
  }
  out.beep = NumberText::RoundHalfEven(RadiansToDegrees(misfit)) > kMisfitBeepDegrees;
}

Plane VerticalPlaneAlong(double trend) { return {kHalfPi, AddAngles(trend, kHalfPi)}; }

CalcOutcome ApparentDip(const Plane& plane, const Plane& section) {
  const std::optional<Line> line = IntersectPlanes(plane, section);
  // The line lies in the section, so its pitch there always exists.
  const std::optional<PitchResult> pitch = line ? PitchOfLineInPlane(section, *line) : std::nullopt;
  if (!pitch) return Fail(kSectionInPlane);
  return AngleResult(pitch->pitch, pitch->sense);
}

CalcOutcome LineFromPitch(const Plane& plane, double pitch, const std::string& sense) {
  const PitchLineResult r = LineFromPitchInPlane(plane.angle, plane.azimuth, pitch, sense);
  if (!r.senseRecognised) return Fail(kBadPitchSense);
  return LineResult(r.line);
}

CalcOutcome PitchOfLine(const Plane& plane, const Line& line, bool screenNotes) {
  const std::optional<PitchResult> r = PitchOfLineInPlane(plane, line);
  if (!r) {
    CalcOutcome out = Fail(std::string(kLineNormal) + "pitch");
    out.beep = true;
    return out;
  }
  CalcOutcome out = AngleResult(r->pitch, r->sense);
  AddMisfit(out, r->misfit, screenNotes);
  return out;
}

CalcOutcome HadeOfLine(const Plane& plane, const Line& line, bool screenNotes) {
  const std::optional<HadeAndMisfit> angles = HadeOfProjection(plane, line);
  if (!angles) {
    CalcOutcome out = Fail(std::string(kLineNormal) + "hade");
    out.beep = true;
    return out;
  }
  CalcOutcome out = AngleResult(angles->hade);
  AddMisfit(out, angles->misfit, screenNotes);
  return out;
}

CalcOutcome PlaneThroughLines(const Line& a, const Line& b) {
  const std::optional<Plane> plane = PlaneContainingLines(a, b);
  if (!plane) return Fail(kLinesParallel);
  return LineResult(*plane);
}

CalcOutcome Intersection(const Plane& a, const Plane& b, const char* failure) {
  const std::optional<Line> line = IntersectPlanes(a, b);
  if (!line) return Fail(failure);
  return LineResult(*line);
}

CalcOutcome PitchOfIntersection(const Plane& a, const Plane& b) {
  const std::optional<Line> line = IntersectPlanes(a, b);
  // The line lies in plane A, so its pitch there always exists.
  const std::optional<PitchResult> r = line ? PitchOfLineInPlane(a, *line) : std::nullopt;
  if (!r) return Fail(kPlanesCoincide);
  return AngleResult(r->pitch, r->sense);
}

bool SamePlane(const Plane& a, const Plane& b) {
  return a.angle == b.angle && WrapRadians(a.azimuth) == WrapRadians(b.azimuth);
}

CalcOutcome PlaneNormalToBoth(const Plane& a, const Plane& b) {
  // Every plane through the common pole is normal to a plane given twice.
  if (SamePlane(a, b)) return Fail(kPlanesCoincide);
  return LineResult(PlaneNormalToPlanes(a, b));
}

CalcOutcome LineWithPlunge(const Plane& plane, double plunge, const std::string& sense) {
  const PlungeInPlaneResult r = LineFromPlungeInPlane(plane.angle, plane.azimuth, plunge, sense);
  if (!r.steeperThanDip) return LineResult({plunge, r.trend});
  // No such line: the steepest line of the bed stands in for it.
  CalcOutcome out = LineResult({plane.angle, plane.azimuth});
  out.Fail("plunge is " + RadiansToWholeDegreesText(r.excess) + "\xC2\xB0 steeper than dip of bed");
  return out;
}

}  // namespace

std::string WholeDegreesWithBlank(double radians) {
  const std::string text = RadiansToWholeDegreesText(radians);
  return text.starts_with('-') ? text : " " + text;
}

std::optional<Plane> PlaneBisectingLines(const Line& a, const Line& b, bool wantObtuse) {
  if (!PlaneContainingLines(a, b)) return std::nullopt;
  const DirectionCosines u = LineToDirectionCosines(std::fabs(a.angle), a.azimuth);
  const DirectionCosines v = LineToDirectionCosines(std::fabs(b.angle), b.azimuth);
  // The plane holding one bisector and the common normal has the other
  // bisector as its pole: u - v holds for the acute angle when u.v >= 0.
  const double dot = u.north * v.north + u.east * v.east + u.down * v.down;
  const double s = (dot >= 0.0) != wantObtuse ? -1.0 : 1.0;
  const Line pole =
      DirectionCosinesToLine(u.north + s * v.north, u.east + s * v.east, u.down + s * v.down);
  return NormalOf(pole);
}

std::optional<HadeAndMisfit> HadeOfProjection(const Plane& plane, const Line& line) {
  const Line pole = PlaneToPole(plane.angle, plane.azimuth);
  const DirectionCosines p = LineToDirectionCosines(pole.angle, pole.azimuth);
  const DirectionCosines v = LineToDirectionCosines(line.angle, line.azimuth);
  const double along = v.north * p.north + v.east * p.east + v.down * p.down;
  DirectionCosines w{v.north - along * p.north, v.east - along * p.east, v.down - along * p.down};
  const double length = std::sqrt(w.north * w.north + w.east * w.east + w.down * w.down);
  if (length < 1e-12) return std::nullopt;
  // Rounding must not turn a horizontal projection upward.
  if (std::fabs(w.down) < 1e-15) w.down = 0.0;
  const Line projection = DirectionCosinesToLine(w);
  HadeAndMisfit angles;
  angles.hade = LineInPlaneHade(plane.angle, plane.azimuth, projection.angle, projection.azimuth);
  angles.misfit = LineInPlaneMisfit(plane.angle, plane.azimuth, line.angle, line.azimuth);
  return angles;
}

CalcOutcome ComputeGeometry(const GeometryInputs& in, bool screenNotes) {
  const Orientation& a = in.a;
  const Orientation& b = in.b;
  switch (in.calculation) {
    case 0:
      return Intersection(a, b, kPlanesCoincide);
    case 1:
      return PlaneThroughLines(a, b);
    case 2:
      return AngleResult(AngleBetweenLines(a.angle, a.azimuth, b.angle, b.azimuth, in.obtuse));
    case 3:
      return AngleResult(AngleBetweenPlanes(a.angle, a.azimuth, b.angle, b.azimuth, in.obtuse));
    case 4: {
      const Line pole = PlaneToPole(a.angle, a.azimuth);
      const double angle = AngleBetweenLines(pole.angle, pole.azimuth, b.angle, b.azimuth, false);
      return AngleResult(std::fabs(kHalfPi - angle));
    }
    case 5:
      return LineResult(NormalOf(a));
    case 6:
      return LineResult(PlaneToPole(a.angle, a.azimuth));
    case 7:
      return ApparentDip(a, b);
    case 8:
      return LineFromPitch(a, b.angle, in.senseB);
    case 9:
      return LineResult(LineFromHadeInPlane(a, b.angle));
    case 10:
      return PitchOfLine(a, b, screenNotes);
    case 11:
      return HadeOfLine(a, b, screenNotes);
    case 12:
    case 13:
    case 14:
    case 34:
    case 35:
      return ComputeRotation(in, screenNotes);
    case 15:
    case 16:
      return LineResult(a);
    case 26: {
      const double hade = SensedPitchPlusOffset(a.azimuth, b.angle, in.senseB, in.angleC);
      return LineResult(LineFromHadeInPlane(a, hade));
    }
    case 27:
      return Intersection(a, VerticalPlaneAlong(b.azimuth), kTrendInPlane);
    case 28:
      return PitchOfIntersection(a, b);
    case 29:
      return LineResult(PlaneBisectingPlanes(a.angle, a.azimuth, b.angle, b.azimuth, in.obtuse));
    case 30:
      return LineResult(LineBisectingPlanes(a.angle, a.azimuth, b.angle, b.azimuth, in.obtuse));
    case 31:
      return PlaneNormalToBoth(a, b);
    case 32:
      return AngleResult(SenseAngleFromStrike(a.azimuth, b.angle, in.senseB));
    case 33: {
      const std::optional<Plane> plane = PlaneBisectingLines(a, b, in.obtuse);
      if (!plane) return Fail(kLinesParallel);
      return LineResult(*plane);
    }
    case 36:
      return LineWithPlunge(a, b.angle, in.senseB);
    default:
      return Fail("not a geometrical calculation");
  }
}

}  // namespace Lodema
