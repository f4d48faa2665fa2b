#include <gtest/gtest.h>

#include "common/dates.h"

namespace {

TEST(CheckDate, CalendarAndRange) {
  struct Case {
    const char* day;
    const char* month;
    const char* year;
    bool valid;
  };
  const Case cases[] = {
      {"4", "6", "2009", true},
      {"04", "06", "2009", true},
      {"31", "12", "2100", true},
      {"1", "1", "1900", true},
      {"1", "1", "1899", false},
      {"1", "1", "2101", false},
      {"31", "4", "2009", false},
      {"30", "4", "2009", true},
      {"31", "1", "2009", true},
      {"32", "1", "2009", false},
      {"0", "1", "2009", false},
      {"1", "0", "2009", false},
      {"1", "13", "2009", false},
      {"29", "2", "2008", true},
      {"29", "2", "2009", false},
      {"28", "2", "2009", true},
      {"29", "2", "2000", true},
      // Century years not divisible by 400 have no 29 February.
      {"29", "2", "1900", false},
      {"29", "2", "2100", false},
      {"", "", "", false},
      {"ab", "6", "2009", false},  // a non-number reads 0
      {" 4", "6 ", "2009", true},
      {"99999999999999999999", "1", "2009", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckDate(QLatin1String(c.day), QLatin1String(c.month), QLatin1String(c.year)),
              c.valid)
        << c.day << "." << c.month << "." << c.year;
  }
}

TEST(PreviousDay, AcrossMonthAndYearEnds) {
  const std::pair<int, int> cases[] = {
      {20090301, 20090228},
      {20080301, 20080229},
      {20000301, 20000229},
      {21000301, 21000228},
      {20090101, 20081231},
      {20090330, 20090329},
      {20090501, 20090430},
      {20091201, 20091130},
      {20090801, 20090731},
      {20090604, 20090603},
      {0, 0},                // no date stays no date
      {20091301, 20091301},  // not a date: unchanged
  };
  for (const auto& [date, before] : cases) EXPECT_EQ(PreviousDay(date), before) << date;
}

TEST(DateText, YearMonthDayWithPoints) {
  EXPECT_EQ(DateText(QDate(2009, 6, 4)), QStringLiteral("2009.06.04"));
  EXPECT_EQ(DateText(QDate(2010, 12, 31)), QStringLiteral("2010.12.31"));
  const QString today = TodayText();
  EXPECT_TRUE(today == DateText(QDate::currentDate()) ||
              today == DateText(QDate::currentDate().addDays(-1)))  // midnight passed
      << today.toStdString();
}

TEST(MonthName, NamesAndError) {
  const char* names[] = {"Ianuarie",   "Februarie", "Martie",    "Aprilie",
                         "Mai",        "Iunie",     "Iulie",     "August",
                         "Septembrie", "Octombrie", "Noiembrie", "Decembrie"};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(MonthName(month), QLatin1String(names[month - 1]));
  }
  for (const int month : {0, 13, -1, 200906}) EXPECT_EQ(MonthName(month), QStringLiteral("EROARE"));
}

}  // namespace
