#include <gtest/gtest.h>

#include <optional>

#include "store/c_client.h"
#include "store/transaction.h"
#include "support/test_server.h"

namespace {

const TableName kPersons = {QStringLiteral("T"), QStringLiteral("PERSOANE")};

class CClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server().ResetDatabases({QStringLiteral("t")});
    server().Run(QStringLiteral(
        "CREATE TABLE t.persoane (`index` INT AUTO_INCREMENT PRIMARY KEY, NUME VARCHAR(100) "
        "NOT NULL DEFAULT '', SUMA DOUBLE NOT NULL DEFAULT 0, ZZ_CONT VARCHAR(50) NOT NULL "
        "DEFAULT 'x', ZZ_DATA TIMESTAMP NOT NULL DEFAULT '2001-02-03 04:05:06')"));
    server().Run(QStringLiteral(
        "CREATE TABLE t.zlog_persoane (`index` INT, NUME VARCHAR(100), SUMA DOUBLE, ZZ_CONT "
        "VARCHAR(50), ZZ_DATA TIMESTAMP NULL, znew_index INT AUTO_INCREMENT PRIMARY KEY, "
        "znew_cont VARCHAR(50), znew_op CHAR(1))"));
  }
  static TestServer& server() { return TestServer::Instance(); }
  static CClient& client() { return server().Client(); }

  int Insert(const QString& name) {
    return client().AuditedInsert(kPersons, {{QStringLiteral("NUME"), name}});
  }
  QString StoredName(quint64 index) {
    EXPECT_EQ(client().Execute(QStringLiteral("SELECT nume FROM t.persoane WHERE `index`=") +
                                   QString::number(index),
                               1),
              0);
    return client().GetField(0, QStringLiteral("NUME"));
  }
};

TEST_F(CClientTest, ValuesThatTryToLeaveTheirQuotesAreStoredExactly) {
  struct Case {
    QString typed;
    QString stored;
  };
  const Case cases[] = {
      {QStringLiteral("O'Brien"), QStringLiteral("O'Brien")},
      {QStringLiteral("back`quote"), QStringLiteral("back'quote")},  // the register's rule
      {QStringLiteral("ends with \\"), QStringLiteral("ends with \\")},
      {QStringLiteral("\\' OR 1=1 -- "), QStringLiteral("\\' OR 1=1 --")},
      {QStringLiteral("100% _sigur_"), QStringLiteral("100% _sigur_")},
      {QStringLiteral("Ştefănescu Țuțea"), QStringLiteral("Ştefănescu Țuțea")},
      {QStringLiteral("doua\nranduri \"citate\""), QStringLiteral("doua\nranduri \"citate\"")},
      {QStringLiteral("`\\'`"), QStringLiteral("'\\''")},
      {QStringLiteral("'); DROP TABLE t.persoane; --"),
       QStringLiteral("'); DROP TABLE t.persoane; --")},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Insert(c.typed), 0) << c.typed.toStdString();
    EXPECT_EQ(StoredName(client().LastInsertId()), c.stored) << c.typed.toStdString();
  }
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT COUNT(*) AS n FROM t.persoane"), 1), 0);
  EXPECT_EQ(client().GetField(0, QStringLiteral("N")), QString::number(std::size(cases)));
  EXPECT_TRUE(server().Prompter().Messages().empty());
}

TEST_F(CClientTest, InsertMarksTheRowAndReportsItsIndex) {
  ASSERT_EQ(Insert(QStringLiteral("A")), 0);
  ASSERT_EQ(Insert(QStringLiteral("B")), 0);
  EXPECT_EQ(client().LastInsertId(), 2u);
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT zz_cont FROM t.persoane WHERE `index`=2"), 1),
            0);
  EXPECT_EQ(client().GetField(0, QStringLiteral("ZZ_CONT")), QString());
}

TEST_F(CClientTest, UpdateKeepsCreationTimeAndLogsTheOldRow) {
  ASSERT_EQ(Insert(QStringLiteral("Vechi")), 0);
  ASSERT_EQ(client().AuditedUpdate(1, {QStringLiteral("t"), QStringLiteral("persoane")},
                                   {{QStringLiteral("NUME"), QStringLiteral("Nou")},
                                    {QStringLiteral("SUMA"), QStringLiteral("12.5")}}),
            0);
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT * FROM t.persoane"), 1), 0);
  EXPECT_EQ(client().GetField(0, QStringLiteral("NUME")), QStringLiteral("Nou"));
  EXPECT_EQ(client().GetField(0, QStringLiteral("SUMA")), QStringLiteral("12.5"));
  EXPECT_EQ(client().GetField(0, QStringLiteral("ZZ_DATA")), QStringLiteral("2001-02-03 04:05:06"));
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT * FROM t.zlog_persoane"), 1), 0);
  ASSERT_EQ(client().RowCount(), 1);
  EXPECT_EQ(client().GetField(0, QStringLiteral("NUME")), QStringLiteral("Vechi"));
  EXPECT_EQ(client().GetField(0, QStringLiteral("ZNEW_OP")), QStringLiteral("M"));
  EXPECT_EQ(client().GetField(0, QStringLiteral("ZNEW_CONT")), QString());
}

// The audit copy's column list is read once per table on the embedded register; a change of
// the table's columns through the client is seen by the next copy.
TEST_F(CClientTest, AuditColumnsAreReadOncePerTableUntilTheTableChanges) {
  ASSERT_EQ(Insert(QStringLiteral("Unu")), 0);
  client().ClearStatementLog();
  client().KeepStatementLog(true);
  const auto update = [](const char* name) {
    return client().AuditedUpdate(1, kPersons, {{QStringLiteral("NUME"), QLatin1String(name)}});
  };
  ASSERT_EQ(update("Doi"), 0);
  ASSERT_EQ(update("Trei"), 0);
  EXPECT_EQ(client().StatementLog().filter(QStringLiteral("LIMIT 0")).size(), 1);
  server().Run(
      QStringLiteral("ALTER TABLE t.persoane ADD ORAS VARCHAR(20) NOT NULL DEFAULT 'Cluj'"));
  server().Run(QStringLiteral("ALTER TABLE t.zlog_persoane ADD ORAS VARCHAR(20)"));
  ASSERT_EQ(update("Patru"), 0);
  EXPECT_EQ(client().StatementLog().filter(QStringLiteral("LIMIT 0")).size(), 2);
  client().KeepStatementLog(false);
  client().ClearStatementLog();
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT oras, nume FROM t.zlog_persoane ORDER BY "
                                            "znew_index DESC LIMIT 1"),
                             1),
            0);
  EXPECT_EQ(client().GetField(0, QStringLiteral("ORAS")), QStringLiteral("Cluj"));
  EXPECT_EQ(client().GetField(0, QStringLiteral("NUME")), QStringLiteral("Trei"));
}

// Which statements make the next audit copy read its table's columns again: those that may
// change columns, however they are written; the same table named in other letters is the
// same table.
TEST_F(CClientTest, OnlyStatementsThatChangeTablesForgetTheAuditColumns) {
  ASSERT_EQ(Insert(QStringLiteral("Unu")), 0);
  const struct {
    const char* statement;
    bool forgets;
  } cases[] = {
      {"  alter table t.persoane COMMENT 'a'", true},
      {"\nCreate TABLE t.alta (x INT)", true},
      {"DROP TABLE t.alta", true},
      {"rename TABLE t.persoane TO t.persoane2, t.persoane2 TO t.persoane", true},
      {"SELECT 'ALTER TABLE' AS x", false},
      {"UPDATE t.persoane SET suma=1 WHERE nume='DROP'", false},
      {"ALTE", false},
  };
  const TableName otherLetters = {QStringLiteral("t"), QStringLiteral("persoane")};
  for (const auto& c : cases) {
    ASSERT_EQ(client().AuditedUpdate(1, kPersons, {{QStringLiteral("NUME"), QStringLiteral("A")}}),
              0);
    client().ClearStatementLog();
    client().KeepStatementLog(true);
    static_cast<void>(client().ExecuteQuiet(QString::fromUtf8(c.statement)));
    ASSERT_EQ(
        client().AuditedUpdate(1, otherLetters, {{QStringLiteral("NUME"), QStringLiteral("B")}}),
        0);
    EXPECT_EQ(client().StatementLog().filter(QStringLiteral("LIMIT 0")).size(), c.forgets ? 1 : 0)
        << c.statement;
    client().KeepStatementLog(false);
  }
  client().ClearStatementLog();
}

TEST_F(CClientTest, DeleteLogsTheRowThenRemovesIt) {
  ASSERT_EQ(Insert(QStringLiteral("Plecat")), 0);
  client().KeepStatementLog(true);
  ASSERT_EQ(client().AuditedDelete(1, kPersons), 0);
  client().KeepStatementLog(false);
  // The audit row is written with its mark in one statement: nothing a kill could cut.
  const QStringList audit =
      client().StatementLog().filter(QStringLiteral("zlog_persoane"), Qt::CaseInsensitive);
  client().ClearStatementLog();
  ASSERT_EQ(audit.size(), 1) << audit.join(u'\n').toStdString();
  EXPECT_TRUE(audit.first().startsWith(QLatin1String("insert into")));
  EXPECT_TRUE(audit.first().contains(QLatin1String(", '', 'D' from")))
      << audit.first().toStdString();
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT * FROM t.persoane"), 1), 0);
  EXPECT_EQ(client().RowCount(), 0);
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT * FROM t.zlog_persoane"), 1), 0);
  ASSERT_EQ(client().RowCount(), 1);
  EXPECT_EQ(client().GetField(0, QStringLiteral("NUME")), QStringLiteral("Plecat"));
  EXPECT_EQ(client().GetField(0, QStringLiteral("ZNEW_OP")), QStringLiteral("D"));
  EXPECT_EQ(client().LastInsertId(), 1u);  // the log row's own key
}

TEST_F(CClientTest, UpdateWithoutAuditTableStillUpdatesSilently) {
  server().Run(QStringLiteral("DROP TABLE t.zlog_persoane"));
  ASSERT_EQ(Insert(QStringLiteral("Unu")), 0);
  ASSERT_EQ(client().AuditedUpdate(1, {QStringLiteral("t"), QStringLiteral("persoane")},
                                   {{QStringLiteral("NUME"), QStringLiteral("Doi")}}),
            0);
  EXPECT_EQ(StoredName(1), QStringLiteral("Doi"));
  EXPECT_TRUE(server().Prompter().Messages().empty());
}

TEST_F(CClientTest, FailedStatementShowsTheServerMessageAndReturnsOne) {
  EXPECT_EQ(client().Execute(QStringLiteral("SELECT * FROM t.lipsa"), 1), 1);
  ASSERT_EQ(server().Prompter().Messages().size(), 1u);
  EXPECT_TRUE(server().Prompter().LastText().startsWith(QStringLiteral("EROARE Mysql:\n\nTable")))
      << server().Prompter().LastText().toStdString();
  server().Prompter().Clear();
  EXPECT_EQ(client().AuditedInsert({QStringLiteral("t"), QStringLiteral("persoane")},
                                   {{QStringLiteral("NECUNOSCUT"), QStringLiteral("x")}}),
            1);
  EXPECT_EQ(server().Prompter().Messages().size(), 1u);
}

TEST_F(CClientTest, LongStatementsAreNeitherCutNorOverflowed) {
  const QString longName = QString(90, u'ă');
  const Columns sixty(60, Column{QStringLiteral("NUME"), longName});
  // Sixty times the same column is refused by the server, whole: nothing was cut.
  EXPECT_EQ(client().AuditedInsert({QStringLiteral("t"), QStringLiteral("persoane")}, sixty), 1);
  EXPECT_TRUE(server().Prompter().LastText().contains(QStringLiteral("NUME")));
  ASSERT_EQ(Insert(QString(100, u'ş')), 0);
  EXPECT_EQ(StoredName(client().LastInsertId()), QString(100, u'ş'));
}

// The embedded register's tables cannot roll back, so its guard sends nothing: a write inside
// it stays whether the guard is committed or left, nested guards included, nothing is shown,
// and a guard commits once.
TEST_F(CClientTest, TransactionGuardOnTheEmbeddedRegisterKeepsEveryWrite) {
  struct Case {
    const char* name;
    bool nested;
    bool committed;
  };
  const Case cases[] = {{"committed", false, true},
                        {"left", false, false},
                        {"nested, committed", true, true},
                        {"nested, left", true, false}};
  int written = 0;
  for (const Case& c : cases) {
    {
      Transaction outer(client());
      ASSERT_TRUE(outer.Begun()) << c.name;
      std::optional<Transaction> inner;
      if (c.nested) inner.emplace(client());
      ASSERT_EQ(Insert(QString::fromLatin1(c.name)), 0) << c.name;
      ++written;
      if (inner) {
        EXPECT_TRUE(inner->Commit()) << c.name;
      }
      if (c.committed) {
        EXPECT_TRUE(outer.Commit()) << c.name;
        EXPECT_FALSE(outer.Commit()) << c.name;
      }
    }
    ASSERT_EQ(client().Execute(QStringLiteral("SELECT COUNT(*) AS n FROM t.persoane"), 1), 0);
    EXPECT_EQ(client().GetField(0, QStringLiteral("N")), QString::number(written)) << c.name;
  }
  EXPECT_TRUE(server().Prompter().Messages().empty());
}

TEST_F(CClientTest, SqlValueHelpersNeverChangeTheStatement) {
  ASSERT_EQ(Insert(QStringLiteral("a_b")), 0);
  ASSERT_EQ(Insert(QStringLiteral("axb")), 0);
  ASSERT_EQ(Insert(QStringLiteral("O'Brien\\")), 0);
  ASSERT_EQ(
      client().Execute(QStringLiteral("SELECT nume FROM t.persoane WHERE nume LIKE ") +
                           client().Like({}, QStringLiteral("a_"), QStringLiteral("%")).Literal(),
                       1),
      0);
  ASSERT_EQ(client().RowCount(), 1);
  EXPECT_EQ(client().GetField(0, QStringLiteral("NUME")), QStringLiteral("a_b"));
  ASSERT_EQ(client().Execute(QStringLiteral("SELECT nume FROM t.persoane WHERE nume=") +
                                 client().Text(QStringLiteral("O'Brien\\")).Literal(),
                             1),
            0);
  EXPECT_EQ(client().RowCount(), 1);
  EXPECT_EQ(CClient::Number(QStringLiteral("1 OR 1=1")), QStringLiteral("NULL"));
  EXPECT_EQ(CClient::Number(QStringLiteral(" 200906 ")), QStringLiteral("200906"));
  EXPECT_EQ(CClient::Number(QStringLiteral("-12.50")), QStringLiteral("-12.50"));
  EXPECT_EQ(CClient::Number(7.0), QStringLiteral("7"));
}

TEST_F(CClientTest, StatementLogKeepsWhatWasSentInOrderOnlyWhileKept) {
  ASSERT_EQ(Insert(QStringLiteral("Inainte")), 0);
  EXPECT_TRUE(client().StatementLog().isEmpty());
  client().KeepStatementLog(true);
  ASSERT_EQ(Insert(QStringLiteral("Ştefan")), 0);
  EXPECT_EQ(client().ExecuteQuiet(QStringLiteral("SELECT * FROM t.lipsa")), 1);
  client().ClearPieces();
  client().AddPiece(QStringLiteral("SELECT nume "));
  client().AddPiece(QStringLiteral("FROM t.persoane"));
  EXPECT_EQ(client().ExecuteBuffered(), 0);
  const QStringList log = client().StatementLog();
  client().KeepStatementLog(false);
  ASSERT_EQ(Insert(QStringLiteral("Dupa")), 0);
  EXPECT_EQ(client().StatementLog(), log);
  ASSERT_GE(log.size(), 3);
  // The audited insert first (its statements are the client's own), then the failed query and
  // the buffered one as sent.
  EXPECT_TRUE(log.first().contains(u"'Ştefan'")) << log.join(u'|').toStdString();
  EXPECT_EQ(log.mid(log.size() - 2), QStringList({QStringLiteral("SELECT * FROM t.lipsa"),
                                                  QStringLiteral("SELECT nume FROM t.persoane")}));
  client().ClearStatementLog();
  EXPECT_TRUE(client().StatementLog().isEmpty());
}

}  // namespace
