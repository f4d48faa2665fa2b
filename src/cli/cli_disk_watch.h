#pragma once

#include <QString>
#include <atomic>
#include <thread>

class Console;

// While a command writes to the embedded register, watches the server's log for a statement
// waiting for room on a full disk (the server waits inside the statement, silently for the
// command) and warns on the command's messages, at most once every half minute.
class DiskWaitWatcher {
 public:
  // Watches nothing when `dataDir` is empty (a register on a server).
  DiskWaitWatcher(const QString& dataDir, Console& console);
  ~DiskWaitWatcher();
  DiskWaitWatcher(const DiskWaitWatcher&) = delete;
  DiskWaitWatcher& operator=(const DiskWaitWatcher&) = delete;

 private:
  void Watch(QString log, qint64 from);

  Console& console_;
  std::atomic<bool> done_{false};
  std::thread thread_;
};
