#include "server_fixture.h"
#include "support/valid_codes.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "companies/company_delete.h"
#include "companies/company_store.h"
#include "health/register/insured_list_store.h"
#include "health/register/insured_store.h"
#include "leave/declarations/declaration_store.h"
#include "store/schema/schema.h"
#include "store/schema/schema_tables.h"
#include "support/external_file.h"
#include "support/program_run.h"

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

// The counts of one label summed over the workstations' outputs.
Counts Sum(const QStringList& outputs, const QString& label) {
  Counts sum;
  for (const QString& output : outputs) {
    const Counts c = Line(output, label);
    sum = {sum.saved + c.saved, sum.refused + c.refused, sum.other + c.other};
  }
  return sum;
}

TEST_F(ServerTest, TwoWorkstationsWritingTheSameCodesLeaveNoDuplicateAndEveryAuditRow) {
  UpgradeSchema(Admin());
  const QStringList outputs = RunTogether(
      QStringLiteral("write"),
      {QString::number(kCompanies), QString::number(kPersons), QString::number(kPersonCompanies)});
  ASSERT_FALSE(HasFailure());

  const Counts companies = Sum(outputs, QStringLiteral("companies"));
  const Counts persons = Sum(outputs, QStringLiteral("persons"));
  // Its line has no refusals: the second number counts the failures.
  const Counts sum = Sum(outputs, QStringLiteral("modified"));
  const Counts modified = {sum.saved, 0, sum.refused};
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

// Two workstations add a declaration of the same month, and a certificate with the same
// series and number, pressing the save keys together: the month's numbering and the
// certificate's existence check hold across them.
TEST_F(ServerTest, TwoWorkstationsSavingTheSameDeclarationMonthAndCertificateStayUnique) {
  UpgradeSchema(Admin());
  constexpr int kRounds = 5;
  Run(QStringLiteral("INSERT INTO concedii.declaratii (`index`, cf, luna, rectificativa, "
                     "rectif_nr, zile_lucratoare, salariul_minim, nr_ang, fond_de_salarii, "
                     "contributii_datorate) VALUES (1, '%1', 200906, 'NU', 0, 22, 500, 5, 100000, "
                     "750)")
          .arg(WorkstationCui(0)));
  const QStringList outputs = RunTogether(QStringLiteral("leave"), {QString::number(kRounds)});
  ASSERT_FALSE(HasFailure());
  const Counts declarations = Sum(outputs, QStringLiteral("declarations"));
  const Counts certificates = Sum(outputs, QStringLiteral("certificates"));
  EXPECT_EQ(declarations.saved, 2 * kRounds) << outputs[0].toStdString();
  EXPECT_EQ(declarations.other, 0) << outputs[0].toStdString() << outputs[1].toStdString();
  EXPECT_EQ(certificates.saved, kRounds);
  EXPECT_EQ(certificates.refused, kRounds);
  EXPECT_EQ(certificates.other, 0) << outputs[0].toStdString() << outputs[1].toStdString();

  // Each month: its initial declaration and the first rectification, each number once.
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(k ORDER BY k) AS v FROM (SELECT CONCAT(luna, "
                  "rectificativa, rectif_nr) AS k FROM concedii.declaratii WHERE luna<200906 "
                  "GROUP BY luna, rectificativa, rectif_nr HAVING COUNT(*)=1) AS d"),
            QStringLiteral("200901DA1,200901NU0,200902DA1,200902NU0,200903DA1,200903NU0,"
                           "200904DA1,200904NU0,200905DA1,200905NU0"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM concedii.declaratii"),
            QString::number(2 * kRounds + 1));
  EXPECT_EQ(Value("SELECT COUNT(DISTINCT cert_serie, cert_numar) AS v FROM concedii.concedii "
                  "WHERE id_declaratie=1"),
            QString::number(kRounds));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM concedii.concedii"), QString::number(kRounds));
}

TEST_F(ServerTest, AWriteToARowDeletedOnAnotherWorkstationIsReportedNotWritten) {
  UpgradeSchema(Admin());
  Run("INSERT INTO asigurati.societati (cf, denumire) VALUES ('2000007', 'ALFA')");
  const double index = Value("SELECT MAX(`index`) AS v FROM asigurati.societati").toDouble();
  ScriptedPrompter otherPrompter;
  CClient other(&otherPrompter);
  ASSERT_EQ(other.Connect(), 0);
  ASSERT_EQ(other.AuditedDelete(index, CompaniesTable()), 0);
  for (const bool update : {true, false}) {
    AdminPrompter().Clear();
    const int result =
        update ? Admin().AuditedUpdate(index, CompaniesTable(),
                                       {{QStringLiteral("DENUMIRE"), QStringLiteral("BETA")}})
               : Admin().AuditedDelete(index, CompaniesTable());
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
  EXPECT_EQ(Admin().AuditedUpdate(again, CompaniesTable(),
                                  {{QStringLiteral("DENUMIRE"), QStringLiteral("ALFA")}}),
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

namespace {

// A statement failing late in the company delete cascade, or in the fiscal-code move, undoes
// the statements before it: the company's rows are all where they were, and the operation
// run again without the fault goes through whole.
TEST_F(ServerTest, TheCompanyDeleteAndTheFiscalCodeMoveAreWholeOrNothing) {
  UpgradeSchema(Admin());
  const QString cf = WorkstationCui(0);
  const QString moved = WorkstationCui(1);
  // The rows of each table that carries a company's fiscal code, the company's row last.
  const auto rowsOf = [](const QString& code) {
    QStringList counts;
    std::vector<const char*> tables(kTablesWithCompanyCf.begin(), kTablesWithCompanyCf.end());
    tables.push_back("asigurati.societati");
    for (const char* table : tables) {
      counts.append(Value(QStringLiteral("SELECT COUNT(*) AS v FROM %1 WHERE cf='%2'")
                              .arg(QLatin1String(table), code)));
    }
    return counts.join(u',');
  };
  for (const char* table : kTablesWithCompanyCf) {
    Run(QStringLiteral("INSERT INTO %1 (cf) VALUES ('%2')").arg(QLatin1String(table), cf));
  }
  Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire) VALUES ('%1', 'ALFA')")
          .arg(cf));
  const QString all = QStringLiteral("1,1,1,1,1,1,1");
  const QString none = QStringLiteral("0,0,0,0,0,0,0");
  ASSERT_EQ(rowsOf(cf), all);
  // The last table each operation writes refuses the write, by a trigger of its database.
  const auto trigger = [](const char* table) {
    return QString::fromLatin1(table).section(u'.', 0, 0) + QStringLiteral(".refuz");
  };
  const auto fail = [&trigger](const char* when, const char* table) {
    Run(QStringLiteral("CREATE TRIGGER %1 %2 ON %3 FOR EACH ROW SIGNAL SQLSTATE '45000' SET "
                       "MESSAGE_TEXT='refuz'")
            .arg(trigger(table), QLatin1String(when), QLatin1String(table)));
  };
  const auto mend = [&trigger](const char* table) {
    Run(QStringLiteral("DROP TRIGGER ") + trigger(table));
  };

  fail("BEFORE UPDATE", "concedii.concedii");
  EXPECT_FALSE(MoveFiscalCode(Admin(), cf, moved));
  EXPECT_EQ(rowsOf(cf), all);
  mend("concedii.concedii");
  EXPECT_TRUE(MoveFiscalCode(Admin(), cf, moved));
  // The company's own row is the form's audited write, not the move's.
  EXPECT_EQ(rowsOf(moved), QStringLiteral("1,1,1,1,1,1,0"));
  Run(QStringLiteral("UPDATE asigurati.societati SET cf='%1'").arg(moved));

  fail("BEFORE DELETE", "asigurati.societati");
  AdminPrompter().Clear();
  AdminPrompter().QueueAnswers({true, true, true, true});
  EXPECT_EQ(DeleteCompanyCascade(Admin(), AdminPrompter(), moved, FinalQuestion::kSureSure),
            CompanyDeletion::kFailed);
  EXPECT_EQ(rowsOf(moved), all);
  mend("asigurati.societati");
  AdminPrompter().QueueAnswers({true, true, true, true});
  EXPECT_EQ(DeleteCompanyCascade(Admin(), AdminPrompter(), moved, FinalQuestion::kSureSure),
            CompanyDeletion::kDeleted);
  EXPECT_EQ(rowsOf(moved), none);
}

// The other writes of several statements: when the last statement is refused, the earlier
// ones are undone with it.
TEST_F(ServerTest, TheCnpMoveAndTheRecordAndDeclarationDeletesAreWholeOrNothing) {
  UpgradeSchema(Admin());
  const QString cnp = QStringLiteral("1800101221144");
  Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cnp) VALUES ('13548146', '%1')")
          .arg(cnp));
  const int person = Value("SELECT MAX(`index`) AS v FROM asigurati.asigurati").toInt();
  Run(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig) VALUES ('13548146', "
                     "'5000101221146', '%1')")
          .arg(cnp));
  Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna) VALUES (%1, '13548146', "
                     "'%2', 200906)")
          .arg(person)
          .arg(cnp));
  Run("INSERT INTO concedii.declaratii (cf, luna) VALUES ('13548146', 200906)");
  const qint64 declaration =
      Value("SELECT MAX(`index`) AS v FROM concedii.declaratii").toLongLong();
  Run(QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp) VALUES (%1, "
                     "'13548146', '%2')")
          .arg(declaration)
          .arg(cnp));
  const auto rows = [&cnp] {
    return Value(
        QStringLiteral("SELECT CONCAT_WS(',', (SELECT COUNT(*) FROM asigurati.asigurati WHERE "
                       "cnp='%1'), (SELECT COUNT(*) FROM asigurati.coasigurati WHERE "
                       "cnp_asig='%1'), (SELECT COUNT(*) FROM asigurati.sume WHERE cnp='%1'), "
                       "(SELECT COUNT(*) FROM concedii.declaratii), (SELECT COUNT(*) FROM "
                       "concedii.concedii)) AS v")
            .arg(cnp));
  };
  const QString all = QStringLiteral("1,1,1,1,1");
  ASSERT_EQ(rows(), all);
  struct Case {
    const char* name;
    const char* when;
    const char* lastTable;  // refuses the write, by a trigger of its database
    std::function<bool()> write;
  };
  const Case cases[] = {
      {"CNP move", "BEFORE UPDATE", "asigurati.sume",
       [&cnp] { return MoveCnp(Admin(), cnp, QStringLiteral("2800101221145")); }},
      {"record delete", "BEFORE DELETE", "asigurati.asigurati",
       [&cnp, person] { return DeleteInsuredRecord(Admin(), cnp, person); }},
      {"declaration delete", "BEFORE DELETE", "concedii.declaratii",
       [declaration] { return DeleteDeclaration(Admin(), declaration); }},
  };
  for (const Case& c : cases) {
    const QString trigger =
        QString::fromLatin1(c.lastTable).section(u'.', 0, 0) + QStringLiteral(".refuz");
    Run(QStringLiteral("CREATE TRIGGER %1 %2 ON %3 FOR EACH ROW SIGNAL SQLSTATE '45000' SET "
                       "MESSAGE_TEXT='refuz'")
            .arg(trigger, QLatin1String(c.when), QLatin1String(c.lastTable)));
    EXPECT_FALSE(c.write()) << c.name;
    EXPECT_EQ(rows(), all) << c.name;
    Run(QStringLiteral("DROP TRIGGER ") + trigger);
  }
}

}  // namespace

namespace {

// Two workstations importing the same external-source file at the same moment: the second
// finds every person the first added and modifies that record, so nobody ends with two
// active records, and each modification left its audit copy.
TEST_F(ServerTest, TwoWorkstationsImportingTheSameFileGiveEachPersonOneActiveRecord) {
  UpgradeSchema(Admin());
  constexpr int kPeople = 150;
  const QString cf = WorkstationCui(0);
  Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire) VALUES ('%1', 'ALFA')")
          .arg(cf));
  std::vector<QStringList> records;
  for (int person = 0; person < kPeople; ++person) {
    records.push_back({cf, QStringLiteral("CASAB"), WorkstationCnp(person), QStringLiteral("NOU"),
                       QStringLiteral("ION"), QStringLiteral("20090801"), QStringLiteral("S"),
                       QStringLiteral("1000"), QStringLiteral("55"), QStringLiteral("55"),
                       QStringLiteral("52"), QStringLiteral("52"), QStringLiteral("200908")});
  }
  const QString file = Server().Folder() + QStringLiteral("/extern.dbf");
  ASSERT_TRUE(WriteExternalFile(file, records));

  QTemporaryDir home;
  std::unique_ptr<QProcess> processes[2];
  for (int n = 0; n < 2; ++n) {
    processes[n] = std::make_unique<QProcess>();
    processes[n]->setProcessEnvironment(ProgramEnvironment(home.path()));
    processes[n]->start(
        QStringLiteral(VELKA_PROGRAM),
        {QStringLiteral("importa"), QStringLiteral("--extern"), file, QStringLiteral("--date"),
         Server().Workstation(QStringLiteral("i%1").arg(n))});
  }
  for (auto& process : processes) {
    ASSERT_TRUE(process->waitForFinished(120000));
    EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    EXPECT_TRUE(process->readAllStandardOutput().contains(
        QStringLiteral("%1 inregistrari salvate, 0 respinse.").arg(kPeople).toUtf8()));
  }

  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.asigurati"), QString::number(kPeople));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM (SELECT cnp FROM asigurati.asigurati WHERE "
                  "iesire=0 GROUP BY cf, cnp HAVING COUNT(*)>1) AS d"),
            QStringLiteral("0"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.zlog_asigurati WHERE znew_op='M'"),
            QString::number(kPeople));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.zlog_asigurati"), QString::number(kPeople));
  EXPECT_EQ(Value("SELECT COUNT(DISTINCT cnp, luna) AS v FROM asigurati.sume"),
            QString::number(kPeople));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.sume"), QString::number(kPeople));
}

}  // namespace
