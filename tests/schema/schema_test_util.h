#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "store/c_client.h"
#include "store/schema/schema.h"
#include "support/test_server.h"

#include "support/print_to.h"

// Shared by the in-process schema tests: they all use the test program's one server.
namespace schema_test {

inline CClient& Client() { return TestServer::Instance().Client(); }
inline ScriptedPrompter& Shown() { return TestServer::Instance().Prompter(); }

// The cells of a query that must succeed, row after row.
inline QStringList Cells(const QString& sql) {
  if (Client().ExecuteQuiet(sql, 1) != 0) {
    ADD_FAILURE() << "query failed: " << sql.toStdString();
    return {};
  }
  return Client().Result().Cells();
}

inline QString Value(const QString& sql) {
  const QStringList cells = Cells(sql);
  return cells.isEmpty() ? QStringLiteral("<no row>") : cells.first();
}

inline int Count(const QString& fromWhere) {
  return Value(QStringLiteral("SELECT COUNT(*) FROM ") + fromWhere).toInt();
}

// What a program start shows the user while checking the schema.
inline QStringList StartProgram(const SchemaObserver& observer = {}) {
  Shown().Clear();
  UpgradeSchema(Client(), observer);
  return Shown().Texts();
}

inline void DropDatabases() {
  for (const char* database : {"asigurati", "concedii", "velka_creare"}) {
    TestServer::Instance().Run(QStringLiteral("DROP DATABASE IF EXISTS ") +
                               QLatin1String(database));
  }
}

// A first installation on this server.
inline void FreshInstall() {
  DropDatabases();
  const QStringList shown = StartProgram();
  ASSERT_TRUE(shown.isEmpty()) << shown.join(u'|').toStdString();
}

inline QStringList ColumnsOf(const QString& database, const QString& table) {
  return Cells(QStringLiteral("SELECT LOWER(column_name) FROM information_schema.columns WHERE "
                              "table_schema='%1' AND table_name='%2' ORDER BY ordinal_position")
                   .arg(database, table));
}

inline QString Version() {
  return Value(QStringLiteral(
      "SELECT GROUP_CONCAT(setare SEPARATOR '+') FROM asigurati.setari WHERE denumire='versiune'"));
}

inline QString DuplicateSalary() {
  return QStringLiteral("EROARE Mysql:\n\nDuplicate column name 'salariu'");
}

}  // namespace schema_test
