// The month's files of every company in one run: the same files as the wizard's and the
// declarations panel's saves, a failing company reported while the others go on, the stop
// after the file under way, the summary as CSV, and the window that runs it.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include "health/annexes/annex_save.h"
#include "health/annexes/report_generate_store.h"
#include "leave/declaration_fixture.h"
#include "leave/declarations/declaration_store.h"
#include "leave/output/declaration_files.h"
#include "month/month_run.h"
#include "screens/month/c_month_batch_dialog.h"
#include "ui/c_list_view_ex.h"
#include "ui/c_report_naming_dialog.h"

namespace {

constexpr int kMonth = 200906;
const QString kNoInsuredCui = QStringLiteral("11111111");

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList NamesOf(const QStringList& paths) {
  QStringList names;
  for (const QString& path : paths) names.append(QFileInfo(path).fileName());
  return names;
}

// Four companies in June 2009: the first at two houses, one without dependants, with amounts
// and a declaration; the second at one house, its name holding the CSV's separator and quote;
// the third at one house, whose first file cannot be written; the fourth without anyone
// insured in the month.
class MonthRunTest : public DeclarationTest {
 protected:
  static inline const QString kOtherName = QStringLiteral("ALTA; SRL \"NOUA\"");
  static inline const QString kThirdName = QStringLiteral("A TREIA SRL");

  void SetUp() override {
    DeclarationTest::SetUp();
    Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, reg_com, repr, jud) VALUES "
                       "(%1, %2, 'J40/12/2002', 'ALBU DAN', 'B'), (%3, %4, 'J12/7/2003', "
                       "'POP ANA', 'CJ'), (%5, 'FARA ANGAJATI SRL', 'J12/8/2004', 'ION ION', 'CJ')")
            .arg(Q(kOtherCui), Q(kOtherName), Q(kThirdCui), Q(kThirdName), Q(kNoInsuredCui)));
    Person(kCui, "CASAB", "1800101221144", "MUNTEANU", "55");
    Person(kCui, "CASAB", "2800404221145", "BRANCUSI", "30");
    Person(kCui, "CAS_B", "1700303221140", "POPA", "100");
    Run(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, prenume, tip) "
                       "VALUES (%1, '2900909221151', '1800101221144', 'MUNTEANU', 'ANA', 'S')")
            .arg(Q(kCui)));
    Run(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, datorat, virat) VALUES "
                       "(%1, %2, 120, 100)")
            .arg(Q(kCui))
            .arg(kMonth));
    Person(kOtherCui, "CASCJ", "1650606221144", "VASILE", "7");
    Person(kThirdCui, "CASAB", "1900202221147", "ALBU", "9");
    const qint64 initial = AddDeclaration(0);
    AddEntries(initial,
               {{"", "MUNTEANU", "ION", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10, "300"}});
  }

  static void Person(const QString& cf, const char* cas, const char* cnp, const char* nume,
                     const char* owed) {
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, forma, "
                       "intrare, iesire) VALUES (%1, %2, %3, %4, 'ION', 'S', 20050101, 0)")
            .arg(Q(cf), Q(QLatin1String(cas)), Q(QLatin1String(cnp)), Q(QLatin1String(nume))));
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, asig_datorat, "
                       "asig_virat) VALUES (LAST_INSERT_ID(), %1, %2, %3, %4, %4)")
            .arg(Q(cf), Q(QLatin1String(cnp)))
            .arg(kMonth)
            .arg(QLatin1String(owed)));
  }

  static std::vector<BatchCompany> Companies() {
    return {{kCui, kName},
            {kOtherCui, kOtherName},
            {kThirdCui, kThirdName},
            {kNoInsuredCui, QStringLiteral("FARA ANGAJATI SRL")}};
  }

  // What the wizard's save and the declarations panel's save write for the first two.
  void WriteScreenFiles(const QString& folder) {
    for (const QString& cf : {kCui, kOtherCui}) {
      ASSERT_TRUE(QueryCompanyHouses(client(), cf, kMonth));
      QStringList houses;
      for (int row = 0; row < client().RowCount(); ++row) {
        houses << client().GetField(row, QStringLiteral("CAS"));
      }
      ASSERT_EQ(WriteReportFiles(client(), prompter(), *SplitMonth(QString::number(kMonth)), cf,
                                 houses, NamingForm::kByHouse, folder)
                    .outcome,
                SaveOutcome::kSaved);
    }
    const auto latest = LatestDeclaration(client(), kCui, kMonth);
    ASSERT_TRUE(latest && *latest);
    ASSERT_EQ(WriteDeclarationFiles(client(), prompter(), kCui, (*latest)->index, folder).outcome,
              FilesOutcome::kSaved);
  }

  // The third company's first file name taken by a folder: its save fails as on a bad disk.
  void BlockThirdCompany() {
    ASSERT_TRUE(QDir(out_.path()).mkpath(QStringLiteral("CASAB_98765438_200906_anexa1A.dbf")));
  }

  MonthRunOptions Options() const {
    return {kMonth, out_.path(), NamingForm::kByHouse, false, false};
  }

  QTemporaryDir out_;
  QTemporaryDir reference_;
};

TEST_F(MonthRunTest, OneFailingCompanyIsReportedAndTheOthersGetTheWizardsFiles) {
  WriteScreenFiles(reference_.path());
  BlockThirdCompany();
  prompter().Clear();
  const std::vector<CompanySummary> rows = RunMonthFiles(client(), Options(), Companies());

  // Every file written is the screens' file, byte for byte, the header-only 1B of CAS_B too.
  ASSERT_EQ(FilesIn(out_.path()), FilesIn(reference_.path()));
  for (const QString& name : FilesIn(reference_.path())) {
    EXPECT_EQ(Bytes(QDir(out_.path()).filePath(name)),
              Bytes(QDir(reference_.path()).filePath(name)))
        << name.toStdString();
  }
  struct Expected {
    CompanyState state;
    int files;
    QString error;
    QStringList notes;
  };
  const std::vector<Expected> expected = {
      {CompanyState::kWritten, 8, {}, {QStringLiteral("Declaratia: declaratia initiala")}},
      {CompanyState::kWritten, 3, {}, {batch_texts::NoDeclaration(kMonth)}},
      {CompanyState::kFailed,
       0,
       QStringLiteral("Nu se poate salva Anexa 1A!"),
       {batch_texts::NoDeclaration(kMonth)}},
      {CompanyState::kSkipped, 0, {}, {batch_texts::NoInsured(kMonth)}},
  };
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].company.cf.toStdString());
    EXPECT_EQ(rows[i].state, expected[i].state);
    EXPECT_EQ(rows[i].files.size(), expected[i].files);
    EXPECT_EQ(rows[i].error, expected[i].error);
    EXPECT_EQ(rows[i].notes, expected[i].notes);
    EXPECT_EQ(rows[i].faults, QStringList()) << rows[i].faults.join(u'\n').toStdString();
    for (const QString& path : rows[i].files) EXPECT_TRUE(QFileInfo(path).isFile());
  }
  // The failure was collected for the summary, not shown in a box of its own.
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().Texts().join(u'\n').toStdString();

  // The summary beside the files: a line per company, the name with ";" and quotes quoted.
  ASSERT_TRUE(WriteSummaryCsv(SummaryCsvPath(Options()), rows));
  const QByteArray csv = Bytes(QDir(out_.path()).filePath(QStringLiteral("rezumat_200906.csv")));
  ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
  const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 6);  // header, four companies, the empty end
  EXPECT_EQ(lines[0],
            "Cod fiscal;Societate;Stare;Fisiere scrise;Fisiere;Greseli gasite;Greseli;Motiv");
  EXPECT_EQ(lines[2], QStringLiteral("13548146;\"ALTA; SRL \"\"NOUA\"\"\";scris;3;"
                                     "CASCJ_13548146_200906_anexa1A.dbf | "
                                     "CASCJ_13548146_200906_anexa1B.dbf | "
                                     "CASCJ_13548146_200906_anexa1C.dbf;0;;") +
                          batch_texts::NoDeclaration(kMonth));
  EXPECT_EQ(lines[3],
            QStringLiteral("98765438;A TREIA SRL;esuat;0;;0;;Nu se poate salva Anexa 1A! | ") +
                batch_texts::NoDeclaration(kMonth));
  // The reason holds the separator: quoted.
  EXPECT_EQ(lines[4], QStringLiteral("11111111;FARA ANGAJATI SRL;sarit;0;;0;;\"") +
                          batch_texts::NoInsured(kMonth) + u'"');
}

TEST_F(MonthRunTest, LegalNamesRefusedForSeveralHousesOnlyAndFaultsOfWrittenFilesFound) {
  // A CNP the verification rules refuse, in the second company's anexa 1A.
  Person(kOtherCui, "CASCJ", "1234567890123", "GRESIT", "5");
  MonthRunOptions options = Options();
  options.naming = NamingForm::kLegal;
  const std::vector<CompanySummary> rows =
      RunMonthFiles(client(), options, {Companies()[0], Companies()[1]});
  ASSERT_EQ(rows.size(), 2U);
  EXPECT_EQ(rows[0].state, CompanyState::kFailed);
  EXPECT_TRUE(rows[0].error.startsWith("Cu denumirea impusa prin lege"))
      << rows[0].error.toStdString();
  // Its declaration's files stand apart and are written all the same.
  EXPECT_EQ(NamesOf(rows[0].files).size(), 2);
  EXPECT_EQ(rows[1].state, CompanyState::kWritten);
  EXPECT_EQ(NamesOf(rows[1].files),
            QStringList({"1A_0609_13548146.dbf", "1B_0609_13548146.dbf", "1C_0609_13548146.dbf"}));
  ASSERT_EQ(rows[1].faults.size(), 1) << rows[1].faults.join(u'\n').toStdString();
  // GRESIT comes first by name: the file's first record.
  EXPECT_EQ(rows[1].faults[0],
            "1A_0609_13548146.dbf: inregistrarea 1: Campul CNP: Codul Numeric Personal incorect");
}

TEST_F(MonthRunTest, StopEndsAfterTheFileUnderWayAndLeavesOnlyWholeFiles) {
  WriteScreenFiles(reference_.path());
  const QString folder = out_.path();
  // The user's stop arrives while the second file is written.
  RunHooks hooks;
  hooks.stop = [&folder] { return FilesIn(folder).size() >= 2; };
  std::vector<QString> ended;
  hooks.ended = [&ended](const CompanySummary& row) { ended.push_back(row.company.cf); };
  const std::vector<CompanySummary> rows = RunMonthFiles(client(), Options(), Companies(), hooks);

  const QStringList written = FilesIn(out_.path());
  ASSERT_EQ(written, QStringList({"CASAB_12345674_200906_anexa1A.dbf",
                                  "CASAB_12345674_200906_anexa1B.dbf"}));
  for (const QString& name : written) {
    EXPECT_EQ(Bytes(QDir(out_.path()).filePath(name)),
              Bytes(QDir(reference_.path()).filePath(name)));
  }
  ASSERT_EQ(rows.size(), 4U);
  EXPECT_EQ(ended.size(), 4U);  // each row told as its company ended
  EXPECT_EQ(rows[0].state, CompanyState::kStopped);
  EXPECT_EQ(NamesOf(rows[0].files), written);
  for (size_t i = 1; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].state, CompanyState::kNotReached);
    EXPECT_EQ(rows[i].notes, QStringList{run_texts::kNotReached});
  }
}

TEST_F(MonthRunTest, TheWindowRunsWithTheNamingAskedOnceAndSavesItsSummary) {
  BlockThirdCompany();
  int namingForms = 0;
  SetModalDriver([&namingForms](QDialog& form) {
    ASSERT_NE(qobject_cast<CReportNamingDialog*>(&form), nullptr);
    ++namingForms;
    Click(form, "save");
  });
  prompter().QueueFolder(out_.path());
  CMonthBatchDialog dialog(nullptr, client(), prompter(), kMonth, Companies());
  Click(dialog, "listsPdf");
  Press(dialog, Qt::Key_F5);

  EXPECT_EQ(namingForms, 1);
  EXPECT_FALSE(dialog.Running());
  auto* list = dialog.findChild<CListViewEx*>(QStringLiteral("summary"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->RowCount(), 4);
  const QStringList states = {"scris", "scris", "esuat", "sarit"};
  // Each house's three printed lists besides its three files; the declaration's two files.
  const QStringList files = {"14", "6", "0", "0"};
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(list->GetCellText(row, QStringLiteral("STARE")), states[row]);
    EXPECT_EQ(list->GetCellText(row, QStringLiteral("FISIERE")), files[row]);
  }
  EXPECT_TRUE(
      list->GetCellText(2, QStringLiteral("MOTIV")).startsWith("Nu se poate salva Anexa 1A!"));
  EXPECT_EQ(FilesIn(out_.path()).filter(QStringLiteral(".pdf")).size(), 9);

  prompter().Clear();
  Press(dialog, Qt::Key_F7);
  EXPECT_TRUE(QFileInfo(QDir(out_.path()).filePath(QStringLiteral("rezumat_200906.csv"))).isFile());
  EXPECT_TRUE(prompter().LastText().startsWith("Rezumatul a fost salvat"));
}

// F8 is read while the run goes on: pressed before the first company, nothing is written.
TEST_F(MonthRunTest, TheStopKeyIsReadDuringTheRun) {
  SetModalDriver([](QDialog& form) { Click(form, "save"); });
  prompter().QueueFolder(out_.path());
  CMonthBatchDialog dialog(nullptr, client(), prompter(), kMonth, Companies());
  QTimer::singleShot(0, &dialog, [&dialog] {
    ASSERT_TRUE(dialog.Running());
    QTest::keyClick(&dialog, Qt::Key_F8);
  });
  Press(dialog, Qt::Key_F5);

  EXPECT_TRUE(FilesIn(out_.path()).isEmpty());
  ASSERT_EQ(dialog.Summary().size(), 4U);
  for (const CompanySummary& row : dialog.Summary()) {
    EXPECT_EQ(row.state, CompanyState::kNotReached);
  }
  EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("status"))->text().startsWith("Oprit."));
}

}  // namespace
