// SPDX-License-Identifier: MIT
// Opens a help file with the desktop's default viewer for its kind. Tests
// put a fake in its place.
#pragma once

#include <QString>

class HelpFileOpener {
 public:
  virtual ~HelpFileOpener() = default;
  // False when no viewer could be started for the file.
  virtual bool Open(const QString& path) = 0;
};

class DesktopHelpFileOpener : public HelpFileOpener {
 public:
  bool Open(const QString& path) override;
};
