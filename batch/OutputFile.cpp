// SPDX-License-Identifier: MIT
#include "batch/OutputFile.h"

#include <algorithm>
#include <cstdio>

#include "batch/OutputTargets.h"

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

BufferedLineWriter::BufferedLineWriter(std::unique_ptr<OutputSink> sink)
    : sink_(std::move(sink)),
      buffer_(new char[kFlushThreshold + 4096]),
      size_(kFlushThreshold + 4096) {}

void BufferedLineWriter::Reserve(std::size_t needed) {
  if (needed <= size_) return;
  const std::size_t size = std::max(needed, 2 * size_);
  std::unique_ptr<char[]> larger(new char[size]);
  std::copy_n(buffer_.get(), used_, larger.get());
  buffer_ = std::move(larger);
  size_ = size;
}

BufferedLineWriter::~BufferedLineWriter() { Finish(); }

char* BufferedLineWriter::LineRoom(std::size_t size) {
  Reserve(used_ + size + kLineEnd.size());
  return buffer_.get() + used_;
}

void BufferedLineWriter::EndLine(std::size_t size) {
  char* end = buffer_.get() + used_ + size;
  end[0] = kLineEnd[0];
  end[1] = kLineEnd[1];
  used_ += size + kLineEnd.size();
  if (used_ >= kFlushThreshold) Flush();
}

void BufferedLineWriter::WriteLine(std::string_view text) {
  std::copy(text.begin(), text.end(), LineRoom(text.size()));
  EndLine(text.size());
}

void BufferedLineWriter::WriteLines(std::string_view lines) {
  while (!lines.empty()) {
    // The lines up to the one that fills the buffer go in at once, then
    // the buffer is written: where one line at a time would write it. That
    // line is the first whose CR LF ends at the threshold or past it.
    std::size_t taken = lines.size();
    bool full = used_ + taken >= kFlushThreshold;
    if (full) {
      const std::size_t room = kFlushThreshold - std::min(used_, kFlushThreshold);
      const std::size_t end = lines.find(kLineEnd, room - std::min(room, kLineEnd.size()));
      if (end != std::string_view::npos) taken = end + kLineEnd.size();
    }
    Reserve(used_ + taken);
    std::copy_n(lines.data(), taken, buffer_.get() + used_);
    used_ += taken;
    lines.remove_prefix(taken);
    if (full) Flush();
  }
}

void BufferedLineWriter::Flush() {
  if (used_ == 0) return;
  const std::string_view held = Held();
  const std::size_t written = sink_ ? sink_->Write(held) : 0;
  if (written < held.size()) {
    // Every buffered line ends with CR LF: a line is lost when its end is
    // past what was written. Counted only here, so that writing costs no
    // bookkeeping per line.
    const std::string_view rest = held.substr(written - std::min(written, kLineEnd.size() - 1));
    for (std::size_t at = rest.find(kLineEnd); at != std::string_view::npos;
         at = rest.find(kLineEnd, at + kLineEnd.size())) {
      ++failedLines_;
    }
    if (!held.ends_with(kLineEnd)) ++failedLines_;
    newFailure_ = true;
  }
  used_ = 0;
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
  used_ = 0;
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
