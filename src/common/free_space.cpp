#include "common/free_space.h"

#include <QDir>
#include <QStorageInfo>

namespace {

qint64 Megabytes(qint64 bytes) { return (bytes + 1024 * 1024 - 1) / (1024 * 1024); }

}  // namespace

std::optional<SpaceShortage> FindSpaceShortage(const QStringList& folders, qint64 needed) {
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    const QStorageInfo disk(folder);
    if (!disk.isValid() || !disk.isReady()) continue;
    const qint64 available = disk.bytesAvailable();
    if (available >= 0 && available < needed) return SpaceShortage{folder, needed, available};
  }
  return std::nullopt;
}

QString SpaceShortageText(const SpaceShortage& shortage) {
  return QStringLiteral(
             "Pe discul dosarului \"%1\" mai sunt liberi %2 MB, iar lucrarea are nevoie de cel "
             "putin %3 MB. Faceti loc pe disc si porniti-o din nou.")
      .arg(QDir::toNativeSeparators(shortage.folder))
      .arg(shortage.available / (1024 * 1024))
      .arg(Megabytes(shortage.needed));
}
