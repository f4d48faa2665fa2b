#include <optional>

#include "store/c_client.h"
#include "store/schema/schema.h"
#include "store/schema/schema_runner.h"
#include "store/schema/schema_tables.h"

namespace {

QString Quoted(const QString& text) { return u'\'' + text + u'\''; }

// Whether the audit table exists; nothing when the catalogue could not be read (shown).
std::optional<bool> AuditTableExists(SchemaRunner& runner, const QString& database,
                                     const QString& table) {
  if (!runner.Run(QStringLiteral("SELECT t.table_name FROM information_schema.tables AS t "
                                 "WHERE t.table_schema=") +
                      Quoted(database) + QStringLiteral(" AND t.table_name=") +
                      Quoted(QStringLiteral("zlog_") + table),
                  1)) {
    return std::nullopt;
  }
  return runner.Client().RowCount() > 0;
}

// The columns of the table that its audit table lacks, as "`name` type NULL" clauses;
// nothing when the catalogue could not be read (shown).
std::optional<QStringList> MissingColumns(SchemaRunner& runner, const QString& database,
                                          const QString& table) {
  const QString sql = QStringLiteral(
                          "SELECT c.column_name AS nume, c.column_type AS tip FROM "
                          "information_schema.columns AS c WHERE c.table_schema=") +
                      Quoted(database) + QStringLiteral(" AND c.table_name=") + Quoted(table) +
                      QStringLiteral(
                          " AND c.column_name NOT IN (SELECT z.column_name FROM "
                          "information_schema.columns AS z WHERE z.table_schema=") +
                      Quoted(database) + QStringLiteral(" AND z.table_name=") +
                      Quoted(QStringLiteral("zlog_") + table) +
                      QStringLiteral(") ORDER BY c.ordinal_position");
  if (!runner.Run(sql, 1)) return std::nullopt;
  QStringList columns;
  const CClient& client = runner.Client();
  for (int row = 0; row < client.RowCount(); ++row) {
    columns << u'`' + client.GetField(row, QStringLiteral("NUME")) + QStringLiteral("` ") +
                   AuditColumnType(client.GetField(row, QStringLiteral("TIP")));
  }
  return columns;
}

// False when a statement failed (shown).
bool AlignAuditTable(SchemaRunner& runner, const TableDef& table) {
  const QString database = QString::fromLatin1(table.database);
  const QString name = QString::fromLatin1(table.name);
  const QString auditName = database + QStringLiteral(".zlog_") + name;
  const std::optional<bool> exists = AuditTableExists(runner, database, name);
  if (!exists) return false;
  const std::optional<QStringList> missing = MissingColumns(runner, database, name);
  if (!missing) return false;
  if (missing->isEmpty()) return true;
  if (!*exists) {
    return runner.Run(QStringLiteral("CREATE TABLE IF NOT EXISTS ") + auditName +
                      QStringLiteral(" (") + missing->join(QStringLiteral(", ")) +
                      QStringLiteral(", `znew_index` INT NOT NULL AUTO_INCREMENT, `znew_cont` "
                                     "VARCHAR(50) NOT NULL DEFAULT '', `znew_op` CHAR(1) NOT NULL "
                                     "DEFAULT '', ") +
                      AuditCopyTimeColumn() +
                      QStringLiteral(", PRIMARY KEY (`znew_index`)) DEFAULT CHARSET=utf8mb4"));
  }
  return runner.Run(QStringLiteral("ALTER TABLE ") + auditName + QStringLiteral(" ADD COLUMN ") +
                    missing->join(QStringLiteral(", ADD COLUMN ")));
}

}  // namespace

bool AlignAuditTables(CClient& client, const SchemaObserver& observer) {
  SchemaRunner runner(client, observer);
  bool aligned = true;
  // Every table is tried: one that fails leaves the others' writes their audit copies.
  for (const TableDef& table : SchemaTables()) {
    if (table.audited && !AlignAuditTable(runner, table)) aligned = false;
  }
  return aligned;
}
