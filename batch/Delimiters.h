// SPDX-License-Identifier: MIT
// The delimiter lists of the file page and splitting a data line into
// fields. The input list offers "tab", "space", ",", ";" and "any" and accepts
// any other typed text, each character of which then separates fields.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Lodema {

// The delimiter set of "any": comma, semicolon, blank and TAB, stored in this
// order in the settings.
inline constexpr std::string_view kAnyDelimiterSet = ",; \t";

// Entries of the input and output delimiter lists, in list order.
inline constexpr std::array<const char*, 5> kInputDelimiterEntries = {"tab", "space", ",", ";",
                                                                      "any"};
inline constexpr std::array<const char*, 4> kOutputDelimiterEntries = {"tab", "space", ",", ";"};

// The delimiter set for the text of the input list: "tab" a TAB, "space" a
// blank, "any" the four-character set, anything else the text itself.
std::string InputDelimiterSetFromListText(std::string_view listText);
// The list text that shows a stored delimiter set: the inverse of the above.
std::string InputDelimiterListText(std::string_view delimiterSet);
// Why an output delimiter would make the results unreadable: a digit or a
// sign (a value could not be told from its neighbours) or a line break (each
// row would be split). None for a usable delimiter; the decimal character
// is checked where it is known.
std::optional<std::string> UnreadableOutputDelimiter(std::string_view delimiter);

// True for the "any" set.
bool IsAnyDelimiterSet(std::string_view delimiterSet);

// Splits line into at most maxFields fields (all of them when maxFields < 0)
// with the field rules of Lodema's data files (an empty set splits at any of
// the four "any" characters); fields is overwritten and its storage reused.
// Returns the number of fields read. The views are of line.
int SplitFields(std::string_view line, std::string_view delimiterSet, int maxFields,
                std::vector<std::string_view>& fields);
int SplitFields(std::string_view line, std::string_view delimiterSet, int maxFields,
                std::vector<std::string>& fields);
// SplitFields through the general field reader for every set; SplitFields
// itself takes a shortcut for a single delimiter other than a blank, giving
// the same fields.
int SplitFieldsByReader(std::string_view line, std::string_view delimiterSet, int maxFields,
                        std::vector<std::string_view>& fields);

}  // namespace Lodema
