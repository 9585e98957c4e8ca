// SPDX-License-Identifier: MIT
#include "app/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <utility>

namespace {

QMessageBox::Icon IconOf(Lodema::MessageIcon icon) {
  switch (icon) {
    case Lodema::MessageIcon::kCritical:
      return QMessageBox::Critical;
    case Lodema::MessageIcon::kQuestion:
      return QMessageBox::Question;
    case Lodema::MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case Lodema::MessageIcon::kInformation:
      return QMessageBox::Information;
    case Lodema::MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

// The buttons of each set, and the answer when the box is closed with
// Escape or the title bar: the least harmful one.
struct ButtonSet {
  QMessageBox::StandardButtons shown;
  Lodema::MessageAnswer onClose;
};

ButtonSet ButtonsOf(Lodema::MessageButtons buttons) {
  using Answer = Lodema::MessageAnswer;
  switch (buttons) {
    case Lodema::MessageButtons::kYesNo:
      return {QMessageBox::Yes | QMessageBox::No, Answer::kNo};
    case Lodema::MessageButtons::kYesNoCancel:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Answer::kCancel};
    case Lodema::MessageButtons::kAbortRetryIgnore:
      return {QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, Answer::kAbort};
    case Lodema::MessageButtons::kOk:
      break;
  }
  return {QMessageBox::Ok, Answer::kOk};
}

Lodema::MessageAnswer AnswerOf(int button, const ButtonSet& buttons) {
  using Answer = Lodema::MessageAnswer;
  constexpr std::pair<QMessageBox::StandardButton, Answer> kAnswers[] = {
      {QMessageBox::Yes, Answer::kYes},       {QMessageBox::No, Answer::kNo},
      {QMessageBox::Cancel, Answer::kCancel}, {QMessageBox::Abort, Answer::kAbort},
      {QMessageBox::Retry, Answer::kRetry},   {QMessageBox::Ignore, Answer::kIgnore},
      {QMessageBox::Ok, Answer::kOk}};
  for (const auto& [standard, answer] : kAnswers) {
    if (button == standard) return answer;
  }
  return buttons.onClose;
}

const QString kFileFilter = QStringLiteral(
    "Data files (*.txt *.csv *.dat *.prn *.xlsx *.ods);;Text files (*.txt *.csv *.dat *.prn);;"
    "Workbooks (*.xlsx *.ods);;All files (*)");

// The name chosen in a file dialog; none when it was cancelled.
std::optional<std::string> Chosen(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

}  // namespace

void ReportUnexpectedFault(QWidget* parent, const char* what) {
  auto* box = new QMessageBox(
      QMessageBox::Critical, QStringLiteral("Lodema"),
      QStringLiteral("Lodema met an unexpected fault and carried on:\n") + QString::fromUtf8(what),
      QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

Lodema::MessageAnswer QtMessageBoxes::ShowMessage(const std::string& text, const std::string& title,
                                                  Lodema::MessageButtons buttons,
                                                  Lodema::MessageIcon icon) {
  QString body = QString::fromStdString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const ButtonSet set = ButtonsOf(buttons);
  QMessageBox box(IconOf(icon), QString::fromStdString(title), body, set.shown, parent_.data());
  return AnswerOf(box.exec(), set);
}

std::optional<std::string> QtFileDialogs::AskInputFileName() {
  return Chosen(QFileDialog::getOpenFileName(parent_.data(), QString(), QString(), kFileFilter));
}

std::optional<std::string> QtFileDialogs::AskOutputFileName() {
  // Lodema appends to an existing output file on request, so choosing one
  // is no reason to warn about overwriting it.
  return Chosen(QFileDialog::getSaveFileName(parent_.data(), QString(), QString(), kFileFilter,
                                             nullptr, QFileDialog::DontConfirmOverwrite));
}

bool QtClipboard::HasText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText() && !data->text().isEmpty();
}

std::string QtClipboard::Text() const { return QGuiApplication::clipboard()->text().toStdString(); }

void QtBeeper::Beep() { QApplication::beep(); }
