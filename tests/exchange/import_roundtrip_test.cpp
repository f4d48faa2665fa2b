#include <QComboBox>

#include "common/code_lists.h"
#include "health/annexes/annex_files.h"
#include "import_fixture.h"

namespace {

// The anexa 1A of a month, written by the report files, imported into an empty register
// under another house and written again, gives the same records.
class ImportRoundTripTest : public ImportTest {
 protected:
  static void Person(const QString& cnp, const QString& nume, const QString& prenume,
                     const char* forma, int in, int out, const char* owed, const char* paid) {
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, forma, "
                       "intrare, iesire) VALUES (%1, 'CASAB', %2, %3, %4, %5, %6, %7)")
            .arg(Q(kCui), Q(cnp), Q(nume), Q(prenume), Q(QLatin1String(forma)))
            .arg(in)
            .arg(out));
    if (owed == nullptr) return;
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, asig_datorat, "
                       "asig_virat) VALUES (LAST_INSERT_ID(), %1, %2, 200907, %3, %4)")
            .arg(Q(kCui), Q(cnp), QLatin1String(owed), QLatin1String(paid)));
  }
  AnnexHeader HeaderOfStoredCompany() {
    const QString regCom = Value("SELECT reg_com AS v FROM asigurati.societati");
    const QString repr = Value("SELECT repr AS v FROM asigurati.societati");
    return {*SplitMonth(QStringLiteral("200907")), kCui, SplitRegCom(regCom), SplitRepr(repr)};
  }
  static void Read(const QString& path, ListModel& list) {
    DbfFile table;
    EXPECT_TRUE(table.ReadDbf(path, list));
  }
};

TEST_F(ImportRoundTripTest, AnexaWrittenImportedAndWrittenAgainIsTheSame) {
  Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, reg_com, repr, ziua_lic) "
                     "VALUES (%1, 'SOCIETATEA', 'J40/1234/2003', %2, 10)")
          .arg(Q(kCui), Q(QStringLiteral("D'ANGELO ION VASILE"))));
  Person(kCnp, "MUȚU", "Ștefan Ăngel", "S", 20090604, 0, "55", "31");
  Person(kOtherCnp, "BRÂNCUȘI", "ANĂ", "CM", 20010101, 20090715, "30", "30");
  Person("1750303400013", "O'NEIL", "ANA\\MARIA", "CIC", 20080101, 0, nullptr, nullptr);
  Person("1851212400028", "POPA", "ION", "SS", 20050101, 0, "100", "90");
  const QString first = folder_.filePath("first.dbf");
  ASSERT_EQ(WriteAnnexFile(client(), Annex::k1A, HeaderOfStoredCompany(), "CASAB", first),
            AnnexOutcome::kWritten);

  SetUp();  // an empty register
  CImportPreviousDialog screen(nullptr, client(), prompter());
  Open(screen, first);
  const int house = HouseIndex(QStringLiteral("CASCJ"), HouseList::kRegister);
  screen.Houses().setCurrentIndex(house);
  Type(screen, "denumire", QStringLiteral("SOCIETATEA"));
  Type(screen, "regCom", QStringLiteral("J40/1234/2003"));
  Type(screen, "repr", QStringLiteral("D'ANGELO ION VASILE"));
  Type(screen, "ziuaLic", QStringLiteral("10"));
  SaveButton(screen).click();
  ASSERT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  for (int row = 0; row < screen.Records().RowCount(); ++row) {
    EXPECT_EQ(Error(screen, row), QString()) << row;
  }

  const QString second = folder_.filePath("second.dbf");
  ASSERT_EQ(WriteAnnexFile(client(), Annex::k1A, HeaderOfStoredCompany(), "CASCJ", second),
            AnnexOutcome::kWritten);
  ListModel before;
  ListModel after;
  Read(first, before);
  Read(second, after);
  ASSERT_EQ(before.RowCount(), 4);
  ASSERT_EQ(after.RowCount(), before.RowCount());
  ASSERT_EQ(after.ColumnCount(), before.ColumnCount());
  for (int row = 0; row < before.RowCount(); ++row) {
    for (int column = 0; column < before.ColumnCount(); ++column) {
      EXPECT_EQ(after.Cell(row, column), before.Cell(row, column))
          << row << " " << before.ColumnAt(column).name;
    }
  }
}

}  // namespace
