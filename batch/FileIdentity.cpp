// SPDX-License-Identifier: MIT
#include "batch/FileIdentity.h"

#include <sys/stat.h>

namespace Lodema {

namespace {

std::optional<FileIdentity> RegularFile(const struct stat& status) {
  if (!S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<FileIdentity> NotADevice(const struct stat& status) {
  if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
  struct stat status {};
  if (path.empty() || ::stat(path.c_str(), &status) != 0) return std::nullopt;
  return RegularFile(status);
}

std::optional<FileIdentity> IdentityOfStream(std::FILE* stream) {
  struct stat status {};
  if (stream == nullptr || ::fstat(::fileno(stream), &status) != 0) return std::nullopt;
  return RegularFile(status);
}

std::optional<FileIdentity> IdentityOfWritable(const std::string& path) {
  struct stat status {};
  if (path.empty() || ::stat(path.c_str(), &status) != 0) return std::nullopt;
  return NotADevice(status);
}

std::optional<FileIdentity> IdentityOfWritableStream(std::FILE* stream) {
  struct stat status {};
  if (stream == nullptr || ::fstat(::fileno(stream), &status) != 0) return std::nullopt;
  return NotADevice(status);
}

}  // namespace Lodema
