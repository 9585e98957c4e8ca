// SPDX-License-Identifier: MIT
#include "app/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "app/SettingsRepair.h"

namespace {

QString Key(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& folder) : folder_(folder) {
  if (folder_.isEmpty()) {
    folder_ = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                  .filePath(QStringLiteral("Lodema"));
  }
}

QtSettingsStore::~QtSettingsStore() { Sync(); }

QString QtSettingsStore::FileName(const std::string& application) const {
  return QDir(folder_).filePath(QString::fromStdString(application) + QStringLiteral(".ini"));
}

QSettings& QtSettingsStore::File(const std::string& application) const {
  auto& file = files_[application];
  if (!file) {
    // Junk would be read as keys and written back re-encoded: the user's
    // file is kept as it was first.
    const QString name = FileName(application);
    QString backup = settings_repair::BackUpUnreadableFile(name);
    file = std::make_unique<QSettings>(name, QSettings::IniFormat);
    // What was read from junk is no setting: start from the defaults.
    if (!backup.isEmpty()) file->clear();
    if (backup.isEmpty() && file->status() == QSettings::FormatError) {
      backup = name + QStringLiteral(".bak");
      QFile::remove(backup);
      if (!QFile::copy(name, backup)) backup.clear();
    }
    if (!backup.isEmpty()) backups_ << backup;
  }
  return *file;
}

std::string QtSettingsStore::Read(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& defaultValue) const {
  const QVariant value = File(application).value(Key(section, key));
  if (!value.isValid()) return defaultValue;
  // An unquoted INI value with commas comes back as a list; the store only
  // ever holds one text, so join it back.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QLatin1Char(',')).toStdString();
  }
  return value.toString().toStdString();
}

void QtSettingsStore::Write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
  File(application).setValue(Key(section, key), QString::fromStdString(value));
}

bool QtSettingsStore::HasKey(const std::string& application, const std::string& section,
                             const std::string& key) const {
  return File(application).contains(Key(section, key));
}

void QtSettingsStore::Sync() {
  if (!folder_.isEmpty()) QDir().mkpath(folder_);
  for (auto& [name, file] : files_) {
    file->sync();
    if (file->status() != QSettings::AccessError || !saveProblem_) continue;
    if (saveProblemsShown_.insert(file->fileName()).second) saveProblem_(file->fileName());
  }
}
