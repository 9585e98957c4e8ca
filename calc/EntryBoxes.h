// SPDX-License-Identifier: MIT
// Which entry boxes make up each entry window, and what a box holds.
// Shared by the row schema and the entry-window files of the model.
#pragma once

namespace Lodema {

inline constexpr int kEntryBoxCount = 13;   // entry boxes 0..12
inline constexpr int kMappedBoxCount = 11;  // boxes 0..10 may take a column of a file
inline constexpr int kResultBoxCount = 14;  // result boxes 0..13

// Windows A..D = 0..3: A boxes 0-2, B 3-5, C 6-7, D 8-10.
inline constexpr int kWindowFirstBox[4] = {0, 3, 6, 8};
inline constexpr int kWindowBoxCount[4] = {3, 3, 2, 3};
// The window (0..3 for A..D) of an entry box; -1 for the section trend.
constexpr int WindowOfBox(int box) {
  for (int window = 3; window >= 0; --window) {
    if (box >= kWindowFirstBox[window] && box < kMappedBoxCount) return window;
  }
  return -1;
}
inline constexpr int kSectionTrendBox = 11;
inline constexpr int kFileSectionTrendBox = 12;

// What an entry box holds, for reading a window as an orientation.
enum class BoxRole { kOther, kDip, kPlunge, kDirection, kSense };

}  // namespace Lodema
