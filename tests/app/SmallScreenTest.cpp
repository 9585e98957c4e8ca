// SPDX-License-Identifier: MIT
// Lodema fits a 1024 x 640 screen: the window can be made that small, and
// every calculation caption is shown whole there, on every page.
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>

#include "AppFixture.h"
#include "app/ClickableLabel.h"
#include "app/ScreenFit.h"
#include "calc/Catalogue.h"

namespace {

class SmallScreenTest : public AppFixture {};

// The visible part of the page that holds widget.
const QWidget* PageView(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (const auto* area = qobject_cast<const QScrollArea*>(w)) return area->viewport();
  }
  return nullptr;
}

constexpr QSize kSmallScreen(1024, 640);

TEST_F(SmallScreenTest, WindowFitsAndCaptionsAreWhole) {
  MainWindow& shown = Start();
  const QSize least = shown.minimumSizeHint().expandedTo(shown.layout()->minimumSize());
  EXPECT_LE(least.width(), kSmallScreen.width());
  // With room for the title bar.
  EXPECT_LE(least.height() + kAssumedTitleBarHeight, kSmallScreen.height());
  shown.resize(kSmallScreen);
  for (int page : {0, 1, 2, 3}) {
    shown.Tabs()->setCurrentIndex(page);
    QApplication::processEvents();
    EXPECT_EQ(shown.size(), kSmallScreen) << "page " << page;
    // Read top to bottom: nothing to scroll sideways for.
    const auto* area = qobject_cast<const QScrollArea*>(shown.Tabs()->currentWidget());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << "page " << page;
    for (int n = 0; n < Lodema::kCalculationCount; ++n) {
      const QLabel* caption = shown.Calculations()->Caption(n);
      if (!caption->isVisible()) continue;
      SCOPED_TRACE(caption->text().toStdString());
      if (caption->wordWrap()) {
        // Wrapped onto as many lines as its width needs.
        EXPECT_GE(caption->height(), caption->heightForWidth(caption->width()));
      } else {
        EXPECT_GE(caption->width(), caption->sizeHint().width()) << "page " << page;
        EXPECT_GE(caption->height(), caption->sizeHint().height());
      }
      // In view on the page as it opens, not cut off by its edges.
      const QWidget* view = PageView(caption);
      ASSERT_NE(view, nullptr);
      // (The text, not the room its label stretches to.)
      const QSize text(std::min(caption->width(), caption->sizeHint().width()), caption->height());
      const QRect inView(caption->mapTo(view, QPoint(0, 0)), text);
      EXPECT_TRUE(view->rect().contains(inView)) << "page " << page;
    }
  }
}

TEST_F(SmallScreenTest, PagesTakeOneColumnOnlyWhenNarrow) {
  MainWindow& shown = Start();
  const struct {
    QSize size;
    bool oneColumn;
  } rows[] = {{QSize(1280, 800), false}, {kSmallScreen, true}, {QSize(1400, 900), false}};
  for (const auto& row : rows) {
    shown.resize(row.size);
    for (int page : {2, 3}) {
      shown.Tabs()->setCurrentIndex(page);
      QApplication::processEvents();
      const bool oneColumn =
          page == 2 ? shown.Conventions()->Arrangement() >= 2 : shown.Files()->Narrow();
      EXPECT_EQ(oneColumn, row.oneColumn) << row.size.width() << " page " << page;
      const auto* area = qobject_cast<const QScrollArea*>(shown.Tabs()->currentWidget());
      EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << row.size.width() << " page " << page;
    }
  }
}

TEST(ScreenFit, WindowAndDecorationsStayWithinTheAvailableGeometry) {
  const QMargins titleBar(0, 30, 0, 0);
  const QMargins framed(4, 28, 4, 4);
  const QRect small(0, 0, 1024, 640);
  const QRect belowPanel(0, 24, 1024, 616);  // a panel along the top
  const struct {
    const char* name;
    QRect client;
    QMargins decorations;
    QRect available;
    QRect fitted;
  } rows[] = {
      {"fits already", {100, 80, 800, 500}, titleBar, small, {100, 80, 800, 500}},
      {"as tall as the screen: lower by the title bar",
       {0, 0, 1024, 640},
       titleBar,
       small,
       {0, 30, 1024, 610}},
      {"borders too", {0, 0, 1280, 800}, framed, small, {4, 28, 1016, 608}},
      {"huge: the screen", {-5000, -5000, 32767, 32767}, framed, small, {4, 28, 1016, 608}},
      {"under a panel", {0, 0, 1024, 640}, titleBar, belowPanel, {0, 54, 1024, 586}},
      {"off the right and bottom: moved in",
       {600, 400, 700, 400},
       titleBar,
       small,
       {324, 240, 700, 400}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FitWithin(row.client, row.decorations, row.available), row.fitted) << row.name;
  }
}

TEST_F(SmallScreenTest, EveryPageIsWholeWithRoomForTheTitleBar) {
  MainWindow& shown = Start();
  // The file name, "Change..." and "Start input" under the result windows.
  shown.resize(kSmallScreen.width(), kSmallScreen.height() - kAssumedTitleBarHeight);
  QApplication::processEvents();
  const QWidget* strip = shown.Files()->InputStrip();
  EXPECT_LE(strip->mapTo(&shown, QPoint(0, strip->height())).y(), shown.height());
  // Made to fit a small screen with its title bar, every page is whole:
  // its last widgets in view once scrolled to the bottom.
  for (int page : {2, 3}) {
    shown.Tabs()->setCurrentIndex(page);
    QApplication::processEvents();
    auto* area = qobject_cast<QScrollArea*>(shown.Tabs()->currentWidget());
    ASSERT_NE(area, nullptr);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QApplication::processEvents();
    const QWidget* content = area->widget();
    const QRect inView(content->mapTo(area->viewport(), QPoint(0, 0)), content->size());
    EXPECT_LE(inView.bottom(), area->viewport()->rect().bottom()) << "page " << page;
  }
}

}  // namespace
