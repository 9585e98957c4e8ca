// SPDX-License-Identifier: MIT
#include "cli/SignalCleanup.h"

#include <csignal>

#include "batch/TemporaryFiles.h"

namespace Lodema {

namespace {

extern "C" void RemoveAndEnd(int signal) {
  RemoveTemporaryFilesNow();
  // Ended by the signal itself, so that a calling shell or script sees an
  // interrupted program and stops too.
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void RemoveTemporaryFilesOnSignals() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction cleanup {};
    cleanup.sa_handler = RemoveAndEnd;
    sigemptyset(&cleanup.sa_mask);
    ::sigaction(signal, &cleanup, nullptr);
  }
}

}  // namespace Lodema
