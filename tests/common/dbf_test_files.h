#pragma once

// Hand-built dBase III tables and small file helpers for the tests of the file engine.
// The builder writes the bytes itself, so a reader test does not depend on the writer.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "store/list_model.h"

#include "support/print_to.h"

namespace dbf_test {

struct RawField {
  QByteArray name;  // the 11-byte slot's content, junk after a NUL included
  char type = 'C';
  std::uint8_t length = 1;
};

struct RawTable {
  std::vector<RawField> fields;
  std::vector<QByteArray> records;  // each with its deletion byte
  // Left unset, each is what a sound writer puts there.
  std::int64_t recordCount = -1;
  int headerLength = -1;
  QByteArray terminator = QByteArray(1, '\x0D');
  QByteArray gapBeforeRecords;  // bytes between the terminator and the header length
  bool endMark = true;
};

inline void PutLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>(value >> (8 * i)));
}

inline QByteArray Build(const RawTable& table) {
  const int fields = static_cast<int>(table.fields.size());
  int recordLength = 1;
  for (const RawField& f : table.fields) recordLength += f.length;
  const int natural = 32 + 32 * fields + static_cast<int>(table.terminator.size()) +
                      static_cast<int>(table.gapBeforeRecords.size());
  QByteArray out;
  out.append("\x03\x09\x06\x04", 4);
  PutLittleEndian(
      out,
      static_cast<std::uint32_t>(table.recordCount >= 0 ? table.recordCount : table.records.size()),
      4);
  PutLittleEndian(out, table.headerLength >= 0 ? table.headerLength : natural, 2);
  PutLittleEndian(out, recordLength, 2);
  out.append(20, '\0');
  for (const RawField& f : table.fields) {
    QByteArray slot = f.name.left(11);
    slot.append(11 - slot.size(), '\0');
    out.append(slot);
    out.append(f.type);
    out.append(4, '\0');
    out.append(static_cast<char>(f.length));
    out.append(15, '\0');
  }
  out.append(table.terminator);
  out.append(table.gapBeforeRecords);
  for (const QByteArray& r : table.records) out.append(r);
  if (table.endMark) out.append('\x1A');
  return out;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::vector<QStringList> Rows(const ListModel& list) {
  std::vector<QStringList> rows;
  for (int r = 0; r < list.RowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < list.ColumnCount(); ++c) cells.append(list.Cell(r, c));
    rows.push_back(cells);
  }
  return rows;
}

// A list with the given column names and rows of cells.
inline void Fill(ListModel& list, const QStringList& columns,
                 const std::vector<QStringList>& rows) {
  list.DeleteAllRows();
  list.DeleteAllColumns();
  for (const QString& name : columns) list.InsertColumn(list.ColumnCount(), name);
  for (const QStringList& cells : rows) list.AppendRowCells(cells);
}

}  // namespace dbf_test
