#pragma once

#include <QString>
#include <optional>

// The report month of the health reports, held as the number 200906 (year × 100 + month);
// 0 while none is chosen.

// The month typed into the month and year boxes: both digits only and, with day "01", a
// date that CheckDate accepts. Nothing otherwise ("13", "0", year "1899" or "09").
[[nodiscard]] std::optional<int> TypedReportMonth(const QString& month, const QString& year);

// "6 2009": the month without a leading zero, then the year.
QString ReportMonthText(int month);
// The boxes of a month being shown again: "2009" and "06".
QString ReportYearBox(int month);
QString ReportMonthBox(int month);

// The dates a month is compared with: its first day (20090601) and "31" of it (20090631),
// whatever the month's length.
int FirstDayBound(int month);
int LastDayBound(int month);
