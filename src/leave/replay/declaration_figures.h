#pragma once

#include <QString>

// The figures the declaration form computes as the user types. All amounts are whole lei
// typed as digits; the computations are exact integer arithmetic.

// Digits the form's fields accept. The number of employees fits the A1 file's 6-digit
// NR_ANGAJ; amounts stop at 15 digits because the server writes a DOUBLE of 16 digits or
// more in exponent form ("1e17"), which no later reader would take for the amount.
inline constexpr int kMonthDigits = 2;
inline constexpr int kYearDigits = 4;
inline constexpr int kWorkingDaysDigits = 2;
inline constexpr int kEmployeesDigits = 6;
inline constexpr int kAmountDigits = 15;

// The values of the declaration form's fields, as typed or shown.
struct DeclarationFormValues {
  QString month;
  QString year;
  QString number;  // the rectification number; "0" for an initial declaration being modified
  QString workingDays;
  QString minimumWage;
  QString d;     // employees
  QString e;     // salary fund
  QString base;  // calculation base
  QString f;
  QString g;
  QString h;
  QString i;
  QString k;
};

// The month as a MonthKey: year then the two-digit month (2009 and "6" give 200906).
int DeclarationMonthKey(const QString& month, const QString& year);

// The contribution rate for leave and indemnities in hundredths of a percent: 0.75% up to
// 2006, 0.85% from 2007 on.
int LeaveContributionRate(const QString& year);
// The text beside F: "= baza de calcul x 0.75%" or "= baza de calcul x 0.85%".
QString LeaveRateLabel(const QString& year);

// The salary fund as typed, but no more than employees x 12 months x minimum wage.
QString CalculationBase(const QString& minimumWage, const QString& employees,
                        const QString& salaryFund);
// F: the base at the year's rate, rounded to whole lei with halves upward; a base that owes
// less than one leu but more than nothing owes one.
QString LeaveContributions(const QString& base, const QString& year);
// H: 0.85% of the indemnities paid from FAAMBP, rounded with halves upward.
QString FaambpContributions(const QString& g);
// I = F + H.
QString TotalContributions(const QString& f, const QString& h);
