// SPDX-License-Identifier: MIT
#include "batch/OutputTargets.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "batch/FileIdentity.h"
#include "batch/ResultWriter.h"
#include "batch/TemporaryFiles.h"

namespace Lodema {

namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// The descriptor a name stands for: /dev/stdout and the like.
std::optional<int> DescriptorOfName(std::string_view name) {
  if (name == "/dev/stdin") return 0;
  if (name == "/dev/stdout") return 1;
  if (name == "/dev/stderr") return 2;
  for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    if (name.substr(0, prefix.size()) != prefix) continue;
    const std::string_view digits = name.substr(prefix.size());
    int descriptor = -1;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), descriptor);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
      return std::nullopt;
    }
    return descriptor;
  }
  return std::nullopt;
}

std::string DescriptorName(int descriptor) {
  switch (descriptor) {
    case 0:
      return "standard input";
    case 1:
      return "standard output";
    case 2:
      return "standard error";
    default:
      return "descriptor " + std::to_string(descriptor);
  }
}

OutputTarget Refused(std::string problem) {
  OutputTarget target;
  target.problem = std::move(problem);
  return target;
}

OutputTarget DescriptorTarget(const std::string& name, int descriptor) {
  const int flags = ::fcntl(descriptor, F_GETFL);
  if (flags < 0) {
    return Refused(Quoted(name) + " is " + DescriptorName(descriptor) + ", which is closed.");
  }
  if ((flags & O_ACCMODE) == O_RDONLY) {
    return Refused(Quoted(name) + " is " + DescriptorName(descriptor) +
                   ", which is open only for reading.");
  }
  OutputTarget target;
  target.kind = OutputTargetKind::kDescriptor;
  target.location = name;
  target.descriptor = descriptor;
  return target;
}

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
  // Null, with errno set, when the temporary file cannot be made.
  static std::unique_ptr<OutputSink> Open(const fs::path& target) {
    std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return nullptr;
    const int ticket = RememberTemporaryFile(pattern);
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0
                            ? static_cast<mode_t>(existing.st_mode & 07777)
                            : NewFileMode();
    ::fchmod(fd, mode);
    std::FILE* stream = ::fdopen(fd, "wb");
    if (stream == nullptr) {
      const int error = errno;
      ::close(fd);
      ::unlink(pattern.c_str());
      ForgetTemporaryFile(ticket);
      errno = error;
      return nullptr;
    }
    return std::unique_ptr<OutputSink>(new ReplacingFileSink(stream, pattern, target, ticket));
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
    ForgetTemporaryFile(ticket_);
    return ok;
  }
  void Abandon() override {
    if (stream_ == nullptr) return;
    stream_ = nullptr;
    sink_.Finish();
    std::remove(temporary_.c_str());
    ForgetTemporaryFile(ticket_);
  }

 private:
  ReplacingFileSink(std::FILE* stream, std::string temporary, fs::path target, int ticket)
      : sink_(stream, true),
        stream_(&sink_),
        temporary_(std::move(temporary)),
        target_(std::move(target)),
        ticket_(ticket) {}

  StreamSink sink_;
  StreamSink* stream_;  // null once finished or abandoned
  std::string temporary_;
  fs::path target_;
  int ticket_;
};

// Writes an anonymous temporary file and copies it over the target (kept
// open from the start, so that a file that cannot be written is found
// before the run) once finished. A target created for the run is removed
// when the run is abandoned.
class InPlaceFileSink : public OutputSink {
 public:
  static std::unique_ptr<OutputSink> Open(const std::string& target, bool exists,
                                          std::string& problem) {
    const int flags = O_WRONLY | O_CLOEXEC | (exists ? 0 : O_CREAT | O_EXCL);
    const int fd = ::open(target.c_str(), flags, NewFileMode());
    if (fd < 0) {
      problem = Quoted(target) + " cannot be written: " + std::strerror(errno) + ".";
      return nullptr;
    }
    std::FILE* temporary = std::tmpfile();
    if (temporary == nullptr) {
      problem = "No temporary file could be made for " + Quoted(target) + ": " +
                std::strerror(errno) + ".";
      ::close(fd);
      if (!exists) ::unlink(target.c_str());
      return nullptr;
    }
    // A file made for the run goes again if the run is ended by a signal.
    const int ticket = exists ? -1 : RememberTemporaryFile(target);
    return std::unique_ptr<OutputSink>(new InPlaceFileSink(fd, temporary, target, !exists, ticket));
  }
  ~InPlaceFileSink() override {
    if (fd_ >= 0) Abandon();
  }
  std::size_t Write(std::string_view bytes) override { return temporary_.Write(bytes); }
  bool Finish() override {
    if (fd_ < 0) return true;
    bool ok = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
    if (ok) {
      std::rewind(stream_);
      ok = ::ftruncate(fd_, 0) == 0;
      std::vector<char> block(1 << 16);
      while (ok) {
        const std::size_t n = std::fread(block.data(), 1, block.size(), stream_);
        if (n == 0) {
          ok = std::ferror(stream_) == 0;
          break;
        }
        for (std::size_t done = 0; ok && done < n;) {
          const ssize_t written = ::write(fd_, block.data() + done, n - done);
          if (written < 0 && errno == EINTR) continue;
          ok = written > 0;
          if (ok) done += static_cast<std::size_t>(written);
        }
      }
    }
    if (!ok && created_) ::unlink(target_.c_str());
    ForgetTemporaryFile(ticket_);
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    temporary_.Finish();
    return ok;
  }
  void Abandon() override {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    if (created_) ::unlink(target_.c_str());
    ForgetTemporaryFile(ticket_);
    temporary_.Finish();
  }

 private:
  InPlaceFileSink(int fd, std::FILE* temporary, std::string target, bool created, int ticket)
      : fd_(fd),
        stream_(temporary),
        temporary_(temporary, true),
        target_(std::move(target)),
        created_(created),
        ticket_(ticket) {}

  int fd_;
  std::FILE* stream_;
  StreamSink temporary_;
  std::string target_;
  bool created_;
  int ticket_;
};

std::unique_ptr<OutputSink> StreamOrProblem(std::FILE* stream, const std::string& name,
                                            std::string& problem) {
  if (stream == nullptr) {
    problem = Quoted(name) + " cannot be written: " + std::strerror(errno) + ".";
    return nullptr;
  }
  return std::make_unique<StreamSink>(stream, true);
}

}  // namespace

OutputTarget ResolveOutputTarget(const std::string& name) {
  if (name.empty()) return Refused("No output file is named.");
  // Links are followed one by one: a link to /dev/stdout is standard output,
  // and a link to nothing is found as such.
  std::string current = name;
  for (int hops = 0; hops < 40; ++hops) {
    if (const std::optional<int> descriptor = DescriptorOfName(current)) {
      return DescriptorTarget(name, *descriptor);
    }
    struct stat status {};
    if (::lstat(current.c_str(), &status) != 0) {
      if (errno == ENOENT && hops > 0) {
        return Refused(Quoted(name) + " is a link to " + Quoted(current) +
                       ", which does not exist.");
      }
      if (errno != ENOENT) return Refused(Quoted(name) + ": " + std::strerror(errno) + ".");
      OutputTarget target;
      target.kind = OutputTargetKind::kFile;
      std::error_code error;
      target.location = fs::weakly_canonical(fs::absolute(current, error), error).string();
      if (error) target.location = current;
      return target;
    }
    if (S_ISLNK(status.st_mode)) {
      std::vector<char> link(static_cast<std::size_t>(PATH_MAX) + 1);
      const ssize_t length = ::readlink(current.c_str(), link.data(), link.size() - 1);
      if (length < 0) return Refused(Quoted(name) + ": " + std::strerror(errno) + ".");
      const fs::path next(std::string(link.data(), static_cast<std::size_t>(length)));
      current =
          next.is_absolute() ? next.string() : (fs::path(current).parent_path() / next).string();
      continue;
    }
    if (S_ISDIR(status.st_mode)) return Refused(Quoted(name) + " is a folder.");
    OutputTarget target;
    if (S_ISREG(status.st_mode)) {
      target.kind = OutputTargetKind::kFile;
      std::error_code error;
      target.location = fs::canonical(current, error).string();
      if (error) target.location = current;
      target.exists = true;
      target.hardLinked = status.st_nlink > 1;
    } else {
      target.kind = OutputTargetKind::kStraight;
      target.location = current;
    }
    return target;
  }
  return Refused(Quoted(name) + " leads through too many links.");
}

std::unique_ptr<OutputSink> OpenOutputTarget(const OutputTarget& target, bool append,
                                             std::string& problem) {
  switch (target.kind) {
    case OutputTargetKind::kRefused:
      problem = target.problem;
      return nullptr;
    case OutputTargetKind::kDescriptor: {
      // A copy of the descriptor: writing goes on where the shell left the
      // file, and closing it leaves the program's own open.
      const int copy = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 3);
      std::FILE* stream = copy < 0 ? nullptr : ::fdopen(copy, append ? "ab" : "wb");
      if (stream == nullptr && copy >= 0) ::close(copy);
      return StreamOrProblem(stream, target.location, problem);
    }
    case OutputTargetKind::kStraight:
      return StreamOrProblem(std::fopen(target.location.c_str(), append ? "ab" : "wb"),
                             target.location, problem);
    case OutputTargetKind::kFile:
      break;
  }
  if (append) {
    return StreamOrProblem(std::fopen(target.location.c_str(), "ab"), target.location, problem);
  }
  if (!target.hardLinked) {
    if (std::unique_ptr<OutputSink> sink = ReplacingFileSink::Open(target.location)) return sink;
    // No temporary file beside the target: written in place once complete.
  }
  return InPlaceFileSink::Open(target.location, target.exists, problem);
}

bool SameOutputTarget(const std::string& a, const std::string& b) {
  const std::optional<FileIdentity> first = IdentityOfPath(a, /*writable=*/true);
  if (first && first == IdentityOfPath(b, /*writable=*/true)) return true;
  const OutputTarget left = ResolveOutputTarget(a);
  const OutputTarget right = ResolveOutputTarget(b);
  return left.kind == OutputTargetKind::kFile && right.kind == OutputTargetKind::kFile &&
         left.location == right.location;
}

std::string OutputProblemText(const std::string& problem) {
  std::string text = kOutputProblemMessage;
  if (!problem.empty()) text += "\r\n" + problem;
  return text;
}

}  // namespace Lodema
