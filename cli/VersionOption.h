// SPDX-License-Identifier: MIT
// lodema-batch --version.
#pragma once

#include <string>
#include <vector>

namespace Lodema {

// True when the arguments ask for the version: --version comes before any
// --help or -h (whichever of the two comes first wins).
bool AsksForVersion(const std::vector<std::string>& arguments);

// "lodema-batch 4.9.7" and a line end, with the project's version.
std::string BatchVersionText();

}  // namespace Lodema
