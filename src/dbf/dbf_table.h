#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

#include "store/cell_source.h"

// The records of a dBase III table as read: the bytes of the records kept once, as the file
// has them, each record found by its place and a cell decoded only when it is asked for.
// Rows are the records not marked deleted, in file order; columns are the fields. Made by
// DbfFile::Read, which checks the header first. The bytes are a copy, not a mapping of the
// file: a medium taken out while its records are shown must not take the program with it.
class DbfTable : public CellSource {
 public:
  struct Field {
    int offset = 0;  // from the record's start, after the deletion mark
    int length = 0;
    bool numeric = false;
  };

  // The records' bytes one after another, each a deletion mark and then the fields in order,
  // and the numbers of the records that are rows.
  DbfTable(std::vector<Field> fields, QByteArray records, std::vector<std::uint32_t> live);

  int RowCount() const override { return static_cast<int>(live_.size()); }
  int ColumnCount() const override { return static_cast<int>(fields_.size()); }
  // A numeric field without blanks around, without leading zeros and with a decimal comma;
  // any other field as stored, trailing blanks included, a single blank as an empty text.
  // A zero byte ends the field's value. Windows-1250.
  QString Cell(int row, int column) const override;

 private:
  std::vector<Field> fields_;
  int recordSize_ = 1;
  QByteArray records_;
  std::vector<std::uint32_t> live_;  // the record number of each row
};
