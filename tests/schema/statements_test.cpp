#include "schema_test_util.h"
#include "screen_statements.h"

using namespace schema_test;

namespace {

Columns WriteColumns(const AuditedWrite& write) {
  Columns columns;
  for (qsizetype i = 0; i < write.columns.size(); ++i) {
    columns.push_back({write.columns[i], write.values[i]});
  }
  return columns;
}

TableName WriteTable(const AuditedWrite& write) {
  return {QLatin1String(write.database), QLatin1String(write.table)};
}

// One row in every table, so that joins and updates meet data.
void FillOneRowEach() {
  for (const AuditedWrite& write : ScreenAuditedWrites()) {
    ASSERT_EQ(Client().AuditedInsert(WriteTable(write), WriteColumns(write)), 0)
        << write.table << ": " << Shown().LastText().toStdString();
    EXPECT_EQ(Client().LastInsertId(), 1u) << write.table;
  }
}

TEST(StatementsTest, EveryStatementOfTheScreensRunsOnAFreshSchema) {
  FreshInstall();
  FillOneRowEach();
  for (const ScreenStatement& statement : ScreenStatements()) {
    Shown().Clear();
    const int store = statement.sql.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive);
    EXPECT_EQ(Client().Execute(statement.sql, store), 0)
        << statement.screen << ": " << statement.sql.toStdString() << "\n"
        << Shown().LastText().toStdString();
  }
  // The deletions at the end found the rows the screens had built.
  EXPECT_EQ(Count(QStringLiteral("asigurati.societati")), 0);
  EXPECT_EQ(Count(QStringLiteral("concedii.concedii")), 0);
}

// Inserts that leave columns out, updates that copy the old row into the audit table, and
// values stored whole: every audited write of the screens, on every table it touches.
TEST(StatementsTest, AuditedWritesOfTheScreensStoreWholeValuesAndKeepTheirHistory) {
  FreshInstall();
  FillOneRowEach();
  for (const AuditedWrite& write : ScreenAuditedWrites()) {
    const QString table = QLatin1String(write.database) + u'.' + QLatin1String(write.table);
    const QStringList stored = Cells(QStringLiteral("SELECT ") + write.columns.join(u',') +
                                     QStringLiteral(" FROM ") + table);
    EXPECT_EQ(stored, write.values) << write.table;
    Shown().Clear();
    ASSERT_EQ(Client().AuditedUpdate(1, WriteTable(write), WriteColumns(write)), 0)
        << Shown().LastText().toStdString();
    ASSERT_EQ(Client().AuditedDelete(1, WriteTable(write)), 0) << Shown().LastText().toStdString();
    const QString audit =
        QLatin1String(write.database) + QStringLiteral(".zlog_") + QLatin1String(write.table);
    EXPECT_EQ(
        Value(QStringLiteral("SELECT GROUP_CONCAT(znew_op ORDER BY znew_index) FROM ") + audit),
        QStringLiteral("M,D"))
        << write.table;
    EXPECT_EQ(Value(QStringLiteral("SELECT COUNT(*) FROM ") + audit +
                    QStringLiteral(" WHERE zz_data IS NOT NULL AND `index`=1")),
              QStringLiteral("2"))
        << write.table;
  }
}

}  // namespace
