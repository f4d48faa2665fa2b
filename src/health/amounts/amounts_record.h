#pragma once

#include <QString>

class ListModel;

// An employee of the list of the employees' amounts: one employment record present in the
// report month, with its amounts for that month when it has them.
struct EmployeeRow {
  int index = 0;  // INDEX of the employment record, ID_CNP of its amounts
  QString cas;
  QString cf;
  QString cnp;
  QString forma;
  QString nume;
  QString prenume;
  QString intrare;  // eight digits
  QString iesire;   // eight digits, or "0" while employed
  QString salary;   // as stored, with a point; empty without amounts
  QString owed;
  QString paid;
  QString laLuna;  // the report month when it has amounts for it, else empty
};

// The amounts of one employee in one month (a row of asigurati.sume).
struct EmployeeAmounts {
  int index = 0;  // ID_CNP
  QString cf;
  QString cnp;
  int month = 0;
  QString salary;  // with a point
  QString owed;    // whole lei
  QString paid;
};

// The employer's amounts of one company in one month (a row of asigurati.sume_societati).
struct EmployerAmounts {
  int idSuma = 0;  // its INDEX; 0 while the month has none
  QString cf;
  QString fund;  // with a point; empty while the month has none
  QString owed;  // whole lei
  QString paid;
};

// The columns of the employees list.
namespace employee_columns {
inline const QString kCas = QStringLiteral("CAS");
inline const QString kCf = QStringLiteral("CF");
inline const QString kCnp = QStringLiteral("CNP");
inline const QString kForma = QStringLiteral("FORMA");
inline const QString kNume = QStringLiteral("NUME");
inline const QString kPrenume = QStringLiteral("PRENUME");
inline const QString kIntrare = QStringLiteral("INTRARE");
inline const QString kIesire = QStringLiteral("IESIRE");
inline const QString kIndex = QStringLiteral("INDEX");
inline const QString kSalariu = QStringLiteral("SALARIU");
inline const QString kOwed = QStringLiteral("ASIG_DATORAT");
inline const QString kPaid = QStringLiteral("ASIG_VIRAT");
inline const QString kLaLuna = QStringLiteral("LA_LUNA");
}  // namespace employee_columns

EmployeeRow ReadEmployeeRow(const ListModel& employees, int row);
// The row takes the amounts just stored for the report month.
void ShowEmployeeAmounts(ListModel& employees, int row, const EmployeeAmounts& amounts);
