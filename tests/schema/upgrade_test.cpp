#include <sys/stat.h>

#include <QFile>

#include "old_schema.h"
#include "schema_test_util.h"
#include "store/schema/schema_tables.h"

using namespace schema_test;

namespace {

bool Before(const QString& release, const char* version) {
  return old_schema::Releases().indexOf(release) <
         old_schema::Releases().indexOf(QLatin1String(version));
}

void BuildRelease(const QString& release, bool certificates = true,
                  const QString& recorded = QStringLiteral("<release>")) {
  old_schema::Options options;
  options.release = release;
  options.recordedVersion = recorded == QLatin1String("<release>")
                                ? (release == QLatin1String("1.1 beta") ? QString() : release)
                                : recorded;
  options.certificates = certificates;
  const QString failed = old_schema::Build(Client(), options);
  ASSERT_TRUE(failed.isEmpty()) << failed.toStdString() << "\n" << Shown().LastText().toStdString();
}

// The columns the releases after "1.1 beta" added, as table.column.
const QStringList kAddedColumns = {QStringLiteral("sume.salariu"),
                                   QStringLiteral("sume.id_cnp"),
                                   QStringLiteral("societati.loc"),
                                   QStringLiteral("societati.sect"),
                                   QStringLiteral("societati.c2"),
                                   QStringLiteral("declaratii.faambp"),
                                   QStringLiteral("declaratii.faambp_datorat"),
                                   QStringLiteral("declaratii.de_recuperat_anterior"),
                                   QStringLiteral("concedii.cod_urg"),
                                   QStringLiteral("concedii.cod_contag")};

void ExpectCurrentSchemaWithEveryRow(const QString& release) {
  const std::string context = "from " + release.toStdString();
  EXPECT_EQ(Version(), QLatin1String(kSchemaVersion)) << context;
  EXPECT_EQ(Count(QStringLiteral("asigurati.setari WHERE denumire<>'versiune'")), 0) << context;
  // The record of written files starts empty and takes a row as the saves write it.
  EXPECT_EQ(Count(QStringLiteral("asigurati.fisiere_scrise")), 0) << context;
  EXPECT_EQ(Client().Execute(QStringLiteral(
                "INSERT INTO asigurati.fisiere_scrise (cf, luna, fel, cas, parte, fisier, dosar, "
                "suma) VALUES ('13548146', 200601, 'S', 'CASAB', '1A', 'f.dbf', '/d', 'x')")),
            0)
      << context;
  for (const char* table :
       {"asigurati.societati", "asigurati.asigurati", "asigurati.coasigurati", "asigurati.sume",
        "asigurati.sume_societati", "asigurati.cas", "concedii.declaratii", "concedii.concedii"}) {
    EXPECT_EQ(Count(QLatin1String(table)), old_schema::FixtureRows(QLatin1String(table), true))
        << context << " " << table;
  }
  for (const QString& column : kAddedColumns) {
    const QString database = column.startsWith(QLatin1String("declaratii")) ||
                                     column.startsWith(QLatin1String("concedii"))
                                 ? QStringLiteral("concedii")
                                 : QStringLiteral("asigurati");
    EXPECT_TRUE(ColumnsOf(database, column.section(u'.', 0, 0)).contains(column.section(u'.', 1)))
        << context << " " << column.toStdString();
  }
  // Amounts point at their employment records; the houses carry today's codes.
  EXPECT_EQ(Count(QStringLiteral("asigurati.sume AS s JOIN asigurati.asigurati AS a ON "
                                 "s.id_cnp=a.index AND s.cnp=a.cnp")),
            3)
      << context;
  EXPECT_EQ(Count(QStringLiteral("asigurati.asigurati WHERE cas IN ('CASHG', 'CAS_O')")) +
                Count(QStringLiteral("asigurati.cas WHERE cas IN ('CASHG', 'CAS_O')")),
            0)
      << context;
  EXPECT_EQ(Count(QStringLiteral("asigurati.cas WHERE cas IN ('CASHR', 'CAS_A')")), 2) << context;
  EXPECT_EQ(Value(QStringLiteral("SELECT cas FROM asigurati.asigurati WHERE cnp=1800101221144")),
            QStringLiteral("CASHR"))
      << context;
  EXPECT_EQ(Count(QStringLiteral("asigurati.asigurati WHERE forma='ACC'")), 0) << context;
  EXPECT_EQ(Value(QStringLiteral("SELECT GROUP_CONCAT(`index` ORDER BY `index`) FROM "
                                 "concedii.declaratii")),
            old_schema::kDeclarationKeys.join(u','))
      << context;
  EXPECT_EQ(Value(QStringLiteral("SELECT CAST(asig_datorat * 10 AS SIGNED) FROM asigurati.sume "
                                 "WHERE cnp=1800101221144")),
            Before(release, "1.5") ? QStringLiteral("130") : QStringLiteral("126"))
      << context;
}

// After the upgrade the copy into each audit table must still work: the tables gained
// columns their zlog_ tables of that time did not have.
void ExpectAuditCopies(const QString& release) {
  const struct {
    const char* database;
    const char* table;
  } audited[] = {{"ASIGURATI", "SOCIETATI"},      {"ASIGURATI", "ASIGURATI"},
                 {"ASIGURATI", "COASIGURATI"},    {"ASIGURATI", "SUME"},
                 {"ASIGURATI", "SUME_SOCIETATI"}, {"CONCEDII", "DECLARATII"},
                 {"CONCEDII", "CONCEDII"}};
  for (const auto& entry : audited) {
    const QString table = QLatin1String(entry.database) + u'.' + QLatin1String(entry.table);
    const int key = Value(QStringLiteral("SELECT MIN(`index`) FROM ") + table).toInt();
    Shown().Clear();
    ASSERT_EQ(
        Client().AuditedUpdate(key, {QLatin1String(entry.database), QLatin1String(entry.table)},
                               {{QStringLiteral("CF"), QStringLiteral("13548146")}}),
        0)
        << Shown().LastText().toStdString();
    EXPECT_EQ(Count(QLatin1String(entry.database) + QStringLiteral(".zlog_") +
                    QLatin1String(entry.table) + QStringLiteral(" WHERE znew_op='M'")),
              1)
        << "from " << release.toStdString() << " " << entry.table;
  }
}

TEST(UpgradeTest, EveryEarlierReleaseReachesTheCurrentVersionKeepingEveryRow) {
  for (const QString& release : old_schema::Releases()) {
    if (release == QLatin1String(kSchemaVersion)) continue;
    BuildRelease(release);
    QStringList shown = StartProgram();
    if (Before(release, "1.3")) {
      // "1.3" is recorded before its salary column, which these databases already have.
      EXPECT_EQ(shown, QStringList{DuplicateSalary()}) << release.toStdString();
      EXPECT_EQ(Version(), QStringLiteral("1.3")) << release.toStdString();
      shown = StartProgram();
    }
    EXPECT_EQ(shown, QStringList()) << release.toStdString();
    ExpectCurrentSchemaWithEveryRow(release);
    ExpectAuditCopies(release);
  }
}

// "1.3" is recorded before its column is added: that order is what stops a database that
// came through "1.2" and lets the next start go on from "1.3".
TEST(UpgradeTest, FirstStartWithoutVersionRecordsThenStopsAtTheSecondSalaryColumn) {
  BuildRelease(QStringLiteral("1.1 beta"));
  QStringList sent;
  StartProgram([&sent](const QString& sql) {
    // Leaves out the reads of the catalogue, the interrupted-step note and the audit tables.
    if (!sql.contains(QLatin1String("information_schema")) &&
        !sql.contains(QLatin1String("actualizare")) && !sql.contains(QLatin1String("zlog_"))) {
      sent << sql;
    }
  });
  const QString addSalary =
      QStringLiteral("ALTER TABLE `asigurati`.`sume` ADD `salariu` DOUBLE NOT NULL AFTER `LUNA`");
  const QString removeVersion =
      QStringLiteral("DELETE FROM asigurati.setari WHERE denumire='versiune'");
  ASSERT_GE(sent.size(), 3);
  EXPECT_EQ(sent.mid(3),
            (QStringList{addSalary, removeVersion,
                         QStringLiteral("insert into ASIGURATI.SETARI versiune 1.2"), removeVersion,
                         QStringLiteral("insert into ASIGURATI.SETARI versiune 1.3"), addSalary}));
}

TEST(UpgradeTest, DeclarationsAreRenumberedOnlyWhileNoCertificateRefersToThem) {
  const struct {
    bool certificates;
    QString keys;
  } cases[] = {{true, QStringLiteral("5,9,14")}, {false, QStringLiteral("1,2,3")}};
  for (const auto& c : cases) {
    BuildRelease(QStringLiteral("2.04"), c.certificates);
    EXPECT_EQ(StartProgram(), QStringList());
    EXPECT_EQ(Version(), QLatin1String(kSchemaVersion));
    EXPECT_EQ(Value(QStringLiteral("SELECT GROUP_CONCAT(`index` ORDER BY `index`) FROM "
                                   "concedii.declaratii")),
              c.keys)
        << "certificates: " << c.certificates;
    EXPECT_EQ(Count(QStringLiteral("concedii.declaratii WHERE luna=200601 AND cf=13548146")), 2);
  }
}

// A healthy table is checked, never rebuilt: a rebuild replaces its data file through a new
// one, and a program stopped in between would lose the table.
TEST(UpgradeTest, CurrentVersionOnlyChecksAndReads) {
  BuildRelease(QLatin1String(kSchemaVersion));
  const QString versionRow =
      Value(QStringLiteral("SELECT `index` FROM asigurati.setari WHERE denumire='versiune'"));
  // A rebuilt table has a new data file (another inode).
  const auto dataFile = [](const char* table) {
    struct stat status {};
    const QByteArray path =
        QFile::encodeName(TestServer::Instance().Folder() + QStringLiteral("/data/") +
                          QLatin1String(table) + QStringLiteral(".MAD"));
    return ::stat(path.constData(), &status) == 0 ? status.st_ino : ino_t{0};
  };
  const ino_t companiesBorn = dataFile("asigurati/societati");
  ASSERT_NE(companiesBorn, ino_t{0});
  QStringList sent;
  EXPECT_EQ(StartProgram([&sent](const QString& sql) { sent << sql; }), QStringList());
  QStringList checks;
  for (const QString& sql : sent) {
    EXPECT_TRUE(sql.startsWith(QLatin1String("SELECT ")) ||
                sql.startsWith(QLatin1String("CHECK TABLE ")))
        << sql.toStdString();
    if (sql.startsWith(QLatin1String("CHECK "))) checks << sql;
  }
  EXPECT_EQ(checks,
            (QStringList{QStringLiteral("CHECK TABLE asigurati.asigurati, asigurati.cas, "
                                        "asigurati.coasigurati, asigurati.setari, "
                                        "asigurati.societati, asigurati.sume, "
                                        "asigurati.sume_societati"),
                         QStringLiteral("CHECK TABLE concedii.concedii, concedii.declaratii")}));
  EXPECT_TRUE(sent.contains(
      QStringLiteral("SELECT * FROM asigurati.setari AS s WHERE s.denumire='versiune'")));
  EXPECT_EQ(Value(QStringLiteral("SELECT `index` FROM asigurati.setari WHERE denumire='versiune'")),
            versionRow);
  EXPECT_EQ(dataFile("asigurati/societati"), companiesBorn);
}

// A later release's register is refused with its reason: this program's writes would leave
// changes without the history that release keeps.
TEST(UpgradeTest, VersionOfALaterReleaseIsRefusedAndChangesNothing) {
  BuildRelease(QStringLiteral("1.7"), true, QStringLiteral("2.10"));
  const QString schemaBefore =
      Cells(QStringLiteral("SELECT CONCAT(table_name, '.', column_name) FROM "
                           "information_schema.columns WHERE table_schema IN "
                           "('asigurati', 'concedii') ORDER BY 1"))
          .join(u',');
  EXPECT_EQ(StartProgram(), QStringList{LaterRegisterText(QStringLiteral("2.10"))});
  EXPECT_FALSE(UpgradeSchema(Client()));
  EXPECT_EQ(Version(), QStringLiteral("2.10"));
  EXPECT_EQ(Cells(QStringLiteral("SELECT CONCAT(table_name, '.', column_name) FROM "
                                 "information_schema.columns WHERE table_schema IN "
                                 "('asigurati', 'concedii') ORDER BY 1"))
                .join(u','),
            schemaBefore);
}

// A missing table is reported once; the upgrade waits for it and goes on when it is back.
TEST(UpgradeTest, MissingTableIsShownOnceAndTheUpgradeResumesLater) {
  BuildRelease(QStringLiteral("1.7"));
  TestServer::Instance().Run(QStringLiteral("RENAME TABLE concedii.concedii TO concedii.pastrat"));
  const QStringList shown = StartProgram();
  ASSERT_EQ(shown.size(), 1) << shown.join(u'|').toStdString();
  EXPECT_EQ(shown.first(),
            QStringLiteral("EROARE Mysql:\n\nTable 'concedii.concedii' doesn't exist"));
  EXPECT_EQ(Version(), QStringLiteral("1.7"));
  TestServer::Instance().Run(QStringLiteral("RENAME TABLE concedii.pastrat TO concedii.concedii"));
  EXPECT_EQ(StartProgram(), QStringList());
  ExpectCurrentSchemaWithEveryRow(QStringLiteral("1.7"));
}

// A step that fails midway stops where it is, keeps what was recorded, and the next start
// tries again from there.
TEST(UpgradeTest, FailingStepStopsWithItsErrorAndIsRetriedAtTheNextStart) {
  BuildRelease(QStringLiteral("1.5"));
  TestServer::Instance().Run(
      QStringLiteral("ALTER TABLE asigurati.societati ADD `EMAIL` VARCHAR(50) NOT NULL"));
  const QStringList shown = StartProgram();
  EXPECT_EQ(shown, QStringList{QStringLiteral("EROARE Mysql:\n\nDuplicate column name 'EMAIL'")});
  EXPECT_EQ(Version(), QStringLiteral("1.5"));
  TestServer::Instance().Run(QStringLiteral("ALTER TABLE asigurati.societati DROP `EMAIL`"));
  EXPECT_EQ(StartProgram(), QStringList());
  ExpectCurrentSchemaWithEveryRow(QStringLiteral("1.5"));
}

}  // namespace

namespace {

// The copies made before the upgrade do not know their time; those made after it do.
TEST(UpgradeTest, AuditCopiesMadeBeforeTheUpgradeKeepNoTimeAndLaterOnesAreDated) {
  BuildRelease(QStringLiteral("2.06"));
  TestServer::Instance().Run(QStringLiteral(
      "INSERT INTO asigurati.zlog_asigurati (`index`, nume, znew_op) VALUES (1, 'VECHI', 'M')"));
  EXPECT_EQ(StartProgram(), QStringList());
  EXPECT_EQ(Version(), QLatin1String(kSchemaVersion));
  EXPECT_EQ(Count(QStringLiteral("asigurati.zlog_asigurati WHERE znew_data IS NULL")), 1);
  EXPECT_EQ(Count(QStringLiteral("information_schema.columns WHERE column_name='znew_data' AND "
                                 "is_nullable='YES' AND column_default LIKE 'current_timestamp%'")),
            7);
  const int key = Value(QStringLiteral("SELECT MIN(`index`) FROM asigurati.asigurati")).toInt();
  ASSERT_EQ(Client().AuditedUpdate(key, InsuredTable(), {{"NUME", "NOU"}}), 0);
  EXPECT_EQ(Count(QStringLiteral("asigurati.zlog_asigurati WHERE znew_data IS NOT NULL AND "
                                 "znew_data>=NOW() - INTERVAL 1 MINUTE")),
            1);
  // A start on the upgraded register changes nothing more.
  EXPECT_EQ(StartProgram(), QStringList());
  EXPECT_EQ(Count(QStringLiteral("asigurati.zlog_asigurati WHERE znew_data IS NULL")), 1);
}

TEST(UpgradeTest, OnlyANumberAboveThisProgramsVersionIsALaterRegister) {
  const struct {
    const char* version;
    bool later;
  } cases[] = {{"2.08", false}, {"2.07", false}, {"1.1 beta", false}, {"", false},
               {"2.09", true},  {"2.10", true},  {"3", true}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsLaterVersion(QLatin1String(c.version)), c.later) << c.version;
  }
}

}  // namespace
