// SPDX-License-Identifier: MIT
// Runs a program as a child process and measures it: wall and CPU seconds
// and peak resident memory. Its standard error is discarded.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace LodemaBench {

struct Measure {
  bool ok = false;  // exited with status 0
  double seconds = 0.0;
  double cpuSeconds = 0.0;  // user + system
  long peakKilobytes = 0;
};

// args[0] is the program's path.
inline Measure RunProgram(const std::vector<std::string>& args) {
  Measure measure;
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return measure;
  if (child == 0) {
    std::freopen("/dev/null", "w", stderr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return measure;
  measure.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  measure.peakKilobytes = usage.ru_maxrss;
  measure.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  measure.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return measure;
}

}  // namespace LodemaBench
