// SPDX-License-Identifier: MIT
#include "batch/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace Lodema {

namespace {
constexpr std::size_t kFlushThreshold = 1 << 16;
}

namespace {

// The permissions a newly created file gets.
mode_t NewFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  return mode;
}

// Writes a temporary file beside the target and renames it over the target
// when finished, so that the target keeps its content until the new one is
// complete.
class ReplacingFileSink : public OutputSink {
 public:
  static std::unique_ptr<OutputSink> Open(const std::filesystem::path& target) {
    std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return nullptr;
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0
                            ? static_cast<mode_t>(existing.st_mode & 07777)
                            : NewFileMode();
    ::fchmod(fd, mode);
    std::FILE* stream = ::fdopen(fd, "wb");
    if (stream == nullptr) {
      ::close(fd);
      ::unlink(pattern.c_str());
      return nullptr;
    }
    return std::unique_ptr<OutputSink>(new ReplacingFileSink(stream, pattern, target));
  }
  ~ReplacingFileSink() override {
    // Not finished: a run that never ended leaves the target as it was.
    if (stream_ != nullptr) Abandon();
  }
  std::size_t Write(std::string_view bytes) override { return sink_.Write(bytes); }
  bool Finish() override {
    if (stream_ == nullptr) return true;
    stream_ = nullptr;
    bool ok = sink_.Finish();
    if (ok) ok = std::rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!ok) std::remove(temporary_.c_str());
    return ok;
  }
  void Abandon() override {
    if (stream_ == nullptr) return;
    stream_ = nullptr;
    sink_.Finish();
    std::remove(temporary_.c_str());
  }

 private:
  ReplacingFileSink(std::FILE* stream, std::string temporary, std::filesystem::path target)
      : sink_(stream, true),
        stream_(&sink_),
        temporary_(std::move(temporary)),
        target_(std::move(target)) {}

  StreamSink sink_;
  StreamSink* stream_;  // null once finished or abandoned
  std::string temporary_;
  std::filesystem::path target_;
};

}  // namespace

std::unique_ptr<OutputSink> OutputFiles::Open(const std::string& path, bool append) {
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) return nullptr;
  if (!append) {
    // Devices and pipes are written directly; a file (through any link) is
    // replaced only once the new content is complete.
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::regular ||
        status.type() == std::filesystem::file_type::not_found) {
      std::filesystem::path target = std::filesystem::absolute(path, error);
      if (status.type() == std::filesystem::file_type::regular) {
        target = std::filesystem::canonical(path, error);
      }
      if (error) return nullptr;
      return ReplacingFileSink::Open(target);
    }
  }
  std::FILE* stream = std::fopen(path.c_str(), append ? "ab" : "wb");
  if (stream == nullptr) return nullptr;
  return std::make_unique<StreamSink>(stream, true);
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
  buffer_.append(kLineEnd);
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
