#pragma once

#include <QString>
#include <vector>

#include "store/columns.h"

class CClient;

// The register tables whose rows keep a history (those with a zlog_ audit table), as the
// windows and the `istoric` command name them.
struct HistoryTable {
  TableName name;
  QString word;   // the command's name of the table: "asigurati", "sume", "concedii" ...
  QString title;  // what the windows call its rows: "Asigurati", "Sume lunare" ...
  QString lock;   // the named lock its form saves under; empty when the form takes none
};

[[nodiscard]] const std::vector<HistoryTable>& HistoryTables();
// The table with this command name (any case); nullptr when none has it.
[[nodiscard]] const HistoryTable* FindHistoryTable(const QString& word);
// The entry of a register table; nullptr for a table without a history.
[[nodiscard]] const HistoryTable* HistoryTableOf(const TableName& table);

// Which deleted rows a list's window shows, as conditions on the audit copy (z): the rows of
// one company, or of one company's month.
[[nodiscard]] QString DeletedOfCompany(const CClient& client, const QString& cf);
[[nodiscard]] QString DeletedOfCompanyMonth(const CClient& client, const QString& cf, int luna);
