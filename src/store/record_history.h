#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "store/columns.h"

class CClient;

// The history of a register row, read from its table and its zlog_ audit table: every
// version the audited writes copied before changing or deleting it, and the row as it is.

// One version of a row.
struct RecordVersion {
  enum class Kind {
    kCurrent,   // the row as it is now
    kReplaced,  // an audit copy made before an update ("M")
    kDeleted,   // an audit copy made before a delete ("D")
  };
  Kind kind = Kind::kCurrent;
  qint64 copyIndex = 0;  // znew_index of the audit copy; 0 for the current row
  // When this version was written and when it was replaced or deleted, as the server writes
  // times ("2024-05-31 14:05:09"); empty when not known (copies made before the copy time was
  // kept, and the current row's end).
  QString writtenAt;
  QString endedAt;
  // In the order of RecordHistory::columns; a column the copy did not have yet is empty and
  // listed in `missing`.
  QStringList values;
  QStringList missing;
  // The columns whose value differs from the version written before this one.
  QStringList changed;
};

// The word the history window and the command show for a version's kind.
QString VersionKindText(RecordVersion::Kind kind);

struct RecordHistory {
  // The table's columns a version holds: all but `index` and the account and creation
  // columns the client keeps itself.
  QStringList columns;
  std::vector<RecordVersion> versions;  // newest first

  [[nodiscard]] bool HasCurrent() const {
    return !versions.empty() && versions.front().kind == RecordVersion::Kind::kCurrent;
  }
  [[nodiscard]] QString Value(const RecordVersion& version, const QString& column) const;
};

// The versions of the row with this `index`; nothing when a query failed (shown).
[[nodiscard]] std::optional<RecordHistory> ReadRecordHistory(CClient& client,
                                                             const TableName& table, qint64 index);

// A row deleted through the audited delete and not put back since: its last "D" copy.
struct DeletedRow {
  qint64 index = 0;
  RecordVersion version;  // kind kDeleted; endedAt is the time of the delete
};

struct DeletedRows {
  QStringList columns;           // as RecordHistory::columns
  std::vector<DeletedRow> rows;  // the latest delete first
  [[nodiscard]] QString Value(const DeletedRow& row, const QString& column) const;
};

// The table's deleted rows that the condition (SQL text on the audit copy's columns, built
// with Sql; empty: all) selects. Nothing when a query failed (shown).
[[nodiscard]] std::optional<DeletedRows> ReadDeletedRows(CClient& client, const TableName& table,
                                                         const QString& condition = {});

// The deleted rows whose last "D" copy carries this copy time: the rows one cascade deleted
// (their copies were dated alike), with the given condition.
[[nodiscard]] std::optional<DeletedRows> ReadDeletedTogether(CClient& client,
                                                             const TableName& table,
                                                             const QString& condition,
                                                             const QString& deletedAt);

// The columns a version writes back: its values, without the columns the copy did not have.
[[nodiscard]] Columns VersionColumns(const QStringList& columns, const RecordVersion& version);

// The version's values over the row through the audited update, so the version it replaces
// goes into the history too. 0 on success, 1 after a failure shown.
[[nodiscard]] int WriteVersionBack(CClient& client, const TableName& table, qint64 index,
                                   const QStringList& columns, const RecordVersion& version);
// The deleted row back with its `index`, through the audited insert. 0 on success, 1 after a
// failure shown.
[[nodiscard]] int PutDeletedRowBack(CClient& client, const TableName& table,
                                    const QStringList& columns, const DeletedRow& row);

// "2024-05-31 14:05:09" as the screens show times: "31.05.2024 14:05:09"; "necunoscuta" for
// a time not known.
[[nodiscard]] QString ShownTime(const QString& serverTime);
