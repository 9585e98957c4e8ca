// SPDX-License-Identifier: MIT
#include "cli/ToolFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <tuple>
#include <vector>

#include "batch/OutputTargets.h"
#include "batch/TemporaryFiles.h"

namespace Lodema {

struct ToolInputs::Source {
  Source(std::FILE* stream, bool owned) : reader(stream, owned) {}
  FileLineReader reader;
  std::vector<std::pair<std::string, bool>> kept;  // each line, and whether it was too long
};

class ToolInputs::Replay : public LineReader {
 public:
  Replay(Source& source, const bool& keeping) : source_(source), keeping_(keeping) {}
  bool ReadLine(std::string& line) override {
    if (next_ < source_.kept.size()) {
      std::tie(line, tooLong_) = source_.kept[next_++];
      return true;
    }
    if (!source_.reader.ReadLine(line)) return false;
    tooLong_ = source_.reader.LineTooLong();
    if (keeping_) {
      source_.kept.emplace_back(line, tooLong_);
      ++next_;
    }
    return true;
  }
  std::string ReadError() const override { return source_.reader.ReadError(); }
  bool LineTooLong() const override { return tooLong_; }

 private:
  Source& source_;
  const bool& keeping_;
  std::size_t next_ = 0;
  bool tooLong_ = false;
};

ToolInputs::ToolInputs(std::FILE* standardInput) : standardInput_(standardInput) {}

ToolInputs::~ToolInputs() = default;

std::unique_ptr<LineReader> ToolInputs::Open(const std::string& path) {
  auto known = sources_.find(path);
  if (known == sources_.end()) {
    if (path == kStandardStream) {
      known = sources_.emplace(path, std::make_unique<Source>(standardInput_, false)).first;
    } else {
      struct stat status {};
      const bool readTwice =
          ::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode) || S_ISDIR(status.st_mode);
      if (readTwice) return InputFiles::Open(path);
      std::FILE* stream = std::fopen(path.c_str(), "rb");
      if (stream == nullptr) return nullptr;
      known = sources_.emplace(path, std::make_unique<Source>(stream, true)).first;
    }
  }
  return std::make_unique<Replay>(*known->second, keeping_);
}

std::optional<FileIdentity> ToolInputs::Identity(const std::string& path) {
  if (path != kStandardStream) return InputFiles::Identity(path);
  return IdentityOfStream(standardInput_);
}

void ToolInputs::StopKeeping() { keeping_ = false; }

namespace {

// Tells the tool at once when a write found the pipe's reader gone.
class PipeWatchSink : public OutputSink {
 public:
  PipeWatchSink(std::unique_ptr<OutputSink> sink, std::function<void()> onBrokenPipe)
      : sink_(std::move(sink)), onBrokenPipe_(std::move(onBrokenPipe)) {}
  std::size_t Write(std::string_view bytes) override {
    errno = 0;
    const std::size_t written = sink_->Write(bytes);
    if (written < bytes.size() && errno == EPIPE && onBrokenPipe_) onBrokenPipe_();
    return written;
  }
  bool Finish() override { return sink_->Finish(); }
  void Abandon() override { sink_->Abandon(); }

 private:
  std::unique_ptr<OutputSink> sink_;
  std::function<void()> onBrokenPipe_;
};

}  // namespace

ToolOutputs::ToolOutputs(std::FILE* standardOutput, std::function<void()> onBrokenPipe)
    : standardOutput_(standardOutput), onBrokenPipe_(std::move(onBrokenPipe)) {}

std::unique_ptr<OutputSink> ToolOutputs::Open(const std::string& path, bool append) {
  std::unique_ptr<OutputSink> sink = path == kStandardStream
                                         ? std::make_unique<StreamSink>(standardOutput_, false)
                                         : OutputFiles::Open(path, append);
  if (!sink) return nullptr;
  return std::make_unique<PipeWatchSink>(std::move(sink), onBrokenPipe_);
}

std::optional<FileIdentity> ToolOutputs::Identity(const std::string& path) {
  if (path != kStandardStream) return OutputFiles::Identity(path);
  return IdentityOfStream(standardOutput_);
}

namespace {

// The identity for comparing with the plot file (pipes included); "-" is
// the standard stream given.
std::optional<FileIdentity> WritableIdentity(const std::string& path, std::FILE* standardStream) {
  if (path != kStandardStream) return IdentityOfPath(path, /*writable=*/true);
  return IdentityOfStream(standardStream, /*writable=*/true);
}

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

void EndOnBrokenPipe(std::FILE* errors) {
  std::fputs("lodema-batch: the output was closed before the run ended (broken pipe)\n", errors);
  std::fflush(errors);
  RemoveTemporaryFilesNow();
  // Other threads may be mid-row: nothing is left to finish.
  ::_exit(1);
}

std::string PlotFileProblem(const std::string& plot, const std::string& input,
                            const std::string& output, std::FILE* standardInput,
                            std::FILE* standardOutput) {
  const std::string named = "the plot file '" + plot + "'";
  if (plot == kStandardStream && output == kStandardStream) {
    return "--plot - and the results would both go to standard output: name a file for one";
  }
  const std::optional<FileIdentity> plotFile = WritableIdentity(plot, standardOutput);
  if (plotFile && plotFile == WritableIdentity(input, standardInput)) {
    return named + " is the input file";
  }
  if ((plotFile && plotFile == WritableIdentity(output, standardOutput)) ||
      (plot != kStandardStream && output != kStandardStream && SameOutputTarget(plot, output))) {
    return named + " is the output file";
  }
  return "";
}

}  // namespace Lodema
