// SPDX-License-Identifier: MIT
#include "app/RunInputGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

RunInputGuard::RunInputGuard(std::vector<QWidget*> guarded, QWidget* stopButton,
                             std::function<void()> stop)
    : stopButton_(stopButton), stop_(std::move(stop)) {
  for (QWidget* widget : guarded) guarded_.emplace_back(widget);
  qApp->installEventFilter(this);
}

RunInputGuard::~RunInputGuard() { qApp->removeEventFilter(this); }

bool RunInputGuard::IsGuarded(QObject* target) const {
  const bool isWidget = target->isWidgetType();
  // Keys reach the native window first when no widget has the focus.
  if (!isWidget && !target->isWindowType()) return false;
  const QWidget* top = isWidget ? static_cast<QWidget*>(target)->window() : nullptr;
  for (const QPointer<QWidget>& widget : guarded_) {
    if (widget && (isWidget ? widget == top : widget->windowHandle() == target)) return true;
  }
  return false;
}

bool RunInputGuard::IsStopButton(QObject* target) const {
  return stopButton_ && target->isWidgetType() &&
         (target == stopButton_ || stopButton_->isAncestorOf(static_cast<QWidget*>(target)));
}

bool RunInputGuard::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Shortcut:
      // Window shortcuts and menu keys; a message box of the run keeps its own.
      if (QApplication::activeModalWidget() == nullptr) return true;
      return IsGuarded(watched);
    case QEvent::ShortcutOverride:
      if (!IsGuarded(watched)) return false;
      // Claimed here so that no shortcut of the window fires; the key itself
      // comes next as a key press.
      event->accept();
      return true;
    case QEvent::KeyPress:
      if (!IsGuarded(watched)) return false;
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && stop_) stop_();
      return true;
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
      return IsGuarded(watched);
    default:
      break;
  }
  // The pointer's events pass the native window on their way to the widget
  // under the pointer: they are judged there.
  if (!watched->isWidgetType()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return IsGuarded(watched) && !IsStopButton(watched);
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return IsGuarded(watched);
    default:
      return false;
  }
}
