// SPDX-License-Identifier: MIT
// Reading orientations from text: compass point names, quadrant bearings
// (N30E), strike with a sense letter or by the right-hand rule, numbers with
// a compass suffix (30NE), and splitting a line of data into fields. Every
// routine works in degrees and text; nothing here raises or reports errors.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "orient/Records.h"

namespace OrientGeometry {

// The azimuth in whole degrees of one of the sixteen compass point names (any
// letter case), north being 360; none for any other text.
std::optional<int> CompassPointAzimuth(std::string_view text);

// True when text is one of the sixteen compass point names (any case).
bool IsCompassPointText(std::string_view text);

// Quadrant bearing (N30E, s 12,5 w, E30N) to azimuth text in degrees [0, 360]
// with "." as separator; none when the text is not a bearing. A bearing is a
// cardinal letter, an unsigned number (either separator) and a cardinal
// letter at right angles to the first, blanks allowed around the parts.
std::optional<std::string> QuadrantToAzimuthText(std::string_view bearing, DecimalMark localeMark);

// Dip direction text (degrees, "." separator) from a strike and an optional
// sense (a compass point name; blank means none). Without a sense the plane
// dips to the right of the strike (strike + 90). With one, the candidate
// strike + 90 or strike - 90 nearer the sense around the circle wins, a tie
// (a sense along the strike) choosing strike - 90. None when the strike is not
// a number or the sense is not a compass point.
std::optional<std::string> StrikeAndSenseToDipDirectionText(
    std::string_view strike, std::string_view sense, DecimalMark localeMark = DecimalMark::kPoint);

// True when sense is a compass point along the strike line (strike 000 with
// N or S, strike 090 with E or W): it is as near one candidate dip
// direction as the other and cannot choose a side, so
// StrikeAndSenseToDipDirectionText takes strike - 90. False for a blank or
// invalid sense and a strike that is not a number.
bool SenseAlongStrike(std::string_view strike, std::string_view sense,
                      DecimalMark localeMark = DecimalMark::kPoint);

// A field such as "30NE" split into its number and its compass suffix
// (compass "" when there is none); none when the suffix is not a compass
// point name.
struct SuffixSplit {
  std::string number;
  std::string compass;
};
std::optional<SuffixSplit> SplitCompassSuffix(std::string_view text);

// A field or token of a line, and the 1-based position where reading goes on.
struct Token {
  std::string text;
  int position = 1;
};

// A token or field as a view into the line it was read from.
struct TokenView {
  std::string_view text;
  int position = 1;
};

// The default field delimiters: TAB, ",", ";" and blank.
inline constexpr std::string_view kAnyFieldDelimiters = "\t,; ";

// The next field of a data line: trailing blanks of the line are ignored and
// the field's leading blanks removed. An empty set means kAnyFieldDelimiters.
// With the set of a single blank, runs of blanks separate two fields; with
// any other set two non-blank delimiters in a row enclose an empty field.
// After the last field the position is past the end of line, trailing
// blanks included.
Token ReadNextField(std::string_view line, int position, std::string_view delimiters = {});
// ReadNextField without copying the field out of the line.
TokenView LocateNextField(std::string_view line, int position, std::string_view delimiters = {});

// The characters of a delimiter set, each looked up in one step.
class DelimiterSet {
 public:
  explicit DelimiterSet(std::string_view chars);
  bool Has(char c) const {
    const auto u = static_cast<unsigned char>(c);
    return ((bits_[u >> 6] >> (u & 63)) & 1) != 0;
  }

 private:
  std::array<std::uint64_t, 4> bits_{};
};

// ReadNextField over the fields of one line, with the delimiter set and the
// line's end prepared once rather than for every field. line must outlive
// the reader.
class FieldReader {
 public:
  FieldReader(std::string_view line, std::string_view delimiters);
  TokenView Next(int position) const;

 private:
  std::string_view line_;  // without trailing blanks and line ends
  std::size_t fullLength_;
  DelimiterSet set_;
  bool blankOnly_;
};

}  // namespace OrientGeometry
