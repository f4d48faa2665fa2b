#include "common/amounts.h"

#include <array>
#include <cmath>

namespace {

struct RatePeriod {
  int lastMonth;  // the period's last report month, as 200912
  double employer;
  double employees;
};

// The rates changed by law at these month ends; a month after the last period uses the
// current rates.
constexpr std::array<RatePeriod, 6> kPeriods = {{
    {199812, 5.0, 5.0},
    {200212, 7.0, 7.0},
    {200612, 7.0, 6.5},
    {200712, 6.0, 6.5},
    {200806, 5.5, 6.5},
    {200811, 5.5, 5.5},
}};
constexpr RatePeriod kCurrent = {0, 5.2, 5.5};

const RatePeriod& PeriodOf(int month) {
  for (const RatePeriod& period : kPeriods) {
    if (month <= period.lastMonth) return period;
  }
  return kCurrent;
}

}  // namespace

double ContributionRate(int month, RatePayer payer) {
  const RatePeriod& period = PeriodOf(month);
  switch (payer) {
    case RatePayer::kEmployer:
      return period.employer;
    case RatePayer::kEmployees:
      return period.employees;
  }
  return 0;
}

double RoundLei(double amount) {
  if (!std::isfinite(amount)) return 0;
  const double whole = std::trunc(amount);
  if (amount >= 0 && amount - whole >= 0.5) return whole + 1;
  return whole;
}
