// SPDX-License-Identifier: MIT
// Calculations that turn lines about an axis: rotation of a line or a plane
// (12, 13) and unfolding about a fold axis (14, 34, 35).
#include <cmath>
#include <string>

#include "calc/DispatchGeometry.h"
#include "orient/Primitives.h"
#include "orient/Rotation.h"

namespace Lodema {

using namespace OrientGeometry;

namespace {

// A result within this many radians of horizontal may have come out upward
// by rounding only (34).
constexpr double kNearlyHorizontal = 0.001;

CalcOutcome RotatedLine(const GeometryInputs& in, bool screenNotes) {
  CalcOutcome out;
  out.result = RotateLine(in.a.angle, in.a.azimuth, in.angleC, in.b.angle, in.b.azimuth);
  if (screenNotes) {
    out.Note(std::string(in.angleC >= 0.0 ? "clockwise" : "anticlockwise") +
             " rotation (looking down axis)" +
             (out.result.angle < 0.0 ? "  -  rotated line sense is UPWARD facing"
                                     : "  -  rotated line sense is DOWNWARD facing"));
  }
  return out;
}

CalcOutcome RotatedPlane(const GeometryInputs& in, bool screenNotes) {
  CalcOutcome out;
  const Line pole = PlaneToPole(in.a.angle, in.a.azimuth);
  out.result = NormalOf(RotateLine(pole.angle, pole.azimuth, in.angleC, in.b.angle, in.b.azimuth));
  if (screenNotes) {
    out.Note(std::string(in.angleC >= 0.0 ? "clockwise" : "anticlockwise") +
             " rotation looking down rot'n axis");
  }
  return out;
}

Line Unfold(const Line& line, const GeometryInputs& in) {
  return UnfoldAboutAxis(line.angle, line.azimuth, in.a.angle, in.a.azimuth, in.c.angle,
                         in.c.azimuth);
}

CalcOutcome UnfoldedLineInBed(const GeometryInputs& in, bool screenNotes) {
  CalcOutcome out;
  out.result = Unfold(in.b, in);
  // The trend of a record already names the down-plunge azimuth, so dropping
  // the sign keeps the same axis.
  out.result.angle = std::fabs(out.result.angle);
  if (screenNotes) {
    out.Note("Residual plunge of line after plane rotated to horizontal =" +
             WholeDegreesWithBlank(out.result.angle) + "\xC2\xB0");
  }
  return out;
}

CalcOutcome UnfoldedTrackedLine(const GeometryInputs& in) {
  CalcOutcome out;
  out.result = Unfold(in.b, in);
  const double resultPlunge = out.result.angle;
  if (in.b.angle > 0.0 && resultPlunge > -kNearlyHorizontal && resultPlunge < 0.0) {
    out.result.azimuth = AddAngles(out.result.azimuth, kPi);
  }
  const std::string signNote =
      "Use -ve plunge value to indicate upward polarity of line (if polarity is important)";
  if (resultPlunge < 0.0) {
    out.Note("-ve plunge value indicates upward polarity of line (if polarity is important)");
    out.batchMessage = signNote;
  } else {
    out.Say(signNote);
  }
  return out;
}

CalcOutcome UnfoldedTrackedPlane(const GeometryInputs& in) {
  CalcOutcome out;
  Line pole = Unfold(PlaneToPole(in.b.angle, in.b.azimuth), in);
  pole.angle = std::fabs(pole.angle);
  out.result = NormalOf(pole);
  return out;
}

}  // namespace

CalcOutcome ComputeRotation(const GeometryInputs& in, bool screenNotes) {
  switch (in.calculation) {
    case 12:
      return RotatedLine(in, screenNotes);
    case 13:
      return RotatedPlane(in, screenNotes);
    case 14:
      return UnfoldedLineInBed(in, screenNotes);
    case 34:
      return UnfoldedTrackedLine(in);
    default:
      return UnfoldedTrackedPlane(in);
  }
}

}  // namespace Lodema
