// SPDX-License-Identifier: MIT
#include "batch/LineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "batch/TextEncoding.h"
#include "batch/Workbook.h"
#include "orient/TextParsing.h"

namespace Lodema {

namespace {
constexpr std::size_t kReadBufferSize = 1 << 16;

// The bytes before the first LF or CR of [start, start + available), all of
// them when there is none; the C library finds either in a few steps
// however long the line.
std::size_t LineLength(const char* start, std::size_t available) {
  const auto* lf = static_cast<const char*>(std::memchr(start, '\n', available));
  std::size_t n = lf != nullptr ? static_cast<std::size_t>(lf - start) : available;
  if (const auto* cr = static_cast<const char*>(std::memchr(start, '\r', n))) {
    n = static_cast<std::size_t>(cr - start);
  }
  return n;
}

// Just past the last CR or LF in [start, stop); start when there is none.
// A line end is met within a line's length of stop.
const char* PastLastLineEnd(const char* start, const char* stop) {
  while (stop > start && stop[-1] != '\n' && stop[-1] != '\r') --stop;
  return stop;
}

// The lines that the line ends of text close: a CR LF pair closes one.
// Counted in byte-wide counters over runs of at most 255 characters, which
// the compiler turns into vector code: a few instructions for 16 characters.
std::size_t CountLineEnds(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t lines = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t stop = std::min(text.size(), at + 255);
    unsigned char ends = 0;
    for (std::size_t i = at; i < stop; ++i) {
      ends = static_cast<unsigned char>(ends + ((p[i] == '\n') | (p[i] == '\r')));
    }
    unsigned char pairs = 0;
    for (std::size_t i = std::max<std::size_t>(at, 1); i < stop; ++i) {
      pairs = static_cast<unsigned char>(pairs + ((p[i - 1] == '\r') & (p[i] == '\n')));
    }
    lines += ends - std::size_t{pairs};
    at = stop;
  }
  return lines;
}
}  // namespace

std::string_view TakeLine(std::string_view& text) {
  const std::size_t n = LineLength(text.data(), text.size());
  const std::string_view line = text.substr(0, n);
  std::size_t next = n;
  if (n < text.size()) {
    next += text[n] == '\r' && n + 1 < text.size() && text[n + 1] == '\n' ? 2 : 1;
  }
  text.remove_prefix(next);
  return line;
}

std::unique_ptr<FileLineReader> FileLineReader::Open(const std::string& path) {
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) return nullptr;
  std::FILE* stream = std::fopen(path.c_str(), "rb");
  if (stream == nullptr) return nullptr;
  return std::make_unique<FileLineReader>(stream, true);
}

FileLineReader::FileLineReader(std::FILE* stream, bool owned, std::size_t maxLineBytes)
    : stream_(stream),
      owned_(owned),
      buffer_(new char[kReadBufferSize]),
      maxLineBytes_(maxLineBytes) {}

FileLineReader::~FileLineReader() {
  if (owned_ && stream_ != nullptr) std::fclose(stream_);
}

bool FileLineReader::Fill() {
  if (eof_ || stream_ == nullptr) return false;
  begin_ = 0;
  end_ = 0;
  errno = 0;
  if (!started_) {
    // A UTF-16 byte-order mark makes the whole file UTF-16.
    started_ = true;
    end_ = std::fread(buffer_.get(), 1, 2, stream_);
    if (const std::optional<ByteOrder> order = Utf16ByteOrderMark({buffer_.get(), end_})) {
      utf16_ = std::make_unique<Utf16Decoder>(*order);
      end_ = 0;
    } else if (end_ == 2) {
      end_ += std::fread(buffer_.get() + 2, 1, kReadBufferSize - 2, stream_);
    }
  }
  if (utf16_) {
    // Each UTF-16 unit gives at most three bytes of UTF-8: half a buffer of
    // it fills at most three quarters of the buffer.
    std::string decoded;
    while (decoded.empty()) {
      char raw[kReadBufferSize / 2];
      const std::size_t n = std::fread(raw, 1, sizeof raw, stream_);
      if (n == 0) {
        utf16_->Finish(decoded);
        break;
      }
      utf16_->Decode({raw, n}, decoded);
    }
    std::copy(decoded.begin(), decoded.end(), buffer_.get());
    end_ = decoded.size();
  } else if (end_ == 0) {
    end_ = std::fread(buffer_.get(), 1, kReadBufferSize, stream_);
  }
  if (end_ == 0) {
    eof_ = true;
    if (std::ferror(stream_) != 0) readError_ = errno != 0 ? std::strerror(errno) : "read error";
  }
  return end_ > 0;
}

bool FileLineReader::ReadLine(std::string& line) {
  line.clear();
  tooLong_ = false;
  bool any = false;
  for (;;) {
    if (begin_ == end_ && !Fill()) return any;
    if (skipLf_) {
      skipLf_ = false;
      if (buffer_[begin_] == '\n') {
        ++begin_;
        continue;
      }
    }
    const char* start = buffer_.get() + begin_;
    const std::size_t available = end_ - begin_;
    const std::size_t n = LineLength(start, available);
    const std::size_t room = maxLineBytes_ - line.size();
    if (n > room) {
      // A line may have no end at all (/dev/zero): reading stops here.
      line.append(start, room);
      tooLong_ = true;
      eof_ = true;
      begin_ = end_;
      readError_ = "a line is longer than " + std::to_string(maxLineBytes_ >> 20) + " MiB";
      return true;
    }
    line.append(start, n);
    any = true;
    if (n == available) {
      begin_ = end_;
      continue;
    }
    begin_ += n + 1;
    if (start[n] == '\r') skipLf_ = true;
    return true;
  }
}

bool FileLineReader::ReadLineView(std::string_view& line) {
  // A line that lies whole in the buffer is handed out in place: ReadLine's
  // steps without the copy.
  if (skipLf_ && begin_ < end_) {
    skipLf_ = false;
    if (buffer_[begin_] == '\n') ++begin_;
  }
  if (!skipLf_ && begin_ < end_) {
    const char* start = buffer_.get() + begin_;
    const std::size_t available = end_ - begin_;
    const std::size_t n = LineLength(start, available);
    if (n < available && n <= maxLineBytes_) {
      tooLong_ = false;
      line = std::string_view(start, n);
      begin_ += n + 1;
      if (start[n] == '\r') skipLf_ = true;
      return true;
    }
  }
  if (!ReadLine(spanningLine_)) {
    line = {};
    return false;
  }
  line = spanningLine_;
  return true;
}

int FileLineReader::TakeWholeLines(std::string& block, int maxLines, std::size_t maxBytes) {
  // A lower limit on a line's length is kept line by line.
  if (maxLines <= 0 || maxLineBytes_ < kReadBufferSize) return 0;
  if (skipLf_ && begin_ < end_) {
    skipLf_ = false;
    if (buffer_[begin_] == '\n') ++begin_;
  }
  if (skipLf_ || begin_ == end_) return 0;
  const char* const start = buffer_.get() + begin_;
  const char* const bufferEnd = buffer_.get() + end_;
  const char* cut = PastLastLineEnd(start, start + std::min(end_ - begin_, maxBytes));
  std::size_t lines = CountLineEnds({start, static_cast<std::size_t>(cut - start)});
  // Too many lines: cut where the lines allowed end at most, if they were
  // all as long as the mean, and count again (the rest is left for later).
  while (lines > static_cast<std::size_t>(maxLines)) {
    const auto taken = static_cast<std::size_t>(cut - start);
    cut = PastLastLineEnd(start, start + taken / lines * static_cast<std::size_t>(maxLines));
    lines = CountLineEnds({start, static_cast<std::size_t>(cut - start)});
  }
  if (lines == 0) return 0;
  if (cut[-1] == '\r') {
    // A LF right after the CR is part of that line end.
    if (cut == bufferEnd) {
      skipLf_ = true;
    } else if (*cut == '\n') {
      ++cut;
    }
  }
  block.append(start, cut);
  begin_ = static_cast<std::size_t>(cut - buffer_.get());
  tooLong_ = false;
  return static_cast<int>(lines);
}

TextLineReader::TextLineReader(std::string text) : text_(std::move(text)) {}

bool TextLineReader::ReadLine(std::string& line) {
  const auto length = static_cast<long long>(text_.size());
  while (position_ <= length) {
    const OrientGeometry::TokenView token =
        OrientGeometry::LocateNextField(text_, position_, "\r\n");
    if (token.position <= position_) return false;
    position_ = token.position;
    // Only what is left after the last line end reads as empty; a line of
    // blanks in between is still a row.
    if (token.text.empty() && position_ > length) return false;
    line.assign(token.text);
    return true;
  }
  return false;
}

bool IsPasteSourceName(std::string_view name) { return name.substr(0, 5) == "Paste"; }

std::unique_ptr<LineReader> InputFiles::Open(const std::string& path) {
  if (std::unique_ptr<LineReader> workbook = OpenWorkbookLines(path, sheet_)) return workbook;
  return FileLineReader::Open(path);
}

}  // namespace Lodema
