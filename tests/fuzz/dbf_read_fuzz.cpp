// libFuzzer target: any bytes given to the dBase reader must end in 1 or 0, without a
// crash, a hang, or memory taken from a count the bytes cannot back.

#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "dbf/dbf_file.h"
#include "store/list_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  DbfFile table;
  ListModel list;
  // What was read must agree with itself: every row has one cell per field.
  if (table.ReadDbf(buffer, list)) {
    if (list.ColumnCount() != table.fieldCount || table.names.size() != table.fieldCount) {
      __builtin_trap();
    }
    if (list.RowCount() > table.recordCount) __builtin_trap();
  }
  return 0;
}
