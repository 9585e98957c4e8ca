// Saves a picture of the main window for the documentation when
// LODEMA_SCREENSHOT names a PNG file; skipped otherwise.
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>

#include "AppFixture.h"
#include "app/CalculationPages.h"
#include "app/EntryPanel.h"

namespace {

class Screenshot : public AppFixture {};

TEST_F(Screenshot, MainWindowAt1280x800) {
  const QString target = qEnvironmentVariable("LODEMA_SCREENSHOT");
  if (target.isEmpty()) GTEST_SKIP() << "LODEMA_SCREENSHOT is not set";
  MainWindow& shown = Start();
  shown.resize(1280, 800);
  const int page = qEnvironmentVariableIntValue("LODEMA_SCREENSHOT_PAGE");
  const int calculation = qEnvironmentVariableIntValue("LODEMA_SCREENSHOT_CALC");
  if (calculation != 0) {
    QTest::mouseClick(shown.Calculations()->Button(calculation), Qt::LeftButton);
  } else {
    QTest::mouseClick(shown.Calculations()->Button(0), Qt::LeftButton);
  }
  QTest::keyClicks(shown.Entries()->Box(0), QStringLiteral("30"));
  QTest::keyClicks(shown.Entries()->Box(1), QStringLiteral("090"));
  QTest::keyClicks(shown.Entries()->Box(3), QStringLiteral("60"));
  QTest::keyClicks(shown.Entries()->Box(4), QStringLiteral("200"));
  if (page > 0) shown.Tabs()->setCurrentIndex(page);
  QTest::qWait(50);
  ASSERT_TRUE(shown.grab().save(target, "PNG"));
}

}  // namespace
