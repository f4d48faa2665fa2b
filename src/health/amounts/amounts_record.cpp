#include "health/amounts/amounts_record.h"

#include "store/list_model.h"

using namespace employee_columns;

EmployeeRow ReadEmployeeRow(const ListModel& employees, int row) {
  const auto cell = [&](const QString& column) { return employees.GetCellText(row, column); };
  EmployeeRow employee;
  employee.index = static_cast<int>(employees.GetCellInteger(row, kIndex));
  employee.cas = cell(kCas);
  employee.cf = cell(kCf);
  employee.cnp = cell(kCnp);
  employee.forma = cell(kForma);
  employee.nume = cell(kNume);
  employee.prenume = cell(kPrenume);
  employee.intrare = cell(kIntrare);
  employee.iesire = cell(kIesire);
  employee.salary = cell(kSalariu);
  employee.owed = cell(kOwed);
  employee.paid = cell(kPaid);
  employee.laLuna = cell(kLaLuna);
  return employee;
}

void ShowEmployeeAmounts(ListModel& employees, int row, const EmployeeAmounts& amounts) {
  employees.SetCellText(row, kSalariu, amounts.salary);
  employees.SetCellText(row, kOwed, amounts.owed);
  employees.SetCellText(row, kPaid, amounts.paid);
  employees.SetCellText(row, kLaLuna, QString::number(amounts.month));
}
