// SPDX-License-Identifier: MIT
// A damaged settings file: a copy of it is kept before Lodema writes its
// own, the user is told once which settings went back to their defaults,
// and once when settings cannot be saved at all.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QWidget;
namespace Lodema {
class SettingsStore;
}

namespace settings_repair {

// True when the bytes cannot be an INI file Lodema wrote: NUL bytes, a
// UTF-16 byte-order mark, or text that is not UTF-8.
bool IsUnreadableSettingsText(const QByteArray& bytes);

// Copies path to path + ".bak" when the file there is unreadable; the copy's
// name, or empty when nothing was copied.
QString BackUpUnreadableFile(const QString& path);

// The notice for settings reset to their defaults and a kept copy (either
// may be empty); empty when there is nothing to say.
QString RepairNoticeText(const std::vector<std::string>& resetKeys, const QStringList& backups);
QString SaveProblemText(const QString& file);

// After the settings are loaded: shows the repair notice (not blocking the
// window) and has a store that cannot save say so once, over parent.
void WatchSettings(QWidget* parent, const std::vector<std::string>& resetKeys,
                   Lodema::SettingsStore& store);

}  // namespace settings_repair
