// SPDX-License-Identifier: MIT
// Start-up and closing of the main window and the QSettings store: the
// welcome notice, the decimal warning, what survives a restart.
#include <QLocale>

#include "AppFixture.h"
#include "app/Notices.h"

namespace {

class StartUp : public AppFixture {};

TEST(QtSettingsStoreTest, KeepsTabsCommasAndBlanksExactly) {
  QTemporaryDir dir;
  const std::vector<std::string> values = {"\t", ",; \t", ",", ";", " ", "a, b", "@odd", ""};
  {
    QtSettingsStore store(dir.path());
    for (std::size_t i = 0; i < values.size(); ++i) {
      store.Write("Lodema 4", "Files", "key" + std::to_string(i), values[i]);
    }
  }
  QtSettingsStore store(dir.path());
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(store.Read("Lodema 4", "Files", "key" + std::to_string(i), "missing"), values[i])
        << i;
  }
  EXPECT_TRUE(store.HasKey("Lodema 4", "Files", "key7"));
  EXPECT_FALSE(store.HasKey("Lodema 4", "Files", "nothing"));
  EXPECT_EQ(store.Read("Lodema", "Files", "key0", "fallback"), "fallback");
  EXPECT_TRUE(QFile::exists(store.FileName("Lodema 4")));
}

TEST_F(StartUp, EmptyStoreGivesTheDefaultsWithoutNotices) {
  Start();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(window->Model().Calculation(), 0);
  EXPECT_TRUE(window->Calculations()->Button(0)->isChecked());
  EXPECT_TRUE(window->Files()->Output()->FileOut(0)->isChecked());  // "Replace data"
  EXPECT_TRUE(Store().HasKey("Lodema 4", "StartUp", "Initialised"));
}

TEST_F(StartUp, EarlierReleaseSettingsCarryOverWithOneWelcome) {
  Store().Write("Lodema", "Conventions", "PlaneConvIn", "3");
  Store().Write("Lodema", "StartUp", "Calculation", "12");
  Start();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, notices::WelcomeText());
  EXPECT_EQ(messages.shown[0].title, "Lodema");
  EXPECT_EQ(messages.shown[0].icon, Lodema::MessageIcon::kNone);
  EXPECT_TRUE(window->Conventions()->InPlane(3)->isChecked());
  EXPECT_EQ(window->Model().Calculation(), 12);
  Restart();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(window->Conventions()->InPlane(3)->isChecked());
}

TEST_F(StartUp, DecimalWarningAppearsUntilTheUserDeclinesIt) {
  Start();
  Stop();
  Store().Write("Lodema 4", "Conventions", "NonLocaleDecimal", "True");
  messages.answers.push_back(Lodema::MessageAnswer::kNo);
  Start();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Decimal delimiter mismatch!");
  EXPECT_EQ(messages.shown[0].buttons, Lodema::MessageButtons::kYesNo);
  EXPECT_EQ(messages.shown[0].icon, Lodema::MessageIcon::kExclamation);
  EXPECT_EQ(messages.shown[0].text,
            notices::DecimalWarningText(OrientGeometry::DecimalMark::kPoint));
  EXPECT_NE(messages.shown[0].text.find("\".\" [period]"), std::string::npos);
  EXPECT_TRUE(window->Conventions()->Decimal(1)->isChecked());
  EXPECT_EQ(window->Conventions()->SetDecimalBox()->checkState(), Qt::Checked);
  Restart();
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartUp, CommaSystemGetsTheCommaNoteAndTheSystemCharacterNone) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Store().Write("Lodema 4", "StartUp", "Initialised", "True");
  Store().Write("Lodema 4", "Conventions", "NonLocaleDecimal", "True");
  Start();
  QLocale::setDefault(QLocale::c());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            notices::DecimalWarningText(OrientGeometry::DecimalMark::kComma));
  EXPECT_TRUE(window->Conventions()->Decimal(0)->isChecked());  // period forced
  // The system's own character never warns.
  Stop();
  messages.shown.clear();
  Store().Write("Lodema 4", "Conventions", "NonLocaleDecimal", "False");
  Start();
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartUp, SaveSettingsKeepsCalculationAndConventionsOverARestart) {
  Start();
  Click(window->Calculations()->Button(7));
  Click(window->Conventions()->SameAsInput());
  Click(window->Conventions()->InPlane(2));
  Click(window->Conventions()->CommandButton(ConventionsPage::Command::kSaveSettings));
  Restart();
  EXPECT_EQ(window->Model().Calculation(), 7);
  EXPECT_TRUE(window->Calculations()->Button(7)->isChecked());
  EXPECT_TRUE(window->Conventions()->InPlane(2)->isChecked());
  EXPECT_TRUE(window->Conventions()->OutPlane(1)->isChecked());
  EXPECT_FALSE(window->Conventions()->SameAsInput()->isChecked());
}

TEST_F(StartUp, ClosingOrExitKeepsTheCalculationButNotUnsavedConventions) {
  Start();
  Click(window->Calculations()->Button(12));
  Click(window->Conventions()->InPlane(5));
  Restart();
  EXPECT_EQ(window->Model().Calculation(), 12);
  EXPECT_TRUE(window->Conventions()->InPlane(1)->isChecked());
  // The Exit item closes and saves too.
  Click(window->Calculations()->Button(31));
  window->ExitAction()->trigger();
  EXPECT_FALSE(window->isVisible());
  window.reset();
  store.reset();
  EXPECT_EQ(Store().Read("Lodema 4", "StartUp", "Calculation", ""), "31");
}

TEST_F(StartUp, SaveAsDefaultStoresTheOutputListText) {
  Start();
  Click(window->Conventions()->CommandButton(ConventionsPage::Command::kSaveAsDefault));
  EXPECT_EQ(Store().Read("Lodema 4", "Files", "gFileOutDelimiter", ""), "tab");
}

// Regression: the default columns of the stored source must follow the
// entry boxes of the stored calculation, not the boxes before its layout.
TEST_F(StartUp, StoredSourceGetsColumnsForTheStoredCalculation) {
  WriteFile(QStringLiteral("in.txt"), "10\t20\t30\t40\t50\r\n");
  Store().Write("Lodema 4", "StartUp", "Initialised", "True");
  Store().Write("Lodema 4", "StartUp", "Calculation", "12");  // lines A, B; angle in C
  Store().Write("Lodema 4", "Files", "FileIn", Path(QStringLiteral("in.txt")));
  Start();
  FilePage* files = window->Files();
  EXPECT_EQ(files->Columns(0)->currentText(), QStringLiteral("1"));
  EXPECT_EQ(files->Columns(1)->currentText(), QStringLiteral("2"));
  EXPECT_EQ(files->Columns(3)->currentText(), QStringLiteral("3"));
  EXPECT_EQ(files->Columns(4)->currentText(), QStringLiteral("4"));
  EXPECT_EQ(files->Columns(6)->currentText(), QStringLiteral("5"));
  EXPECT_FALSE(files->Mismatch()->isVisibleTo(files->Page()));
}

// Regression: clearing "Set as default" must not leave the declined choice
// stored as the default.
TEST_F(StartUp, ClearedSetAsDefaultStoresTheSystemCharacter) {
  Start();
  Click(window->Conventions()->Decimal(1));
  Click(window->Conventions()->SetDecimalBox());
  EXPECT_EQ(Store().Read("Lodema 4", "Conventions", "NonLocaleDecimal", ""), "True");
  Click(window->Conventions()->SetDecimalBox());
  EXPECT_EQ(Store().Read("Lodema 4", "Conventions", "NonLocaleDecimal", ""), "False");
  EXPECT_TRUE(window->Model().settings().NonLocaleDecimal);  // still used this session
}

// Regression: "Defaults" must not store a decimal character that "Set as
// default" never kept.
TEST_F(StartUp, DefaultsDoNotStoreAnUnkeptDecimalCharacter) {
  Start();
  Click(window->Conventions()->Decimal(1));  // comma; "Set as default" left clear
  Click(window->Conventions()->CommandButton(ConventionsPage::Command::kDefaults));
  EXPECT_EQ(Store().Read("Lodema 4", "Conventions", "NonLocaleDecimal", ""), "False");
  Restart();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(window->Conventions()->Decimal(0)->isChecked());
}

}  // namespace
