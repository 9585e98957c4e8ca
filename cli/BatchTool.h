// SPDX-License-Identifier: MIT
// lodema-batch without a screen: sets up the main window's model from the
// built-in defaults and the options, then presses "Start input" on the same
// file page model the desktop uses.
#pragma once

#include <cstdio>
#include <string>

#include "cli/Options.h"

namespace Lodema {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitFailed = 1;  // input or output unusable, or no valid line
inline constexpr int kExitUsage = 2;

struct ToolStreams {
  std::FILE* input = stdin;    // read for --in -
  std::FILE* output = stdout;  // written for --out -
  std::FILE* errors = stderr;  // summaries and problems
};

// Runs one batch; returns the exit status. Usage problems found only once
// the calculation is laid out (a --fix or --map that does not fit) are
// reported on errors and give kExitUsage.
int RunBatchTool(const CliOptions& options, const ToolStreams& streams = {});

}  // namespace Lodema
