// SPDX-License-Identifier: MIT
// How the desktop knows Lodema: its version, its launcher and its window
// icon.
#pragma once

#include <QIcon>
#include <QString>

namespace Lodema {

// The launcher's id, also the icon's name in the hicolor theme.
inline constexpr const char* kDesktopId = "org.lodema.Lodema";

// True when the command line asks for the version. Looks at argv alone, so
// that `lodema --version` works before (and without) a display.
bool IsVersionRequest(int argc, const char* const* argv);

// "lodema 4.9.7" with the project's version, without a line end.
QString GuiVersionText();

// The icon in every size Lodema ships (16 to 256 pixels), from the
// program's own resources.
QIcon LodemaIcon();

// Tells the running QApplication its version, its launcher id (which Wayland
// uses to find the icon) and the icon of every window. The application name,
// which the settings store is kept under, is main's business.
void SetApplicationIdentity();

}  // namespace Lodema
