// Number text that tolerates either decimal separator, whatever the machine's
// regional setting, plus a few small text and file helpers. Every routine is
// stateless; the locale flag is learnt once at start-up and passed in.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace NumberText {

// True when the user's locale writes one and a half with a comma. Asks the
// C++ user locale (std::locale("")); a locale that cannot be made counts as
// using a period.
bool LocaleUsesCommaDecimal();

// Replaces the first "," by "." (toComma false) or the first "." by ","
// (toComma true). Only the first occurrence changes.
std::string SwapDecimalSeparator(std::string_view text, bool toComma = false);

// Reads number text written with "." or ",": an optional sign, digits with at
// most one separator (at least one digit), an optional exponent, surrounding
// blanks allowed. Independent of the process C locale. Empty, malformed text
// and values that overflow a double give no value.
std::optional<double> TryTextToDouble(std::string_view text, bool localeUsesComma);
// The same with 0 for blank or unreadable text, never failing.
double TextToDouble(std::string_view text, bool localeUsesComma);

// True for a plain decimal number as typed: optional leading sign, digits and
// at most one "." or ",", spaces at either end. A lone sign or separator counts
// (typing may start with it); exponents, inner blanks and grouping do not.
bool IsNumberText(std::string_view text);

// Number of digits typed after the first "." (or, failing that, the first
// ","): 0 without a separator, 1 for a separator with no digit after it.
int CountDecimalPlaces(std::string_view text);

enum class CompareMode { kExact, kIgnoreCase };
// Smallest 1-based position at or after start (positions below 1 count as 1)
// of any character of set in text; 0 when none occurs. Letter case is folded
// (ASCII) in kIgnoreCase mode.
int FindAnyChar(int start, std::string_view text, std::string_view set,
                CompareMode mode = CompareMode::kExact);

// Distance between two points of the plane, in their own units.
double PointDistance(double x1, double y1, double x2, double y2);

// True when at least one regular file matches path. "*" and "?" are
// wildcards; other characters, "[" and "\" included, are literal.
bool FileExists(const std::string& path);

// The typed text of a drop-down list and its entries.
struct ComboText {
  std::string text;
  std::vector<std::string> entries;
};
// Completes the typed text to the first entry sharing the longest possible
// prefix with it (letter case ignored); with no shared prefix the text
// becomes the first entry, or "" when the list is empty.
void CompleteComboText(ComboText& combo);

// Lodema's general number form: at most 15 significant digits, no trailing
// zeros, no "+", "-0" written "0", decimalChar as separator. Magnitudes from
// 1e-20 to below 1e21 are written without exponent; beyond that the form
// "1.5E+300" is used. NaN and infinities give "".
std::string FormatGeneral(double value, char decimalChar);

// Nearest whole number, halves to even (44.5 -> 44, 45.5 -> 46), whatever
// the floating-point rounding mode. NaN and infinities are returned as given.
double RoundHalfEven(double value);

}  // namespace NumberText
