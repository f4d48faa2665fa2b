#include <optional>

#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/schema.h"
#include "store/schema/schema_runner.h"
#include "store/schema/schema_tables.h"

namespace {

// Exists from the start of a first installation until its last statement: a creation cut
// short by a crash is finished at the next start instead of being taken for an old schema.
constexpr char kCreationMarker[] = "velka_creare";

enum class Need { Nothing, Creation, MoveUnfinished, Failed };

// A move onto this server stages the register's tables in the creation marker's database and
// renames them into place only once all are whole: staged tables mean a move cut short, and
// no register yet. Finishing a creation there would make them look whole.
const QString kMoveUnfinished = QStringLiteral(
    "Pe server nu exista inca un registru: mutarea registrului pe acest server a fost oprita "
    "inainte de sfarsit. Porniti din nou comanda \"velka-asigurati muta-pe-server\" pe "
    "calculatorul cu registrul local; ea sterge ce a ramas si muta registrul intreg.");

std::optional<bool> HoldsStagedTables(SchemaRunner& runner) {
  if (!runner.Run(QStringLiteral("SELECT COUNT(*) AS n FROM information_schema.tables AS t WHERE "
                                 "t.table_schema='") +
                      QString::fromLatin1(kCreationMarker) + u'\'',
                  1)) {
    return std::nullopt;
  }
  return runner.Client().GetField(0, QStringLiteral("N")).toLongLong() > 0;
}

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
    if (name == QLatin1String(kCreationMarker)) {
      const std::optional<bool> staged = HoldsStagedTables(runner);
      if (!staged) return Need::Failed;
      return *staged ? Need::MoveUnfinished : Need::Creation;
    }
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
  if (need == Need::MoveUnfinished && client.GetPrompter() != nullptr) {
    client.GetPrompter()->Inform(kMoveUnfinished);
  }
  if (need != Need::Creation) return need == Need::Nothing;
  // Every statement may run again after an interruption without harm.
  for (const QString& statement : CreationStatements()) {
    if (!runner.Run(statement)) return false;
  }
  return true;
}
