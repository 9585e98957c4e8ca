// SPDX-License-Identifier: MIT
#include "app/ApplicationIdentity.h"

#include <QApplication>
#include <array>
#include <cstring>

#include "LodemaVersion.h"

namespace Lodema {

namespace {

// The PNG sizes rendered from the scalable icon.
constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace

bool IsVersionRequest(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] != nullptr && std::strcmp(argv[i], "--version") == 0) return true;
  }
  return false;
}

QString GuiVersionText() { return QStringLiteral("lodema ") + QString::fromUtf8(kLodemaVersion); }

QIcon LodemaIcon() {
  QIcon icon;
  for (const int size : kIconSizes) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(kDesktopId),
                 QSize(size, size));
  }
  return icon;
}

void SetApplicationIdentity() {
  QApplication::setApplicationVersion(QString::fromUtf8(kLodemaVersion));
  QApplication::setDesktopFileName(QString::fromUtf8(kDesktopId));
  QApplication::setWindowIcon(LodemaIcon());
}

}  // namespace Lodema
