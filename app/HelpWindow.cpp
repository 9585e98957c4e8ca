// SPDX-License-Identifier: MIT
#include "app/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/HelpFiles.h"
#include "app/Named.h"
#include "app/ScreenFit.h"

namespace {

QString ReadPage(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString TitleOf(const QString& html, const QString& fallback) {
  static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                        QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = title.match(html);
  return match.hasMatch() ? match.captured(1).trimmed() : fallback;
}

// The text a reader sees: tags and attribute values (the examples' data)
// left out.
QString PlainText(const QString& html) {
  static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
  QString text = html;
  text.replace(tags, QStringLiteral(" "));
  return text;
}

}  // namespace

HelpWindow::HelpWindow(const QString& guideFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(guideFolder) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QStringLiteral("Lodema help"));

  auto* tools = new QToolBar;
  back_ = tools->addAction(QStringLiteral("Back"));
  back_->setShortcut(QKeySequence::Back);
  forward_ = tools->addAction(QStringLiteral("Forward"));
  forward_->setShortcut(QKeySequence::Forward);
  QAction* home = tools->addAction(QStringLiteral("Home"));
  tools->addSeparator();
  tools->addWidget(new QLabel(QStringLiteral("Search: ")));
  searchBox_ = Named(new QLineEdit, QStringLiteral("txtHelpSearch"));
  searchBox_->setPlaceholderText(QStringLiteral("word, then Enter"));
  searchBox_->setClearButtonEnabled(true);
  tools->addWidget(searchBox_);
  searchNote_ = new QLabel;
  tools->addWidget(searchNote_);

  contents_ = Named(new QListWidget, QStringLiteral("lstHelpContents"));
  browser_ = Named(new QTextBrowser, QStringLiteral("txtHelpPage"));
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({folder_});

  auto* splitter = new QSplitter;
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tools);
  layout->addWidget(splitter);
  resize(960, 700);
  // On a small screen the whole window, title bar too, stays in view.
  FitOnScreen(*this, false);

  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home, &QAction::triggered, this,
          [this] { ShowPage(QString::fromLatin1(help::kContentsPage)); });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
  const auto showItem = [this](QListWidgetItem* item) {
    ShowPage(item->data(Qt::UserRole).toString());
  };
  connect(contents_, &QListWidget::itemActivated, this, showItem);
  connect(contents_, &QListWidget::itemClicked, this, showItem);
  // A link followed, Back or Forward: the contents mark the page shown, and
  // a search note about the last page no longer applies.
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
    MarkPageInContents(url);
    FindOnNewPage();
  });
  connect(searchBox_, &QLineEdit::returnPressed, this, [this] { Search(searchBox_->text()); });
  connect(searchBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.isEmpty()) ShowAllContents();
  });
  FillContents();
}

void HelpWindow::FillContents() {
  // The contents page lists the other pages in reading order.
  const QString index = ReadPage(QDir(folder_).filePath(QString::fromLatin1(help::kContentsPage)));
  pages_ << QString::fromLatin1(help::kContentsPage);
  static const QRegularExpression link(QStringLiteral("href=\"([A-Za-z0-9_-]+\\.html)\""));
  for (auto it = link.globalMatch(index); it.hasNext();) {
    const QString page = it.next().captured(1);
    if (!pages_.contains(page)) pages_ << page;
  }
  for (const QString& page : pages_) {
    const QString html = ReadPage(QDir(folder_).filePath(page));
    pageTexts_ << PlainText(html);
    auto* item = new QListWidgetItem(TitleOf(html, page), contents_);
    item->setData(Qt::UserRole, page);
  }
}

void HelpWindow::ShowAllContents() {
  for (int i = 0; i < contents_->count(); ++i) contents_->item(i)->setHidden(false);
  searchNote_->clear();
  lastSearch_.clear();
}

void HelpWindow::ShowPage(const QString& page) {
  const qsizetype hash = page.indexOf(QLatin1Char('#'));
  QUrl url = QUrl::fromLocalFile(QDir(folder_).filePath(hash < 0 ? page : page.left(hash)));
  if (hash >= 0) url.setFragment(page.mid(hash + 1));
  browser_->setSource(url);
  MarkPageInContents(url);
}

void HelpWindow::FindOnNewPage() {
  if (lastSearch_.isEmpty()) {
    searchNote_->clear();
    return;
  }
  browser_->setTextCursor(QTextCursor(browser_->document()));
  const bool here = browser_->find(lastSearch_);
  searchNote_->setText(here ? QString()
                            : QStringLiteral("  \"%1\" is not on this page.").arg(lastSearch_));
}

void HelpWindow::MarkPageInContents(const QUrl& url) {
  const QString file = QFileInfo(url.toLocalFile()).fileName();
  const int row = static_cast<int>(pages_.indexOf(file));
  if (row < 0 || contents_->currentRow() == row) return;
  // A page a search left out of the list is back in it while it is read.
  contents_->item(row)->setHidden(false);
  const QSignalBlocker blocker(contents_);
  contents_->setCurrentRow(row);
}

QString HelpWindow::CurrentPage() const {
  const QUrl url = browser_->source();
  const QString file = QFileInfo(url.toLocalFile()).fileName();
  return url.hasFragment() ? file + QLatin1Char('#') + url.fragment() : file;
}

bool HelpWindow::Search(const QString& text) {
  ShowAllContents();
  if (text.trimmed().isEmpty()) return false;
  lastSearch_ = text;
  if (browser_->find(text)) return true;
  // Not found below the cursor: look again from the top of the page.
  browser_->setTextCursor(QTextCursor(browser_->document()));
  if (browser_->find(text)) return true;
  const auto holds = [&](const QString& page) { return page.contains(text, Qt::CaseInsensitive); };
  const auto found = std::count_if(pageTexts_.cbegin(), pageTexts_.cend(), holds);
  if (found == 0) {
    // Nothing to narrow the list to: it stays whole, to go on reading.
    searchNote_->setText(QStringLiteral("  \"%1\" is not in the guide.").arg(text));
    return false;
  }
  for (int i = 0; i < contents_->count(); ++i) contents_->item(i)->setHidden(!holds(pageTexts_[i]));
  searchNote_->setText(QStringLiteral("  Not on this page; %1 page(s) with \"%2\" are listed.")
                           .arg(found)
                           .arg(text));
  return false;
}
