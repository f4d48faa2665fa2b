#include "store/wait_cursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

WaitCursor::WaitCursor() {
  // Programs without a GUI application (tools, benchmarks) have no cursor to change.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
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
