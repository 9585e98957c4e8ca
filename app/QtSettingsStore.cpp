// SPDX-License-Identifier: MIT
#include "app/QtSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

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
  if (!file) file = std::make_unique<QSettings>(FileName(application), QSettings::IniFormat);
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
  for (auto& [name, file] : files_) file->sync();
}
