// SPDX-License-Identifier: MIT
// The "Recent files" list of the File menu: the last input files, newest
// first, kept in the settings store beside the other file settings, each
// with the column choice last used with it (the column of each entry box
// and whether the first row holds headings).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/SettingsStore.h"

// How a file's columns were read: one column number per entry box (0 for
// none) and the headings box.
struct FileColumnChoice {
  std::vector<int> columns;
  bool headings = false;
  bool operator==(const FileColumnChoice&) const = default;
};

class RecentFiles {
 public:
  static constexpr int kLimit = 5;

  // Reads "RecentFile1" (newest) to "RecentFile5" of "Files" with their
  // "RecentFile<n>Columns" and "RecentFile<n>Headings"; empty and repeated
  // entries are skipped, and a damaged column text is no choice.
  void Load(const Lodema::SettingsStore& store);
  // Writes all five keys, the unused ones empty, so that no stale entry
  // survives a shorter list.
  void Save(Lodema::SettingsStore& store) const;

  // Puts path first, dropping an older copy of it and the oldest entry
  // beyond the limit; a path already listed keeps its choice. An empty path
  // is ignored.
  void Add(const std::string& path);
  void Remove(const std::string& path);

  // The choice for a listed path; false (nothing kept) for one not listed.
  bool RememberChoice(const std::string& path, const FileColumnChoice& choice);
  std::optional<FileColumnChoice> ChoiceFor(const std::string& path) const;

  const std::vector<std::string>& Files() const { return files_; }

 private:
  std::vector<std::string> files_;
  std::vector<std::optional<FileColumnChoice>> choices_;  // beside files_
};
