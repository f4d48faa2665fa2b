#include "store/record_history.h"

#include <QDateTime>

#include "common/number_texts.h"
#include "store/c_client.h"
#include "store/sql.h"

namespace {

const QString kIndex = QStringLiteral("INDEX");
const QString kCreated = QStringLiteral("ZZ_DATA");
const QString kCopyIndex = QStringLiteral("ZNEW_INDEX");
const QString kCopyOp = QStringLiteral("ZNEW_OP");
const QString kCopyTime = QStringLiteral("ZNEW_DATA");
const QString kMissing = QStringLiteral("ZNEW_LIPSA");

// The columns the client writes itself on every row, never a version's.
bool KeptByClient(const QString& column) {
  return column == kIndex || column == QLatin1String("ZZ_CONT") || column == kCreated;
}

QString Qualified(const TableName& table, const QString& prefix = {}) {
  return table.database + u'.' + prefix + table.table;
}

// The table's columns (as the result names them, upper case) from the last stored result.
QStringList VersionColumnsOf(const ResultTable& result) {
  QStringList columns;
  for (const QString& name : result.ColumnNames()) {
    if (!KeptByClient(name)) columns.append(name);
  }
  return columns;
}

// The audit copy's columns as a select list, with the names of the columns the copy does
// not have (NULL: added to the table after the copy was made) in one more column.
QString CopySelect(const QStringList& columns) {
  QStringList nullChecks;
  for (const QString& column : columns) {
    nullChecks.append(QStringLiteral("IF(z.`%1` IS NULL, '%1', NULL)").arg(column));
  }
  return QStringLiteral("z.*, CONCAT_WS(',', ") + nullChecks.join(QStringLiteral(", ")) +
         QStringLiteral(") AS znew_lipsa");
}

QString Cell(const ResultTable& result, int row, const QString& column) {
  return result.ColumnNames().contains(column) ? result.GetField(row, column) : QString();
}

RecordVersion VersionAt(const ResultTable& result, int row, const QStringList& columns, bool copy) {
  RecordVersion version;
  for (const QString& column : columns) version.values.append(Cell(result, row, column));
  if (!copy) return version;
  version.kind = Cell(result, row, kCopyOp) == QLatin1String("D") ? RecordVersion::Kind::kDeleted
                                                                  : RecordVersion::Kind::kReplaced;
  version.copyIndex = LeadingInteger(Cell(result, row, kCopyIndex));
  version.endedAt = Cell(result, row, kCopyTime);
  const QString missing = Cell(result, row, kMissing);
  if (!missing.isEmpty()) version.missing = missing.split(u',');
  return version;
}

// Versions oldest first: when each was written, and what it changed.
void LinkVersions(const QStringList& columns, std::vector<RecordVersion>& versions,
                  const std::vector<QString>& created) {
  for (size_t i = 0; i < versions.size(); ++i) {
    RecordVersion& version = versions[i];
    // The first version, and one put back after a delete, were written when their row was
    // created; any other when the version before it was replaced.
    const bool fresh = i == 0 || versions[i - 1].kind == RecordVersion::Kind::kDeleted;
    version.writtenAt = fresh ? created[i] : versions[i - 1].endedAt;
    if (i == 0) continue;
    const RecordVersion& before = versions[i - 1];
    for (qsizetype c = 0; c < columns.size(); ++c) {
      const QString& column = columns[c];
      if (version.missing.contains(column) || before.missing.contains(column)) continue;
      if (version.values[c] != before.values[c]) version.changed.append(column);
    }
  }
}

}  // namespace

QString RecordHistory::Value(const RecordVersion& version, const QString& column) const {
  const qsizetype at = columns.indexOf(column.toUpper());
  return at < 0 ? QString() : version.values.value(at);
}

QString DeletedRows::Value(const DeletedRow& row, const QString& column) const {
  const qsizetype at = columns.indexOf(column.toUpper());
  return at < 0 ? QString() : row.version.values.value(at);
}

std::optional<RecordHistory> ReadRecordHistory(CClient& client, const TableName& table,
                                               qint64 index) {
  if (client.Execute(Sql(QStringLiteral("SELECT * FROM ") + Qualified(table) +
                             QStringLiteral(" AS t WHERE t.`index`=%1"),
                         Number(index)),
                     1) != 0) {
    return std::nullopt;
  }
  RecordHistory history;
  history.columns = VersionColumnsOf(client.Result());
  std::optional<RecordVersion> current;
  QString currentCreated;
  if (client.RowCount() > 0) {
    current = VersionAt(client.Result(), 0, history.columns, false);
    currentCreated = Cell(client.Result(), 0, kCreated);
  }
  if (client.Execute(Sql(QStringLiteral("SELECT ") + CopySelect(history.columns) +
                             QStringLiteral(" FROM ") + Qualified(table, QStringLiteral("zlog_")) +
                             QStringLiteral(" AS z WHERE z.`index`=%1 ORDER BY z.znew_index"),
                         Number(index)),
                     1) != 0) {
    return std::nullopt;
  }
  std::vector<RecordVersion> versions;
  std::vector<QString> created;
  const ResultTable& copies = client.Result();
  for (int row = 0; row < static_cast<int>(copies.RowCount()); ++row) {
    versions.push_back(VersionAt(copies, row, history.columns, true));
    created.push_back(Cell(copies, row, kCreated));
  }
  if (current) {
    versions.push_back(*current);
    created.push_back(currentCreated);
  }
  LinkVersions(history.columns, versions, created);
  history.versions.assign(versions.rbegin(), versions.rend());
  return history;
}

std::optional<DeletedRows> ReadDeletedRows(CClient& client, const TableName& table,
                                           const QString& condition) {
  // The columns of the table as it is now.
  if (client.Execute(
          QStringLiteral("SELECT * FROM ") + Qualified(table) + QStringLiteral(" LIMIT 0"), 1) !=
      0) {
    return std::nullopt;
  }
  DeletedRows deleted;
  deleted.columns = VersionColumnsOf(client.Result());
  const QString audit = Qualified(table, QStringLiteral("zlog_"));
  // A row's last copy is its delete, and no row of that index is there: put back and deleted
  // again, a row shows once, with its last delete.
  const QString sql =
      QStringLiteral("SELECT ") + CopySelect(deleted.columns) + QStringLiteral(" FROM ") + audit +
      QStringLiteral(" AS z JOIN (SELECT y.`index` AS i, MAX(y.znew_index) AS m FROM ") + audit +
      QStringLiteral(" AS y GROUP BY y.`index`) AS ultima ON ultima.m=z.znew_index LEFT JOIN ") +
      Qualified(table) +
      QStringLiteral(" AS t ON t.`index`=z.`index` WHERE z.znew_op='D' AND t.`index` IS NULL") +
      (condition.isEmpty() ? QString() : QStringLiteral(" AND (") + condition + u')') +
      QStringLiteral(" ORDER BY z.znew_index DESC");
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  const ResultTable& copies = client.Result();
  for (int row = 0; row < static_cast<int>(copies.RowCount()); ++row) {
    DeletedRow deletedRow;
    deletedRow.index = LeadingInteger(Cell(copies, row, kIndex));
    deletedRow.version = VersionAt(copies, row, deleted.columns, true);
    deletedRow.version.writtenAt = Cell(copies, row, kCreated);
    deleted.rows.push_back(std::move(deletedRow));
  }
  return deleted;
}

Columns VersionColumns(const QStringList& columns, const RecordVersion& version) {
  Columns written;
  for (qsizetype c = 0; c < columns.size(); ++c) {
    if (version.missing.contains(columns[c])) continue;
    written.push_back({columns[c], version.values.value(c)});
  }
  return written;
}

int WriteVersionBack(CClient& client, const TableName& table, qint64 index,
                     const QStringList& columns, const RecordVersion& version) {
  return client.AuditedUpdate(static_cast<double>(index), table, VersionColumns(columns, version));
}

int PutDeletedRowBack(CClient& client, const TableName& table, const QStringList& columns,
                      const DeletedRow& row) {
  Columns written = {{QStringLiteral("index"), QString::number(row.index)}};
  const Columns values = VersionColumns(columns, row.version);
  written.insert(written.end(), values.begin(), values.end());
  return client.AuditedInsert(table, written);
}

QString ShownTime(const QString& serverTime) {
  const QDateTime time = QDateTime::fromString(serverTime, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  if (!time.isValid()) return QStringLiteral("necunoscuta");
  return time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString VersionKindText(RecordVersion::Kind kind) {
  switch (kind) {
    case RecordVersion::Kind::kCurrent:
      return QStringLiteral("curenta");
    case RecordVersion::Kind::kReplaced:
      return QStringLiteral("modificata");
    case RecordVersion::Kind::kDeleted:
      return QStringLiteral("stearsa");
  }
  return {};
}
