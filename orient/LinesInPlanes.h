// SPDX-License-Identifier: MIT
// Lines placed inside a plane or measured against it: the line at a given
// hade, pitch or plunge in a plane, and the pitch of a line with the sense
// letter of the strike end it is measured from. Radians throughout; sense
// texts are compass point names ("N", "NE", ...), any letter case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "orient/Records.h"
#include "orient/SineCosineMemo.h"

namespace OrientGeometry {

// The line lying in the plane at the given hade (see HadeAndMisfit in
// orient/Constructions.h): hade 0 the down-dip line, pi/2 the horizontal
// strike line toward dip direction + pi/2, pi the up-dip line (negative
// plunge), 3pi/2 the strike line toward dip direction - pi/2. Any hade is
// wrapped into [0, two pi]. Horizontal plane: plunge 0, trend dip direction
// + hade. Plunge in [-pi/2, pi/2] (negative for hades between pi/2 and 3pi/2),
// trend in [0, two pi].
Line LineFromHadeInPlane(double dip, double dipDirection, double hade);
// The same, sharing the sines and cosines of the plane's angles with the
// caller's other steps.
Line LineFromHadeInPlane(double dip, double dipDirection, double hade, SineCosineMemo& memo);
inline Line LineFromHadeInPlane(const Plane& plane, double hade) {
  return LineFromHadeInPlane(plane.angle, plane.azimuth, hade);
}

// Pitch of a line in a plane.
struct PitchResult {
  // Acute angle in [0, pi/2] between the line's projection and the strike,
  // signed like the line's plunge (negative for an upward line).
  double pitch = 0.0;
  // "N", "E", "S" or "W": the quadrant of the strike end the pitch is
  // measured from (the end nearer the line's trend).
  std::string sense;
  // Acute angle between the line and the plane, [0, pi/2].
  double misfit = 0.0;
};
// No value when the line is normal to the plane: it has no projection, so no
// pitch.
std::optional<PitchResult> PitchOfLineInPlane(double dip, double dipDirection, double plunge,
                                              double trend);
inline std::optional<PitchResult> PitchOfLineInPlane(const Plane& plane, const Line& line) {
  return PitchOfLineInPlane(plane.angle, plane.azimuth, line.angle, line.azimuth);
}

// Hade of the line that makes the signed angle `angle` (a pitch) with the
// strike end named by `sense`, in a plane of dip direction `dipDirection`.
// The sense picks whichever strike end (dip direction + pi/2 or - pi/2) is
// nearer its azimuth. Positive angle: hade pi/2 - |angle| toward the +pi/2
// end, 3pi/2 + |angle| toward the other; a negative angle gives the upward
// line (hade shifted by pi). An unrecognised sense counts as "N".
double SenseAngleFromStrike(double dipDirection, double angle, std::string_view sense);
// SenseAngleFromStrike + offset, wrapped into [0, two pi].
double SensedPitchPlusOffset(double dipDirection, double angle, std::string_view sense,
                             double offset);

// Trend of the line of plunge `plunge` lying in a plane, on the side of the
// strike named by `sense`.
struct PlungeInPlaneResult {
  // Trend in [0, two pi]; the line's plunge is the requested plunge itself.
  // When steeperThanDip it is the dip direction (the steepest line there is).
  double trend = 0.0;
  // True when no line of that plunge lies in the plane (|plunge| > |dip|).
  bool steeperThanDip = false;
  // |plunge| - |dip|, radians, when steeperThanDip; otherwise 0.
  double excess = 0.0;
};
// The search stops within 0.01 degree of the requested plunge. Most of its
// steps are decided without working out the line (see the source); the
// result is that of LineFromPlungeInPlaneEveryStep to the last bit.
PlungeInPlaneResult LineFromPlungeInPlane(double dip, double dipDirection, double plunge,
                                          std::string_view sense);
// The same search working out the line at every step.
PlungeInPlaneResult LineFromPlungeInPlaneEveryStep(double dip, double dipDirection, double plunge,
                                                   std::string_view sense);

// Line at a signed pitch in a plane, measured from the strike end named by an
// eight-point sense ("N", "NE", "E", "SE", "S", "SW", "W", "NW", any case).
struct PitchLineResult {
  Line line;  // negative pitch gives the upward line (negative plunge)
  // False when the sense is not one of the eight names: the caller should ask
  // again ("repeat") and show no result; line is then computed as for "NW".
  bool senseRecognised = true;
};
PitchLineResult LineFromPitchInPlane(double dip, double dipDirection, double pitch,
                                     std::string_view sense);

}  // namespace OrientGeometry
