// SPDX-License-Identifier: MIT
// What `lodema` does before it opens a window: --help prints a short usage,
// and without a display it says so in one line instead of Qt's abort.
#pragma once

#include <string>

namespace Lodema {

// True when the command line asks for help (--help or -h). Looks at argv
// alone, so that it works without a display.
bool IsHelpRequest(int argc, const char* const* argv);

// The usage printed for --help.
std::string GuiHelpText();

inline constexpr const char* kNoDisplayMessage =
    "lodema: no display: set DISPLAY or use lodema-batch";

// True when no display can be there: no X or Wayland display named and no
// Qt platform chosen (environment or -platform).
bool LacksDisplay(int argc, const char* const* argv);

// From now on a fatal message from Qt about the display (a DISPLAY that
// names nothing) prints kNoDisplayMessage and ends the program with status 1.
void ReportDisplayFailureInOneLine();

}  // namespace Lodema
