#include <gtest/gtest.h>

#include "health/company_checks.h"
#include "health/company_inputs.h"

namespace {

const QString kBadCnp = QStringLiteral("CNP-ul introdus este incorect!");
const QString kBadCui = QStringLiteral("CUI-ul introdus este incorect!");
const QString kBadDay = QStringLiteral(
    "Ziua lichidarii drepturilor salariale este incorecta!\n\nTrebuie sa fie intre 1 si 31.");
const QString kBadAccount = QStringLiteral("Contul bancar introdus este incorect!");
const QString kBadSector = QStringLiteral("Sectorul introdus este incorect!");

CompanyFields Valid() {
  CompanyFields company;
  company.cf = QStringLiteral("12345674");
  company.ziuaLic = QStringLiteral("15");
  company.judet = kBucharestCounty;
  company.sect = QStringLiteral("3");
  return company;
}

TEST(CompanyChecks, EachRuleRefusesWithItsMessage) {
  struct Case {
    const char* what;
    void (*change)(CompanyFields&);
    QString message;  // empty: accepted
  };
  const Case cases[] = {
      {"valid company", [](CompanyFields&) {}, {}},
      {"13 digits are checked as a CNP", [](CompanyFields& c) { c.cf = "1800101221144"; }, {}},
      {"13 digits with a wrong control digit", [](CompanyFields& c) { c.cf = "1800101221143"; },
       kBadCnp},
      {"12 digits are a CUI, and too long for one", [](CompanyFields& c) { c.cf = "180010122114"; },
       kBadCui},
      {"wrong CUI control digit", [](CompanyFields& c) { c.cf = "12345678"; }, kBadCui},
      {"leading zeros do not matter", [](CompanyFields& c) { c.cf = "0012345674"; }, {}},
      {"empty fiscal code", [](CompanyFields& c) { c.cf = ""; }, kBadCui},
      {"pay day 0", [](CompanyFields& c) { c.ziuaLic = "0"; }, kBadDay},
      {"pay day 32", [](CompanyFields& c) { c.ziuaLic = "32"; }, kBadDay},
      {"pay day empty", [](CompanyFields& c) { c.ziuaLic = ""; }, kBadDay},
      {"pay day 31", [](CompanyFields& c) { c.ziuaLic = "31"; }, {}},
      {"pay day 1", [](CompanyFields& c) { c.ziuaLic = "01"; }, {}},
      {"valid account", [](CompanyFields& c) { c.c1 = "RO49AAAA1B31007593840000"; }, {}},
      {"lower-case account", [](CompanyFields& c) { c.c1 = "ro49aaaa1b31007593840000"; }, {}},
      {"account with a wrong check", [](CompanyFields& c) { c.c1 = "RO48AAAA1B31007593840000"; },
       kBadAccount},
      {"sector 0 in Bucharest", [](CompanyFields& c) { c.sect = "0"; }, kBadSector},
      {"sector 7 in Bucharest", [](CompanyFields& c) { c.sect = "7"; }, kBadSector},
      {"no sector in Bucharest", [](CompanyFields& c) { c.sect = ""; }, kBadSector},
      {"sector 6 in Bucharest", [](CompanyFields& c) { c.sect = "6"; }, {}},
      {"no sector outside Bucharest",
       [](CompanyFields& c) {
         c.judet = 0;
         c.sect = "";
       },
       {}},
      // The order of the checks decides which message a form with several faults shows.
      {"fiscal code before pay day",
       [](CompanyFields& c) {
         c.cf = "12345678";
         c.ziuaLic = "0";
       },
       kBadCui},
      {"pay day before account",
       [](CompanyFields& c) {
         c.ziuaLic = "40";
         c.c1 = "x";
       },
       kBadDay},
      {"account before sector",
       [](CompanyFields& c) {
         c.c1 = "x";
         c.sect = "9";
       },
       kBadAccount},
  };
  for (const Case& c : cases) {
    CompanyFields company = Valid();
    c.change(company);
    EXPECT_EQ(CompanyFieldsProblem(company), c.message) << c.what;
  }
}

TEST(CompanyChecks, OnlyBucharestKeepsItsSector) {
  CompanyFields company = Valid();
  EXPECT_EQ(StoredSector(company), QStringLiteral("3"));
  company.judet = 8;
  EXPECT_EQ(StoredSector(company), QStringLiteral("0"));
}

TEST(CompanyChecks, CountyDropDownReadsInCapitalsWithBucharestShort) {
  EXPECT_EQ(CountyChoiceText(0), QStringLiteral("ALBA"));
  EXPECT_EQ(CountyChoiceText(kBucharestCounty), QStringLiteral("BUCURESTI"));
  EXPECT_EQ(CountyChoiceText(12), QStringLiteral("CARAS SEVERIN"));
  EXPECT_EQ(CountyChoiceText(41), QStringLiteral("VRANCEA"));
  // Alphabetical, as a user scanning the list expects.
  for (int position = 1; position < 42; ++position) {
    EXPECT_LT(CountyChoiceText(position - 1), CountyChoiceText(position)) << position;
  }
}

}  // namespace
