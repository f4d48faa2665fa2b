#include <QIODevice>
#include <algorithm>
#include <limits>
#include <vector>

#include "dbf/codepage.h"
#include "dbf/dbf_file.h"
#include "dbf/dbf_layout.h"
#include "dbf/dbf_table.h"
#include "store/list_model.h"

namespace {

// Records are read in blocks of about this size, never more than the file holds, so that
// the progress moves while a large file is read.
constexpr qint64 kBlockSize = 1024 * 1024;

struct Descriptor {
  enum class Kind { kField, kEnd, kBroken };
  Kind kind = Kind::kBroken;
  QString name;
  QString type;
  int length = 0;
};

Descriptor ReadDescriptor(QIODevice& device) {
  const QByteArray bytes = device.read(dbf::kDescriptorSize);
  Descriptor descriptor;
  if (bytes.isEmpty()) return descriptor;  // the file ended before the terminator
  if (bytes.front() == dbf::kDescriptorsEnd) {
    descriptor.kind = Descriptor::Kind::kEnd;
    return descriptor;
  }
  if (bytes.size() < dbf::kDescriptorSize) return descriptor;
  const QByteArrayView view(bytes);
  const QByteArrayView name = view.first(dbf::kNameSize);
  const qsizetype nul = name.indexOf('\0');
  descriptor.name = FromCp1250(nul < 0 ? name : name.first(nul));
  descriptor.type = FromCp1250(view.sliced(dbf::kTypeOffset, 1));
  descriptor.length = static_cast<unsigned char>(bytes[dbf::kLengthOffset]);
  // A field of no width has no place in a record; the table is not a dBase table.
  if (descriptor.length > 0) descriptor.kind = Descriptor::Kind::kField;
  return descriptor;
}

// Reads the descriptors up to their terminator into the definition and the fields' places
// in a record. The header length must leave room for every field read, so a file of
// endless descriptors is refused after the first that does not fit.
bool ReadFields(QIODevice& device, DbfFile& table, std::vector<DbfTable::Field>& fields) {
  int offset = 0;
  for (;;) {
    const Descriptor descriptor = ReadDescriptor(device);
    if (descriptor.kind == Descriptor::Kind::kBroken) return false;
    if (descriptor.kind == Descriptor::Kind::kEnd) return !fields.empty();
    ++table.fieldCount;
    if (dbf::HeaderLength(table.fieldCount) > table.headerLength) return false;
    table.names.append(descriptor.name);
    table.types.append(descriptor.type);
    table.lengths.push_back(descriptor.length);
    fields.push_back({offset, descriptor.length, descriptor.type == u"N"});
    offset += descriptor.length;
  }
}

// Whether the records the header announces fit in the bytes after the header.
bool RecordsFit(const QIODevice& device, qint64 start, const DbfFile& table, int recordSize) {
  const qint64 available = device.size() - start - table.headerLength;
  return available >= 0 && table.recordCount <= available / recordSize &&
         table.recordCount <= std::numeric_limits<int>::max();
}

// Reads the records in blocks into one buffer and notes those not marked deleted; nothing
// when the device gives fewer bytes than it said it had.
std::shared_ptr<const DbfTable> ReadRecords(QIODevice& device, std::vector<DbfTable::Field> fields,
                                            int recordSize, int total,
                                            const DbfProgress& progress) {
  const int perBlock = static_cast<int>(std::max<qint64>(1, kBlockSize / recordSize));
  QByteArray records(static_cast<qsizetype>(total) * recordSize, Qt::Uninitialized);
  std::vector<std::uint32_t> live;
  live.reserve(static_cast<std::size_t>(total));
  if (progress) progress(0, total);
  for (int done = 0; done < total;) {
    const int count = std::min(perBlock, total - done);
    char* const block = records.data() + static_cast<qsizetype>(done) * recordSize;
    const qint64 size = static_cast<qint64>(count) * recordSize;
    if (device.read(block, size) != size) return nullptr;
    for (int i = 0; i < count; ++i) {
      if (block[static_cast<qsizetype>(i) * recordSize] != dbf::kDeleted) live.push_back(done);
      ++done;
      if (progress) progress(done, total);
    }
  }
  return std::make_shared<const DbfTable>(std::move(fields), std::move(records), std::move(live));
}

}  // namespace

std::shared_ptr<const DbfTable> DbfFile::Read(QIODevice& device, const DbfProgress& progress) {
  Clear();
  std::shared_ptr<const DbfTable> table = ReadTable(device, progress);
  if (!table) Clear();
  return table;
}

std::shared_ptr<const DbfTable> DbfFile::ReadTable(QIODevice& device, const DbfProgress& progress) {
  // The header is checked against the file's size, which a stream does not have.
  if (device.isSequential() || !device.isReadable()) return nullptr;
  const qint64 start = device.pos();
  const QByteArray header = device.read(dbf::kHeaderSize);
  if (header.size() < dbf::kHeaderSize) return nullptr;
  recordCount = dbf::ReadLittleEndian(header, dbf::kRecordCountOffset, 4);
  headerLength = static_cast<int>(dbf::ReadLittleEndian(header, dbf::kHeaderLengthOffset, 2));
  recordLength = static_cast<int>(dbf::ReadLittleEndian(header, dbf::kRecordLengthOffset, 2));

  std::vector<DbfTable::Field> fields;
  if (!ReadFields(device, *this, fields)) return nullptr;
  // Records are read field by field as the descriptors give them; the header's own record
  // length is kept for the callers but not relied on.
  int recordSize = 1;
  for (const int length : lengths) recordSize += length;
  // More records than there are bytes mean a damaged or foreign file: refused before any
  // memory is taken for them.
  if (!RecordsFit(device, start, *this, recordSize)) return nullptr;
  if (!device.seek(start + headerLength)) return nullptr;
  return ReadRecords(device, std::move(fields), recordSize, static_cast<int>(recordCount),
                     progress);
}

bool DbfFile::ReadDbf(QIODevice& device, ListModel& list, const DbfProgress& progress) {
  list.DeleteAllRows();
  list.DeleteAllColumns();
  return Show(Read(device, progress), list);
}

bool DbfFile::Show(std::shared_ptr<const DbfTable> table, ListModel& list) const {
  if (!table) return false;
  for (int field = 0; field < fieldCount; ++field) {
    const bool numeric = types[field] == u"N";
    list.InsertColumn(list.ColumnCount(), names[field],
                      numeric ? QStringLiteral("N") : QStringLiteral("C"), 100);
  }
  list.SetSourceRows(std::move(table));
  return true;
}
