// SPDX-License-Identifier: MIT
// Text forms of values in the settings store: whole numbers and Booleans
// written by Lodema and read back leniently, since the store may hold text
// written by earlier releases or edited by hand.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Lodema {

struct LeadingNumber {
  double value = 0.0;      // 0 when the text does not start with a number
  bool found = false;      // a number was read
  bool wholeText = false;  // the number spans the whole text (blanks aside)
};

// The longest number at the start of text: leading blanks and tabs skipped,
// optional sign, digits with at most one "." (at least one digit), optional
// exponent "E"/"e" with digits. "12abc" gives 12, "abc" and "" give 0 with
// found false. Independent of the process locale.
LeadingNumber ReadLeadingNumber(std::string_view text);

// A whole number from store text by the leading-number rule, rounded to the
// nearest integer (halves to even). No value when the rounded number lies
// outside [minimum, maximum] or is not finite; wholeTextOnly also refuses
// text with anything but blanks after the number, or without a number.
std::optional<int> ReadStoredInteger(std::string_view text, int minimum, int maximum,
                                     bool wholeTextOnly);

// A Boolean from store text: "True"/"False" in any letter case, or a number
// (non-zero is true), blanks around allowed. No value for any other text.
std::optional<bool> ReadStoredBool(std::string_view text);

// "True" or "False".
std::string BoolText(bool value);

// True when text is "True" or "False" in any letter case, blanks around allowed.
bool IsTrueText(std::string_view text);
bool IsFalseText(std::string_view text);

// Names (of angles, of the pitch) go into captions and into the caption
// line of output files: a CR, LF or TAB in one would split that line.
bool HasControlCharacter(std::string_view text);
std::string WithoutControlCharacters(std::string_view text);

}  // namespace Lodema
