#include <map>

#include "import_fixture.h"

namespace {

// The external import looks its company's records and month rows up once, before the
// records, instead of one query per record. These tests hold it to what a query per record
// finds in a register with left, duplicate and other companies' records, and to a second
// import of the same file leaving the same rows with exact audit copies.
class ImportRegisterRowsTest : public ImportTest {
 protected:
  static constexpr const char* kInsuredColumns =
      "`INDEX`, CF, CAS, NUME, PRENUME, CNP, INTRARE, IESIRE, FORMA, ZZ_CONT, ZZ_DATA";
  static constexpr const char* kAmountsColumns =
      "`INDEX`, ID_CNP, CF, CNP, LUNA, SALARIU, ASIG_DATORAT, ASIG_VIRAT, ANG_DATORAT, ANG_VIRAT, "
      "ZZ_CONT, ZZ_DATA";

  // One text per row, in the given order.
  static QStringList Rows(const char* columns, const QString& table, const char* order) {
    const QString sql =
        QStringLiteral("SELECT CONCAT_WS('|', %1) AS v FROM asigurati.%2 ORDER BY %3")
            .arg(QLatin1String(columns), table, QLatin1String(order));
    EXPECT_EQ(client().Execute(sql, 1), 0);
    QStringList rows;
    for (int row = 0; row < client().RowCount(); ++row) {
      rows << client().GetField(row, QStringLiteral("V"));
    }
    return rows;
  }
  // The audit copies made after `after`: the operation and the row copied, all its columns.
  static QStringList Copies(const char* columns, const char* table, int after) {
    const QString audit = QStringLiteral("zlog_") + QLatin1String(table) +
                          QStringLiteral(" WHERE znew_index > %1").arg(after);
    return Rows((QStringLiteral("znew_op, ") + QLatin1String(columns)).toUtf8().constData(), audit,
                "znew_index");
  }
  // Which rows were copied, in order: "M2", "M4", ...
  static QStringList Copied(const char* table) {
    return Rows("CONCAT(znew_op, `INDEX`)", QStringLiteral("zlog_") + QLatin1String(table),
                "znew_index");
  }
  static void Insured(const QString& cf, const QString& cnp, int exit) {
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cnp, cas, intrare, iesire) VALUES "
                       "(%1, %2, 'CASAB', 20080101, %3)")
            .arg(Q(cf), Q(cnp))
            .arg(exit));
  }
  static void Amounts(int insured, int month) {
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, luna, salariu) VALUES (%1, %2, %3, "
                       "100)")
            .arg(insured)
            .arg(Q(kCui))
            .arg(month));
  }
  // Every row of a table, every column in order (ZZ_DATA too), one text per row.
  static QStringList AllRows(const char* table) {
    const QString database = QString::fromLatin1(table).section(u'.', 0, 0);
    const QString name = QString::fromLatin1(table).section(u'.', 1);
    EXPECT_EQ(client().Execute(QStringLiteral("SELECT GROUP_CONCAT(CONCAT('IFNULL(`', column_name, "
                                              "'`, ''-'')') ORDER BY ordinal_position) AS v FROM "
                                              "information_schema.columns WHERE table_schema='%1' "
                                              "AND table_name='%2'")
                                   .arg(database, name),
                               1),
              0);
    const QString columns = client().GetField(0, QStringLiteral("V"));
    EXPECT_EQ(client().Execute(QStringLiteral("SELECT CONCAT_WS('|', %1) AS v FROM %2 ORDER BY 1")
                                   .arg(columns, QLatin1String(table)),
                               1),
              0);
    QStringList rows;
    for (int row = 0; row < client().RowCount(); ++row) {
      rows << client().GetField(row, QStringLiteral("V"));
    }
    return rows;
  }
  static QStringList Record(const QString& cnp, const char* month, const char* salary) {
    return {kCui,   "CASCJ", cnp,    "POPA", "ANA", "20090105", "S",
            salary, "64.49", "64.5", "80",   "0.5", month};
  }
};

TEST_F(ImportRegisterRowsTest, RowsFoundOnceAreThoseAQueryPerRecordFinds) {
  const QString left = kCnp, other = kOtherCnp, twice = QStringLiteral("1750303400013"),
                fresh = QStringLiteral("1851212400028");
  AddCompany(kCui, QStringLiteral("Firma SRL"));
  Insured(kCui, left, 20081231);  // 1: has left, never updated
  Insured(kCui, left, 0);         // 2: the active record of `left`
  Insured(kOtherCui, other, 0);   // 3: another company's
  Insured(kCui, twice, 0);        // 4: the older of two active records: the one updated
  Insured(kCui, twice, 0);        // 5
  Amounts(2, 200905);             // 1: another month
  Amounts(2, 200906);             // 2: updated
  Amounts(1, 200906);             // 3: the left record's
  const QString path = WriteFile(QStringLiteral("sursa.dbf"), ExternalFields(),
                                 {Record(left, "200906", "1000"), Record(other, "200906", "1100"),
                                  Record(twice, "200906", "1200"), Record(other, "200907", "1300"),
                                  Record(other, "200906", "1400"), Record(fresh, "2009", "1500")});

  CImportExternalDialog first(nullptr, client(), prompter());
  Open(first, path);
  SaveButton(first).click();
  ASSERT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  // `other` is new at this company (6) and its later rows update what its first row wrote.
  EXPECT_EQ(Rows("`INDEX`, CF, CNP, CAS, IESIRE", "asigurati", "`INDEX`"),
            QStringList(
                {"1|" + kCui + "|" + left + "|CASAB|20081231",
                 "2|" + kCui + "|" + left + "|CASCJ|0", "3|" + kOtherCui + "|" + other + "|CASAB|0",
                 "4|" + kCui + "|" + twice + "|CASCJ|0", "5|" + kCui + "|" + twice + "|CASAB|0",
                 "6|" + kCui + "|" + other + "|CASCJ|0", "7|" + kCui + "|" + fresh + "|CASCJ|0"}));
  EXPECT_EQ(Rows("`INDEX`, ID_CNP, LUNA, SALARIU", "sume", "`INDEX`"),
            QStringList({"1|2|200905|100", "2|2|200906|1000", "3|1|200906|100", "4|6|200906|1400",
                         "5|4|200906|1200", "6|6|200907|1300"}));
  EXPECT_EQ(Copied("asigurati"), QStringList({"M2", "M4", "M6", "M6"}));
  EXPECT_EQ(Copied("sume"), QStringList({"M2", "M4"}));

  // The same file again: the same rows, every record and month row updated once per file
  // row, each audit copy the row exactly as the first import left it.
  const QStringList insured = Rows(kInsuredColumns, QStringLiteral("asigurati"), "`INDEX`");
  const QStringList amounts = Rows(kAmountsColumns, QStringLiteral("sume"), "`INDEX`");
  const int insuredCopies = Count("zlog_asigurati"), amountsCopies = Count("zlog_sume");
  CImportExternalDialog again(nullptr, client(), prompter());
  Open(again, path);
  SaveButton(again).click();
  ASSERT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  EXPECT_EQ(Rows(kInsuredColumns, QStringLiteral("asigurati"), "`INDEX`"), insured);
  EXPECT_EQ(Rows(kAmountsColumns, QStringLiteral("sume"), "`INDEX`"), amounts);
  const auto copyOf = [](const QStringList& rows, std::initializer_list<int> indexes) {
    QStringList copies;
    for (int index : indexes) copies << QStringLiteral("M|") + rows[index - 1];
    return copies;
  };
  EXPECT_EQ(Copies(kInsuredColumns, "asigurati", insuredCopies),
            copyOf(insured, {2, 6, 4, 6, 6, 7}));
  QStringList amountsCopied = copyOf(amounts, {2, 4, 5, 6, 4});
  // The last copy of row 4 is as the second file row left it, before the fifth wrote it again.
  amountsCopied.last().replace(QStringLiteral("|1400|"), QStringLiteral("|1100|"));
  EXPECT_EQ(Copies(kAmountsColumns, "sume", amountsCopies), amountsCopied);
}

// An anexa 1A imported into a company that knows one of its persons under another hiring
// date, under the first house of the list: the rows written (amounts in whole lei), column by
// column; the same file again changes no row, no creation time and no audit copy.
TEST_F(ImportRegisterRowsTest, AnexaOneAImportedTwiceLeavesTheRowsOfTheFirstImport) {
  AddCompany(kCui, QStringLiteral("Firma SRL"));
  AddInsured(kCui, kCnp);  // hired 20090101: the file's record of 20090105 is another one
  const QString fresh = QStringLiteral("1851212400028");
  const auto record = [](const QString& cnp, const char* form, const char* sdl) {
    return QStringList{"6",   "2009", kCui,       "J40", "1234", "2003", cnp,       "POPESCU",
                       "ION", form,   "20090105", "",    sdl,    sdl,    "IONESCU", "ION"};
  };
  const QString path = WriteFile(
      QStringLiteral("a1a.dbf"), Anexa1AFields(16),
      {record(kCnp, "S", "64"), record(fresh, "CIC", ""), record(kOtherCnp, "S", "12.5")});
  const char* tables[] = {"asigurati.asigurati", "asigurati.sume", "asigurati.coasigurati",
                          "asigurati.zlog_asigurati", "asigurati.zlog_sume"};
  CImportPreviousDialog first(nullptr, client(), prompter());
  Open(first, path);
  SaveButton(first).click();
  ASSERT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  std::map<QString, QStringList> after;
  for (const char* table : tables) after[QLatin1String(table)] = AllRows(table);
  const QStringList insured = Rows(
      "`INDEX`, CF, CAS, CNP, NUME, PRENUME, FORMA, INTRARE, IESIRE, "
      "ZZ_CONT",
      QStringLiteral("asigurati"), "`INDEX`");
  EXPECT_EQ(insured,
            QStringList({"1|" + kCui + "|CASAB|" + kCnp + "||||20090101|0|",
                         "2|" + kCui + "|CAS_B|" + kCnp + "|POPESCU|ION|S|20090105|0|",
                         "3|" + kCui + "|CAS_B|" + fresh + "|POPESCU|ION|CIC|20090105|0|",
                         "4|" + kCui + "|CAS_B|" + kOtherCnp + "|POPESCU|ION|S|20090105|0|"}));
  EXPECT_EQ(Rows("`INDEX`, ID_CNP, CF, CNP, LUNA, ASIG_DATORAT, ASIG_VIRAT, ZZ_CONT",
                 QStringLiteral("sume"), "`INDEX`"),
            QStringList({"1|2|" + kCui + "|" + kCnp + "|200906|64|64|",
                         "2|4|" + kCui + "|" + kOtherCnp + "|200906|13|13|"}));
  EXPECT_EQ(after["asigurati.zlog_asigurati"], QStringList());
  EXPECT_EQ(after["asigurati.zlog_sume"], QStringList());

  CImportPreviousDialog again(nullptr, client(), prompter());
  Open(again, path);
  SaveButton(again).click();
  ASSERT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  for (const char* table : tables) EXPECT_EQ(AllRows(table), after[QLatin1String(table)]) << table;
}

// A prompter that notes, when asked, whether the screen still let work be started.
class WatchingPrompter : public ScriptedPrompter {
 public:
  CImportDialog* screen = nullptr;
  std::vector<bool> controlsEnabled;

 protected:
  bool AskQuestion(const QString& text, const QString& caption, Icon icon) override {
    controlsEnabled.push_back(
        screen->findChild<QPushButton*>(QStringLiteral("save"))->isEnabled() ||
        screen->findChild<QPushButton*>(QStringLiteral("open"))->isEnabled() ||
        screen->Records().isEnabled());
    return ScriptedPrompter::AskQuestion(text, caption, icon);
  }
};

TEST_F(ImportRegisterRowsTest, EscDuringASaveAsksAndStopsBetweenRecords) {
  const QString path =
      WriteFile(QStringLiteral("sursa.dbf"), ExternalFields(),
                {Record(kCnp, "200906", "1000"), Record(kOtherCnp, "200906", "1100")});
  for (const bool stop : {false, true}) {
    Run(QStringLiteral("TRUNCATE TABLE asigurati.asigurati"));
    WatchingPrompter watching;
    CImportExternalDialog screen(nullptr, client(), watching);
    watching.screen = &screen;
    screen.show();
    watching.QueueFile(path);
    screen.findChild<QPushButton*>(QStringLiteral("open"))->click();
    Type(screen, "denumire", QStringLiteral("Firma SRL"));
    Type(screen, "ziuaLic", QStringLiteral("10"));
    watching.QueueAnswers({stop});
    // Delivered while the save runs, as a key pressed during it would be.
    QCoreApplication::postEvent(&screen,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    SaveButton(screen).click();
    ASSERT_EQ(watching.controlsEnabled, std::vector<bool>{false}) << stop;
    EXPECT_EQ(watching.Texts().first(), CImportDialog::StopQuestion());
    EXPECT_TRUE(screen.isVisible()) << stop;
    EXPECT_TRUE(SaveButton(screen).isEnabled());
    if (stop) {
      EXPECT_EQ(watching.LastText(), CImportDialog::StoppedMessage(0, 2));
      EXPECT_EQ(Count("asigurati"), 0);
      EXPECT_EQ(Error(screen, 0), QString());
    } else {
      EXPECT_EQ(watching.LastText(), CImportDialog::SavedMessage());
      EXPECT_EQ(Count("asigurati"), 2);
    }
    EXPECT_EQ(Count("societati"), 1);
  }
  // Once the save is over, Esc closes the window.
}

}  // namespace
