// SPDX-License-Identifier: MIT
// What the batch engine needs from the desktop but cannot do itself: message
// boxes, the file dialogs, the clipboard and the plot window's "Retain"
// button. The Qt application implements these; tests fake them and the
// command-line tool answers them without a screen.
#pragma once

#include <optional>
#include <string>

namespace Lodema {

enum class MessageIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
enum class MessageButtons { kOk, kYesNo, kYesNoCancel, kAbortRetryIgnore };
enum class MessageAnswer { kOk, kYes, kNo, kCancel, kAbort, kRetry, kIgnore };

// Every message box title of the batch pages.
inline constexpr const char* kMessageTitle = "Lodema";

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a modal message box and returns the button pressed. Line breaks in
  // text are CR LF.
  virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    MessageButtons buttons, MessageIcon icon) = 0;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The file-open dialog for the batch input: the file must exist, read-only
  // files are not offered, long names allowed. No value when cancelled.
  virtual std::optional<std::string> AskInputFileName() = 0;
  // The file-save dialog for the output file. No value when cancelled.
  virtual std::optional<std::string> AskOutputFileName() = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual bool HasText() const = 0;
  virtual std::string Text() const = 0;
};

// The plot window's "Retain" button: keeps the current data point on the
// projection. Only pressed while the plot window is shown.
class RetainButton {
 public:
  virtual ~RetainButton() = default;
  virtual void PressRetain() = 0;
};

// The services handed to the file page. Any of them may be null: a missing
// message box answers the first button (Yes or OK) silently, a missing
// dialog counts as cancelled, a missing clipboard holds no text, a missing
// Retain button is never pressed.
struct BatchPlatform {
  MessageBoxes* messages = nullptr;
  FileDialogs* dialogs = nullptr;
  Clipboard* clipboard = nullptr;
  RetainButton* retain = nullptr;
  // The model's plot sink and the Retain button may be called from a run's
  // writer thread (one call at a time, rows in input order): a run with
  // several jobs then shares its rows out while plotting too.
  bool plotFedFromAnyThread = false;
};

}  // namespace Lodema
