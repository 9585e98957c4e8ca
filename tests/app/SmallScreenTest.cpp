// SPDX-License-Identifier: MIT
// Lodema fits a 1024 x 640 screen: the window can be made that small, and
// every calculation caption is shown whole there, on every page.
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "AppFixture.h"
#include "app/CalculationPages.h"
#include "app/ClickableLabel.h"
#include "app/ConventionsPage.h"
#include "app/FilePage.h"
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
  EXPECT_LE(least.height(), kSmallScreen.height());
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

}  // namespace
