// SPDX-License-Identifier: MIT
// A main window started on a settings store in a temporary folder, with the
// message boxes, file dialogs, clipboard and beep faked so that nothing
// modal opens and nothing touches the user's own settings.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "app/CalculationPages.h"
#include "app/ConventionsPage.h"
#include "app/EntryPanel.h"
#include "app/FilePage.h"
#include "app/MainWindow.h"
#include "app/OutputPanel.h"
#include "app/QtSettingsStore.h"
#include "tests/batch/FakePlatform.h"

// Clicks a button as the user would: option buttons and check boxes on
// their indicator (their centre may lie beyond their caption).
inline void Click(QWidget* widget) {
  const bool indicator = qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget);
  const QPoint at = indicator ? QPoint(8, widget->height() / 2) : widget->rect().center();
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// The batch tests' message boxes, with a hook that runs while a box would
// be open.
class FakeMessages : public Lodema::testing::FakeMessages {
 public:
  Lodema::MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    Lodema::MessageButtons buttons,
                                    Lodema::MessageIcon icon) override {
    if (onShow) onShow();
    return Lodema::testing::FakeMessages::ShowMessage(text, title, buttons, icon);
  }
  std::function<void()> onShow;
};

class FakeDialogs : public Lodema::FileDialogs {
 public:
  std::optional<std::string> AskInputFileName() override { return Next(inputNames); }
  std::optional<std::string> AskOutputFileName() override { return Next(outputNames); }
  std::deque<std::string> inputNames;  // an empty text answers "cancelled"
  std::deque<std::string> outputNames;

 private:
  static std::optional<std::string> Next(std::deque<std::string>& names) {
    std::optional<std::string> name;
    if (!names.empty() && !names.front().empty()) name = names.front();
    if (!names.empty()) names.pop_front();
    return name;
  }
};

class FakeBeeper : public Lodema::Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  void TearDown() override { Stop(); }

  // Opens the store (creating it) without a window, to prepare settings.
  QtSettingsStore& Store() {
    if (!store) store = std::make_unique<QtSettingsStore>(dir.path());
    return *store;
  }

  // addServices fills in the services a test fakes beyond the common ones.
  MainWindow& Start(const std::function<void(LodemaServices&)>& addServices = {}) {
    LodemaServices services;
    services.store = &Store();
    services.messages = &messages;
    services.dialogs = &dialogs;
    services.clipboard = &clipboard;
    services.beeper = &beeper;
    if (addServices) addServices(services);
    window = std::make_unique<MainWindow>(services);
    window->show();
    return *window;
  }

  // Closes the window as the user would (the closing save runs) and drops
  // the store, so that the next Start reads the file afresh.
  void Stop() {
    if (window) {
      window->close();
      window.reset();
    }
    store.reset();
  }

  MainWindow& Restart() {
    Stop();
    messages.shown.clear();
    return Start();
  }

  std::string Path(const QString& name) const { return dir.filePath(name).toStdString(); }

  void WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray ReadFile(const QString& name) const {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  // Types text into a box in place of what it held.
  static void Retype(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
  }

  // A file of these bytes chosen as the file page's input with "Browse...".
  void ChooseInput(const QString& name, const QByteArray& bytes) {
    WriteFile(name, bytes);
    dialogs.inputNames.push_back(Path(name));
    Click(window->Files()->Browse(0));
  }

  void SetOutputFile(const QString& name) {
    Retype(window->Files()->Output()->FileName(), dir.filePath(name));
  }

  QTemporaryDir dir;
  std::unique_ptr<QtSettingsStore> store;
  FakeMessages messages;
  FakeDialogs dialogs;
  Lodema::testing::FakeClipboard clipboard;
  FakeBeeper beeper;
  std::unique_ptr<MainWindow> window;
};

// The fixture with its window started.
class StartedAppFixture : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
  }
};

// The file page in view, calculation 15 (it copies a plane through: easy
// to check row by row) chosen and out.txt named for the results.
class FilePageFixture : public StartedAppFixture {
 protected:
  void SetUp() override {
    StartedAppFixture::SetUp();
    files = window->Files();
    window->Tabs()->setCurrentIndex(3);
    Click(window->Calculations()->Button(15));
    SetOutputFile(QStringLiteral("out.txt"));
  }
  FilePage* files = nullptr;
};
