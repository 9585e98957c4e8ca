// SPDX-License-Identifier: MIT
// A settings store held in memory: for tests and for the command-line tool,
// which starts from the defaults and applies --set values.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "calc/SettingsStore.h"

namespace Lodema {

class MemorySettingsStore : public SettingsStore {
 public:
  std::string Read(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& defaultValue) const override;
  void Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
  bool HasKey(const std::string& application, const std::string& section,
              const std::string& key) const override;

  // Number of entries under all application names.
  // Number of writes since construction (overwrites included).
  int WriteCount() const { return writeCount_; }

 private:
  using Address = std::tuple<std::string, std::string, std::string>;
  std::map<Address, std::string> entries_;
  int writeCount_ = 0;
};

}  // namespace Lodema
