#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "schema_test_util.h"

using namespace schema_test;

namespace {

class CreationTest : public ::testing::Test {
 protected:
  void SetUp() override { FreshInstall(); }
};

TEST_F(CreationTest, FirstStartCreatesTheRegisterAtTheCurrentVersion) {
  EXPECT_EQ(Version(), QLatin1String(kSchemaVersion));
  const QStringList houses = Cells(QStringLiteral("SELECT cas FROM asigurati.cas ORDER BY cas"));
  EXPECT_EQ(houses.size(), 44);
  for (const HouseSeed& house : SeedHouses()) {
    EXPECT_TRUE(houses.contains(QLatin1String(house.code))) << house.code;
  }
  EXPECT_FALSE(houses.contains(QStringLiteral("CASHG")));
  EXPECT_EQ(Value(QStringLiteral("SELECT denumire FROM asigurati.cas WHERE cas='CAS_B'")),
            QStringLiteral("Bucuresti"));
  EXPECT_EQ(Count(QStringLiteral("information_schema.schemata WHERE schema_name='velka_creare'")),
            0);
}

TEST_F(CreationTest, EveryAuditedTableHasAnAuditTableWithItsColumns) {
  const struct {
    const char* database;
    const char* table;
  } audited[] = {{"asigurati", "societati"},      {"asigurati", "asigurati"},
                 {"asigurati", "coasigurati"},    {"asigurati", "sume"},
                 {"asigurati", "sume_societati"}, {"concedii", "concedii"},
                 {"concedii", "declaratii"}};
  for (const auto& entry : audited) {
    const QString database = QLatin1String(entry.database);
    const QString table = QLatin1String(entry.table);
    QStringList expected = ColumnsOf(database, table);
    ASSERT_FALSE(expected.isEmpty()) << entry.table;
    expected << QStringLiteral("znew_index") << QStringLiteral("znew_cont")
             << QStringLiteral("znew_op") << QStringLiteral("znew_data");
    EXPECT_EQ(ColumnsOf(database, QStringLiteral("zlog_") + table), expected) << entry.table;
  }
}

TEST_F(CreationTest, QueriesOfTheRegisterFindTheirIndexes) {
  const struct {
    const char* table;
    const char* columns;
  } needed[] = {
      {"asigurati.sume", "id_cnp,luna"},       {"asigurati.sume", "cf,luna"},
      {"asigurati.asigurati", "cf,iesire"},    {"asigurati.asigurati", "cnp"},
      {"asigurati.coasigurati", "cnp_asig"},   {"asigurati.coasigurati", "cnp"},
      {"asigurati.sume_societati", "cf,luna"}, {"concedii.declaratii", "cf,luna"},
      {"concedii.concedii", "id_declaratie"},  {"concedii.concedii", "cnp,cert_serie,cert_numar"}};
  const QStringList keys = Cells(QStringLiteral(
      "SELECT CONCAT(table_schema, '.', table_name, ':', GROUP_CONCAT(LOWER(column_name) ORDER "
      "BY seq_in_index)) FROM information_schema.statistics WHERE table_schema IN ('asigurati', "
      "'concedii') GROUP BY table_schema, table_name, index_name"));
  for (const auto& key : needed) {
    const QString wanted = QLatin1String(key.table) + u':' + QLatin1String(key.columns);
    EXPECT_TRUE(keys.contains(wanted)) << wanted.toStdString();
  }
}

// Several inserts of the screens leave NOT NULL columns out, and plain updates must not
// move the creation time.
TEST_F(CreationTest, ColumnsTakeDefaultsAndCreationTimeSurvivesUpdates) {
  EXPECT_EQ(Cells(QStringLiteral(
                "SELECT CONCAT(table_name, '.', column_name) FROM information_schema.columns "
                "WHERE table_schema IN ('asigurati', 'concedii') AND is_nullable='NO' AND "
                "column_default IS NULL AND extra NOT LIKE '%auto_increment%'")),
            QStringList());
  EXPECT_EQ(
      Cells(QStringLiteral("SELECT CONCAT(table_name, '.', column_name) FROM "
                           "information_schema.columns WHERE table_schema IN ('asigurati', "
                           "'concedii') AND column_name='ZZ_DATA' AND extra LIKE '%update%'")),
      QStringList());
  TestServer& server = TestServer::Instance();
  server.Run(
      QStringLiteral("INSERT INTO asigurati.asigurati (CF, CNP, ZZ_DATA) VALUES "
                     "('13548146', '1800101221144', '2001-02-03 04:05:06')"));
  server.Run(
      QStringLiteral("INSERT INTO asigurati.asigurati (CF, CNP) VALUES ('13548146', "
                     "'2810202221145')"));
  server.Run(QStringLiteral("UPDATE asigurati.asigurati SET iesire=20090615 WHERE cf=13548146"));
  EXPECT_EQ(
      Value(QStringLiteral("SELECT zz_data FROM asigurati.asigurati WHERE cnp=1800101221144")),
      QStringLiteral("2001-02-03 04:05:06"));
  EXPECT_EQ(Count(QStringLiteral("asigurati.asigurati WHERE cnp=2810202221145 AND zz_data > "
                                 "NOW() - INTERVAL 1 HOUR")),
            1);
}

TEST_F(CreationTest, SecondStartChangesNothingAndVersionStaysSingle) {
  EXPECT_TRUE(StartProgram().isEmpty());
  EXPECT_EQ(Version(), QLatin1String(kSchemaVersion));
  EXPECT_EQ(Count(QStringLiteral("asigurati.cas")), 44);
  // A second versiune row cannot be stored at all.
  const Columns columns = {{QStringLiteral("DENUMIRE"), QStringLiteral("versiune")},
                           {QStringLiteral("SETARE"), QStringLiteral("9.99")}};
  Shown().Clear();
  EXPECT_EQ(
      Client().AuditedInsert({QStringLiteral("ASIGURATI"), QStringLiteral("SETARI")}, columns), 1);
  EXPECT_EQ(Version(), QLatin1String(kSchemaVersion));
}

// The temporary tables too: in a folder shared with other programs, the start of another
// program's server would delete them under a query of this one.
TEST_F(CreationTest, DataFolderIsPrivateAndTheServerLoggedNoError) {
  const QString data = QDir(TestServer::Instance().Folder()).filePath(QStringLiteral("data"));
  const QString temporary = data + QStringLiteral(".tmp");
  for (const QString& folder : {data, temporary}) {
    EXPECT_EQ(QFileInfo(folder).permissions() &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                   QFileDevice::WriteOther | QFileDevice::ExeGroup | QFileDevice::ExeOther),
              QFileDevice::Permissions())
        << folder.toStdString();
  }
  EXPECT_EQ(QDir(Value(QStringLiteral("SELECT @@tmpdir"))).canonicalPath(),
            QDir(temporary).canonicalPath());
  QFile log(QDir(data).filePath(QStringLiteral("server.log")));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(log.readAll());
  EXPECT_FALSE(text.contains(QStringLiteral("[ERROR]"))) << text.toStdString();
}

// The register keeps no `mysql` database: a server looking for saved statistics would try to
// open their missing table at every statement.
TEST_F(CreationTest, TheServerLooksForNoSavedStatistics) {
  EXPECT_EQ(Value(QStringLiteral("SELECT @@use_stat_tables")), QLatin1String("NEVER"));
  EXPECT_EQ(Value(QStringLiteral("SELECT @@GLOBAL.use_stat_tables")), QLatin1String("NEVER"));
}

// A single missing database is damage, not a new machine: nothing is created over it.
TEST_F(CreationTest, OneMissingDatabaseIsReportedNotRecreated) {
  TestServer::Instance().Run(QStringLiteral("DROP DATABASE concedii"));
  const QStringList shown = StartProgram();
  ASSERT_EQ(shown.size(), 1) << shown.join(u'|').toStdString();
  EXPECT_TRUE(shown.first().startsWith(QStringLiteral("EROARE Mysql:\n\n")));
  EXPECT_TRUE(shown.first().contains(QStringLiteral("concedii"))) << shown.first().toStdString();
  EXPECT_EQ(Count(QStringLiteral("information_schema.schemata WHERE schema_name='concedii'")), 0);
  EXPECT_EQ(Version(), QLatin1String(kSchemaVersion));
}

}  // namespace

namespace {

// A failed read of the catalogue while an upgrade aligns the audit tables is shown, and the
// next start aligns them: an audit table short of a column would refuse the audited writes.
TEST_F(CreationTest, AuditTablesAreAlignedAtTheStartAfterAFailedCatalogueRead) {
  TestServer::Instance().Run(QStringLiteral("DROP TABLE asigurati.fisiere_scrise"));
  TestServer::Instance().Run(
      QStringLiteral("UPDATE asigurati.setari SET setare='2.07' WHERE denumire='versiune'"));
  TestServer::Instance().Run(
      QStringLiteral("ALTER TABLE asigurati.sume ADD COLUMN `proba` INT NOT NULL DEFAULT 0"));
  const auto auditHasColumn = [] {
    return ColumnsOf(QStringLiteral("asigurati"), QStringLiteral("zlog_sume"))
        .contains(QStringLiteral("proba"));
  };
  // Without its temporary folder the server cannot make the catalogue's tables.
  const QString temporary =
      QDir(TestServer::Instance().Folder()).filePath(QStringLiteral("data.tmp"));
  ASSERT_TRUE(QDir(temporary).removeRecursively());
  const QStringList shown = StartProgram();
  ASSERT_TRUE(QDir().mkpath(temporary));
  ASSERT_FALSE(shown.isEmpty());
  EXPECT_TRUE(shown.first().startsWith(QStringLiteral("EROARE Mysql:")))
      << shown.first().toStdString();
  EXPECT_FALSE(auditHasColumn());
  EXPECT_EQ(StartProgram(), QStringList());
  EXPECT_TRUE(auditHasColumn());
  EXPECT_EQ(Version(), QLatin1String(kSchemaVersion));
}

}  // namespace
