// SPDX-License-Identifier: MIT
// Where Lodema's help lives: the help files that may stand beside the
// program, the user guide's folder, and the guide page for each place in the
// main window (context help).
#pragma once

#include <QString>
#include <QStringList>

namespace help {

// Help files a site may install in the program's folder; when present they
// are opened with the desktop's viewer instead of the guide.
inline constexpr const char* kMainHelpFile = "LodemHelp.chm";    // main window's Help menu
inline constexpr const char* kPlotHelpFile = "Lodem32Help.hlp";  // plot window's Help menu

inline constexpr const char* kContentsPage = "index.html";
inline constexpr const char* kHelpOnHelpPage = "using-help.html";

struct HelpPlaces {
  QString programFolder;     // the folder the help files are looked for in
  QStringList guideFolders;  // looked through in order for the guide's index.html
};

// The program's own folder; the installed guide (../share/doc/lodema/guide
// beside bin/) and then the guide of the source tree the program was built
// from, so that a program run from its build folder finds it too.
HelpPlaces DefaultHelpPlaces();
// The same places for a program in programFolder.
HelpPlaces HelpPlacesFor(const QString& programFolder);

// The first folder of places that holds the guide's contents page, or an
// empty text.
QString FindGuideFolder(const HelpPlaces& places);

// The guide page (file name, with "#anchor" where there is one) for the main
// window's tab page (0 geometrical, 1 drill core, 2 conventions, 3 file
// processing) and the current calculation 0-41.
QString GuidePageFor(int tabPage, int calculation);

}  // namespace help
