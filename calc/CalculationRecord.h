// SPDX-License-Identifier: MIT
// The record of one calculation run: what the projection draws.
#pragma once

#include <array>

namespace Lodema {

// Rows: 0 result, 1..4 windows A..D. Columns: 0 type code (0 nothing,
// 1 plane, 2 line, 3 reference-plane alpha, 4 beta and alpha, 5 gamma,
// 6 core axis with alpha), 1 dip or plunge, 2 dip direction or trend,
// 3 alpha, 4 beta, 5 gamma. Angles in radians.
struct CalculationRecord {
  static constexpr int kRows = 5;
  static constexpr int kColumns = 6;
  int calculation = 0;  // number of the calculation that produced it, 0..41
  std::array<std::array<double, kColumns>, kRows> cells{};
};

}  // namespace Lodema
