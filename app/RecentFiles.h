// SPDX-License-Identifier: MIT
// The "Recent files" list of the File menu: the last input files, newest
// first, kept in the settings store beside the other file settings.
#pragma once

#include <string>
#include <vector>

#include "calc/SettingsStore.h"

class RecentFiles {
 public:
  static constexpr int kLimit = 5;

  // Reads "RecentFile1" (newest) to "RecentFile5" of "Files"; empty and
  // repeated entries are skipped.
  void Load(const Lodema::SettingsStore& store);
  // Writes all five keys, the unused ones empty, so that no stale entry
  // survives a shorter list.
  void Save(Lodema::SettingsStore& store) const;

  // Puts path first, dropping an older copy of it and the oldest entry
  // beyond the limit. An empty path is ignored.
  void Add(const std::string& path);
  void Remove(const std::string& path);

  const std::vector<std::string>& Files() const { return files_; }

 private:
  std::vector<std::string> files_;
};
