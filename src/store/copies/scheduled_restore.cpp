#include "store/copies/scheduled_restore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "common/whole_file.h"

namespace {

QString SchedulePath(const QString& startDirectory) {
  return QDir(startDirectory).filePath(QLatin1String(kScheduledRestoreFile));
}

}  // namespace

bool ScheduleRestore(const QString& startDirectory, const QString& copy) {
  QSaveFile file(SchedulePath(startDirectory));
  if (!OpenWhole(file)) return false;
  const QByteArray text = QFile::encodeName(copy) + '\n';
  return file.write(text) == text.size() && CommitWhole(file);
}

std::optional<QString> ScheduledRestore(const QString& startDirectory) {
  QFile file(SchedulePath(startDirectory));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray line = file.readLine().trimmed();
  if (line.isEmpty()) return std::nullopt;
  return QFile::decodeName(line);
}

void ClearScheduledRestore(const QString& startDirectory) {
  QFile::remove(SchedulePath(startDirectory));
}
