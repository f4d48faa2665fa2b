#pragma once

#include <QString>

// One company of the register (table asigurati.societati) as the company form holds it.
// Texts are kept as typed; the members are named after the columns they fill.
struct CompanyFields {
  QString cf;  // fiscal code: CUI, or the owner's CNP for a person-run business
  QString denumire;
  QString regCom;                 // trade-register number, "J40/1234/2003"
  QString repr;                   // legal representative
  QString ziuaLic;                // pay day, 1 to 31
  bool lunaLicUrmatoare = false;  // wages paid in the following month (LUNA_LIC "1")
  QString str;
  QString nr;
  QString bl;
  QString sc;
  QString et;
  QString ap;
  QString loc;
  int judet = 9;  // position in the county list (BUCURESTI by default)
  QString sect;   // Bucharest sector 1 to 6; meaningless for other counties
  QString email;
  QString tel;
  QString b1;  // bank
  QString f1;  // bank branch
  QString c1;  // bank account (IBAN), may be empty
};

// Bucharest's position in the county list: the only county divided into sectors.
inline constexpr int kBucharestCounty = 9;
