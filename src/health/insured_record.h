#pragma once

#include <QString>

// A date as the forms show it: day, month and year in three fields, as typed.
struct DayMonthYear {
  QString day;
  QString month;
  QString year;
};

// One employment record of asigurati.asigurati as stored: the members are named after the
// columns they fill; dates are eight digits year, month, day, IESIRE "0" while active.
struct InsuredRecord {
  int index = 0;
  QString cf;
  QString cas;  // five-character house code
  QString nume;
  QString prenume;
  QString cnp;
  QString intrare;
  QString iesire = QStringLiteral("0");
  QString forma;
};

// The insured form's fields as the user left them.
struct InsuredFields {
  int house = 0;  // position in the house list; -1 when none is chosen
  QString nume;
  QString prenume;
  QString cnp;
  DayMonthYear hiring;
  int form = 0;             // position in the employment-form list
  bool liquidated = false;  // the record was loaded liquidated: its liquidation is shown
  DayMonthYear liquidation;
};
