#include "common/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool OpenWhole(QSaveFile& file, QIODevice::OpenMode mode) {
  const QString path = file.fileName();
  if (QFileInfo(path).isSymLink() && !QFile::remove(path)) return false;
  return file.open(mode);
}

bool CommitWhole(QSaveFile& file) {
  if (file.error() != QFileDevice::NoError || !file.flush()) {
    // The new file is removed when `file` goes; the final name is never touched.
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
