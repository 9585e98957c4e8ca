// SPDX-License-Identifier: MIT
// Writing the few characters of a box's text, as a batch run does for every
// box of every row.
#pragma once

#include <string>
#include <string_view>

namespace Lodema {

// text = view: for the handful of characters of an entry or result box,
// std::string::assign's general replace costs several times the copy.
inline void SetBoxText(std::string& text, std::string_view view) {
  // A box mostly gets a text as long as its last one.
  if (text.size() != view.size()) {
    text.assign(view);
    return;
  }
  char* out = text.data();
  for (std::size_t i = 0; i < view.size(); ++i) out[i] = view[i];
}

}  // namespace Lodema
