// SPDX-License-Identifier: MIT
// The main window's menus: File (recent files, Exit), Edit (Paste), the
// Calculations menu with the current calculation ticked, and Help.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "app/CalculationPages.h"
#include "app/HelpAccess.h"
#include "app/MainWindow.h"
#include "app/Mirror.h"
#include "app/Named.h"
#include "calc/Catalogue.h"

void MainWindow::BuildMenus() {
  QMenu* files = Named(menuBar()->addMenu(QStringLiteral("&File")), QStringLiteral("mnuFiles"));
  recentFilesMenu_ = files->addMenu(QStringLiteral("&Recent files"));
  recentFilesMenu_->setObjectName(QStringLiteral("mnuRecentFiles"));
  RebuildRecentFilesMenu();
  files->addSeparator();
  exitAction_ = Named(files->addAction(QStringLiteral("&Exit")), QStringLiteral("mnuFile3"));
  connect(exitAction_, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = Named(menuBar()->addMenu(QStringLiteral("&Edit")), QStringLiteral("mnuEdit"));
  pasteAction_ = Named(edit->addAction(QStringLiteral("&Paste...")), QStringLiteral("mnuPaste"));
  connect(pasteAction_, &QAction::triggered, this, &MainWindow::PasteData);

  calculationsMenu_ = menuBar()->addMenu(QStringLiteral("&Calculations"));
  calculationsMenu_->setObjectName(QStringLiteral("mnuCalculations"));
  calculationsMenu_->setToolTipsVisible(true);
  // The current calculation is the one ticked item (none for 37-41, which
  // have no item); each item shows the number of its calculation.
  auto* calculationGroup = new QActionGroup(this);
  calculationGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (int item = 1; item <= Lodema::kMenuItemCount; ++item) {
    if (Lodema::IsMenuSeparator(item)) {
      calculationItems_[item] = calculationsMenu_->addSeparator();
      calculationItems_[item]->setObjectName(QStringLiteral("mnuCalculation%1").arg(item));
      continue;
    }
    const int n = Lodema::CalculationForMenuItem(item);
    QAction* action = calculationsMenu_->addAction(
        QStringLiteral("%1  %2").arg(n).arg(mirror::Q(Lodema::MenuItemCaption(item))));
    action->setObjectName(QStringLiteral("mnuCalculation%1").arg(item));
    action->setCheckable(true);
    action->setToolTip(CalculationTooltip(n));
    calculationGroup->addAction(action);
    connect(action, &QAction::triggered, this,
            [this, item] { model_.SelectCalculationByMenuItem(item); });
    calculationItems_[item] = action;
  }
  MarkCurrentCalculation();

  QMenu* help = Named(menuBar()->addMenu(QStringLiteral("&Help")), QStringLiteral("mnuHelps"));
  const std::array<QString, 2> helpCaptions = {QStringLiteral("&Lodema help"),
                                               QStringLiteral("&Help on Help")};
  for (int item = 0; item < 2; ++item) {
    helpItems_[item] = help->addAction(helpCaptions[item]);
    helpItems_[item]->setObjectName(QStringLiteral("mnuHelp%1").arg(item));
    connect(helpItems_[item], &QAction::triggered, this,
            [this, item] { help_->ShowMainHelp(item); });
  }
  // F1: the guide at the page of the calculation or page in view.
  auto* contextHelp = new QShortcut(QKeySequence::HelpContents, this);
  connect(contextHelp, &QShortcut::activated, this,
          [this] { help_->ShowContextHelp(pageTabs_->currentIndex(), model_.Calculation()); });
}
void MainWindow::MarkCurrentCalculation() {
  const int current = model_.Calculation();
  for (int item = 1; item <= Lodema::kMenuItemCount; ++item) {
    QAction* action = calculationItems_[item];
    if (action == nullptr || !action->isCheckable()) continue;
    const bool ticked = Lodema::CalculationForMenuItem(item) == current;
    if (action->isChecked() != ticked) action->setChecked(ticked);
  }
}
