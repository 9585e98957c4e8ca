// SPDX-License-Identifier: MIT
#include "app/RecentFiles.h"

#include <algorithm>

#include "calc/Settings.h"

namespace {

constexpr const char* kSection = "Files";

std::string KeyOf(int index) { return "RecentFile" + std::to_string(index + 1); }

}  // namespace

void RecentFiles::Load(const Lodema::SettingsStore& store) {
  files_.clear();
  for (int i = 0; i < kLimit; ++i) {
    const std::string path = store.Read(Lodema::kApplicationName, kSection, KeyOf(i), "");
    if (path.empty() || std::find(files_.begin(), files_.end(), path) != files_.end()) continue;
    files_.push_back(path);
  }
}

void RecentFiles::Save(Lodema::SettingsStore& store) const {
  for (int i = 0; i < kLimit; ++i) {
    const std::size_t index = static_cast<std::size_t>(i);
    store.Write(Lodema::kApplicationName, kSection, KeyOf(i),
                index < files_.size() ? files_[index] : "");
  }
}

void RecentFiles::Add(const std::string& path) {
  if (path.empty()) return;
  Remove(path);
  files_.insert(files_.begin(), path);
  if (files_.size() > static_cast<std::size_t>(kLimit)) files_.resize(kLimit);
}

void RecentFiles::Remove(const std::string& path) {
  files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
}
