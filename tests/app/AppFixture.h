// SPDX-License-Identifier: MIT
// A main window started on a settings store in a temporary folder, with the
// message boxes, file dialogs, clipboard and beep faked so that nothing
// modal opens and nothing touches the user's own settings.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/QtSettingsStore.h"

// Clicks a button as the user would: option buttons and check boxes on
// their indicator (their centre may lie beyond their caption).
inline void Click(QWidget* widget) {
  const bool indicator = qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget);
  const QPoint at = indicator ? QPoint(8, widget->height() / 2) : widget->rect().center();
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

struct ShownMessage {
  std::string text;
  std::string title;
  Lodema::MessageButtons buttons;
  Lodema::MessageIcon icon;
};

class FakeMessages : public Lodema::MessageBoxes {
 public:
  Lodema::MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    Lodema::MessageButtons buttons,
                                    Lodema::MessageIcon icon) override {
    shown.push_back({text, title, buttons, icon});
    if (onShow) onShow();
    if (!answers.empty()) {
      const Lodema::MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == Lodema::MessageButtons::kOk ? Lodema::MessageAnswer::kOk
                                                  : Lodema::MessageAnswer::kYes;
  }
  std::vector<ShownMessage> shown;
  std::deque<Lodema::MessageAnswer> answers;
  std::function<void()> onShow;  // runs while the box would be open
};

class FakeDialogs : public Lodema::FileDialogs {
 public:
  std::optional<std::string> AskInputFileName() override { return Next(inputNames); }
  std::optional<std::string> AskOutputFileName() override { return Next(outputNames); }
  std::deque<std::string> inputNames;  // an empty text answers "cancelled"
  std::deque<std::string> outputNames;

 private:
  static std::optional<std::string> Next(std::deque<std::string>& names) {
    if (names.empty()) return std::nullopt;
    std::string name = names.front();
    names.pop_front();
    if (name.empty()) return std::nullopt;
    return name;
  }
};

class FakeClipboard : public Lodema::Clipboard {
 public:
  bool HasText() const override { return hasText; }
  std::string Text() const override { return text; }
  bool hasText = false;
  std::string text;
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

  QTemporaryDir dir;
  std::unique_ptr<QtSettingsStore> store;
  FakeMessages messages;
  FakeDialogs dialogs;
  FakeClipboard clipboard;
  FakeBeeper beeper;
  std::unique_ptr<MainWindow> window;
};
