// SPDX-License-Identifier: MIT
#include "batch/FileIdentity.h"

#include <sys/stat.h>

namespace Lodema {

namespace {

std::optional<FileIdentity> IdentityOfStatus(const struct stat& status, bool writable) {
  const bool device = S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode);
  if (writable ? device : !S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileIdentity> IdentityOfPath(const std::string& path, bool writable) {
  struct stat status {};
  if (path.empty() || ::stat(path.c_str(), &status) != 0) return std::nullopt;
  return IdentityOfStatus(status, writable);
}

std::optional<FileIdentity> IdentityOfStream(std::FILE* stream, bool writable) {
  struct stat status {};
  if (stream == nullptr || ::fstat(::fileno(stream), &status) != 0) return std::nullopt;
  return IdentityOfStatus(status, writable);
}

}  // namespace Lodema
