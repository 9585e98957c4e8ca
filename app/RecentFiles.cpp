// SPDX-License-Identifier: MIT
#include "app/RecentFiles.h"

#include <algorithm>
#include <sstream>

#include "calc/Settings.h"

namespace {

constexpr const char* kSection = "Files";
// More columns than any calculation maps: a longer text is damaged.
constexpr std::size_t kMostColumns = 64;

std::string KeyOf(int index) { return "RecentFile" + std::to_string(index + 1); }

// "1 2 0 3": one column number per entry box.
std::string ColumnsText(const std::vector<int>& columns) {
  std::ostringstream text;
  for (std::size_t i = 0; i < columns.size(); ++i) text << (i == 0 ? "" : " ") << columns[i];
  return text.str();
}

std::optional<std::vector<int>> ColumnsFromText(const std::string& text) {
  std::istringstream in(text);
  std::vector<int> columns;
  std::string word;
  while (in >> word) {
    if (word.empty() || word.size() > 6 ||
        !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return std::nullopt;
    }
    columns.push_back(std::stoi(word));
    if (columns.size() > kMostColumns) return std::nullopt;
  }
  if (columns.empty()) return std::nullopt;
  return columns;
}

}  // namespace

void RecentFiles::Load(const Lodema::SettingsStore& store) {
  files_.clear();
  choices_.clear();
  for (int i = 0; i < kLimit; ++i) {
    const std::string path = store.Read(Lodema::kApplicationName, kSection, KeyOf(i), "");
    if (path.empty() || std::find(files_.begin(), files_.end(), path) != files_.end()) continue;
    files_.push_back(path);
    std::optional<FileColumnChoice> choice;
    const std::optional<std::vector<int>> columns =
        ColumnsFromText(store.Read(Lodema::kApplicationName, kSection, KeyOf(i) + "Columns", ""));
    if (columns) {
      choice = FileColumnChoice{*columns, store.Read(Lodema::kApplicationName, kSection,
                                                     KeyOf(i) + "Headings", "0") == "1"};
    }
    choices_.push_back(choice);
  }
}

void RecentFiles::Save(Lodema::SettingsStore& store) const {
  for (int i = 0; i < kLimit; ++i) {
    const std::size_t index = static_cast<std::size_t>(i);
    const bool listed = index < files_.size();
    const std::optional<FileColumnChoice> choice = listed ? choices_[index] : std::nullopt;
    const std::string key = KeyOf(i);
    store.Write(Lodema::kApplicationName, kSection, key, listed ? files_[index] : "");
    store.Write(Lodema::kApplicationName, kSection, key + "Columns",
                choice ? ColumnsText(choice->columns) : "");
    store.Write(Lodema::kApplicationName, kSection, key + "Headings",
                choice && choice->headings ? "1" : "");
  }
}

void RecentFiles::Add(const std::string& path) {
  if (path.empty()) return;
  const std::optional<FileColumnChoice> choice = ChoiceFor(path);
  Remove(path);
  files_.insert(files_.begin(), path);
  choices_.insert(choices_.begin(), choice);
  if (files_.size() > static_cast<std::size_t>(kLimit)) {
    files_.resize(kLimit);
    choices_.resize(kLimit);
  }
}

void RecentFiles::Remove(const std::string& path) {
  for (std::size_t i = files_.size(); i-- > 0;) {
    if (files_[i] != path) continue;
    files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(i));
    choices_.erase(choices_.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

bool RecentFiles::RememberChoice(const std::string& path, const FileColumnChoice& choice) {
  const auto at = std::find(files_.begin(), files_.end(), path);
  if (at == files_.end()) return false;
  choices_[static_cast<std::size_t>(at - files_.begin())] = choice;
  return true;
}

std::optional<FileColumnChoice> RecentFiles::ChoiceFor(const std::string& path) const {
  const auto at = std::find(files_.begin(), files_.end(), path);
  if (at == files_.end()) return std::nullopt;
  return choices_[static_cast<std::size_t>(at - files_.begin())];
}
