// The built program run with a command, as a script runs it, on a register this test fills
// on its own server and then releases: the files must be those the screens write for the
// same data, byte for byte.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "cli/cli_texts.h"
#include "dbf/dbf_file.h"
#include "exchange/import/import_checks.h"
#include "exchange/verify_fixture.h"
#include "health/annexes/annex_save.h"
#include "health/annexes/report_generate_store.h"
#include "leave/declaration_fixture.h"
#include "leave/declarations/declaration_store.h"
#include "leave/output/declaration_files.h"
#include "store/list_model.h"
#include "store/server/server_config.h"
#include "support/external_file.h"
#include "support/program_run.h"
#include "support/valid_codes.h"

namespace {

constexpr int kMonth = 200906;
const QString kMonthText = QStringLiteral("200906");

ProgramRun RunProgram(const QStringList& arguments, const QString& home) {
  return RunProgram(QStringLiteral(VELKA_PROGRAM), arguments, home);
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Three companies in June 2009: the first with insured persons at three houses, amounts,
// dependants and a declaration with its rectification; the second at one house; the third
// at one house without any amount and without a declaration.
class CommandLineTest : public DeclarationTest {
 protected:
  static inline const QString kOtherName = QStringLiteral("ALTA SRL");
  static inline const QString kThirdName = QStringLiteral("A TREIA SRL");

  static void SetUpTestSuite() {
    RegisterTest::SetUpTestSuite();
    references_ = new QTemporaryDir;
    home_ = new QTemporaryDir;
    Fill();
    WriteScreenFiles();
    // The register is released for the program: a test program's server cannot start again.
    client().Disconnect();
  }
  static void TearDownTestSuite() {
    delete references_;
    delete home_;
  }
  void SetUp() override {}
  void TearDown() override {}

  static void Person(const QString& cf, const char* cas, const char* cnp, const char* nume,
                     const char* owed) {
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, forma, "
                       "intrare, iesire) VALUES (%1, %2, %3, %4, 'ION', 'S', 20050101, 0)")
            .arg(Q(cf), Q(QLatin1String(cas)), Q(QLatin1String(cnp)), Q(QString::fromUtf8(nume))));
    if (owed == nullptr) return;
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, asig_datorat, "
                       "asig_virat) VALUES (LAST_INSERT_ID(), %1, %2, %3, %4, %4)")
            .arg(Q(cf), Q(QLatin1String(cnp)))
            .arg(kMonth)
            .arg(QLatin1String(owed)));
  }

  static void Fill() {
    AddCompanyRow(QStringLiteral("CJ"));
    Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, jud) VALUES (%1, %2, 'B'), "
                       "(%3, %4, 'MB')")
            .arg(Q(kOtherCui), Q(kOtherName), Q(kThirdCui), Q(kThirdName)));
    Person(kCui, "CASAB", "1800101221144", "MUȚU", "55.5");
    Person(kCui, "CASAB", "2800404221145", "BRÂNCUȘI", "30.5");
    Person(kCui, "CAS_B", "1700303221140", "POPA", "100.4");
    Person(kCui, "CASCJ", "1750505221144", "RADU", nullptr);
    Run(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, prenume, tip) "
                       "VALUES (%1, '2900909221151', '1800101221144', 'MUȚU', 'ANA', 'S')")
            .arg(Q(kCui)));
    Run(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, datorat, virat) VALUES "
                       "(%1, %2, 120.5, 100)")
            .arg(Q(kCui))
            .arg(kMonth));
    Person(kOtherCui, "CASCJ", "1650606221144", "VASILE", "7");
    Person(kThirdCui, "CASAB", "1900202221147", "ALBU", nullptr);
    // A dependant corrected, then deleted: a history that no report shows.
    Run(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, prenume, tip) "
                       "VALUES (%1, '2910101221143', '1900202221147', 'ALBU', 'IOANA', 'S')")
            .arg(Q(kThirdCui)));
    historyIndex_ =
        Value(QStringLiteral("SELECT MAX(`index`) AS v FROM asigurati.coasigurati")).toLongLong();
    ASSERT_EQ(client().AuditedUpdate(static_cast<double>(historyIndex_), DependantsTable(),
                                     {{"PRENUME", "MARIA"}}),
              0);
    ASSERT_EQ(client().AuditedDelete(static_cast<double>(historyIndex_), DependantsTable()), 0);
    const qint64 initial = AddDeclaration(0);
    AddEntries(initial,
               {{"", "MUŢU", "Ştefan", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10, "300"},
                {"", "ALBU", "ANA", "2800404221145", "CASCJ", "CCMAB", "13", 8, 8, "200"}});
    const qint64 rectification = AddDeclaration(1, 100, 0, 20);
    AddEntries(rectification,
               {{"M", "MUŢU", "Ştefan", "1800101221144", "CASCJ", "CCMAA", "12", 1, 6, "100"}});
  }

  // What the wizard's save and the declarations panel's save write for the same data.
  static void WriteScreenFiles() {
    const QDir references(references_->path());
    ASSERT_TRUE(references.mkpath(QStringLiteral("casa")) &&
                references.mkpath(QStringLiteral("declaratii")));
    for (const QString& cf : {kCui, kOtherCui, kThirdCui}) {
      ASSERT_TRUE(QueryCompanyHouses(client(), cf, kMonth));
      QStringList houses;
      for (int row = 0; row < client().RowCount(); ++row) {
        houses << client().GetField(row, QStringLiteral("CAS"));
      }
      ASSERT_EQ(WriteReportFiles(client(), prompter(), *SplitMonth(kMonthText), cf, houses,
                                 NamingForm::kByHouse, references.filePath(QStringLiteral("casa")))
                    .outcome,
                SaveOutcome::kSaved);
    }
    const auto latest = LatestDeclaration(client(), kCui, kMonth);
    ASSERT_TRUE(latest && *latest && (*latest)->kind.number == 1);
    ASSERT_EQ(WriteDeclarationFiles(client(), prompter(), kCui, (*latest)->index,
                                    references.filePath(QStringLiteral("declaratii")))
                  .outcome,
              FilesOutcome::kSaved);
  }

  static QString Register() { return TestServer::Instance().Folder(); }
  static QString Reference(const char* kind) {
    return QDir(references_->path()).filePath(QLatin1String(kind));
  }
  ProgramRun Command(QStringList arguments) {
    if (arguments.first() != u"verifica" && !arguments.contains(QStringLiteral("--date"))) {
      arguments << QStringLiteral("--date") << Register();
    }
    return RunProgram(arguments, home_->path());
  }
  static void ExpectSameFiles(const QString& written, const QString& reference) {
    ASSERT_EQ(FilesIn(written), FilesIn(reference));
    for (const QString& name : FilesIn(reference)) {
      EXPECT_EQ(Bytes(QDir(written).filePath(name)), Bytes(QDir(reference).filePath(name)))
          << name.toStdString();
    }
  }

  QTemporaryDir out_;
  static inline QTemporaryDir* references_ = nullptr;
  static inline QTemporaryDir* home_ = nullptr;
  static inline qint64 historyIndex_ = 0;
};

TEST_F(CommandLineTest, MonthOfEveryCompanyAsTheScreensWriteIt) {
  // Left by an old installation: only the window's start removes it.
  QFile leftover(QDir(Register()).filePath(QStringLiteral("srv.cfg")));
  ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
  leftover.close();

  const ProgramRun reports = Command({"rapoarte", "--luna", kMonthText, "--folder", out_.path()});
  EXPECT_EQ(reports.code, 0) << reports.err.toStdString();
  ExpectSameFiles(out_.path(), Reference("casa"));
  EXPECT_EQ(FilesIn(out_.path()).size(), 15);
  EXPECT_TRUE(reports.out.contains(
      kThirdCui + u' ' + kThirdName +
      QStringLiteral("\n  CASAB_98765438_200906_anexa1A.dbf\n  CASAB_98765438_200906_anexa1B.dbf\n"
                     "  CASAB_98765438_200906_anexa1C.dbf\n  avertisment: Societatea nu are "
                     "nicio suma in luna 6 2009")))
      << reports.out.toStdString();
  EXPECT_TRUE(
      reports.out.contains(QStringLiteral("Rapoarte pentru luna 6 2009: 15 fisiere scrise")))
      << reports.out.toStdString();
  EXPECT_TRUE(QFile::exists(leftover.fileName()));

  QTemporaryDir declarations;
  const ProgramRun declared =
      Command({"declaratii", "--luna", kMonthText, "--folder", declarations.path(), "--pdf"});
  EXPECT_EQ(declared.code, 0) << declared.err.toStdString() << declared.out.toStdString();
  const QString pdf = QStringLiteral("12345674_200906_concedii_rectificativa_1.pdf");
  EXPECT_TRUE(Bytes(declarations.filePath(pdf)).startsWith("%PDF"));
  QFile::remove(declarations.filePath(pdf));
  ExpectSameFiles(declarations.path(), Reference("declaratii"));
  EXPECT_TRUE(declared.out.contains(kCui + u' ' + kName + QStringLiteral(" (rectificativa 1)")))
      << declared.out.toStdString();
}

TEST_F(CommandLineTest, HistoryOfARecordNewestFirstAsTextOrJsonLines) {
  const QString index = QString::number(historyIndex_);
  const ProgramRun json =
      Command({"istoric", "--tabel", "coasigurati", "--index", index, "--json"});
  EXPECT_EQ(json.code, 0) << json.err.toStdString();
  const QStringList lines = json.out.trimmed().split(u'\n');
  ASSERT_EQ(lines.size(), 2) << json.out.toStdString();
  const struct {
    int number;
    const char* kind;
    const char* prenume;
    QJsonArray changed;
  } expected[] = {{2, "stearsa", "MARIA", {"PRENUME"}}, {1, "modificata", "IOANA", {}}};
  for (int at = 0; at < 2; ++at) {
    const QJsonObject version = QJsonDocument::fromJson(lines[at].toUtf8()).object();
    EXPECT_EQ(version["tabel"].toString(), QStringLiteral("coasigurati")) << at;
    EXPECT_EQ(version["index"].toInteger(), historyIndex_) << at;
    EXPECT_EQ(version["versiune"].toInt(), expected[at].number) << at;
    EXPECT_EQ(version["fel"].toString(), QLatin1String(expected[at].kind)) << at;
    EXPECT_EQ(version["valori"].toObject()["PRENUME"].toString(),
              QLatin1String(expected[at].prenume))
        << at;
    EXPECT_EQ(version["valori"].toObject()["CNP_ASIG"].toString(), QStringLiteral("1900202221147"));
    EXPECT_EQ(version["schimbate"].toArray(), expected[at].changed) << at;
    // Both copies were made by this program, so each knows when it ended.
    EXPECT_FALSE(version["inlocuita"].toString().isEmpty()) << at;
    EXPECT_FALSE(version["scrisa"].toString().isEmpty()) << at;
  }

  const ProgramRun text = Command({"istoric", "--tabel", "coasigurati", "--index", index});
  EXPECT_EQ(text.code, 0) << text.err.toStdString();
  EXPECT_TRUE(text.out.startsWith(QStringLiteral("Versiunea 2, stearsa, scrisa la ")))
      << text.out.toStdString();
  EXPECT_TRUE(text.out.contains(QStringLiteral("\n  *PRENUME: MARIA\n"))) << text.out.toStdString();
  EXPECT_TRUE(text.out.contains(QStringLiteral("\n   PRENUME: IOANA\n"))) << text.out.toStdString();

  const ProgramRun none = Command({"istoric", "--tabel", "coasigurati", "--index", "999999"});
  EXPECT_EQ(none.code, 1);
  EXPECT_TRUE(none.err.contains(cli_texts::NoHistory("coasigurati", 999999)))
      << none.err.toStdString();
  const ProgramRun wrong = Command({"istoric", "--tabel", "persoane", "--index", index});
  EXPECT_EQ(wrong.code, 2);
  EXPECT_TRUE(wrong.err.contains(cli_texts::BadHistoryTable("persoane")));
}

TEST_F(CommandLineTest, LegalNamesRefusedForSeveralHousesAsOnTheScreen) {
  const ProgramRun run = Command({"rapoarte", "--luna", kMonthText, "--folder", out_.path(),
                                  "--denumire", "lege", "--cf", kCui, "--cf", kOtherCui, "--pdf"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(FilesIn(out_.path()),
            QStringList({"1A_0609_13548146.dbf", "1B_0609_13548146.dbf", "1C_0609_13548146.dbf",
                         "CASCJ_13548146_200906_2A.pdf", "CASCJ_13548146_200906_2B.pdf",
                         "CASCJ_13548146_200906_2C.pdf"}));
  for (const char* list : {"2A", "2B", "2C"}) {
    const QString name = QStringLiteral("CASCJ_13548146_200906_%1.pdf").arg(QLatin1String(list));
    EXPECT_TRUE(Bytes(out_.filePath(name)).startsWith("%PDF")) << list;
  }
  EXPECT_TRUE(run.out.contains(QStringLiteral("  eroare: ") +
                               QString(naming_texts::kLegalForAllHouses).replace(u'\n', u' ')))
      << run.out.toStdString();
  EXPECT_FALSE(run.out.contains(kThirdCui));
}

TEST_F(CommandLineTest, SimulationListsTheFilesAndWritesNothing) {
  const ProgramRun run =
      Command({"rapoarte", "--luna", kMonthText, "--folder", out_.path(), "--simulare"});
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_TRUE(FilesIn(out_.path()).isEmpty());
  for (const QString& name : FilesIn(Reference("casa"))) {
    EXPECT_TRUE(run.out.contains(QStringLiteral("  ") + name + u'\n')) << name.toStdString();
  }
  EXPECT_TRUE(run.out.contains(QStringLiteral("15 fisiere ar fi scrise")));
}

TEST_F(CommandLineTest, BadInputIsNamedAndNothingIsWritten) {
  QTemporaryDir empty;
  const QString missing = out_.filePath(QStringLiteral("nu-exista"));
  QTemporaryDir other;
  const QString aFile = other.filePath(QStringLiteral("predare.txt"));
  ASSERT_TRUE(QFile(aFile).open(QIODevice::WriteOnly));
  const struct {
    QStringList arguments;
    int code;
    QString message;
  } rows[] = {
      {{"rapoarte", "--luna", "200913", "--folder", out_.path()}, 2, cli_texts::BadMonth("200913")},
      {{"declaratii", "--luna", "2009-6", "--folder", out_.path()},
       2,
       cli_texts::BadMonth("2009-6")},
      {{"rapoarte", "--luna", kMonthText, "--folder", out_.path(), "--cf", "99999999"},
       2,
       cli_texts::UnknownCompany("99999999")},
      {{"declaratii", "--luna", kMonthText, "--folder", missing},
       2,
       cli_texts::MissingFolder(missing)},
      {{"rapoarte", "--luna", kMonthText, "--folder", aFile}, 2, cli_texts::NotAFolder(aFile)},
      {{"rapoarte", "--luna", kMonthText, "--folder", out_.path(), "--date", empty.path()},
       2,
       cli_texts::NoRegister(empty.path())},
      // Before anybody was hired: every company is named, nothing is written.
      {{"rapoarte", "--luna", "200401", "--folder", out_.path()}, 1, QString()},
  };
  for (const auto& row : rows) {
    const ProgramRun run = Command(row.arguments);
    EXPECT_EQ(run.code, row.code) << row.arguments.join(u' ').toStdString();
    EXPECT_TRUE(run.err.contains(row.message)) << run.err.toStdString();
    EXPECT_TRUE(FilesIn(out_.path()).isEmpty()) << row.arguments.join(u' ').toStdString();
  }
  // Not even a configuration is created where there was no register.
  EXPECT_TRUE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// On a full disk the commands never put a cut file over a good one, and say so: the good
// files of an earlier run stay byte for byte, no half file is left, and the exit code is 1.
TEST_F(CommandLineTest, FullDiskKeepsTheEarlierFilesAndFailsTheCommand) {
#ifdef VELKA_SANITIZED
  GTEST_SKIP() << "the full disk is a preloaded library, which the sanitizers' runtime refuses";
#endif
  const struct {
    QStringList arguments;
    const char* reference;
  } rows[] = {
      {{"rapoarte", "--luna", kMonthText, "--cf", kCui}, "casa"},
      {{"declaratii", "--luna", kMonthText, "--cf", kCui}, "declaratii"},
      {{"declaratii", "--luna", kMonthText, "--cf", kCui, "--pdf"}, "declaratii"},
  };
  for (const auto& row : rows) {
    QTemporaryDir folder;
    for (const QString& name : FilesIn(Reference(row.reference))) {
      ASSERT_TRUE(
          QFile::copy(QDir(Reference(row.reference)).filePath(name), folder.filePath(name)));
    }
    const QString pdf = QStringLiteral("12345674_200906_concedii_rectificativa_1.pdf");
    QFile earlierPdf(folder.filePath(pdf));
    ASSERT_TRUE(earlierPdf.open(QIODevice::WriteOnly) && earlierPdf.write("%PDF earlier") > 0);
    earlierPdf.close();
    qputenv("LD_PRELOAD", NO_SPACE_LIBRARY);
    qputenv("NO_SPACE_DIR", QFile::encodeName(folder.path()));
    const ProgramRun run = Command(row.arguments + QStringList{"--folder", folder.path()});
    qunsetenv("LD_PRELOAD");
    qunsetenv("NO_SPACE_DIR");
    const QString said = row.arguments.join(u' ');
    EXPECT_EQ(run.code, 1) << said.toStdString() << run.out.toStdString();
    EXPECT_EQ(Bytes(folder.filePath(pdf)), QByteArray("%PDF earlier")) << said.toStdString();
    QFile::remove(folder.filePath(pdf));
    ExpectSameFiles(folder.path(), Reference(row.reference));
  }
}

// A link in the output folder under a report's name is replaced by the report; the file it
// pointed to is never written through.
TEST_F(CommandLineTest, ALinkUnderAReportsNameIsReplacedNotWrittenThrough) {
  QTemporaryDir elsewhere;
  const QString target = elsewhere.filePath(QStringLiteral("contabilitate.txt"));
  QFile precious(target);
  ASSERT_TRUE(precious.open(QIODevice::WriteOnly) && precious.write("date importante") > 0);
  precious.close();
  const QString name = QStringLiteral("CASAB_%1_200906_anexa1A.dbf").arg(kCui);
  ASSERT_TRUE(QFile::link(target, out_.filePath(name)));
  const ProgramRun run =
      Command({"rapoarte", "--luna", kMonthText, "--cf", kCui, "--folder", out_.path()});
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_EQ(Bytes(target), QByteArray("date importante"));
  EXPECT_FALSE(QFileInfo(out_.filePath(name)).isSymLink());
  EXPECT_EQ(Bytes(out_.filePath(name)), Bytes(QDir(Reference("casa")).filePath(name)));
}

// A file named under another code page would be opened under a different name, or none: the
// commands that read files refuse it and say why.
TEST_F(CommandLineTest, FilesNamedOutsideUtf8AreRefusedByName) {
  const QByteArray name = QFile::encodeName(out_.path()) + "/pl\xe2ti.dbf";  // Latin-1 "plâti"
  const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0);
  ::close(fd);
  for (const char* command : {"verifica --anexa A", "importa --extern"}) {
    // The shell's pattern passes the name's bytes as they are.
    const ProgramRun run =
        RunProgram(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"),
                    QStringLiteral("exec \"$0\" %1 \"$1\"/pl*ti.dbf").arg(QLatin1String(command)),
                    QStringLiteral(VELKA_PROGRAM), out_.path()},
                   home_->path());
    EXPECT_EQ(run.code, 2) << command;
    EXPECT_TRUE(run.err.contains(QStringLiteral("nu este scris in UTF-8")))
        << run.err.toStdString();
  }
}

// A folder on a disk too small for the work stops the command before the first company,
// with the room needed and left, instead of failing file by file.
TEST_F(CommandLineTest, TooLittleRoomStopsTheMonthWithTheRoomNeeded) {
  QTemporaryDir small;
  QProcess mount;
  mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=1m", "tmpfs", small.path()});
  if (!mount.waitForFinished() || mount.exitCode() != 0) {
    GTEST_SKIP() << "a small disk cannot be mounted here (needs root)";
  }
  const ProgramRun run = Command({"rapoarte", "--luna", kMonthText, "--folder", small.path()});
  QProcess::execute(QStringLiteral("umount"), {small.path()});
  EXPECT_EQ(run.code, 1);
  EXPECT_TRUE(run.err.contains(
      QStringLiteral("Pe discul dosarului \"%1\" mai sunt liberi 1 MB").arg(small.path())))
      << run.err.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("0 fisiere scrise"))) << run.out.toStdString();
}

// A start that cannot write its configuration (a full disk) refuses, and the configuration
// it meant to rewrite stays whole: cut, it would leave the folder unopenable.
TEST_F(CommandLineTest, FullDiskAtStartLeavesTheConfigurationWhole) {
#ifdef VELKA_SANITIZED
  GTEST_SKIP() << "the full disk is a preloaded library, which the sanitizers' runtime refuses";
#endif
  // A register moved here after its configuration was written elsewhere.
  QTemporaryDir moved;
  ASSERT_TRUE(QDir(moved.path()).mkpath(QStringLiteral("data/asigurati")) &&
              QDir(moved.path()).mkpath(QStringLiteral("data/concedii")));
  const QString config = moved.filePath(QStringLiteral("srv_embedded.cfg"));
  QFile file(config);
  const QByteArray earlier =
      QByteArray(kProgramConfigMark) +
      "\n[libmysqld_server]\ndatadir=/alt/dosar/data\n\n[libmysqld_client]\n";
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
  file.close();
  qputenv("LD_PRELOAD", NO_SPACE_LIBRARY);
  qputenv("NO_SPACE_DIR", QFile::encodeName(moved.path()));
  const ProgramRun run =
      Command({"rapoarte", "--luna", kMonthText, "--folder", out_.path(), "--date", moved.path()});
  qunsetenv("LD_PRELOAD");
  qunsetenv("NO_SPACE_DIR");
  EXPECT_EQ(run.code, 2) << run.err.toStdString();
  EXPECT_EQ(Bytes(config), earlier);
  EXPECT_EQ(QDir(moved.path()).entryList(QDir::Files), QStringList{"srv_embedded.cfg"});
}

// An external-source file of `cf` with the given (CNP, form) records, hired after the
// month the other tests report, so that their files stay as they are.
QString ExternalFile(const QString& folder, const QString& cf,
                     const std::vector<std::pair<const char*, const char*>>& records) {
  std::vector<QStringList> cells;
  for (const auto& [cnp, form] : records) {
    cells.push_back({cf, "CASAB", cnp, "NOU", "ION", "20090801", form, "1000", "55", "55", "52",
                     "52", "200908"});
  }
  const QString path = QDir(folder).filePath(cf + QStringLiteral(".dbf"));
  EXPECT_TRUE(WriteExternalFile(path, cells));
  return path;
}

TEST_F(CommandLineTest, ImportForRegisteredCompaniesOnlyWithEachRejectionOnALine) {
  const QString file = ExternalFile(
      out_.path(), kThirdCui, {{"1800101221144", "S"}, {"1800101221144", "XX"}, {"123", "S"}});
  const ProgramRun run = Command({"importa", "--extern", file});
  EXPECT_EQ(run.code, 1) << run.err.toStdString();
  const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
  const Refusal badForm = ExternalRecordProblem("1800101221144", "20090801", "XX");
  const Refusal badCnp = ExternalRecordProblem("123", "20090801", "S");
  ASSERT_TRUE(badForm && badCnp);
  EXPECT_EQ(lines[0], cli_texts::RecordLine(file, 2, *badForm));
  EXPECT_EQ(lines[1], cli_texts::RecordLine(file, 3, *badCnp));
  EXPECT_EQ(lines[2], cli_texts::ImportSummary(file, 1, 0, 2, 3, 3));

  const QString stranger =
      ExternalFile(out_.path(), QStringLiteral("24681350"), {{"1800101221144", "S"}});
  const ProgramRun refused = Command({"importa", "--extern", stranger});
  EXPECT_EQ(refused.code, 1);
  EXPECT_TRUE(refused.err.contains(cli_texts::ImportCompanyMissing("24681350")))
      << refused.err.toStdString();

  QFile text(out_.filePath(QStringLiteral("text.dbf")));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("nu este dBase\n") > 0);
  text.close();
  const ProgramRun unreadable =
      Command({"importa", "--anterior", text.fileName(), "--cas", "CASAB"});
  EXPECT_EQ(unreadable.code, 2);
  EXPECT_TRUE(unreadable.err.startsWith(text.fileName() + QStringLiteral(": ")))
      << unreadable.err.toStdString();
}

// A record whose person was stored but whose amounts were not (a month or an amount that is
// not one) is named with its reason and counted, and the command does not report success.
TEST_F(CommandLineTest, ImportNamesEveryRecordWhoseAmountsWereNotStored) {
  const auto record = [](int person, const char* salary, const char* month) {
    return QStringList{kThirdCui, "CASAB", WorkstationCnp(900 + person),
                       "NOU",     "ION",   "20090801",
                       "S",       salary,  "55",
                       "55",      "52",    "52",
                       month};
  };
  const QString badMonth = QStringLiteral("Asigurat inexistent: a fost adaugat") + BadMonthText();
  const QString badSalary =
      QStringLiteral("Asigurat inexistent: a fost adaugat") + BadAmountText("SALARIU");
  struct Case {
    const char* name;
    std::vector<QStringList> records;
    QStringList reasons;  // by record number
    int stored, withoutAmounts;
    int code;
  };
  const Case cases[] = {
      {"sume",
       {record(1, "1000", "200908"), record(2, "1000", "2009"), record(3, "12a", "200908")},
       {"", badMonth, badSalary},
       3,
       2,
       1},
      {"bune", {record(4, "1000", "200908"), record(5, "900.5", "200908")}, {"", ""}, 2, 0, 0},
  };
  for (const Case& c : cases) {
    const QString file = QDir(out_.path()).filePath(QLatin1String(c.name) + ".dbf");
    ASSERT_TRUE(WriteExternalFile(file, c.records));
    const ProgramRun run = Command({"importa", "--extern", file});
    EXPECT_EQ(run.code, c.code) << c.name << run.err.toStdString();
    QStringList expected;
    for (int record = 0; record < c.reasons.size(); ++record) {
      if (c.reasons[record].isEmpty()) continue;
      expected << cli_texts::RecordLine(file, record + 1, c.reasons[record]);
    }
    const int total = static_cast<int>(c.records.size());
    expected << cli_texts::ImportSummary(file, c.stored, c.withoutAmounts, 0, total, total);
    EXPECT_EQ(run.out.split(u'\n', Qt::SkipEmptyParts), expected) << c.name;
  }
  EXPECT_TRUE(cli_texts::ImportSummary("f", 3, 2, 0, 3, 3).contains("la 2 sumele nu au fost"));
}

TEST_F(CommandLineTest, VerificationPassesOwnFilesAndNamesTheRuleOfADamagedRecord) {
  const ProgramRun reports = Command(
      {"rapoarte", "--luna", kMonthText, "--folder", out_.path(), "--cf", kCui, "--cf", kOtherCui});
  ASSERT_EQ(reports.code, 0) << reports.err.toStdString();
  QTemporaryDir declarations;
  ASSERT_EQ(Command({"declaratii", "--luna", kMonthText, "--folder", declarations.path()}).code, 0);
  const auto files = [](const QString& folder, const char* pattern) {
    QStringList paths;
    for (const QString& name : QDir(folder).entryList({QLatin1String(pattern)}, QDir::Files)) {
      paths.append(QDir(folder).filePath(name));
    }
    return paths;
  };
  const struct {
    const char* annex;
    QStringList paths;
  } kinds[] = {{"A", files(out_.path(), "*anexa1A.dbf")},
               // The houses without co-insured persons have an anexa 1B without records,
               // which the checks call invalid.
               {"B", files(out_.path(), "CASAB*anexa1B.dbf")},
               {"C", files(out_.path(), "*anexa1C.dbf")},
               {"1", files(declarations.path(), "*_A1.dbf")},
               {"2", files(declarations.path(), "*_A2.dbf")}};
  for (const auto& kind : kinds) {
    ASSERT_FALSE(kind.paths.isEmpty()) << kind.annex;
    const ProgramRun run = Command(QStringList{"verifica", "--anexa", kind.annex} + kind.paths);
    EXPECT_EQ(run.code, 0) << kind.annex << "\n" << run.out.toStdString();
  }

  const QString own = out_.filePath(QStringLiteral("CASAB_12345674_200906_anexa1A.dbf"));
  const QString damaged = out_.filePath(QStringLiteral("damaged.dbf"));
  ASSERT_TRUE(QFile::copy(own, damaged));
  verify_files::Damage(damaged, 1, QStringLiteral("CNP"), "0000000000000");
  const ProgramRun run = Command({"verifica", "--anexa", "A", damaged, own});
  EXPECT_EQ(run.code, 1);
  const QString rule = QStringLiteral("Campul CNP: Codul Numeric Personal incorect");
  EXPECT_TRUE(run.out.startsWith(cli_texts::RecordLine(damaged, 2, rule) + u'\n' + damaged +
                                 QStringLiteral(": Anexa A: Fisierul a fost verificat!")))
      << run.out.toStdString();
  const ProgramRun json = Command({"verifica", "--anexa", "A", "--json", damaged});
  const QString faultLine =
      QStringLiteral("{\"eroare\":\"%1\",\"fisier\":\"%2\",\"inregistrare\":2}\n")
          .arg(rule, damaged);
  EXPECT_TRUE(json.out.startsWith(faultLine)) << json.out.toStdString();

  const ProgramRun missing = Command({"verifica", "--anexa", "A", out_.filePath("lipsa.dbf")});
  EXPECT_EQ(missing.code, 2);
  EXPECT_TRUE(missing.err.contains(cli_texts::MissingFile(out_.filePath("lipsa.dbf"))));
}

// Waits until the process holds the register's lock, that is, until its start is under way.
bool HoldsTheLock(const QString& lock, qint64 pid) {
  const QByteArray owner = QByteArray::number(pid) + '\n';
  QElapsedTimer waited;
  waited.start();
  while (!Bytes(lock).startsWith(owner) && waited.elapsed() < 30000) QThread::msleep(1);
  return Bytes(lock).startsWith(owner);
}

// Ctrl-C while the command works: it ends after the file under way, and every file in the
// folder is one it lists and whole.
TEST_F(CommandLineTest, StopLeavesOnlyWholeFilesItNames) {
  QProcess process;
  process.setProcessEnvironment(ProgramEnvironment(home_->path()));
  process.start(QStringLiteral(VELKA_PROGRAM), {"rapoarte", "--luna", kMonthText, "--folder",
                                                out_.path(), "--pdf", "--date", Register()});
  ASSERT_TRUE(process.waitForStarted());
  ASSERT_TRUE(
      HoldsTheLock(QDir(Register()).filePath(QStringLiteral("data.lock")), process.processId()));
  ::kill(static_cast<pid_t>(process.processId()), SIGINT);
  ASSERT_TRUE(process.waitForFinished(60000));
  const QString out = QString::fromUtf8(process.readAllStandardOutput());
  if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
    GTEST_SKIP() << "the command had ended before the stop arrived";
  }
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(cli_texts::kStopped));
  QStringList listed;
  for (const QString& line : out.split(u'\n')) {
    if (line.startsWith(QLatin1String("  ")) && !line.contains(u':')) listed << line.trimmed();
  }
  listed.sort();
  EXPECT_EQ(FilesIn(out_.path()), listed) << out.toStdString();
  EXPECT_LT(listed.size(), 30);
  for (const QString& name : listed) {
    const QByteArray bytes = Bytes(out_.filePath(name));
    if (name.endsWith(QLatin1String(".pdf"))) {
      EXPECT_TRUE(bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF"))
          << name.toStdString();
    } else {
      DbfFile table;
      ListModel records;
      EXPECT_EQ(table.ReadDbf(out_.filePath(name), records), 1) << name.toStdString();
    }
  }
}

TEST_F(CommandLineTest, RefusedWhileTheWindowHoldsTheRegister) {
  QProcess window;
  window.setProcessEnvironment(ProgramEnvironment(home_->path()));
  window.setWorkingDirectory(Register());
  window.start(QStringLiteral(VELKA_PROGRAM), QStringList());
  ASSERT_TRUE(window.waitForStarted());
  ASSERT_TRUE(
      HoldsTheLock(QDir(Register()).filePath(QStringLiteral("data.lock")), window.processId()));

  const ProgramRun run = Command({"rapoarte", "--luna", kMonthText, "--folder", out_.path()});
  EXPECT_EQ(run.code, 2);
  EXPECT_TRUE(run.err.contains(QStringLiteral("O alta copie a programului lucreaza deja")))
      << run.err.toStdString();
  EXPECT_TRUE(FilesIn(out_.path()).isEmpty());

  ::kill(static_cast<pid_t>(window.processId()), SIGTERM);
  EXPECT_TRUE(window.waitForFinished(30000));
  const ProgramRun after = Command({"rapoarte", "--luna", kMonthText, "--folder", out_.path()});
  EXPECT_EQ(after.code, 0) << after.err.toStdString();
}

}  // namespace
