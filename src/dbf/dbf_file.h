#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class DbfTable;
class ListModel;
class QIODevice;

// Told the record count before the first record (done = 0), then once after each record, so
// a progress bar can take the range 0..total and advance one step per record.
using DbfProgress = std::function<void(int done, int total)>;

// A dBase III table (no memo) and the engine between it and a list of the screens: list
// column i is field i, one row per record. Text is Windows-1250 in the file, one byte per
// character.
//
// The object is the table's definition: the writers build it with AddField, the reader
// fills it from the file. Operations return 1 for success and 0 for a failure, without a
// message; the screens say what failed. A refused file leaves the definition empty.
class DbfFile {
 public:
  // As the header says (after a read) or as the fields give it.
  qint64 recordCount = 0;
  int headerLength = 0;  // 32 per field + 33
  int recordLength = 0;  // 1 for the deletion mark + the field lengths
  int fieldCount = 0;
  QStringList names;
  QStringList types;  // "C", "N", …; the reader keeps whatever letter the file has
  std::vector<int> lengths;

  static constexpr int kMaxFieldLength = 255;
  // The header length is a 16-bit number: 32 × 2046 + 33 is the last that fits.
  static constexpr int kMaxFields = 2046;

  void AddField(const QString& name, const QString& type, int length);

  // Writes every row of the list as a record. The file appears under its name only when
  // it was written completely: a failed write leaves an older file of that name as it was.
  [[nodiscard]] bool WriteDbf(const QString& path, const ListModel& list,
                              const DbfProgress& progress = {}) const;
  // The same bytes to any device, dated with the given day.
  [[nodiscard]] bool WriteDbf(QIODevice& device, const ListModel& list, const QDate& date,
                              const DbfProgress& progress = {}) const;

  // Fills the definition from the file and gives its records, each cell decoded when it is
  // asked for (see DbfTable); nothing when the file is refused. A header that the file
  // cannot hold is refused before any record is read.
  [[nodiscard]] std::shared_ptr<const DbfTable> Read(const QString& path,
                                                     const DbfProgress& progress = {});
  // The same from a random-access device positioned at the start of the table.
  [[nodiscard]] std::shared_ptr<const DbfTable> Read(QIODevice& device,
                                                     const DbfProgress& progress = {});

  // Empties the list, reads the file as Read does and shows it on the list: one column per
  // field (header = field name, width 100) and one row per record not marked deleted, whose
  // cells the list asks of the records when they are wanted. A refused file leaves the
  // list empty.
  [[nodiscard]] bool ReadDbf(const QString& path, ListModel& list,
                             const DbfProgress& progress = {});
  [[nodiscard]] bool ReadDbf(QIODevice& device, ListModel& list, const DbfProgress& progress = {});

 private:
  void Clear();
  bool FieldsWritable() const;
  std::shared_ptr<const DbfTable> ReadTable(QIODevice& device, const DbfProgress& progress);
  bool Show(std::shared_ptr<const DbfTable> table, ListModel& list) const;
};
