// SPDX-License-Identifier: MIT
// While a batch run goes on, the window keeps painting and reading input,
// but only the stop reaches it: a click on the running "Wait.." button, or
// Escape anywhere in the guarded windows. Every other click, key, wheel
// turn, shortcut, drop or context menu aimed at them is dropped, so that
// nothing changes the calculation under the run. Message boxes opened
// during the run are not guarded.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

class RunInputGuard : public QObject {
 public:
  // Watches the whole application until destroyed. stop is called for
  // Escape; the stop button gets its clicks as usual.
  RunInputGuard(std::vector<QWidget*> guarded, QWidget* stopButton, std::function<void()> stop);
  ~RunInputGuard() override;
  RunInputGuard(const RunInputGuard&) = delete;
  RunInputGuard& operator=(const RunInputGuard&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool IsGuarded(QObject* target) const;
  bool IsStopButton(QObject* target) const;

  std::vector<QPointer<QWidget>> guarded_;
  QPointer<QWidget> stopButton_;
  std::function<void()> stop_;
};
