// SPDX-License-Identifier: MIT
// Lodema among the desktop's other programs: a data file named on the
// command line or dropped on the window opens on the file page, the File
// menu recalls the last input files, and the window comes back where it was.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTableWidget>
#include <QUrl>
#include <optional>

#include "AppFixture.h"
#include "app/DataFileArgument.h"
#include "model/Controls.h"
#include "model/FilePage.h"

namespace {

TEST(DataFileArgumentTest, FindsTheFileAmongTheArguments) {
  struct Row {
    const char* name;
    QStringList arguments;
    std::optional<QString> file;
  };
  const Row rows[] = {
      {"no argument", {"lodema"}, std::nullopt},
      {"a path", {"lodema", "planes.txt"}, "planes.txt"},
      {"options are not files", {"lodema", "--reverse", "planes.txt"}, "planes.txt"},
      {"only options", {"lodema", "-x"}, std::nullopt},
      {"the first of two files", {"lodema", "a.csv", "b.csv"}, "a.csv"},
      {"a dash name after --", {"lodema", "--", "-data.txt"}, "-data.txt"},
      {"a file URL", {"lodema", "file:///home/me/core%20logs.tsv"}, "/home/me/core logs.tsv"},
      {"an empty argument", {"lodema", "", "b.txt"}, "b.txt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DataFileArgument(row.arguments), row.file);
  }
}

class DesktopIntegrationTest : public AppFixture {
 protected:
  // A four-column data file of two plane pairs.
  QString DataFile(const QString& name) {
    WriteFile(name, "30\t090\t60\t180\n45\t010\t20\t300\n");
    return dir.filePath(name);
  }
  std::vector<std::string> Paths(std::initializer_list<const char*> names) const {
    std::vector<std::string> paths;
    for (const char* name : names) paths.push_back(Path(QString::fromLatin1(name)));
    return paths;
  }
  void ExpectOnFilePage(const QString& path) {
    EXPECT_EQ(window->Model().settings().FileIn, path.toStdString());
    EXPECT_EQ(window->Files()->FileName(0)->text(), path);
    EXPECT_EQ(window->Tabs()->currentIndex(), Lodema::kFilePage);
    EXPECT_EQ(window->FilePageModel().InputColumnCount(), 4);
    EXPECT_TRUE(window->Files()->Grid()->isVisible());
  }
  void OpenRecent(const QString& path) {
    for (QAction* action : RecentActions()) {
      if (action->data().toString() == path) return action->trigger();
    }
    ADD_FAILURE() << "not among the recent files: " << path.toStdString();
  }
  QList<QAction*> RecentActions() const {
    QList<QAction*> actions;
    for (QAction* action : window->RecentFilesMenu()->actions()) {
      if (action->data().isValid()) actions.push_back(action);
    }
    return actions;
  }
};

TEST_F(DesktopIntegrationTest, FileFromTheCommandLineOpensAndAMissingOneChangesNothing) {
  const QString kept = DataFile(QStringLiteral("kept.txt"));
  Start();
  const std::optional<QString> argument = DataFileArgument({"lodema", kept});
  ASSERT_TRUE(argument);
  EXPECT_TRUE(window->OpenDataFile(*argument));
  ExpectOnFilePage(kept);
  EXPECT_TRUE(messages.shown.empty());
  const QString missing = dir.filePath(QStringLiteral("gone.txt"));
  for (const QString& bad : {missing, dir.path()}) {
    SCOPED_TRACE(bad.toStdString());
    messages.shown.clear();
    EXPECT_FALSE(window->OpenDataFile(bad));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Lodema");
    EXPECT_NE(messages.shown[0].text.find(bad.toStdString()), std::string::npos);
    EXPECT_EQ(window->Model().settings().FileIn, kept.toStdString());
  }
}

TEST_F(DesktopIntegrationTest, DroppedFileOpensOnTheFilePage) {
  const QString file = DataFile(QStringLiteral("dropped.csv"));
  Start();
  struct Row {
    const char* name;
    QList<QUrl> urls;
    bool accepted;
  };
  const Row rows[] = {
      {"a folder", {QUrl::fromLocalFile(dir.path())}, false},
      {"a web address", {QUrl(QStringLiteral("https://example.org/data.csv"))}, false},
      {"nothing", {}, false},
      {"a data file after a folder",
       {QUrl::fromLocalFile(dir.path()), QUrl::fromLocalFile(file)},
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QMimeData data;
    data.setUrls(row.urls);
    const QPointF at(window->width() / 2.0, window->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_EQ(enter.isAccepted(), row.accepted);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    if (row.accepted) {
      ExpectOnFilePage(file);
    } else {
      EXPECT_NE(window->Model().settings().FileIn, file.toStdString());
    }
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DesktopIntegrationTest, RecentFilesKeepTheLastFiveNewestFirst) {
  Start();
  for (const char* name : {"f1.txt", "f2.txt", "f3.txt", "f4.txt", "f5.txt", "f6.txt", "f7.txt"}) {
    ASSERT_TRUE(window->OpenDataFile(DataFile(QString::fromLatin1(name))));
  }
  EXPECT_EQ(window->RecentFileList(), Paths({"f7.txt", "f6.txt", "f5.txt", "f4.txt", "f3.txt"}));

  // Chosen again (by "Browse..." this time), a file moves to the top once.
  dialogs.inputNames.push_back(Path(QStringLiteral("f4.txt")));
  window->Files()->Browse(0)->click();
  EXPECT_EQ(window->RecentFileList(), Paths({"f4.txt", "f7.txt", "f6.txt", "f5.txt", "f3.txt"}));

  // The menu lists them in that order and opens the one picked.
  const QList<QAction*> actions = RecentActions();
  ASSERT_EQ(actions.size(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(actions[i]->data().toString().toStdString(), window->RecentFileList()[i]);
    EXPECT_TRUE(actions[i]->text().startsWith(QStringLiteral("&%1").arg(i + 1)));
  }
  actions[3]->trigger();
  ExpectOnFilePage(dir.filePath(QStringLiteral("f5.txt")));
  EXPECT_EQ(window->RecentFileList().front(), Path(QStringLiteral("f5.txt")));

  // Pasted data is no file to recall.
  clipboard.text = "30\t090\n";
  window->PasteData();
  EXPECT_EQ(window->RecentFileList().size(), 5u);
  EXPECT_EQ(window->RecentFileList().front(), Path(QStringLiteral("f5.txt")));

  const std::vector<std::string> before = window->RecentFileList();
  Restart();
  EXPECT_EQ(window->RecentFileList(), before);
  EXPECT_EQ(RecentActions().size(), 5);
}

TEST_F(DesktopIntegrationTest, MissingRecentFileSaysSoAndLeavesTheList) {
  Start();
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
    ASSERT_TRUE(window->OpenDataFile(DataFile(QString::fromLatin1(name))));
  }
  ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("b.txt"))));
  messages.shown.clear();
  RecentActions()[1]->trigger();

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Lodema");
  EXPECT_NE(messages.shown[0].text.find(Path(QStringLiteral("b.txt"))), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("removed"), std::string::npos);
  EXPECT_EQ(window->RecentFileList(), Paths({"c.txt", "a.txt"}));
  EXPECT_EQ(window->Model().settings().FileIn, Path(QStringLiteral("c.txt")));
  EXPECT_EQ(RecentActions().size(), 2);

  Restart();
  EXPECT_EQ(window->RecentFileList(), Paths({"c.txt", "a.txt"}));
}

TEST_F(DesktopIntegrationTest, StoredListWithGapsAndRepeatsLoadsClean) {
  Store().Write("Lodema 4", "Files", "RecentFile1", Path(QStringLiteral("x.txt")));
  Store().Write("Lodema 4", "Files", "RecentFile2", "");
  Store().Write("Lodema 4", "Files", "RecentFile3", Path(QStringLiteral("y.txt")));
  Store().Write("Lodema 4", "Files", "RecentFile4", Path(QStringLiteral("x.txt")));
  Start();
  EXPECT_EQ(window->RecentFileList(), Paths({"x.txt", "y.txt"}));
}

TEST_F(DesktopIntegrationTest, WindowPlaceSurvivesARestartAndADamagedOneIsIgnored) {
  Start();
  const QSize fresh = window->size();
  Stop();
  Store().Write("Lodema 4", "StartUp", "MainWindowGeometry", "not a geometry");
  Start();
  EXPECT_EQ(window->size(), fresh);
  EXPECT_TRUE(window->isVisible());
  window->showNormal();
  window->resize(900, 640);
  window->move(40, 50);
  const QRect placed = window->geometry();
  Restart();
  EXPECT_EQ(window->geometry(), placed);
}

TEST_F(DesktopIntegrationTest, RecentFileIsReadAgainWithItsColumnsAndHeadings) {
  Start();
  WriteFile(QStringLiteral("named.txt"), "a\tb\tdip\tdir\n1\t2\t30\t090\n3\t4\t45\t010\n");
  const QString named = dir.filePath(QStringLiteral("named.txt"));
  const QString plain = DataFile(QStringLiteral("plain.txt"));
  ASSERT_TRUE(window->OpenDataFile(named));
  ASSERT_TRUE(window->Files()->TableHeadings()->isChecked());  // the guess
  // The user reads the first row as data and takes columns 3 and 4 for A.
  Click(window->Files()->TableHeadings());
  emit window->Files()->Columns(0)->activated(3);
  emit window->Files()->Columns(1)->activated(4);
  ASSERT_EQ(window->FilePageModel().CurrentColumnMap()[0], 3);
  ASSERT_TRUE(window->OpenDataFile(plain));  // another file meanwhile
  Restart();

  const std::vector<std::string> files = window->RecentFileList();
  ASSERT_FALSE(files.empty());
  OpenRecent(named);
  EXPECT_FALSE(window->Files()->TableHeadings()->isChecked());
  EXPECT_EQ(window->FilePageModel().CurrentColumnMap()[0], 3);
  EXPECT_EQ(window->FilePageModel().CurrentColumnMap()[1], 4);
  // A file without a remembered choice takes the page's defaults.
  OpenRecent(plain);
  EXPECT_FALSE(window->Files()->TableHeadings()->isChecked());
  EXPECT_EQ(window->FilePageModel().CurrentColumnMap()[0], 1);
}

}  // namespace
