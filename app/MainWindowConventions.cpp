// SPDX-License-Identifier: MIT
// The main window's settings buttons on the conventions page ("Save as
// default", "Save settings", "Defaults", "Nomenclature...") and the decimal
// character's choice and start-up warning.
#include "app/MainWindow.h"
#include "app/NomenclatureDialog.h"
#include "app/Notices.h"
#include "calc/Settings.h"
#include "calc/SettingsIO.h"

void MainWindow::StartUpDecimalCharacter() {
  Lodema::Settings& s = model_.settings();
  conventionsPage_->SetSetDecimal(s.NonLocaleDecimal ? ConventionsPage::SetDecimalState::kSet
                                                     : ConventionsPage::SetDecimalState::kGrey);
  if (!s.NonLocaleDecimal || s.DontAskAboutSetting) return;
  const Lodema::MessageAnswer answer = messages_->ShowMessage(
      notices::DecimalWarningText(model_.LocaleDecimalMark()), notices::kDecimalWarningTitle,
      Lodema::MessageButtons::kYesNo, Lodema::MessageIcon::kExclamation);
  if (answer == Lodema::MessageAnswer::kNo) s.DontAskAboutSetting = true;
}
void MainWindow::OnCommand(ConventionsPage::Command command) {
  using Command = ConventionsPage::Command;
  switch (command) {
    case Command::kSaveAsDefault:  // the file output choices
      Save(Lodema::kSaveFileOutput);
      break;
    case Command::kSaveSettings:
      Save(Lodema::kSaveConventions);
      Save(Lodema::kSaveProgramState);
      break;
    case Command::kDefaults:  // the page only; the store keeps the saved conventions
      ResetConventions();
      SaveDecimalChoice();
      break;
    case Command::kNomenclature:
      ShowNomenclature();
      return;
  }
  RefreshAll();
}

void MainWindow::ShowNomenclature() {
  if (nomenclature_ == nullptr) {
    nomenclature_ = new NomenclatureDialog(this);
    connect(nomenclature_, &NomenclatureDialog::storeRequested, this, [this] {
      nomenclature_->StoreTo(model_.settings());
      Save(Lodema::kSaveConventions);
    });
    connect(nomenclature_, &QDialog::finished, this, &MainWindow::OnNomenclatureClosed);
  }
  nomenclature_->LoadFrom(model_.settings());
  // Modal, but not a nested event loop: the window goes on when it closes.
  nomenclature_->open();
}

void MainWindow::OnNomenclatureClosed() {
  // Whatever button closed it: the captions take the words, the entry
  // windows their labels, and the calculation runs again.
  model_.SetCaptionPrefs();
  model_.SetUpCalculationWindows(model_.Calculation());
  model_.RevalidateEntries();
  if (model_.AllEntriesValid()) model_.Calculate();
  RefreshAll();
}

void MainWindow::ResetConventions() {
  const Lodema::MainWindowControls& c = model_.Controls();
  if (!c.inputPlaneNotationOptions[1].checked) model_.SetInputPlaneNotation(1);
  if (!c.inputLineOrderOptions[0].checked) model_.SetInputLineOrder(0);
  if (!c.inputDirectionNotationOptions[0].checked) model_.SetInputDirectionNotation(0);
  if (!c.outputSameAsInputBox.checked) model_.SetOutputSameAsInput(true);
  if (!c.outputPlaneNotationOptions[1].checked) model_.SetOutputPlaneNotation(1);
  if (!c.outputLineOrderOptions[0].checked) model_.SetOutputLineOrder(0);
  if (!c.outputDirectionNotationOptions[0].checked) model_.SetOutputDirectionNotation(0);
  if (!c.polaritySignBox.checked) model_.SetPolaritySignShown(true);
  model_.settings().CoreUpTrend = false;
  if (!c.deltaReferenceOptions[0].checked) model_.SetDeltaReference(0);
  if (!c.ellipseMarkOptions[0].checked) model_.SetEllipseMark(0);
  if (!c.betaRangeOptions[0].checked) model_.SetBetaRange(0);
  if (!c.corePlungeSignOptions[0].checked) model_.SetCorePlungeSign(0);
  if (!c.orientationMarkOptions[1].checked) model_.SetOrientationMark(1);
  if (!c.coreInclinationOptions[0].checked) model_.SetCoreInclination(0);
  model_.settings().PlaneDelim = "/";
  model_.settings().LineDelim = "-";
  conventionsPage_->ShowSeparators();
}

void MainWindow::SaveDecimalChoice() {
  Lodema::Settings& s = model_.settings();
  const bool chosen = s.NonLocaleDecimal;
  if (conventionsPage_->SetDecimal() != ConventionsPage::SetDecimalState::kSet) {
    s.NonLocaleDecimal = false;
  }
  Save(Lodema::kSaveDecimalChoice);
  s.NonLocaleDecimal = chosen;
}
