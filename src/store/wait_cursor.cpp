#include "store/wait_cursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace {

// Wait cursors alive on the window's thread. Only the outermost one changes the cursor: an
// import holds one for its whole run and each of its statements another, and every change
// of the cursor goes out to every window of the display.
int depth = 0;

bool OnWindowThread() {
  const QCoreApplication* application = QCoreApplication::instance();
  return qobject_cast<const QGuiApplication*>(application) != nullptr &&
         QThread::currentThread() == application->thread();
}

}  // namespace

WaitCursor::WaitCursor() {
  // Programs without a GUI application (tools, benchmarks) have no cursor to change.
  if (!OnWindowThread()) return;
  active_ = true;
  if (depth++ == 0) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() { Release(); }

void WaitCursor::Release() {
  if (!active_) return;
  active_ = false;
  if (--depth == 0) QGuiApplication::restoreOverrideCursor();
}
