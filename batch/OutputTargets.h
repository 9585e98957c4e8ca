// SPDX-License-Identifier: MIT
// What an output name leads to, and how a run writes it. Only a regular file
// (or a name that does not exist yet) is replaced, through a temporary file
// beside its real location that takes its place once complete; devices,
// pipes, sockets and terminals are written straight; names of descriptors
// already open (/dev/stdout, /dev/fd/N) write through that descriptor, so
// that whatever the shell redirected there keeps what it held. A link's own
// name is never replaced, and a link to nothing is refused.
#pragma once

#include <memory>
#include <string>

#include "batch/OutputFile.h"

namespace Lodema {

enum class OutputTargetKind {
  kFile,        // a regular file, or a name that does not exist yet
  kStraight,    // a device, pipe, socket or terminal
  kDescriptor,  // a descriptor this program already has open
  kRefused,     // problem says why
};

struct OutputTarget {
  OutputTargetKind kind = OutputTargetKind::kRefused;
  std::string location;  // kFile: the real file (links resolved); kStraight: the name
  int descriptor = -1;   // kDescriptor
  bool exists = false;   // kFile
  // kFile: other names (hard links) lead to the same file: replacing it
  // through a temporary file would part them, so it is written in place.
  bool hardLinked = false;
  std::string problem;
};

OutputTarget ResolveOutputTarget(const std::string& name);

// Opens the target for appending or replacing; nullptr, with problem set,
// when it cannot be written. A file replaced in place (hard links, or no
// room for a temporary file beside it: a read-only folder, a name too long
// for the temporary name) is written to a temporary file elsewhere first
// and copied over the file only once the run has finished.
std::unique_ptr<OutputSink> OpenOutputTarget(const OutputTarget& target, bool append,
                                             std::string& problem);

// True when writing a and b would write the same file (whether or not it
// exists yet) or the same pipe or socket.
bool SameOutputTarget(const std::string& a, const std::string& b);

// The message for an output file that cannot be opened, with why where it
// is known.
std::string OutputProblemText(const std::string& problem);

}  // namespace Lodema
