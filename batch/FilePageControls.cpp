// SPDX-License-Identifier: MIT
#include "batch/FilePageControls.h"

namespace Lodema {

std::string ProcessedDigit(int count, int digit) {
  for (int d = 0; d < digit; ++d) count /= 10;
  return std::string(1, static_cast<char>('0' + (count < 0 ? 0 : count % 10)));
}

}  // namespace Lodema
