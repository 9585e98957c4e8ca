// SPDX-License-Identifier: MIT
#include "app/HelpAccess.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/HelpWindow.h"

HelpAccess::HelpAccess(help::HelpPlaces places, Lodema::MessageBoxes& messages,
                       HelpFileOpener opener, QWidget* owner)
    : places_(std::move(places)), messages_(messages), opener_(std::move(opener)), owner_(owner) {
  if (!opener_) {
    opener_ = [](const QString& path) {
      return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
  }
}

HelpAccess::~HelpAccess() = default;

void HelpAccess::ShowMainHelp(int item) {
  ShowMenuHelp(item, help::kMainHelpFile, QString::fromLatin1(help::kContentsPage));
}

void HelpAccess::ShowPlotHelp(int item) {
  ShowMenuHelp(item, help::kPlotHelpFile, QStringLiteral("stereonet.html"));
}

void HelpAccess::ShowMenuHelp(int item, const char* helpFile, const QString& guidePage) {
  // There is no viewer's own "help on help" page here: the guide has one.
  if (item == 1) {
    ShowGuide(QString::fromLatin1(help::kHelpOnHelpPage));
  } else if (!OpenInstalledHelpFile(helpFile)) {
    ShowGuide(guidePage);
  }
}

void HelpAccess::ShowContextHelp(int tabPage, int calculation) {
  ShowGuide(help::GuidePageFor(tabPage, calculation));
}

bool HelpAccess::OpenInstalledHelpFile(const char* name) {
  const QString path = QDir(places_.programFolder).filePath(QString::fromLatin1(name));
  if (!QFileInfo(path).isFile()) return false;
  if (!opener_(path)) {
    messages_.ShowMessage(
        "Lodema could not open the help file\n" + QDir::toNativeSeparators(path).toStdString() +
            "\nNo program to show it was found on this system.",
        Lodema::kMessageTitle, Lodema::MessageButtons::kOk, Lodema::MessageIcon::kExclamation);
  }
  return true;
}

void HelpAccess::ShowGuide(const QString& page) {
  if (!window_) {
    const QString folder = help::FindGuideFolder(places_);
    if (folder.isEmpty()) {
      std::string where;
      for (const QString& place : places_.guideFolders) {
        where += "\n" + QDir::toNativeSeparators(place).toStdString();
      }
      messages_.ShowMessage("The Lodema user guide (" + std::string(help::kContentsPage) +
                                ") was not found. Lodema looked for it in:" + where,
                            Lodema::kMessageTitle, Lodema::MessageButtons::kOk,
                            Lodema::MessageIcon::kExclamation);
      return;
    }
    window_ = std::make_unique<HelpWindow>(folder, owner_);
  }
  window_->ShowPage(page);
  window_->show();
  window_->raise();
  window_->activateWindow();
}
