#include "companies/company_fields.h"

const FieldTable<CompanyRecord>& CompanyFieldTable() {
  using R = CompanyRecord;
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
      }};
  return table;
}
