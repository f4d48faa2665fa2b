#pragma once

#include <QString>

class CClient;

// Bulk work on the embedded register (the imports, the copy of a month's amounts, the
// month-end commands) with the database log flushed to the disk once a second instead of
// after every statement: several times the statements per second. The trade-off: a crash of
// the program loses nothing (every statement's log is handed to the system before the
// statement ends), but a power cut during the work may lose its last second, which doing the
// same work again completes (an import finds what it stored and updates it). At the end,
// failed or stopped too, the log flushes after every statement again and the tables are
// flushed to their files. Nested jobs share the outermost one's span. On a server the
// server's own settings hold and nothing changes.
class GroupedFlushes {
 public:
  explicit GroupedFlushes(CClient& client);
  ~GroupedFlushes();
  GroupedFlushes(const GroupedFlushes&) = delete;
  GroupedFlushes& operator=(const GroupedFlushes&) = delete;

  // Whether this job switched the grouping on (the outermost one on the embedded register).
  bool Active() const { return active_; }

 private:
  CClient& client_;
  bool active_ = false;
  QString previousMode_;
  QString previousInterval_;
};
