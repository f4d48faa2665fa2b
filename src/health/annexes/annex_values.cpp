#include "health/annexes/annex_values.h"

#include <QRegularExpression>

#include "common/amounts.h"
#include "common/number_texts.h"

std::optional<MonthParts> SplitMonth(const QString& month) {
  static const QRegularExpression monthKey(QStringLiteral("^[0-9]{4}(0[1-9]|1[0-2])$"));
  if (!monthKey.match(month).hasMatch()) return std::nullopt;
  return MonthParts{month,
                    month.mid(4, 2),
                    month.left(4),
                    month.mid(2, 2),
                    month + QStringLiteral("01"),
                    month + QStringLiteral("31")};
}

RegComParts SplitRegCom(const QString& regCom) {
  const qsizetype first = regCom.indexOf(u'/');
  if (first < 0) return {{}, {}, regCom};
  const qsizetype second = regCom.indexOf(u'/', first + 1);
  if (second < 0) return {regCom.left(first), regCom.mid(first + 1), {}};
  return {regCom.left(first), regCom.mid(first + 1, second - first - 1), regCom.mid(second + 1)};
}

ReprParts SplitRepr(const QString& repr) {
  const qsizetype blank = repr.indexOf(u' ');
  if (blank < 0) return {{}, repr};
  return {repr.left(blank), repr.mid(blank + 1)};
}

std::optional<double> WrittenAmountValue(const QString& stored) {
  const QString text = stored.trimmed();
  if (text.isEmpty()) return std::nullopt;
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (!ok) return std::nullopt;
  return RoundLei(value);
}

QString WrittenAmount(const QString& stored) {
  const std::optional<double> value = WrittenAmountValue(stored);
  return value ? FormatInteger(*value) : QString();
}
