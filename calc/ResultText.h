// SPDX-License-Identifier: MIT
// Result angles as text: degrees with the decimals typed (at most two), cut
// rather than rounded once the general form is written, in the output
// decimal character and notation. Shared by the result windows, the batch
// output and the stereonet's read-out.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "orient/Records.h"

namespace Lodema {

// Copies text to `to` and returns the end of the copy. A result's one to
// four characters go one by one: a copy loop or memcpy becomes a library
// call that costs more than the copy, and a switch an indirect jump that the
// alternating lengths of a row's texts keep mispredicting.
[[gnu::always_inline]] inline char* CopyShortText(std::string_view text, char* to) {
  const std::size_t n = text.size();
  if (n > 4) return std::copy_n(text.data(), n, to);
  if (n > 0) to[0] = text[0];
  if (n > 1) to[1] = text[1];
  if (n > 2) to[2] = text[2];
  if (n > 3) to[3] = text[3];
  return to + n;
}

// How result planes and directions are written, and the decimal character.
struct OutputNotation {
  OrientGeometry::PlaneNotation plane = OrientGeometry::PlaneNotation::kDipDipDirection;
  OrientGeometry::AzimuthStyle azimuth = OrientGeometry::AzimuthStyle::kAzimuth;
  char decimalChar = '.';
};

// Radians -> degree text: whole (halves to even) for 0 decimals, else the
// general number form ("35.678"); "0" for a value that has none.
std::string FormatAngleGeneral(double radians, int decimals);

// A number text cut (not rounded) to at most `decimals` digits after the
// separator, written with decimalChar; pad widens the integer part to three
// digits ("005"). "-" only when a shown digit is not zero.
std::string FormatAngleFixed(std::string_view value, int decimals, char decimalChar, bool pad);

// FormatAngleFixed(FormatAngleGeneral(radians, 0), 0, any, pad) in one
// step: whole degrees, into text (its storage reused).
void FormatAngleWhole(double radians, bool pad, std::string& text);

// An angle result: FormatAngleFixed(FormatAngleGeneral(radians, decimals)),
// pad widening the whole part to three digits. One or two decimals are
// mostly cut straight from the number; FormatAngleResultByGeneralForm always
// writes the general form first (the reference the short way must equal).
std::string FormatAngleResult(double radians, int decimals, char decimalChar);
std::string FormatAngleResult(double radians, int decimals, char decimalChar, bool pad);
std::string FormatAngleResultByGeneralForm(double radians, int decimals, char decimalChar,
                                           bool pad);

// The texts of a plane or line by role: the dip or plunge, the direction
// (dip direction, strike or trend; azimuth or quadrant bearing) and, for a
// plane in a strike notation, the sense of dip, into texts kept elsewhere (a
// row's result boxes): each is overwritten; sense only in a strike notation.
struct FabricTargets {
  std::string* first;
  std::string* direction;
  std::string* sense;
};
void FormatFabric(double angle, double azimuth, bool isPlane, int decimals,
                  const OutputNotation& notation, const FabricTargets& to);

}  // namespace Lodema
