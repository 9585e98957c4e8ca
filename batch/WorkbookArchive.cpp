// SPDX-License-Identifier: MIT
#include "batch/WorkbookArchive.h"

#include <zip.h>

#include <cstdio>

namespace Lodema {

namespace {

// Below this a part cannot exhaust anything, whatever its ratio (a sheet of
// empty rows compresses very well).
constexpr std::uint64_t kRatioFreeBytes = std::uint64_t{1} << 20;

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

}  // namespace

ArchivePart::ArchivePart(zip_file* file, std::string name, std::uint64_t declaredSize)
    : file_(file), name_(std::move(name)), declaredSize_(declaredSize) {}

ArchivePart::~ArchivePart() { zip_fclose(file_); }

std::size_t ArchivePart::Read(char* buffer, std::size_t size) {
  if (!problem_.empty()) return 0;
  const zip_int64_t n = zip_fread(file_, buffer, size);
  if (n < 0) {
    problem_ = "the part " + Quoted(name_) + " is damaged (" + zip_file_strerror(file_) + ")";
    return 0;
  }
  read_ += static_cast<std::uint64_t>(n);
  // The declared size may lie: the inflated bytes themselves are counted.
  if (read_ > declaredSize_ || read_ > kMaxPartBytes) {
    problem_ = "the part " + Quoted(name_) + " inflates beyond its declared size";
    return 0;
  }
  return static_cast<std::size_t>(n);
}

bool WorkbookArchive::LooksLikeZip(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char head[4] = {};
  const std::size_t n = std::fread(head, 1, sizeof head, file);
  std::fclose(file);
  return n == 4 && head[0] == 'P' && head[1] == 'K' && head[2] == 3 && head[3] == 4;
}

std::unique_ptr<WorkbookArchive> WorkbookArchive::Open(const std::string& path,
                                                       std::string& problem) {
  int error = 0;
  zip* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) {
    zip_error_t detail;
    zip_error_init_with_code(&detail, error);
    problem = std::string("it is no readable zip archive (") + zip_error_strerror(&detail) + ")";
    zip_error_fini(&detail);
    return nullptr;
  }
  return std::unique_ptr<WorkbookArchive>(new WorkbookArchive(archive));
}

WorkbookArchive::~WorkbookArchive() { zip_discard(archive_); }

bool WorkbookArchive::Has(const std::string& name) const {
  return zip_name_locate(archive_, name.c_str(), 0) >= 0;
}

std::unique_ptr<ArchivePart> WorkbookArchive::OpenPart(const std::string& name,
                                                       std::string& problem) const {
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat(archive_, name.c_str(), 0, &stat) != 0) {
    problem = "it has no part " + Quoted(name);
    return nullptr;
  }
  const bool sized = (stat.valid & ZIP_STAT_SIZE) != 0 && (stat.valid & ZIP_STAT_COMP_SIZE) != 0;
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE) {
    problem = "it is encrypted: save it without a password first";
    return nullptr;
  }
  if (!sized || stat.size > kMaxPartBytes ||
      (stat.size > kRatioFreeBytes && stat.size / kMaxPartRatio > stat.comp_size)) {
    problem = "the part " + Quoted(name) +
              " would inflate to more than 1 GiB or more than 1000 times its packed size";
    return nullptr;
  }
  zip_file* file = zip_fopen(archive_, name.c_str(), 0);
  if (file == nullptr) {
    problem = "the part " + Quoted(name) + " cannot be read (" + zip_strerror(archive_) + ")";
    return nullptr;
  }
  return std::make_unique<ArchivePart>(file, name, stat.size);
}

bool WorkbookArchive::ReadPart(const std::string& name, std::size_t maxBytes, std::string& text,
                               std::string& problem) const {
  std::unique_ptr<ArchivePart> part = OpenPart(name, problem);
  if (!part) return false;
  text.clear();
  char buffer[1 << 14];
  while (const std::size_t n = part->Read(buffer, sizeof buffer)) {
    text.append(buffer, n);
    if (text.size() > maxBytes) {
      problem = "the part " + Quoted(name) + " is too long";
      return false;
    }
  }
  problem = part->Problem();
  return problem.empty();
}

}  // namespace Lodema
