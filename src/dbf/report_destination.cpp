#include "dbf/report_destination.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

QStringList DefaultMountRoots() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = QFileInfo(QDir::homePath()).fileName();
  return {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user};
}

QStringList MountedVolumes() {
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) roots.append(volume.rootPath());
  }
  return roots;
}

std::optional<QString> FirstRemovableVolume(const QStringList& roots, const QStringList& mounted) {
  QStringList parents;
  for (const QString& root : roots) parents.append(QDir::cleanPath(root));
  for (const QString& volume : mounted) {
    const QString path = QDir::cleanPath(volume);
    const QFileInfo info(path);
    if (parents.contains(info.path()) && info.isDir()) return path;
  }
  return std::nullopt;
}

QString FolderChooserStart() {
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  return QDir(desktop).exists() ? desktop : QDir::homePath();
}
