#include "server_fixture.h"
#include "shared_barrier.h"
#include "workstation_codes.h"

#include <QThread>
#include "store/schema.h"

namespace {

// Two workstations add the same kCompanies companies and kPersons persons through the
// forms, in the same order at the same time, then each modifies every company once. Scaled
// down from an office's day (500 companies, 5,000 persons each) so that the whole suite
// stays short.
constexpr int kCompanies = 200;
constexpr int kPersons = 2000;
constexpr int kPersonCompanies = 20;

struct Counts {
  int saved = 0;
  int refused = 0;
  int other = 0;
};

Counts Line(const QString& output, const QString& label) {
  for (const QString& line : output.split(u'\n')) {
    const QStringList words = line.split(u' ');
    if (words.value(0) == label) {
      return {words.value(1).toInt(), words.value(2).toInt(), words.value(3).toInt()};
    }
  }
  return {-1, -1, -1};
}

TEST_F(ServerTest, TwoWorkstationsWritingTheSameCodesLeaveNoDuplicateAndEveryAuditRow) {
  UpgradeSchema(Admin());
  const QString barrierFile = Server().Folder() + QStringLiteral("/barrier");
  const SharedBarrier barrier(barrierFile, 2);
  ASSERT_TRUE(barrier.Valid());
  const auto arguments = [&barrierFile](const QString& name) {
    return QStringList{
        QStringLiteral("write"),     Server().Workstation(name), barrierFile,
        QString::number(kCompanies), QString::number(kPersons),  QString::number(kPersonCompanies)};
  };
  auto first = StartWorkstation(arguments(QStringLiteral("w1")));
  auto second = StartWorkstation(arguments(QStringLiteral("w2")));
  int firstExit = 0;
  int secondExit = 0;
  const QString outputs[] = {Finish(*first, firstExit), Finish(*second, secondExit)};
  ASSERT_EQ(firstExit, 0) << outputs[0].toStdString();
  ASSERT_EQ(secondExit, 0) << outputs[1].toStdString();

  Counts companies;
  Counts persons;
  Counts modified;
  for (const QString& output : outputs) {
    const Counts c = Line(output, QStringLiteral("companies"));
    const Counts p = Line(output, QStringLiteral("persons"));
    const Counts m = Line(output, QStringLiteral("modified"));
    companies = {companies.saved + c.saved, companies.refused + c.refused,
                 companies.other + c.other};
    persons = {persons.saved + p.saved, persons.refused + p.refused, persons.other + p.other};
    modified = {modified.saved + m.saved, 0, modified.other + m.refused};
  }
  // Every code saved by one workstation and refused, with the form's message, to the other;
  // nothing else went wrong.
  EXPECT_EQ(companies.saved, kCompanies);
  EXPECT_EQ(companies.refused, kCompanies);
  EXPECT_EQ(companies.other, 0) << outputs[0].toStdString() << outputs[1].toStdString();
  EXPECT_EQ(persons.saved, kPersons);
  EXPECT_EQ(persons.refused, kPersons);
  EXPECT_EQ(persons.other, 0) << outputs[0].toStdString() << outputs[1].toStdString();
  EXPECT_EQ(modified.saved, 2 * kCompanies);
  EXPECT_EQ(modified.other, 0);

  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.societati"), QString::number(kCompanies));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM (SELECT cf FROM asigurati.societati GROUP BY "
                  "TRIM(LEADING '0' FROM cf) HAVING COUNT(*)>1) AS d"),
            QStringLiteral("0"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM (SELECT cf FROM asigurati.asigurati WHERE iesire=0 "
                  "GROUP BY cf, cnp HAVING COUNT(*)>1) AS d"),
            QStringLiteral("0"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.asigurati"), QString::number(kPersons));
  // One audit copy per modification, each marked; every insert marked too.
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.zlog_societati WHERE znew_op='M' AND "
                  "znew_cont=''"),
            QString::number(2 * kCompanies));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.zlog_societati"),
            QString::number(2 * kCompanies));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.societati WHERE zz_cont<>''"),
            QStringLiteral("0"));
}

TEST_F(ServerTest, AWriteToARowDeletedOnAnotherWorkstationIsReportedNotWritten) {
  UpgradeSchema(Admin());
  Run("INSERT INTO asigurati.societati (cf, denumire) VALUES ('2000007', 'ALFA')");
  const double index = Value("SELECT MAX(`index`) AS v FROM asigurati.societati").toDouble();
  ScriptedPrompter otherPrompter;
  CClient other(&otherPrompter);
  ASSERT_EQ(other.Connect(), 0);
  other.ClearColumns();
  ASSERT_EQ(other.AuditedDelete(index, QStringLiteral("ASIGURATI"), QStringLiteral("SOCIETATI")),
            0);
  for (const bool update : {true, false}) {
    AdminPrompter().Clear();
    Admin().ClearColumns();
    Admin().AddColumn(QStringLiteral("DENUMIRE"), QStringLiteral("BETA"));
    const int result = update ? Admin().AuditedUpdate(index, QStringLiteral("ASIGURATI"),
                                                      QStringLiteral("SOCIETATI"))
                              : Admin().AuditedDelete(index, QStringLiteral("ASIGURATI"),
                                                      QStringLiteral("SOCIETATI"));
    EXPECT_EQ(result, 1) << update;
    EXPECT_EQ(AdminPrompter().Texts(),
              QStringList{QStringLiteral("Inregistrarea a fost stearsa de pe alt calculator.")})
        << update;
  }
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.societati"), QStringLiteral("0"));
  // Only the other workstation's delete left its copy.
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(znew_op) AS v FROM asigurati.zlog_societati"),
            QStringLiteral("D"));
  // Saving a row unchanged is a write like any other, not a row gone.
  Run("INSERT INTO asigurati.societati (cf, denumire) VALUES ('2000007', 'ALFA')");
  const double again = Value("SELECT MAX(`index`) AS v FROM asigurati.societati").toDouble();
  AdminPrompter().Clear();
  Admin().ClearColumns();
  Admin().AddColumn(QStringLiteral("DENUMIRE"), QStringLiteral("ALFA"));
  EXPECT_EQ(Admin().AuditedUpdate(again, QStringLiteral("ASIGURATI"), QStringLiteral("SOCIETATI")),
            0);
  EXPECT_TRUE(AdminPrompter().Texts().isEmpty());
}

}  // namespace

namespace {

// The server killed while a workstation writes: after its restart every write is whole, the
// row's new version together with the audit copy of the old one, or absent; the connection
// that lost the server shows the client's error once and the next statement reconnects.
TEST_F(ServerTest, AServerKilledDuringAuditedWritesKeepsEachWriteWhole) {
  UpgradeSchema(Admin());
  constexpr int kChurned = 10;
  for (int company = 0; company < kChurned; ++company) {
    Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, repr) VALUES ('%1', "
                       "'FIRMA', 'v0')")
            .arg(WorkstationCui(company)));
  }
  // A kill falls between the statements of one write only now and then: three kills.
  for (int kill = 0; kill < 3; ++kill) {
    auto writer = StartWorkstation(
        {QStringLiteral("churn"), Server().Workstation("churn"), QString::number(kChurned)});
    ASSERT_TRUE(writer->waitForReadyRead(30000));
    QThread::msleep(200);  // well inside the run of writes
    Server().Kill();
    int exitCode = 0;
    Finish(*writer, exitCode);
    ASSERT_EQ(Server().Start(), QString());
    if (kill > 0) continue;
    AdminPrompter().Clear();
    EXPECT_EQ(Admin().Execute(QStringLiteral("SELECT 1 AS v"), 1), 1);  // the lost connection
    ASSERT_EQ(AdminPrompter().Texts().size(), 1u);
    EXPECT_TRUE(AdminPrompter().LastText().startsWith(QStringLiteral("EROARE Mysql:\n\n")));
    EXPECT_EQ(Value("SELECT 2 AS v"), QStringLiteral("2"));  // reconnected
  }
  // The admin's connection went with the later kills too.
  (void)Admin().ExecuteQuiet(QStringLiteral("SELECT 1"));
  (void)Admin().ExecuteQuiet(QStringLiteral("SELECT 1"));

  int writes = 0;
  for (int company = 0; company < kChurned; ++company) {
    const QString cf = Admin().Text(WorkstationCui(company)).Literal();
    const int version =
        Value("SELECT SUBSTRING(repr, 2) AS v FROM asigurati.societati WHERE cf=" + cf).toInt();
    const int copies =
        Value("SELECT COUNT(*) AS v FROM asigurati.zlog_societati WHERE cf=" + cf).toInt();
    EXPECT_EQ(
        Value("SELECT COUNT(*) AS v FROM asigurati.zlog_societati WHERE znew_op<>'M' AND cf=" + cf),
        QStringLiteral("0"))
        << company;
    // Each write moved the row one version on and kept the one before.
    EXPECT_EQ(copies, version) << company;
    // The copies are the versions before each write: v0 … v(n-1), each once.
    EXPECT_EQ(Value("SELECT COUNT(DISTINCT repr) AS v FROM asigurati.zlog_societati WHERE cf=" +
                    cf + " AND SUBSTRING(repr, 2) < " + QString::number(version)),
              QString::number(version))
        << company;
    writes += version;
  }
  EXPECT_GT(writes, kChurned);
}

}  // namespace
