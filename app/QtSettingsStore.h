// SPDX-License-Identifier: MIT
// Lodema's settings store on QSettings: one INI file per application name
// ("Lodema 4.ini", and the legacy "Lodema.ini" read on the first run of this
// version) in the folder "Lodema" of the user's configuration folder
// (~/.config/Lodema on Linux), sections as INI groups.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "calc/SettingsStore.h"

class QSettings;

class QtSettingsStore : public Lodema::SettingsStore {
 public:
  // folder empty: the user's configuration folder (QStandardPaths). Tests
  // pass a temporary folder.
  explicit QtSettingsStore(const QString& folder = QString());
  ~QtSettingsStore() override;
  QtSettingsStore(const QtSettingsStore&) = delete;
  QtSettingsStore& operator=(const QtSettingsStore&) = delete;

  std::string Read(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& defaultValue) const override;
  void Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
  bool HasKey(const std::string& application, const std::string& section,
              const std::string& key) const override;

  // Writes pending changes to disk (also done on destruction). A file that
  // cannot be written calls the save-problem handler, once per file.
  void Sync();
  void SetSaveProblemHandler(std::function<void(const QString& file)> handler) {
    saveProblem_ = std::move(handler);
  }
  // The copies kept of files that could not be read (".bak"), made before
  // the store writes over them.
  const QStringList& BackedUpFiles() const { return backups_; }
  // The INI file that holds one application name.
  QString FileName(const std::string& application) const;

 private:
  QSettings& File(const std::string& application) const;

  QString folder_;
  mutable std::map<std::string, std::unique_ptr<QSettings>> files_;
  mutable QStringList backups_;
  std::function<void(const QString&)> saveProblem_;
  std::set<QString> saveProblemsShown_;
};
