// SPDX-License-Identifier: MIT
// The help window: Lodema's user guide in a browser with back and forward,
// a contents list and a search box. It stays open beside the main window.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // guideFolder holds the guide's pages (index.html first).
  explicit HelpWindow(const QString& guideFolder, QWidget* parent = nullptr);

  // Shows a page of the guide: a file name with an optional "#anchor".
  void ShowPage(const QString& page);
  // The page shown, as a file name with "#anchor" when the link had one.
  QString CurrentPage() const;

  // Finds text on the page shown from the cursor on (wrapping once); when
  // the page lacks it, the contents list keeps only the pages that hold it
  // (all of them when none does).
  // Returns whether the page shown holds the text.
  bool Search(const QString& text);

  QTextBrowser* Browser() const { return browser_; }
  QListWidget* Contents() const { return contents_; }
  QLineEdit* SearchBox() const { return searchBox_; }
  QAction* BackAction() const { return back_; }
  QAction* ForwardAction() const { return forward_; }
  QLabel* SearchNote() const { return searchNote_; }

 private:
  void FillContents();
  // Shows every contents entry again (after a search narrowed the list).
  void ShowAllContents();
  // After a search, a page newly shown is searched too: its first match
  // marked, or the note says it lacks the text.
  void FindOnNewPage();
  // Selects the page at url in the contents list.
  void MarkPageInContents(const QUrl& url);

  QString folder_;
  QStringList pages_;      // file names in contents order
  QStringList pageTexts_;  // their plain text, for searching
  QString lastSearch_;     // the text searched for, until the box is cleared
  QTextBrowser* browser_ = nullptr;
  QListWidget* contents_ = nullptr;
  QLineEdit* searchBox_ = nullptr;
  QLabel* searchNote_ = nullptr;
  QAction* back_ = nullptr;
  QAction* forward_ = nullptr;
};
