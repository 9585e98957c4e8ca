// SPDX-License-Identifier: MIT
// The main window's files from outside: a file named on the command line,
// dropped on the window or picked from "Recent files".
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <optional>

#include "app/FilePage.h"
#include "app/MainWindow.h"
#include "app/Mirror.h"
#include "app/QtSettingsStore.h"
#include "batch/LineReader.h"
#include "calc/Settings.h"
#include "model/FilePage.h"

namespace {

// The first local file a drag carries, or an empty text.
QString DraggedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QFileInfo info(url.toLocalFile());
    if (info.isFile()) return info.absoluteFilePath();
  }
  return {};
}

}  // namespace

bool MainWindow::OpenDataFile(const QString& path) {
  if (model_.BatchRunning()) return false;
  const QFileInfo info(path);
  const QString absolute = QDir::toNativeSeparators(info.absoluteFilePath());
  if (!info.isFile() || !info.isReadable()) {
    messages_->ShowMessage("The data file\n" + mirror::S(absolute) + "\ncannot be opened.",
                           Lodema::kMessageTitle, Lodema::MessageButtons::kOk,
                           Lodema::MessageIcon::kExclamation);
    return false;
  }
  filePageModel_->SetInputFileText(0, mirror::S(absolute));
  model_.SetTabPage(Lodema::kFilePage);
  RefreshAll();
  return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (!model_.BatchRunning() && !DraggedFile(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString file = DraggedFile(event->mimeData());
  if (file.isEmpty() || model_.BatchRunning()) return;
  event->acceptProposedAction();
  OpenDataFile(file);
}

namespace {

// The recent-files key of a source: its absolute path; nothing for pasted
// data and names that are no file (yet), which are not worth recalling.
std::string RecentFileKey(const QString& source) {
  const QFileInfo info(source);
  if (source.isEmpty() || Lodema::IsPasteSourceName(mirror::S(source)) || !info.isFile()) return {};
  return mirror::S(QDir::toNativeSeparators(info.absoluteFilePath()));
}

}  // namespace

void MainWindow::NoteInputSource(const QString& source) {
  const std::string absolute = RecentFileKey(source);
  if (absolute.empty()) return;
  if (recentFiles_.Files().empty() || recentFiles_.Files().front() != absolute) {
    recentFiles_.Add(absolute);
    SaveRecentFiles();
  }
  // A file read before is read the same way again, whatever the guess.
  if (const std::optional<FileColumnChoice> choice = recentFiles_.ChoiceFor(absolute)) {
    ApplyColumnChoice(*choice);
  }
}

void MainWindow::ApplyColumnChoice(const FileColumnChoice& choice) {
  if (choice.headings != filePageModel_->Controls().tableHeadingsBox.checked) {
    filePageModel_->SetTableHeadings(choice.headings);
  }
  // Columns the file no longer has keep what the page gave them.
  const int columns = filePageModel_->InputColumnCount();
  const std::size_t slotCount = std::min<std::size_t>(choice.columns.size(), Lodema::kSlotCount);
  for (std::size_t slot = 0; slot < slotCount; ++slot) {
    const int column = choice.columns[slot];
    if (column <= columns) filePageModel_->SetColumnListIndex(static_cast<int>(slot), column);
  }
  filePage_->Refresh();
}

void MainWindow::RememberColumnChoice() {
  RememberColumnChoiceOf(mirror::Q(model_.settings().FileIn), filePage_->ShownChoice());
}

void MainWindow::RememberColumnChoiceOf(const QString& source, const FileColumnChoice& choice) {
  const std::string absolute = RecentFileKey(source);
  if (absolute.empty() || recentFiles_.ChoiceFor(absolute) == choice) return;
  if (recentFiles_.RememberChoice(absolute, choice)) SaveRecentFiles();
}

void MainWindow::OpenRecentFile(const std::string& path) {
  if (model_.BatchRunning()) return;
  if (!QFileInfo(mirror::Q(path)).isFile()) {
    recentFiles_.Remove(path);
    SaveRecentFiles();
    messages_->ShowMessage(
        "The file\n" + path + "\nno longer exists. It has been removed from the recent files.",
        Lodema::kMessageTitle, Lodema::MessageButtons::kOk, Lodema::MessageIcon::kExclamation);
    return;
  }
  OpenDataFile(mirror::Q(path));
}

void MainWindow::SaveRecentFiles() {
  recentFiles_.Save(*store_);
  if (auto* qtStore = dynamic_cast<QtSettingsStore*>(store_)) qtStore->Sync();
  RebuildRecentFilesMenu();
}

void MainWindow::RebuildRecentFilesMenu() {
  recentFilesMenu_->clear();
  const std::vector<std::string>& files = recentFiles_.Files();
  if (files.empty()) {
    recentFilesMenu_->addAction(QStringLiteral("(none)"))->setEnabled(false);
    return;
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string path = files[i];
    // "&1 name" gives each entry its digit as a keyboard shortcut; an "&"
    // in the path itself is doubled so that it shows.
    QString caption = mirror::Q(path);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* action =
        recentFilesMenu_->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(caption));
    action->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i + 1));
    action->setData(mirror::Q(path));
    connect(action, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
  }
}
