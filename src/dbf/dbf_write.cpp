#include <QIODevice>
#include <algorithm>
#include <cstring>
#include <limits>

#include "dbf/codepage.h"
#include "dbf/dbf_file.h"
#include "dbf/dbf_layout.h"
#include "store/list_model.h"

namespace {

constexpr qsizetype kBlockSize = 256 * 1024;

// The device accepts all the bytes, or the write has failed.
bool WriteAll(QIODevice& device, QByteArrayView bytes) {
  return device.write(bytes.data(), bytes.size()) == bytes.size();
}

// Name (cut to 11 bytes, zero-padded), type letter, length; the rest zero.
void AppendDescriptor(QByteArray& out, const QString& name, const QString& type, int length) {
  QByteArray slot = ToCp1250(name).left(dbf::kNameSize);
  slot.append(dbf::kNameSize - slot.size(), '\0');
  out.append(slot);
  const QByteArray letter = ToCp1250(type);
  out.append(letter.isEmpty() ? 'C' : letter.at(0));
  out.append(4, '\0');
  out.append(static_cast<char>(length));
  out.append(15, '\0');
}

QByteArray Header(const DbfFile& table, int recordCount, int recordLength, const QDate& date) {
  QByteArray header;
  header.reserve(dbf::HeaderLength(table.fieldCount));
  header.append(dbf::kVersion);
  header.append(static_cast<char>(date.year() % 100));
  header.append(static_cast<char>(date.month()));
  header.append(static_cast<char>(date.day()));
  dbf::AppendLittleEndian(header, static_cast<std::uint32_t>(recordCount), 4);
  dbf::AppendLittleEndian(header, dbf::HeaderLength(table.fieldCount), 2);
  dbf::AppendLittleEndian(header, recordLength, 2);
  header.append(20, '\0');
  for (int i = 0; i < table.fieldCount; ++i) {
    // A definition with fewer type letters than names writes the rest as character fields.
    AppendDescriptor(header, table.names.at(i), table.types.value(i), table.lengths[i]);
  }
  header.append(dbf::kDescriptorsEnd);
  return header;
}

bool IsBlank(char16_t c) {
  if (c == u' ') return true;
  if (c < 0x80) return c >= u'\t' && c <= u'\r';
  return QChar::isSpace(c);
}

QStringView Trimmed(QStringView text) {
  while (!text.isEmpty() && IsBlank(text.front().unicode())) text = text.sliced(1);
  while (!text.isEmpty() && IsBlank(text.back().unicode())) text.chop(1);
  return text;
}

// The cell's text without blanks around it, left-aligned in the field: padded with blanks,
// or cut at the field's width. Returns the position after the field.
char* WriteField(char* dest, const QString& cell, int length) {
  const qsizetype written = WriteCp1250(Trimmed(cell), dest, length);
  std::memset(dest + written, ' ', length - written);
  return dest + length;
}

}  // namespace

bool DbfFile::FieldsWritable() const {
  if (fieldCount < 1 || fieldCount > kMaxFields || names.size() != fieldCount ||
      static_cast<int>(lengths.size()) != fieldCount) {
    return false;
  }
  int record = 1;
  for (const int length : lengths) {
    if (length < 1 || length > kMaxFieldLength) return false;
    record += length;
  }
  return record <= std::numeric_limits<std::uint16_t>::max();
}

bool DbfFile::WriteDbf(QIODevice& device, const ListModel& list, const QDate& date,
                       const DbfProgress& progress) const {
  // Lengths the header's bytes cannot express would give a table no reader can open.
  if (!FieldsWritable() || !date.isValid()) return false;
  int record = 1;
  for (const int length : lengths) record += length;
  const int rows = list.RowCount();
  if (!WriteAll(device, Header(*this, rows, record, date))) return false;

  // Records are filled in place in one block and written whenever the next would not fit.
  QByteArray block(std::max<qsizetype>(kBlockSize, record), Qt::Uninitialized);
  char* const begin = block.data();
  char* const end = begin + block.size();
  char* dest = begin;
  if (progress) progress(0, rows);
  for (int row = 0; row < rows; ++row) {
    if (end - dest < record) {
      if (!WriteAll(device, QByteArrayView(begin, dest - begin))) return false;
      dest = begin;
    }
    *dest++ = dbf::kLive;
    for (int field = 0; field < fieldCount; ++field) {
      dest = WriteField(dest, list.Cell(row, field), lengths[field]);
    }
    if (progress) progress(row + 1, rows);
  }
  if (dest == end) {
    if (!WriteAll(device, block)) return false;
    dest = begin;
  }
  *dest++ = dbf::kFileEnd;
  return WriteAll(device, QByteArrayView(begin, dest - begin));
}
