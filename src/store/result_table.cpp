#include "store/result_table.h"

#include <mysql.h>

namespace {

QString TypeLetter(enum_field_types type) {
  switch (type) {
    case MYSQL_TYPE_DECIMAL:  // the old form; the new one (NEWDECIMAL) is text
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_YEAR:
      return QStringLiteral("N");
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
      return QStringLiteral("D");
    default:
      return QStringLiteral("C");
  }
}

}  // namespace

void ResultTable::Clear() {
  names_.clear();
  types_.clear();
  cells_.clear();
  rowCount_ = 0;
}

void ResultTable::Load(st_mysql_res* result) {
  Clear();
  if (result == nullptr) return;
  const unsigned fields = mysql_num_fields(result);
  cells_.reserve(static_cast<qsizetype>(mysql_num_rows(result)) * fields);
  while (MYSQL_ROW row = mysql_fetch_row(result)) {
    const unsigned long* lengths = mysql_fetch_lengths(result);
    for (unsigned i = 0; i < fields; ++i) {
      if (row[i] == nullptr) {
        cells_.append(QString());
      } else {
        cells_.append(QString::fromUtf8(row[i], static_cast<qsizetype>(lengths[i])).trimmed());
      }
    }
  }
  for (unsigned i = 0; i < fields; ++i) {
    const MYSQL_FIELD* field = mysql_fetch_field_direct(result, i);
    names_.append(QString::fromUtf8(field->name).toUpper());
    types_.append(TypeLetter(field->type));
  }
  rowCount_ = fields == 0 ? 0 : static_cast<double>(cells_.size() / fields);
}

QString ResultTable::GetField(double row, const QString& upperName) const {
  const qsizetype column = names_.indexOf(upperName);
  if (column < 0 || row < 0) return QStringLiteral("EROARE");
  const double position = row * static_cast<double>(names_.size()) + static_cast<double>(column);
  if (position >= static_cast<double>(cells_.size())) return QStringLiteral("EROARE");
  return cells_.at(static_cast<qsizetype>(position));
}
