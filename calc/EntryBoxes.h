// SPDX-License-Identifier: MIT
// Which entry boxes make up each entry window, and the caption words that
// say what a box holds. Shared by the entry-window files of the model.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Lodema {

inline constexpr int kEntryBoxCount = 13;   // entry boxes 0..12
inline constexpr int kMappedBoxCount = 11;  // boxes 0..10 may take a column of a file
inline constexpr int kResultBoxCount = 14;  // result boxes 0..13

// Windows A..D = 0..3: A boxes 0-2, B 3-5, C 6-7, D 8-10.
inline constexpr int kWindowFirstBox[4] = {0, 3, 6, 8};
inline constexpr int kWindowBoxCount[4] = {3, 3, 2, 3};
inline constexpr int kSectionTrendBox = 11;
inline constexpr int kFileSectionTrendBox = 12;

// What a caption says its box holds, for reading a window as an orientation.
enum class BoxRole { kOther, kDip, kPlunge, kDirection, kSense };

// True when caption is the given name (a settings name such as "pitch").
inline bool IsCaption(std::string_view caption, std::string_view name) {
  if (caption.size() != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (caption[i] != name[i]) return false;
  }
  return true;
}

inline bool IsDirectionCaption(std::string_view caption) {
  return IsCaption(caption, "trend") || IsCaption(caption, "dir'n") ||
         IsCaption(caption, "dip dir'n") || IsCaption(caption, "strike");
}

}  // namespace Lodema
