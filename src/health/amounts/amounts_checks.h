#pragma once

#include <QString>
#include <optional>

class ListModel;

// The arithmetic and the rules of the monthly amounts that need no database.

// A salary or a fund as typed: digits with at most one decimal point or comma ("1234,50" is
// 1234.5); empty is 0. Nothing when it is not such a number ("12a", "1.234,50", "-5").
[[nodiscard]] std::optional<double> ReadAmount(const QString& text);
// How an amount is stored and shown in the lists: a point before the decimals, no trailing
// zeros ("1234.5", "1000").
QString AmountText(double amount);
// A whole-lei amount typed into a digits-only box; empty is 0.
QString WholeLeiText(const QString& typed);

// The contribution in whole lei on an amount at a rate in percent.
long long Contribution(double amount, double rate);
// A rate as its labels show it: "5.5", "5.2", "6.0".
QString RateText(double rate);

// The reasons a form refuses its amount.
QString BadSalaryMessage();
QString BadFundMessage();

// The totals of the employees of a company in the report month, each cell read as a number.
struct EmployeeTotals {
  double fund = 0;  // Σ SALARIU
  double owed = 0;  // Σ ASIG_DATORAT
  double paid = 0;  // Σ ASIG_VIRAT
};
EmployeeTotals SumEmployeeAmounts(const ListModel& employees);

// The four totals as the step of the employees' amounts shows them.
struct TotalsTexts {
  QString fund;      // "1234.50"
  QString employer;  // "64": the employer's contribution on the fund, ungrouped
  QString owed;      // "1.234"
  QString paid;
};
TotalsTexts FormatTotals(const EmployeeTotals& totals, int month);
