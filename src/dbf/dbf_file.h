#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

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
// message; the screens say what failed.
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

  // Empties the list and the definition, then fills them from the file: one column per
  // field (header = field name, width 100) and one row per record not marked deleted.
  // A header that the file cannot hold is refused before any record is read.
  [[nodiscard]] bool ReadDbf(const QString& path, ListModel& list,
                             const DbfProgress& progress = {});
  // The same from a random-access device positioned at the start of the table.
  [[nodiscard]] bool ReadDbf(QIODevice& device, ListModel& list, const DbfProgress& progress = {});

 private:
  void Clear();
  bool FieldsWritable() const;
};
