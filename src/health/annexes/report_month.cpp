#include "health/annexes/report_month.h"

#include "common/dates.h"

namespace {

bool OnlyDigits(const QString& text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

}  // namespace

std::optional<int> TypedReportMonth(const QString& month, const QString& year) {
  // A sign or a blank would be read as a number by CheckDate yet stand in the typed text;
  // the key is made from the numbers, so only plain digits are taken.
  if (!OnlyDigits(month) || !OnlyDigits(year)) return std::nullopt;
  if (!CheckDate(QStringLiteral("01"), month, year)) return std::nullopt;
  return year.toInt() * 100 + month.toInt();
}

QString ReportMonthText(int month) {
  return QStringLiteral("%1 %2").arg(month % 100).arg(month / 100);
}

QString ReportYearBox(int month) { return QString::number(month / 100); }

QString ReportMonthBox(int month) {
  return QStringLiteral("%1").arg(month % 100, 2, 10, QLatin1Char('0'));
}

int FirstDayBound(int month) { return month * 100 + 1; }

int LastDayBound(int month) { return month * 100 + 31; }
