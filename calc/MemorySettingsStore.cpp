// SPDX-License-Identifier: MIT
#include "calc/MemorySettingsStore.h"

namespace Lodema {

std::string MemorySettingsStore::Read(const std::string& application, const std::string& section,
                                      const std::string& key,
                                      const std::string& defaultValue) const {
  auto found = entries_.find(Address{application, section, key});
  return found == entries_.end() ? defaultValue : found->second;
}

void MemorySettingsStore::Write(const std::string& application, const std::string& section,
                                const std::string& key, const std::string& value) {
  entries_[Address{application, section, key}] = value;
  ++writeCount_;
}

bool MemorySettingsStore::HasKey(const std::string& application, const std::string& section,
                                 const std::string& key) const {
  return entries_.count(Address{application, section, key}) != 0;
}

}  // namespace Lodema
