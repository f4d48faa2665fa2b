#include "health/amounts/amounts_copy.h"

#include "common/amounts.h"
#include "common/number_texts.h"
#include "health/amounts/amounts_checks.h"
#include "health/amounts/amounts_record.h"
#include "health/amounts/amounts_store.h"
#include "store/grouped_flushes.h"
#include "store/list_model.h"

bool CopyEarlierAmounts(CClient& client, ListModel& employees, const QString& cf, int month) {
  const GroupedFlushes flushes(client);
  const double rate = ContributionRate(month, RatePayer::kEmployees);
  const int laLuna = employees.FindColumn(employee_columns::kLaLuna);
  for (int row = 0; row < employees.RowCount(); ++row) {
    if (laLuna >= 0 && !employees.Cell(row, laLuna).isEmpty()) continue;
    const EmployeeRow employee = ReadEmployeeRow(employees, row);
    const std::optional<QString> salary = EarlierSalary(client, employee.index, month);
    if (!salary) return false;
    const QString owed = QString::number(Contribution(LeadingDecimal(*salary), rate));
    const EmployeeAmounts amounts{employee.index, cf, employee.cnp, month, *salary, owed, owed};
    if (!InsertEmployeeAmounts(client, amounts)) return false;
    ShowEmployeeAmounts(employees, row, amounts);
  }
  return true;
}
