#include "dbf/dbf_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "common/whole_file.h"
#include "dbf/dbf_layout.h"
#include "dbf/dbf_table.h"
#include "store/list_model.h"

void DbfFile::AddField(const QString& name, const QString& type, int length) {
  names.append(name);
  types.append(type);
  lengths.push_back(length);
  fieldCount = static_cast<int>(names.size());
  headerLength = dbf::HeaderLength(fieldCount);
  recordLength = 1;  // the deletion mark
  for (const int fieldLength : lengths) recordLength += fieldLength;
}

void DbfFile::Clear() {
  recordCount = 0;
  headerLength = 0;
  recordLength = 0;
  fieldCount = 0;
  names.clear();
  types.clear();
  lengths.clear();
}

bool DbfFile::WriteDbf(const QString& path, const ListModel& list,
                       const DbfProgress& progress) const {
  // Written beside the final name and renamed over it only when complete, so a full disk
  // or a removed medium never leaves a cut file, nor destroys the previous good one.
  QSaveFile file(path);
  if (!OpenWhole(file)) return false;
  if (!WriteDbf(file, list, QDate::currentDate(), progress)) {
    file.cancelWriting();
    return false;
  }
  return CommitWhole(file);
}

std::shared_ptr<const DbfTable> DbfFile::Read(const QString& path, const DbfProgress& progress) {
  Clear();
  // Only regular files: opening a pipe would wait for a writer that may never come.
  if (!QFileInfo(path).isFile()) return nullptr;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  return Read(file, progress);
}

bool DbfFile::ReadDbf(const QString& path, ListModel& list, const DbfProgress& progress) {
  // Emptied first, so that the list never shows an earlier file beside this one's progress.
  list.DeleteAllRows();
  list.DeleteAllColumns();
  return Show(Read(path, progress), list);
}
