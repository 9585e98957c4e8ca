// SPDX-License-Identifier: MIT
// Help: the menu items and F1 open the guide at the right page; a help file
// beside the program goes to the desktop's viewer; failures are told.
#include <QDir>
#include <QListWidget>
#include <QTextBrowser>
#include <QUrl>

#include "AppFixture.h"
#include "app/HelpAccess.h"
#include "app/HelpFiles.h"
#include "app/HelpWindow.h"

namespace {

class HelpAccessTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    ASSERT_TRUE(programFolder.isValid());
    places.programFolder = programFolder.path();
    places.guideFolders = {QStringLiteral(LODEMA_TEST_GUIDE_DIR)};
  }
  MainWindow& StartWithHelp() {
    return Start([this](LodemaServices& services) {
      services.helpOpener = [this](const QString& path) {
        opened << path;
        return opens;
      };
      services.helpPlaces = &places;
    });
  }
  void PlaceHelpFile(const char* name) {
    QFile file(QDir(programFolder.path()).filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  std::string ShownPage() {
    HelpWindow* help = window->Help().Window();
    return help != nullptr && help->isVisible() ? help->CurrentPage().toStdString() : "<none>";
  }

  QTemporaryDir programFolder;
  help::HelpPlaces places;
  QStringList opened;  // the help files handed to the desktop's viewer
  bool opens = true;
};

TEST_F(HelpAccessTest, MenuItemsOpenTheGuideAtTheirPages) {
  StartWithHelp();
  window->HelpMenuItem(0)->trigger();
  EXPECT_EQ(ShownPage(), "index.html");
  window->HelpMenuItem(1)->trigger();
  EXPECT_EQ(ShownPage(), "using-help.html");
  window->Help().ShowPlotHelp(0);
  EXPECT_EQ(ShownPage(), "stereonet.html");
  window->Help().ShowPlotHelp(1);
  EXPECT_EQ(ShownPage(), "using-help.html");
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HelpAccessTest, F1OpensThePageOfTheCalculationOrPageInView) {
  StartWithHelp();
  const struct {
    const char* name;
    int calculation;  // selected first; -1 keeps it
    int tab;          // shown when F1 is pressed
    const char* page;
  } rows[] = {
      {"geometrical calculation", 8, 0, "calc-geometry.html#calc-8"},
      {"core calculation", 22, 1, "calc-core.html#calc-22"},
      {"calculation without a menu item", 41, 1, "calc-core.html#calc-41"},
      {"conventions page", -1, 2, "notations.html#conventions-page"},
      {"file page", -1, 3, "file-page.html"},
  };
  for (const auto& row : rows) {
    if (row.calculation >= 0) Click(window->Calculations()->Button(row.calculation));
    window->Tabs()->setCurrentIndex(row.tab);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->Tabs(), Qt::Key_F1);
    EXPECT_EQ(ShownPage(), row.page) << row.name;
    window->Help().Window()->hide();
  }
}

TEST_F(HelpAccessTest, AHelpFileBesideTheProgramGoesToTheDesktopViewer) {
  PlaceHelpFile(help::kMainHelpFile);
  PlaceHelpFile(help::kPlotHelpFile);
  StartWithHelp();
  window->HelpMenuItem(0)->trigger();
  window->Help().ShowPlotHelp(0);
  const QDir folder(programFolder.path());
  EXPECT_EQ(opened, QStringList({folder.filePath(QStringLiteral("LodemHelp.chm")),
                                 folder.filePath(QStringLiteral("Lodem32Help.hlp"))}));
  EXPECT_EQ(ShownPage(), "<none>");
  EXPECT_TRUE(messages.shown.empty());
  // One that cannot be opened is told by name.
  opens = false;
  window->HelpMenuItem(0)->trigger();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("LodemHelp.chm"), std::string::npos);
  EXPECT_EQ(messages.shown[0].title, "Lodema");
}

TEST_F(HelpAccessTest, AMissingGuideSaysWhereItWasLookedFor) {
  places.guideFolders = {QDir(programFolder.path()).filePath(QStringLiteral("no-guide-here"))};
  StartWithHelp();
  window->HelpMenuItem(1)->trigger();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("no-guide-here"), std::string::npos)
      << messages.shown[0].text;
  EXPECT_EQ(window->Help().Window(), nullptr);
}

TEST(HelpPlacesTest, AnInstalledProgramFindsTheGuideUnderShare) {
  QTemporaryDir prefix;
  ASSERT_TRUE(prefix.isValid());
  const QDir root(prefix.path());
  ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
  ASSERT_TRUE(root.mkpath(QStringLiteral("share/doc/lodema/guide")));
  QFile index(root.filePath(QStringLiteral("share/doc/lodema/guide/index.html")));
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.close();
  const help::HelpPlaces installed = help::HelpPlacesFor(root.filePath(QStringLiteral("bin")));
  EXPECT_EQ(QDir(help::FindGuideFolder(installed)).canonicalPath(),
            QDir(root.filePath(QStringLiteral("share/doc/lodema/guide"))).canonicalPath());
  // A program run from its build folder falls back on the source tree's guide.
  QTemporaryDir buildFolder;
  ASSERT_TRUE(buildFolder.isValid());
  const help::HelpPlaces built = help::HelpPlacesFor(buildFolder.filePath(QStringLiteral("app")));
  EXPECT_EQ(help::FindGuideFolder(built).toStdString(), LODEMA_TEST_GUIDE_DIR);
}

TEST_F(HelpAccessTest, HelpWindowGoesBackAndForwardAndSearchesThePages) {
  StartWithHelp();
  window->HelpMenuItem(0)->trigger();
  HelpWindow& help = *window->Help().Window();
  EXPECT_GE(help.Contents()->count(), 8);
  help.ShowPage(QStringLiteral("drill-core.html#manual"));
  EXPECT_TRUE(help.BackAction()->isEnabled());
  help.BackAction()->trigger();
  EXPECT_EQ(help.CurrentPage().toStdString(), "index.html");
  help.ForwardAction()->trigger();
  EXPECT_EQ(help.CurrentPage().toStdString(), "drill-core.html#manual");

  const auto rowOf = [&help](const QString& page) {
    for (int i = 0; i < help.Contents()->count(); ++i) {
      if (help.Contents()->item(i)->data(Qt::UserRole).toString() == page) return i;
    }
    return -1;
  };
  // A word on the page is found there; one elsewhere narrows the contents.
  EXPECT_TRUE(help.Search(QStringLiteral("small circles")));
  EXPECT_FALSE(help.Search(QStringLiteral("lodema-batch --help")));
  for (int i = 0; i < help.Contents()->count(); ++i) {
    EXPECT_EQ(help.Contents()->item(i)->isHidden(), i != rowOf(QStringLiteral("file-page.html")));
  }
  // Clearing the search box lists every page again.
  help.SearchBox()->setText(QStringLiteral("x"));
  help.SearchBox()->clear();
  EXPECT_FALSE(help.Contents()->item(0)->isHidden());

  // Nothing found anywhere: the contents stay whole to go on reading.
  EXPECT_FALSE(help.Search(QStringLiteral("qqzzxx")));
  for (int i = 0; i < help.Contents()->count(); ++i) {
    EXPECT_FALSE(help.Contents()->item(i)->isHidden()) << i;
  }
  EXPECT_TRUE(help.SearchNote()->text().contains(QStringLiteral("not in the guide")));

  // Every command of the stereonet window is in the guide.
  for (const char* word : {"contour", "Save plot as", "Print...", "Copy statistics",
                           "Eigenvectors and girdle", "Mean and cone"}) {
    help.ShowPage(QStringLiteral("index.html"));
    help.Search(QString::fromLatin1(word));
    EXPECT_FALSE(help.Contents()->item(rowOf(QStringLiteral("stereonet.html")))->isHidden())
        << word;
  }

  // Searched from another page, the page that holds the word is found when
  // opened: no stale "not on this page".
  help.ShowPage(QStringLiteral("index.html"));
  EXPECT_FALSE(help.Search(QStringLiteral("Copy statistics")));
  EXPECT_FALSE(help.SearchNote()->text().isEmpty());
  help.ShowPage(QStringLiteral("stereonet.html"));
  EXPECT_TRUE(help.SearchNote()->text().isEmpty()) << help.SearchNote()->text().toStdString();
  EXPECT_TRUE(help.Browser()->textCursor().hasSelection());

  // A link followed in the page moves the mark in the contents.
  help.Browser()->setSource(QUrl::fromLocalFile(
      QDir(QStringLiteral(LODEMA_TEST_GUIDE_DIR)).filePath(QStringLiteral("drill-core.html"))));
  EXPECT_EQ(help.Contents()->currentRow(), rowOf(QStringLiteral("drill-core.html")))
      << help.CurrentPage().toStdString();
}

}  // namespace
