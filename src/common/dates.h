#pragma once

#include <QDate>
#include <QString>

// Dates are eight-digit integers year, month, day (20090604); 0 means no date.
// Months of a report are six-digit integers year, month (200906).

// Day, month and year as typed in the three fields of a form; a field that is not a number
// reads 0. Valid for real calendar dates from 1900 to 2100.
[[nodiscard]] bool CheckDate(const QString& day, const QString& month, const QString& year);

// The calendar day before, across month and year ends. A value that is not a date (month
// outside 1..12 or day 0, such as the 0 of "no date") is returned unchanged.
int PreviousDay(int date);

// The given day as "2009.06.04".
QString DateText(const QDate& date);
// Today's local date as "2009.06.04".
QString TodayText();

// "Ianuarie" … "Decembrie" for 1..12, "EROARE" for any other number.
QString MonthName(int month);

// Days in the month of the year (Gregorian calendar), 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
