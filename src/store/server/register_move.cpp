#include "store/server/register_move.h"

#include <mysql.h>

#include <memory>

#include "store/c_client.h"
#include "store/schema/schema_tables.h"

namespace {

// Statements of about this size carry the rows: few round trips, far below max_allowed_packet.
constexpr qsizetype kBatchBytes = 512 * 1024;

using Rows = std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)>;

bool Send(MYSQL* connection, const QByteArray& sql) {
  return mysql_real_query(connection, sql.constData(), static_cast<unsigned long>(sql.size())) == 0;
}

QString Failure(MYSQL* connection, const QString& table) {
  const QString said = QString::fromUtf8(mysql_error(connection));
  return table.isEmpty() ? said : QStringLiteral("%1: %2").arg(table, said);
}

// The first column of the first row, as sent; nothing after a failure.
std::optional<QByteArray> FirstValue(MYSQL* connection, const QByteArray& sql) {
  if (!Send(connection, sql)) return std::nullopt;
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

// The rows of one table, read as a stream and sent in batches; the caller's transaction.
std::optional<QString> SendRows(MYSQL* from, MYSQL* to, const QString& table) {
  if (!Send(from, "SELECT * FROM " + table.toUtf8())) return Failure(from, table);
  const Rows rows(mysql_use_result(from), &mysql_free_result);
  if (!rows) return Failure(from, table);
  const QByteArray head = InsertHead(rows.get(), table);
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
      if (!Send(to, statement)) return Failure(to, table);
      statement.clear();
    }
  }
  if (mysql_errno(from) != 0) return Failure(from, table);
  if (!statement.isEmpty() && !Send(to, statement)) return Failure(to, table);
  return std::nullopt;
}

std::optional<QString> CopyTable(MYSQL* from, MYSQL* to, const QString& table) {
  // The server's seeded rows (houses, version) give way to the register's own.
  if (!Send(to, "START TRANSACTION") || !Send(to, "DELETE FROM " + table.toUtf8())) {
    return Failure(to, table);
  }
  if (const auto failed = SendRows(from, to, table)) {
    Send(to, "ROLLBACK");
    return failed;
  }
  if (!Send(to, "COMMIT")) return Failure(to, table);
  // Numbers of deleted rows stay unused, as on the embedded register: the audit tables
  // still name them.
  const auto next = NextNumber(from, table);
  if (!next) return Failure(from, table);
  if (!next->isEmpty() && !Send(to, "ALTER TABLE " + table.toUtf8() + " AUTO_INCREMENT=" +
                                        QByteArray::number(next->toLongLong()))) {
    return Failure(to, table);
  }
  return std::nullopt;
}

std::optional<QString> CompareCounts(MYSQL* from, MYSQL* to, const QString& table, qint64& rows) {
  const std::optional<qint64> here = CountRows(from, table);
  if (!here) return Failure(from, table);
  const std::optional<qint64> there = CountRows(to, table);
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

std::optional<bool> ServerHoldsRegister(CClient& server) {
  if (server.Execute(QStringLiteral("SELECT COUNT(*) AS n FROM information_schema.schemata AS s "
                                    "WHERE s.schema_name IN ('asigurati', 'concedii')"),
                     1) != 0) {
    return std::nullopt;
  }
  return server.GetField(0, QStringLiteral("N")).toInt() > 0;
}

std::optional<QString> CopyRegister(CClient& from, CClient& to, const MoveProgress& progress) {
  MYSQL* source = from.NativeHandle();
  MYSQL* target = to.NativeHandle();
  // Times travel as written (the same zone on both sides); a row number 0 stays 0.
  if (!Send(source, "SET SESSION time_zone='+00:00'")) return Failure(source, {});
  if (!Send(target,
            "SET SESSION time_zone='+00:00', "
            "sql_mode='NO_ENGINE_SUBSTITUTION,NO_AUTO_VALUE_ON_ZERO'")) {
    return Failure(target, {});
  }
  const QStringList tables = RegisterTableNames();
  for (const QString& table : tables) {
    if (const auto failed = CopyTable(source, target, table)) return failed;
  }
  for (const QString& table : tables) {
    qint64 rows = 0;
    if (const auto mismatch = CompareCounts(source, target, table, rows)) return mismatch;
    if (progress) progress(table, rows);
  }
  return std::nullopt;
}
