#pragma once

#include <QString>

// One co-insured dependant of asigurati.coasigurati as stored. Dependants hang on the CNP of
// their insured person, not on one employment record.
struct DependantRecord {
  int index = 0;
  QString cf;
  QString cnpAsig;  // the insured person's CNP
  QString cnp;
  QString nume;
  QString prenume;
  QString tip;  // "S" spouse, "P" parent
};
