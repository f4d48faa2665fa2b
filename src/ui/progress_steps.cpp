#include "ui/progress_steps.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <algorithm>

namespace {

// The window is repainted and its progress shown this often.
constexpr int kRowsPerRefresh = 200;

}  // namespace

DbfProgress ProgressOn(QProgressBar& bar) {
  return [&bar](int done, int total) {
    if (done == 0) {
      bar.setRange(0, std::max(total, 1));
      bar.setVisible(true);
    }
    if (done % kRowsPerRefresh != 0 && done != total) return;
    bar.setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
}
