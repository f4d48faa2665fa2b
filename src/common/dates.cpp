#include "common/dates.h"

#include <algorithm>
#include <array>

#include "common/number_texts.h"

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// A number typed into a date field; blanks around it are ignored, anything else reads 0.
long long FieldNumber(const QString& text) { return LeadingInteger(text.trimmed()); }

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

bool CheckDate(const QString& day, const QString& month, const QString& year) {
  const long long d = FieldNumber(day);
  const long long m = FieldNumber(month);
  const long long y = FieldNumber(year);
  if (y < 1900 || y > 2100 || m < 1 || m > 12 || d < 1) return false;
  // 1900 and 2100 are not leap years: 29 February of those years never existed.
  return d <= DaysInMonth(static_cast<int>(y), static_cast<int>(m));
}

int PreviousDay(int date) {
  int year = date / 10000;
  int month = date / 100 % 100;
  int day = date % 100;
  if (month < 1 || month > 12 || day < 1) return date;
  day = std::min(day, DaysInMonth(year, month) + 1) - 1;
  if (day == 0) {
    if (--month == 0) {
      month = 12;
      --year;
    }
    day = DaysInMonth(year, month);
  }
  return year * 10000 + month * 100 + day;
}

QString DateText(const QDate& date) {
  return QStringLiteral("%1.%2.%3")
      .arg(date.year(), 4, 10, QLatin1Char('0'))
      .arg(date.month(), 2, 10, QLatin1Char('0'))
      .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString TodayText() { return DateText(QDate::currentDate()); }

QString MonthName(int month) {
  static const std::array<QString, 12> kNames = {
      QStringLiteral("Ianuarie"),  QStringLiteral("Februarie"), QStringLiteral("Martie"),
      QStringLiteral("Aprilie"),   QStringLiteral("Mai"),       QStringLiteral("Iunie"),
      QStringLiteral("Iulie"),     QStringLiteral("August"),    QStringLiteral("Septembrie"),
      QStringLiteral("Octombrie"), QStringLiteral("Noiembrie"), QStringLiteral("Decembrie"),
  };
  if (month < 1 || month > 12) return QStringLiteral("EROARE");
  return kNames[month - 1];
}
