// SPDX-License-Identifier: MIT
// The start-up notices of the main window: the one-time welcome of this
// version and the decimal-character warning.
#pragma once

#include <string>

#include "orient/Records.h"

namespace notices {

inline constexpr const char* kWelcomeTitle = "Lodema";
inline constexpr const char* kDecimalWarningTitle = "Decimal delimiter mismatch!";

std::string WelcomeText();
// localeMark: the mark the system writes decimals with.
std::string DecimalWarningText(OrientGeometry::DecimalMark localeMark);

}  // namespace notices
