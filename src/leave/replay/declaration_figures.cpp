#include "leave/replay/declaration_figures.h"

#include <limits>

#include "common/identifiers.h"
#include "common/number_texts.h"

namespace {

constexpr long long kMax = std::numeric_limits<long long>::max();
constexpr long long kFaambpRate = 85;  // hundredths of a percent

// value x rate / 10000, rounded to whole lei with halves upward (truncated below zero, as
// RoundLei does), without the product ever overflowing.
long long ApplyRate(long long value, long long rate) {
  const long long whole = value / 10000;
  const long long rest = value % 10000;
  const long long rounding = value >= 0 ? 5000 : 0;
  return whole * rate + (rest * rate + rounding) / 10000;
}

}  // namespace

int DeclarationMonthKey(const QString& month, const QString& year) {
  return static_cast<int>(LeadingInteger(year + PadLeft(month, 2)));
}

int LeaveContributionRate(const QString& year) { return LeadingInteger(year) > 2006 ? 85 : 75; }

QString LeaveRateLabel(const QString& year) {
  return LeaveContributionRate(year) == 85 ? QStringLiteral("= baza de calcul x 0.85%")
                                           : QStringLiteral("= baza de calcul x 0.75%");
}

QString CalculationBase(const QString& minimumWage, const QString& employees,
                        const QString& salaryFund) {
  const long long fund = LeadingInteger(salaryFund);
  // A cap beyond what any fund can reach leaves the fund as typed: the product is only
  // completed when it cannot overflow.
  long long cap = 0;
  if (__builtin_mul_overflow(LeadingInteger(minimumWage), LeadingInteger(employees), &cap) ||
      __builtin_mul_overflow(cap, 12LL, &cap)) {
    cap = kMax;
  }
  return fund > cap ? QString::number(cap) : salaryFund;
}

QString LeaveContributions(const QString& base, const QString& year) {
  const long long value = LeadingInteger(base);
  const long long rate = LeaveContributionRate(year);
  const bool underOneLeu = value > 0 && value < 10000 && value * rate < 10000;
  return underOneLeu ? QStringLiteral("1") : QString::number(ApplyRate(value, rate));
}

QString FaambpContributions(const QString& g) {
  return QString::number(ApplyRate(LeadingInteger(g), kFaambpRate));
}

QString TotalContributions(const QString& f, const QString& h) {
  long long total = 0;
  if (__builtin_add_overflow(LeadingInteger(f), LeadingInteger(h), &total)) total = kMax;
  return QString::number(total);
}
