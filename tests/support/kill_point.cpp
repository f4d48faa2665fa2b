#include "support/kill_point.h"

#include <signal.h>

KillPoint::KillPoint(const QString& written)
    : text_(written.section(u'#', 0, 0)), occurrence_(written.section(u'#', 1).toInt()) {}

void KillPoint::Observe(const QString& statement) {
  if (text_.isEmpty() || !statement.contains(text_)) return;
  if (++seen_ == occurrence_) raise(SIGKILL);
}
