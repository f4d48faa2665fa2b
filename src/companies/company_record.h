#pragma once

#include <QString>

#include "common/code_lists.h"

// One company of the register (table asigurati.societati) as the company form holds it.
// Texts are kept as typed; the members are named after the columns they fill.
struct CompanyRecord {
  int index = 0;  // INDEX of the stored row; 0 before the company is added
  QString cf;     // fiscal code: CUI, or the owner's CNP for a person-run business
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
  int judet = kBucharestCounty;  // position in the county list
  QString sect;                  // Bucharest sector 1 to 6; meaningless for other counties
  QString email;
  QString tel;
  QString b1;  // bank
  QString f1;  // bank branch
  QString c1;  // bank account (IBAN), may be empty
};
