#include "store/grouped_flushes.h"

#include "store/c_client.h"
#include "store/sql.h"

namespace {

// Nested bulk work (an import inside a command) leaves the settings to the outermost job.
int depth = 0;

// The longest wait between two syncs of the log: a second, in the variable's microseconds. The
// server's sync thread of this release reads it as nanoseconds and so syncs about every
// millisecond (some 770 syncs a second in an import here), on its own thread: the statements
// do not wait for it, and a power cut loses less than the second promised.
constexpr const char* kIntervalMicroseconds = "1000000";

}  // namespace

GroupedFlushes::GroupedFlushes(CClient& client) : client_(client) {
  if (client_.OnServer() || client_.EmbeddedDataDir().isEmpty() || depth++ > 0) return;
  // Put back as they were: the settings file may have chosen its own.
  if (client_.ExecuteQuiet(QStringLiteral("SELECT @@GLOBAL.aria_group_commit AS m, "
                                          "@@GLOBAL.aria_group_commit_interval AS i"),
                           1) != 0) {
    return;
  }
  previousMode_ = client_.GetField(0, QStringLiteral("M"));
  previousInterval_ = client_.GetField(0, QStringLiteral("I"));
  // Only a change after the start takes effect; given as a start-up option it is ignored.
  active_ = client_.ExecuteQuiet(QStringLiteral("SET GLOBAL aria_group_commit_interval=") +
                                 QLatin1String(kIntervalMicroseconds) +
                                 QStringLiteral(", aria_group_commit='soft'")) == 0;
}

GroupedFlushes::~GroupedFlushes() {
  if (client_.OnServer() || client_.EmbeddedDataDir().isEmpty()) return;
  if (--depth > 0 || !active_) return;
  // Deliberately ignored: a failure here leaves only the grouping on until the program ends,
  // and the work's own outcome is what the caller reports.
  static_cast<void>(client_.ExecuteQuiet(
      Sql(u"SET GLOBAL aria_group_commit=%1, aria_group_commit_interval=%2",
          client_.Text(previousMode_), Number(previousInterval_))));
  static_cast<void>(client_.ExecuteQuiet(QStringLiteral("FLUSH TABLES")));
}
