#pragma once

#include <QString>

class CClient;
class ListModel;

// "Preia sumele din luna anterioara": every employee of the list still without amounts in
// the report month gets the salary of the latest earlier month, with owed and paid
// recomputed at the month's rate (0, 0, 0 without any earlier month), by an audited insert;
// the list row shows what was stored. The first failure stops the copy: the rows before it
// stay done. False after a failure (shown by the client).
[[nodiscard]] bool CopyEarlierAmounts(CClient& client, ListModel& employees, const QString& cf,
                                      int month);
