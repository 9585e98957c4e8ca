// SPDX-License-Identifier: MIT
// MainWindow, Lodema's main window. It owns the calculator model and the file
// page model, mirrors their controls in Qt widgets and forwards every user
// action to them. MainWindow.cpp builds the window and holds start-up
// (FormInitialisation), closing and the plot; MainWindowMenus.cpp the menus,
// MainWindowConventions.cpp the settings buttons of the conventions page and
// MainWindowFiles.cpp the files from outside (command line, drops, recent
// files).
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "app/ConventionsPage.h"
#include "app/RecentFiles.h"
#include "batch/ColumnMapping.h"
#include "batch/Platform.h"
#include "calc/Platform.h"
#include "calc/SettingsStore.h"
#include "model/CalculatorModel.h"

class CalculationPages;
class HelpAccess;
class NomenclatureDialog;
class EntryPanel;
class FilePage;
class QAction;
class QMenu;
class QTabWidget;
class QtBeeper;
class QtClipboard;
class QtFileDialogs;
class QtMessageBoxes;
class QtSettingsStore;
class ResultPanel;
class StereoPlotWindow;

namespace Lodema {
class FilePageModel;
}
namespace help {
struct HelpPlaces;
}

// The services the window uses; a null member takes the desktop's own
// (the QSettings store in the user's configuration folder, QMessageBox,
// QFileDialog, the system clipboard, QApplication::beep). Tests pass fakes.
struct LodemaServices {
  Lodema::SettingsStore* store = nullptr;
  Lodema::MessageBoxes* messages = nullptr;
  Lodema::FileDialogs* dialogs = nullptr;
  Lodema::Clipboard* clipboard = nullptr;
  Lodema::Beeper* beeper = nullptr;
  std::function<bool(const QString&)> helpOpener{};  // the desktop's viewer for help files
  const help::HelpPlaces* helpPlaces = nullptr;      // beside the program
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(const LodemaServices& services = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  Lodema::CalculatorModel& Model() { return model_; }
  Lodema::FilePageModel& FilePageModel() { return *filePageModel_; }
  QTabWidget* Tabs() const { return pageTabs_; }
  CalculationPages* Calculations() const { return calculationPages_; }
  EntryPanel* Entries() const { return entryPanel_; }
  ResultPanel* Results() const { return resultPanel_; }
  ConventionsPage* Conventions() const { return conventionsPage_; }
  FilePage* Files() const { return filePage_; }
  QMenu* CalculationsMenu() const { return calculationsMenu_; }
  QAction* CalculationMenuItem(int item) const { return calculationItems_[item]; }
  QAction* PasteAction() const { return pasteAction_; }
  QAction* ExitAction() const { return exitAction_; }
  QMenu* RecentFilesMenu() const { return recentFilesMenu_; }
  // The recent input files, newest first.
  const std::vector<std::string>& RecentFileList() const { return recentFiles_.Files(); }
  QAction* HelpMenuItem(int item) const { return helpItems_[item]; }  // 0, 1
  HelpAccess& Help() const { return *help_; }
  // The naming dialog once "Nomenclature..." has opened it, else nullptr.
  NomenclatureDialog* Nomenclature() const { return nomenclature_; }
  StereoPlotWindow* StereoPlot() const { return stereoPlot_; }

  // Shows the plot window with the saved projection, plane drawing and
  // axes, the output conventions and the calculation's windows; or hides it.
  void ShowStereoPlot(bool show);

  // Brings every widget in line with the models.
  void RefreshAll();
  // Edit menu "&Paste...".
  void PasteData();
  // "Start input" button 0 or 1; during a run, the stop ("Wait..").
  void StartInput(int button);
  // Makes path the input file and shows the file page (a file named on the
  // command line, dropped on the window or picked from "Recent files"). A
  // path that is not a readable file is reported and changes nothing;
  // during a run nothing is opened. True when the file was opened.
  bool OpenDataFile(const QString& path);

 signals:
  // A batch run is about to run its row-th line (counted as the "Processed:"
  // counter counts).
  void batchRowStarted(qint64 row);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildWidgets();
  void BuildMenus();
  void FormInitialisation();
  void StartUpDecimalCharacter();
  // Ticks the Calculations menu's item of the current calculation.
  void MarkCurrentCalculation();
  void OnCommand(ConventionsPage::Command command);
  // Writes the decimal choice as "Set as default" stands: the forced
  // character only while the box is set.
  void SaveDecimalChoice();
  void ResetConventions();
  // The column lists of the file page follow the entry boxes shown, also
  // when a convention or a reference option (not a selection) changes them.
  void FollowEntryLayout();
  void Save(int group);
  void OnBatchProgress(std::int64_t count);
  void ShowNomenclature();
  void OnNomenclatureClosed();
  // A new input source: listed among the recent files, read as it was
  // read last time when it is one of them.
  void NoteInputSource(const QString& source);
  void ApplyColumnChoice(const FileColumnChoice& choice);
  // The current source's columns and headings box, kept with its entry in
  // the recent files (before a run, at closing and when another source is
  // chosen).
  void RememberColumnChoice();
  void RememberColumnChoiceOf(const QString& source, const FileColumnChoice& choice);
  void OpenRecentFile(const std::string& path);
  void SaveRecentFiles();
  void RebuildRecentFilesMenu();
  void RestoreWindowGeometry();
  void SaveWindowGeometry();
  // "Show stereo plot" ticked or cleared: the plot follows and the
  // calculation runs again so that its result reaches the plot.
  void OnShowStereoClicked(bool shown);

  Lodema::CalculatorModel model_;
  std::unique_ptr<QtSettingsStore> ownStore_;
  std::unique_ptr<QtMessageBoxes> ownMessages_;
  std::unique_ptr<QtFileDialogs> ownDialogs_;
  std::unique_ptr<QtClipboard> ownClipboard_;
  std::unique_ptr<QtBeeper> ownBeeper_;
  Lodema::SettingsStore* store_ = nullptr;
  Lodema::MessageBoxes* messages_ = nullptr;
  // Every message box opens over an up-to-date window.
  class CurrentWindowMessages;
  std::unique_ptr<CurrentWindowMessages> windowMessages_;
  std::unique_ptr<Lodema::FilePageModel> filePageModel_;

  QTabWidget* pageTabs_ = nullptr;
  CalculationPages* calculationPages_ = nullptr;
  EntryPanel* entryPanel_ = nullptr;
  ResultPanel* resultPanel_ = nullptr;
  ConventionsPage* conventionsPage_ = nullptr;
  FilePage* filePage_ = nullptr;
  QMenu* calculationsMenu_ = nullptr;
  std::array<QAction*, 45> calculationItems_{};  // 1..44
  QAction* pasteAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QMenu* recentFilesMenu_ = nullptr;
  RecentFiles recentFiles_;
  std::array<QAction*, 2> helpItems_{};
  std::unique_ptr<HelpAccess> help_;
  NomenclatureDialog* nomenclature_ = nullptr;
  StereoPlotWindow* stereoPlot_ = nullptr;

  int observerId_ = 0;
  std::array<bool, Lodema::kSlotCount> shownEntryBoxes_{};
  bool activatedOnce_ = false;
  bool restoredGeometry_ = false;  // placed by the last run's geometry
  int focusedCalculation_ = -1;    // the calculation the entry focus was set for
  QElapsedTimer sinceRepaint_;
};
