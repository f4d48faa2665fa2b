#include "companies/company_checks.h"
#include <gtest/gtest.h>

#include "support/print_to.h"

namespace {

TEST(CompanyChecks, EachRuleRefusesWithItsMessageInTheFormsOrder) {
  const QString cnp = QStringLiteral("CNP-ul introdus este incorect!");
  const QString cui = QStringLiteral("CUI-ul introdus este incorect!");
  const QString day = QStringLiteral(
      "Ziua lichidarii drepturilor salariale este incorecta!\n\nTrebuie sa fie intre 1 si 31.");
  const QString account = QStringLiteral("Contul bancar introdus este incorect!");
  const QString sector = QStringLiteral("Sectorul introdus este incorect!");
  struct Case {
    const char* cf;
    const char* day;
    const char* account;
    int county;
    const char* sector;
    QString message;  // empty: accepted
  };
  const Case cases[] = {
      {"12345674", "15", "", 9, "3", {}},
      {"1800101221144", "15", "", 9, "3", {}},  // 13 digits: checked as a CNP
      {"1800101221143", "15", "", 9, "3", cnp},
      {"180010122114", "15", "", 9, "3", cui},  // 12 digits: a CUI, and too long for one
      {"12345678", "15", "", 9, "3", cui},
      {"0012345674", "15", "", 9, "3", {}},  // leading zeros do not matter
      {"", "15", "", 9, "3", cui},
      {"12345674", "0", "", 9, "3", day},
      {"12345674", "32", "", 9, "3", day},
      {"12345674", "", "", 9, "3", day},
      {"12345674", "31", "", 9, "3", {}},
      {"12345674", "01", "", 9, "3", {}},
      {"12345674", "15", "RO49AAAA1B31007593840000", 9, "3", {}},
      {"12345674", "15", "ro49aaaa1b31007593840000", 9, "3", {}},
      {"12345674", "15", "RO48AAAA1B31007593840000", 9, "3", account},
      {"12345674", "15", "", 9, "0", sector},
      {"12345674", "15", "", 9, "7", sector},
      {"12345674", "15", "", 9, "", sector},
      {"12345674", "15", "", 9, "6", {}},
      {"12345674", "15", "", 0, "", {}},  // no sectors outside Bucharest
      // With several faults the first check in the form's order speaks.
      {"12345678", "0", "x", 9, "9", cui},
      {"12345674", "40", "x", 9, "9", day},
      {"12345674", "15", "x", 9, "9", account},
  };
  for (const Case& c : cases) {
    CompanyRecord company;
    company.cf = QLatin1String(c.cf);
    company.ziuaLic = QLatin1String(c.day);
    company.c1 = QLatin1String(c.account);
    company.judet = c.county;
    company.sect = QLatin1String(c.sector);
    EXPECT_EQ(CompanyFieldsProblem(company).value_or(QString()), c.message)
        << c.cf << " " << c.day << " " << c.account << " " << c.county << " " << c.sector;
  }
}

}  // namespace
