#include "health/amounts/amounts_copy.h"

#include <utility>
#include <vector>

#include "common/amounts.h"
#include "common/number_texts.h"
#include "health/amounts/amounts_checks.h"
#include "health/amounts/amounts_record.h"
#include "health/amounts/amounts_store.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/deferred_prompter.h"
#include "store/grouped_flushes.h"
#include "store/list_model.h"
#include "store/wait_cursor.h"

namespace {

// The list's rows without amounts in the month, each with its employee.
std::vector<std::pair<int, EmployeeRow>> RowsToFill(const ListModel& employees) {
  std::vector<std::pair<int, EmployeeRow>> rows;
  const int laLuna = employees.FindColumn(employee_columns::kLaLuna);
  for (int row = 0; row < employees.RowCount(); ++row) {
    if (laLuna >= 0 && !employees.Cell(row, laLuna).isEmpty()) continue;
    rows.emplace_back(row, ReadEmployeeRow(employees, row));
  }
  return rows;
}

// Each employee's earlier salary and the month's amounts from it, stored one after the other
// until one fails; the amounts stored, in the order of `rows`.
std::vector<EmployeeAmounts> StoreEarlierAmounts(
    CClient& client, const std::vector<std::pair<int, EmployeeRow>>& rows, const QString& cf,
    int month) {
  const GroupedFlushes flushes(client);
  const double rate = ContributionRate(month, RatePayer::kEmployees);
  std::vector<EmployeeAmounts> stored;
  for (const auto& [row, employee] : rows) {
    const std::optional<QString> salary = EarlierSalary(client, employee.index, month);
    if (!salary) break;
    const QString owed = QString::number(Contribution(LeadingDecimal(*salary), rate));
    const EmployeeAmounts amounts{employee.index, cf, employee.cnp, month, *salary, owed, owed};
    if (!InsertEmployeeAmounts(client, amounts)) break;
    stored.push_back(amounts);
  }
  return stored;
}

}  // namespace

bool CopyEarlierAmounts(CClient& client, ListModel& employees, const QString& cf, int month) {
  const std::vector<std::pair<int, EmployeeRow>> rows = RowsToFill(employees);
  // The statements run on the database thread one after the other, without a hand-over
  // each, while the window waits as it did for them; a failure's message is shown after.
  std::vector<EmployeeAmounts> stored;
  DeferredPrompter messages;
  {
    const WaitCursor cursor;
    Prompter* const shown = client.ReplacePrompter(&messages);
    stored = OnDatabaseThread([&] { return StoreEarlierAmounts(client, rows, cf, month); });
    client.ReplacePrompter(shown);
  }
  for (size_t i = 0; i < stored.size(); ++i) {
    ShowEmployeeAmounts(employees, rows[i].first, stored[i]);
  }
  if (Prompter* const shown = client.GetPrompter()) messages.ShowTo(*shown);
  return stored.size() == rows.size();
}
