// Programs killed with SIGKILL at the worst moments: the next start must open the data
// folder, keep every row written before the kill, and finish what was cut short.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "schema_test_util.h"
#include "support/external_file.h"
#include "support/valid_codes.h"

namespace {

struct ProgramRun {
  QStringList messages;
  std::map<int, QList<QStringList>> rows;  // per query, in order
  QStringList inserted;
  bool killed = false;
  int exitCode = -1;
  QString output;
  QString errors;  // standard error and the server's [ERROR] lines of its log

  QString Cell(int query, int row = 0, int column = 0) const {
    const auto found = rows.find(query);
    if (found == rows.end() || found->second.size() <= row || found->second[row].size() <= column) {
      return QStringLiteral("<none>");
    }
    return found->second[row][column];
  }
};

void Parse(const QString& output, ProgramRun& run) {
  run.output += output;
  for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split(u'\t');
    if (fields.first() == QLatin1String("MSG")) {
      run.messages << fields.mid(1).join(u'\t').replace(QStringLiteral("\\n"),
                                                        QStringLiteral("\n"));
    } else if (fields.first() == QLatin1String("ROW") && fields.size() >= 2) {
      run.rows[fields[1].toInt()].append(fields.mid(2));
    } else if (fields.first() == QLatin1String("INSERTED") && fields.size() == 2) {
      run.inserted << fields[1];
    }
  }
}

// One program start in `folder` doing the given actions (see the helper program).
ProgramRun Start(const QString& folder, const QStringList& actions) {
  QProcess process;
  process.start(QStringLiteral(SCHEMA_HELPER_PATH), QStringList{folder} + actions);
  ProgramRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    ADD_FAILURE() << "the program did not finish: " << actions.join(u' ').toStdString();
  }
  Parse(QString::fromUtf8(process.readAllStandardOutput()), run);
  run.killed = process.exitStatus() == QProcess::CrashExit;
  run.exitCode = process.exitCode();
  run.errors = QString::fromUtf8(process.readAllStandardError());
  QFile log(folder + QStringLiteral("/data/server.log"));
  if (log.open(QIODevice::ReadOnly)) {
    for (const QString& line : QString::fromUtf8(log.readAll()).split(u'\n')) {
      if (line.contains(QLatin1String("[ERROR]"))) run.errors += line + u'\n';
    }
  }
  return run;
}

// Starts a program and kills it from outside once its output holds `lines` lines with
// the given start.
ProgramRun StartAndKill(const QString& folder, const QStringList& actions,
                        const QString& linePrefix, int lines) {
  QProcess process;
  process.start(QStringLiteral(SCHEMA_HELPER_PATH), QStringList{folder} + actions);
  QString output;
  while (output.count(u'\n' + linePrefix) + (output.startsWith(linePrefix) ? 1 : 0) < lines) {
    if (!process.waitForReadyRead(30000)) break;
    output += QString::fromUtf8(process.readAllStandardOutput());
  }
  process.kill();  // SIGKILL
  process.waitForFinished();
  output += QString::fromUtf8(process.readAllStandardOutput());
  ProgramRun run;
  Parse(output, run);
  run.killed = process.exitStatus() == QProcess::CrashExit;
  return run;
}

const QStringList kCurrentChecks = {
    QStringLiteral("query=SELECT GROUP_CONCAT(setare) FROM asigurati.setari"),
    QStringLiteral("query=SELECT COUNT(*) FROM asigurati.cas"),
    QStringLiteral("query=SELECT COUNT(*) FROM information_schema.tables WHERE table_schema IN "
                   "('asigurati', 'concedii')"),
    QStringLiteral("query=SELECT COUNT(*) FROM information_schema.schemata WHERE "
                   "schema_name='velka_creare'"),
};

void ExpectFreshRegister(const ProgramRun& run, const std::string& context) {
  EXPECT_EQ(run.messages, QStringList()) << context;
  EXPECT_EQ(run.errors, QString()) << context;
  EXPECT_EQ(run.Cell(0), QLatin1String(kSchemaVersion)) << context << "\n"
                                                        << run.output.toStdString();
  EXPECT_EQ(run.Cell(1), QStringLiteral("44")) << context;
  EXPECT_EQ(run.Cell(2), QStringLiteral("17")) << context;
  EXPECT_EQ(run.Cell(3), QStringLiteral("0")) << context;
}

TEST(CrashTest, KilledRightAfterTheFirstInstallationReopensIt) {
  QTemporaryDir folder;
  const ProgramRun first = StartAndKill(
      folder.path(), {QStringLiteral("start"), QStringLiteral("hang")}, QStringLiteral("READY"), 1);
  ASSERT_TRUE(first.killed);
  ExpectFreshRegister(Start(folder.path(), QStringList{QStringLiteral("start")} + kCurrentChecks),
                      "after the kill");
}

TEST(CrashTest, KilledDuringTheFirstInstallationFinishesItAtTheNextStart) {
  const char* killPoints[] = {
      "CREATE DATABASE IF NOT EXISTS velka_creare#1", "CREATE DATABASE IF NOT EXISTS asigurati#1",
      "CREATE TABLE IF NOT EXISTS asigurati.sume #1", "INSERT IGNORE INTO asigurati.cas #1",
      "INSERT IGNORE INTO asigurati.setari #1"};
  for (const char* point : killPoints) {
    QTemporaryDir folder;
    const ProgramRun killed =
        Start(folder.path(),
              {QStringLiteral("kill-after=") + QLatin1String(point), QStringLiteral("start")});
    ASSERT_TRUE(killed.killed) << point << "\n" << killed.output.toStdString();
    ExpectFreshRegister(Start(folder.path(), QStringList{QStringLiteral("start")} + kCurrentChecks),
                        point);
  }
}

TEST(CrashTest, KilledDuringAnUpgradeFinishesItAtTheNextStart) {
  const char* killPoints[] = {
      "DELETE FROM asigurati.setari WHERE denumire='versiune'#1",  // before "1.2" is written
      "ADD `ID_CNP` MEDIUMINT#1",                                  // before the amounts link
      "ADD `faambp` DOUBLE#1",                                     // with no version row
      "SET a.cas='CASHR'#1",
      "DROP `index`#1",  // declarations without their key
      "insert into ASIGURATI.SETARI versiune 2.06#1",
  };
  const QStringList checks = {
      QStringLiteral("query=SELECT GROUP_CONCAT(setare) FROM asigurati.setari"),
      QStringLiteral("query=SELECT COUNT(*) FROM asigurati.sume AS s JOIN asigurati.asigurati AS "
                     "a ON s.id_cnp=a.index AND s.cnp=a.cnp"),
      QStringLiteral("query=SELECT COUNT(*) FROM information_schema.columns WHERE "
                     "table_schema IN ('asigurati', 'concedii') AND column_name IN ('salariu', "
                     "'id_cnp', 'loc', 'c2', 'faambp', 'faambp_datorat', "
                     "'de_recuperat_anterior', 'cod_urg', 'cod_contag') GROUP BY table_name "
                     "LIKE 'zlog%' ORDER BY table_name LIKE 'zlog%'"),
      QStringLiteral("query=SELECT COUNT(*) FROM asigurati.asigurati WHERE cas IN ('CASHG', "
                     "'CAS_O')"),
      QStringLiteral("query=SELECT GROUP_CONCAT(`index` ORDER BY `index`) FROM "
                     "concedii.declaratii"),
      QStringLiteral("query=SELECT (SELECT COUNT(*) FROM asigurati.societati) + (SELECT COUNT(*) "
                     "FROM asigurati.coasigurati) + (SELECT COUNT(*) FROM "
                     "asigurati.sume_societati)"),
  };
  for (const char* point : killPoints) {
    QTemporaryDir folder;
    // Two starts: a database without a version row stops once at "1.3".
    const ProgramRun killed =
        Start(folder.path(), {QStringLiteral("fixture-nocert=1.1 beta"),
                              QStringLiteral("kill-after=") + QLatin1String(point),
                              QStringLiteral("start"), QStringLiteral("start")});
    ASSERT_TRUE(killed.killed) << point << "\n" << killed.output.toStdString();
    const ProgramRun next = Start(
        folder.path(), QStringList{QStringLiteral("start"), QStringLiteral("start")} + checks);
    EXPECT_EQ(next.errors, QString()) << point;
    for (const QString& message : next.messages) {
      EXPECT_EQ(message, schema_test::DuplicateSalary()) << point;
    }
    EXPECT_EQ(next.Cell(0), QLatin1String(kSchemaVersion)) << point << "\n"
                                                           << next.output.toStdString();
    EXPECT_EQ(next.Cell(1), QStringLiteral("3")) << point;
    // The nine added columns, in the tables and in their audit tables.
    EXPECT_EQ(next.Cell(2, 0), QStringLiteral("9")) << point;
    EXPECT_EQ(next.Cell(2, 1), QStringLiteral("9")) << point;
    EXPECT_EQ(next.Cell(3), QStringLiteral("0")) << point;
    EXPECT_EQ(next.Cell(4), QStringLiteral("1,2,3")) << point;
    EXPECT_EQ(next.Cell(5), QStringLiteral("4")) << point;
  }
}

TEST(CrashTest, KilledDuringAuditedInsertsKeepsEveryRowItWrote) {
  QTemporaryDir folder;
  const ProgramRun killed =
      StartAndKill(folder.path(), {QStringLiteral("start"), QStringLiteral("inserts=1000000")},
                   QStringLiteral("INSERTED"), 300);
  ASSERT_TRUE(killed.killed);
  ASSERT_GE(killed.inserted.size(), 300);
  const ProgramRun next =
      Start(folder.path(),
            {QStringLiteral("start"),
             QStringLiteral("query=SELECT `index` FROM asigurati.sume ORDER BY `index`"),
             QStringLiteral("query=SELECT COUNT(*) FROM asigurati.sume WHERE zz_cont<>''")});
  EXPECT_EQ(next.messages, QStringList());
  EXPECT_EQ(next.errors, QString());
  QStringList stored;
  for (const QStringList& row : next.rows.at(0)) stored << row.value(0);
  for (const QString& index : killed.inserted) {
    ASSERT_TRUE(stored.contains(index)) << "row " << index.toStdString() << " was lost";
  }
  // At most the one insert under way at the kill may be there without its report.
  EXPECT_LE(stored.size(), killed.inserted.size() + 1);
  EXPECT_EQ(next.Cell(1), QStringLiteral("0"));
}

// The register's rows of the imported company, by CNP rather than by row number: a record
// cut short by a kill may have used up a number.
const QStringList kImportedRows = {
    QStringLiteral("query=SELECT a.cnp, a.cf, a.cas, a.nume, a.prenume, a.intrare, a.iesire, "
                   "a.forma, a.zz_cont FROM asigurati.asigurati AS a ORDER BY a.cnp"),
    QStringLiteral("query=SELECT a.cnp, s.luna, s.salariu, s.asig_datorat, s.asig_virat, "
                   "s.ang_datorat, s.ang_virat, s.zz_cont FROM asigurati.sume AS s JOIN "
                   "asigurati.asigurati AS a ON a.`index`=s.id_cnp ORDER BY a.cnp, s.luna")};

// Killed at several points of an import whose log is flushed once a second: every record
// told stored is there whole with its amounts, and importing the file again leaves the rows
// of an import never interrupted.
TEST(CrashTest, ImportKilledWithGroupedFlushesIsCompletedByImportingAgain) {
  QTemporaryDir files;
  const QString path = files.filePath(QStringLiteral("sursa.dbf"));
  const QString cf = QStringLiteral("13548146");
  std::vector<QStringList> records;
  for (int i = 0; i < 400; ++i) {
    records.push_back({cf, "CASAB", WorkstationCnp(i), "POPA", "ANA", "20090105", "S",
                       QString::number(1000 + i), "55", "55", "80", "80", "200906"});
  }
  ASSERT_TRUE(WriteExternalFile(path, records));
  QTemporaryDir whole;
  const ProgramRun reference =
      Start(whole.path(),
            QStringList{QStringLiteral("start"), QStringLiteral("import=") + path} + kImportedRows);
  ASSERT_EQ(reference.rows.at(0).size(), 400) << reference.output.toStdString();
  ASSERT_EQ(reference.rows.at(1).size(), 400);
  for (const int told : {1, 120, 330}) {
    QTemporaryDir folder;
    const ProgramRun killed =
        StartAndKill(folder.path(), {QStringLiteral("start"), QStringLiteral("import=") + path},
                     QStringLiteral("IMPORTED"), told);
    ASSERT_TRUE(killed.killed) << told;
    const ProgramRun after =
        Start(folder.path(), QStringList{QStringLiteral("start")} + kImportedRows);
    EXPECT_EQ(after.messages, QStringList()) << told;
    EXPECT_EQ(after.errors, QString()) << told;
    const QList<QStringList>& insured = after.rows.at(0);
    const QList<QStringList>& amounts = after.rows.at(1);
    const auto rowOf = [](const QList<QStringList>& rows, const QString& cnp) {
      for (const QStringList& row : rows) {
        if (row.value(0) == cnp) return row;
      }
      return QStringList();
    };
    int storedRecords = 0;
    for (const QString& line : killed.output.split(u'\n')) {
      if (!line.startsWith(QLatin1String("IMPORTED\t"))) continue;
      ++storedRecords;
      const QString cnp = WorkstationCnp(line.section(u'\t', 1).toInt() - 1);
      EXPECT_EQ(rowOf(insured, cnp), rowOf(reference.rows.at(0), cnp)) << told;
      EXPECT_EQ(rowOf(amounts, cnp), rowOf(reference.rows.at(1), cnp)) << told;
    }
    EXPECT_GE(storedRecords, told);
    // At most the record under way at the kill is there without its amounts.
    EXPECT_LE(insured.size() - amounts.size(), 1) << told;
    const ProgramRun again = Start(
        folder.path(),
        QStringList{QStringLiteral("start"), QStringLiteral("import=") + path} + kImportedRows);
    EXPECT_EQ(again.rows, reference.rows) << told;
  }
}

}  // namespace

namespace {

// A damaged index file (a disk error, a copy cut short) is mended by the repairs of the
// next start, without a message and without losing a row.
TEST(CrashTest, DamagedIndexIsMendedByTheNextStart) {
  QTemporaryDir folder;
  ASSERT_EQ(
      Start(folder.path(), {QStringLiteral("start"), QStringLiteral("inserts=50")}).inserted.size(),
      50);
  QFile index(folder.path() + QStringLiteral("/data/asigurati/sume.MAI"));
  ASSERT_TRUE(index.open(QIODevice::ReadWrite));
  const qint64 pageSize = 8192;
  ASSERT_GT(index.size(), pageSize);
  index.seek(pageSize);
  index.write(QByteArray(index.size() - pageSize, '\xAB'));
  index.close();
  const QString lookup =
      QStringLiteral("query=SELECT COUNT(*) FROM asigurati.sume WHERE id_cnp=25");
  EXPECT_EQ(Start(folder.path(), {lookup}).Cell(0), QStringLiteral("<none>"));  // unusable
  const ProgramRun next =
      Start(folder.path(), {QStringLiteral("start"), lookup,
                            QStringLiteral("query=SELECT COUNT(*) FROM asigurati.sume")});
  EXPECT_EQ(next.messages, QStringList());
  EXPECT_EQ(next.Cell(0), QStringLiteral("1"));
  EXPECT_EQ(next.Cell(1), QStringLiteral("50"));
}

}  // namespace
