#pragma once

#include <QString>
#include <QStringList>
#include <vector>

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

// "CREATE TABLE IF NOT EXISTS db.name (...)".
QString CreateTableStatement(const TableDef& table);
// The audit table: the table's columns, all nullable and without keys, plus znew_index,
// znew_cont and znew_op.
QString CreateAuditTableStatement(const TableDef& table);
// The type a column of an audit table gets for a column of the given type.
QString AuditColumnType(const QString& type);
