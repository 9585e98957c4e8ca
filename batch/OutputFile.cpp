// SPDX-License-Identifier: MIT
#include "batch/OutputFile.h"

#include <cstdio>

#include "batch/OutputTargets.h"
#include "batch/TextAppend.h"

namespace Lodema {

namespace {
constexpr std::size_t kFlushThreshold = 1 << 16;
}

std::unique_ptr<OutputSink> OutputFiles::Open(const std::string& path, bool append) {
  problem_.clear();
  return OpenOutputTarget(ResolveOutputTarget(path), append, problem_);
}

StreamSink::StreamSink(std::FILE* stream, bool owned) : stream_(stream), owned_(owned) {
  if (stream_ != nullptr) std::setvbuf(stream_, nullptr, _IONBF, 0);
}

StreamSink::~StreamSink() { Finish(); }

std::size_t StreamSink::Write(std::string_view bytes) {
  if (stream_ == nullptr || bytes.empty()) return 0;
  return std::fwrite(bytes.data(), 1, bytes.size(), stream_);
}

bool StreamSink::Finish() {
  if (stream_ == nullptr) return true;
  bool ok = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
  if (owned_) ok = std::fclose(stream_) == 0 && ok;
  stream_ = nullptr;
  return ok;
}

BufferedLineWriter::BufferedLineWriter(std::unique_ptr<OutputSink> sink) : sink_(std::move(sink)) {
  buffer_.reserve(kFlushThreshold + 4096);
}

BufferedLineWriter::~BufferedLineWriter() { Finish(); }

void BufferedLineWriter::WriteLine(std::string_view text) {
  buffer_.append(text);
  EndLine();
}

void BufferedLineWriter::EndLine() {
  AppendShort(buffer_, kLineEnd);
  lineEnds_.push_back(buffer_.size());
  if (buffer_.size() >= kFlushThreshold) Flush();
}

int BufferedLineWriter::WriteLines(std::string_view lines) {
  int count = 0;
  while (!lines.empty()) {
    // The lines up to the one that fills the buffer go in at once, then
    // the buffer is written: where one line at a time would write it.
    std::size_t taken = 0;
    bool full = false;
    while (taken < lines.size() && !full) {
      std::size_t end = lines.find(kLineEnd, taken);
      end = end == std::string_view::npos ? lines.size() : end + kLineEnd.size();
      lineEnds_.push_back(buffer_.size() + end);
      ++count;
      taken = end;
      full = buffer_.size() + taken >= kFlushThreshold;
    }
    buffer_.append(lines.substr(0, taken));
    lines.remove_prefix(taken);
    if (full) Flush();
  }
  return count;
}

void BufferedLineWriter::Flush() {
  if (buffer_.empty()) return;
  const std::size_t written = sink_ ? sink_->Write(buffer_) : 0;
  if (written < buffer_.size()) {
    for (const std::size_t end : lineEnds_) {
      if (end > written) ++failedLines_;
    }
    newFailure_ = true;
  }
  buffer_.clear();
  lineEnds_.clear();
}

void BufferedLineWriter::Finish() {
  if (finished_) return;
  Flush();
  finished_ = true;
  if (sink_ && !sink_->Finish()) newFailure_ = true;
  sink_.reset();
}

void BufferedLineWriter::Abandon() {
  if (finished_) return;
  buffer_.clear();
  lineEnds_.clear();
  finished_ = true;
  if (sink_) sink_->Abandon();
  sink_.reset();
}

bool BufferedLineWriter::TakeNewFailure() {
  const bool failure = newFailure_;
  newFailure_ = false;
  return failure;
}

bool WriteSingleLine(OutputFiles& files, const std::string& path, bool append,
                     std::string_view text) {
  std::unique_ptr<OutputSink> sink = files.Open(path, append);
  if (!sink) return false;
  std::string line(text);
  line.append(kLineEnd);
  const bool written = sink->Write(line) == line.size();
  return sink->Finish() && written;
}

}  // namespace Lodema
