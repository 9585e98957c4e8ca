// SPDX-License-Identifier: MIT
// Appending the few characters of a result field, a delimiter or a line end
// to an output line, once for every field of every row.
#pragma once

#include <string>
#include <string_view>

namespace Lodema {

// Texts of up to four characters go in one by one: the string's general
// append, a library call with its own copy call, costs several times more
// for them.
inline void AppendShort(std::string& out, std::string_view text) {
  if (text.size() > 4) {
    out.append(text);
    return;
  }
  for (const char c : text) out.push_back(c);
}

}  // namespace Lodema
