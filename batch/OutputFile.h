// SPDX-License-Identifier: MIT
// Writing lines of the output file. Every line ends with CR LF whatever the
// platform. A batch run keeps the file open and writes through a buffer; a
// single save opens, writes and closes. Write failures are counted, never
// lost silently.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/FileIdentity.h"

namespace Lodema {

inline constexpr std::string_view kLineEnd = "\r\n";

// An open output file.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  // Writes bytes; returns how many were written (fewer on failure).
  virtual std::size_t Write(std::string_view bytes) = 0;
  // Flushes and closes; false when that failed.
  virtual bool Finish() = 0;
  // Closes without keeping what was written, where the sink can: a file
  // being replaced keeps its previous content.
  virtual void Abandon() { Finish(); }
};

// Opens output files; the command-line tool replaces it to write standard
// output.
class OutputFiles {
 public:
  virtual ~OutputFiles() = default;
  // Opens path for appending, or for replacing it when append is false;
  // nullptr when the file cannot be opened. A regular file being replaced
  // keeps its previous content until the sink finishes (OutputTargets.h
  // says what each kind of name leads to).
  virtual std::unique_ptr<OutputSink> Open(const std::string& path, bool append);
  // False for files that only gather a run's bytes (a batch worker's
  // share): an .xlsx name then writes lines, not a workbook.
  virtual bool MakesWorkbooks() const { return true; }
  // Why the last Open returned nullptr, when it is known.
  const std::string& OpenProblem() const { return problem_; }
  // The file that path writes, when it is an existing regular file.
  virtual std::optional<FileIdentity> Identity(const std::string& path) {
    return IdentityOfPath(path);
  }

 protected:
  std::string problem_;
};

// A sink over a C stream, closed at Finish when owned. Writes are not
// buffered by the stream, so a failure shows at the write that failed.
class StreamSink : public OutputSink {
 public:
  StreamSink(std::FILE* stream, bool owned);
  ~StreamSink() override;
  StreamSink(const StreamSink&) = delete;
  StreamSink& operator=(const StreamSink&) = delete;
  std::size_t Write(std::string_view bytes) override;
  bool Finish() override;

 private:
  std::FILE* stream_;
  bool owned_;
};

// Lines of one batch run, collected and written in large blocks.
class BufferedLineWriter {
 public:
  explicit BufferedLineWriter(std::unique_ptr<OutputSink> sink);
  ~BufferedLineWriter();
  BufferedLineWriter(const BufferedLineWriter&) = delete;
  BufferedLineWriter& operator=(const BufferedLineWriter&) = delete;

  // Appends text and CR LF.
  void WriteLine(std::string_view text);
  // The same in two steps, for a line put together in place: write its
  // size characters at LineRoom(size), then EndLine(size) adds CR LF.
  char* LineRoom(std::size_t size);
  void EndLine(std::size_t size);
  // Appends lines that already end with CR LF, as WriteLine would one by
  // one (the same flushes, the same count of lines lost on a failure).
  void WriteLines(std::string_view lines);
  // Writes what is buffered.
  void Flush();
  // Flushes and closes the file.
  void Finish();
  // Closes the file without keeping this writer's lines where it can.
  void Abandon();

  // Lines that could not be written so far.
  std::int64_t FailedLines() const { return failedLines_; }
  // True once when a failure happened since the last call.
  bool TakeNewFailure();

 private:
  std::string_view Held() const { return {buffer_.get(), used_}; }
  // Room for needed characters in all, the held ones kept.
  void Reserve(std::size_t needed);

  std::unique_ptr<OutputSink> sink_;
  // Storage of a fixed size, grown only for a line longer than its spare
  // room (never cleared: a worker makes one for every block); the first
  // used_ characters are the lines not yet written.
  std::unique_ptr<char[]> buffer_;
  std::size_t size_;
  std::size_t used_ = 0;
  std::int64_t failedLines_ = 0;
  bool newFailure_ = false;
  bool finished_ = false;
};

// Lines kept in memory: a batch worker's share of the output until the
// lines before it are written.
class MemorySink : public OutputSink {
 public:
  explicit MemorySink(std::string& bytes) : bytes_(bytes) {}
  std::size_t Write(std::string_view bytes) override {
    bytes_.append(bytes);
    return bytes.size();
  }
  bool Finish() override { return true; }

 private:
  std::string& bytes_;
};

// Opens path (appending or emptying), writes text and CR LF, closes. False on
// any failure.
bool WriteSingleLine(OutputFiles& files, const std::string& path, bool append,
                     std::string_view text);

}  // namespace Lodema
