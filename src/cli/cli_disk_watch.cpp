#include "cli/cli_disk_watch.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>

#include "cli/cli_console.h"
#include "cli/cli_texts.h"

namespace {

constexpr auto kLookEvery = std::chrono::milliseconds(500);
constexpr auto kWarnEvery = std::chrono::seconds(30);

// What the server writes when a write found no room and it waits for some.
bool WaitsForRoom(const QByteArray& text) {
  return text.contains("Disk is full") || text.contains("Waiting for someone to free space");
}

}  // namespace

DiskWaitWatcher::DiskWaitWatcher(const QString& dataDir, Console& console) : console_(console) {
  if (dataDir.isEmpty()) return;
  const QString log = dataDir + QStringLiteral("/server.log");
  thread_ = std::thread(&DiskWaitWatcher::Watch, this, log, QFileInfo(log).size());
}

DiskWaitWatcher::~DiskWaitWatcher() {
  done_ = true;
  if (thread_.joinable()) thread_.join();
}

void DiskWaitWatcher::Watch(QString log, qint64 from) {
  auto lastWarning = std::chrono::steady_clock::time_point();
  while (!done_) {
    std::this_thread::sleep_for(kLookEvery);
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= from || !file.seek(from)) continue;
    const QByteArray added = file.readAll();
    from += added.size();
    const auto now = std::chrono::steady_clock::now();
    if (WaitsForRoom(added) && now - lastWarning >= kWarnEvery) {
      console_.Error(cli_texts::kWaitingForRoom);
      lastWarning = now;
    }
  }
}
