#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>

#include "import_fixture.h"
#include "support/form_driver.h"

namespace {

const QString kThird = QStringLiteral("1750303400013");
const QString kFourth = QStringLiteral("1851212400028");
const QString kFifth = QStringLiteral("1900707400037");
const QString kSixth = QStringLiteral("1601111400044");
const QString kCompany = QStringLiteral("O'Brien \\ Ţesătorii SRL");

const QString kAdded = QStringLiteral("Asigurat inexistent: a fost adaugat");
const QString kModified = QStringLiteral("Asigurat existent: a fost modificat");
const QString kAmountsAdded = QStringLiteral("; Sumele in luna inexistente: au fost adaugate");
const QString kAmountsModified = QStringLiteral("; Sumele in luna existente: au fost modificate");

QStringList Record(const QString& cas, const QString& cnp, const QString& hiring,
                   const QString& form, const QString& month = QStringLiteral("200906"),
                   const QString& salary = QStringLiteral("1234.5")) {
  return {QStringLiteral("RO") + kCui,
          cas,
          cnp,
          QStringLiteral("POPESCU"),
          QStringLiteral("ION VASILE"),
          hiring,
          form,
          salary,
          QStringLiteral("64.49"),
          QStringLiteral("64.5"),
          QStringLiteral("80"),
          QStringLiteral("0.5"),
          month};
}

class ImportExternalTest : public ImportTest {
 protected:
  QString StandardFile() {
    return WriteFile(
        QStringLiteral("sursa.dbf"), ExternalFields(),
        {Record("CASAB", kCnp, "20090105", "S"),
         Record("CASAB", QStringLiteral("1800101221145"), "20090105", "S"),
         Record("CASAB", kOtherCnp, "20090231", "S"), Record("CASAB", kThird, "20090105", "X"),
         Record("ZZ", kFourth, "20090105", "CM"), Record("CASHG", kFifth, "20090105", "AM", "2009"),
         Record("CASCJ", kSixth, "20090105", "CT", "200906", "12a")});
  }
  QString Column(const QString& column, const QString& cnp) {
    return Value(
        QStringLiteral("SELECT %1 AS v FROM asigurati.asigurati WHERE cnp=%2").arg(column, Q(cnp)));
  }
  QString Amount(const QString& column, const QString& cnp) {
    return Value(
        QStringLiteral("SELECT %1 AS v FROM asigurati.sume WHERE cnp=%2").arg(column, Q(cnp)));
  }
};

TEST_F(ImportExternalTest, HeaderRefusalsAndIgnoredExtensions) {
  CImportExternalDialog screen(nullptr, client(), prompter());
  const QString invalid = QStringLiteral(
      "Fisierul selectat este invalid!\n\nCiteste manualul pentru formatul de import.");
  auto swapped = ExternalFields();
  std::swap(swapped[3], swapped[4]);
  const auto record = Record("CASAB", kCnp, "20090105", "S");
  Open(screen, WriteFile("ordine.dbf", swapped, {record}));
  EXPECT_EQ(prompter().LastText(), invalid);
  Open(screen, WriteFile("anexa.dbf", Anexa1AFields(16), {}));
  EXPECT_EQ(prompter().LastText(), invalid);
  Open(screen, WriteFile("gol.dbf", ExternalFields(), {}));
  EXPECT_EQ(prompter().LastText(), QStringLiteral("Fisierul selectat nu contine inregistrari!"));
  auto badCode = record;
  badCode[0] = QStringLiteral("12345675");
  Open(screen, WriteFile("cod.dbf", ExternalFields(), {badCode}));
  EXPECT_EQ(prompter().LastText(), QStringLiteral("Codul fiscal din fisier este invalid!"));
  // Not a dBase file, and a folder: refused like a wrong layout, never half read.
  QFile junk(folder_.filePath("junk.dbf"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a table at all");
  junk.close();
  Open(screen, junk.fileName());
  EXPECT_EQ(prompter().LastText(), invalid);
  ASSERT_TRUE(QDir(folder_.path()).mkdir("dosar.dbf"));
  Open(screen, folder_.filePath("dosar.dbf"));
  EXPECT_EQ(prompter().LastText(), invalid);
  EXPECT_EQ(screen.Records().RowCount(), 0);
  EXPECT_FALSE(SaveButton(screen).isEnabled());
  const auto shown = prompter().Messages().size();
  // Mixed-case extension: ignored without a word.
  Open(screen, WriteFile("sursa.Dbf", ExternalFields(), {record}));
  EXPECT_EQ(prompter().Messages().size(), shown);
  EXPECT_FALSE(SaveButton(screen).isEnabled());
  // The upper-case extension is a dBase file like any other.
  Open(screen, WriteFile("SURSA.DBF", ExternalFields(), {record}));
  EXPECT_EQ(prompter().Messages().size(), shown);
  EXPECT_TRUE(SaveButton(screen).isEnabled());
  EXPECT_EQ(screen.FiscalCode(), kCui);
  EXPECT_EQ(screen.Records().Model().ColumnAt(13).name, QStringLiteral("EROARE"));
}

TEST_F(ImportExternalTest, RowsAreStoredOrRejectedAndASecondImportUpdates) {
  CImportExternalDialog screen(nullptr, client(), prompter());
  Open(screen, StandardFile());
  ASSERT_TRUE(SaveButton(screen).isEnabled());
  Type(screen, "ziuaLic", QStringLiteral("32"));
  Type(screen, "denumire", QStringLiteral("X"));
  SaveButton(screen).click();
  EXPECT_EQ(prompter().LastText(),
            QStringLiteral("Ziua lichidarii drepturilor salariale este incorecta!\n\n"
                           "Trebuie sa fie intre 1 si 31."));
  EXPECT_EQ(Companies(), QStringLiteral("0"));
  CompleteAndSave(screen);
  EXPECT_EQ(prompter().LastText(), CImportDialog::SavedMessage());

  const std::tuple<QString, bool> expected[] = {
      {kAdded + kAmountsAdded, false},
      {"CNP-ul este incorect. Inregistrarea a fost ignorata", true},
      {"Data intrarii este incorecta. Inregistrarea a fost ignorata", true},
      {"Forma de angajare este incorecta (trebuia sa fie S, CM, AM, CT, CIC, DCM, SCS sau SS). "
       "Inregistrarea a fost ignorata",
       true},
      {kAdded + kAmountsAdded, false},
      {kAdded + "; Campul la luna este incorect. Nu au fost procesate sumele", false},
      {kAdded + "; Campul SALARIU nu este o suma. Nu au fost procesate sumele", false},
  };
  for (int row = 0; row < 7; ++row) {
    EXPECT_EQ(Error(screen, row), std::get<0>(expected[row])) << row;
    EXPECT_EQ(IsRed(screen, row), std::get<1>(expected[row])) << row;
  }
  // The company as typed, quotes, backslash and Romanian letters intact.
  EXPECT_EQ(
      Value(QStringLiteral("SELECT denumire AS v FROM asigurati.societati WHERE cf=") + Q(kCui)),
      kCompany);
  EXPECT_EQ(Value(QStringLiteral("SELECT ziua_lic AS v FROM asigurati.societati")), "15");
  EXPECT_EQ(Count("asigurati"), 4);
  EXPECT_EQ(Column("CONCAT(nume, '|', prenume, '|', forma, '|', cas, '|', intrare)", kCnp),
            QStringLiteral("POPESCU|ION VASILE|S|CASAB|20090105"));
  EXPECT_EQ(Column("cas", kFourth), QStringLiteral("CAS_B"));
  EXPECT_EQ(Column("cas", kFifth), QStringLiteral("CASHR"));
  EXPECT_EQ(Column("cf", kFifth), kCui);
  EXPECT_EQ(Count("sume"), 2);
  EXPECT_EQ(Amount("CONCAT(luna, '|', salariu, '|', asig_datorat, '|', asig_virat, '|', "
                   "ang_datorat, '|', ang_virat)",
                   kCnp),
            QStringLiteral("200906|1234.5|64|65|80|1"));
  EXPECT_EQ(Count("sume",
                  "id_cnp=(SELECT `index` FROM asigurati.asigurati WHERE cnp=" + Q(kFourth) + ")"),
            1);

  // The same file again: updates only, each with its audit copy.
  Open(screen, StandardFile());
  EXPECT_EQ(screen.findChild<QLineEdit*>("denumire")->text(), kCompany);
  SaveButton(screen).click();
  EXPECT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  EXPECT_EQ(Error(screen, 0), kModified + kAmountsModified);
  EXPECT_EQ(Error(screen, 5),
            kModified + "; Campul la luna este incorect. Nu au fost procesate sumele");
  EXPECT_TRUE(IsRed(screen, 1));
  EXPECT_EQ(Count("asigurati"), 4);
  EXPECT_EQ(Count("sume"), 2);
  EXPECT_EQ(Count("societati"), 1);
  EXPECT_EQ(Count("zlog_asigurati"), 4);
  EXPECT_EQ(Count("zlog_sume"), 2);
}

// After the save each row's text reads whole: its column holds the longest one, so scrolling
// to the right (as the closing message advises) shows it, and the selected row's text stands
// under the list; the pointer over a row shows it as a tip.
TEST_F(ImportExternalTest, EachRowsTextCanBeReadWhole) {
  CImportExternalDialog screen(nullptr, client(), prompter());
  screen.show();
  Open(screen, StandardFile());
  CListViewEx& list = screen.Records();
  auto* reason = screen.findChild<QLabel*>(QStringLiteral("reason"));
  ASSERT_NE(reason, nullptr);
  const auto tipOver = [&list](int row) {
    const QRect cell = list.visualRect(list.Model().index(row, 0));
    QHelpEvent hover(QEvent::ToolTip, cell.center(), list.viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(list.viewport(), &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  SelectRow(list, 3);
  EXPECT_EQ(reason->text(), QString());
  EXPECT_EQ(tipOver(3), QString());
  CompleteAndSave(screen);
  ASSERT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  const int column = list.FindColumn(QStringLiteral("EROARE"));
  for (const int row : {1, 3, 6}) {
    const QString text = Error(screen, row);
    SelectRow(list, row);
    EXPECT_EQ(reason->text(), QStringLiteral("EROARE: ") + text) << row;
    EXPECT_EQ(tipOver(row), text) << row;
    EXPECT_GT(list.header()->sectionSize(column), list.fontMetrics().horizontalAdvance(text))
        << row;
  }
  QCoreApplication::processEvents();  // the list lays out its new width
  list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
  const QRect longest = list.visualRect(list.Model().index(3, column));
  EXPECT_GE(longest.left(), 0);
  EXPECT_LE(longest.right(), list.viewport()->width());
  QToolTip::hideText();
}

// A fiscal code that fails its check names no company the company form would register: the
// file is refused, unless a company is registered under that very code; it is imported into.
TEST_F(ImportExternalTest, AFiscalCodeThatFailsItsCheckIsImportedOnlyIntoARegisteredCompany) {
  const QString bad = QStringLiteral("12345675");
  struct Case {
    QString fileCode;
    QString registered;  // the code the register holds, if any
    bool opened;
  };
  const Case cases[] = {
      {bad, {}, false}, {bad, bad, true}, {"RO" + bad, bad, true}, {kCui, {}, true}};
  for (const Case& c : cases) {
    SetUp();
    if (!c.registered.isEmpty()) AddCompany(c.registered, QStringLiteral("FIRMA VECHE SRL"));
    auto record = Record("CASAB", kCnp, "20090105", "S");
    record[0] = c.fileCode;
    CImportExternalDialog screen(nullptr, client(), prompter());
    Open(screen, WriteFile("cod.dbf", ExternalFields(), {record}));
    const QString trace = c.fileCode + u'/' + c.registered;
    EXPECT_EQ(SaveButton(screen).isEnabled(), c.opened) << trace;
    if (!c.opened) {
      EXPECT_EQ(prompter().LastText(), QStringLiteral("Codul fiscal din fisier este invalid!"));
      EXPECT_EQ(screen.Records().RowCount(), 0) << trace;
      continue;
    }
    EXPECT_TRUE(prompter().Messages().empty()) << trace;
    CompleteAndSave(screen);
    EXPECT_EQ(prompter().LastText(), CImportDialog::SavedMessage()) << trace;
    EXPECT_EQ(Count("societati"), 1) << trace;
    EXPECT_EQ(Value("SELECT CONCAT(cf, '|', cnp) AS v FROM asigurati.asigurati"),
              ImportCompanyCode(c.fileCode) + u'|' + kCnp)
        << trace;
  }
}

TEST_F(ImportExternalTest, AnExistingCompanyIsShownAndLeftUnchanged) {
  AddCompany(kCui, QStringLiteral("Firma Veche SRL"));
  CImportExternalDialog screen(nullptr, client(), prompter());
  Open(screen, WriteFile("sursa.dbf", ExternalFields(), {Record("CASAB", kCnp, "20090105", "S")}));
  EXPECT_EQ(screen.findChild<QLineEdit*>("denumire")->text(), QStringLiteral("Firma Veche SRL"));
  EXPECT_EQ(screen.findChild<QLineEdit*>("ziuaLic")->text(), QStringLiteral("10"));
  Type(screen, "denumire", QStringLiteral("Alt Nume"));
  SaveButton(screen).click();
  EXPECT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  EXPECT_EQ(Value("SELECT denumire AS v FROM asigurati.societati"), "Firma Veche SRL");
  EXPECT_EQ(Count("zlog_societati"), 0);
  EXPECT_EQ(Count("asigurati", "cf=" + Q(kCui)), 1);
}

}  // namespace
