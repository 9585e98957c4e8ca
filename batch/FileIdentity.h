// SPDX-License-Identifier: MIT
// Which file on disk a name or an open stream stands for, so that a run can
// refuse to write the file it reads, whatever names lead to it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace Lodema {

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of a regular file; none for a name that does not exist, or
// for a terminal, pipe or device (reading and writing the same terminal is
// no danger). With `writable`, the same for a pipe or a socket as well: two
// outputs sent into one pipe would mix. Devices (terminals, /dev/null) have
// none either way.
std::optional<FileIdentity> IdentityOfPath(const std::string& path, bool writable = false);
std::optional<FileIdentity> IdentityOfStream(std::FILE* stream, bool writable = false);

}  // namespace Lodema
