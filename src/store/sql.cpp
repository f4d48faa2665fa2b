#include "store/sql.h"

#include "store/c_client.h"

SqlValue NumberValue(const QString& checked) { return SqlValue(checked); }

SqlValue Number(const QString& value) { return NumberValue(CClient::Number(value)); }

SqlValue Number(double value) { return NumberValue(CClient::Number(value)); }

QString FillStatement(QStringView statement, const SqlValue* const* values, qsizetype count) {
  QString filled;
  filled.reserve(statement.size() + count * 16);
  qsizetype at = 0;
  while (at < statement.size()) {
    qsizetype end = at + 1;
    if (statement[at] != u'%') {
      filled.append(statement[at]);
      at = end;
      continue;
    }
    qsizetype number = 0;
    while (end < statement.size() && statement[end].isDigit() && number <= count) {
      number = number * 10 + statement[end].digitValue();
      ++end;
    }
    if (number >= 1 && number <= count) {
      filled.append(values[number - 1]->Literal());
    } else {
      filled.append(statement.mid(at, end - at));
    }
    at = end;
  }
  return filled;
}
