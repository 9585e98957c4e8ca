// SPDX-License-Identifier: MIT
// The zip archive of a workbook, read through libzip with guards against
// archives built to exhaust memory or disk: no part may inflate beyond
// kMaxPartBytes, nor (beyond its first MiB) to more than kMaxPartRatio times
// its compressed size. A part's declared sizes are checked when it is opened
// and the bytes actually inflated while it is read.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct zip;
struct zip_file;

namespace Lodema {

inline constexpr std::uint64_t kMaxPartBytes = std::uint64_t{1} << 30;  // 1 GiB
inline constexpr std::uint64_t kMaxPartRatio = 1000;

// One part of the archive, read from its start in chunks.
class ArchivePart {
 public:
  ArchivePart(zip_file* file, std::string name, std::uint64_t declaredSize);
  ~ArchivePart();
  ArchivePart(const ArchivePart&) = delete;
  ArchivePart& operator=(const ArchivePart&) = delete;
  // Up to size bytes into buffer; 0 at the end or on a failure (Problem()
  // then says why).
  std::size_t Read(char* buffer, std::size_t size);
  const std::string& Problem() const { return problem_; }

 private:
  zip_file* file_;
  std::string name_;
  std::uint64_t declaredSize_;
  std::uint64_t read_ = 0;
  std::string problem_;
};

class WorkbookArchive {
 public:
  // True when the file starts as a zip archive does.
  static bool LooksLikeZip(const std::string& path);
  // nullptr, with problem set, when path is no readable zip archive.
  static std::unique_ptr<WorkbookArchive> Open(const std::string& path, std::string& problem);
  ~WorkbookArchive();
  WorkbookArchive(const WorkbookArchive&) = delete;
  WorkbookArchive& operator=(const WorkbookArchive&) = delete;

  bool Has(const std::string& name) const;
  // nullptr, with problem set, when the part is missing, encrypted,
  // damaged or would inflate beyond the limits.
  std::unique_ptr<ArchivePart> OpenPart(const std::string& name, std::string& problem) const;
  // A whole (small) part; false with problem set as OpenPart, or when it is
  // longer than maxBytes.
  bool ReadPart(const std::string& name, std::size_t maxBytes, std::string& text,
                std::string& problem) const;

 private:
  explicit WorkbookArchive(zip* archive) : archive_(archive) {}
  zip* archive_;
};

}  // namespace Lodema
