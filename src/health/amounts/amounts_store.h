#pragma once

#include <QString>
#include <optional>

#include "health/amounts/amounts_record.h"

class CClient;

// The statements of the monthly amounts. A failed statement has already been shown by the
// client; its caller stops what it was doing.

// The companies of the amounts' steps, kept as the client's last result.
[[nodiscard]] bool QueryCompanies(CClient& client);

// The company's employees present in the month (hired by its last day, not liquidated before
// its first), with their amounts for the month when they have them, kept as the client's
// last result.
[[nodiscard]] bool QueryEmployees(CClient& client, const QString& cf, int month);

// The month's amounts of an employee who has none yet: an audited insert.
[[nodiscard]] bool InsertEmployeeAmounts(CClient& client, const EmployeeAmounts& amounts);
// The amounts of a month already recorded: a plain update of its row, after its audit copy.
[[nodiscard]] bool UpdateEmployeeAmounts(CClient& client, const EmployeeAmounts& amounts);

// The fund of salaries the step of the employees' amounts shows for the company in the month:
// the sum of the salaries of its employees present in the month (kept as the client's last
// result); nothing when the query failed.
[[nodiscard]] std::optional<double> EmployeesSalaryTotal(CClient& client, const QString& cf,
                                                    int month);

// The INDEX of the employee's amounts for the month, 0 when there are none; nothing when the
// query failed (shown).
[[nodiscard]] std::optional<qint64> EmployeeAmountsIndex(CClient& client, int insuredIndex,
                                                         int month);

// The salary of the employee's latest month before `month`, "0" when there is none;
// nothing when the query failed.
[[nodiscard]] std::optional<QString> EarlierSalary(CClient& client, int index, int month);

// The company's amounts for the month: idSuma 0 and empty texts when it has none; nothing
// when the query failed.
[[nodiscard]] std::optional<EmployerAmounts> LoadEmployerAmounts(CClient& client, const QString& cf,
                                                                 int month);
// The audited insert (idSuma below 1; it then becomes the new row's INDEX) or the audited
// update of row idSuma.
[[nodiscard]] bool WriteEmployerAmounts(CClient& client, EmployerAmounts& amounts, int month);
