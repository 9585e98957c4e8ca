// SPDX-License-Identifier: MIT
// Captions and tooltips of the file page, exactly as the window shows them.
#pragma once

#include <array>

namespace Lodema {

inline constexpr const char* kManualFixCaption = "Manually fixed";
inline constexpr const char* kTableHeadingsCaption = "First row contains column headings";
inline constexpr const char* kDefaultOutputFileText = "Lodem output1.txt";
inline constexpr const char* kReplaceDataCaption = "Replace data";
inline constexpr const char* kAppendDataCaption = "Append data";
inline constexpr const char* kSurveyFileCaption = "Survey file\u2026";
inline constexpr const char* kCollarFileCaption = "Collar file\u2026";
inline constexpr const char* kHoleColumnCaption = "Hole column";
inline constexpr const char* kDepthColumnCaption = "Depth column";

// fileOutputOptions(0..10). Boxes 7-9 are captioned by the main window
// model, which changes box 7's caption for calculation 19.
inline constexpr std::array<const char*, 11> kOutputOptionCaptions = {
    "Include Input data in Output file?",
    "Result columns precede input data columns?",
    "Result columns follow input data columns?",
    "Keep non- data rows?",
    "Output delimiter same as input file? (overrides setting above)",
    "Include Input headers in output?",
    "Include result columns",
    "Reference plane solution",
    "Any ambiguous reference plane solutions",
    "Second result using ambiguous ref. plane",
    "Include Results column labels?",
};
inline constexpr std::array<const char*, 11> kOutputOptionTooltips = {
    "",
    "Put Results columns first in saved output",
    "Put Results columns last in saved output",
    "",
    "",
    "Retains the Input header line in the output",
    "Will add two columns to output",
    "Adds full reference plane solution to output",
    "Adds the second reference plane solution, if present",
    "Adds the other solution, if a second reference plane solution exists",
    "Adds a header with the labels for each of the Results columns",
};

}  // namespace Lodema
