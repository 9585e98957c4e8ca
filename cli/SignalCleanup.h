// SPDX-License-Identifier: MIT
// Interrupting lodema-batch (Ctrl+C, kill, a closed terminal) removes the
// temporary files of the results and the plot that were being written; the
// files they would have replaced keep what they held.
#pragma once

namespace Lodema {

// For SIGINT, SIGTERM and SIGHUP, unless they are ignored (nohup): the
// program then ends as the signal would have ended it (status 128 + signal
// in the shell).
void RemoveTemporaryFilesOnSignals();

}  // namespace Lodema
