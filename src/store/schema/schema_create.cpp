#include "store/c_client.h"
#include "store/schema/schema.h"
#include "store/schema/schema_runner.h"
#include "store/schema/schema_tables.h"

namespace {

// Exists from the start of a first installation until its last statement: a creation cut
// short by a crash is finished at the next start instead of being taken for an old schema.
constexpr char kCreationMarker[] = "velka_creare";

enum class Need { Nothing, Creation, Failed };

Need CreationNeeded(SchemaRunner& runner) {
  if (!runner.Run(QStringLiteral("SELECT LOWER(s.schema_name) AS nume FROM "
                                 "information_schema.schemata AS s WHERE s.schema_name IN "
                                 "('asigurati', 'concedii', '") +
                      QString::fromLatin1(kCreationMarker) + QStringLiteral("')"),
                  1)) {
    return Need::Failed;
  }
  bool registerFound = false;
  bool leaveFound = false;
  const CClient& client = runner.Client();
  for (int row = 0; row < client.RowCount(); ++row) {
    const QString name = client.GetField(row, QStringLiteral("NUME"));
    if (name == QLatin1String(kCreationMarker)) return Need::Creation;
    registerFound = registerFound || name == QLatin1String("asigurati");
    leaveFound = leaveFound || name == QLatin1String("concedii");
  }
  // Only when both are missing is this a new machine; a single missing database is damage,
  // which the repairs report.
  return registerFound || leaveFound ? Need::Nothing : Need::Creation;
}

QStringList CreationStatements() {
  QStringList statements;
  statements << QStringLiteral("CREATE DATABASE IF NOT EXISTS ") +
                    QString::fromLatin1(kCreationMarker);
  for (const char* database : {"asigurati", "concedii"}) {
    statements << QStringLiteral("CREATE DATABASE IF NOT EXISTS ") + QString::fromLatin1(database) +
                      QStringLiteral(" CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci");
  }
  for (const TableDef& table : SchemaTables()) {
    statements << CreateTableStatement(table);
    if (table.audited) statements << CreateAuditTableStatement(table);
  }
  QStringList houses;
  for (const HouseSeed& house : SeedHouses()) {
    houses
        << QStringLiteral("('%1', '%2')").arg(QLatin1String(house.code), QLatin1String(house.name));
  }
  statements << QStringLiteral("INSERT IGNORE INTO asigurati.cas (cas, denumire) VALUES ") +
                    houses.join(QStringLiteral(", "));
  statements << QStringLiteral(
                    "INSERT IGNORE INTO asigurati.setari (DENUMIRE, SETARE, ZZ_CONT) VALUES "
                    "('versiune', '") +
                    QString::fromLatin1(kSchemaVersion) + QStringLiteral("', '')");
  statements << QStringLiteral("DROP DATABASE ") + QString::fromLatin1(kCreationMarker);
  return statements;
}

}  // namespace

bool CreateSchemaIfMissing(CClient& client, const SchemaObserver& observer) {
  SchemaRunner runner(client, observer);
  const Need need = CreationNeeded(runner);
  if (need != Need::Creation) return need == Need::Nothing;
  // Every statement may run again after an interruption without harm.
  for (const QString& statement : CreationStatements()) {
    if (!runner.Run(statement)) return false;
  }
  return true;
}
