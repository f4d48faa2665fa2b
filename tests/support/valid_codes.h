#pragma once

#include <QString>

#include "common/identifiers.h"

// Valid fiscal codes and CNPs, the same number giving the same code in every process: the
// workstations' overlapping ranges collide on purpose.

// The control digit that makes the code valid, found by trying each.
template <typename Check>
QString WithControlDigit(const QString& body, Check check) {
  for (char digit = '0'; digit <= '9'; ++digit) {
    const QString code = body + QLatin1Char(digit);
    if (check(code)) return code;
  }
  return {};
}

inline QString WorkstationCui(int number) {
  return WithControlDigit(QString::number(2000000 + number), CheckCui);
}

// Men born on a day of 1980 in county 22, a serial per day.
inline QString WorkstationCnp(int number) {
  const int day = 1 + number % 28;
  const int month = 1 + (number / 28) % 12;
  const int serial = number / (28 * 12);
  return WithControlDigit(QStringLiteral("180%1%2%3%4")
                              .arg(month, 2, 10, QLatin1Char('0'))
                              .arg(day, 2, 10, QLatin1Char('0'))
                              .arg(22)
                              .arg(serial, 3, 10, QLatin1Char('0')),
                          CheckCnp);
}
