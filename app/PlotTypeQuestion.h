// SPDX-License-Identifier: MIT
// The question put when new data differs in type from the retained data:
// as a bar above the plot that leaves the main window's entries free (the
// typing goes on, and the bar follows the latest result), or as the
// message box a batch run waits for.
#pragma once

#include <QFrame>
#include <array>
#include <string>

#include "plot/PlotStore.h"

class QLabel;
class QPushButton;

class PlotTypeQuestionBar : public QFrame {
  Q_OBJECT
 public:
  explicit PlotTypeQuestionBar(QWidget* parent = nullptr);

  // Shows the question's text (CR LF line ends) with the three choices.
  void Ask(const std::string& text);
  void Dismiss() { hide(); }
  QString Text() const;
  // 0 "Abort", 1 "Retry", 2 "Ignore".
  QPushButton* Choice(int i) const { return choices_[i]; }

 signals:
  void answered(Lodema::Plot::MismatchAnswer answer);

 private:
  QLabel* text_ = nullptr;
  std::array<QPushButton*, 3> choices_{};
};

// The message box: Abort, Retry and Ignore with an exclamation icon.
class MessageBoxQuestion : public Lodema::Plot::MismatchQuestion {
 public:
  explicit MessageBoxQuestion(QWidget* parent) : parent_(parent) {}
  Lodema::Plot::MismatchAnswer Ask(const std::string& text) override;

 private:
  QWidget* parent_;
};

// Answers every question the same way and remembers the first text: a
// question put without asking anyone.
class FixedQuestion : public Lodema::Plot::MismatchQuestion {
 public:
  explicit FixedQuestion(Lodema::Plot::MismatchAnswer answer) : answer_(answer) {}
  Lodema::Plot::MismatchAnswer Ask(const std::string& text) override {
    if (!asked) firstText = text;
    asked = true;
    return answer_;
  }
  bool asked = false;
  std::string firstText;

 private:
  Lodema::Plot::MismatchAnswer answer_;
};
