#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "common/python_readers.h"
#include "screens/exchange/c_import_menu_dialog.h"
#include "screens/exchange/c_verify_files_dialog.h"
#include "support/register_fixture.h"
#include "ui/c_list_view_ex.h"
#include "verify_fixture.h"

namespace {

using namespace verify_files;

const QString kCountA =
    QStringLiteral("Anexa 1A: Fisierul selectat este invalid!\n\nTrebuie sa contina 16 campuri.");

// An anexa A record as this program writes it; `cnp` and `an` vary per test.
QStringList RecordA(const QString& nume, const QString& cnp = kCnp,
                    const QString& an = QStringLiteral("2009")) {
  return {"07",  an,  kCui,       "J40", "1234", "2003", cnp,       nume,
          "ION", "S", "20090604", "0",   "55",   "31",   "POPESCU", "ION"};
}

class VerifyScreenTest : public RegisterTest {
 protected:
  QString Path(const QString& name) const { return folder_.filePath(name); }

  // Chooses the file through one of the screen's buttons.
  static void Check(CVerifyFilesDialog& screen, const char* button, const QString& path) {
    prompter().QueueFile(path);
    auto* push = screen.findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(push, nullptr) << button;
    push->click();
  }
  static QString Error(CVerifyFilesDialog& screen, int row) {
    return screen.Records().GetCellText(row, QStringLiteral("EROARE"));
  }
  static bool IsRed(CVerifyFilesDialog& screen, int row) {
    return screen.Records().Model().RowColor(row) == kFaultyRowColor;
  }

  QTemporaryDir folder_;
};

// The import panel's button opens the screen; a file with faults is read into the list, its
// faulty records turn red with their reason and the summary is shown; the file stays as it was.
TEST_F(VerifyScreenTest, ImportPanelOpensTheCheckThatMarksFaultyRecords) {
  const QString path = Path(QStringLiteral("1A_0709_12345674.DBF"));
  Write(path, FieldsOf(VerifiedFile::kAnnexA),
        {RecordA("ŞERBAN"), RecordA("ŢUŢU", "1800101221145"),
         RecordA("ALBU", "1800101221145", "2005"), RecordA("VLAD")});
  const FileState before = StateOf(path);
  CImportMenuDialog panel(nullptr, &client(), &prompter());
  bool driven = false;
  SetModalDriver([&](QDialog& dialog) {
    driven = true;
    auto* screen = qobject_cast<CVerifyFilesDialog*>(&dialog);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(),
              QStringLiteral("Verifica fisiere de raportare generate de alta aplicatie"));
    QStringList texts;
    for (QLabel* label : screen->findChildren<QLabel*>()) texts.append(label->text());
    for (QPushButton* button : screen->findChildren<QPushButton*>()) texts.append(button->text());
    for (const char* text :
         {"Sanatate:", "Concedii medicale:", "Verifica anexa A", "Verifica anexa B",
          "Verifica anexa C", "Verifica anexa 1", "Verifica anexa 2", "[ESC]   Iesire",
          "ATENTIE: verificarea fisierelor se realizeaza conform standardelor CAS Bucuresti"}) {
      EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
    }

    Check(*screen, "verifyA", path);
    EXPECT_EQ(prompter().LastText(), Faulty("Anexa A"));
    CListViewEx& list = screen->Records();
    ASSERT_EQ(list.RowCount(), 4);
    ASSERT_EQ(list.Model().ColumnCount(), 17);
    EXPECT_EQ(list.Model().ColumnAt(16).name, QStringLiteral("EROARE"));
    EXPECT_EQ(list.GetCellText(1, QStringLiteral("NUME")), QStringLiteral("ŢUŢU"));
    const QString an = QStringLiteral("Campul AN trebuie sa fie mai mare sau egal cu 2006");
    const QString cnp = QStringLiteral("Campul CNP: Codul Numeric Personal incorect");
    const std::pair<bool, QString> expected[] = {{false, ""}, {true, cnp}, {true, an}, {false, ""}};
    for (int row = 0; row < 4; ++row) {
      EXPECT_EQ(IsRed(*screen, row), expected[row].first) << row;
      EXPECT_EQ(Error(*screen, row), expected[row].second) << row;
    }
    EXPECT_FALSE(screen->findChild<QProgressBar*>(QStringLiteral("progress"))->isVisible());

    // A cancelled file chooser ends the check: no message, the list as it was.
    const std::size_t shown = prompter().Messages().size();
    screen->findChild<QPushButton*>(QStringLiteral("verify2"))->click();
    EXPECT_EQ(prompter().Messages().size(), shown);
    EXPECT_EQ(list.RowCount(), 4);
    QTest::keyClick(screen, Qt::Key_Escape);
    EXPECT_FALSE(screen->isVisible());
  });
  panel.findChild<QPushButton*>(QStringLiteral("verify"))->click();
  EXPECT_TRUE(driven);
  EXPECT_TRUE(StateOf(path) == before);
}

// Files that are not what the button expects get their message, never a crash or a hang,
// and are left exactly as they were.
TEST_F(VerifyScreenTest, BadFilesGetTheirMessageAndStayUnchanged) {
  const std::vector<Field> fieldsA = FieldsOf(VerifiedFile::kAnnexA);
  {
    QFile notes(Path("text.dbf"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    for (int line = 0; line < 200; ++line) notes.write("Lista de plata a salariilor, luna iulie\n");
  }
  Write(Path("truncated.dbf"), fieldsA, {RecordA("A"), RecordA("B"), RecordA("C")});
  {
    QFile file(Path("truncated.dbf"));
    ASSERT_TRUE(file.resize(file.size() - 20));
  }
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("dosar.dbf")));
  ASSERT_TRUE(QFile(Path("empty.dbf")).open(QIODevice::WriteOnly));
  Write(Path("15.dbf"), {fieldsA.begin(), fieldsA.end() - 1}, {});
  std::vector<Field> fields17 = fieldsA;
  fields17.push_back({"EXTRA", "C", 3});
  Write(Path("17.dbf"), fields17, {});
  std::vector<Field> swapped = fieldsA;
  std::swap(swapped[0], swapped[1]);
  Write(Path("order.dbf"), swapped, {RecordA("A")});
  Write(Path("none.dbf"), fieldsA, {});
  QStringList letters = RecordA("ŞTEFĂNESCU ŢĂRANU");
  letters[9] = QStringLiteral("Ş");
  QStringList text = RecordA("POPA");
  text[0] = QStringLiteral("iulie");
  Write(Path("letters.dbf"), fieldsA, {letters, text});
  Write(Path("a1.dbf"), FieldsOf(VerifiedFile::kLeave1), {{}, {}});
  Write(Path("a2.dbf"), FieldsOf(VerifiedFile::kLeave2), {});
  std::vector<QStringList> many(100000, RecordA("POPESCU"));
  many.back()[11] = QStringLiteral("2009063");
  Write(Path("many.dbf"), fieldsA, many);

  struct Row {
    const char* file;
    const char* button;
    QString message;
    int rows;
  };
  const Row rows[] = {
      {"text.dbf", "verifyA", kCountA, 0},
      {"truncated.dbf", "verifyA", kCountA, 0},
      {"dosar.dbf", "verifyA", kCountA, 0},
      {"empty.dbf", "verifyA", kCountA, 0},
      {"15.dbf", "verifyA", kCountA, 0},
      {"17.dbf", "verifyA", kCountA, 0},
      {"empty.dbf", "verifyC",
       QStringLiteral("Anexa C: Fisierul selectat este invalid!\n\nTrebuie sa contina 13 campuri."),
       0},
      {"order.dbf", "verifyA",
       QStringLiteral("Anexa A: Fisierul selectat este invalid!\n\nUnul sau mai multe campuri nu "
                      "au denumirea corecta"),
       1},
      {"none.dbf", "verifyA", QStringLiteral("Anexa A: Fisierul selectat nu contine inregistrari!"),
       0},
      {"letters.dbf", "verifyA", Faulty("Anexa A"), 2},
      {"15.dbf", "verify1",
       QStringLiteral("Concedii medicale - Anexa 1: Fisierul trebuie sa contina 56 de campuri"), 0},
      {"a1.dbf", "verify1",
       QStringLiteral(
           "Concedii medicale - Anexa 1: Fisierul trebuie sa contina o singura inregistrare"),
       2},
      {"a2.dbf", "verify2",
       QStringLiteral("Concedii medicale - Anexa 2: Codul fiscal din campul CUI este invalid"), 0},
      {"many.dbf", "verifyA", Faulty("Anexa A"), 100000},
  };
  CVerifyFilesDialog screen(nullptr, prompter());
  for (const Row& row : rows) {
    const QString path = Path(QLatin1String(row.file));
    const FileState before = StateOf(path);
    prompter().Clear();
    Check(screen, row.button, path);
    EXPECT_EQ(prompter().Texts(), QStringList{row.message}) << row.file;
    EXPECT_EQ(screen.Records().RowCount(), row.rows) << row.file;
    EXPECT_TRUE(StateOf(path) == before) << row.file;
  }
  // The last file: one faulty record among 100,000.
  EXPECT_EQ(Error(screen, 99999),
            QStringLiteral("Campul PL: data este incorecta. trebuie sa fie de forma AAAALLZZ"));
  EXPECT_TRUE(IsRed(screen, 99999));
  EXPECT_FALSE(IsRed(screen, 99998));

  Check(screen, "verifyA", Path("letters.dbf"));
  EXPECT_EQ(screen.Records().GetCellText(0, QStringLiteral("NUME")),
            QStringLiteral("ŞTEFĂNESCU ŢĂRANU"));
  EXPECT_EQ(
      Error(screen, 0),
      QStringLiteral("Campul CAT: Forma de angajare trebuie sa fie S, CM, AM, CT, CIC, DCM, SCS "
                     "sau SS"));
  EXPECT_EQ(Error(screen, 1), QStringLiteral("Campul LN trebuie sa fie intre 1 si 12"));

  // Another extension, even "Dbf", is passed over: no message, the list as it was.
  QFile::copy(Path("letters.dbf"), Path("letters.Dbf"));
  prompter().Clear();
  Check(screen, "verifyA", Path("letters.Dbf"));
  EXPECT_TRUE(prompter().Texts().isEmpty());
  EXPECT_EQ(screen.Records().RowCount(), 2);
}

// A file written by python3-dbf, a program this project did not write: its numbers and dates
// arrive in their own forms and are checked all the same.
TEST_F(VerifyScreenTest, FileOfAnotherWriterIsChecked) {
  const QString python = python_readers::PythonWith(QStringLiteral("dbf"));
  ASSERT_FALSE(python.isEmpty()) << "python3-dbf is missing";
  constexpr char kWriter[] = R"(
import sys, datetime, dbf
table = dbf.Table(sys.argv[1], 'LN N(2,0); AN N(4,0); CF C(13); RJ C(3); RN N(5,0); RA N(4,0); '
                  'CNP N(13,0); NUME C(30); PRENUME C(30); CAT C(3); ANG D; PL D; '
                  'SDL N(12,2); SVL N(12,2); NREP C(30); PREP C(30)', codepage='cp1250')
table.open(dbf.READ_WRITE)
table.append((7, 2009, '12345674', 'J40', 1234, 2003, 1800101221144, 'ŞERBAN', 'ANA', 'CM',
              datetime.date(2009, 6, 4), None, 55.5, 30.0, 'POPESCU', 'ION'))
table.append((7, 2009, '12345674', 'J40', 1234, 2003, 1800101221144, 'ŢUŢU', 'ION', 'XY',
              datetime.date(2009, 6, 4), datetime.date(2009, 7, 15), 0, 0, 'POPESCU', 'ION'))
table.close()
print('{}')
)";
  const QString path = Path("strain.dbf");
  const auto written = python_readers::RunScript(python, kWriter, {path});
  ASSERT_TRUE(written.ok) << written.errors.toStdString();
  CVerifyFilesDialog screen(nullptr, prompter());
  Check(screen, "verifyA", path);
  EXPECT_EQ(prompter().LastText(), Faulty("Anexa A"));
  ASSERT_EQ(screen.Records().RowCount(), 2);
  EXPECT_EQ(Error(screen, 0), QString());
  EXPECT_EQ(
      Error(screen, 1),
      QStringLiteral("Campul CAT: Forma de angajare trebuie sa fie S, CM, AM, CT, CIC, DCM, SCS "
                     "sau SS"));
}

}  // namespace
