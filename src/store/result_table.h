#pragma once

#include <QString>
#include <QStringList>

struct st_mysql_res;

// The rows of the last query run with the store flag: upper-case column names, one type
// letter per column ("N", "D" or "C"), every cell as trimmed text (NULL as empty text).
class ResultTable {
 public:
  void Clear();
  // Copies the whole server result into memory; the caller still owns and frees it.
  void Load(st_mysql_res* result);

  // The cell of `row` (from 0) in the column named exactly `upperName`, or "EROARE".
  QString GetField(double row, const QString& upperName) const;

  double RowCount() const { return rowCount_; }
  const QStringList& ColumnNames() const { return names_; }
  const QStringList& ColumnTypes() const { return types_; }
  const QStringList& Cells() const { return cells_; }

 private:
  QStringList names_;
  QStringList types_;
  QStringList cells_;
  double rowCount_ = 0;
};
