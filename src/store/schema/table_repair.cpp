#include "store/schema/table_repair.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/safety_copy.h"
#include "store/schema/schema_runner.h"

namespace {

// One row of a CHECK or REPAIR answer.
struct AdminRow {
  QString table;
  QString type;  // status, error, warning, info, note
  QString text;
};

QList<AdminRow> AnswerRows(const CClient& client) {
  QList<AdminRow> rows;
  for (int row = 0; row < client.RowCount(); ++row) {
    rows.append({client.GetField(row, QStringLiteral("TABLE")).toLower(),
                 client.GetField(row, QStringLiteral("MSG_TYPE")).toLower(),
                 client.GetField(row, QStringLiteral("MSG_TEXT"))});
  }
  return rows;
}

bool HealthyStatus(const QString& text) {
  return text == QLatin1String("OK") || text == QLatin1String("Table is already up to date");
}

// Tables the check did not find healthy, in the order of the list.
QStringList ReportedTables(const QList<AdminRow>& answer, const QStringList& tables) {
  QStringList reported;
  for (const QString& table : tables) {
    bool healthy = false;
    bool error = false;
    for (const AdminRow& row : answer) {
      if (row.table != table) continue;
      if (row.type == QLatin1String("status")) healthy = HealthyStatus(row.text);
      if (row.type == QLatin1String("error")) error = true;
    }
    if (!healthy || error) reported << table;
  }
  return reported;
}

QString FirstError(const QList<AdminRow>& answer, const QString& table) {
  for (const AdminRow& row : answer) {
    if (row.table == table && row.type == QLatin1String("error")) return row.text;
  }
  return QStringLiteral("Operation failed");
}

QString TableFile(const QString& dataDir, const QString& table, const char* suffix) {
  return dataDir + u'/' + table.section(u'.', 0, 0) + u'/' + table.section(u'.', 1) +
         QLatin1String(suffix);
}

// Row counts the tables' own headers record, read before a check marks a damaged table
// (after that the server no longer reads them).
QHash<QString, QString> RecordedRowCounts(SchemaRunner& runner) {
  QHash<QString, QString> counts;
  CClient& client = runner.Client();
  if (client.ExecuteQuiet(QStringLiteral("SELECT LOWER(CONCAT(t.table_schema, '.', t.table_name)) "
                                         "AS nume, t.table_rows AS randuri FROM "
                                         "information_schema.tables AS t WHERE t.table_schema IN "
                                         "('asigurati', 'concedii')"),
                          1) != 0) {
    return counts;
  }
  for (int row = 0; row < client.RowCount(); ++row) {
    counts.insert(client.GetField(row, QStringLiteral("NUME")),
                  client.GetField(row, QStringLiteral("RANDURI")));
  }
  return counts;
}

QString CountRows(CClient& client, const QString& table) {
  if (client.ExecuteQuiet(QStringLiteral("SELECT COUNT(*) AS randuri FROM ") + table, 1) != 0) {
    return QStringLiteral("?");
  }
  return client.GetField(0, QStringLiteral("RANDURI"));
}

// What the user is told about one repaired table, or nothing when the repair changed no
// row and answered only "OK".
std::optional<QString> RepairNote(const QList<AdminRow>& answer, const QString& table,
                                  const QString& recorded, const QString& after) {
  static const QRegularExpression changed(
      QStringLiteral("Number of rows changed from (\\d+) to (\\d+)"));
  QString before = recorded.isEmpty() ? after : recorded;
  QStringList said;
  for (const AdminRow& row : answer) {
    if (row.table != table) continue;
    const QRegularExpressionMatch match = changed.match(row.text);
    if (match.hasMatch()) before = match.captured(1);
    if (row.type != QLatin1String("status") || row.text != QLatin1String("OK")) {
      said << row.type + QStringLiteral(": ") + row.text;
    }
  }
  if (said.isEmpty() && before == after) return std::nullopt;
  QString note = QStringLiteral("Tabela %1 a fost reparata: %2 randuri inainte, %3 dupa.")
                     .arg(table, before, after);
  if (!said.isEmpty())
    note += QStringLiteral("\nServerul a raportat: ") + said.join(QStringLiteral("; "));
  return note;
}

void ShowCopyFailure(SchemaRunner& runner, const QString& dataDir, const QStringList& tables) {
  if (Prompter* prompter = runner.Client().GetPrompter()) {
    prompter->Inform(QStringLiteral("Copia de siguranta a tabelelor %1 nu a putut fi scrisa in "
                                    "%2, asa ca tabelele nu au fost modificate.")
                         .arg(tables.join(QStringLiteral(", ")),
                              QDir::toNativeSeparators(SafetyCopiesFolder(dataDir))),
                     Prompter::DefaultCaption(), Prompter::Icon::Error);
  }
}

// Copies, repairs and reports the tables the check found damaged.
bool RepairReported(SchemaRunner& runner, const QStringList& reported,
                    const QHash<QString, QString>& recorded) {
  CClient& client = runner.Client();
  const QString dataDir = client.EmbeddedDataDir();
  const QString list = reported.join(QStringLiteral(", "));
  // Closed and written out: the copy gets the files as the repair will find them. Ignored
  // when it fails: the copy is then taken of the files as they are, which is still a copy.
  static_cast<void>(client.ExecuteQuiet(QStringLiteral("FLUSH TABLES ") + list));
  const std::optional<QString> copy = MakeSafetyCopy(dataDir, reported);
  if (!copy) {
    ShowCopyFailure(runner, dataDir, reported);
    return false;
  }
  if (!runner.Run(QStringLiteral("REPAIR TABLE ") + list, 1)) return false;
  const QList<AdminRow> answer = AnswerRows(client);
  QStringList notes;
  QString failure;
  for (const QString& table : reported) {
    if (!ReportedTables(answer, {table}).isEmpty()) {
      if (failure.isEmpty()) failure = FirstError(answer, table);
      continue;
    }
    if (const std::optional<QString> note =
            RepairNote(answer, table, recorded.value(table), CountRows(client, table))) {
      notes << *note;
    }
  }
  if (!notes.isEmpty() && client.GetPrompter() != nullptr) {
    client.GetPrompter()->Inform(notes.join(QStringLiteral("\n\n")) + QStringLiteral("\n\n") +
                                     SafetyCopyAdvice(*copy, dataDir),
                                 Prompter::DefaultCaption(), Prompter::Icon::Exclamation);
  }
  if (failure.isEmpty()) return true;
  runner.ShowServerMessage(failure);
  return false;
}

bool CheckDatabase(SchemaRunner& runner, const QStringList& tables,
                   const QHash<QString, QString>& recorded) {
  if (!runner.Run(QStringLiteral("CHECK TABLE ") + tables.join(QStringLiteral(", ")), 1)) {
    return false;
  }
  const QList<AdminRow> answer = AnswerRows(runner.Client());
  const QStringList reported = ReportedTables(answer, tables);
  if (reported.isEmpty()) return true;
  // A table without files cannot be repaired; the server's word for it is shown.
  const QString dataDir = runner.Client().EmbeddedDataDir();
  for (const QString& table : reported) {
    if (!QFileInfo::exists(TableFile(dataDir, table, ".frm"))) {
      runner.ShowServerMessage(FirstError(answer, table));
      return false;
    }
  }
  return RepairReported(runner, reported, recorded);
}

}  // namespace

const QStringList& RegisterTables() {
  static const QStringList tables = {
      QStringLiteral("asigurati.asigurati"),     QStringLiteral("asigurati.cas"),
      QStringLiteral("asigurati.coasigurati"),   QStringLiteral("asigurati.setari"),
      QStringLiteral("asigurati.societati"),     QStringLiteral("asigurati.sume"),
      QStringLiteral("asigurati.sume_societati")};
  return tables;
}

const QStringList& LeaveTables() {
  static const QStringList tables = {QStringLiteral("concedii.concedii"),
                                     QStringLiteral("concedii.declaratii")};
  return tables;
}

bool CheckAndRepairTables(SchemaRunner& runner) {
  if (runner.Client().EmbeddedDataDir().isEmpty()) return true;
  const QHash<QString, QString> recorded = RecordedRowCounts(runner);
  return CheckDatabase(runner, RegisterTables(), recorded) &&
         CheckDatabase(runner, LeaveTables(), recorded);
}

std::optional<QString> CopyTablesBeforeRewrite(SchemaRunner& runner, const QStringList& tables) {
  CClient& client = runner.Client();
  const QString dataDir = client.EmbeddedDataDir();
  if (dataDir.isEmpty()) return QString();
  const bool locked = client.ExecuteQuiet(QStringLiteral("FLUSH TABLES WITH READ LOCK")) == 0;
  std::optional<QString> copy = MakeSafetyCopy(dataDir, tables);
  // Ignored: the unlock fails only with the connection, whose end releases the lock too.
  if (locked) static_cast<void>(client.ExecuteQuiet(QStringLiteral("UNLOCK TABLES")));
  if (!copy) ShowCopyFailure(runner, dataDir, tables);
  return copy;
}

QStringList AllRegisterTables(const QString& dataDir) {
  QStringList tables;
  for (const char* database : {"asigurati", "concedii"}) {
    const QDir folder(dataDir + u'/' + QLatin1String(database));
    for (const QString& file : folder.entryList({QStringLiteral("*.frm")}, QDir::Files)) {
      tables << QLatin1String(database) + u'.' + QFileInfo(file).completeBaseName();
    }
  }
  return tables;
}
