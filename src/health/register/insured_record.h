#pragma once

#include <QString>

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

// The insured form's fields as the user left them. A date is the value of a date input:
// year, month and day as typed (month and day padded to two digits), 0 when its three
// fields are empty, negative when they hold only zeros.
struct InsuredFields {
  int house = 0;  // position in the house list; -1 when none is chosen
  QString nume;
  QString prenume;
  QString cnp;
  int hiring = 0;
  int form = 0;             // position in the employment-form list
  bool liquidated = false;  // the record was loaded liquidated: its liquidation is shown
  int liquidation = 0;
};

// The person of a record as the forms that show it read-only (or search it) hold it.
struct PersonFields {
  QString cnp;
  QString nume;
  QString prenume;
  int intrare = 0;
};
