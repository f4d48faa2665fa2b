#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "store/columns.h"

// The tables of a first installation, as data: the creation statements and the audit
// tables are derived from these definitions, so a table and its zlog_ table cannot drift.

struct ColumnDef {
  const char* name;
  const char* type;        // for example "VARCHAR(13)"
  const char* constraint;  // for example "NOT NULL DEFAULT ''"
};

struct TableDef {
  const char* database;
  const char* name;
  std::vector<ColumnDef> columns;
  QStringList keys;  // primary, unique and secondary keys, as in CREATE TABLE
  bool audited;      // updated or deleted through the audited writes: has a zlog_ table
};

const std::vector<TableDef>& SchemaTables();

// The name a table's statements use: its definition's names in upper case, as the register's
// statements always wrote them.
[[nodiscard]] TableName NameOf(const TableDef& table);
// The register tables the program writes through the audited writes.
[[nodiscard]] const TableName& CompaniesTable();
[[nodiscard]] const TableName& InsuredTable();
[[nodiscard]] const TableName& DependantsTable();
[[nodiscard]] const TableName& MonthlyAmountsTable();
[[nodiscard]] const TableName& EmployerAmountsTable();
[[nodiscard]] const TableName& SettingsTable();
[[nodiscard]] const TableName& DeclarationsTable();
[[nodiscard]] const TableName& CertificatesTable();
// The record of the files the program wrote (not written through the audited writes).
[[nodiscard]] const TableName& WrittenFilesTable();
// Its definition, for the upgrade step that brings it to an older register.
[[nodiscard]] const TableDef& WrittenFilesDef();

// The width of a text column ("VARCHAR(13)": 13), names compared without regard to case;
// nothing for a column that is not text or not in the tables.
[[nodiscard]] std::optional<int> TextColumnWidth(const QString& database, const QString& table,
                                                 const QString& column);

// The tables that carry a company's fiscal code in their CF column besides the company's own
// row in asigurati.societati: what a changed fiscal code moves and a deleted company takes
// with it.
inline constexpr std::array<const char*, 6> kTablesWithCompanyCf = {
    "asigurati.asigurati",      "asigurati.coasigurati", "asigurati.sume",
    "asigurati.sume_societati", "concedii.declaratii",   "concedii.concedii"};

// The client's name of a table written "database.table" (one of kTablesWithCompanyCf).
[[nodiscard]] TableName QualifiedTableName(const char* qualified);

// "CREATE TABLE IF NOT EXISTS db.name (...)".
QString CreateTableStatement(const TableDef& table);
// The audit table: the table's columns, all nullable and without keys, plus znew_index,
// znew_cont, znew_op and znew_data.
QString CreateAuditTableStatement(const TableDef& table);
// The time of each audit copy: set by the server when the copy is made. Copies made before
// the column existed keep it empty.
QString AuditCopyTimeColumn();
// The type a column of an audit table gets for a column of the given type.
QString AuditColumnType(const QString& type);
