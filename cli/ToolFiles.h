// SPDX-License-Identifier: MIT
// The files of one lodema-batch run: "-" for the standard streams, inputs
// that can be read only once (standard input, pipes, /dev/stdin, <(...)),
// outputs whose reader went away, the plot file's guards, and the temporary
// files left by an interrupted run.
#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "batch/LineReader.h"
#include "batch/OutputFile.h"

namespace Lodema {

inline constexpr const char* kStandardStream = "-";

// The preview reads an input's first lines before the run reads it all: a
// source that cannot be read twice (anything but a regular file) is opened
// once, and the lines read before the run are kept and replayed.
class ToolInputs : public InputFiles {
 public:
  explicit ToolInputs(std::FILE* standardInput);
  ~ToolInputs() override;
  ToolInputs(const ToolInputs&) = delete;
  ToolInputs& operator=(const ToolInputs&) = delete;

  std::unique_ptr<LineReader> Open(const std::string& path) override;
  std::optional<FileIdentity> Identity(const std::string& path) override;
  // From now on lines read are not kept (the run streams the rest).
  void StopKeeping();

 private:
  struct Source;
  class Replay;

  std::FILE* standardInput_;
  std::map<std::string, std::unique_ptr<Source>> sources_;
  bool keeping_ = true;
};

// "-" writes standard output. A write that fails because the reader of a
// pipe went away (with SIGPIPE ignored) calls onBrokenPipe at once: the run
// has nobody to write for.
class ToolOutputs : public OutputFiles {
 public:
  ToolOutputs(std::FILE* standardOutput, std::function<void()> onBrokenPipe);
  std::unique_ptr<OutputSink> Open(const std::string& path, bool append) override;
  std::optional<FileIdentity> Identity(const std::string& path) override;

 private:
  std::FILE* standardOutput_;
  std::function<void()> onBrokenPipe_;
};

// Says why on errors, removes the run's temporary files and ends the
// program with status 1.
[[noreturn]] void EndOnBrokenPipe(std::FILE* errors);

// Interrupting lodema-batch (Ctrl+C, kill, a closed terminal) removes the
// temporary files of the results and the plot that were being written; the
// files they would have replaced keep what they held. For SIGINT, SIGTERM
// and SIGHUP, unless they are ignored (nohup): the program then ends as the
// signal would have ended it (status 128 + signal in the shell).
void RemoveTemporaryFilesOnSignals();

// Why the plot file cannot be written beside this input and output (the
// same file or pipe through any name, or standard output twice); "" when it
// can.
std::string PlotFileProblem(const std::string& plot, const std::string& input,
                            const std::string& output, std::FILE* standardInput,
                            std::FILE* standardOutput);

}  // namespace Lodema
