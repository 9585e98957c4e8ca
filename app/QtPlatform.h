// SPDX-License-Identifier: MIT
// The desktop faces of the services the engine asks for: modal message
// boxes, the file dialogs, the clipboard and the system beep.
#pragma once

#include <QPointer>
#include <QWidget>

#include "batch/Platform.h"
#include "calc/Platform.h"

// Tells the user that a handler met an unexpected fault and the window
// carried on. The box does not wait for an answer.
void ReportUnexpectedFault(QWidget* parent, const char* what);

class QtMessageBoxes : public Lodema::MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  Lodema::MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    Lodema::MessageButtons buttons,
                                    Lodema::MessageIcon icon) override;

 private:
  QPointer<QWidget> parent_;
};

class QtFileDialogs : public Lodema::FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  std::optional<std::string> AskInputFileName() override;
  std::optional<std::string> AskOutputFileName() override;

 private:
  QPointer<QWidget> parent_;
};

class QtClipboard : public Lodema::Clipboard {
 public:
  bool HasText() const override;
  std::string Text() const override;
};

class QtBeeper : public Lodema::Beeper {
 public:
  void Beep() override;
};
