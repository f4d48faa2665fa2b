#include <QIODevice>
#include <algorithm>
#include <limits>
#include <vector>

#include "dbf/codepage.h"
#include "dbf/dbf_file.h"
#include "dbf/dbf_layout.h"
#include "store/list_model.h"

namespace {

// Records are read in blocks of about this size, never more than the file holds.
constexpr qint64 kBlockSize = 1024 * 1024;

// The field's bytes up to the first zero byte.
QByteArrayView UpToNul(QByteArrayView bytes) {
  const qsizetype nul = bytes.indexOf('\0');
  return nul < 0 ? bytes : bytes.first(nul);
}

QByteArrayView TrimBlanks(QByteArrayView bytes) {
  while (!bytes.isEmpty() && bytes.front() == ' ') bytes = bytes.sliced(1);
  while (!bytes.isEmpty() && bytes.back() == ' ') bytes.chop(1);
  return bytes;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A numeric field as the lists show numbers: no blanks around, no leading zeros and a
// decimal comma. A zero in front of the point or standing alone is kept, so 0.5 reads
// "0,5" and a left-aligned 0 reads "0", not an empty cell.
QString NumericCell(QByteArrayView bytes) {
  bytes = TrimBlanks(bytes);
  while (bytes.size() > 1 && bytes.front() == '0' && IsDigit(bytes[1])) bytes = bytes.sliced(1);
  QString text = FromCp1250(bytes);
  text.replace(u'.', u',');
  return text;
}

// Any other field: the text as stored, trailing blanks included; a single blank is empty.
QString TextCell(QByteArrayView bytes) {
  if (bytes.size() == 1 && bytes.front() == ' ') return {};
  return FromCp1250(bytes);
}

struct Field {
  QString name;
  QString type;
  int length = 0;
  bool numeric = false;
};

enum class Descriptor { kField, kEnd, kBroken };

Descriptor ReadDescriptor(QIODevice& device, Field& field) {
  const QByteArray bytes = device.read(dbf::kDescriptorSize);
  if (bytes.isEmpty()) return Descriptor::kBroken;  // the file ended before the terminator
  if (bytes.front() == dbf::kDescriptorsEnd) return Descriptor::kEnd;
  if (bytes.size() < dbf::kDescriptorSize) return Descriptor::kBroken;
  const QByteArrayView view(bytes);
  field.name = FromCp1250(UpToNul(view.first(dbf::kNameSize)));
  field.type = FromCp1250(view.sliced(dbf::kTypeOffset, 1));
  field.numeric = bytes[dbf::kTypeOffset] == 'N';
  field.length = static_cast<unsigned char>(bytes[dbf::kLengthOffset]);
  // A field of no width has no place in a record; the table is not a dBase table.
  return field.length == 0 ? Descriptor::kBroken : Descriptor::kField;
}

// Appends the cells of one record to rows unless it is marked deleted.
void ReadRecord(const std::vector<Field>& fields, QByteArrayView record,
                std::vector<QStringList>& rows) {
  if (record.front() == dbf::kDeleted) return;
  QStringList cells;
  cells.reserve(static_cast<qsizetype>(fields.size()));
  qsizetype offset = 1;
  for (const Field& field : fields) {
    const QByteArrayView bytes = UpToNul(record.sliced(offset, field.length));
    cells.append(field.numeric ? NumericCell(bytes) : TextCell(bytes));
    offset += field.length;
  }
  rows.push_back(std::move(cells));
}

// Reads the descriptors up to their terminator into the definition and the list's columns.
// The header length must leave room for every field read, so a file of endless
// descriptors is refused after the first that does not fit.
bool ReadFields(QIODevice& device, DbfFile& table, ListModel& list, std::vector<Field>& fields) {
  for (;;) {
    Field field;
    const Descriptor descriptor = ReadDescriptor(device, field);
    if (descriptor == Descriptor::kBroken) return false;
    if (descriptor == Descriptor::kEnd) return !fields.empty();
    ++table.fieldCount;
    if (dbf::HeaderLength(table.fieldCount) > table.headerLength) return false;
    table.names.append(field.name);
    table.types.append(field.type);
    table.lengths.push_back(field.length);
    list.InsertColumn(list.ColumnCount(), field.name,
                      field.numeric ? QStringLiteral("N") : QStringLiteral("C"), 100);
    fields.push_back(std::move(field));
  }
}

// Whether the records the header announces fit in the bytes after the header.
bool RecordsFit(const QIODevice& device, qint64 start, const DbfFile& table, int recordSize) {
  const qint64 available = device.size() - start - table.headerLength;
  return available >= 0 && table.recordCount <= available / recordSize &&
         table.recordCount <= std::numeric_limits<int>::max();
}

// Reads the records in blocks into the list; false when the device gives fewer bytes than
// it said it had (the rows read so far stay in the list).
bool ReadRecords(QIODevice& device, const std::vector<Field>& fields, int recordSize, int total,
                 ListModel& list, const DbfProgress& progress) {
  const int perBlock = static_cast<int>(std::max<qint64>(1, kBlockSize / recordSize));
  std::vector<QStringList> rows;
  rows.reserve(std::min(total, perBlock));
  if (progress) progress(0, total);
  for (int done = 0; done < total;) {
    const int count = std::min(perBlock, total - done);
    const QByteArray block = device.read(static_cast<qint64>(count) * recordSize);
    if (block.size() != static_cast<qint64>(count) * recordSize) {
      list.AppendRows(std::move(rows));
      return false;
    }
    for (int i = 0; i < count; ++i) {
      const qsizetype offset = static_cast<qsizetype>(i) * recordSize;
      ReadRecord(fields, QByteArrayView(block).sliced(offset, recordSize), rows);
      ++done;
      if (progress) progress(done, total);
    }
  }
  list.AppendRows(std::move(rows));
  return true;
}

}  // namespace

bool DbfFile::ReadDbf(QIODevice& device, ListModel& list, const DbfProgress& progress) {
  Clear();
  list.DeleteAllRows();
  list.DeleteAllColumns();
  // The header is checked against the file's size, which a stream does not have.
  if (device.isSequential() || !device.isReadable()) return false;
  const qint64 start = device.pos();
  const QByteArray header = device.read(dbf::kHeaderSize);
  if (header.size() < dbf::kHeaderSize) return false;
  recordCount = dbf::ReadLittleEndian(header, dbf::kRecordCountOffset, 4);
  headerLength = static_cast<int>(dbf::ReadLittleEndian(header, dbf::kHeaderLengthOffset, 2));
  recordLength = static_cast<int>(dbf::ReadLittleEndian(header, dbf::kRecordLengthOffset, 2));

  std::vector<Field> fields;
  if (!ReadFields(device, *this, list, fields)) return false;
  // Records are read field by field as the descriptors give them; the header's own record
  // length is kept for the callers but not relied on.
  int recordSize = 1;
  for (const Field& field : fields) recordSize += field.length;
  // More records than there are bytes mean a damaged or foreign file: refused before any
  // memory is taken for them.
  if (!RecordsFit(device, start, *this, recordSize)) return false;
  if (!device.seek(start + headerLength)) return false;
  return ReadRecords(device, fields, recordSize, static_cast<int>(recordCount), list, progress);
}
