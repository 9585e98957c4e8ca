// SPDX-License-Identifier: MIT
// The Help menu items of the main and plot windows and F1: a help file
// installed beside the program is opened with the desktop's viewer; without
// one, Lodema's own user guide opens in the help window. Failures are told
// in a message, never passed over.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/HelpFiles.h"
#include "batch/Platform.h"

class HelpWindow;
class QWidget;

// Opens a help file with a viewer for its kind; false when none could be
// started. Tests put a fake in place of the desktop's.
using HelpFileOpener = std::function<bool(const QString& path)>;

class HelpAccess {
 public:
  // opener: empty takes the desktop's. messages must outlive this object.
  HelpAccess(help::HelpPlaces places, Lodema::MessageBoxes& messages, HelpFileOpener opener,
             QWidget* owner);
  ~HelpAccess();

  // Main window's Help menu: 0 "&Lodema help", 1 "&Help on Help".
  void ShowMainHelp(int item);
  // Plot window's Help menu: 0 "Lodema Help &Contents...", 1 "&How to use Help...".
  void ShowPlotHelp(int item);
  // F1: the guide at the page of the tab page and calculation shown.
  void ShowContextHelp(int tabPage, int calculation);

  // The help window once it has been opened, else nullptr.
  HelpWindow* Window() const { return window_.get(); }

 private:
  // Opens the help file name of the program folder when it is there; true
  // when the file exists (opened, or its failure told).
  bool OpenInstalledHelpFile(const char* name);
  // Item 1 of a Help menu: the guide's page on help; item 0: the help file
  // of the program folder, or else guidePage.
  void ShowMenuHelp(int item, const char* helpFile, const QString& guidePage);
  // Shows page in the help window; a missing guide is told.
  void ShowGuide(const QString& page);

  help::HelpPlaces places_;
  Lodema::MessageBoxes& messages_;
  HelpFileOpener opener_;
  QWidget* owner_ = nullptr;
  std::unique_ptr<HelpWindow> window_;
};
