// SPDX-License-Identifier: MIT
// The naming dialog: filled from the settings, OK stores every value and
// saves the conventions group, Defaults and Cancel leave everything, and a
// new word reaches the captions at once.
#include "AppFixture.h"
#include "app/ClickableLabel.h"
#include "app/NomenclatureDialog.h"
#include "batch/ResultColumns.h"
#include "calc/SettingsIO.h"

namespace {

class NomenclatureDialogTest : public StartedAppFixture {
 protected:
  NomenclatureDialog& Open() {
    Click(window->Conventions()->CommandButton(ConventionsPage::Command::kNomenclature));
    NomenclatureDialog* dialog = window->Nomenclature();
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    return *dialog;
  }
  static void Type(QComboBox* list, const QString& text) {
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(list->lineEdit(), text);
  }
  std::string Stored(const std::string& key) {
    return Store().Read(Lodema::kApplicationName, Lodema::kSectionConventions, key, "<none>");
  }
  Lodema::Settings& S() { return window->Model().settings(); }
  QString CalcCaption(int n) { return window->Calculations()->Caption(n)->text(); }
  // The options that show the unusual settings below.
  static std::vector<QRadioButton*> UnusualOptions(const NomenclatureDialog& d) {
    return {d.Zenith(1), d.Core(1),  d.UpTrend(1), d.BottomMark(0),
            d.Delta(1),  d.Alpha(1), d.Beta(1),    d.PitchName(1)};
  }
};

// Every setting of the dialog away from its default, as the store writes
// it, so that a control left at its default or read from the wrong setting
// shows.
// clang-format off
constexpr std::pair<const char*, const char*> kUnusual[] = {
    {"DeltaName", "delta"}, {"AlphaName", "omega"}, {"BetaName", "theta"}, {"ZenithConv", "True"},
    {"PlungeName", "zenith"}, {"CoreConv", "False"}, {"CoreUpTrend", "True"},
    {"BottomMark", "False"}, {"deltaNormal", "True"}, {"EllipseBase", "True"},
    {"BetaConv", "False"}, {"gPitchName", "rake"}, {"gHadeName", "hade-in-plane"}};
// clang-format on

void SetUnusual(Lodema::Settings& s) {
  for (const auto& [key, text] : kUnusual) ASSERT_TRUE(Lodema::SetSettingFromText(s, key, text));
}

TEST_F(NomenclatureDialogTest, OpeningFillsEveryControlFromTheSettings) {
  SetUnusual(S());
  NomenclatureDialog& d = Open();
  EXPECT_EQ(d.DrillName(0)->currentText(), QStringLiteral("delta"));
  EXPECT_EQ(d.DrillName(1)->currentText(), QStringLiteral("omega"));
  EXPECT_EQ(d.DrillName(2)->currentText(), QStringLiteral("theta"));
  for (QRadioButton* option : UnusualOptions(d)) {
    EXPECT_TRUE(option->isChecked()) << option->objectName().toStdString();
  }
  EXPECT_TRUE(d.UpTrendNote()->text().contains(QStringLiteral("up-plunge direction")));
  EXPECT_EQ(d.HadeName()->currentText(), QStringLiteral("hade-in-plane"));

  // The note follows the 'upward' trend option as it is clicked.
  Click(d.UpTrend(0));
  EXPECT_TRUE(d.UpTrendNote()->text().contains(QStringLiteral("downplunge direction")));
}

TEST_F(NomenclatureDialogTest, OkStoresEveryValueAndSavesTheConventionsGroup) {
  NomenclatureDialog& d = Open();
  Type(d.DrillName(0), QStringLiteral("delta"));
  Type(d.DrillName(1), QStringLiteral("omega"));
  Type(d.DrillName(2), QStringLiteral("theta"));
  for (QRadioButton* option : UnusualOptions(d)) Click(option);
  Type(d.HadeName(), QStringLiteral("hade-in-plane"));
  Click(d.OkButton());
  EXPECT_FALSE(d.isVisible());

  Lodema::Settings expected = S();
  SetUnusual(expected);
  EXPECT_EQ(S(), expected);

  for (const auto& [key, text] : kUnusual) EXPECT_EQ(Stored(key), text) << key;
}

TEST_F(NomenclatureDialogTest, DefaultsThenCancelChangesNothing) {
  SetUnusual(S());
  const Lodema::Settings before = S();
  NomenclatureDialog& d = Open();
  Click(d.DefaultsButton());
  // Defaults shows Lodema's words in the dialog (the zenith choice stays)...
  EXPECT_EQ(d.DrillName(0)->currentText(), QStringLiteral("alpha"));
  EXPECT_EQ(d.HadeName()->currentText(), QStringLiteral("hade"));
  EXPECT_TRUE(d.PitchName(0)->isChecked());
  EXPECT_TRUE(d.UpTrend(0)->isChecked());
  EXPECT_TRUE(d.BottomMark(1)->isChecked());
  EXPECT_TRUE(d.Zenith(1)->isChecked());
  // ...but stores none of it.
  Click(d.CancelButton());
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(S(), before);
  EXPECT_EQ(Stored("DeltaName"), "<none>");
}

TEST_F(NomenclatureDialogTest, DefaultsThenOkStoresTheDownPlungeTrendItShows) {
  S().CoreUpTrend = true;
  NomenclatureDialog& d = Open();
  Click(d.DefaultsButton());
  Type(d.HadeName(), QString());  // an empty name is stored empty
  Click(d.OkButton());
  EXPECT_FALSE(S().CoreUpTrend);
  EXPECT_EQ(S().alphaWord, "alpha");
  EXPECT_EQ(Stored("CoreUpTrend"), "False");
  EXPECT_EQ(S().gHadeName, "");
  EXPECT_EQ(Stored("gHadeName"), "");
}

TEST_F(NomenclatureDialogTest, DeltaAndRakeReachTheCalculationAndOutputCaptionsAtOnce) {
  Click(window->Calculations()->Button(17));
  ASSERT_EQ(window->Entries()->BoxLabel(1)->text(), QStringLiteral("alpha"));
  NomenclatureDialog& d = Open();
  Type(d.DrillName(0), QStringLiteral("delta"));
  Click(d.PitchName(1));  // rake
  Click(d.OkButton());
  EXPECT_EQ(S().alphaWord, "delta");
  EXPECT_EQ(CalcCaption(17), QStringLiteral("Plane with beta and delta angles in A"));
  EXPECT_EQ(CalcCaption(20), QStringLiteral("Reference plane with delta angle in A"));
  EXPECT_EQ(window->Entries()->BoxLabel(1)->text(), QStringLiteral("delta"));
  EXPECT_EQ(CalcCaption(10), QStringLiteral("Rake of line B in plane A"));
  Lodema::ResultColumnFlags flags;
  flags.apparentDip = true;
  Click(window->Calculations()->Button(0));
  const Lodema::ResultCaptions captions =
      Lodema::GetResultCaptions(window->Model().Schema(), flags, S().gPitchName, "\t");
  EXPECT_NE(captions.text.find("rake:Angle\trake:Sense"), std::string::npos) << captions.text;
}

TEST_F(NomenclatureDialogTest, CoreOptionsShowTheSameStateOnThePageAndInTheDialog) {
  // Changed in the dialog: the page follows.
  NomenclatureDialog& d = Open();
  Click(d.BottomMark(0));
  Click(d.OkButton());
  EXPECT_TRUE(window->Conventions()->Option(QStringLiteral("optBottomMark"), 0)->isChecked());
  // Changed on the page: the dialog shows it when opened again.
  Click(window->Conventions()->Option(QStringLiteral("optBottomMark"), 1));
  Open();
  EXPECT_TRUE(d.BottomMark(1)->isChecked());
  EXPECT_EQ(window->Nomenclature(), &d) << "the dialog is made once and shown again";
  Click(d.CancelButton());
}

}  // namespace
