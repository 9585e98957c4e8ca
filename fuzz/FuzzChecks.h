// SPDX-License-Identifier: MIT
// What every fuzz target checks besides "no crash": a failed check prints
// what broke and the text concerned, then aborts so that libFuzzer keeps
// the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace LodemaFuzz {

[[noreturn]] inline void Fail(std::string_view what, std::string_view text) {
  std::fprintf(stderr, "check failed: %.*s\n  text: \"%.*s\"\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(text.size()), text.data());
  std::abort();
}

inline void Check(bool holds, std::string_view what, std::string_view text = {}) {
  if (!holds) Fail(what, text);
}

// True when text holds "nan" or "inf" in any letter case: what a
// non-finite number turns into when it slips into a shown text.
inline bool ShowsNonFinite(std::string_view text) {
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    const auto lower = [&](std::size_t k) {
      const char c = text[i + k];
      return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    const char a = lower(0), b = lower(1), c = lower(2);
    if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f')) return true;
  }
  return false;
}

inline void CheckFinite(std::string_view text, std::string_view what) {
  Check(!ShowsNonFinite(text), what, text);
}

}  // namespace LodemaFuzz
