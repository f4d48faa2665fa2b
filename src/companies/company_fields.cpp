#include "companies/company_fields.h"

#include "common/number_texts.h"
#include "companies/company_checks.h"

namespace {

using R = CompanyRecord;

// A column the form fills through rules of its own: the month of the pay day (a check box),
// the county (a list) and its sector (Bucharest only).
FieldDef<R> FormRule(const char* column, ComputedColumn<R> stored) {
  return {.column = column,
          .objectName = "",
          .caption = "",
          .member = stored,
          .use = FieldUse::kRowOnly};
}

QString WriteFollowingMonth(const R& company) {
  return company.lunaLicUrmatoare ? QStringLiteral("1") : QStringLiteral("0");
}
void ReadFollowingMonth(R& company, const QString& stored) {
  company.lunaLicUrmatoare = LeadingInteger(stored) == 1;
}
QString WriteCounty(const R& company) { return CountyCode(company.judet); }
void ReadCounty(R& company, const QString& stored) { company.judet = CountyIndex(stored); }
// Read after the county, which decides whether the sector means anything.
void ReadSector(R& company, const QString& stored) {
  company.sect = company.judet == kBucharestCounty ? stored : QString();
}

}  // namespace

const FieldTable<CompanyRecord>& CompanyFieldTable() {
  static const FieldTable<CompanyRecord> table = {
      "asigurati",
      "societati",
      {"", "   Adresa   ", ""},
      {
          {"CF", "cf", "CUI / CNP:", &R::cf, Typing::kDigits, kCompanyGroup},
          {"DENUMIRE", "denumire", "Denumire:", &R::denumire, Typing::kUpper, kCompanyGroup},
          {"REG_COM", "reg_com", "Reg. Com.:", &R::regCom, Typing::kUpper, kCompanyGroup, 0,
           "(de forma: J40/1234/2003)"},
          {"REPR", "repr", "Reprezentant legal:", &R::repr, Typing::kUpper, kCompanyGroup},
          // An INT column: two digits, a day of the month.
          {"ZIUA_LIC", "ziua_lic", "Ziua lichidarii drepturilor salariale:", &R::ziuaLic,
           Typing::kDigits, kCompanyGroup, 2},
          {"STR", "str", "Strada:", &R::str, Typing::kAsTyped, kAddressGroup},
          {"NR", "nr", "numar:", &R::nr, Typing::kAsTyped, kAddressGroup},
          {"BL", "bl", "bloc:", &R::bl, Typing::kAsTyped, kAddressGroup},
          {"SC", "sc", "scara:", &R::sc, Typing::kAsTyped, kAddressGroup},
          {"ET", "et", "etaj:", &R::et, Typing::kAsTyped, kAddressGroup},
          {"AP", "ap", "ap.:", &R::ap, Typing::kAsTyped, kAddressGroup},
          {"LOC", "loc", "Localitate:", &R::loc, Typing::kAsTyped, kAddressGroup},
          {"EMAIL", "email", "Adresa de e-mail:", &R::email, Typing::kLower, kContactGroup},
          {"TEL", "tel", "Telefon:", &R::tel, Typing::kAsTyped, kContactGroup},
          {"B1", "b1", "Banca:", &R::b1, Typing::kAsTyped, kContactGroup},
          {"F1", "f1", "Filiala:", &R::f1, Typing::kAsTyped, kContactGroup},
          {"C1", "c1", "Cont bancar:", &R::c1, Typing::kAsTyped, kContactGroup},
          FormRule("LUNA_LIC", {WriteFollowingMonth, ReadFollowingMonth}),
          FormRule("JUD", {WriteCounty, ReadCounty}),
          FormRule("SECT", {StoredSector, ReadSector}),
      }};
  return table;
}
