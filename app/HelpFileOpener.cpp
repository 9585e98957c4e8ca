// SPDX-License-Identifier: MIT
#include "app/HelpFileOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopHelpFileOpener::Open(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
