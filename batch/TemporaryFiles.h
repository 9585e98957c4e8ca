// SPDX-License-Identifier: MIT
// The temporary files a run is writing, so that a program ended by a signal
// can remove them (they can be as large as the results) before it goes.
#pragma once

#include <string>

namespace Lodema {

// Records path; returns a ticket for ForgetTemporaryFile, or -1 when too
// many are recorded already (the file is then simply not removed on a
// signal).
int RememberTemporaryFile(const std::string& path);
// The file was renamed into place or removed.
void ForgetTemporaryFile(int ticket);
// Removes every recorded file. Safe to call from a signal handler.
void RemoveTemporaryFilesNow();

}  // namespace Lodema
