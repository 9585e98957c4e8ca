// SPDX-License-Identifier: MIT
// lodema-batch: one Lodema batch run from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/BatchTool.h"
#include "cli/Options.h"
#include "cli/ToolFiles.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (Lodema::AsksForVersion(arguments)) {
    std::fputs(Lodema::BatchVersionText().c_str(), stdout);
    return Lodema::kExitCompleted;
  }
  const Lodema::CliParse parse = Lodema::ParseCliArguments(arguments);
  if (!parse.options) {
    std::fprintf(stderr, "lodema-batch: %s\n%s", parse.error.c_str(), Lodema::UsageText().c_str());
    return Lodema::kExitUsage;
  }
  if (parse.options->help) {
    std::fputs(Lodema::HelpText().c_str(), stdout);
    return Lodema::kExitCompleted;
  }
  Lodema::RemoveTemporaryFilesOnSignals();
  return Lodema::RunBatchTool(*parse.options);
}
