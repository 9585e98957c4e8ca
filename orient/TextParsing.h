// Reading orientations from text: compass point names, quadrant bearings
// (N30E), strike with a sense letter or by the right-hand rule, numbers with
// a compass suffix (30NE), and splitting a line of data into fields. Every
// routine works in degrees and text; nothing here raises or reports errors.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "orient/Records.h"

namespace OrientGeometry {

// A compass point name and its azimuth in whole degrees. For one of the
// sixteen names (any letter case) text is the name as given and azimuth its
// table value, north being 360; otherwise text is the invalid marker
// (kInvalidCompassChar alone) and azimuth 360.
struct CompassPoint {
  int azimuth = 360;
  std::string text;
};
CompassPoint CompassPointToAzimuth(std::string_view text);

// True when text is one of the sixteen compass point names (any case).
bool IsCompassPointText(std::string_view text);

// Quadrant bearing (N30E, s 12,5 w, E30N) to azimuth text in degrees [0, 360]
// with "." as separator; "" when the text is not a bearing. A bearing is a
// cardinal letter, an unsigned number (either separator) and a cardinal
// letter at right angles to the first, blanks allowed around the parts.
std::string QuadrantToAzimuthText(std::string_view bearing, bool localeUsesComma);

// Dip direction text (degrees, "." separator) from a strike and an optional
// sense (a compass point name; blank means none). Without a sense the plane
// dips to the right of the strike (strike + 90). With one, the candidate
// strike + 90 or strike - 90 nearer the sense around the circle wins, a tie
// (a sense along the strike) choosing strike - 90. "" when the strike is not
// a number or the sense is not a compass point.
std::string StrikeAndSenseToDipDirectionText(std::string_view strike, std::string_view sense,
                                             bool localeUsesComma = false);

// A field such as "30NE" split into its number and its compass suffix.
// compass is "" when there is no suffix, the invalid marker when the suffix
// is not a compass point name.
struct SuffixSplit {
  std::string number;
  std::string compass;
};
SuffixSplit SplitCompassSuffix(std::string_view text);

// A field or token of a line, and the 1-based position where reading goes on.
struct Token {
  std::string text;
  int position = 1;
};

// The token that starts at position (1-based; below 1 counts as 1) of line
// and ends at the next character of delimiters. Blanks, CR and LF before it
// are skipped when they belong to the set; any other delimiter met first ends
// an empty token. Blanks that pad a non-blank delimiter (as in "12 , 45")
// are consumed with it. Past the end of the line the token is "".
Token ReadNextToken(std::string_view line, int position, std::string_view delimiters);

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

// The texts of one orientation as typed: the angle (dip or plunge), the
// direction (dip direction, strike or trend, in the input notation) and the
// sense letter of the strike conventions.
struct OrientationTexts {
  std::string angle;
  std::string direction;
  std::string sense;
};

enum class ReadFailure { kNone, kAngle, kDirection, kSense };

// An orientation read from text, in radians, or which text failed.
struct OrientationReading {
  Orientation value;
  ReadFailure failure = ReadFailure::kNone;
  bool ok() const { return failure == ReadFailure::kNone; }
};

// Reads a plane typed in plane convention 1-6 (PlaneConvention) and
// direction notation (DirectionNotation): a quadrant bearing is turned into
// an azimuth, a strike into the dip direction (with its sense in conventions
// 3 and 4, by the right-hand rule in 5 and 6). Ranges are not checked.
OrientationReading ReadPlaneText(const OrientationTexts& texts, int planeConvention,
                                 int directionNotation, bool localeUsesComma);
// Reads a line (plunge, trend) in the given direction notation.
OrientationReading ReadLineText(const OrientationTexts& texts, int directionNotation,
                                bool localeUsesComma);

// The texts of a plane or line from its fields in entry order: the order of
// plane convention 1-6 ("Strike, Dip, Sense" gives strike, dip, sense) or of
// line convention 0/1. Missing fields are empty.
OrientationTexts PlaneTextsFromFields(std::span<const std::string> fields, int planeConvention);
OrientationTexts LineTextsFromFields(std::span<const std::string> fields, int lineConvention);

}  // namespace OrientGeometry
