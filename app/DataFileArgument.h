// SPDX-License-Identifier: MIT
// The data file named on lodema's command line: what a file manager's
// "Open with Lodema" passes (a path, or a file: URL from some launchers).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The first argument after the program's name that is not an option, as a
// local path; arguments after "--" are never options. Qt's own options
// (-platform, -style ...) are gone from QApplication::arguments() already.
// Nothing when no file is named.
std::optional<QString> DataFileArgument(const QStringList& arguments);
