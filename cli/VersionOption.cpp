// SPDX-License-Identifier: MIT
#include "cli/VersionOption.h"

#include "LodemaVersion.h"

namespace Lodema {

bool AsksForVersion(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--version") return true;
    if (argument == "--help" || argument == "-h") return false;
  }
  return false;
}

std::string BatchVersionText() { return std::string("lodema-batch ") + kLodemaVersion + "\n"; }

}  // namespace Lodema
