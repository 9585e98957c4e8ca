// SPDX-License-Identifier: MIT
// The pieces of one output line (result fields, delimiters, the input line),
// gathered and then copied once for every row.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "calc/ResultText.h"

namespace Lodema {

// The line is measured before it is copied, so that it takes its room in
// one step rather than growing a character at a time. The views must stay
// valid until CopyTo.
class LinePieces {
 public:
  void Clear() {
    count_ = 0;
    size_ = 0;
  }
  // Inlined: a call would cost more than the few stores.
  [[gnu::always_inline]] void Add(std::string_view text) {
    // Grown here rather than by push_back, which is not inlined.
    if (count_ == pieces_.size()) pieces_.resize(2 * count_ + 16);
    pieces_[count_++] = text;
    size_ += text.size();
  }
  std::size_t Size() const { return size_; }
  // Writes the Size() characters at to.
  void CopyTo(char* to) const {
    for (std::size_t i = 0; i < count_; ++i) to = CopyShortText(pieces_[i], to);
  }

 private:
  std::vector<std::string_view> pieces_;  // the first count_, kept from line to line
  std::size_t count_ = 0;
  std::size_t size_ = 0;
};

}  // namespace Lodema
