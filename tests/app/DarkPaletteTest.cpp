// SPDX-License-Identifier: MIT
// Under a dark desktop theme every caption Lodema colours itself still
// reads: the calculation buttons keep the colours of the settings, so their
// text follows those, and the coloured captions made for a light window are
// lightened as far as needed.
#include <QApplication>
#include <QPalette>
#include <QRegularExpression>

#include "AppFixture.h"
#include "app/ThemeColours.h"
#include "model/Controls.h"

namespace {

constexpr double kReadable = 4.5;

TEST(ThemeColoursTest, TextOnTakesTheStrongerOfBlackAndWhite) {
  struct Row {
    const char* name;
    QColor background;
    QColor text;
  };
  const Row rows[] = {
      {"light grey button", QColor(192, 192, 192), Qt::black},
      {"selected dark red button", QColor(128, 0, 0), Qt::white},
      {"mid grey", QColor(128, 128, 128), Qt::black},
      {"saturated blue", QColor(0, 0, 255), Qt::white},
      {"yellow", QColor(255, 255, 0), Qt::black},
      {"dark theme window", QColor(0x2d, 0x2d, 0x2d), Qt::white},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(theme::TextOn(row.background), row.text);
    EXPECT_GE(theme::ContrastRatio(theme::TextOn(row.background), row.background), kReadable);
  }
}

// Colours that read (ratio 3) stay as Lodema chose them; others are moved
// until they read well.
TEST(ThemeColoursTest, ReadableOnChangesOnlyWhatDoesNotRead) {
  struct Row {
    const char* name;
    QColor wanted;
    QColor background;
    bool unchanged;
  };
  const Row rows[] = {
      {"dark red on white", QColor(0xa0, 0, 0), Qt::white, true},
      {"navy on light grey", QColor(0, 0, 0x80), QColor(0xef, 0xef, 0xef), true},
      {"dark red on a dark window", QColor(0xa0, 0, 0), QColor(0x2d, 0x2d, 0x2d), false},
      {"navy on a dark window", QColor(0, 0, 0x80), QColor(0x2d, 0x2d, 0x2d), false},
      {"black on a dark button", Qt::black, QColor(0x3c, 0x3c, 0x3c), false},
      {"green on a light button", QColor(0, 128, 0), QColor(0xef, 0xef, 0xef), true},
      {"green on black", QColor(0, 128, 0), Qt::black, true},
      {"dark green on a dark button", QColor(0, 80, 0), QColor(0x3c, 0x3c, 0x3c), false},
      {"light grey on white", QColor(0xdd, 0xdd, 0xdd), Qt::white, false},
      {"text colour of its own background", QColor(128, 128, 128), QColor(128, 128, 128), false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QColor shown = theme::ReadableOn(row.wanted, row.background);
    EXPECT_GE(theme::ContrastRatio(shown, row.background), row.unchanged ? 3.0 : kReadable);
    EXPECT_EQ(shown == row.wanted, row.unchanged);
  }
  // A lightened red is still red rather than white.
  const QColor red = theme::ReadableOn(QColor(0xa0, 0, 0), QColor(0x2d, 0x2d, 0x2d));
  EXPECT_GT(red.red(), red.green() + 60);
}

QPalette DarkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
  dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
  dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  dark.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
  dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
  return dark;
}

// The colour a style sheet gives to `property` ("color", "background-color").
QColor StyleColour(const QWidget* widget, const QString& property) {
  const QRegularExpression pattern(QStringLiteral("(?:^|[ ;{])") + property +
                                   QStringLiteral(R"(:\s*(#[0-9a-fA-F]{6}|rgb\([^)]*\)))"));
  const QRegularExpressionMatch match = pattern.match(widget->styleSheet());
  if (!match.hasMatch()) return {};
  const QString value = match.captured(1);
  if (value.startsWith(QLatin1Char('#'))) return QColor(value);
  const QStringList parts = value.mid(4, value.size() - 5).split(QLatin1Char(','));
  return QColor(parts[0].trimmed().toInt(), parts[1].trimmed().toInt(), parts[2].trimmed().toInt());
}

class DarkPaletteTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    saved_ = QApplication::palette();
    QApplication::setPalette(DarkPalette());
  }
  void TearDown() override {
    AppFixture::TearDown();
    QApplication::setPalette(saved_);
  }

 private:
  QPalette saved_;
};

TEST_F(DarkPaletteTest, CalculationButtonsReadInBothTheirColours) {
  Start();
  int checkedSelected = 0;
  for (int n = 0; n < Lodema::kCalculationButtonCount; ++n) {
    SCOPED_TRACE(n);
    const QPushButton* button = window->Calculations()->Button(n);
    const QColor background = StyleColour(button, QStringLiteral("background-color"));
    const QColor text = StyleColour(button, QStringLiteral("color"));
    ASSERT_TRUE(background.isValid());
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(theme::ContrastRatio(text, background), kReadable);
    if (background == QColor(128, 0, 0)) ++checkedSelected;
  }
  EXPECT_EQ(checkedSelected, 1);  // the stored calculation's dark red button
}

// Started under a light theme and switched to a dark one while running,
// as a desktop does when the user changes the theme.
TEST_F(DarkPaletteTest, ColouredCaptionsFollowASwitchToADarkTheme) {
  QApplication::setPalette(QPalette(QColor(0xef, 0xef, 0xef)));
  Start();
  QApplication::setPalette(DarkPalette());
  QCoreApplication::processEvents();
  const QPushButton* start = window->Files()->StartInput(0);
  const QColor caption = StyleColour(start, QStringLiteral("color"));
  ASSERT_TRUE(caption.isValid());
  EXPECT_GE(theme::ContrastRatio(caption, start->palette().color(QPalette::Button)), kReadable);

  const QColor darkWindow = DarkPalette().color(QPalette::Window);
  for (const char* name : {"lblDataMismatch", "lblLocaleWarning", "lblCurrentFile0"}) {
    SCOPED_TRACE(name);
    const auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(label, nullptr);
    const QColor text = StyleColour(label, QStringLiteral("color"));
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(theme::ContrastRatio(text, darkWindow), kReadable);
  }
}

}  // namespace
