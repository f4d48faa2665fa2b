#pragma once

#include <QString>

// Rows whose cell texts are made only when asked for, such as the records of a file kept as
// its bytes. A list shows them without holding a text per cell (ListModel::SetSourceRows).
class CellSource {
 public:
  virtual ~CellSource() = default;
  virtual int RowCount() const = 0;
  virtual int ColumnCount() const = 0;
  // The text of a cell; row and column are within the counts.
  virtual QString Cell(int row, int column) const = 0;
};
