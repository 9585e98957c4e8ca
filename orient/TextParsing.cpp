// SPDX-License-Identifier: MIT
#include "orient/TextParsing.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>

#include "orient/NumberText.h"
#include "orient/Primitives.h"

namespace OrientGeometry {

namespace {

struct CompassEntry {
  std::string_view name;
  int azimuth;
};

// North is 360, not 0; a half-degree point takes the next whole degree.
constexpr std::array<CompassEntry, 16> kCompassTable{{
    {"N", 360},
    {"NNE", 23},
    {"NE", 45},
    {"ENE", 68},
    {"E", 90},
    {"ESE", 113},
    {"SE", 135},
    {"SSE", 158},
    {"S", 180},
    {"SSW", 203},
    {"SW", 225},
    {"WSW", 248},
    {"W", 270},
    {"WNW", 293},
    {"NW", 315},
    {"NNW", 338},
}};

char ToUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

using NumberText::TrimBlanks;
using NumberText::TrimLeadingSpaces;

bool IsNorthSouth(char c) { return ToUpper(c) == 'N' || ToUpper(c) == 'S'; }
bool IsEastWest(char c) { return ToUpper(c) == 'E' || ToUpper(c) == 'W'; }

// The unsigned number of a bearing: digits with at most one separator.
bool IsBearingNumber(std::string_view text) {
  if (text.empty() || text.front() == '-' || text.front() == '+') return false;
  if (!NumberText::IsNumberText(text)) return false;
  return std::any_of(text.begin(), text.end(), NumberText::IsDigit);
}

// An azimuth in [0, 360] as text, without the binary noise that sums such as
// 275.83 + 90 - 360 leave in the last digits (5.82999999999998).
std::string DegreesText(double degrees) {
  if (!std::isfinite(degrees)) return "";
  return NumberText::FormatGeneral(std::round(degrees * 1e10) / 1e10, '.');
}

}  // namespace

std::optional<int> CompassPointAzimuth(std::string_view text) {
  if (text.size() <= 3) {
    std::string upper(text);
    for (char& c : upper) c = ToUpper(c);
    for (const CompassEntry& entry : kCompassTable) {
      if (entry.name == upper) return entry.azimuth;
    }
  }
  return std::nullopt;
}

bool IsCompassPointText(std::string_view text) { return CompassPointAzimuth(text).has_value(); }

std::optional<std::string> QuadrantToAzimuthText(std::string_view bearing, DecimalMark localeMark) {
  const std::string_view s = TrimBlanks(bearing);
  std::size_t numberStart = 0;
  while (numberStart < s.size() && IsLetter(s[numberStart])) ++numberStart;
  std::size_t numberEnd = numberStart;
  while (numberEnd < s.size() && !IsLetter(s[numberEnd])) ++numberEnd;
  // Exactly one letter, a number, exactly one letter.
  if (numberStart != 1 || s.size() - numberEnd != 1) return std::nullopt;
  const char lead = s.front();
  const char trail = s.back();
  const bool perpendicular =
      (IsNorthSouth(lead) && IsEastWest(trail)) || (IsEastWest(lead) && IsNorthSouth(trail));
  if (!perpendicular) return std::nullopt;
  const std::string_view numberText = TrimBlanks(s.substr(numberStart, numberEnd - numberStart));
  if (!IsBearingNumber(numberText)) return std::nullopt;
  const auto number = NumberText::TryTextToDouble(numberText, localeMark);
  if (!number) return std::nullopt;

  // Both letters are cardinal points, checked above.
  int az1 = CompassPointAzimuth(std::string_view(&lead, 1)).value_or(360);
  int az2 = CompassPointAzimuth(std::string_view(&trail, 1)).value_or(360);
  if (az1 == 360 && az2 < 180) az1 = 0;
  if (az2 == 360 && az1 < 180) az2 = 0;
  const double azimuth = az1 < az2 ? az1 + *number : az1 - *number;
  return DegreesText(WrapDegrees(azimuth));
}

std::optional<std::string> StrikeAndSenseToDipDirectionText(std::string_view strike,
                                                            std::string_view sense,
                                                            DecimalMark localeMark) {
  const auto strikeValue = NumberText::TryTextToDouble(strike, localeMark);
  if (!strikeValue) return std::nullopt;
  const double candidateA = WrapDegrees(*strikeValue + 90.0);
  const double candidateB = WrapDegrees(*strikeValue - 90.0);
  if (!std::isfinite(candidateA) || !std::isfinite(candidateB)) return std::nullopt;

  const std::string_view senseText = TrimBlanks(sense);
  if (senseText.empty()) return DegreesText(candidateA);  // right-hand rule
  const std::optional<int> senseAzimuth = CompassPointAzimuth(senseText);
  if (!senseAzimuth) return std::nullopt;
  const double toA = CircularDistanceDegrees(candidateA, *senseAzimuth);
  const double toB = CircularDistanceDegrees(candidateB, *senseAzimuth);
  return DegreesText(toA >= toB ? candidateB : candidateA);
}

bool SenseAlongStrike(std::string_view strike, std::string_view sense, DecimalMark localeMark) {
  const auto strikeValue = NumberText::TryTextToDouble(strike, localeMark);
  const std::string_view senseText = TrimBlanks(sense);
  if (!strikeValue || senseText.empty()) return false;
  const std::optional<int> senseAzimuth = CompassPointAzimuth(senseText);
  if (!senseAzimuth) return false;
  const double toA = CircularDistanceDegrees(WrapDegrees(*strikeValue + 90.0), *senseAzimuth);
  const double toB = CircularDistanceDegrees(WrapDegrees(*strikeValue - 90.0), *senseAzimuth);
  if (!std::isfinite(toA) || !std::isfinite(toB)) return false;
  // The same tie as StrikeAndSenseToDipDirectionText's; strikes typed with
  // decimals differ from a compass point by far more than this.
  return std::fabs(toA - toB) < 1e-9;
}

std::optional<SuffixSplit> SplitCompassSuffix(std::string_view text) {
  const std::string_view s = TrimLeadingSpaces(text);
  if (NumberText::IsNumberText(s)) return SuffixSplit{std::string(TrimBlanks(s)), ""};
  std::size_t end = 0;
  while (end < s.size() && s[end] >= '+' && s[end] <= '9' && s[end] != '/' && s[end] != ',') {
    ++end;
  }
  if (end == s.size()) return SuffixSplit{std::string(s), ""};
  const std::string_view suffix = TrimBlanks(s.substr(end));
  if (!IsCompassPointText(suffix)) return std::nullopt;
  return SuffixSplit{std::string(s.substr(0, end)), std::string(suffix)};
}

namespace {

// Inlined into its callers: a returned view read back whole just after being
// written piecewise stalls the processor, for every field of every row.
[[gnu::always_inline]] inline TokenView LocateToken(std::string_view line, int position,
                                                    const DelimiterSet& inSet) {
  if (line.size() >= static_cast<std::size_t>(INT_MAX)) line = line.substr(0, INT_MAX - 2);
  const std::size_t length = line.size();
  if (position < 1) position = 1;
  if (static_cast<std::size_t>(position) > length) return {{}, position};

  const auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
  const bool blankDelimits = inSet.Has(' ');
  std::size_t p = static_cast<std::size_t>(position) - 1;
  while (p < length && (isLineEnd(line[p]) || (line[p] == ' ' && blankDelimits))) ++p;
  if (p >= length) return {{}, static_cast<int>(length) + 1};

  std::size_t end = p;
  while (end < length && !inSet.Has(line[end])) ++end;
  if (end == length) return {line.substr(p), static_cast<int>(length) + 1};

  std::size_t next = end + 1;
  if (line[end] == ' ') {
    // Blanks before a comma, semicolon or TAB pad that delimiter.
    std::size_t q = next;
    while (q < length && line[q] == ' ') ++q;
    if (q < length && inSet.Has(line[q]) && !isLineEnd(line[q])) next = q + 1;
  }
  return {line.substr(p, end - p), static_cast<int>(next) + 1};
}

}  // namespace

DelimiterSet::DelimiterSet(std::string_view chars) {
  for (const char c : chars) {
    const auto u = static_cast<unsigned char>(c);
    bits_[u >> 6] |= std::uint64_t{1} << (u & 63);
  }
}

FieldReader::FieldReader(std::string_view line, std::string_view delimiters)
    : fullLength_(line.size()),
      set_(delimiters.empty() ? kAnyFieldDelimiters : delimiters),
      blankOnly_(delimiters == " ") {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\n')) {
    line.remove_suffix(1);
  }
  line_ = line;
}

TokenView FieldReader::Next(int position) const {
  TokenView token;
  token.position = position;
  do {
    token = LocateToken(line_, token.position, set_);
    token.text = TrimLeadingSpaces(token.text);
  } while (blankOnly_ && token.text.empty() &&
           static_cast<std::size_t>(token.position) <= line_.size());
  // Past the last field the trailing blanks are consumed too, so that a
  // caller reading while position <= its own line length stops.
  if (static_cast<std::size_t>(token.position) > line_.size() && fullLength_ < INT_MAX) {
    token.position = std::max(token.position, static_cast<int>(fullLength_) + 1);
  }
  return token;
}

TokenView LocateNextField(std::string_view line, int position, std::string_view delimiters) {
  return FieldReader(line, delimiters).Next(position);
}

Token ReadNextField(std::string_view line, int position, std::string_view delimiters) {
  const TokenView token = LocateNextField(line, position, delimiters);
  return {std::string(token.text), token.position};
}

}  // namespace OrientGeometry
