#include "health/register/change_store.h"

#include "health/register/insured_fields.h"
#include "store/c_client.h"
#include "store/schema/schema_tables.h"
#include "store/transaction.h"

namespace {

bool WriteExit(CClient& client, int index, int exitDate) {
  const Columns columns = {{QStringLiteral("IESIRE"), QString::number(exitDate)}};
  return client.AuditedUpdate(index, InsuredTable(), columns) == 0;
}

// The new record starts active: its IESIRE keeps the column's default.
bool InsertEntry(CClient& client, const InsuredRecord& entry) {
  return client.AuditedInsert(InsuredTable(),
                              FieldColumns(InsuredFieldTable(), entry, {"IESIRE"})) == 0;
}

}  // namespace

std::optional<ChangedRecord> WriteChange(CClient& client, int oldIndex, int exitDate,
                                         const InsuredRecord& entry) {
  // On a server the old record's exit and the new record are one transaction; the embedded
  // register, whose tables cannot roll back, undoes the exit itself.
  Transaction transaction(client);
  if (!transaction.Begun()) return std::nullopt;
  if (!WriteExit(client, oldIndex, exitDate)) return std::nullopt;
  if (!InsertEntry(client, entry)) {
    // Deliberately ignored: a failed undo was shown by the client, and either way the change
    // did not happen; the form stays open for another try.
    if (!client.OnServer()) static_cast<void>(WriteExit(client, oldIndex, 0));
    return std::nullopt;
  }
  if (!transaction.Commit()) return std::nullopt;
  ChangedRecord changed{exitDate, entry};
  changed.entry.index = static_cast<int>(client.LastInsertId());
  changed.entry.iesire = QStringLiteral("0");
  return changed;
}
