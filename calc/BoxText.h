// SPDX-License-Identifier: MIT
// Writing the few characters of a box's text, as a batch run does for every
// box of every row.
#pragma once

#include <string>
#include <string_view>

namespace Lodema {

// The longest text SetBoxText writes a character at a time.
inline constexpr std::size_t kShortBoxText = 8;

// text = view: for the handful of characters of an entry or result box,
// std::string::assign's general replace costs several times the copy.
inline void SetBoxText(std::string& text, std::string_view view) {
  // A box mostly gets a text as long as its last one.
  if (text.size() == view.size()) {
    char* out = text.data();
    for (std::size_t i = 0; i < view.size(); ++i) out[i] = view[i];
    return;
  }
  if (view.size() <= kShortBoxText) {
    // Character by character, inline: cheaper than a call for a few.
    text.clear();
    for (const char c : view) text.push_back(c);
    return;
  }
  text.assign(view);
}

}  // namespace Lodema
