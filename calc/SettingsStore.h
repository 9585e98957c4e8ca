// SPDX-License-Identifier: MIT
// The per-user settings store as Lodema sees it: text values addressed by
// application name, section and key. The desktop application puts its
// platform store behind this interface; tests and the command-line tool use
// MemorySettingsStore.
#pragma once

#include <string>

namespace Lodema {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text, or defaultValue when the entry does not exist.
  virtual std::string Read(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) const = 0;
  // Creates or overwrites one entry. Failures are not reported: a store that
  // cannot write simply keeps its old value.
  virtual void Write(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) = 0;
  // True when the entry exists (even with an empty value).
  virtual bool HasKey(const std::string& application, const std::string& section,
                      const std::string& key) const = 0;
};

}  // namespace Lodema
