#include "store/server/register_move.h"

#include <mysql.h>

#include <memory>

#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/native_statement.h"
#include "store/schema/schema_tables.h"

namespace {

// Statements of about this size carry the rows: few round trips, far below max_allowed_packet.
constexpr qsizetype kBatchBytes = 512 * 1024;

using Rows = std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)>;

QString Failure(MYSQL* connection, const QString& table) {
  const QString said = QString::fromUtf8(mysql_error(connection));
  return table.isEmpty() ? said : QStringLiteral("%1: %2").arg(table, said);
}

const QString kStoppedText = QStringLiteral("Mutarea a fost oprita.");

// The register's tables and audit tables, created empty under their staging names.
std::optional<QString> CreateStagingTables(MYSQL* to) {
  if (!SendStatement(to, QByteArray("CREATE DATABASE ") + kMoveStaging +
                             " CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci")) {
    return Failure(to, {});
  }
  for (const TableDef& table : SchemaTables()) {
    const QString qualified = QLatin1String(table.database) + u'.' + QLatin1String(table.name);
    const QString prefix = QStringLiteral("CREATE TABLE IF NOT EXISTS ");
    const struct {
      QString statement;
      QString name;
    } creations[] = {
        {CreateTableStatement(table), qualified},
        {table.audited ? CreateAuditTableStatement(table) : QString(),
         QLatin1String(table.database) + QStringLiteral(".zlog_") + QLatin1String(table.name)},
    };
    for (const auto& creation : creations) {
      if (creation.statement.isEmpty()) continue;
      QString statement = creation.statement;
      const QString named = prefix + creation.name + QStringLiteral(" (");
      if (!statement.startsWith(named))
        return QStringLiteral("%1: definitie necunoscuta").arg(creation.name);
      statement.replace(
          0, named.size(),
          QStringLiteral("CREATE TABLE ") + StagingName(creation.name) + QStringLiteral(" ("));
      if (!SendStatement(to, statement.toUtf8())) return Failure(to, creation.name);
    }
  }
  return std::nullopt;
}

// The first column of the first row, as sent; nothing after a failure.
std::optional<QByteArray> FirstValue(MYSQL* connection, const QByteArray& sql) {
  if (!SendStatement(connection, sql)) return std::nullopt;
  const Rows rows(mysql_store_result(connection), &mysql_free_result);
  if (!rows) return std::nullopt;
  const MYSQL_ROW row = mysql_fetch_row(rows.get());
  if (row == nullptr) return QByteArray();
  return row[0] == nullptr ? QByteArray() : QByteArray(row[0]);
}

std::optional<qint64> CountRows(MYSQL* connection, const QString& table) {
  const auto count = FirstValue(connection, "SELECT COUNT(*) FROM " + table.toUtf8());
  if (!count) return std::nullopt;
  return count->toLongLong();
}

// The next automatic number of the table, empty for a table without one.
std::optional<QByteArray> NextNumber(MYSQL* connection, const QString& table) {
  const QStringList parts = table.split(u'.');
  return FirstValue(connection, QStringLiteral("SELECT t.AUTO_INCREMENT FROM "
                                               "information_schema.tables AS t WHERE "
                                               "t.table_schema='%1' AND t.table_name='%2'")
                                    .arg(parts.first(), parts.last())
                                    .toUtf8());
}

void AppendValue(MYSQL* to, QByteArray& statement, const char* value, unsigned long length) {
  if (value == nullptr) {
    statement += "NULL";
    return;
  }
  // Escaped by the receiving connection, byte for byte: nothing is converted on the way.
  QByteArray escaped(static_cast<qsizetype>(length) * 2 + 1, Qt::Uninitialized);
  escaped.truncate(
      static_cast<qsizetype>(mysql_real_escape_string(to, escaped.data(), value, length)));
  statement += '\'' + escaped + '\'';
}

QByteArray InsertHead(MYSQL_RES* rows, const QString& table) {
  QByteArray head = "INSERT INTO " + table.toUtf8() + " (";
  const unsigned columns = mysql_num_fields(rows);
  const MYSQL_FIELD* fields = mysql_fetch_fields(rows);
  for (unsigned column = 0; column < columns; ++column) {
    if (column > 0) head += ", ";
    head += '`' + QByteArray(fields[column].name) + '`';
  }
  return head + ") VALUES ";
}

// The rows of one table, read as a stream and sent in batches into `into`; the caller's
// transaction.
std::optional<QString> SendRows(MYSQL* from, MYSQL* to, const QString& table, const QString& into,
                                const MoveStop& stop) {
  if (!SendStatement(from, "SELECT * FROM " + table.toUtf8())) return Failure(from, table);
  const Rows rows(mysql_use_result(from), &mysql_free_result);
  if (!rows) return Failure(from, table);
  const QByteArray head = InsertHead(rows.get(), into);
  const unsigned columns = mysql_num_fields(rows.get());
  QByteArray statement;
  while (const MYSQL_ROW row = mysql_fetch_row(rows.get())) {
    const unsigned long* lengths = mysql_fetch_lengths(rows.get());
    statement += statement.isEmpty() ? head : QByteArray(", ");
    statement += '(';
    for (unsigned column = 0; column < columns; ++column) {
      if (column > 0) statement += ", ";
      AppendValue(to, statement, row[column], lengths[column]);
    }
    statement += ')';
    if (statement.size() >= kBatchBytes) {
      if (!SendStatement(to, statement)) return Failure(to, table);
      statement.clear();
      if (stop && stop()) return kStoppedText;
    }
  }
  if (mysql_errno(from) != 0) return Failure(from, table);
  if (!statement.isEmpty() && !SendStatement(to, statement)) return Failure(to, table);
  return std::nullopt;
}

std::optional<QString> CopyTable(MYSQL* from, MYSQL* to, const QString& table,
                                 const MoveStop& stop) {
  const QString into = StagingName(table);
  if (!SendStatement(to, "START TRANSACTION")) return Failure(to, table);
  if (const auto failed = SendRows(from, to, table, into, stop)) {
    // Deliberately ignored: the failure of the rows is what the move reports.
    static_cast<void>(SendStatement(to, "ROLLBACK"));
    return failed;
  }
  if (!SendStatement(to, "COMMIT")) return Failure(to, table);
  // Numbers of deleted rows stay unused, as on the embedded register: the audit tables
  // still name them. The number goes with the table when it is renamed into place.
  const auto next = NextNumber(from, table);
  if (!next) return Failure(from, table);
  if (!next->isEmpty() && !SendStatement(to, "ALTER TABLE " + into.toUtf8() + " AUTO_INCREMENT=" +
                                                 QByteArray::number(next->toLongLong()))) {
    return Failure(to, table);
  }
  return std::nullopt;
}

std::optional<QString> CompareCounts(MYSQL* from, MYSQL* to, const QString& table, qint64& rows) {
  const std::optional<qint64> here = CountRows(from, table);
  if (!here) return Failure(from, table);
  const std::optional<qint64> there = CountRows(to, StagingName(table));
  if (!there) return Failure(to, table);
  if (*here != *there) {
    return QStringLiteral("%1: %2 randuri in registrul local, %3 pe server.")
        .arg(table)
        .arg(*here)
        .arg(*there);
  }
  rows = *here;
  return std::nullopt;
}

}  // namespace

// "asigurati.societati" copied as velka_creare.asigurati__societati: the register's tables
// appear in their databases only when every one of them is whole.
QString StagingName(const QString& table) {
  return QLatin1String(kMoveStaging) + QStringLiteral(".`") + table.section(u'.', 0, 0) +
         QStringLiteral("__") + table.section(u'.', 1) + u'`';
}

std::optional<QString> PutStagedTablesInPlace(MYSQL* to, const QStringList& tables) {
  for (const char* database : {"asigurati", "concedii"}) {
    if (!SendStatement(to, QByteArray("CREATE DATABASE IF NOT EXISTS ") + database +
                               " CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci")) {
      return Failure(to, {});
    }
  }
  QStringList renames;
  for (const QString& table : tables)
    renames << StagingName(table) + QStringLiteral(" TO ") + table;
  if (!SendStatement(to, "RENAME TABLE " + renames.join(QStringLiteral(", ")).toUtf8())) {
    return Failure(to, {});
  }
  if (!SendStatement(to, QByteArray("DROP DATABASE ") + kMoveStaging)) return Failure(to, {});
  return std::nullopt;
}

QStringList RegisterTableNames() {
  QStringList names;
  for (const TableDef& table : SchemaTables()) {
    const QString database = QString::fromLatin1(table.database) + u'.';
    names << database + QString::fromLatin1(table.name);
    if (table.audited)
      names << database + QStringLiteral("zlog_") + QString::fromLatin1(table.name);
  }
  return names;
}

std::optional<ServerRegister> FindServerRegister(CClient& server) {
  if (server.Execute(QStringLiteral("SELECT LOWER(s.schema_name) AS nume, COUNT(t.table_name) AS "
                                    "tabele FROM information_schema.schemata AS s LEFT JOIN "
                                    "information_schema.tables AS t ON "
                                    "t.table_schema=s.schema_name WHERE s.schema_name IN "
                                    "('asigurati', 'concedii', '") +
                         QLatin1String(kMoveStaging) + QStringLiteral("') GROUP BY s.schema_name"),
                     1) != 0) {
    return std::nullopt;
  }
  bool leftover = false;
  for (int row = 0; row < server.RowCount(); ++row) {
    const QString name = server.GetField(row, QStringLiteral("NUME"));
    const bool tables = server.GetField(row, QStringLiteral("TABELE")).toLongLong() > 0;
    if (name != QLatin1String(kMoveStaging) && tables) return ServerRegister::kHeld;
    leftover = true;
  }
  return leftover ? ServerRegister::kLeftover : ServerRegister::kNone;
}

bool RemoveLeftover(CClient& server) {
  if (server.ExecuteQuiet(QStringLiteral("DROP DATABASE IF EXISTS ") +
                          QLatin1String(kMoveStaging)) != 0) {
    return false;
  }
  for (const char* database : {"asigurati", "concedii"}) {
    // Only a database without a table: a held register is never touched.
    if (server.ExecuteQuiet(QStringLiteral("SELECT COUNT(*) AS n FROM information_schema.tables "
                                           "AS t WHERE t.table_schema='") +
                                QLatin1String(database) + u'\'',
                            1) != 0 ||
        server.GetField(0, QStringLiteral("N")).toLongLong() > 0) {
      return false;
    }
    if (server.ExecuteQuiet(QStringLiteral("DROP DATABASE IF EXISTS ") + QLatin1String(database)) !=
        0) {
      return false;
    }
  }
  return true;
}

std::optional<QString> CopyRegister(CClient& from, CClient& to, const MoveProgress& progress,
                                    const MoveStop& stop) {
  MYSQL* source = from.NativeHandle();
  MYSQL* target = to.NativeHandle();
  // The library's calls run on the database thread; the progress is told from here.
  const auto onDatabase = [](const std::function<std::optional<QString>()>& work) {
    return OnDatabaseThread(work);
  };
  const std::optional<QString> prepared = onDatabase([&]() -> std::optional<QString> {
    // Times travel as written (the same zone on both sides); a row number 0 stays 0.
    if (!SendStatement(source, "SET SESSION time_zone='+00:00'")) return Failure(source, {});
    if (!SendStatement(target,
                       "SET SESSION time_zone='+00:00', "
                       "sql_mode='NO_ENGINE_SUBSTITUTION,NO_AUTO_VALUE_ON_ZERO'")) {
      return Failure(target, {});
    }
    return CreateStagingTables(target);
  });
  if (prepared) return prepared;
  const QStringList tables = RegisterTableNames();
  for (const QString& table : tables) {
    if (stop && stop()) return kStoppedText;
    if (const auto failed = onDatabase([&] { return CopyTable(source, target, table, stop); })) {
      return failed;
    }
  }
  for (const QString& table : tables) {
    qint64 rows = 0;
    if (const auto mismatch =
            onDatabase([&] { return CompareCounts(source, target, table, rows); })) {
      return mismatch;
    }
    if (progress) progress(table, rows);
  }
  if (stop && stop()) return kStoppedText;
  return onDatabase([&] { return PutStagedTablesInPlace(target, tables); });
}
