// SPDX-License-Identifier: MIT
#include "app/HelpFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "calc/Catalogue.h"

namespace help {

HelpPlaces DefaultHelpPlaces() { return HelpPlacesFor(QCoreApplication::applicationDirPath()); }

HelpPlaces HelpPlacesFor(const QString& programFolder) {
  HelpPlaces places;
  places.programFolder = programFolder;
  places.guideFolders << QDir::cleanPath(places.programFolder +
                                         QStringLiteral("/../share/doc/lodema/guide"));
#ifdef LODEMA_SOURCE_GUIDE_DIR
  places.guideFolders << QStringLiteral(LODEMA_SOURCE_GUIDE_DIR);
#endif
  return places;
}

QString FindGuideFolder(const HelpPlaces& places) {
  for (const QString& folder : places.guideFolders) {
    if (QFileInfo(QDir(folder).filePath(QString::fromLatin1(kContentsPage))).isFile()) {
      return folder;
    }
  }
  return {};
}

QString GuidePageFor(int tabPage, int calculation) {
  switch (tabPage) {
    case 2:
      return QStringLiteral("notations.html#conventions-page");
    case 3:
      return QStringLiteral("file-page.html");
    default:
      break;
  }
  if (calculation < 0 || calculation >= Lodema::kCalculationCount) {
    return QString::fromLatin1(kContentsPage);
  }
  const QString page = Lodema::IsCoreCalculation(calculation)
                           ? QStringLiteral("calc-core.html")
                           : QStringLiteral("calc-geometry.html");
  return page + QStringLiteral("#calc-%1").arg(calculation);
}

}  // namespace help
