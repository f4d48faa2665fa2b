#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A copy of the register: one gzip-compressed SQL text that a database administrator can
// also load with `zcat COPY | mariadb` into a server without the register. It opens with a
// comment block (program, register version, time, each table and its rows), then sets the
// session, creates the databases, the table definitions and the rows of every table, and
// ends with a closing comment. The program reads back only what it writes: any other
// statement refuses the file.

// "velka-asigurati_2026-12-07_2051.sql.gz"
[[nodiscard]] QString CopyFileName(const QDateTime& taken);
// The time a copy's file name gives; nothing for a name that is not one of a copy.
[[nodiscard]] std::optional<QDateTime> CopyFileTime(const QString& fileName);

// The program named in a copy's header: "Velka Asigurati 2.06 (2009.06.04)".
[[nodiscard]] inline QString CopyProgramName(const QString& version) {
  return QStringLiteral("Velka Asigurati ") + version;
}

// The register's databases: what a copy holds and a restore puts back.
[[nodiscard]] const QStringList& CopiedDatabases();

// The layout this program writes; a copy of a later one comes from a newer program.
inline constexpr int kCopyFormat = 1;

struct CopyTable {
  QString name;  // "asigurati.sume"
  qint64 rows = 0;
};

struct CopyHeader {
  int format = kCopyFormat;
  QString program;          // "Velka Asigurati 2.06 (2009.06.04)"
  QString registerVersion;  // the version row of asigurati.setari
  QString taken;            // "2026-12-07 20:51:36", local time
  QString origin;           // where the register was: its data folder, or the server
  std::vector<CopyTable> tables;

  qint64 TotalRows() const;
};

// The comment block, ending with its closing line.
[[nodiscard]] QByteArray HeaderText(const CopyHeader& header);

// The statements every copy sends before its databases, in order: the text as UTF-8 and
// times in UTC, a row number 0 kept, the SQL mode of the program's own server.
[[nodiscard]] const std::vector<QByteArray>& SessionStatements();
// The comment line after the last statement: a copy without it was cut short.
inline constexpr char kCopyEnd[] = "-- Sfarsitul copiei";

// Table definitions as SHOW CREATE TABLE gives them, made fit for any MariaDB server:
// qualified with the database and without the storage engine and its options, which the
// receiving server chooses (Aria in the embedded register, InnoDB on a shared server). The
// character set, the collation and the next automatic number stay. Nothing for a text that
// is not one table's definition.
[[nodiscard]] std::optional<QByteArray> PortableDefinition(const QByteArray& shown,
                                                           const QString& database);

// The closing parenthesis matching the one at `open`, quoted texts and names passed over;
// -1 when the text ends first.
[[nodiscard]] qsizetype DefinitionEnd(const QByteArray& text, qsizetype open);

// "`asigurati`.`sume`": a name quoted as an identifier.
[[nodiscard]] QByteArray QuotedName(const QString& database, const QString& table);
[[nodiscard]] QByteArray QuotedIdentifier(const QByteArray& name);
