#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/amounts.h"
#include "common/number_texts.h"

namespace {

TEST(ContributionRate, ByReportMonth) {
  struct Case {
    int month;
    double employer;
    double employees;
  };
  const Case cases[] = {
      {199001, 5, 5},     {199812, 5, 5},     {199901, 7, 7},     {200212, 7, 7},
      {200301, 7, 6.5},   {200612, 7, 6.5},   {200701, 6, 6.5},   {200712, 6, 6.5},
      {200801, 5.5, 6.5}, {200806, 5.5, 6.5}, {200807, 5.5, 5.5}, {200811, 5.5, 5.5},
      {200812, 5.2, 5.5}, {200906, 5.2, 5.5}, {203001, 5.2, 5.5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContributionRate(c.month, RatePayer::kEmployer), c.employer) << c.month;
    EXPECT_EQ(ContributionRate(c.month, RatePayer::kEmployees), c.employees) << c.month;
  }
  EXPECT_EQ(ContributionRate(200906, static_cast<RatePayer>(7)), 0);
}

TEST(RoundLei, HalvesUpNegativesTruncated) {
  const std::pair<double, double> cases[] = {
      {12.5, 13},
      {12.49, 12},
      {0.5, 1},
      {0.49, 0},
      {0, 0},
      {-2.7, -2},
      {-2.5, -2},
      {-0.4, 0},
      {55.0000000001, 55},
      {1e15 + 0.5, 1e15 + 1},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& [amount, lei] : cases) EXPECT_EQ(RoundLei(amount), lei) << amount;
  // The contributions of a salary of 1000 lei in June 2009.
  EXPECT_EQ(RoundLei(1000 * ContributionRate(200906, RatePayer::kEmployees) * 0.01), 55);
  EXPECT_EQ(RoundLei(1000 * ContributionRate(200906, RatePayer::kEmployer) * 0.01), 52);
}

TEST(FormatDecimal, FixedDecimalsWithPoint) {
  struct Case {
    double x;
    int decimals;
    bool grouped;
    const char* text;
  };
  const Case cases[] = {
      {5.2, 1, false, "5.2"},
      {7, 1, false, "7.0"},
      {6.5, 1, false, "6.5"},
      {1234.5, 2, false, "1234.50"},
      {0, 2, false, "0.00"},
      {0.25, 2, false, "0.25"},
      {-0.75, 2, false, "-0.75"},
      {-1234.567, 2, false, "-1234.57"},
      {2.675, 2, false, "2.67"},  // the double below 2.675
      {1234567.5, 2, true, "1.234.567,50"},
      {-1234567.5, 1, true, "-1.234.567,5"},
      {999.999, 2, true, "1.000,00"},
      {12, 0, false, "12"},
      {-0.001, 2, false, "0.00"},  // rounds to zero: no sign
      {std::numeric_limits<double>::infinity(), 2, false, "0.00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDecimal(c.x, c.decimals, c.grouped), QLatin1String(c.text)) << c.x;
  }
  EXPECT_EQ(FormatDecimal(1e300, 2, false).size(), 304);
}

TEST(FormatThousands, GroupsAndComma) {
  const std::pair<const char*, const char*> cases[] = {
      {"1234567.5", "1.234.567,5"},
      {"2500", "2.500"},
      {"250", "250"},
      {"123456", "123.456"},
      {"-1234", "-1.234"},
      {"-123", "-123"},
      {"0.05", "0,05"},
      {"1234.", "1.234,"},
      {"", "0"},
      {"1000000", "1.000.000"},
  };
  for (const auto& [number, shown] : cases) {
    EXPECT_EQ(FormatThousands(QLatin1String(number)), QLatin1String(shown)) << number;
  }
}

TEST(IntegerText, PlainOrGrouped) {
  EXPECT_EQ(IntegerText(1234567, false), QStringLiteral("1234567"));
  EXPECT_EQ(IntegerText(1234567, true), QStringLiteral("1.234.567"));
  EXPECT_EQ(IntegerText(-4500, true), QStringLiteral("-4.500"));
  EXPECT_EQ(IntegerText(0, true), QStringLiteral("0"));
  EXPECT_EQ(IntegerText(std::numeric_limits<long long>::min(), true),
            QStringLiteral("-9.223.372.036.854.775.808"));
}

}  // namespace
