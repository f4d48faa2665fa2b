#include "health/register/change_store.h"

#include "store/c_client.h"

namespace {

const QString kDatabase = QStringLiteral("ASIGURATI");
const QString kTable = QStringLiteral("ASIGURATI");

bool WriteExit(CClient& client, int index, int exitDate) {
  client.ClearColumns();
  client.AddColumn(QStringLiteral("IESIRE"), QString::number(exitDate));
  return client.AuditedUpdate(index, kDatabase, kTable) == 0;
}

bool InsertEntry(CClient& client, const InsuredRecord& entry) {
  client.ClearColumns();
  client.AddColumn(QStringLiteral("CF"), entry.cf);
  client.AddColumn(QStringLiteral("CAS"), entry.cas);
  client.AddColumn(QStringLiteral("NUME"), entry.nume);
  client.AddColumn(QStringLiteral("PRENUME"), entry.prenume);
  client.AddColumn(QStringLiteral("CNP"), entry.cnp);
  client.AddColumn(QStringLiteral("INTRARE"), entry.intrare);
  client.AddColumn(QStringLiteral("FORMA"), entry.forma);
  return client.AuditedInsert(kDatabase, kTable) == 0;
}

}  // namespace

std::optional<ChangedRecord> WriteChange(CClient& client, int oldIndex, int exitDate,
                                         const InsuredRecord& entry) {
  if (!WriteExit(client, oldIndex, exitDate)) return std::nullopt;
  if (!InsertEntry(client, entry)) {
    // Deliberately ignored: a failed undo was shown by the client, and either way the change
    // did not happen; the form stays open for another try.
    static_cast<void>(WriteExit(client, oldIndex, 0));
    return std::nullopt;
  }
  ChangedRecord changed{exitDate, entry};
  changed.entry.index = static_cast<int>(client.LastInsertId());
  changed.entry.iesire = QStringLiteral("0");
  return changed;
}
