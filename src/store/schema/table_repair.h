#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class SchemaRunner;

// The register's tables as the start-up preparation names them, one list per database.
const QStringList& RegisterTables();
const QStringList& LeaveTables();

// The start-up preparation's repairs, made safe: each database's tables are checked, and
// only a table the check reports is repaired, after a safety copy of its files. A repair
// rebuilds the table through a new data file, and the server removes the old one before it
// renames the new one: a healthy table is never put through that. A repair that changes a
// table's row count or answers anything but "OK" is shown with the copy's place. Returns
// false after a failure already shown. On a server the program did not start itself (no
// embedded data folder) the server looks after its files and nothing is done here.
[[nodiscard]] bool CheckAndRepairTables(SchemaRunner& runner);

// A safety copy of the tables' files taken with the tables flushed and locked, for work
// that rewrites them (an upgrade step, a repair statement of a step). Nothing is copied,
// and the result is an empty text, when the server is not the program's own; nothing, when
// the copy failed (already shown).
[[nodiscard]] std::optional<QString> CopyTablesBeforeRewrite(SchemaRunner& runner,
                                                             const QStringList& tables);

// Every table of the register's two databases, as "database.table".
QStringList AllRegisterTables(const QString& dataDir);
