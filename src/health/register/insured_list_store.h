#pragma once

#include <QString>

class CClient;
class ListModel;

// The statements of the insured list. A failure is shown by the client; the functions only
// say so.

// The company's employment records under the filter (0 all, 1 active, 2 liquidated), by
// name and hiring date, into the list.
[[nodiscard]] bool LoadInsuredList(CClient& client, const QString& cf, int filter, ListModel& list);

// Deletes one employment record with its monthly amounts, and the CNP's dependants at every
// company when no other record of the CNP exists anywhere. Plain statements in that order,
// each after the audit copies ("D", with one copy time) of the rows it deletes; on the
// embedded register the first failure stops and what ran before it stays.
[[nodiscard]] bool DeleteInsuredRecord(CClient& client, const QString& cnp, int index);
