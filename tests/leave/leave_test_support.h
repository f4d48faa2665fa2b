#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <ostream>
#include <vector>

#include "leave/replay/rectification_replay.h"
#include "support/print_to.h"

// Failures show the figures, not their bytes.
inline void PrintTo(const IndemnityGroup& group, std::ostream* os) {
  *os << '{' << group.cases << " cases, " << group.benefitDays << " days, " << group.fnuassDays
      << " FNUASS days, " << group.fnuassSum << '}';
}

// A certificate entry of the month's declaration `declaration` (0 the initial one); FNUASS
// bears half of the benefit days.
struct MonthEntry {
  int declaration;
  CertificateEntry entry;
};

inline MonthEntry Entry(int declaration, const char* type, const char* cnp, const char* series,
                        const char* number, int code, long long days, double sum) {
  return {declaration,
          {QLatin1String(type), QLatin1String(cnp), QLatin1String(series), QLatin1String(number),
           code, days, days / 2, sum}};
}

// The entries the month's replay reads up to the declaration numbered upTo.
inline std::vector<CertificateEntry> UpTo(const std::vector<MonthEntry>& month, int upTo) {
  std::vector<CertificateEntry> entries;
  for (const MonthEntry& row : month) {
    if (row.declaration <= upTo) entries.push_back(row.entry);
  }
  return entries;
}
