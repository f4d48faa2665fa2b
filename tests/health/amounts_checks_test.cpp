#include <gtest/gtest.h>

#include "health/amounts/amounts_checks.h"
#include "health/annexes/report_month.h"
#include "store/list_model.h"
#include "support/print_to.h"

namespace {

TEST(ReportMonthTest, TypedMonthBecomesYearTimesHundredPlusMonth) {
  const std::tuple<QString, QString, std::optional<int>> cases[] = {
      {"6", "2009", 200906}, {"06", "2009", 200906}, {"12", "2100", 210012}, {"1", "1900", 190001},
      {"13", "2009", {}},    {"0", "2009", {}},      {"00", "2009", {}},     {"6", "1899", {}},
      {"6", "2101", {}},     {"6", "09", {}},        {"+6", "2009", {}},     {"6", "+2009", {}},
      {" 6", "2009", {}},    {"", "2009", {}},       {"6", "", {}},
  };
  for (const auto& [month, year, expected] : cases) {
    EXPECT_EQ(TypedReportMonth(month, year), expected) << month << " " << year;
  }
}

TEST(ReportMonthTest, MonthIsShownWithoutLeadingZeroAndReopensPadded) {
  EXPECT_EQ(ReportMonthText(200906), QStringLiteral("6 2009"));
  EXPECT_EQ(ReportMonthText(200912), QStringLiteral("12 2009"));
  EXPECT_EQ(ReportMonthBox(200906), QStringLiteral("06"));
  EXPECT_EQ(ReportYearBox(200906), QStringLiteral("2009"));
  EXPECT_EQ(FirstDayBound(200902), 20090201);
  EXPECT_EQ(LastDayBound(200902), 20090231);
}

TEST(AmountsTest, SalaryAndFundTakeAPointOrACommaAndNothingElse) {
  const std::pair<QString, std::optional<double>> cases[] = {
      {"1234,50", 1234.5}, {"1234.50", 1234.5}, {"1000", 1000}, {"", 0},
      {"  ", 0},           {" 12 ", 12},        {",5", 0.5},    {"7.", 7},
      {"1.234,50", {}},    {"1,234.5", {}},     {"12a", {}},    {"abc", {}},
      {"-5", {}},          {"+5", {}},          {"1 000", {}},  {".", {}},
  };
  for (const auto& [typed, expected] : cases) {
    EXPECT_EQ(ReadAmount(typed), expected) << typed;
  }
  EXPECT_EQ(AmountText(1234.5), QStringLiteral("1234.5"));
  EXPECT_EQ(AmountText(1000), QStringLiteral("1000"));
  EXPECT_EQ(AmountText(0.1), QStringLiteral("0.1"));
  EXPECT_EQ(WholeLeiText(""), QStringLiteral("0"));
  EXPECT_EQ(WholeLeiText("070"), QStringLiteral("70"));
}

TEST(AmountsTest, ContributionsAreWholeLeiAtTheMonthsRate) {
  struct Case {
    double amount;
    double rate;
    long long expected;
  };
  const Case cases[] = {{1000, 5.5, 55}, {1000, 5.2, 52}, {1234.5, 5.5, 68},
                        {90, 5.5, 5},    {100, 6.5, 7},   {0, 5.5, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(Contribution(c.amount, c.rate), c.expected) << c.amount << " at " << c.rate;
  }
  EXPECT_EQ(RateText(5.5), QStringLiteral("5.5"));
  EXPECT_EQ(RateText(6), QStringLiteral("6.0"));
}

TEST(AmountsTest, TotalsReadEveryCellAsANumberAndShowInTheirOwnForms) {
  ListModel list;
  for (const char* column : {"SALARIU", "ASIG_DATORAT", "ASIG_VIRAT"}) {
    list.InsertColumn(list.ColumnCount(), QLatin1String(column));
  }
  const QStringList rows[] = {{"1234.5", "68", "68"}, {"", "", ""}, {"20000", "1100", "1000"}};
  for (const QStringList& row : rows) list.AppendRowCells(row);
  const EmployeeTotals totals = SumEmployeeAmounts(list);
  EXPECT_DOUBLE_EQ(totals.fund, 21234.5);
  const TotalsTexts shown = FormatTotals(totals, 200906);
  EXPECT_EQ(shown.fund, QStringLiteral("21234.50"));
  EXPECT_EQ(shown.employer, QStringLiteral("1104"));  // 5.2 % of the fund, ungrouped
  EXPECT_EQ(shown.owed, QStringLiteral("1.168"));
  EXPECT_EQ(shown.paid, QStringLiteral("1.068"));

  const TotalsTexts none = FormatTotals(SumEmployeeAmounts(ListModel()), 200906);
  EXPECT_EQ(QStringList({none.fund, none.employer, none.owed, none.paid}),
            QStringList({"0.00", "0", "0", "0"}));
}

}  // namespace
