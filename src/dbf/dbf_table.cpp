#include "dbf/dbf_table.h"

#include <algorithm>
#include <cstring>

#include "dbf/codepage.h"

namespace {

// The field's bytes up to the first zero byte.
QByteArrayView UpToNul(QByteArrayView bytes) {
  return {bytes.begin(), std::find(bytes.begin(), bytes.end(), '\0')};
}

// Whether the bytes are ASCII without a zero byte, as most fields are: then the code page is
// Latin-1 and the field ends at its width. Eight bytes at a time, since every cell asked
// for passes here.
bool IsPlainAscii(QByteArrayView bytes) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  const char* p = bytes.data();
  qsizetype left = bytes.size();
  for (; left >= 8; p += 8, left -= 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    // A high bit of its own, or one a zero byte leaves after the subtraction.
    if (((word | ((word - kOnes) & ~word)) & kHighBits) != 0) return false;
  }
  for (; left > 0; ++p, --left) {
    if (*p == '\0' || static_cast<unsigned char>(*p) >= 0x80) return false;
  }
  return true;
}

QString Decode(QByteArrayView bytes, bool plain) {
  return plain ? QString::fromLatin1(bytes) : FromCp1250(bytes);
}

QByteArrayView TrimBlanks(QByteArrayView bytes) {
  while (!bytes.isEmpty() && bytes.front() == ' ') bytes = bytes.sliced(1);
  while (!bytes.isEmpty() && bytes.back() == ' ') bytes.chop(1);
  return bytes;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A numeric field as the lists show numbers. A zero in front of the point or standing alone
// is kept, so 0.5 reads "0,5" and a left-aligned 0 reads "0", not an empty cell.
QString NumericCell(QByteArrayView bytes, bool plain) {
  bytes = TrimBlanks(bytes);
  while (bytes.size() > 1 && bytes.front() == '0' && IsDigit(bytes[1])) bytes = bytes.sliced(1);
  QString text = Decode(bytes, plain);
  if (bytes.contains('.')) text.replace(u'.', u',');
  return text;
}

QString TextCell(QByteArrayView bytes, bool plain) {
  if (bytes.size() == 1 && bytes.front() == ' ') return {};
  return Decode(bytes, plain);
}

int RecordSizeOf(const std::vector<DbfTable::Field>& fields) {
  int size = 1;  // the deletion mark
  for (const DbfTable::Field& field : fields) size += field.length;
  return size;
}

}  // namespace

DbfTable::DbfTable(std::vector<Field> fields, QByteArray records, std::vector<std::uint32_t> live)
    : fields_(std::move(fields)),
      recordSize_(RecordSizeOf(fields_)),
      records_(std::move(records)),
      live_(std::move(live)) {}

QString DbfTable::Cell(int row, int column) const {
  const Field& field = fields_[column];
  const qsizetype start = static_cast<qsizetype>(live_[row]) * recordSize_ + 1 + field.offset;
  QByteArrayView bytes = QByteArrayView(records_).sliced(start, field.length);
  const bool plain = IsPlainAscii(bytes);
  if (!plain) bytes = UpToNul(bytes);
  return field.numeric ? NumericCell(bytes, plain) : TextCell(bytes, plain);
}
