// SPDX-License-Identifier: MIT
// The start-up notices of the main window: the one-time welcome of this
// version and the decimal-character warning.
#pragma once

#include <string>

namespace notices {

inline constexpr const char* kWelcomeTitle = "Lodema";
inline constexpr const char* kDecimalWarningTitle = "Decimal delimiter mismatch!";

std::string WelcomeText();
// localeComma: the system writes decimals with a comma.
std::string DecimalWarningText(bool localeComma);

}  // namespace notices
