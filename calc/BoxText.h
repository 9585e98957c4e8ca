// SPDX-License-Identifier: MIT
// Writing the few characters of a box's text, as a batch run does for every
// box of every row.
#pragma once

#include <string>
#include <string_view>

namespace Lodema {

// text = view, reusing text's room: for the handful of characters of an
// entry or result box, std::string::assign's general replace costs several
// times the copy. view must not lie within text.
inline void SetBoxText(std::string& text, std::string_view view) {
  if (view.size() > text.capacity()) {
    text.assign(view);
    return;
  }
  text.resize(view.size());
  for (std::size_t i = 0; i < view.size(); ++i) text[i] = view[i];
}

}  // namespace Lodema
