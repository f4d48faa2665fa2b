#pragma once

#include <QString>

// Fiscal codes and CNPs of the benchmark registers: distinct per company and person, and
// of the columns' widths (they are not checked as real codes).
inline QString CompanyCode(int company) { return QString::number(10000000 + company); }

inline QString PersonCode(int company, int person) {
  return QString::number(1700000000000LL + company * 100000LL + person);
}
