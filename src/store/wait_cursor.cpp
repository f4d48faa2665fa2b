#include "store/wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>

WaitCursor::WaitCursor() {
  if (qGuiApp != nullptr) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    active_ = true;
  }
}

WaitCursor::~WaitCursor() { Release(); }

void WaitCursor::Release() {
  if (!active_) return;
  QGuiApplication::restoreOverrideCursor();
  active_ = false;
}
