// SPDX-License-Identifier: MIT
#include "app/SettingsRepair.h"

#include <QFile>
#include <QMessageBox>
#include <QStringDecoder>
#include <QWidget>

#include "app/QtSettingsStore.h"

namespace settings_repair {

bool IsUnreadableSettingsText(const QByteArray& bytes) {
  if (bytes.contains('\0') || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
    return true;
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(bytes);
  return utf8.hasError();
}

QString BackUpUnreadableFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  if (!IsUnreadableSettingsText(file.readAll())) return {};
  file.close();
  const QString backup = path + QStringLiteral(".bak");
  QFile::remove(backup);
  return QFile::copy(path, backup) ? backup : QString();
}

QString RepairNoticeText(const std::vector<std::string>& resetKeys, const QStringList& backups) {
  QString text;
  if (!backups.isEmpty()) {
    text += QStringLiteral("The settings file could not be read; a copy of it is kept as %1.")
                .arg(backups.join(QStringLiteral(", ")));
  }
  if (!resetKeys.empty()) {
    QStringList keys;
    for (const std::string& key : resetKeys) keys << QString::fromStdString(key);
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += QStringLiteral(
                "These settings held values Lodema cannot use and are back to their "
                "defaults: %1.")
                .arg(keys.join(QStringLiteral(", ")));
  }
  return text;
}

QString SaveProblemText(const QString& file) {
  return QStringLiteral("The settings cannot be saved to %1: changes last until Lodema closes.")
      .arg(file);
}

namespace {

void ShowNotice(QWidget* parent, const QString& text) {
  auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Lodema settings"), text,
                              QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

}  // namespace

void WatchSettings(QWidget* parent, const std::vector<std::string>& resetKeys,
                   Lodema::SettingsStore& store) {
  auto* qtStore = dynamic_cast<QtSettingsStore*>(&store);
  const QString notice =
      RepairNoticeText(resetKeys, qtStore != nullptr ? qtStore->BackedUpFiles() : QStringList());
  if (!notice.isEmpty()) ShowNotice(parent, notice);
  if (qtStore != nullptr) {
    qtStore->SetSaveProblemHandler(
        [parent](const QString& file) { ShowNotice(parent, SaveProblemText(file)); });
  }
}

}  // namespace settings_repair
